#include "ondemandlibrary.h"

#include "msgbox.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace ui {

namespace {
// The folder of the core library: the on-demand libraries are installed and built beside it.
QString coreLibraryFolder()
{
    Dl_info info {};
    if (dladdr(reinterpret_cast<void *>(&onDemandEntry), &info) != 0 && info.dli_fname) {
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
    }
    return QCoreApplication::applicationDirPath();
}
} // namespace

QFunctionPointer onDemandEntry(QWidget *parent, const char *library, const char *entry)
{
    // A library already loaded (or linked, as by the tests) is found again, not loaded twice;
    // it stays loaded for the rest of the run.
    const QByteArray path = QFile::encodeName(coreLibraryFolder() + QStringLiteral("/lib")
                                              + QLatin1String(library) + QStringLiteral(".so"));
    void *handle = dlopen(path.constData(), RTLD_NOW);
    void *found = handle ? dlsym(handle, entry) : nullptr;
    if (!found) {
        warn(parent,
             QCoreApplication::translate("ui", "A part of sumtrail could not be loaded: %1")
                 .arg(QString::fromLocal8Bit(dlerror())));
        return nullptr;
    }
    return reinterpret_cast<QFunctionPointer>(found);
}

} // namespace ui

#include "fileresult.h"

#include <QCoreApplication>

FileResult FileResult::writeFailure(const QString &fileName, const QString &reason)
{
    // A file name made from a junk roster line can be megabytes long: show its start.
    constexpr qsizetype Shown = 256;
    const QString name = fileName.size() > Shown ? fileName.first(Shown) + QChar(0x2026) : fileName;
    FileResult result = failure(QCoreApplication::translate("FileResult",
                                                            "The file \"%1\" could not be "
                                                            "written: %2.\nNothing was changed.")
                                    .arg(name, reason));
    result.fileName = name;
    result.reason = reason;
    return result;
}

#include "cupsqueue.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>

namespace cupsqueue {

namespace {

std::optional<QString> lpstat(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral("lpstat"), args);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool waitUntilIdle()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 60000) {
        if (const auto jobs = lpstat({QStringLiteral("-o")}); jobs && jobs->trimmed().isEmpty()) {
            return true;
        }
        QTest::qWait(200);
    }
    return false;
}

// Where cups-pdf writes: its Out setting, with the job owner's home put in.
QString outDirectory()
{
    QString out = QStringLiteral("${HOME}/PDF");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        while (!conf.atEnd()) {
            const QString line = QString::fromLocal8Bit(conf.readLine()).trimmed();
            if (line.startsWith(QLatin1String("Out "))) {
                out = line.mid(4).trimmed();
            }
        }
    }
    return out.replace(QLatin1String("${HOME}"), QDir::homePath());
}

} // namespace

QString skipReason()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        return QStringLiteral("no default printer is reachable: scripts/run-tests starts a "
                              "private print server with a PDF queue (make test)");
    }
    const auto device = lpstat({QStringLiteral("-v"), printer.printerName()});
    if (!device || !device->contains(QLatin1String("cups-pdf:"))) {
        return QStringLiteral("the default printer \"%1\" is not a cups-pdf queue, and the "
                              "tests print on PDF queues only")
            .arg(printer.printerName());
    }
    return {};
}

QStringList pdfsWrittenBy(const std::function<void()> &print)
{
    if (!waitUntilIdle()) {
        return {};
    }
    // File times may be kept in whole seconds.
    const QDateTime start = QDateTime::currentDateTime().addSecs(-1);
    print();
    if (!waitUntilIdle()) {
        return {};
    }
    QStringList files;
    for (const QFileInfo &info : QDir(outDirectory()).entryInfoList({"*.pdf"}, QDir::Files)) {
        if (info.size() > 0 && info.lastModified() >= start) {
            files.append(info.filePath());
        }
    }
    return files;
}

} // namespace cupsqueue

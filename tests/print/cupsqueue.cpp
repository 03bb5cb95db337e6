#include "cupsqueue.h"

#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>

namespace cupsqueue {

namespace {
QString run(const QString &program, const QStringList &args, bool *ok = nullptr)
{
    QProcess process;
    process.start(program, args);
    const bool finished = process.waitForFinished(10000);
    if (ok) {
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
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

PdfQueue find()
{
    PdfQueue queue;
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        queue.skipReason = QStringLiteral(
            "no default printer is reachable: scripts/run-tests starts a private print server "
            "with a PDF queue; run the tests through it (make test)");
        return queue;
    }
    queue.name = printer.printerName();
    bool ok = false;
    const QString device = run(QStringLiteral("lpstat"), {QStringLiteral("-v"), queue.name}, &ok);
    if (!ok || !device.contains(QLatin1String("cups-pdf:"))) {
        queue.skipReason = QStringLiteral("the default printer \"%1\" is not a cups-pdf queue, "
                                          "and the tests print on PDF queues only")
                               .arg(queue.name);
        return queue;
    }
    queue.outDir = outDirectory();
    return queue;
}

bool waitUntilIdle(int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        bool ok = false;
        const QString jobs = run(QStringLiteral("lpstat"), {QStringLiteral("-o")}, &ok);
        if (ok && jobs.trimmed().isEmpty()) {
            return true;
        }
        QTest::qWait(200);
    }
    return false;
}

QStringList writtenSince(const PdfQueue &queue, const QDateTime &since)
{
    QStringList files;
    const QFileInfoList entries
        = QDir(queue.outDir).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
    for (const QFileInfo &info : entries) {
        // File times may be kept in whole seconds.
        if (info.size() > 0 && info.lastModified() >= since.addSecs(-1)) {
            files.append(info.filePath());
        }
    }
    return files;
}

} // namespace cupsqueue

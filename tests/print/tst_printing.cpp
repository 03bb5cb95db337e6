#include "cupsqueue.h"
#include "pdfpage.h"
#include "print/printing.h"
#include "print/worksheetpage.h"
#include "support/testsupport.h"
#include "ui/fonts.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTest>

class tst_Printing : public QObject
{
    Q_OBJECT

private:
    static worksheet::Set sampleSet()
    {
        worksheet::Set set;
        for (int n = 1; n <= worksheet::Questions; ++n) {
            // One-, two- and three-digit operands, and sums of one to four digits.
            const int first = (n * 37) % 1000;
            const int second = n % 3 == 0 ? n : 1000 - n * 11;
            set[std::size_t(n - 1)]
                = {QString::number(first), QString::number(second), first + second};
        }
        return set;
    }

    static printing::Page pageOf(const worksheet::Set &set)
    {
        return [set](PrintSurface &surface) { worksheet::print(surface, set); };
    }

    // The line advance of 8-point Arial on a device, in twips.
    static double answerLine(const QPaintDevice *device)
    {
        return QFontMetricsF(ui::fontFor(ui::arial(8)), device).lineSpacing() * 1440
            / device->logicalDpiY();
    }

    static void verifyLayout(const QString &pdf, const worksheet::Set &set, double line)
    {
        const QStringList problems = pdfpage::checkWorksheet(pdfpage::read(pdf), set, line);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 12).join(QLatin1Char('\n'))));
    }

private slots:
    void initTestCase()
    {
        if (!pdfpage::havePdfToText()) {
            QSKIP("pdftotext (poppler-utils) is missing: scripts/install-deps installs it");
        }
    }

    void pdfFileHoldsTheWorksheetPage()
    {
        testsupport::WorkDir dir;
        const QString path = dir.file(QStringLiteral("sheet.pdf"));
        const worksheet::Set set = sampleSet();
        const FileResult saved = printing::toPdfFile(path, QStringLiteral("test"), pageOf(set));
        QVERIFY2(saved.ok, qPrintable(saved.message));
        QVERIFY(testsupport::readFile(path).startsWith("%PDF-"));

        QByteArray unused;
        QBuffer buffer(&unused);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        verifyLayout(path, set, answerLine(&writer));
    }

    void pdfFileThatCannotBeWrittenIsReportedWithItsName()
    {
        testsupport::WorkDir dir;
        const QString path = dir.file(QStringLiteral("missing/sheet.pdf"));
        const FileResult saved
            = printing::toPdfFile(path, QStringLiteral("test"), pageOf(sampleSet()));
        QVERIFY(!saved.ok);
        QVERIFY2(saved.message.contains(path), qPrintable(saved.message));
        QVERIFY(!QFile::exists(path));
    }

    // Through the system's default printer, which scripts/run-tests makes a PDF queue of
    // a private print server; the queue's PDF is read back.
    void defaultPrinterPrintsOnePage()
    {
        const cupsqueue::PdfQueue queue = cupsqueue::find();
        if (!queue.skipReason.isEmpty()) {
            QSKIP(qPrintable(queue.skipReason));
        }
        QVERIFY2(cupsqueue::waitUntilIdle(), "the print queue was busy before the test");
        const QDateTime start = QDateTime::currentDateTime();
        const worksheet::Set set = sampleSet();
        const QString title = QStringLiteral("sumtrail-printing-test");
        const auto result = printing::toDefaultPrinter(title, pageOf(set));
        QCOMPARE(result.status, printing::Status::Printed);
        QVERIFY2(cupsqueue::waitUntilIdle(), "the print job did not finish");
        const QStringList files = cupsqueue::writtenSince(queue, start);
        QCOMPARE(files.size(), 1);
        QVERIFY2(files[0].contains(title), qPrintable(files[0]));

        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        verifyLayout(files[0], set, answerLine(&printer));
        QFile::remove(files[0]);
    }
};

QTEST_MAIN(tst_Printing)
#include "tst_printing.moc"

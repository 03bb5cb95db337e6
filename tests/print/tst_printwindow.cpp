// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/base/twips.h"
#include "gui/base/windowless.h"
#include "gui/menu/mainmenu.h"
#include "gui/print/printing.h"
#include "gui/print/printwindow.h"
#include "gui/seams/printer.h"
#include "gui/seams/random.h"
#include "gui/seams/savedialog.h"
#include "gui/seams/scopedoverride.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <optional>

using namespace testsupport;

namespace {

QString run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The words of a PDF as pdftotext reads them, sorted, with a form feed ending each page.
QStringList pdfWords(const QString &path)
{
    QStringList words = run("pdftotext", {"-layout", path, "-"})
                            .split(QRegularExpression("[ \n]+"), Qt::SkipEmptyParts);
    words.sort();
    return words;
}

// The words the worksheet of the set puts on its one page.
QStringList pageWords(const worksheet::Set &set)
{
    QStringList words = worksheet::tearLine().split(u' ', Qt::SkipEmptyParts) << "\f";
    for (int n = 1; n <= worksheet::Questions; ++n) {
        const worksheet::Entry &e = set[n - 1];
        words << worksheet::numberText(n).trimmed() << e.first << "+" << e.second << "________"
              << "======" << worksheet::answerText(n, e.answer).split(u' ');
    }
    words.sort();
    return words;
}

} // namespace

class tst_printwindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_ground.emplace();
        // The real source: the ground's draws come round again for NEW.
        m_realDraws.emplace(seams::randomDraw(), nullptr);
        m_window = qobject_cast<PrintWindow *>(act(openMenu(1), {"Command2"}));
        QVERIFY(m_window && !shownWindow<MainMenu>());
    }

    void cleanup()
    {
        QVERIFY(closeEveryWindow());
        m_realDraws.reset();
        m_ground.reset();
    }

    void previewsASetOfTheChosenLevel()
    {
        // Plain numbers of the level chosen, the last: three digits; new ones at NEW.
        QTest::keyClick(controls().get<QComboBox>("Combo1"), Qt::Key_End);
        QTest::keyClick(controls().get<QComboBox>("Combo1"), Qt::Key_Up);
        const worksheet::Set chosen = previewSet();
        QTest::mouseClick(button("CmdNew"), Qt::LeftButton);
        static const QRegularExpression number("^[1-9]\\d\\d$");
        for (const worksheet::Entry &e : previewSet()) {
            QVERIFY2(number.match(e.first).hasMatch() && number.match(e.second).hasMatch(),
                     qPrintable(e.first + " + " + e.second));
        }
        QVERIFY(pageWords(previewSet()) != pageWords(chosen));
    }

    // Review, after the levels: the student's own missed and slow sums first, and the printed
    // page says whose it is.
    void reviewIsTheStudentsOwnSheet()
    {
        writeFile("ANN.ans",
                  "5/11/2026 9:00:00 AM#1#3#4#7#right#9000\r\n"
                  "5/11/2026 9:00:00 AM#2#17#18#25#wrong#2000\r\n");
        auto *level = controls().get<QComboBox>("Combo1");
        QTest::keyClick(level, Qt::Key_End);
        QCOMPARE(level->currentText(), "Review");
        const worksheet::Set set = previewSet();
        QCOMPARE(std::pair(set[0].first, set[0].second), std::pair(QString("17"), QString("18")));
        QCOMPARE(std::pair(set[1].first, set[1].second), std::pair(QString("3"), QString("4")));
        seams::ScopedOverride printer(seams::printer(),
                                      [](const QString &title, const printing::Page &page) {
                                          printing::toPdfFile("review.pdf", title, page);
                                          return printing::PrintResult {};
                                      });
        m_ground->messages.answer(QMessageBox::Yes);
        QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
        QVERIFY(run("pdftotext", {"review.pdf", "-"}).contains("Review for ANN, "));
    }

    // Printed only when the answer is Yes. Without a printer the sheet is offered as a PDF
    // file; saved again over it, when the new file cannot be written whole (its last byte is
    // refused), the earlier one stays byte for byte, no temporary file is left, and a warning
    // says so.
    void withoutAPrinterSavedAsPdf()
    {
        int printed = 0;
        seams::ScopedOverride printer(
            seams::printer(), [&printed](const QString &, const printing::Page &) {
                ++printed;
                return printing::PrintResult {printing::Status::NoPrinter, {}};
            });
        seams::ScopedOverride dialog(seams::saveDialog(), [](const ui::SaveRequest &) {
            return QDir().absoluteFilePath("for grandma");
        });
        const QString pdf = QDir().absoluteFilePath("for grandma.pdf"); // the extension added
        m_ground->messages.answer(QMessageBox::No);
        QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
        QCOMPARE(m_ground->messages.texts(), QStringList {"Do you want to print exercise?"});
        QCOMPARE(m_ground->messages.shown().first().defaultButton, QMessageBox::No);
        QCOMPARE(printed, 0);
        const auto saveAsPdf = [this] {
            m_ground->messages.answer(QMessageBox::Yes); // to print
            m_ground->messages.answer(QMessageBox::Yes); // to a PDF file instead
            QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
        };
        saveAsPdf();
        QCOMPARE(printed, 1);
        // Where the file went, in full.
        QCOMPARE(m_ground->messages.texts().at(3), "The file was saved as \"" + pdf + "\".");
        QCOMPARE(pdfWords(pdf), pageWords(previewSet()));

        const Files before = snapshot();
        {
            const FileSizeLimit sizeLimit(readFile(pdf).size() - 1); // the same sheet again
            saveAsPdf();
        }
        QCOMPARE(snapshot(), before);
        QCOMPARE(m_ground->messages.shown().constLast().icon, QMessageBox::Warning);
    }

    // PRINT through the real default printer: scripts/run-tests makes it the PDF queue of a
    // private print server, whose PDF is read back.
    void printGoesToTheDefaultPrinter()
    {
        const QString printer = QPrinterInfo::defaultPrinterName();
        if (printer.isEmpty() || !run("lpstat", {"-v", printer}).contains("cups-pdf:")) {
            QSKIP("no cups-pdf default printer: scripts/run-tests starts a private print server");
        }
        m_ground->messages.answer(QMessageBox::Yes);
        QTest::mouseClick(button("cmdPrint"), Qt::LeftButton);
        QCOMPARE(m_ground->messages.shown().size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(run("lpstat", {"-o"}).trimmed().isEmpty(), 60000);
        const QFileInfoList pdfs
            = QDir(QDir::homePath() + "/PDF").entryInfoList({"*.pdf"}, QDir::Files, QDir::Time);
        QVERIFY(!pdfs.isEmpty()); // the newest is this one: an older one has other questions
        QCOMPARE(pdfWords(pdfs[0].filePath()), pageWords(previewSet()));
        QFile::remove(pdfs[0].filePath());
    }

private:
    // Read through the window's control table, however a preview cell is drawn.
    const ui::FormControls &controls() const { return std::as_const(*m_window).controls(); }
    QPushButton *button(const char *name) const { return controls().get<QPushButton>(name); }
    QString cell(const char *array, int n) const
    {
        return controls().find(ui::arrayElementName(array, n))->property("text").toString();
    }
    worksheet::Set previewSet() const
    {
        worksheet::Set set;
        for (int n = 1; n <= worksheet::Questions; ++n) {
            set[n - 1] = {cell("Label1", n), cell("Label2", n),
                          cell("Label1", n).toInt() + cell("Label2", n).toInt()};
        }
        return set;
    }

    std::optional<WindowGround> m_ground;
    std::optional<seams::ScopedOverride<double()>> m_realDraws;
    PrintWindow *m_window = nullptr;
};

QTEST_MAIN(tst_printwindow)
#include "tst_printwindow.moc"

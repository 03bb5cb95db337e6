#include "cupsqueue.h"
#include "exercise/addmodule.h"
#include "menu/mainportal.h"
#include "pdfpage.h"
#include "print/printing.h"
#include "print/printmenu.h"
#include "recordingsurface.h"
#include "support/testsupport.h"
#include "ui/savedialog.h"
#include "ui/windowless.h"
#include "ui/windows.h"

#include <QBuffer>
#include <QComboBox>
#include <QLabel>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>

using namespace testsupport;

// Stands in for the default printer and keeps every page it is given.
struct RecordingPrinter
{
    QList<RecordingSurface> pages;
    printing::PrintResult result {printing::Status::Printed, {}};
    RecordingPrinter()
    {
        printing::setPrinterStandIn([this](const QString &, const printing::Page &page) {
            if (result.status == printing::Status::Printed) {
                pages.append(RecordingSurface());
                page(pages.last());
            }
            return result;
        });
    }

    ~RecordingPrinter() { printing::setPrinterStandIn({}); }
};

class tst_PrintMenu : public QObject
{
    Q_OBJECT

private:
    static const ui::FormControls &controlsOf(const Form *form) { return form->controls(); }

    // Opens the print window as a user does: pick a student, press "Print Out Exercise".
    PrintMenu *openFromMainMenu()
    {
        MainPortal *menu = Windows::load<MainPortal>();
        menu->show();
        auto *students = controlsOf(menu).get<QComboBox>(QStringLiteral("Combo1"));
        if (students->currentIndex() < 0) {
            QTest::keyClick(students, Qt::Key_Down);
        }
        QTest::mouseClick(controlsOf(menu).get<QPushButton>(QStringLiteral("Command2")),
                          Qt::LeftButton);
        m_window = Windows::find<PrintMenu>();
        return m_window;
    }

    template<class T> T *control(const QString &name) const
    {
        return controlsOf(m_window).get<T>(name);
    }

    QPushButton *button(const char *name) const { return control<QPushButton>(name); }
    QComboBox *levels() const { return control<QComboBox>(QStringLiteral("Combo1")); }
    void pressPrint() const { QTest::mouseClick(button("cmdPrint"), Qt::LeftButton); }

    // What the preview shows, as the page should print it.
    worksheet::Set previewSet() const
    {
        worksheet::Set set;
        for (int n = 1; n <= worksheet::Questions; ++n) {
            const QString first =
                control<ui::WindowlessLabel>(QStringLiteral("Label1(%1)").arg(n))->text();
            const QString second =
                control<ui::WindowlessLabel>(QStringLiteral("Label2(%1)").arg(n))->text();
            set[std::size_t(n - 1)] = {first, second, first.toInt() + second.toInt()};
        }
        return set;
    }

    // The preview shows 24 different questions of plain numbers in the range, the ones
    // the shared question arrays hold.
    void verifyPreview(int low, int high) const
    {
        QSet<QPair<int, int>> pairs;
        const worksheet::Set set = previewSet();
        for (int n = 1; n <= worksheet::Questions; ++n) {
            const worksheet::Entry &e = set[std::size_t(n - 1)];
            const int first = e.first.toInt();
            const int second = e.second.toInt();
            QCOMPARE(e.first + " + " + e.second, QStringLiteral("%1 + %2").arg(first).arg(second));
            QVERIFY2(first >= low && first <= high && second >= low && second <= high,
                     qPrintable(e.first + " + " + e.second));
            QCOMPARE(AddModule::FirstNum[n], first);
            QCOMPARE(AddModule::SecondNum[n], second);
            pairs.insert({first, second});
        }
        QCOMPARE(pairs.size(), worksheet::Questions);
    }

    std::unique_ptr<WorkDir> m_dir;
    std::unique_ptr<ScriptedMessages> m_messages;
    PrintMenu *m_window = nullptr;

private slots:
    void init()
    {
        m_dir = std::make_unique<WorkDir>();
        m_messages = std::make_unique<ScriptedMessages>();
        writeFile(QStringLiteral("sumroll.ini"), "ANN\r\n");
        QVERIFY(openFromMainMenu());
    }

    void cleanup()
    {
        ui::setSaveResponder({});
        closeAllWindows();
        QCOMPARE(visibleTopLevelWindows(), 0);
        QVERIFY(Windows::loaded().isEmpty());
        m_messages.reset();
        m_dir.reset();
    }

    void opensWithALevelOneSetAndItsControlsInOrder()
    {
        QVERIFY(m_window->isVisible());
        QVERIFY(!Windows::find<MainPortal>()->isVisible());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Print Excerises"));
        QVERIFY(button("cmdPrint")->isEnabled());
        QCOMPARE(levels()->currentText(), QStringLiteral("Level 1"));
        verifyPreview(0, 10);

        QStringList names;
        for (const QObject *c : controlsOf(m_window).inCreationOrder()) {
            names.append(c->objectName());
        }
        QStringList expected {"Frame1", "Frame2", "Label4",   "Label5",
                              "Combo1", "CmdNew", "cmdPrint", "Command1"};
        for (int n = 1; n <= 24; ++n) {
            for (const char *name :
                 {"lblno", "Label1", "Label3", "Label2", "Line1", "Line2", "Line3"}) {
                expected.append(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(n));
            }
        }
        QCOMPARE(names, expected);
    }

    void levelSixAndNewMakeFreshLevelSixSets()
    {
        QTest::keyClick(levels(), Qt::Key_End);
        QCOMPARE(levels()->currentText(), QStringLiteral("Level 6"));
        verifyPreview(100, 999);
        const worksheet::Set chosen = previewSet();

        QTest::mouseClick(button("CmdNew"), Qt::LeftButton);
        verifyPreview(100, 999);
        const worksheet::Set renewed = previewSet();
        int same = 0;
        for (std::size_t i = 0; i < worksheet::Questions; ++i) {
            same += chosen[i].first == renewed[i].first && chosen[i].second == renewed[i].second;
        }
        QVERIFY2(same < worksheet::Questions, "NEW kept the same questions");
    }

    void answeringNoPrintsNothing()
    {
        RecordingPrinter printer;
        m_messages->answer(QMessageBox::No);
        pressPrint();
        QCOMPARE(m_messages->shown().size(), 1);
        const ui::MessageRequest &asked = m_messages->shown().first();
        QCOMPARE(asked.text, QStringLiteral("Do you want to print exercise?"));
        QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(asked.defaultButton, QMessageBox::No);
        QVERIFY(printer.pages.isEmpty());
    }

    void answeringYesTwicePrintsTwoIdenticalPagesOfThePreview()
    {
        RecordingPrinter printer;
        m_messages->answer(QMessageBox::Yes);
        m_messages->answer(QMessageBox::Yes);
        pressPrint();
        pressPrint();
        QCOMPARE(printer.pages.size(), 2);
        QCOMPARE(printer.pages[0].printed(), printer.pages[1].printed());
        QCOMPARE(printer.pages[0].documentsEnded(), 1);
        // The page is the preview's: its last question and, in the strip, that sum.
        const worksheet::Entry last = previewSet()[23];
        QCOMPARE(printer.pages[0].withText(last.second).last().y, 11300 + 450.0);
        QCOMPARE(printer.pages[0].withText(worksheet::answerText(24, last.answer)).size(), 1);
        QCOMPARE(m_messages->shown().size(), 2);
    }

    void withoutAPrinterTheWorksheetIsSavedAsPdf()
    {
        if (!pdfpage::havePdfToText()) {
            QSKIP("pdftotext (poppler-utils) is missing: scripts/install-deps installs it");
        }
        RecordingPrinter printer;
        printer.result = {printing::Status::NoPrinter, {}};
        ui::setSaveResponder(
            [this](const ui::SaveRequest &) { return m_dir->file("for grandma"); });
        m_messages->answer(QMessageBox::Yes);
        m_messages->answer(QMessageBox::Yes);
        pressPrint();

        QCOMPARE(m_messages->shown().size(), 2);
        const QString offer = m_messages->shown().at(1).text;
        QVERIFY2(offer.contains("no printer") && offer.contains("PDF"), qPrintable(offer));
        // A name without an extension gets ".pdf".
        const QString pdf = m_dir->file(QStringLiteral("for grandma.pdf"));
        QVERIFY(readFile(pdf).startsWith("%PDF-"));
        QByteArray unused;
        QBuffer buffer(&unused);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        const QStringList problems = pdfpage::checkWorksheet(pdf, previewSet(), &writer);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 12).join(u'\n')));
    }

    void pdfThatCannotBeWrittenIsReported()
    {
        RecordingPrinter printer;
        printer.result = {printing::Status::NoPrinter, {}};
        const QString path = m_dir->file(QStringLiteral("gone/sheet.pdf"));
        ui::setSaveResponder([&](const ui::SaveRequest &) { return path; });
        m_messages->answer(QMessageBox::Yes);
        m_messages->answer(QMessageBox::Yes);
        pressPrint();
        QCOMPARE(m_messages->shown().size(), 3);
        QCOMPARE(m_messages->shown().at(2).icon, QMessageBox::Warning);
        QVERIFY2(m_messages->texts().at(2).contains(path), qPrintable(m_messages->texts().at(2)));
        QVERIFY(!QFileInfo::exists(path));
    }

    void closingShowsTheMainMenuAndReopeningStartsAfresh_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("MAIN MENU") << false;
        QTest::newRow("close box") << true;
    }

    void closingShowsTheMainMenuAndReopeningStartsAfresh()
    {
        QFETCH(bool, byCloseBox);
        QTest::keyClick(levels(), Qt::Key_End);
        if (byCloseBox) {
            m_window->close();
        } else {
            QTest::mouseClick(button("Command1"), Qt::LeftButton);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Windows::find<PrintMenu>());
        QVERIFY(Windows::find<MainPortal>()->isVisible());

        QVERIFY(openFromMainMenu());
        QCOMPARE(levels()->currentText(), QStringLiteral("Level 1"));
        verifyPreview(0, 10);
    }

    // PRINT, confirmed, through the real default printer: scripts/run-tests makes it a PDF
    // queue of a private print server, whose PDF is read back.
    void printGoesToTheDefaultPrinter()
    {
        if (const QString reason = cupsqueue::skipReason(); !reason.isEmpty()) {
            QSKIP(qPrintable(reason));
        }
        if (!pdfpage::havePdfToText()) {
            QSKIP("pdftotext (poppler-utils) is missing: scripts/install-deps installs it");
        }
        QTest::keyClick(levels(), Qt::Key_End); // three-digit operands
        m_messages->answer(QMessageBox::Yes);
        const QStringList files = cupsqueue::pdfsWrittenBy([this] { pressPrint(); });
        QCOMPARE(files.size(), 1);
        QCOMPARE(m_messages->shown().size(), 1); // the question, and no problem reported

        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        const QStringList problems = pdfpage::checkWorksheet(files[0], previewSet(), &printer);
        QFile::remove(files[0]);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 12).join(u'\n')));
    }
};

QTEST_MAIN(tst_PrintMenu)
#include "tst_printmenu.moc"

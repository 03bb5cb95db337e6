#include "cupsqueue.h"
#include "exercise/addmodule.h"
#include "menu/mainportal.h"
#include "pdfpage.h"
#include "print/printing.h"
#include "print/printmenu.h"
#include "recordingsurface.h"
#include "support/testsupport.h"
#include "ui/fonts.h"
#include "ui/linecontrol.h"
#include "ui/savedialog.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>

using namespace testsupport;

class tst_PrintMenu : public QObject
{
    Q_OBJECT

private:
    static const ui::FormControls &controlsOf(const Form *form) { return form->controls(); }

    // Opens the print window as a user does: pick a student, press "Print Out Exercise".
    static PrintMenu *openFromMainMenu()
    {
        if (!QFile::exists(QStringLiteral("sumroll.ini"))) {
            writeFile(QStringLiteral("sumroll.ini"), "ANN\r\n");
        }
        MainPortal *menu = Windows::load<MainPortal>();
        menu->show();
        auto *students = controlsOf(menu).get<QComboBox>(QStringLiteral("Combo1"));
        if (students->currentIndex() < 0) {
            QTest::keyClick(students, Qt::Key_Down);
        }
        auto *print = controlsOf(menu).get<QPushButton>(QStringLiteral("Command2"));
        if (!print->isEnabled()) {
            return nullptr;
        }
        QTest::mouseClick(print, Qt::LeftButton);
        return Windows::find<PrintMenu>();
    }

    template<class T> static T *control(const PrintMenu *w, const QString &name)
    {
        return controlsOf(w).get<T>(name);
    }
    static QPushButton *button(const PrintMenu *w, const char *name)
    {
        return control<QPushButton>(w, QString::fromLatin1(name));
    }
    static QString caption(const PrintMenu *w, const char *array, int n)
    {
        return control<QLabel>(w, QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(n))
            ->text();
    }

    // What the preview shows, as the page should print it.
    static worksheet::Set previewSet(const PrintMenu *w)
    {
        worksheet::Set set;
        for (int n = 1; n <= worksheet::Questions; ++n) {
            const QString first = caption(w, "Label1", n);
            const QString second = caption(w, "Label2", n);
            set[std::size_t(n - 1)] = {first, second, first.toInt() + second.toInt()};
        }
        return set;
    }

    static void verifyPreview(const PrintMenu *w, int low, int high)
    {
        QSet<QPair<int, int>> pairs;
        for (int n = 1; n <= worksheet::Questions; ++n) {
            bool ok1 = false;
            bool ok2 = false;
            const int first = caption(w, "Label1", n).toInt(&ok1);
            const int second = caption(w, "Label2", n).toInt(&ok2);
            QVERIFY(ok1 && ok2);
            // Plain decimal digits: no sign, blanks or leading zeros.
            QCOMPARE(caption(w, "Label1", n), QString::number(first));
            QCOMPARE(caption(w, "Label2", n), QString::number(second));
            QVERIFY2(first >= low && first <= high && second >= low && second <= high,
                     qPrintable(QStringLiteral("%1 + %2").arg(first).arg(second)));
            QCOMPARE(AddModule::FirstNum[n], first);
            QCOMPARE(AddModule::SecondNum[n], second);
            QCOMPARE(AddModule::SumNum[n], first + second);
            pairs.insert({first, second});
        }
        QCOMPARE(pairs.size(), worksheet::Questions);
    }

    // Stands in for the default printer and keeps every page it is given.
    struct RecordingPrinter
    {
        QList<RecordingSurface> pages;
        QStringList titles;
        printing::PrintResult result {printing::Status::Printed, {}};
        RecordingPrinter()
        {
            printing::setPrinterStandIn([this](const QString &title, const printing::Page &page) {
                if (result.status == printing::Status::Printed) {
                    RecordingSurface surface;
                    page(surface);
                    pages.append(surface);
                }
                titles.append(title);
                return result;
            });
        }
        ~RecordingPrinter() { printing::setPrinterStandIn({}); }
    };

    struct SaveAnswers
    {
        QString path;
        int asked = 0;
        explicit SaveAnswers(QString answer)
            : path(std::move(answer))
        {
            ui::setSaveResponder([this](const ui::SaveRequest &) {
                ++asked;
                return path;
            });
        }
        ~SaveAnswers() { ui::setSaveResponder({}); }
    };

    static double answerLine(const QPaintDevice *device)
    {
        return QFontMetricsF(ui::fontFor(ui::arial(8)), device).lineSpacing() * 1440
            / device->logicalDpiY();
    }

private slots:
    void cleanup()
    {
        if (PrintMenu *w = Windows::find<PrintMenu>()) {
            w->close();
        }
        closeAllWindows();
        QCOMPARE(visibleTopLevelWindows(), 0);
        QVERIFY(Windows::loaded().isEmpty());
    }

    void controlsFollowTheDesign()
    {
        WorkDir dir;
        PrintMenu *w = openFromMainMenu();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Print Excerises"));

        const QList<QWidget *> &all = controlsOf(w).inCreationOrder();
        QStringList names;
        for (QWidget *c : all) {
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

        QCOMPARE(control<QLabel>(w, "Label4")->text(),
                 QStringLiteral("Please select the level and press the \"NEW\" button to "
                                "generate new execise. "));
        QCOMPARE(control<QLabel>(w, "Label5")->text(),
                 QStringLiteral("Press \"PRINT\" button to print the execise."));
        QCOMPARE(button(w, "CmdNew")->text(), QStringLiteral("NEW"));
        QCOMPARE(button(w, "cmdPrint")->text(), QStringLiteral("PRINT"));
        QCOMPARE(button(w, "Command1")->text(), QStringLiteral("MAIN MENU"));
        auto *levels = control<QComboBox>(w, "Combo1");
        QCOMPARE(levels->count(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(levels->itemText(i), QStringLiteral("Level %1").arg(i + 1));
            QCOMPARE(levels->itemData(i).toInt(), i + 1);
        }

        QCOMPARE(caption(w, "lblno", 7), QStringLiteral("No. 7"));
        QCOMPARE(caption(w, "lblno", 17), QStringLiteral("No.17"));
        QCOMPARE(caption(w, "Label3", 24), QStringLiteral("+"));

        // Cell 6 stands in column 1, row 1: its origin is (1560, 1440) within Frame1.
        auto *first = control<QLabel>(w, "Label1(6)");
        QCOMPARE(first->parentWidget(), control<QGroupBox>(w, "Frame1"));
        QCOMPARE(first->geometry(), ui::twipsRect(2040, 1440, 495, 255));
        QCOMPARE(control<QLabel>(w, "Label2(6)")->geometry(), ui::twipsRect(2040, 1680, 495, 225));
        const auto *rule = control<LineControl>(w, "Line1(6)");
        QCOMPARE(QList<double>({rule->x1(), rule->y1(), rule->x2(), rule->y2()}),
                 QList<double>({1680, 1920, 2640, 1920}));
        // Cell 24: column 3, row 5, origin (4200, 5760).
        const auto *last = control<LineControl>(w, "Line3(24)");
        QCOMPARE(QList<double>({last->x1(), last->y1(), last->x2(), last->y2()}),
                 QList<double>({4440, 6540, 5280, 6540}));
    }

    void openingShowsALevelOneSet()
    {
        WorkDir dir;
        PrintMenu *w = openFromMainMenu();
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(!Windows::find<MainPortal>()->isVisible());
        QVERIFY(control<QGroupBox>(w, "Frame1")->isVisible());
        QVERIFY(button(w, "cmdPrint")->isEnabled());
        QCOMPARE(control<QComboBox>(w, "Combo1")->currentText(), QStringLiteral("Level 1"));
        verifyPreview(w, 0, 10);
    }

    void choosingLevelSixAndNewMakeLevelSixSets()
    {
        WorkDir dir;
        PrintMenu *w = openFromMainMenu();
        QVERIFY(w);
        auto *levels = control<QComboBox>(w, "Combo1");
        QTest::keyClick(levels, Qt::Key_End);
        QCOMPARE(levels->currentText(), QStringLiteral("Level 6"));
        verifyPreview(w, 100, 999);
        const worksheet::Set chosen = previewSet(w);

        QTest::mouseClick(button(w, "CmdNew"), Qt::LeftButton);
        verifyPreview(w, 100, 999);
        const worksheet::Set renewed = previewSet(w);
        int same = 0;
        for (int i = 0; i < worksheet::Questions; ++i) {
            same += chosen[std::size_t(i)].first == renewed[std::size_t(i)].first
                && chosen[std::size_t(i)].second == renewed[std::size_t(i)].second;
        }
        QVERIFY2(same < worksheet::Questions, "NEW kept the same questions");
    }

    // A source that always draws 5 + 5: the first question is drawn once, every other
    // one eleven times, and the set is still made.
    void aRepeatedQuestionIsDrawnElevenTimesAtMost()
    {
        WorkDir dir;
        ScriptedRandom random({0.5});
        PrintMenu *w = openFromMainMenu();
        QVERIFY(w);
        QCOMPARE(random.draws(), 1 + 23 * 11);
        for (int n = 1; n <= worksheet::Questions; ++n) {
            QCOMPARE(caption(w, "Label1", n), QStringLiteral("5"));
            QCOMPARE(caption(w, "Label2", n), QStringLiteral("5"));
        }
        QTest::mouseClick(button(w, "CmdNew"), Qt::LeftButton);
        QCOMPARE(random.draws(), 2 * (1 + 23 * 11));
    }

    void answeringNoPrintsNothing()
    {
        WorkDir dir;
        ScriptedMessages messages;
        RecordingPrinter printer;
        PrintMenu *w = openFromMainMenu();
        QVERIFY(w);
        const worksheet::Set before = previewSet(w);
        messages.answer(QMessageBox::No);
        QTest::mouseClick(button(w, "cmdPrint"), Qt::LeftButton);

        QCOMPARE(messages.shown().size(), 1);
        const ui::MessageRequest &asked = messages.shown().first();
        QCOMPARE(asked.text, QStringLiteral("Do you want to print exercise?"));
        QCOMPARE(asked.icon, QMessageBox::Warning);
        QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(asked.defaultButton, QMessageBox::No);
        QCOMPARE(printer.titles.size(), 0);
        const worksheet::Set after = previewSet(w);
        for (int i = 0; i < worksheet::Questions; ++i) {
            QCOMPARE(after[std::size_t(i)].first, before[std::size_t(i)].first);
            QCOMPARE(after[std::size_t(i)].second, before[std::size_t(i)].second);
        }
    }

    void answeringYesTwicePrintsTwoIdenticalPagesOfThePreview()
    {
        WorkDir dir;
        ScriptedMessages messages;
        RecordingPrinter printer;
        PrintMenu *w = openFromMainMenu();
        QVERIFY(w);
        messages.answer(QMessageBox::Yes);
        messages.answer(QMessageBox::Yes);
        QTest::mouseClick(button(w, "cmdPrint"), Qt::LeftButton);
        QTest::mouseClick(button(w, "cmdPrint"), Qt::LeftButton);

        QCOMPARE(printer.pages.size(), 2);
        QCOMPARE(printer.pages[0].printed(), printer.pages[1].printed());
        QCOMPARE(printer.pages[0].documentsEnded(), 1);
        QVERIFY(!printer.titles[0].isEmpty());

        // The page carries the preview's operands and, in the strip, their sums.
        const RecordingSurface &page = printer.pages[0];
        for (int n = 1; n <= worksheet::Questions; ++n) {
            const QString first = caption(w, "Label1", n);
            const QString second = caption(w, "Label2", n);
            QVERIFY(!page.withText(first).isEmpty());
            QVERIFY(!page.withText(second).isEmpty());
            const QString answer = worksheet::answerText(n, first.toInt() + second.toInt());
            QCOMPARE(page.withText(answer).size(), 1);
        }
        QCOMPARE(messages.shown().size(), 2);
    }

    void withoutAPrinterTheWorksheetIsSavedAsPdf()
    {
        if (!pdfpage::havePdfToText()) {
            QSKIP("pdftotext (poppler-utils) is missing: scripts/install-deps installs it");
        }
        WorkDir dir;
        ScriptedMessages messages;
        RecordingPrinter printer;
        printer.result = {printing::Status::NoPrinter, {}};
        SaveAnswers save(dir.file(QStringLiteral("for grandma")));
        PrintMenu *w = openFromMainMenu();
        QVERIFY(w);
        messages.answer(QMessageBox::Yes);
        messages.answer(QMessageBox::Yes);
        QTest::mouseClick(button(w, "cmdPrint"), Qt::LeftButton);

        QCOMPARE(messages.shown().size(), 2);
        const ui::MessageRequest &offer = messages.shown().at(1);
        QVERIFY2(offer.text.contains(QLatin1String("no printer")), qPrintable(offer.text));
        QVERIFY2(offer.text.contains(QLatin1String("PDF")), qPrintable(offer.text));
        QCOMPARE(offer.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(save.asked, 1);

        // A name without an extension gets ".pdf".
        const QString pdf = dir.file(QStringLiteral("for grandma.pdf"));
        QVERIFY(readFile(pdf).startsWith("%PDF-"));
        QByteArray unused;
        QBuffer buffer(&unused);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        const QStringList problems
            = pdfpage::checkWorksheet(pdfpage::read(pdf), previewSet(w), answerLine(&writer));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 12).join(QLatin1Char('\n'))));
    }

    void declinedOrCancelledPdfWritesNothing_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("offer");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("offer declined") << QMessageBox::No << 0;
        QTest::newRow("save cancelled") << QMessageBox::Yes << 1;
    }
    void declinedOrCancelledPdfWritesNothing()
    {
        QFETCH(QMessageBox::StandardButton, offer);
        QFETCH(int, dialogs);
        WorkDir dir;
        ScriptedMessages messages;
        RecordingPrinter printer;
        printer.result = {printing::Status::Failed,
                          QStringLiteral("The printer \"Office\" did not accept the page.")};
        SaveAnswers save {QString()};
        PrintMenu *w = openFromMainMenu();
        QVERIFY(w);
        messages.answer(QMessageBox::Yes);
        messages.answer(offer);
        QTest::mouseClick(button(w, "cmdPrint"), Qt::LeftButton);

        QCOMPARE(messages.shown().size(), 2);
        QVERIFY(messages.shown().at(1).text.startsWith(
            QLatin1String("The printer \"Office\" did not accept the page.")));
        QCOMPARE(save.asked, dialogs);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"sumroll.ini"});
    }

    void pdfThatCannotBeWrittenIsReported()
    {
        WorkDir dir;
        ScriptedMessages messages;
        RecordingPrinter printer;
        printer.result = {printing::Status::NoPrinter, {}};
        const QString path = dir.file(QStringLiteral("no such folder/sheet.pdf"));
        SaveAnswers save(path);
        PrintMenu *w = openFromMainMenu();
        QVERIFY(w);
        messages.answer(QMessageBox::Yes);
        messages.answer(QMessageBox::Yes);
        QTest::mouseClick(button(w, "cmdPrint"), Qt::LeftButton);

        QCOMPARE(messages.shown().size(), 3);
        QCOMPARE(messages.shown().at(2).icon, QMessageBox::Warning);
        QVERIFY2(messages.shown().at(2).text.contains(path),
                 qPrintable(messages.texts().join('\n')));
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
        WorkDir dir;
        PrintMenu *w = openFromMainMenu();
        QVERIFY(w);
        QTest::keyClick(control<QComboBox>(w, "Combo1"), Qt::Key_End);
        if (byCloseBox) {
            w->close();
        } else {
            QTest::mouseClick(button(w, "Command1"), Qt::LeftButton);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Windows::find<PrintMenu>());
        QVERIFY(Windows::find<MainPortal>()->isVisible());

        PrintMenu *again = openFromMainMenu();
        QVERIFY(again);
        QCOMPARE(control<QComboBox>(again, "Combo1")->currentText(), QStringLiteral("Level 1"));
        verifyPreview(again, 0, 10);
    }

    // PRINT, confirmed, through the real default printer: scripts/run-tests makes it a PDF
    // queue of a private print server, whose PDF is read back.
    void printGoesToTheDefaultPrinter()
    {
        const cupsqueue::PdfQueue queue = cupsqueue::find();
        if (!queue.skipReason.isEmpty()) {
            QSKIP(qPrintable(queue.skipReason));
        }
        if (!pdfpage::havePdfToText()) {
            QSKIP("pdftotext (poppler-utils) is missing: scripts/install-deps installs it");
        }
        QVERIFY2(cupsqueue::waitUntilIdle(), "the print queue was busy before the test");
        WorkDir dir;
        ScriptedMessages messages;
        PrintMenu *w = openFromMainMenu();
        QVERIFY(w);
        QTest::keyClick(control<QComboBox>(w, "Combo1"), Qt::Key_End); // three-digit operands
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        const double line = answerLine(&printer);

        QList<pdfpage::Document> pages;
        for (int copy = 0; copy < 2; ++copy) {
            const QDateTime start = QDateTime::currentDateTime();
            messages.answer(QMessageBox::Yes);
            QTest::mouseClick(button(w, "cmdPrint"), Qt::LeftButton);
            QVERIFY2(cupsqueue::waitUntilIdle(), "the print job did not finish");
            const QStringList files = cupsqueue::writtenSince(queue, start);
            QCOMPARE(files.size(), 1);
            pages.append(pdfpage::read(files[0]));
            QFile::remove(files[0]);
        }
        QCOMPARE(messages.shown().size(), 2); // the two questions, and no problem reported

        const QStringList problems = pdfpage::checkWorksheet(pages[0], previewSet(w), line);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 12).join(QLatin1Char('\n'))));
        QCOMPARE(pages[1].words.size(), pages[0].words.size());
        for (qsizetype i = 0; i < pages[0].words.size(); ++i) {
            QCOMPARE(pages[1].words[i].text, pages[0].words[i].text);
            QCOMPARE(pages[1].words[i].xMin, pages[0].words[i].xMin);
            QCOMPARE(pages[1].words[i].yMax, pages[0].words[i].yMax);
        }
    }
};

QTEST_MAIN(tst_PrintMenu)
#include "tst_printmenu.moc"

#include "reliabilitysupport.h"

#include "exercise/addition.h"
#include "exercise/addmodule.h"
#include "exercise/scoring.h"
#include "menu/mainportal.h"
#include "records/history.h"
#include "records/textlines.h"
#include "support/testsupport.h"
#include "ui/windows.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace reliability;

// Ten thousand sheets checked in a row through the exercise window, all into one history.
class tst_LoadRun : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void tenThousandChecksGiveTenThousandLines();
};

void tst_LoadRun::cleanup()
{
    testsupport::closeAllWindows();
    QCOMPARE(testsupport::visibleTopLevelWindows(), 0);
    QVERIFY(Windows::loaded().isEmpty());
}

void tst_LoadRun::tenThousandChecksGiveTenThousandLines()
{
    testsupport::WorkDir dir;
    testsupport::ScriptedMessages messages;
    testsupport::FixedClock clock(QDateTime(QDate(2026, 12, 6), QTime(9, 0, 0)));
    testsupport::writeFile(QStringLiteral("sumroll.ini"), "ANN\r\n");

    auto *menu = Windows::load<MainPortal>();
    menu->show();
    QTest::keyClick(menu->findChild<QComboBox *>(QStringLiteral("Combo1")), Qt::Key_Down);
    QTest::mouseClick(menu->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    auto *window = Windows::find<Addition>();
    QVERIFY(window);
    auto *newSheet = window->findChild<QPushButton *>(QStringLiteral("CmdNew"));
    auto *check = window->findChild<QPushButton *>(QStringLiteral("cmdcheck"));
    auto *first = window->findChild<QLineEdit *>(QStringLiteral("Text1(1)"));
    auto *time = window->findChild<QLineEdit *>(QStringLiteral("TxtTime"));
    QVERIFY(newSheet && check && first && time);

    // The sanitizer build runs the same path at a tenth of the scale, to keep CI short.
    const int Sheets = underAddressSanitizer() ? 1000 : 10000;
    const int WarmUp = Sheets / 20;
    QList<QByteArray> expected;
    expected.reserve(Sheets);
    long rssAfterWarmUp = 0;
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < Sheets; ++i) {
        if (i > 0) {
            QTest::mouseClick(newSheet, Qt::LeftButton);
        }
        // Every other sheet has its first answer typed in right.
        const bool oneRight = i % 2 == 1;
        if (oneRight) {
            QTest::keyClicks(first, QString::number(AddModule::SumNum[1]));
        }
        clock.advance(7);
        QTest::mouseClick(check, Qt::LeftButton);
        // An empty box is right where the sum is 0.
        int right = 0;
        for (int n = 1; n <= scoring::QuestionCount; ++n) {
            right += (n == 1 && oneRight) || AddModule::SumNum[n] == 0 ? 1 : 0;
        }
        expected.append(history::formatRecord(
            scoring::resultRecord(clock.now(), 1, scoring::scorePercent(right), time->text())));
        // What the event loop does between a person's clicks (repaint, run timers), here
        // once every hundred sheets: a person would not check a sheet a millisecond.
        if (i % 100 == 99) {
            QCoreApplication::processEvents();
        }
        if (i + 1 == WarmUp) {
            rssAfterWarmUp = residentKb();
        }
    }
    const qint64 ms = elapsed.elapsed();
    const long rssAtEnd = residentKb();
    QVERIFY2(messages.shown().isEmpty(), qPrintable(messages.texts().join(u'\n')));

    const QByteArray file = testsupport::readFile(QStringLiteral("ANN.hst"));
    QCOMPARE(file.count("\r\n"), qsizetype(Sheets));
    QVERIFY(file.endsWith("\r\n"));
    const QList<QByteArray> lines = splitLines(file);
    QCOMPARE(lines.size(), qsizetype(Sheets));
    for (int i = 0; i < Sheets; ++i) {
        QVERIFY2(history::parseRecord(lines[i]).has_value(), lines[i].constData());
        QCOMPARE(lines[i], expected[i]);
    }
    QCOMPARE(history::readRecords(QStringLiteral("ANN.hst")).size(), qsizetype(Sheets));

    qInfo("outcome: %d sheets checked in %lld ms; %lld bytes in %lld well-formed lines; "
          "resident memory %ld kB after %d sheets, %ld kB after %d",
          Sheets, ms, qlonglong(file.size()), qlonglong(lines.size()), rssAfterWarmUp, WarmUp,
          rssAtEnd, Sheets);
    // Flat: no growth with the number of sheets. The sanitizer's quarantine of freed memory
    // grows by design, so there only the figures are printed.
    if (!underAddressSanitizer()) {
        QVERIFY2(rssAtEnd - rssAfterWarmUp < 16 * 1024,
                 qPrintable(QStringLiteral("grew by %1 kB").arg(rssAtEnd - rssAfterWarmUp)));
    }
}

QTEST_MAIN(tst_LoadRun)
#include "tst_loadrun.moc"

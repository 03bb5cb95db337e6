// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/base/symbolglyphs.h"
#include "gui/exercise/exercisewindow.h"
#include "gui/menu/mainmenu.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <optional>

using testsupport::readFile;

// The exercise as ANN meets it, opened from the main menu and driven by keys and clicks.
class tst_exercisewindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_ground.emplace();
        m_window = qobject_cast<ExerciseWindow *>(
            testsupport::act(testsupport::openMenu(1), {"Command1"}));
        QVERIFY(m_window && QTest::qWaitForWindowActive(m_window));
    }

    void cleanup()
    {
        QVERIFY(testsupport::closeEveryWindow());
        m_ground.reset();
    }

    // Each answer typed and Enter pressed, as a pupil goes down the sheet: every other one
    // right (with leading zeros, which are no fault), one left blank. The marks and the
    // corrections, the score, the result beside the history and a line per question: its sum,
    // the answer as typed, right or wrong, and how long its box had the focus.
    void enterGoesDownTheSheetChecksAndRecords()
    {
        const QByteArray history = readFile("ANN.hst");
        QByteArray answers;
        for (int n = 1; n <= 16; ++n) {
            QCOMPARE(focused(), box(n));
            const bool right = n % 2 == 0;
            const QString typed = n == 3 ? QString()
                : right                  ? "0" + sum(n)
                                         : QString::number(question(n).sum + 1);
            QTest::keyClicks(box(n), typed);
            m_ground->clock.advance(n); // n seconds at box n
            QTest::keyClick(box(n), Qt::Key_Return);
            answers += "5/13/2026 1:22:16 PM#1#" + QByteArray::number(question(n).first) + '#'
                + QByteArray::number(question(n).second) + '#' + typed.toLatin1()
                + (right ? "#right#" : "#wrong#") + QByteArray::number(n * 1000) + "\r\n";
        }
        QCOMPARE(focused(), button("cmdcheck"));
        m_ground->clock.advance(86400); // the clock shows no whole days
        m_window->tick();
        QTest::keyClick(focused(), Qt::Key_Return);

        for (int n = 1; n <= 16; ++n) {
            const bool right = n % 2 == 0;
            QCOMPARE(mark(n)->text(),
                     QString::fromUtf8(right ? ui::symbolglyphs::Check : ui::symbolglyphs::Cross));
            QCOMPARE(box(n)->isEnabled(), !right);
            QCOMPARE(answer(n)->isVisible(), !right);
            if (!right) {
                QCOMPARE(answer(n)->text(), sum(n)); // the correction
            }
        }
        QCOMPARE(control<QLineEdit>("txtScore")->text(), "50%");
        QCOMPARE(readFile("ANN.hst"), history + "5/13/2026 1:22:16 PM#1#50#00:02:16\r\n");
        QCOMPARE(readFile("ANN.ans"), answers);
        QVERIFY(m_ground->messages.shown().isEmpty());
        // The first wrong answer has the focus, and Enter skips the locked right one.
        QCOMPARE(focused(), box(1));
        QTest::keyClick(box(1), Qt::Key_Return);
        QCOMPARE(focused(), box(3));
    }

    // Review, after the levels: ANN's missed sum first, the rest from her latest level (3);
    // recorded with the level most of its questions come from, each answer as a review's,
    // and HELP ME explains each question as its own level does.
    void reviewIsRecordedAsAReview()
    {
        testsupport::writeFile("ANN.ans", "5/11/2026 9:00:00 AM#1#3#4#8#wrong#2000\r\n");
        auto *levels = control<QComboBox>("Combo1");
        QTest::keyClick(levels, Qt::Key_End);
        QCOMPARE(levels->currentText(), "Review");
        QCOMPARE(question(1), (Question {3, 4, 7}));
        for (int n = 2; n <= 16; ++n) {
            QTest::keyClicks(box(n), sum(n));
        }
        const QByteArray history = readFile("ANN.hst");
        QTest::mouseClick(button("cmdcheck"), Qt::LeftButton);
        QCOMPARE(readFile("ANN.hst"), history + "5/12/2026 1:20:00 PM#3#94#00:00:00\r\n");
        const QList<QByteArray> answers = readFile("ANN.ans").split('\n');
        QVERIFY(answers.at(1).startsWith("5/12/2026 1:20:00 PM#R1#3#4##wrong#"));
        QVERIFY(answers.at(16).contains("#R3#"));
        QCOMPARE(tutorOfHelpMe(), "PictureTutor");
    }

    // From level 4 on, HELP ME explains the first wrong question in columns.
    void helpMeOpensTheColumnTutorFromLevelFour()
    {
        for (int i = 1; i < 4; ++i) {
            QTest::keyClick(control<QComboBox>("Combo1"), Qt::Key_Down);
        }
        QTest::keyClicks(box(1), sum(1));
        QTest::mouseClick(button("cmdcheck"), Qt::LeftButton);
        QCOMPARE(tutorOfHelpMe("lblQno"), "ColumnTutor Question 2");
    }

private:
    // The tutor HELP ME opens, and the text of its label of that name; looked at from inside
    // its own event loop, then closed.
    QString tutorOfHelpMe(const char *label = nullptr)
    {
        QString seen;
        testsupport::inNextModal([&seen, label](QWidget *modal) {
            seen = modal->metaObject()->className();
            if (const auto *shown = label ? modal->findChild<QLabel *>(label) : nullptr) {
                seen += " " + shown->text();
            }
        });
        QTest::mouseClick(button("cmdHelpMe"), Qt::LeftButton);
        return seen;
    }
    template<class T> T *control(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }
    QLineEdit *box(int n) const { return control<QLineEdit>(QStringLiteral("Text1(%1)").arg(n)); }
    QLabel *mark(int n) const { return control<QLabel>(QStringLiteral("lblmark(%1)").arg(n)); }
    QLabel *answer(int n) const { return control<QLabel>(QStringLiteral("lblAnswer(%1)").arg(n)); }
    QPushButton *button(const char *name) const { return control<QPushButton>(name); }
    static QWidget *focused() { return QApplication::focusWidget(); }
    Question question(int n) const { return m_window->sheet().question(n); }
    QString sum(int n) const { return QString::number(question(n).sum); }

    std::optional<testsupport::WindowGround> m_ground;
    ExerciseWindow *m_window = nullptr;
};

QTEST_MAIN(tst_exercisewindow)
#include "tst_exercisewindow.moc"

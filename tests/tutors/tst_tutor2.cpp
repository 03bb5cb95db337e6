#include "exercise/addmodule.h"
#include "support/testsupport.h"
#include "tutors/tutor2.h"
#include "ui/twips.h"
#include "ui/wingdings.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

class TestTutor2 : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_dir = std::make_unique<testsupport::WorkDir>(); }
    void cleanup()
    {
        testsupport::closeAllWindows();
        m_window.reset();
        QCOMPARE(testsupport::visibleTopLevelWindows(), 0);
        m_dir.reset();
    }

    void keyboardWalks47Plus85()
    {
        Tutor2 *w = open(16, 47, 85);
        QVERIFY(w);
        QCOMPARE(text("lblQno"), QStringLiteral("Question 16"));
        QCOMPARE(w->focusWidget(), box(0));
        QVERIFY(box(2)->isVisible() && !box(3)->isVisible() && !box(1)->isEnabled());
        QCOMPARE(text("lblOP1(1)") + text("lblOP1(0)"), QStringLiteral("47"));
        QCOMPARE(text("lblOP2(1)") + text("lblOP2(0)"), QStringLiteral("85"));
        QVERIFY(!shown("lblOP1(2)") && !shown("lblans") && !shown("Labelcarry"));
        QCOMPARE(control<QLabel>("lblarrow")->text(), ui::wingdings::glyph(ui::wingdings::UpArrow));
        QCOMPARE(ui::leftTwips(control<QLabel>("lblarrow")), 4680);
        QTest::keyClick(w->focusWidget(), Qt::Key_Return); // Enter is no press of "Help"
        QCOMPARE(box(0)->text(), QString());

        type("2");
        QCOMPARE(text("lblhint"), QStringLiteral("yes!"));
        QCOMPARE(text("lbldemoc") + "|" + text("lbldemo1") + "|" + text("lbldemo2") + "|"
                     + text("lblans"),
                 QStringLiteral("|7|5|12"));
        QVERIFY(shown("lbldemoplus") && shown("lineans(0)"));
        QCOMPARE(text("lblCarry(1)"), QStringLiteral("1"));
        QVERIFY(shown("lblCarry(1)") && shown("linecarry(0)") && shown("Labelcarry"));
        QVERIFY(!box(0)->isEnabled());
        QCOMPARE(w->focusWidget(), box(1));
        QCOMPARE(ui::leftTwips(control<QLabel>("lblarrow")), 3960);

        type("3");
        QCOMPARE(text("lbldemoc") + "|" + text("lbldemo1") + "|" + text("lbldemo2") + "|"
                     + text("lblans"),
                 QStringLiteral("1|4|8|13"));
        QVERIFY(shown("lineans(1)") && !shown("lineans(0)"));
        QVERIFY(shown("linecarry(1)") && !shown("linecarry(0)"));
        QVERIFY(shown("lblCarry(1)") && shown("lblCarry(2)"));
        QCOMPARE(w->focusWidget(), box(2));
        QCOMPARE(ui::leftTwips(control<QLabel>("lblarrow")), 3240);

        type("1");
        QCOMPARE(text("lbldemoc") + "|" + text("lbldemo1") + "|" + text("lbldemo2") + "|"
                     + text("lblans"),
                 QStringLiteral("1|0|0|1"));
        QVERIFY(!shown("Labelcarry") && !shown("lblCarry(3)") && !shown("lblarrow"));
        QCOMPARE(text("lblhint"), QStringLiteral("Correct!"));
        auto *help = control<QPushButton>("cmdhelp");
        QCOMPARE(help->text(), QStringLiteral("Exit"));
        QVERIFY(!box(2)->isEnabled());
        QCOMPARE(w->focusWidget(), help);

        QTest::keyClick(help, Qt::Key_Space);
        QVERIFY(!w->isVisible());
        QCOMPARE(w->result(), int(QDialog::Accepted));
        QCOMPARE(AddModule::SumNum[16], 132); // the tutor only reads the question
    }

    void wrongDigitThenBackspaceThenRight()
    {
        Tutor2 *w = open(2, 47, 85);
        QVERIFY(w);
        type("4");
        QCOMPARE(text("lblhint"), QStringLiteral("No!"));
        QCOMPARE(box(0)->text(), QStringLiteral("4"));
        QVERIFY(box(0)->isEnabled());
        QCOMPARE(w->focusWidget(), box(0));

        type("2"); // the box holds one character: the wrong one must go first
        QCOMPARE(box(0)->text(), QStringLiteral("4"));

        QTest::keyClick(w->focusWidget(), Qt::Key_Backspace);
        QCOMPARE(box(0)->text(), QString());
        QCOMPARE(text("lblhint"), QStringLiteral("No!"));
        QVERIFY(!shown("lblans"));

        type("2");
        QCOMPARE(text("lblhint"), QStringLiteral("yes!"));
        QVERIFY(shown("lblans"));
        QCOMPARE(w->focusWidget(), box(1));
    }

    void helpBeforeTypingFillsTheUnits()
    {
        Tutor2 *w = open(2, 47, 85);
        QVERIFY(w);
        QTest::mouseClick(control<QPushButton>("cmdhelp"), Qt::LeftButton);
        QCOMPARE(box(0)->text(), QStringLiteral("2"));
        QVERIFY(!box(0)->isEnabled());
        QCOMPARE(text("lblhint"), QStringLiteral("yes!"));
        QCOMPARE(text("lblans"), QStringLiteral("12"));
        QCOMPARE(w->focusWidget(), box(1));

        type("3"); // the pupil carries on by hand
        QCOMPARE(text("lblans"), QStringLiteral("13"));
        QCOMPARE(w->focusWidget(), box(2));
    }

    void mouseWorksEachSumToTheEndAndCloses_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("operands"); // the operands as they stand, over each other

        QTest::newRow("15+7") << 15 << 7 << "15/07";
        QTest::newRow("0+0") << 0 << 0 << "0/0";
        QTest::newRow("999+999") << 999 << 999 << "999/999";
    }

    void mouseWorksEachSumToTheEndAndCloses()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, operands);
        const QString sum = QString::number(first + second);

        Tutor2 *w = open(7, first, second);
        QVERIFY(w);
        QString shownOperands;
        for (const char *row : {"lblOP1", "lblOP2"}) {
            shownOperands += shownOperands.isEmpty() ? "" : "/";
            for (int i = 2; i >= 0; --i) {
                const QString name = ui::arrayElementName(row, i);
                shownOperands += shown(name) ? text(name) : QString();
            }
        }
        QCOMPARE(shownOperands, operands);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(box(i)->isVisible(), i < sum.size());
        }
        auto *help = control<QPushButton>("cmdhelp");
        for (int i = 0; i < sum.size(); ++i) {
            QCOMPARE(help->text(), QStringLiteral("Help"));
            QTest::mouseClick(help, Qt::LeftButton);
        }
        QCOMPARE(help->text(), QStringLiteral("Exit"));
        QCOMPARE(text("lblhint"), QStringLiteral("Correct!"));
        QString shownAnswer;
        for (int i = int(sum.size()) - 1; i >= 0; --i) {
            QVERIFY(box(i)->isVisible());
            QVERIFY(!box(i)->isEnabled());
            shownAnswer += box(i)->text();
        }
        QCOMPARE(shownAnswer, sum);
        QVERIFY(!shown("lblarrow"));

        QTest::mouseClick(help, Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QCOMPARE(w->result(), int(QDialog::Accepted));
    }

private:
    Tutor2 *open(qint16 q, int first, int second)
    {
        AddModule::FirstNum[q] = first;
        AddModule::SecondNum[q] = second;
        AddModule::SumNum[q] = first + second;
        m_window = std::make_unique<Tutor2>();
        m_window->initialize(q);
        m_window->show();
        if (!QTest::qWaitForWindowActive(m_window.get())) {
            return nullptr;
        }
        return m_window.get();
    }

    template<class T> T *control(const QString &name) const
    {
        T *found = m_window->findChild<T *>(name);
        if (!found) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }

    QLineEdit *box(int i) const { return control<QLineEdit>(ui::arrayElementName("TxtAns", i)); }
    QString text(const QString &label) const { return control<QLabel>(label)->text(); }
    bool shown(const QString &name) const { return control<QWidget>(name)->isVisible(); }
    // Types as a person would, into whatever holds the focus.
    void type(const QString &keys) const
    {
        for (QChar c : keys) {
            QTest::keyClick(m_window->focusWidget(), c.toLatin1());
        }
    }

    std::unique_ptr<testsupport::WorkDir> m_dir;
    std::unique_ptr<Tutor2> m_window;
};

QTEST_MAIN(TestTutor2)
#include "tst_tutor2.moc"

#include "exercise/addmodule.h"
#include "support/testsupport.h"
#include "tutors/tutor2.h"
#include "ui/linecontrol.h"
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
    void init();
    void cleanup();

    void labelReadsQuestionAndNumber();
    void keyboardWalks47Plus85();
    void wrongDigitThenBackspaceThenRight();
    void enterDoesNotPressHelp();
    void helpBeforeTypingFillsTheUnits();
    void mouseWorksEachSumToTheEndAndCloses_data();
    void mouseWorksEachSumToTheEndAndCloses();
    void closeBoxLeavesTheQuestionAlone();
    void pointerIsDrawnFromThePictureFont();
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void linesJoinTheDemonstrationToEachColumn();

private:
    Tutor2 *open(qint16 q, int first, int second);
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

Tutor2 *TestTutor2::open(qint16 q, int first, int second)
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

void TestTutor2::init()
{
    m_dir = std::make_unique<testsupport::WorkDir>();
}

void TestTutor2::cleanup()
{
    testsupport::closeAllWindows();
    m_window.reset();
    QCOMPARE(testsupport::visibleTopLevelWindows(), 0);
    m_dir.reset();
}

void TestTutor2::labelReadsQuestionAndNumber()
{
    AddModule::FirstNum[16] = 23;
    AddModule::SecondNum[16] = 9;
    AddModule::SumNum[16] = 32;
    Tutor2 tutor;
    qint16 q = 16;
    tutor.initialize(q);
    QCOMPARE(q, 16);
    QCOMPARE(tutor.findChild<QLabel *>("lblQno")->text(), QStringLiteral("Question 16"));
    QCOMPARE(tutor.windowTitle(), QStringLiteral("Tutor"));
}

void TestTutor2::keyboardWalks47Plus85()
{
    Tutor2 *w = open(3, 47, 85);
    QVERIFY(w);
    QCOMPARE(w->focusWidget(), box(0));
    QVERIFY(box(0)->isVisible() && box(1)->isVisible() && box(2)->isVisible());
    QVERIFY(!box(3)->isVisible());
    QCOMPARE(text("lblOP1(1)") + text("lblOP1(0)"), QStringLiteral("47"));
    QCOMPARE(text("lblOP2(1)") + text("lblOP2(0)"), QStringLiteral("85"));
    QVERIFY(shown("lblOP1(1)") && !shown("lblOP1(2)") && !shown("lblOP2(2)"));
    QVERIFY(!box(1)->isEnabled());
    QVERIFY(!shown("lblans") && !shown("Labelcarry") && !shown("lbldemoplus"));
    QCOMPARE(text("lblhint"), QString());
    QCOMPARE(ui::leftTwips(control<QLabel>("lblarrow")), 4680);

    type("2");
    QCOMPARE(text("lblhint"), QStringLiteral("yes!"));
    QVERIFY(shown("lbldemoplus") && shown("Line2") && shown("lblans"));
    QCOMPARE(text("lbldemoc"), QString());
    QCOMPARE(text("lbldemo1"), QStringLiteral("7"));
    QCOMPARE(text("lbldemo2"), QStringLiteral("5"));
    QCOMPARE(text("lblans"), QStringLiteral("12"));
    QVERIFY(shown("lineans(0)"));
    QVERIFY(shown("lblCarry(1)"));
    QCOMPARE(text("lblCarry(1)"), QStringLiteral("1"));
    QVERIFY(shown("linecarry(0)") && shown("Labelcarry"));
    QVERIFY(!box(0)->isEnabled());
    QCOMPARE(box(0)->text(), QStringLiteral("2"));
    QCOMPARE(w->focusWidget(), box(1));
    QCOMPARE(ui::leftTwips(control<QLabel>("lblarrow")), 3960);

    type("3");
    QCOMPARE(text("lbldemoc"), QStringLiteral("1"));
    QCOMPARE(text("lbldemo1"), QStringLiteral("4"));
    QCOMPARE(text("lbldemo2"), QStringLiteral("8"));
    QCOMPARE(text("lblans"), QStringLiteral("13"));
    QVERIFY(shown("lineans(1)") && !shown("lineans(0)"));
    QVERIFY(shown("linecarry(1)") && !shown("linecarry(0)"));
    QVERIFY(shown("lblCarry(1)") && shown("lblCarry(2)"));
    QCOMPARE(w->focusWidget(), box(2));
    QCOMPARE(ui::leftTwips(control<QLabel>("lblarrow")), 3240);
    QCOMPARE(control<QPushButton>("cmdhelp")->text(), QStringLiteral("Help"));

    type("1");
    QCOMPARE(text("lbldemoc"), QStringLiteral("1"));
    QCOMPARE(text("lbldemo1"), QStringLiteral("0"));
    QCOMPARE(text("lbldemo2"), QStringLiteral("0"));
    QCOMPARE(text("lblans"), QStringLiteral("1"));
    QVERIFY(!shown("Labelcarry") && !shown("lblCarry(3)"));
    QCOMPARE(text("lblhint"), QStringLiteral("Correct!"));
    QVERIFY(!shown("lblarrow"));
    auto *help = control<QPushButton>("cmdhelp");
    QCOMPARE(help->text(), QStringLiteral("Exit"));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!box(i)->isEnabled());
    }
    QCOMPARE(w->focusWidget(), help);

    QTest::keyClick(help, Qt::Key_Space); // the keyboard closes it too
    QVERIFY(!w->isVisible());
    QCOMPARE(w->result(), int(QDialog::Accepted));
}

void TestTutor2::wrongDigitThenBackspaceThenRight()
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

void TestTutor2::enterDoesNotPressHelp()
{
    Tutor2 *w = open(2, 47, 85);
    QVERIFY(w);
    QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    QCOMPARE(box(0)->text(), QString());
    QCOMPARE(text("lblhint"), QString());
    QVERIFY(w->isVisible());
}

void TestTutor2::helpBeforeTypingFillsTheUnits()
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

void TestTutor2::mouseWorksEachSumToTheEndAndCloses_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");

    QTest::newRow("47+85") << 47 << 85;
    QTest::newRow("15+7") << 15 << 7;
    QTest::newRow("0+0") << 0 << 0;
    QTest::newRow("999+999") << 999 << 999;
}

void TestTutor2::mouseWorksEachSumToTheEndAndCloses()
{
    QFETCH(int, first);
    QFETCH(int, second);
    const QString sum = QString::number(first + second);

    Tutor2 *w = open(7, first, second);
    QVERIFY(w);
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

void TestTutor2::closeBoxLeavesTheQuestionAlone()
{
    Tutor2 *w = open(9, 38, 57);
    QVERIFY(w);
    type("5");
    w->close();
    QVERIFY(!w->isVisible());
    QCOMPARE(AddModule::FirstNum[9], 38);
    QCOMPARE(AddModule::SecondNum[9], 57);
    QCOMPARE(AddModule::SumNum[9], 95);
}

void TestTutor2::pointerIsDrawnFromThePictureFont()
{
    QVERIFY(open(1, 5, 6));
    auto *arrow = control<QLabel>("lblarrow");
    QCOMPARE(arrow->text(), ui::wingdings::glyph(ui::wingdings::UpArrow));
    QCOMPARE(QFontInfo(arrow->font()).family(), QStringLiteral("Symbola"));
    QVERIFY(QFontMetrics(arrow->font()).inFontUcs4(arrow->text().toUcs4().at(0)));
}

void TestTutor2::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips"); // left, top, width, height

    QTest::newRow("thousands box") << "TxtAns(3)" << QRect(2520, 4440, 615, 975);
    QTest::newRow("carry into hundreds") << "lblCarry(2)" << QRect(3240, 960, 615, 975);
    QTest::newRow("pointer") << "lblarrow" << QRect(4680, 5640, 615, 735);
    QTest::newRow("help, on the window") << "cmdhelp" << QRect(6240, 6720, 3015, 1095);
}

void TestTutor2::controlsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);

    Tutor2 tutor;
    auto *w = tutor.findChild<QWidget *>(name);
    QVERIFY(w);
    // Twips become whole pixels, so a position is exact to within one pixel.
    QVERIFY(qAbs(ui::leftTwips(w) - twips.x()) < 15);
    QVERIFY(qAbs(ui::topTwips(w) - twips.y()) < 15);
    QVERIFY(qAbs(ui::widthTwips(w) - twips.width()) < 15);
    QVERIFY(qAbs(ui::heightTwips(w) - twips.height()) < 15);
    QCOMPARE(tutor.size(), QSize(ui::twipsToPixels(9810), ui::twipsToPixels(7890)));
}

void TestTutor2::linesJoinTheDemonstrationToEachColumn()
{
    Tutor2 tutor;
    const QPoint answerEnds[] = {{5280, 4560}, {4440, 4440}, {3600, 4440}, {2880, 4440}};
    for (int i = 0; i < 4; ++i) {
        auto *line = tutor.findChild<LineControl *>(ui::arrayElementName("lineans", i));
        QVERIFY(line);
        QCOMPARE(QPointF(line->x1(), line->y1()), QPointF(7800, 3720));
        QCOMPARE(QPointF(line->x2(), line->y2()), QPointF(answerEnds[i]));
    }
    const QPoint carryEnds[] = {{4200, 1560}, {3600, 1680}, {2880, 1680}};
    for (int i = 0; i < 3; ++i) {
        auto *line = tutor.findChild<LineControl *>(ui::arrayElementName("linecarry", i));
        QVERIFY(line);
        QCOMPARE(QPointF(line->x1(), line->y1()), QPointF(7320, 3360));
        QCOMPARE(QPointF(line->x2(), line->y2()), QPointF(carryEnds[i]));
        QCOMPARE(line->colour(), QColor(255, 255, 0));
    }
    QVERIFY(!tutor.findChild<LineControl *>(ui::arrayElementName("linecarry", 3)));
}

QTEST_MAIN(TestTutor2)
#include "tst_tutor2.moc"

#include "exercise/addmodule.h"
#include "support/testsupport.h"
#include "tutors/picturecount.h"
#include "tutors/tutor.h"
#include "ui/controltable.h"
#include "ui/sound.h"
#include "ui/theme.h"
#include "ui/wingdings.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {
const QColor Pink(255, 128, 255);
const QColor Yellow(255, 255, 0);
const QColor Grey(128, 128, 128);
const QColor Olive(128, 128, 0);
const QColor LightYellow(255, 255, 128);
} // namespace

class TestTutor : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void sevenPlusFiveClickByClick();
    void fourPlusZeroFinishesOnTheFirstPress();
    void keyboardCountsToTheEndAndCloses();
    void exitStaysLockedWhileCounting();
    void closeBoxWorksAtAnyMoment();
    void everyPictureIsDrawn_data();
    void everyPictureIsDrawn();
    void eachOpeningDrawsItsPictureAfresh();

private:
    Tutor *open(qint16 q, int first, int second);
    template<class T> T *control(const QString &name) const
    {
        T *found = m_window->findChild<T *>(name);
        if (!found) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }
    QLabel *place(int i) const { return control<QLabel>(ui::arrayElementName("lblplace", i)); }
    QLabel *picture(int i) const { return control<QLabel>(ui::arrayElementName("lblsym2", i)); }
    QString text(const QString &label) const { return control<QLabel>(label)->text(); }
    // The second-row counter as a person sees it: hidden, or its number.
    QString secondRow() const
    {
        auto *counter = control<QLabel>("lblline2");
        return counter->isVisible() ? counter->text() : QString();
    }
    void press() { QTest::mouseClick(control<QPushButton>("cmdplus"), Qt::LeftButton); }

    std::unique_ptr<testsupport::WorkDir> m_dir;
    std::unique_ptr<testsupport::ScriptedRandom> m_random;
    std::unique_ptr<Tutor> m_window;
    int m_beeps = 0;
};

Tutor *TestTutor::open(qint16 q, int first, int second)
{
    AddModule::FirstNum[q] = first;
    AddModule::SecondNum[q] = second;
    AddModule::SumNum[q] = first + second;
    m_window = std::make_unique<Tutor>();
    m_window->initialize(q);
    m_window->show();
    if (!QTest::qWaitForWindowActive(m_window.get())) {
        return nullptr;
    }
    return m_window.get();
}

void TestTutor::init()
{
    m_dir = std::make_unique<testsupport::WorkDir>();
    m_random = std::make_unique<testsupport::ScriptedRandom>(QList<double> {0.0});
    m_beeps = 0;
    ui::setBeepHook([this] { ++m_beeps; });
}

void TestTutor::cleanup()
{
    testsupport::closeAllWindows();
    m_window.reset();
    QCOMPARE(testsupport::visibleTopLevelWindows(), 0);
    ui::setBeepHook({});
    m_random.reset();
    m_dir.reset();
}

void TestTutor::sevenPlusFiveClickByClick()
{
    Tutor *w = open(4, 7, 5);
    QVERIFY(w);
    QCOMPARE(text("lblop1"), QStringLiteral("7"));
    QCOMPARE(text("lblop2"), QStringLiteral("5"));
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(ui::foreColour(place(i)), i < 7 ? Pink : Grey);
    }
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(picture(i)->isVisible(), i < 5);
    }
    QCOMPARE(text("lblline1"), QStringLiteral("7"));
    QCOMPARE(secondRow(), QString());
    QCOMPARE(text("lblanswer"), QStringLiteral("7"));
    QVERIFY(!control<QLabel>("Label1")->isVisible());
    QVERIFY(!control<QPushButton>("cmdexit")->isEnabled());

    const QStringList firstRow {"8", "9", "10", "10", "10"};
    const QStringList secondRowCounts {"", "", "", "1", "2"};
    for (int p = 1; p <= 5; ++p) {
        press();
        QCOMPARE(m_beeps, p);
        const int filled = 7 + p - 1;
        QCOMPARE(ui::foreColour(place(filled)), Yellow);
        QCOMPARE(ui::foreColour(place(filled + 1)), Grey);
        QCOMPARE(ui::foreColour(picture(p - 1)), Grey); // used up from the left
        if (p < 5) {
            QCOMPARE(ui::foreColour(picture(p)), Yellow);
        }
        QCOMPARE(text("lblline1"), firstRow.at(p - 1));
        QCOMPARE(secondRow(), secondRowCounts.at(p - 1));
        QCOMPARE(text("lblanswer"), QString::number(7 + p));
        QCOMPARE(control<QPushButton>("cmdexit")->isEnabled(), p == 5);
        QCOMPARE(control<QLabel>("Label1")->isVisible(), p == 5);
    }
    QCOMPARE(text("Label1"), QStringLiteral("7 + 5 = 12"));
    QCOMPARE(ui::foreColour(control<QLabel>("lblanswer")), LightYellow);
    QVERIFY(!control<QPushButton>("cmdplus")->isEnabled());
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(ui::foreColour(place(i)), Pink);
    }

    QTest::mouseClick(control<QPushButton>("cmdexit"), Qt::LeftButton);
    QVERIFY(!w->isVisible());
    QCOMPARE(m_beeps, 5);
}

void TestTutor::fourPlusZeroFinishesOnTheFirstPress()
{
    QVERIFY(open(2, 4, 0));
    for (int i = 0; i < 10; ++i) {
        QVERIFY(!picture(i)->isVisible());
    }
    press();
    QCOMPARE(m_beeps, 1);
    QCOMPARE(text("Label1"), QStringLiteral("4 + 0 = 4"));
    QVERIFY(control<QLabel>("Label1")->isVisible());
    QVERIFY(control<QPushButton>("cmdexit")->isEnabled());
    QVERIFY(!control<QPushButton>("cmdplus")->isEnabled());
    QCOMPARE(ui::foreColour(place(4)), Grey); // nothing was moved
}

void TestTutor::keyboardCountsToTheEndAndCloses()
{
    Tutor *w = open(6, 2, 3);
    QVERIFY(w);
    auto *plus = control<QPushButton>("cmdplus");
    auto *exit = control<QPushButton>("cmdexit");
    QCOMPARE(w->focusWidget(), plus);
    QTest::keyClick(w, Qt::Key_Return); // Enter is no press of "+"
    QCOMPARE(text("lblanswer"), QStringLiteral("2"));
    QCOMPARE(m_beeps, 0);
    for (int p = 1; p <= 3; ++p) {
        QTest::keyClick(w->focusWidget(), Qt::Key_Space);
    }
    QCOMPARE(m_beeps, 3);
    QCOMPARE(text("Label1"), QStringLiteral("2 + 3 = 5"));
    QCOMPARE(w->focusWidget(), exit);
    QTest::keyClick(w->focusWidget(), Qt::Key_Space);
    QVERIFY(!w->isVisible());
}

void TestTutor::exitStaysLockedWhileCounting()
{
    Tutor *w = open(2, 3, 2);
    QVERIFY(w);
    QTest::mouseClick(control<QPushButton>("cmdexit"), Qt::LeftButton);
    QVERIFY(w->isVisible());
    press();
    QTest::mouseClick(control<QPushButton>("cmdexit"), Qt::LeftButton);
    QVERIFY(w->isVisible());
    press();
    QTest::mouseClick(control<QPushButton>("cmdexit"), Qt::LeftButton);
    QVERIFY(!w->isVisible());
}

void TestTutor::closeBoxWorksAtAnyMoment()
{
    Tutor *w = open(11, 6, 4);
    QVERIFY(w);
    press();
    w->close();
    QVERIFY(!w->isVisible());
    QCOMPARE(AddModule::FirstNum[11], 6); // the tutor only reads the question
    QCOMPARE(AddModule::SecondNum[11], 4);
    QCOMPARE(AddModule::SumNum[11], 10);
}

void TestTutor::everyPictureIsDrawn_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(PictureCount::PictureCodes.size()); ++i) {
        QTest::addRow("picture %d", i) << i;
    }
}

void TestTutor::everyPictureIsDrawn()
{
    QFETCH(int, index);
    m_random.reset(); // the old source steps aside before the new one takes over
    m_random = std::make_unique<testsupport::ScriptedRandom>(QList<double> {(index + 0.5) / 7});
    QVERIFY(open(1, 3, 4));

    const QString glyph = ui::wingdings::glyph(PictureCount::PictureCodes[index]);
    QCOMPARE(glyph.toUcs4().size(), 1);
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(place(i)->text(), glyph);
    }
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(picture(i)->text(), glyph);
    }
    // The face that draws it must hold the character itself, or a box stands in its place.
    const QFont font = place(0)->font();
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("Symbola"));
    QVERIFY(QFontMetrics(font).inFontUcs4(glyph.toUcs4().at(0)));

    // And it leaves ink: a fair number of the place's pixels lean to its pink rather than
    // to the dark purple behind it.
    const QImage image = place(0)->grab().toImage();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            inked += qRed(image.pixel(x, y)) > 160 ? 1 : 0;
        }
    }
    QVERIFY2(inked > 40, qPrintable(QStringLiteral("only %1 pixels drawn").arg(inked)));
}

void TestTutor::eachOpeningDrawsItsPictureAfresh()
{
    m_random.reset();
    m_random = std::make_unique<testsupport::ScriptedRandom>(QList<double> {0.0, 0.99});
    QVERIFY(open(1, 1, 1));
    QCOMPARE(place(0)->text(), ui::wingdings::glyph(ui::wingdings::Scissors));
    QCOMPARE(m_random->draws(), 1);
    testsupport::closeAllWindows();

    QVERIFY(open(1, 1, 1));
    QCOMPARE(place(0)->text(), ui::wingdings::glyph(ui::wingdings::Telephone));
    QCOMPARE(picture(0)->text(), ui::wingdings::glyph(ui::wingdings::Telephone));
    QCOMPARE(m_random->draws(), 2);
}

QTEST_MAIN(TestTutor)
#include "tst_tutor.moc"

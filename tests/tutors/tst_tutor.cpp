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

// The picture tutor as a pupil meets it; which place turns which shade, press by press,
// is proven on PictureCount.
class TestTutor : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<testsupport::WorkDir>();
        m_random = std::make_unique<testsupport::ScriptedRandom>(QList<double> {0.0});
        m_beeps = 0;
        ui::setBeepHook([this] { ++m_beeps; });
    }

    void cleanup()
    {
        testsupport::closeAllWindows();
        m_window.reset();
        QCOMPARE(testsupport::visibleTopLevelWindows(), 0);
        ui::setBeepHook({});
        m_random.reset();
        m_dir.reset();
    }

    void countsSevenPlusFiveAndBeepsEachPress()
    {
        Tutor *w = open(7, 5);
        QVERIFY(w);
        QCOMPARE(text("lblop1"), QStringLiteral("7"));
        QCOMPARE(text("lblop2"), QStringLiteral("5"));
        QCOMPARE(ui::foreColour(place(6)), QColor(255, 128, 255));
        QCOMPARE(ui::foreColour(place(7)), QColor(128, 128, 128));
        QVERIFY(!control<QLabel>("Label1")->isVisible());

        const QStringList firstRow {"7", "8", "9", "10", "10", "10"};
        const QStringList secondRow {"", "", "", "", "1", "2"};
        for (int p = 0; p <= 5; ++p) {
            if (p > 0) {
                QTest::mouseClick(button("cmdexit"), Qt::LeftButton); // locked while counting
                QVERIFY(w->isVisible());
                press();
            }
            QCOMPARE(m_beeps, p);
            QCOMPARE(text("lblline1"), firstRow.at(p));
            auto *counter = control<QLabel>("lblline2");
            QCOMPARE(counter->isVisible() ? counter->text() : QString(), secondRow.at(p));
            QCOMPARE(text("lblanswer"), QString::number(7 + p));
            QCOMPARE(button("cmdexit")->isEnabled(), p == 5);
            QCOMPARE(control<QLabel>("Label1")->isVisible(), p == 5);
        }
        QCOMPARE(ui::foreColour(place(11)), QColor(255, 255, 0));
        QCOMPARE(text("Label1"), QStringLiteral("7 + 5 = 12"));
        QVERIFY(!button("cmdplus")->isEnabled());

        QTest::mouseClick(button("cmdexit"), Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QCOMPARE(m_beeps, 5);
        QCOMPARE(AddModule::SumNum[4], 12); // the tutor only reads the question
    }

    void fourPlusZeroFinishesOnTheFirstPress()
    {
        QVERIFY(open(4, 0));
        press();
        QCOMPARE(m_beeps, 1);
        QCOMPARE(text("Label1"), QStringLiteral("4 + 0 = 4"));
        QVERIFY(control<QLabel>("Label1")->isVisible());
        QVERIFY(button("cmdexit")->isEnabled());
        QVERIFY(!button("cmdplus")->isEnabled());
    }

    void keyboardCountsToTheEndAndCloses()
    {
        Tutor *w = open(2, 3);
        QVERIFY(w);
        QCOMPARE(w->focusWidget(), button("cmdplus"));
        QTest::keyClick(w, Qt::Key_Return); // Enter is no press of "+"
        QCOMPARE(text("lblanswer"), QStringLiteral("2"));
        for (int p = 1; p <= 3; ++p) {
            QTest::keyClick(w->focusWidget(), Qt::Key_Space);
        }
        QCOMPARE(m_beeps, 3);
        QCOMPARE(text("Label1"), QStringLiteral("2 + 3 = 5"));
        QCOMPARE(w->focusWidget(), button("cmdexit"));
        QTest::keyClick(w->focusWidget(), Qt::Key_Space);
        QVERIFY(!w->isVisible());
    }

    void everyPictureIsDrawn_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(PictureCount::PictureCodes.size()); ++i) {
            QTest::addRow("picture %d", i) << i;
        }
    }

    void everyPictureIsDrawn()
    {
        QFETCH(int, index);
        m_random.reset(); // the old source steps aside before the new one takes over
        m_random = std::make_unique<testsupport::ScriptedRandom>(QList<double> {(index + 0.5) / 7});
        QVERIFY(open(3, 4));

        const QString glyph = ui::wingdings::glyph(PictureCount::PictureCodes[index]);
        QCOMPARE(glyph.toUcs4().size(), 1);
        QCOMPARE(place(19)->text(), glyph);
        QCOMPARE(control<QLabel>(ui::arrayElementName("lblsym2", 3))->text(), glyph);
        // The face that draws it must hold the character itself, or a box stands in its place.
        const QFont font = place(0)->font();
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Symbola"));
        QVERIFY(QFontMetrics(font).inFontUcs4(glyph.toUcs4().at(0)));

        // And it leaves ink: a fair number of pixels lean to the place's pink rather than to
        // the dark purple behind it.
        const QImage image = place(0)->grab().toImage();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                inked += qRed(image.pixel(x, y)) > 160 ? 1 : 0;
            }
        }
        QVERIFY2(inked > 40, qPrintable(QStringLiteral("only %1 pixels drawn").arg(inked)));
    }

private:
    Tutor *open(int first, int second)
    {
        qint16 q = 4;
        AddModule::FirstNum[q] = first;
        AddModule::SecondNum[q] = second;
        AddModule::SumNum[q] = first + second;
        m_window = std::make_unique<Tutor>();
        m_window->initialize(q);
        m_window->show();
        return QTest::qWaitForWindowActive(m_window.get()) ? m_window.get() : nullptr;
    }

    template<class T> T *control(const QString &name) const
    {
        T *found = m_window->findChild<T *>(name);
        if (!found) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }

    QLabel *place(int i) const { return control<QLabel>(ui::arrayElementName("lblplace", i)); }
    QString text(const QString &label) const { return control<QLabel>(label)->text(); }
    QPushButton *button(const QString &name) const { return control<QPushButton>(name); }
    void press() { QTest::mouseClick(button("cmdplus"), Qt::LeftButton); }

    std::unique_ptr<testsupport::WorkDir> m_dir;
    std::unique_ptr<testsupport::ScriptedRandom> m_random;
    std::unique_ptr<Tutor> m_window;
    int m_beeps = 0;
};

QTEST_MAIN(TestTutor)
#include "tst_tutor.moc"

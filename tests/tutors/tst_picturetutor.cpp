#include "gui/seams/beep.h"
#include "gui/seams/scopedoverride.h"
#include "gui/tutors/picturetutor.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

// The picture tutor as a pupil meets it, by the keyboard; which place turns which shade,
// press by press, is proven on PictureCount.
class tst_picturetutor : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(testsupport::closeEveryWindow()); }

    void countsTwoPlusThreeAndBeepsEachPress()
    {
        int beeps = 0;
        seams::ScopedOverride counted(seams::beep(), [&beeps] { ++beeps; });
        PictureTutor w(testsupport::sum(2, 3));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const auto text = [&w](const char *name) { return w.findChild<QLabel *>(name)->text(); };
        auto *exit = w.findChild<QPushButton *>("cmdexit");

        QCOMPARE(w.focusWidget(), w.findChild<QPushButton *>("cmdplus"));
        QTest::keyClick(&w, Qt::Key_Return); // Enter is no press of "+"
        for (int press = 1; press <= 3; ++press) {
            QVERIFY(!exit->isEnabled()); // locked while counting
            QTest::keyClick(w.focusWidget(), Qt::Key_Space);
            QCOMPARE(beeps, press);
            QCOMPARE(text("lblanswer"), QString::number(2 + press));
        }
        QCOMPARE(text("Label1"), QStringLiteral("2 + 3 = 5"));
        QCOMPARE(w.focusWidget(), exit);
        QTest::keyClick(exit, Qt::Key_Space);
        QVERIFY(!w.isVisible());
        QCOMPARE(beeps, 3);
    }
};

QTEST_MAIN(tst_picturetutor)
#include "tst_picturetutor.moc"

// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tutors/picturecount.h"
#include "gui/seams/beep.h"
#include "gui/seams/scopedoverride.h"
#include "gui/tutors/picturetutor.h"
#include "support/testsupport.h"
#include <QLabel>
#include <QPushButton>

#include <QtTest>

namespace {

// What the tutor shows: the places, first row then second (p pink, y yellow, g grey); the
// two counters (- while the second is hidden), the total, and the sum once finished.
QString shown(const PictureCount &count)
{
    QString s;
    for (int i = 0; i < PictureCount::Places; ++i) {
        s += QStringLiteral("gpy").at(int(count.placeShade(i))); // in the order of Shade
        s += i == PictureCount::RowLength - 1 ? "|" : "";
    }
    s += QStringLiteral(" %1 + %2 = %3")
             .arg(count.firstRowCount())
             .arg(count.secondRowCountShown() ? QString::number(count.secondRowCount()) : "-")
             .arg(count.total());
    return count.finished() ? s + ", " + count.sumLine() : s;
}

} // namespace

class tst_picturetutor : public QObject
{
    Q_OBJECT
private slots:
    // As opened, at the first press into the second row, and once the sum is finished.
    void pressByPress()
    {
        PictureCount count;
        count.initialize({7, 5, 12});
        QCOMPARE(shown(count), "pppppppggg|gggggggggg 7 + - = 7");
        for (int press = 0; press < 4; ++press) {
            count.press();
        }
        QCOMPARE(shown(count), "pppppppyyy|yggggggggg 10 + 1 = 11");
        count.press();
        QCOMPARE(shown(count), "pppppppyyy|yygggggggg 10 + 2 = 12, 7 + 5 = 12");
    }

    // One draw picks one of the seven pictures, each for a seventh of [0, 1).
    void drawPicture()
    {
        testsupport::ScriptedDraws draws({0.1428, 0.1429, 1.0});
        for (const int picture : {0, 1, 6}) {
            QCOMPARE(PictureCount::drawPicture(draws.source()), picture);
        }
        QCOMPARE(draws.draws(), 3);
    }

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

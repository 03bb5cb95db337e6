#include "gui/tutors/columntutor.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The column tutor as a pupil meets it, by the keyboard; the steps themselves are proven
// on ColumnAddition.
class tst_columntutor : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(testsupport::closeEveryWindow()); }

    void keyboardWalks47Plus85()
    {
        ColumnTutor w(testsupport::sum(47, 85), 16);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const auto text = [&w](const QString &name) { return w.findChild<QLabel *>(name)->text(); };
        QCOMPARE(text("lblQno"), QStringLiteral("Question 16"));
        const auto box
            = [&w](int i) { return w.findChild<QLineEdit *>(QStringLiteral("TxtAns(%1)").arg(i)); };
        const auto type = [&w](char key) { QTest::keyClick(w.focusWidget(), key); };

        type('4');
        QCOMPARE(text("lblhint"), QStringLiteral("No!"));
        type('2'); // the box holds one character: the wrong one must go first
        QTest::keyClick(w.focusWidget(), Qt::Key_Backspace);
        type('2');
        QCOMPARE(text("lblhint"), QStringLiteral("yes!"));
        QCOMPARE(text("lblans"), QStringLiteral("12"));
        QCOMPARE(w.focusWidget(), box(1));
        type('3');
        type('1');
        QCOMPARE(box(2)->text() + box(1)->text() + box(0)->text(), QStringLiteral("132"));
        QCOMPARE(text("lblhint"), QStringLiteral("Correct!"));
        auto *help = w.findChild<QPushButton *>("cmdhelp");
        QCOMPARE(w.focusWidget(), help);
        QTest::keyClick(help, Qt::Key_Space);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(tst_columntutor)
#include "tst_columntutor.moc"

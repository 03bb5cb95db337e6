#include "core/exercise/answertext.h"

#include <QTest>

class TestAnswerText : public QObject
{
    Q_OBJECT
private slots:
    void numericValue()
    {
        QCOMPARE(answertext::numericValue(u" 007 ").value_or(0), 7.0);
        QCOMPARE(answertext::numericValue(u"-4.5").value_or(0), -4.5);
        for (const char *text : {"", "-", "12a", "1 2", "1e3", "1,000", "\u0661\u0662"}) {
            QVERIFY2(!answertext::numericValue(QString::fromUtf8(text)), text);
        }
    }

    void filter_data()
    {
        // What is typed, the box's last number before, what it then shows and remembers.
        QTest::addColumn<QStringList>("typedBeforeShownKept");
        QTest::newRow("letter gives way") << QStringList {"15a", "15", "15", "15"};
        QTest::newRow("empty stays, the number is kept") << QStringList {"", "15", "", "15"};
        QTest::newRow("lone sign in a fresh box") << QStringList {"-", "", "", ""};
    }

    void filter()
    {
        QFETCH(QStringList, typedBeforeShownKept);
        const answertext::Filtered result
            = answertext::filter(typedBeforeShownKept[0], typedBeforeShownKept[1]);
        QCOMPARE(result.text, typedBeforeShownKept[2]);
        QCOMPARE(result.lastGood, typedBeforeShownKept[3]);
    }
};

QTEST_GUILESS_MAIN(TestAnswerText)
#include "tst_answertext.moc"

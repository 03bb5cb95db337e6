#include "exercise/answertext.h"

#include <QTest>

class TestAnswerText : public QObject
{
    Q_OBJECT
private slots:
    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");

        QTest::newRow("whole") << "12" << true << 12.0;
        QTest::newRow("leading zeros") << "007" << true << 7.0;
        QTest::newRow("negative") << "-3" << true << -3.0;
        QTest::newRow("decimal") << "4.5" << true << 4.5;
        QTest::newRow("leading point") << ".5" << true << 0.5;
        QTest::newRow("blanks around") << "  12 " << true << 12.0;

        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blanks only") << "   " << false << 0.0;
        QTest::newRow("lone minus") << "-" << false << 0.0;
        QTest::newRow("lone point") << "." << false << 0.0;
        QTest::newRow("letter after digits") << "12a" << false << 0.0;
        QTest::newRow("blank inside") << "1 2" << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("exponent") << "1e3" << false << 0.0;
        QTest::newRow("thousands separator") << "1,000" << false << 0.0;
        QTest::newRow("other digits") << QStringLiteral("\u0661\u0662") << false << 0.0;
    }

    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(double, value);
        QCOMPARE(answertext::isNumeric(text), numeric);
        const auto read = answertext::numericValue(text);
        QCOMPARE(read.has_value(), numeric);
        if (numeric) {
            QCOMPARE(*read, value);
        }
    }

    void filter_data()
    {
        // What is typed, the box's last number before, what it then shows and remembers.
        QTest::addColumn<QStringList>("typedBeforeShownKept");
        QTest::newRow("number kept") << QStringList {"15", "1", "15", "15"};
        QTest::newRow("letter gives way") << QStringList {"15a", "15", "15", "15"};
        QTest::newRow("empty stays") << QStringList {"", "15", "", "15"};
        QTest::newRow("letter in an emptied box") << QStringList {"x", "15", "15", "15"};
        QTest::newRow("lone sign in a fresh box") << QStringList {"-", "", "", ""};
        QTest::newRow("sign then digit") << QStringList {"-3", "", "-3", "-3"};
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

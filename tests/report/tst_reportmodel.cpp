#include "report/reportline.h"
#include "report/reportmodel.h"
#include "support/testsupport.h"

#include <QDir>
#include <QtTest>

using testsupport::WorkDir;
using testsupport::writeFile;

static QStringList shownLines(const ReportModel &model)
{
    QStringList lines;
    for (int row = 0; row < model.rowCount(); ++row) {
        lines.append(model.data(model.index(row)).toString());
    }
    return lines;
}

class tst_reportmodel : public QObject
{
    Q_OBJECT
private slots:
    void headingAloneWithoutRecords_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("isDirectory");
        QTest::newRow("new student, empty file") << QByteArray() << true << false;
        QTest::newRow("missing file") << QByteArray() << false << false;
        QTest::newRow("unreadable: a folder of that name") << QByteArray() << false << true;
        QTest::newRow("only lines that are not records")
            << QByteArray("\r\n\r\nA#B#C\r\nno separators\r\n") << true << false;
    }

    void headingAloneWithoutRecords()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFETCH(bool, isDirectory);
        WorkDir dir;
        if (exists) {
            writeFile(QStringLiteral("ANN.hst"), content);
        }
        if (isDirectory) {
            QVERIFY(QDir().mkdir(QStringLiteral("ANN.hst")));
        }
        ReportModel model;
        model.load(QStringLiteral("ANN.hst"));
        QCOMPARE(shownLines(model), QStringList {QString::fromLatin1(reportline::heading())});
        QCOMPARE(model.records().size(), 0);
    }

    void shownText()
    {
        WorkDir dir;
        // A hand-edited date in UTF-8 and one in an 8-bit code page are both shown as typed.
        writeFile(QStringLiteral("ANN.hst"),
                  "m\xc3\xa4rz#1#10#00:00:01\r\nm\xe4rz#1#10#00:00:01\r\n");
        ReportModel model;
        model.load(QStringLiteral("ANN.hst"));
        QCOMPARE(model.rowCount(), 3);
        QVERIFY(model.data(model.index(1)).toString().startsWith(QStringLiteral("m\u00e4rz ")));
        QVERIFY(model.data(model.index(2)).toString().startsWith(QStringLiteral("m\u00e4rz ")));
        QCOMPARE(model.data(model.index(1), Qt::EditRole), QVariant());
        QCOMPARE(model.data(model.index(3)), QVariant());
    }
};

QTEST_GUILESS_MAIN(tst_reportmodel)
#include "tst_reportmodel.moc"

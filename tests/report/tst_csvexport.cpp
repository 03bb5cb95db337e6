#include "report/csvexport.h"

#include <QtTest>

// The file as a whole, and a write that fails, are proven through the report window.
class tst_csvexport : public QObject
{
    Q_OBJECT
private slots:
    void separatorAndQuotesAreQuoted()
    {
        QCOMPARE(csvexport::row({"1, 2 \"3\"", "2", "6", "00:04:00#a,b"}),
                 QByteArray("\"1, 2 \"\"3\"\"\",2,6,\"00:04:00#a,b\"\r\n"));
        QCOMPARE(csvexport::row({"12/5/2026 1:23:45 PM", "3", "81", "00:03:27"}),
                 QByteArray("2026-12-05T13:23:45,3,81,00:03:27\r\n"));
    }
};

QTEST_GUILESS_MAIN(tst_csvexport)
#include "tst_csvexport.moc"

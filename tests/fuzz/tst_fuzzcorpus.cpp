#include "properties.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>

#include <functional>

// Every committed fuzz input, seeds and past findings alike, must keep its property.
class tst_FuzzCorpus : public QObject
{
    Q_OBJECT
private slots:
    void inputsKeepTheirProperty_data();
    void inputsKeepTheirProperty();
};

using Property = std::function<bool(QByteArrayView)>;
Q_DECLARE_METATYPE(Property)

void tst_FuzzCorpus::inputsKeepTheirProperty_data()
{
    QTest::addColumn<Property>("property");
    QTest::addColumn<QString>("path");
    const QList<std::pair<QString, Property>> properties = {
        {"roster", fuzzprops::roster},
        {"historyLine", fuzzprops::historyLine},
        {"date", fuzzprops::date},
        {"studentName", fuzzprops::studentName},
        {"answerText", fuzzprops::answerText},
        {"reportLine", fuzzprops::reportLine},
    };
    int count = 0;
    for (const auto &[name, property] : properties) {
        for (const char *kind : {"corpus", "regressions"}) {
            const QString dir = QStringLiteral(SUMTRAIL_FUZZ_DIR "/%1/%2").arg(kind, name);
            QDirIterator it(dir, QDir::Files);
            while (it.hasNext()) {
                const QString path = it.next();
                QTest::addRow("%s/%s", qPrintable(name), qPrintable(it.fileName()))
                    << property << path;
                ++count;
            }
        }
    }
    QVERIFY2(count >= properties.size(), "every property has seed inputs");
}

void tst_FuzzCorpus::inputsKeepTheirProperty()
{
    QFETCH(Property, property);
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(property(file.readAll()));
}

QTEST_GUILESS_MAIN(tst_FuzzCorpus)
#include "tst_fuzzcorpus.moc"

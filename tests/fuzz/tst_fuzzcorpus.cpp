// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "properties.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <functional>

using Property = std::function<bool(QByteArrayView)>;
Q_DECLARE_METATYPE(Property)

// Every committed fuzz input, seeds and past findings alike, must keep its property.
class tst_fuzzcorpus : public QObject
{
    Q_OBJECT
private slots:
    void inputsKeepTheirProperty_data()
    {
        QTest::addColumn<Property>("property");
        QTest::addColumn<QString>("path");
        const QList<std::pair<QString, Property>> properties
            = {{"roster", fuzzprops::roster},           {"historyLine", fuzzprops::historyLine},
               {"answerLine", fuzzprops::answerLine},   {"date", fuzzprops::date},
               {"studentName", fuzzprops::studentName}, {"answerText", fuzzprops::answerText},
               {"reportLine", fuzzprops::reportLine},   {"lineScanner", fuzzprops::lineScanner}};
        for (const auto &[name, property] : properties) {
            QVERIFY2(!QDir(SUMTRAIL_FUZZ_DIR "/corpus/" + name).isEmpty(),
                     "every property has seeds");
            for (const QString &dir :
                 {SUMTRAIL_FUZZ_DIR "/corpus/" + name, SUMTRAIL_FUZZ_DIR "/regressions/" + name}) {
                for (const QString &file : QDir(dir).entryList(QDir::Files)) {
                    QTest::addRow("%s/%s", qPrintable(name), qPrintable(file))
                        << property << dir + '/' + file;
                }
            }
        }
    }
    void inputsKeepTheirProperty()
    {
        QFETCH(Property, property);
        QFETCH(QString, path);
        QVERIFY(QFile::exists(path));
        QVERIFY(property(testsupport::readFile(path)));
    }
};

QTEST_GUILESS_MAIN(tst_fuzzcorpus)
#include "tst_fuzzcorpus.moc"

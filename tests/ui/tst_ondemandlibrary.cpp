#include "gui/base/ondemandlibrary.h"
#include "support/testsupport.h"

#include <QtTest>

#include <dlfcn.h>

namespace {
bool isMapped(const char *soname)
{
    void *handle = dlopen(soname, RTLD_NOW | RTLD_NOLOAD);
    if (handle) {
        dlclose(handle);
    }
    return handle != nullptr;
}
} // namespace

class tst_ondemandlibrary : public QObject
{
    Q_OBJECT
private slots:
    void loadsItsQtLibraryOnlyWhenFirstAskedFor_data()
    {
        QTest::addColumn<QByteArray>("library");
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QByteArray>("qtLibrary");
        QTest::newRow("chart") << QByteArray("sumtrail_chart")
                               << QByteArray("sumtrailShowProgressChart")
                               << QByteArray("libQt6Charts.so.6");
        QTest::newRow("print") << QByteArray("sumtrail_print")
                               << QByteArray("sumtrailOpenPrintMenu")
                               << QByteArray("libQt6PrintSupport.so.6");
    }
    void loadsItsQtLibraryOnlyWhenFirstAskedFor()
    {
        QFETCH(QByteArray, library);
        QFETCH(QByteArray, entry);
        QFETCH(QByteArray, qtLibrary);
        testsupport::ScriptedMessages messages;
        QVERIFY(!isMapped(qtLibrary.constData()));
        QVERIFY(ui::onDemandEntry(nullptr, library.constData(), entry.constData()));
        QVERIFY(isMapped(qtLibrary.constData()));
        // Asked again, the same entry comes from the library already loaded.
        QVERIFY(ui::onDemandEntry(nullptr, library.constData(), entry.constData())
                == ui::onDemandEntry(nullptr, library.constData(), entry.constData()));
        QVERIFY(messages.shown().isEmpty());
    }

    void aMissingLibraryOrEntryIsToldAndGivesNothing()
    {
        testsupport::ScriptedMessages messages;
        QVERIFY(!ui::onDemandEntry(nullptr, "sumtrail_nothing", "anything"));
        QVERIFY(!ui::onDemandEntry(nullptr, "sumtrail_chart", "noSuchEntry"));
        QCOMPARE(messages.shown().size(), 2);
        QVERIFY(messages.texts().at(0).contains(QLatin1String("libsumtrail_nothing.so")));
        QVERIFY(messages.texts().at(1).contains(QLatin1String("noSuchEntry")));
        QCOMPARE(messages.shown().at(0).icon, QMessageBox::Warning);
    }
};

QTEST_MAIN(tst_ondemandlibrary)
#include "tst_ondemandlibrary.moc"

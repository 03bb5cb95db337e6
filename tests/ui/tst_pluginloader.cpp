// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/plugins/pluginloader.h"
#include "gui/plugins/printwindowinterface.h"
#include "gui/plugins/progresschartinterface.h"
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

// A library that is not there.
class MissingLibraryInterface
{
public:
    static constexpr char Library[] = "sumtrail_nothing";
    virtual ~MissingLibraryInterface() = default;
};
} // namespace

Q_DECLARE_INTERFACE(MissingLibraryInterface, "org.example.sumtrail.MissingLibraryInterface/1.0")

// The plug-ins as the program loads them: this test links neither, as the program does not.
class tst_pluginloader : public QObject
{
    Q_OBJECT
private slots:
    // Asked again, the same plug-in comes from the library already loaded.
    void loadsItsQtLibraryOnlyWhenFirstAskedFor()
    {
        testsupport::ScriptedMessages messages;
        QVERIFY(!isMapped("libQt6Charts.so.6"));
        QVERIFY(!isMapped("libQt6PrintSupport.so.6"));
        ProgressChartInterface *chart = plugins::load<ProgressChartInterface>(nullptr);
        QVERIFY(chart && isMapped("libQt6Charts.so.6"));
        QVERIFY(!isMapped("libQt6PrintSupport.so.6"));
        PrintWindowInterface *print = plugins::load<PrintWindowInterface>(nullptr);
        QVERIFY(print && isMapped("libQt6PrintSupport.so.6"));
        QCOMPARE(plugins::load<ProgressChartInterface>(nullptr), chart);
        QCOMPARE(plugins::load<PrintWindowInterface>(nullptr), print);
        QVERIFY(messages.shown().isEmpty());
    }

    void aMissingLibraryIsToldAndGivesNothing()
    {
        testsupport::ScriptedMessages messages;
        QVERIFY(!plugins::load<MissingLibraryInterface>(nullptr));
        QCOMPARE(messages.shown().size(), 1);
        // Named by its full path, as where it was looked for.
        const QString folder
            = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" SUMTRAIL_PLUGIN_FOLDER);
        QCOMPARE(messages.texts().at(0),
                 "A part of sumtrail could not be loaded: " + folder
                     + "/libsumtrail_nothing.so: cannot open shared object file: No such file "
                       "or directory");
    }
};

QTEST_MAIN(tst_pluginloader)
#include "tst_pluginloader.moc"

// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/base/msgbox.h"
#include "support/testsupport.h"

#include <QTest>

#include <optional>

using namespace testsupport;

// The real message box, as a person meets it: its title, its text exactly as written, its
// buttons and the answer it gives back, for each kind of message the program shows.
class tst_msgbox : public QObject
{
    Q_OBJECT
    std::optional<WorkDir> m_dir;
private slots:
    void init() { m_dir.emplace(); }
    void cleanup() { QVERIFY(closeEveryWindow()); }

    void textIsShownAsWritten_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QMessageBox::StandardButton>("press");
        QTest::addColumn<bool>("yes"); // what a question gives back
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QMessageBox::StandardButtons>("buttons");
        QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
        const QMessageBox::StandardButtons yesNo = QMessageBox::Yes | QMessageBox::No;
        const QMessageBox::StandardButtons ok = QMessageBox::Ok;
        const QString deleteBold = "Do you want to delete user <b>ANN</b>?";
        QTest::newRow("question naming a student in bold markup, answered Yes")
            << "ask" << deleteBold << QMessageBox::Yes << true << QMessageBox::Warning << yesNo
            << QMessageBox::No;
        QTest::newRow("question naming a student in bold markup, answered No")
            << "ask" << deleteBold << QMessageBox::No << false << QMessageBox::Warning << yesNo
            << QMessageBox::No;
        QTest::newRow("warning naming a file that holds an image tag")
            << "warn"
            << "The file \"<img src=\"/any/file.png\">.hst\" could not be written: "
               "Permission denied.\nNothing was changed."
            << QMessageBox::Ok << false << QMessageBox::Warning << ok << QMessageBox::Ok;
        QTest::newRow("information with an entity and a link")
            << "inform"
            << "A &amp; <a href=\"x\">B</a> already exist!" << QMessageBox::Ok << false
            << QMessageBox::Information << ok << QMessageBox::Ok;
    }
    void textIsShownAsWritten()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QMessageBox::StandardButton, press);
        SeenMessage seen;
        readNextMessageBox(seen, press);
        bool yes = false;
        if (kind == "ask") {
            yes = ui::askYesNo(nullptr, text);
        } else if (kind == "warn") {
            ui::warn(nullptr, text);
        } else {
            ui::inform(nullptr, text);
        }
        QCOMPARE(seen.title, "sumtrail");
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.shownAs, Qt::PlainText);
        QTEST(seen.icon, "icon");
        QTEST(seen.buttons, "buttons");
        QTEST(seen.defaultButton, "defaultButton");
        QTEST(yes, "yes");
    }
};

QTEST_MAIN(tst_msgbox)
#include "tst_msgbox.moc"

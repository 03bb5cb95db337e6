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

    void textIsShownAsWritten()
    {
        SeenMessage seen;
        const auto verifyShown
            = [&seen](const QString &text, QMessageBox::Icon icon,
                      QMessageBox::StandardButtons buttons, QMessageBox::StandardButton byDefault) {
                  QCOMPARE(seen.title, "sumtrail");
                  QCOMPARE(seen.text, text);
                  QCOMPARE(seen.shownAs, Qt::PlainText);
                  QCOMPARE(seen.icon, icon);
                  QCOMPARE(seen.buttons, buttons);
                  QCOMPARE(seen.defaultButton, byDefault);
              };
        // A question naming a student in bold markup; a warning with a picture's markup.
        const QString question = "Do you want to delete user <b>ANN</b>?";
        readNextMessageBox(seen, QMessageBox::Yes);
        QVERIFY(ui::askYesNo(nullptr, question));
        verifyShown(question, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::No);
        const QString warning
            = "The file \"<img src=\"/any/file.png\">.hst\" could not be written.";
        readNextMessageBox(seen, QMessageBox::Ok);
        ui::warn(nullptr, warning);
        verifyShown(warning, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok);
    }
};

QTEST_MAIN(tst_msgbox)
#include "tst_msgbox.moc"

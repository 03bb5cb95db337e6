// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "newstudentdialog.h"

#include "core/records/answerlog.h"
#include "core/records/history.h"
#include "core/records/roster.h"
#include "core/records/session.h"
#include "core/records/studentlist.h"
#include "core/records/studentname.h"
#include "gui/base/msgbox.h"
#include "gui/base/placement.h"
#include "gui/base/twips.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
using namespace ui;
using K = ControlKind;

// clang-format off
const ControlSpec Design[] = {
    {.name = "txtStudent", .kind = K::TextBox, .left = 240, .top = 1200, .width = 6255,
     .height = 615, .font = sansSerif(13.5, true), .fore = colours::LightPink,
     .back = colours::DarkPurple, .tabIndex = 1,
     .accessibleName = QT_TRANSLATE_NOOP("NewStudentDialog", "Student Name"),
     .accessibleDescription = QT_TRANSLATE_NOOP("NewStudentDialog", "Type the name of the new student")},
    {.name = "CancelButton", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("NewStudentDialog", "Cancel"),
     .left = 240, .top = 1920, .width = 3135, .height = 735, .tabIndex = 2,
     .accessibleDescription = QT_TRANSLATE_NOOP("NewStudentDialog", "Close without adding a student")},
    {.name = "OKButton", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("NewStudentDialog", "OK"),
     .left = 3360, .top = 1920, .width = 3135, .height = 735, .tabIndex = 0,
     .accessibleDescription = QT_TRANSLATE_NOOP("NewStudentDialog", "Add the student to the list")},
    {.name = "Label2", .kind = K::Label,
     .caption = QT_TRANSLATE_NOOP("NewStudentDialog", "Please enter your name"), .left = 240, .top = 120,
     .width = 6255, .height = 495, .font = sansSerif(12)},
    {.name = "Label1", .kind = K::Label, .caption = QT_TRANSLATE_NOOP("NewStudentDialog", "Student Name"),
     .left = 240, .top = 720, .width = 2175, .height = 375, .font = sansSerif(13.5, true)},
};
// clang-format on
} // namespace

NewStudentDialog::NewStudentDialog(Session &session, QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_session(session)
    , m_controls(this)
{
    setWindowTitle(tr("Student Name"));
    setFixedSize(ui::twipsToPixels(6975), ui::twipsToPixels(2865));
    m_controls.createAll(Design);
    m_controls.applyTabOrder();
    ui::fitDesignToScreen(this, m_controls);
    m_name = m_controls.get<QLineEdit>("txtStudent");
    m_cancel = m_controls.get<QPushButton>("CancelButton");
    m_ok = m_controls.get<QPushButton>("OKButton");

    m_ok->setDefault(true);
    m_ok->setFocus();

    // Esc and the window frame reject the dialog, which is what Cancel does.
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ok, &QPushButton::clicked, this, &NewStudentDialog::addStudent);
    connect(m_name, &QLineEdit::textChanged, this, &NewStudentDialog::keepNameAcceptable);
}

void NewStudentDialog::keepNameAcceptable()
{
    // The handler's own changes of the text come back here; they change nothing more.
    if (m_inChange) {
        return;
    }
    m_inChange = true;
    const int caret = m_name->cursorPosition();
    const QString typed = m_name->text();
    const QString kept = studentname::isAcceptable(typed) ? typed.toUpper() : m_lastGoodName;
    if (kept != typed) {
        m_name->setText(kept);
    }
    m_name->setCursorPosition(qMin(caret, int(kept.size())));
    m_lastGoodName = kept;
    m_inChange = false;
}

void NewStudentDialog::addStudent()
{
    const QString name = studentname::trimmed(m_name->text());
    m_name->setText(name);
    if (name.isEmpty()) {
        return;
    }
    const QByteArray bytes = name.toLatin1();
    if (m_session.students().contains(bytes)) {
        ui::inform(this, tr("Student Already exist!"));
        return;
    }
    // Against the roster as it is on disk now: another program may have added the name.
    const roster::ChangeResult added = roster::addName(bytes);
    if (added.outcome == roster::ChangeResult::Failed) {
        ui::warn(this, added.message);
        return;
    }
    m_session.students().setNames(added.names);
    if (added.outcome == roster::ChangeResult::AlreadyListed) {
        ui::inform(this, tr("Student Already exist!"));
        return;
    }
    const FileResult created = history::create(bytes);
    if (!created.ok) {
        // Without its history file the student is not added: the roster goes back too.
        const roster::ChangeResult undone = roster::removeName(bytes);
        if (undone.outcome == roster::ChangeResult::Failed) {
            // Neither message's "nothing was changed" is true any more: say what is on disk,
            // with each problem alone.
            ui::warn(this,
                     tr("The file \"%1\" could not be written: %2.\nThe student list "
                        "could not be changed back either, so it lists %3 without a "
                        "history file: %4")
                         .arg(created.fileName, created.reason, StudentList::displayName(bytes),
                              undone.problem));
            return;
        }
        m_session.students().setNames(undone.names);
        ui::warn(this, created.message);
        return;
    }
    // An earlier student's answers are kept aside as the history is; the first checked sheet
    // starts the new student's.
    if (const FileResult answers = answerlog::startAnew(bytes); !answers.ok) {
        ui::warn(this, answers.message);
    }
    accept();
}

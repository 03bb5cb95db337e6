// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainmenu.h"

#include "core/records/roster.h"
#include "core/records/session.h"
#include "gui/base/msgbox.h"
#include "gui/exercise/exercisewindow.h"
#include "gui/plugins/pluginloader.h"
#include "gui/plugins/printwindowinterface.h"
#include "gui/report/reportwindow.h"
#include "newstudentdialog.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
using namespace ui;
using K = ControlKind;

// clang-format off
const ControlSpec Design[] = {
    {.name = "Command5", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("MainMenu", "Exit"),
     .left = 7920, .top = 6960, .width = 3855, .height = 1215, .font = arial(18), .tabIndex = 10,
     .accessibleDescription = QT_TRANSLATE_NOOP("MainMenu", "Close sumtrail")},
    {.name = "Command2", .kind = K::Button,
     .caption = QT_TRANSLATE_NOOP("MainMenu", "Print Out Exercise"), .left = 6000, .top = 3960,
     .width = 5775, .height = 2655, .font = arial(18), .tabIndex = 9, .enabled = false,
     .accessibleDescription =
         QT_TRANSLATE_NOOP("MainMenu", "Print a worksheet of addition questions")},
    {.name = "Command1", .kind = K::Button,
     .caption = QT_TRANSLATE_NOOP("MainMenu", "Start Exercise"), .left = 240, .top = 3960,
     .width = 5775, .height = 2655, .font = arial(18), .tabIndex = 8, .enabled = false,
     .accessibleDescription =
         QT_TRANSLATE_NOOP("MainMenu", "Answer sixteen addition questions against the clock")},
    {.name = "Command4", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("MainMenu", "Reports"),
     .left = 240, .top = 6960, .width = 3735, .height = 1215, .font = arial(18), .tabIndex = 7,
     .enabled = false,
     .accessibleDescription =
         QT_TRANSLATE_NOOP("MainMenu", "List the chosen student's past results")},
    {.name = "BtnDelStudent", .kind = K::Button,
     .caption = QT_TRANSLATE_NOOP("MainMenu", "Delete Student"), .left = 9480, .top = 2640,
     .width = 2055, .height = 735, .font = arial(12), .tabIndex = 3,
     .accessibleDescription =
         QT_TRANSLATE_NOOP("MainMenu", "Remove the chosen student from the list")},
    {.name = "btnAddStduent", .kind = K::Button,
     .caption = QT_TRANSLATE_NOOP("MainMenu", "New Student"), .left = 7440, .top = 2640,
     .width = 2055, .height = 735, .font = arial(12), .tabIndex = 2,
     .accessibleDescription = QT_TRANSLATE_NOOP("MainMenu", "Add a new student to the list")},
    {.name = "Combo1", .kind = K::ComboBox, .left = 2760, .top = 2640, .width = 4575, .height = 675,
     .font = arial(24, true), .fore = colours::LightPink, .back = colours::DarkPurple,
     .tabIndex = 1, .accessibleName = QT_TRANSLATE_NOOP("MainMenu", "Student"),
     .accessibleDescription = QT_TRANSLATE_NOOP("MainMenu", "Choose who is working")},
    {.name = "Frame1", .kind = K::Frame, .left = 240, .top = 120, .width = 11535, .height = 3615,
     .accessibleName = QT_TRANSLATE_NOOP("MainMenu", "Student")},
    {.name = "lblWelcome", .kind = K::Label, .caption = QT_TRANSLATE_NOOP("MainMenu", "Welcome"),
     .left = 120, .top = 240, .width = 11295, .height = 1935, .font = arial(18),
     .fore = colours::LightPink, .back = colours::DarkPurple, .container = "Frame1", .tabIndex = 6,
     .align = Align::Centre, .accessibleName = QT_TRANSLATE_NOOP("MainMenu", "Greeting")},
    {.name = "Label1", .kind = K::Label, .caption = QT_TRANSLATE_NOOP("MainMenu", "Student"),
     .left = 360, .top = 2520, .width = 1815, .height = 615, .font = arial(24, true),
     .container = "Frame1", .tabIndex = 5},
};
// clang-format on

const char *const PromptEmpty = QT_TRANSLATE_NOOP("MainMenu", "Press \"NEW STUDENT\" to begin");
} // namespace

MainMenu::MainMenu(Session &session)
    : m_session(session)
{
    setWindowTitle(tr("Main Menu"));
    setClientSizeTwips(12000, 8610);
    controls().createAll(Design);
    controls().applyTabOrder();
    m_exit = controls().get<QPushButton>("Command5");
    m_printExercise = controls().get<QPushButton>("Command2");
    m_startExercise = controls().get<QPushButton>("Command1");
    m_reports = controls().get<QPushButton>("Command4");
    m_deleteStudent = controls().get<QPushButton>("BtnDelStudent");
    m_addStudent = controls().get<QPushButton>("btnAddStduent");
    m_studentCombo = controls().get<QComboBox>("Combo1");
    m_studentFrame = controls().get<QGroupBox>("Frame1");
    m_welcome = controls().get<QLabel>("lblWelcome");
    m_studentCaption = controls().get<QLabel>("Label1");

    // The combo and the buttons beside it lie over the frame without being inside it.
    m_studentCombo->raise();
    m_addStudent->raise();
    m_deleteStudent->raise();
    m_studentCombo->setModel(&m_session.students());
    // The caption beside the list names it for a screen reader.
    m_studentCaption->setBuddy(m_studentCombo);

    // The session's current student is whatever the list shows picked, also right after the
    // list's rows are replaced (the combo's own handling of that runs first).
    connect(m_studentCombo, &QComboBox::currentIndexChanged, this, &MainMenu::noteCurrentStudent);
    connect(&m_session.students(), &StudentList::modelReset, this, &MainMenu::noteCurrentStudent);

    connect(m_studentCombo, &QComboBox::activated, this, &MainMenu::pickStudent);
    connect(m_addStudent, &QPushButton::clicked, this, &MainMenu::addStudent);
    connect(m_deleteStudent, &QPushButton::clicked, this, &MainMenu::deleteStudent);
    connect(m_startExercise, &QPushButton::clicked, this, &MainMenu::startExercise);
    connect(m_printExercise, &QPushButton::clicked, this, &MainMenu::openPrintWindow);
    connect(m_reports, &QPushButton::clicked, this, &MainMenu::openReport);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);

    m_layout.recordDesign(this, controls());
    loadRoster();
    // Other programs sharing the folder change the roster too: their changes show here
    // when the menu comes back, when the list is opened, and every few seconds.
    m_rosterCheck.setInterval(RosterCheckMs);
    connect(&m_rosterCheck, &QTimer::timeout, this, &MainMenu::rereadRosterIfChanged);
    m_rosterCheck.start();
    m_studentCombo->installEventFilter(this);
}

MainMenu::~MainMenu()
{
    // Destroyed without being closed first, the menu still takes its windows with it: they
    // use the session, which may end with the menu.
    delete m_exercise.data();
    delete m_report.data();
    delete m_print.data();
}

void MainMenu::loadRoster()
{
    m_rosterStamp = roster::stamp();
    const QString problem = roster::loadInto(m_session.students());
    m_studentCombo->setCurrentIndex(-1);
    m_welcome->setText(m_session.students().size() == 0
                           ? tr(PromptEmpty)
                           : tr("Please select student to begin or press \"New Student\""));
    if (!problem.isEmpty()) {
        m_rosterProblem = problem;
        // Shown once the menu is up, so that the message has a window to stand over; as it
        // was read, whatever a later read finds meanwhile.
        QTimer::singleShot(0, this, [this, problem] { ui::warn(this, problem); });
    }
}

void MainMenu::rereadRosterIfChanged()
{
    // Not while another window is in front: the menu reads again when it is shown.
    if (!isVisible()) {
        return;
    }
    const QByteArray stamp = roster::stamp();
    if (stamp == m_rosterStamp) {
        return;
    }
    const roster::ReadResult read = roster::read();
    if (!read.whole) {
        // Told once per problem, not every few seconds; the list stays as it was.
        const QString problem = roster::problemToTell(read);
        if (problem != m_rosterProblem) {
            m_rosterProblem = problem;
            ui::warn(this, problem);
        }
        return;
    }
    m_rosterStamp = stamp;
    m_rosterProblem.clear();
    showRoster(read.names);
}

void MainMenu::showRoster(const QList<QByteArray> &names)
{
    const std::optional<QByteArray> picked = m_session.currentStudent();
    if (names == m_session.students().names()) {
        return;
    }
    const bool wasEmpty = m_session.students().size() == 0;
    m_session.students().setNames(names);
    keepPick(picked);
    // With no one picked the greeting is a prompt, which depends on whether anyone is listed.
    if (!picked && wasEmpty != (m_session.students().size() == 0)) {
        m_welcome->setText(m_session.students().size() == 0
                               ? tr(PromptEmpty)
                               : tr("Please select student to begin or press \"New Student\""));
    }
}

void MainMenu::keepPick(const std::optional<QByteArray> &picked)
{
    const int row = picked ? int(m_session.students().names().indexOf(*picked)) : -1;
    m_studentCombo->setCurrentIndex(row);
    if (picked && row < 0) {
        // Deleted by another program meanwhile.
        setWindowButtonsEnabled(false);
        m_welcome->setText(m_session.students().size() == 0
                               ? tr(PromptEmpty)
                               : tr("Please Select student to begin or press \"New Student\""));
    }
}

bool MainMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_studentCombo
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)) {
        rereadRosterIfChanged();
    }
    return Form::eventFilter(watched, event);
}

void MainMenu::showEvent(QShowEvent *event)
{
    rereadRosterIfChanged();
    Form::showEvent(event);
}

void MainMenu::noteCurrentStudent()
{
    const int row = m_studentCombo->currentIndex();
    m_session.setCurrentStudent(row < 0 ? std::nullopt
                                        : std::optional(m_session.students().nameAt(row)));
}

void MainMenu::setWindowButtonsEnabled(bool enabled)
{
    m_startExercise->setEnabled(enabled);
    m_printExercise->setEnabled(enabled);
    m_reports->setEnabled(enabled);
}

void MainMenu::pickStudent()
{
    m_welcome->setText(tr("Welcome ") + m_studentCombo->currentText());
    if (m_studentCombo->currentIndex() >= 0) {
        setWindowButtonsEnabled(true);
    }
}

void MainMenu::addStudent()
{
    const std::optional<QByteArray> picked = m_session.currentStudent();
    NewStudentDialog dialog(m_session, this);
    dialog.exec();
    m_rosterStamp = roster::stamp();
    // The list picks its first entry by itself when it stops being empty; no pick is kept.
    keepPick(picked);
}

void MainMenu::deleteStudent()
{
    const int row = m_studentCombo->currentIndex();
    if (row < 0) {
        return;
    }
    if (!ui::askYesNo(this,
                      tr("Do you want to delete user %1?").arg(m_studentCombo->currentText()))) {
        return;
    }
    const roster::ChangeResult removed = roster::removeName(m_session.students().nameAt(row));
    if (removed.outcome == roster::ChangeResult::Failed) {
        // The roster on disk still lists the student, so the list does too.
        ui::warn(this, removed.message);
        return;
    }
    m_rosterStamp = roster::stamp();
    m_session.students().setNames(removed.names);
    m_studentCombo->setCurrentIndex(-1);
    m_welcome->setText(m_session.students().size() == 0
                           ? tr(PromptEmpty)
                           : tr("Please Select student to begin or press \"New Student\""));
    setWindowButtonsEnabled(false);
}

void MainMenu::startExercise()
{
    hide();
    if (!m_exercise) {
        m_exercise = new ExerciseWindow(m_session);
        connect(m_exercise, &Form::closed, this, [this] {
            m_exercise = nullptr;
            show();
        });
    }
    m_exercise->show();
    m_exercise->activateWindow();
}

void MainMenu::openPrintWindow()
{
    // An open print window comes back as it is; the first one comes from its plug-in.
    PrintWindowInterface *plugin = m_print ? nullptr : plugins::load<PrintWindowInterface>(this);
    if (!m_print && !plugin) {
        return;
    }
    hide();
    if (!m_print) {
        m_print = plugin->createPrintWindow(m_session);
        connect(m_print, &Form::closed, this, [this] {
            m_print = nullptr;
            show();
        });
    }
    m_print->show();
}

void MainMenu::openReport()
{
    // An open report keeps the student it was opened for: it only comes forward.
    const bool opening = !m_report;
    if (opening) {
        m_report = new ReportWindow(m_session);
        connect(m_report, &Form::closed, this, [this] { m_report = nullptr; });
        m_report->openBeside(this);
    }
    m_report->show();
    m_report->raise();
    m_report->activateWindow();
}

void MainMenu::scaleControls()
{
    m_layout.rescale(this, controls());
}

void MainMenu::aboutToClose()
{
    // The menu ends the program: its windows close with it, without bringing it back.
    for (Form *window : {m_exercise.data(), m_report.data(), m_print.data()}) {
        if (window) {
            window->disconnect(this);
            window->hide();
            window->close();
        }
    }
}

#include "mainmenu.h"

#include "core/records/roster.h"
#include "gui/base/msgbox.h"
#include "gui/base/placement.h"
#include "gui/base/windows.h"
#include "gui/exercise/exercisewindow.h"
#include "gui/plugins/pluginloader.h"
#include "gui/plugins/printmenuinterface.h"
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

MainMenu::MainMenu()
{
    setWindowTitle(tr("Main Menu"));
    setClientSizeTwips(12000, 8610);
    controls().createAll(Design);
    controls().applyTabOrder();
    Command5 = controls().get<QPushButton>("Command5");
    Command2 = controls().get<QPushButton>("Command2");
    Command1 = controls().get<QPushButton>("Command1");
    Command4 = controls().get<QPushButton>("Command4");
    BtnDelStudent = controls().get<QPushButton>("BtnDelStudent");
    btnAddStduent = controls().get<QPushButton>("btnAddStduent");
    Combo1 = controls().get<QComboBox>("Combo1");
    Frame1 = controls().get<QGroupBox>("Frame1");
    lblWelcome = controls().get<QLabel>("lblWelcome");
    Label1 = controls().get<QLabel>("Label1");

    // The combo and the buttons beside it lie over the frame without being inside it.
    Combo1->raise();
    btnAddStduent->raise();
    BtnDelStudent->raise();
    Combo1->setModel(&m_students);
    // The caption beside the list names it for a screen reader.
    Label1->setBuddy(Combo1);

    connect(Combo1, &QComboBox::activated, this, &MainMenu::Combo1_Click);
    connect(btnAddStduent, &QPushButton::clicked, this, &MainMenu::btnAddStduent_Click);
    connect(BtnDelStudent, &QPushButton::clicked, this, &MainMenu::BtnDelStudent_Click);
    connect(Command1, &QPushButton::clicked, this, &MainMenu::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &MainMenu::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &MainMenu::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &QWidget::close);

    Form_Load();
}

void MainMenu::Form_Load()
{
    m_layout.RecordDesign(this, controls());
    m_rosterStamp = roster::stamp();
    const QString problem = LoadRoster(m_students);
    Combo1->setCurrentIndex(-1);
    lblWelcome->setText(m_students.size() == 0
                            ? tr(PromptEmpty)
                            : tr("Please select student to begin or press \"New Student\""));
    if (!problem.isEmpty()) {
        m_rosterProblem = problem;
        // Shown once the menu is up, so that the message has a window to stand over; as it
        // was read, whatever a later read finds meanwhile.
        QTimer::singleShot(0, this, [this, problem] { ui::warn(this, problem); });
    }
    // Other programs sharing the folder change the roster too: their changes show here
    // when the menu comes back, when the list is opened, and every few seconds.
    m_rosterCheck.setInterval(RosterCheckMs);
    connect(&m_rosterCheck, &QTimer::timeout, this, &MainMenu::rereadRosterIfChanged);
    m_rosterCheck.start();
    Combo1->installEventFilter(this);
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
    const std::optional<QByteArray> picked = currentStudent();
    if (names == m_students.names()) {
        return;
    }
    const bool wasEmpty = m_students.size() == 0;
    m_students.setNames(names);
    keepPick(picked);
    // With no one picked the greeting is a prompt, which depends on whether anyone is listed.
    if (!picked && wasEmpty != (m_students.size() == 0)) {
        lblWelcome->setText(m_students.size() == 0
                                ? tr(PromptEmpty)
                                : tr("Please select student to begin or press \"New Student\""));
    }
}

void MainMenu::keepPick(const std::optional<QByteArray> &picked)
{
    const int row = picked ? int(m_students.names().indexOf(*picked)) : -1;
    Combo1->setCurrentIndex(row);
    if (picked && row < 0) {
        // Deleted by another program meanwhile.
        setWindowButtonsEnabled(false);
        lblWelcome->setText(m_students.size() == 0
                                ? tr(PromptEmpty)
                                : tr("Please Select student to begin or press \"New Student\""));
    }
}

bool MainMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Combo1
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

std::optional<QByteArray> MainMenu::currentStudent() const
{
    const int row = Combo1->currentIndex();
    if (row < 0) {
        return std::nullopt;
    }
    return m_students.nameAt(row);
}

void MainMenu::setWindowButtonsEnabled(bool enabled)
{
    Command1->setEnabled(enabled);
    Command2->setEnabled(enabled);
    Command4->setEnabled(enabled);
}

void MainMenu::Combo1_Click()
{
    lblWelcome->setText(tr("Welcome ") + Combo1->currentText());
    if (Combo1->currentIndex() >= 0) {
        setWindowButtonsEnabled(true);
    }
}

void MainMenu::btnAddStduent_Click()
{
    const std::optional<QByteArray> picked = currentStudent();
    NewStudentDialog dialog(m_students, this);
    dialog.exec();
    m_rosterStamp = roster::stamp();
    // The list picks its first entry by itself when it stops being empty; no pick is kept.
    keepPick(picked);
}

void MainMenu::BtnDelStudent_Click()
{
    const int row = Combo1->currentIndex();
    if (row < 0) {
        return;
    }
    if (!ui::askYesNo(this, tr("Do you want to delete user %1?").arg(Combo1->currentText()))) {
        return;
    }
    const roster::ChangeResult removed = roster::removeName(m_students.nameAt(row));
    if (removed.outcome == roster::ChangeResult::Failed) {
        // The roster on disk still lists the student, so the list does too.
        ui::warn(this, removed.message);
        return;
    }
    m_rosterStamp = roster::stamp();
    m_students.setNames(removed.names);
    Combo1->setCurrentIndex(-1);
    lblWelcome->setText(m_students.size() == 0
                            ? tr(PromptEmpty)
                            : tr("Please Select student to begin or press \"New Student\""));
    setWindowButtonsEnabled(false);
}

void MainMenu::Command1_Click()
{
    hide();
    ExerciseWindow *exercise = Windows::load<ExerciseWindow>();
    exercise->show();
    exercise->activateWindow();
}

void MainMenu::Command2_Click()
{
    if (PrintMenuInterface *print = plugins::load<PrintMenuInterface>(this)) {
        hide();
        print->openPrintMenu();
    }
}

void MainMenu::Command4_Click()
{
    // An open report keeps the student it was opened for: it only comes forward.
    const bool opening = !Windows::find<ReportWindow>();
    ReportWindow *window = Windows::load<ReportWindow>();
    if (opening) {
        ui::placeBeside(window, this);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void MainMenu::Form_Resize()
{
    m_layout.Rescale(this, controls());
}

void MainMenu::Form_Unload()
{
    Windows::unloadAllExcept(this);
}

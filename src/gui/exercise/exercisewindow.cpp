#include "exercisewindow.h"

#include "core/exercise/addmodule.h"
#include "core/exercise/answertext.h"
#include "core/exercise/elapsedtime.h"
#include "core/exercise/scoring.h"
#include "core/records/history.h"
#include "gui/base/msgbox.h"
#include "gui/base/symbolglyphs.h"
#include "gui/base/twips.h"
#include "gui/base/windowless.h"
#include "gui/base/windows.h"
#include "gui/menu/mainmenu.h"
#include "gui/seams/clock.h"
#include "gui/tutors/columntutor.h"
#include "gui/tutors/picturetutor.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
using namespace ui;
using K = ControlKind;

constexpr int Questions = scoring::QuestionCount;
constexpr int Levels = 6;

// The design tables keep one control to a few lines, as the designer laid them out.
// clang-format off
const ControlSpec Design[] = {
    {.name = "Frame1", .kind = K::Frame, .caption = QT_TRANSLATE_NOOP("ExerciseWindow", "Addition"),
     .left = 120, .top = 120, .width = 10215, .height = 7095,
     .accessibleName = QT_TRANSLATE_NOOP("ExerciseWindow", "Questions")},
    {.name = "txtScore", .kind = K::TextBox, .caption = "100%", .left = 10440, .top = 600,
     .width = 1335, .height = 615, .font = arial(24), .fore = colours::LightPink,
     .back = colours::DarkPurple, .tabIndex = 18, .align = Align::Right,
     .accessibleName = QT_TRANSLATE_NOOP("ExerciseWindow", "Score"),
     .accessibleDescription =
         QT_TRANSLATE_NOOP("ExerciseWindow", "Percentage of right answers, shown after checking")},
    {.name = "TxtTime", .kind = K::TextBox, .caption = "00:00:00", .left = 10440, .top = 1440,
     .width = 1335, .height = 480, .font = sansSerif(13.5), .fore = colours::LightPink,
     .back = colours::DarkPurple, .tabIndex = 20, .align = Align::Right,
     .accessibleName = QT_TRANSLATE_NOOP("ExerciseWindow", "Time taken"),
     .accessibleDescription = QT_TRANSLATE_NOOP("ExerciseWindow", "Time since the questions were set")},
    // A drop-down list's height follows its font.
    {.name = "Combo1", .kind = K::ComboBox, .left = 10440, .top = 2400, .width = 1335,
     .font = sansSerif(13.5), .tabIndex = 19,
     .accessibleName = QT_TRANSLATE_NOOP("ExerciseWindow", "Level"),
     .accessibleDescription = QT_TRANSLATE_NOOP("ExerciseWindow", "Choosing a level sets new questions")},
    {.name = "cmdHelpMe", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("ExerciseWindow", "HELP ME"),
     .left = 10440, .top = 6120, .width = 1455, .height = 1095, .font = timesNewRoman(18, true),
     .tabIndex = 22,
     .accessibleDescription =
         QT_TRANSLATE_NOOP("ExerciseWindow", "Open a tutor that explains the first wrong question")},
    {.name = "cmdMenu", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("ExerciseWindow", "Main Menu"),
     .left = 10440, .top = 7320, .width = 1455, .height = 1215, .font = timesNewRoman(18, true),
     .tabIndex = 21,
     .accessibleDescription = QT_TRANSLATE_NOOP("ExerciseWindow", "Go back to the main menu")},
    {.name = "CmdNew", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("ExerciseWindow", "NEW"),
     .left = 120, .top = 7320, .width = 3375, .height = 1215, .font = timesNewRoman(18, true),
     .tabIndex = 17,
     .accessibleDescription =
         QT_TRANSLATE_NOOP("ExerciseWindow", "Set new questions and start the clock again")},
    {.name = "cmdcheck", .kind = K::Button,
     .caption = QT_TRANSLATE_NOOP("ExerciseWindow", "Check Answers"), .left = 3600, .top = 7320,
     .width = 6735, .height = 1215, .font = timesNewRoman(18, true), .tabIndex = 16,
     .accessibleDescription =
         QT_TRANSLATE_NOOP("ExerciseWindow", "Mark the answers and record the score")},
};

// One question's controls inside Frame1, placed for question 1.
const ControlSpec Row[] = {
    {.name = "lblno", .kind = K::Label, .left = 120, .top = 360, .width = 495, .height = 255,
     .font = sansSerif(8), .container = "Frame1",
     .wordWrap = false, .windowless = true,
     .accessibleName = QT_TRANSLATE_NOOP("ExerciseWindow", "Question %1")},
    {.name = "Label1", .kind = K::Label, .caption = "Label1", .left = 840, .top = 360,
     .width = 1095, .height = 345, .font = sansSerif(13.5, true), .container = "Frame1",
     .align = Align::Right,
     .wordWrap = false, .windowless = true,
     .accessibleName = QT_TRANSLATE_NOOP("ExerciseWindow", "First number of question %1")},
    {.name = "Label3", .kind = K::Label, .caption = "+", .left = 240, .top = 720, .width = 375,
     .height = 345, .font = sansSerif(13.5, true), .container = "Frame1", .align = Align::Centre,
     .wordWrap = false, .windowless = true,
     .accessibleName = QT_TRANSLATE_NOOP("ExerciseWindow", "plus")},
    {.name = "Label2", .kind = K::Label, .caption = "Label2", .left = 840, .top = 720,
     .width = 1095, .height = 345, .font = sansSerif(13.5, true), .container = "Frame1",
     .align = Align::Right,
     .wordWrap = false, .windowless = true,
     .accessibleName = QT_TRANSLATE_NOOP("ExerciseWindow", "Second number of question %1")},
    {.name = "Line1", .kind = K::Line, .left = 240, .top = 1080, .width = 2160, .height = 1080,
     .container = "Frame1", .borderWidth = 2, .windowless = true},
    // Every answer box shares one tab index: they follow each other in question order.
    {.name = "Text1", .kind = K::TextBox, .caption = "Text1", .left = 600, .top = 1150,
     .width = 1335, .height = 420, .font = sansSerif(13.5, true), .container = "Frame1",
     .tabIndex = 0, .align = Align::Right, .maxLength = answertext::MaxLength,
     .accessibleName = QT_TRANSLATE_NOOP("ExerciseWindow", "Answer to question %1"),
     .accessibleDescription = QT_TRANSLATE_NOOP("ExerciseWindow", "Type the sum of the two numbers")},
    {.name = "lblmark", .kind = K::Label, .caption = symbolglyphs::Check, .left = 2160, .top = 1150,
     .width = 255, .height = 375, .font = symbolglyphs::symbol(14.25, true), .container = "Frame1",
     .wordWrap = false,
     .accessibleName = QT_TRANSLATE_NOOP("ExerciseWindow", "Mark of question %1")},
    {.name = "lblAnswer", .kind = K::Label, .caption = "lbl999", .left = 600, .top = 1590,
     .width = 1335, .height = 375, .font = sansSerif(13.5, true), .fore = colours::Orange,
     .container = "Frame1", .align = Align::Right,
     .wordWrap = false,
     .accessibleName = QT_TRANSLATE_NOOP("ExerciseWindow", "Right answer to question %1")},
};

// clang-format on

// Questions fill the grid four to a row.
QPoint questionOffset(int n)
{
    return {2520 * ((n - 1) % 4), 1680 * ((n - 1) / 4)};
}
} // namespace

ExerciseWindow::ExerciseWindow()
{
    setWindowTitle(tr("Addition Excercise"));
    // Opening at the size the layout scales from shows every control at its design place.
    setOpeningOuterSizeTwips(ExerciseLayout::DesignOuterWidth, ExerciseLayout::DesignOuterHeight);
    createControls();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &ExerciseWindow::Timer1_Timer);

    connect(Combo1, &QComboBox::activated, this, &ExerciseWindow::Combo1_Click);
    connect(CmdNew, &QPushButton::clicked, this, &ExerciseWindow::CmdNew_Click);
    connect(cmdcheck, &QPushButton::clicked, this, &ExerciseWindow::cmdcheck_Click);
    connect(cmdHelpMe, &QPushButton::clicked, this, &ExerciseWindow::cmdHelpMe_Click);
    connect(cmdMenu, &QPushButton::clicked, this, &QWidget::close);
    for (int n = 1; n <= Questions; ++n) {
        Text1[n]->installEventFilter(this);
        connect(Text1[n], &QLineEdit::textChanged, this, [this, n] { Text1_Change(n); });
    }

    Form_Load();
}

void ExerciseWindow::createControls()
{
    controls().createAll(Design);
    for (int n = 1; n <= Questions; ++n) {
        const QPoint d = questionOffset(n);
        lblno.append(controls().createElement(Row[0], n, d.x(), d.y()));
        Label1.append(controls().createElement(Row[1], n, d.x(), d.y()));
        Label3.append(controls().createElement(Row[2], n, d.x(), d.y()));
        Label2.append(controls().createElement(Row[3], n, d.x(), d.y()));
        Line1.append(controls().createElement(Row[4], n, d.x(), d.y()));
        Text1.append(controls().createElement(Row[5], n, d.x(), d.y()));
        lblmark.append(controls().createElement(Row[6], n, d.x(), d.y()));
        lblAnswer.append(controls().createElement(Row[7], n, d.x(), d.y()));
        lblno[n]->setText(n < 10 ? tr("No. %1").arg(n) : tr("No.%1").arg(n));
    }
    controls().applyTabOrder();
    m_answerHelp = Text1[1]->accessibleDescription();

    Frame1 = controls().get<QGroupBox>("Frame1");
    txtScore = controls().get<QLineEdit>("txtScore");
    TxtTime = controls().get<QLineEdit>("TxtTime");
    Combo1 = controls().get<QComboBox>("Combo1");
    cmdHelpMe = controls().get<QPushButton>("cmdHelpMe");
    cmdMenu = controls().get<QPushButton>("cmdMenu");
    CmdNew = controls().get<QPushButton>("CmdNew");
    cmdcheck = controls().get<QPushButton>("cmdcheck");

    for (int level = 1; level <= Levels; ++level) {
        Combo1->addItem(tr("Level %1").arg(level), level);
    }
    Combo1->resize(Combo1->width(), Combo1->sizeHint().height());
    // The score and the clock are shown, not typed: the clock's text goes into the history.
    txtScore->setReadOnly(true);
    TxtTime->setReadOnly(true);
    // Enter presses the button that has the focus, as Space does.
    for (QPushButton *button : {cmdHelpMe, cmdMenu, CmdNew, cmdcheck}) {
        button->setAutoDefault(true);
    }
}

void ExerciseWindow::Form_Load()
{
    // Choosing the first level starts the first set, as choosing any level does.
    Combo1->setCurrentIndex(0);
    Combo1_Click();
    SaveDesignLayout();
    Text1[1]->setFocus();
}

void ExerciseWindow::SaveDesignLayout()
{
    m_layout.record(controls());
}

void ExerciseWindow::ResizeControls()
{
    m_layout.apply(ui::outerSizeTwips(this));
}

void ExerciseWindow::Form_Resize()
{
    ResizeControls();
}

void ExerciseWindow::Combo1_Click()
{
    CmdNew_Click();
}

void ExerciseWindow::CmdNew_Click()
{
    bool ok = false;
    const int level = Combo1->currentData().toInt(&ok);
    CurLevel = ok ? qint16(level) : qint16(1);
    cmdHelpMe->setEnabled(false);
    cmdcheck->setEnabled(true);
    NewQuestionSet();
    StartTiming();
}

void ExerciseWindow::NewQuestionSet()
{
    for (int n = 1; n <= Questions; ++n) {
        lblmark[n]->hide();
        Text1[n]->setAccessibleDescription(m_answerHelp);
        Text1[n]->setEnabled(true);
        Text1[n]->setText(QString());
        AddModule::DrawQuestion(qint16(n), CurLevel);
        Label1[n]->setText(QString::number(AddModule::FirstNum[n]));
        Label2[n]->setText(QString::number(AddModule::SecondNum[n]));
        lblAnswer[n]->hide();
    }
    txtScore->clear();
}

void ExerciseWindow::StartTiming()
{
    StartTime = ui::now();
    TxtTime->setText(elapsedtime::format(0));
    Timer1->start();
}

void ExerciseWindow::Timer1_Timer()
{
    TxtTime->setText(elapsedtime::between(StartTime, ui::now()));
}

int ExerciseWindow::answerBoxIndex(const QObject *object) const
{
    for (int n = 1; n <= Questions; ++n) {
        if (Text1[n] == object) {
            return n;
        }
    }
    return 0;
}

bool ExerciseWindow::eventFilter(QObject *watched, QEvent *event)
{
    const int n = answerBoxIndex(watched);
    if (n == 0) {
        return Form::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusIn) {
        Text1_GotFocus(n);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter works as Tab: on to the next box, or to the button after the last.
            focusNextChild();
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

void ExerciseWindow::Text1_GotFocus(int index)
{
    CurQuestion = qint16(index);
}

void ExerciseWindow::Text1_Change(int index)
{
    QLineEdit *box = Text1[index];
    const QString typed = box->text();
    const answertext::Filtered kept = answertext::filter(typed, LastGoodText[index]);
    LastGoodText[index] = kept.lastGood;
    if (kept.text != typed) {
        // The caret stays where it was before the refused keystroke or paste.
        const int caret = box->cursorPosition() - int(typed.size() - kept.text.size());
        box->setText(kept.text);
        box->setCursorPosition(qBound(0, caret, int(kept.text.size())));
    }
}

void ExerciseWindow::cmdcheck_Click()
{
    cmdcheck->setEnabled(false);
    Timer1->stop();
    int right = 0;
    for (int i = 1; i <= Questions; ++i) {
        lblAnswer[i]->setText(QString::number(AddModule::SumNum[i]));
        const scoring::Mark mark = scoring::markAnswer(Text1[i]->text(), AddModule::SumNum[i]);
        if (mark.shownText != Text1[i]->text()) {
            Text1[i]->setText(mark.shownText);
        }
        if (mark.right) {
            lblmark[i]->setText(QString::fromUtf8(symbolglyphs::Check));
            ui::setForeColour(lblmark[i], colours::TickGreen);
            lblAnswer[i]->hide();
            ++right;
            Text1[i]->setEnabled(false);
        } else {
            lblmark[i]->setText(QString::fromUtf8(symbolglyphs::Cross));
            ui::setForeColour(lblmark[i], colours::CrossRed);
            lblAnswer[i]->show();
        }
        // A screen reader says the tick or cross in words, and the right answer with it.
        lblmark[i]->setAccessibleName(mark.right ? tr("Question %1 is right").arg(i)
                                                 : tr("Question %1 is wrong").arg(i));
        Text1[i]->setAccessibleDescription(
            mark.right ? tr("Right")
                       : tr("Wrong; the right answer is %1").arg(AddModule::SumNum[i]));
        lblmark[i]->show();
    }

    // The focus goes to the first wrong answer, the one HELP ME explains.
    CurQuestion = -1;
    for (int i = 1; i <= Questions; ++i) {
        if (Text1[i]->isEnabled()) {
            Text1[i]->setFocus();
            CurQuestion = qint16(i);
            break;
        }
    }
    cmdHelpMe->setEnabled(CurQuestion > 0);

    const int percent = scoring::scorePercent(right);
    txtScore->setText(QString::number(percent) + QLatin1Char('%'));
    recordResult(percent);
}

void ExerciseWindow::recordResult(int percent)
{
    const MainMenu *menu = Windows::find<MainMenu>();
    const auto student = menu ? menu->currentStudent() : std::nullopt;
    if (!student) {
        return;
    }
    const FileResult appended = AppendResult(
        *student, scoring::resultRecord(ui::now(), CurLevel, percent, TxtTime->text()));
    if (!appended.ok) {
        ui::warn(this, appended.message);
    }
}

void ExerciseWindow::cmdHelpMe_Click()
{
    qint16 question = CurQuestion;
    if (CurLevel == 1) {
        PictureTutor tutor(this);
        tutor.initialize(question);
        tutor.exec();
    } else {
        ColumnTutor tutor(this);
        tutor.initialize(question);
        tutor.exec();
    }
}

void ExerciseWindow::Form_Unload()
{
    if (MainMenu *menu = Windows::find<MainMenu>()) {
        menu->show();
    }
}

// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercisewindow.h"

#include "core/exercise/answertext.h"
#include "core/exercise/questiongenerator.h"
#include "core/exercise/scoring.h"
#include "core/records/answerlog.h"
#include "core/records/history.h"
#include "core/records/session.h"
#include "core/report/reviewsheet.h"
#include "gui/base/msgbox.h"
#include "gui/base/symbolglyphs.h"
#include "gui/base/twips.h"
#include "gui/base/windowless.h"
#include "gui/seams/clock.h"
#include "gui/seams/random.h"
#include "gui/tutors/columntutor.h"
#include "gui/tutors/picturetutor.h"

#include <QComboBox>
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
// The level list's last entry, after the levels: a sheet of the student's own weak facts.
constexpr int ReviewEntry = 0;

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

ExerciseWindow::ExerciseWindow(const Session &session)
    : m_session(session)
{
    setWindowTitle(tr("Addition Excercise"));
    // Opening at the size the layout scales from shows every control at its design place.
    setOpeningOuterSizeTwips(ExerciseLayout::DesignOuterWidth, ExerciseLayout::DesignOuterHeight);
    createControls();

    m_timer = new QTimer(this);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &ExerciseWindow::tick);

    // Choosing a level, even the same one, sets new questions, as NEW does.
    connect(m_levels, &QComboBox::activated, this, &ExerciseWindow::setNewQuestions);
    connect(m_new, &QPushButton::clicked, this, &ExerciseWindow::setNewQuestions);
    connect(m_check, &QPushButton::clicked, this, &ExerciseWindow::checkAnswers);
    connect(m_helpMe, &QPushButton::clicked, this, &ExerciseWindow::openTutor);
    connect(m_menu, &QPushButton::clicked, this, &QWidget::close);
    for (int n = 1; n <= Questions; ++n) {
        m_answerBoxes[n]->installEventFilter(this);
        connect(m_answerBoxes[n], &QLineEdit::textChanged, this, [this, n] { answerTyped(n); });
    }

    // The first level and its first set.
    m_levels->setCurrentIndex(0);
    setNewQuestions();
    m_layout.record(controls());
    m_answerBoxes[1]->setFocus();
}

void ExerciseWindow::createControls()
{
    controls().createAll(Design);
    for (int n = 1; n <= Questions; ++n) {
        const QPoint d = questionOffset(n);
        m_numbers.append(controls().createElement(Row[0], n, d.x(), d.y()));
        m_firstOperands.append(controls().createElement(Row[1], n, d.x(), d.y()));
        m_plusSigns.append(controls().createElement(Row[2], n, d.x(), d.y()));
        m_secondOperands.append(controls().createElement(Row[3], n, d.x(), d.y()));
        m_lines.append(controls().createElement(Row[4], n, d.x(), d.y()));
        m_answerBoxes.append(controls().createElement(Row[5], n, d.x(), d.y()));
        m_marks.append(controls().createElement(Row[6], n, d.x(), d.y()));
        m_corrections.append(controls().createElement(Row[7], n, d.x(), d.y()));
        m_numbers[n]->setText(n < 10 ? tr("No. %1").arg(n) : tr("No.%1").arg(n));
    }
    controls().applyTabOrder();
    m_answerHelp = m_answerBoxes[1]->accessibleDescription();

    m_score = controls().get<QLineEdit>("txtScore");
    m_time = controls().get<QLineEdit>("TxtTime");
    m_levels = controls().get<QComboBox>("Combo1");
    m_helpMe = controls().get<QPushButton>("cmdHelpMe");
    m_menu = controls().get<QPushButton>("cmdMenu");
    m_new = controls().get<QPushButton>("CmdNew");
    m_check = controls().get<QPushButton>("cmdcheck");

    for (int level = 1; level <= Levels; ++level) {
        m_levels->addItem(tr("Level %1").arg(level), level);
    }
    m_levels->addItem(tr("Review"), ReviewEntry);
    m_levels->resize(m_levels->width(), m_levels->sizeHint().height());
    // The score and the clock are shown, not typed: the clock's text goes into the history.
    m_score->setReadOnly(true);
    m_time->setReadOnly(true);
    // Enter presses the button that has the focus, as Space does.
    for (QPushButton *button : {m_helpMe, m_menu, m_new, m_check}) {
        button->setAutoDefault(true);
    }
}

void ExerciseWindow::scaleControls()
{
    m_layout.apply(ui::outerSizeTwips(this));
}

void ExerciseWindow::setNewQuestions()
{
    bool ok = false;
    const int chosen = m_levels->currentData().toInt(&ok);
    m_helpMe->setEnabled(false);
    m_check->setEnabled(true);
    if (ok && chosen == ReviewEntry) {
        startReview();
    } else {
        const int level = ok ? chosen : 1;
        m_sheet.start(level, questiongenerator::generate(level, Questions, ui::randomDraw),
                      ui::now());
    }
    showNewQuestions();
    m_time->setText(m_sheet.elapsedText());
    m_timer->start();
}

// The student's own weak facts, filled up from the latest level.
void ExerciseWindow::startReview()
{
    QString problem;
    const QList<reviewsheet::Item> items = reviewsheet::drawFor(
        m_session.currentStudent().value_or(QByteArray()), Questions, ui::randomDraw, &problem);
    if (!problem.isEmpty()) {
        ui::warn(this, problem);
    }
    QList<Question> questions;
    QList<int> levels;
    for (const reviewsheet::Item &item : items) {
        questions.append(item.question);
        levels.append(item.level);
    }
    m_sheet.startReview(reviewsheet::mainLevel(items), questions, levels, ui::now());
}

void ExerciseWindow::showNewQuestions()
{
    for (int n = 1; n <= Questions; ++n) {
        m_marks[n]->hide();
        m_answerBoxes[n]->setAccessibleDescription(m_answerHelp);
        m_answerBoxes[n]->setEnabled(true);
        m_answerBoxes[n]->setText(QString());
        m_firstOperands[n]->setText(QString::number(m_sheet.question(n).first));
        m_secondOperands[n]->setText(QString::number(m_sheet.question(n).second));
        m_corrections[n]->hide();
    }
    m_score->clear();
}

void ExerciseWindow::tick()
{
    m_sheet.tick(ui::now());
    m_time->setText(m_sheet.elapsedText());
}

int ExerciseWindow::answerBoxIndex(const QObject *object) const
{
    for (int n = 1; n <= Questions; ++n) {
        if (m_answerBoxes[n] == object) {
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
        m_currentQuestion = n;
        m_sheet.focusQuestion(n, ui::now());
    } else if (event->type() == QEvent::FocusOut) {
        m_sheet.focusQuestion(0, ui::now());
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

void ExerciseWindow::answerTyped(int n)
{
    QLineEdit *box = m_answerBoxes[n];
    const QString typed = box->text();
    const QString kept = m_sheet.type(n, typed);
    if (kept != typed) {
        // The caret stays where it was before the refused keystroke or paste.
        const int caret = box->cursorPosition() - int(typed.size() - kept.size());
        box->setText(kept);
        box->setCursorPosition(qBound(0, caret, int(kept.size())));
    }
}

void ExerciseWindow::checkAnswers()
{
    m_check->setEnabled(false);
    m_timer->stop();
    m_sheet.focusQuestion(0, ui::now()); // a key may check the sheet with a box still focused
    m_sheet.check();
    showMarks();

    // The focus goes to the first wrong answer, the one HELP ME explains.
    const int wrong = m_sheet.firstWrong();
    m_currentQuestion = -1;
    if (wrong > 0) {
        m_answerBoxes[wrong]->setFocus();
        m_currentQuestion = wrong;
    }
    m_helpMe->setEnabled(m_currentQuestion > 0);

    m_score->setText(QString::number(m_sheet.percent()) + QLatin1Char('%'));
    recordResult();
}

void ExerciseWindow::showMarks()
{
    for (int n = 1; n <= Questions; ++n) {
        const int sum = m_sheet.question(n).sum;
        const scoring::Mark &mark = m_sheet.mark(n);
        m_corrections[n]->setText(QString::number(sum));
        if (mark.shownText != m_answerBoxes[n]->text()) {
            m_answerBoxes[n]->setText(mark.shownText);
        }
        if (mark.right) {
            m_marks[n]->setText(QString::fromUtf8(symbolglyphs::Check));
            ui::setForeColour(m_marks[n], colours::TickGreen);
            m_corrections[n]->hide();
            m_answerBoxes[n]->setEnabled(false);
        } else {
            m_marks[n]->setText(QString::fromUtf8(symbolglyphs::Cross));
            ui::setForeColour(m_marks[n], colours::CrossRed);
            m_corrections[n]->show();
        }
        // A screen reader says the tick or cross in words, and the right answer with it.
        m_marks[n]->setAccessibleName(mark.right ? tr("Question %1 is right").arg(n)
                                                 : tr("Question %1 is wrong").arg(n));
        m_answerBoxes[n]->setAccessibleDescription(
            mark.right ? tr("Right") : tr("Wrong; the right answer is %1").arg(sum));
        m_marks[n]->show();
    }
}

void ExerciseWindow::recordResult()
{
    const auto student = m_session.currentStudent();
    if (!student) {
        return;
    }
    // The result line, and each answer beside it for the fact view and review sheets.
    const QDateTime checkedAt = ui::now();
    const FileResult appended = answerlog::appendSheet(*student, m_sheet.resultRecord(checkedAt),
                                                       m_sheet.answerRecords(checkedAt));
    if (!appended.ok) {
        ui::warn(this, appended.message);
    }
}

void ExerciseWindow::openTutor()
{
    const int n = m_currentQuestion;
    if (!m_sheet.contains(n)) {
        return; // HELP ME is locked while no question is chosen
    }
    // Counting pictures suit the first level's sums, wherever they stand.
    if (m_sheet.questionLevel(n) == 1) {
        PictureTutor tutor(m_sheet.question(n), this);
        tutor.exec();
    } else {
        ColumnTutor tutor(m_sheet.question(n), n, this);
        tutor.exec();
    }
}

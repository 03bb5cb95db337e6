// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "columntutor.h"

#include "gui/base/linecontrol.h"
#include "gui/base/placement.h"
#include "gui/base/twips.h"
#include "gui/base/wingdings.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
using namespace ui;
using K = ControlKind;

// The design tables keep one control to a few lines, as the designer laid them out.
// clang-format off
constexpr int Columns = ColumnAddition::Columns;

const ControlSpec PanelDesign = {.name = "Frame1", .kind = K::Panel, .left = 120, .top = 120,
                                 .width = 9615, .height = 6495, .back = colours::DarkPurple,
                                 .accessibleName = QT_TRANSLATE_NOOP("ColumnTutor", "Column sum")};

// One row per column array, placed for the units column; column i stands i steps left.
const ControlSpec ColumnDesign[] = {
    {.name = "TxtAns", .kind = K::TextBox, .caption = "0", .left = 4680, .top = 4440, .width = 615,
     .height = 975, .font = arial(48), .fore = colours::LightPink, .back = colours::DarkPurple,
     .container = "Frame1", .tabIndex = 0, .visible = false, .maxLength = 1,
     .accessibleName = QT_TRANSLATE_NOOP("ColumnTutor", "Answer digit"),
     .accessibleDescription =
         QT_TRANSLATE_NOOP("ColumnTutor", "Type the answer digit of the column the arrow points at")},
    {.name = "lblCarry", .kind = K::Label, .caption = "0", .left = 4680, .top = 960, .width = 615,
     .height = 975, .font = arial(48), .fore = colours::Yellow, .back = colours::DarkPurple,
     .container = "Frame1", .visible = false,
     .accessibleName = QT_TRANSLATE_NOOP("ColumnTutor", "Carry")},
    {.name = "lblOP1", .kind = K::Label, .caption = "0", .left = 4680, .top = 2160, .width = 615,
     .height = 975, .font = arial(48), .fore = colours::LightPink, .back = colours::DarkPurple,
     .container = "Frame1", .visible = false,
     .accessibleName = QT_TRANSLATE_NOOP("ColumnTutor", "Digit of the first number")},
    {.name = "lblOP2", .kind = K::Label, .caption = "0", .left = 4680, .top = 3240, .width = 615,
     .height = 975, .font = arial(48), .fore = colours::LightPink, .back = colours::DarkPurple,
     .container = "Frame1", .visible = false,
     .accessibleName = QT_TRANSLATE_NOOP("ColumnTutor", "Digit of the second number")},
};

const ControlSpec Design[] = {
    {.name = "Label1", .kind = K::Label, .caption = "+", .left = 1680, .top = 3360, .width = 495,
     .height = 615, .font = arial(36, true), .fore = colours::LightPink,
     .back = colours::DarkPurple, .container = "Frame1",
     .accessibleName = QT_TRANSLATE_NOOP("ColumnTutor", "plus")},
    {.name = "Line1", .kind = K::Line, .left = 1800, .top = 4320, .width = 5520, .height = 4320,
     .fore = colours::LightPink, .container = "Frame1", .borderWidth = 2},
    {.name = "lblarrow", .kind = K::Label, .caption = wingdings::utf8(wingdings::UpArrow),
     .left = ColumnAddition::PointerStart, .top = 5640, .width = 615, .height = 735,
     .font = wingdings::font(27.75), .fore = colours::Yellow, .back = colours::DarkPurple,
     .container = "Frame1", .align = Align::Centre,
     .accessibleName = QT_TRANSLATE_NOOP("ColumnTutor", "Pointer")},
    {.name = "lblhint", .kind = K::Label, .left = 6000, .top = 4560, .width = 3135, .height = 855,
     .font = arial(36, true), .fore = colours::LightYellow, .back = colours::DarkPurple,
     .container = "Frame1", .accessibleName = QT_TRANSLATE_NOOP("ColumnTutor", "Hint")},
    {.name = "lblQno", .kind = K::Label, .caption = QT_TRANSLATE_NOOP("ColumnTutor", "Question"),
     .left = 120, .top = 360, .width = 2055, .height = 375, .font = arial(18),
     .fore = colours::LightPink, .back = colours::DarkPurple, .container = "Frame1"},
    {.name = "Labelcarry", .kind = K::Label, .caption = QT_TRANSLATE_NOOP("ColumnTutor", "carry"),
     .left = 5400, .top = 1920, .width = 735, .height = 375, .font = arial(15.75),
     .fore = colours::Yellow, .back = colours::DarkPurple, .container = "Frame1"},
    {.name = "lbldemoc", .kind = K::Label, .left = 7560, .top = 0, .width = 615, .height = 975,
     .font = arial(48), .fore = colours::Yellow, .back = colours::DarkPurple, .container = "Frame1",
     .align = Align::Right, .accessibleName = QT_TRANSLATE_NOOP("ColumnTutor", "Worked column: carry")},
    {.name = "lbldemo1", .kind = K::Label, .left = 7560, .top = 960, .width = 615, .height = 975,
     .font = arial(48), .fore = colours::LightPink, .back = colours::DarkPurple,
     .container = "Frame1", .align = Align::Right,
     .accessibleName = QT_TRANSLATE_NOOP("ColumnTutor", "Worked column: first digit")},
    {.name = "lbldemoplus", .kind = K::Label, .caption = "+", .left = 6480, .top = 1920,
     .width = 495, .height = 855, .font = arial(48), .fore = colours::LightPink,
     .back = colours::DarkPurple, .container = "Frame1",
     .accessibleName = QT_TRANSLATE_NOOP("ColumnTutor", "plus")},
    {.name = "lbldemo2", .kind = K::Label, .left = 7560, .top = 1920, .width = 615, .height = 975,
     .font = arial(48), .fore = colours::LightPink, .back = colours::DarkPurple,
     .container = "Frame1", .align = Align::Right,
     .accessibleName = QT_TRANSLATE_NOOP("ColumnTutor", "Worked column: second digit")},
    {.name = "Line2", .kind = K::Line, .left = 6360, .top = 3000, .width = 8280, .height = 3000,
     .fore = colours::LightPink, .container = "Frame1", .borderWidth = 2},
    {.name = "lblans", .kind = K::Label, .caption = "00", .left = 6960, .top = 3000, .width = 1215,
     .height = 975, .font = arial(48), .fore = colours::LightPink, .back = colours::DarkPurple,
     .container = "Frame1", .align = Align::Right,
     .accessibleName = QT_TRANSLATE_NOOP("ColumnTutor", "Worked column: total")},
};

// The answer lines start at the units half of the demonstration total, the carry lines at
// its tens half; each ends at its own column's box or carry.
const ControlSpec AnswerLineDesign = {.name = "lineans", .kind = K::Line, .left = 7800, .top = 3720,
                                      .fore = colours::LightPink, .container = "Frame1",
                                      .borderWidth = 2};
const QPoint AnswerLineEnds[] = {{5280, 4560}, {4440, 4440}, {3600, 4440}, {2880, 4440}};
const ControlSpec CarryLineDesign = {.name = "linecarry", .kind = K::Line, .left = 7320,
                                     .top = 3360, .fore = colours::Yellow, .container = "Frame1",
                                     .borderWidth = 2};
const QPoint CarryLineEnds[] = {{4200, 1560}, {3600, 1680}, {2880, 1680}};

const ControlSpec HelpDesign = {.name = "cmdhelp", .kind = K::Button,
                                .caption = QT_TRANSLATE_NOOP("ColumnTutor", "Help"), .left = 6240,
                                .top = 6720, .width = 3015, .height = 1095,
                                .font = arial(20.25, true), .tabIndex = 1,
                                .accessibleDescription =
                                    QT_TRANSLATE_NOOP("ColumnTutor", "Show the right digit")};

// clang-format on

ControlSpec endingAt(ControlSpec line, QPoint end)
{
    line.width = end.x();
    line.height = end.y();
    return line;
}
} // namespace

ColumnTutor::ColumnTutor(const Question &question, int number, QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_controls(this)
{
    setWindowTitle(tr("Tutor"));
    setFixedSize(ui::twipsToPixels(9810), ui::twipsToPixels(7890));

    m_controls.create(PanelDesign);
    for (const ControlSpec &row : ColumnDesign) {
        for (int i = 0; i < Columns; ++i) {
            m_controls.createElement(row, i, -ColumnAddition::ColumnStep * i);
        }
    }
    m_controls.createAll(Design);
    for (int i = 0; i < Columns; ++i) {
        m_answerLines.append(
            m_controls.createElement(endingAt(AnswerLineDesign, AnswerLineEnds[i]), i));
    }
    for (int i = 0; i < Columns - 1; ++i) {
        m_carryLines.append(
            m_controls.createElement(endingAt(CarryLineDesign, CarryLineEnds[i]), i));
    }
    m_help = qobject_cast<QPushButton *>(m_controls.create(HelpDesign));
    m_controls.applyTabOrder();
    ui::fitDesignToScreen(this, m_controls);

    for (int i = 0; i < Columns; ++i) {
        m_answerBoxes.append(m_controls.find(ui::arrayElementName("TxtAns", i)));
        m_carries.append(m_controls.find(ui::arrayElementName("lblCarry", i)));
        m_firstDigits.append(m_controls.find(ui::arrayElementName("lblOP1", i)));
        m_secondDigits.append(m_controls.find(ui::arrayElementName("lblOP2", i)));
    }
    // Each answer box is named after its column, units first.
    static const char *const places[Columns] = {QT_TR_NOOP("units"), QT_TR_NOOP("tens"),
                                                QT_TR_NOOP("hundreds"), QT_TR_NOOP("thousands")};
    for (int i = 0; i < Columns; ++i) {
        m_answerBoxes[i]->setAccessibleName(
            tr("%1, %2").arg(m_answerBoxes[i]->accessibleName(), tr(places[i])));
    }
    m_pointer = m_controls.get<QLabel>("lblarrow");
    m_hint = m_controls.get<QLabel>("lblhint");
    m_caption = m_controls.get<QLabel>("lblQno");
    m_carryCaption = m_controls.get<QLabel>("Labelcarry");
    m_demoCarry = m_controls.get<QLabel>("lbldemoc");
    m_demoFirst = m_controls.get<QLabel>("lbldemo1");
    m_demoPlus = m_controls.get<QLabel>("lbldemoplus");
    m_demoSecond = m_controls.get<QLabel>("lbldemo2");
    m_demoLine = m_controls.get<LineControl>("Line2");
    m_demoTotal = m_controls.get<QLabel>("lblans");

    // Enter in an answer box must not press "Help" for the pupil.
    m_help->setAutoDefault(false);

    for (int i = 0; i < Columns; ++i) {
        connect(m_answerBoxes[i], &QLineEdit::textChanged, this, [this, i] { digitTyped(i); });
        m_answerBoxes[i]->installEventFilter(this);
    }
    connect(m_help, &QPushButton::clicked, this, &ColumnTutor::helpOrExit);

    explain(question, number);
}

void ColumnTutor::explain(const Question &question, int number)
{
    m_caption->setText(m_caption->text() + QLatin1Char(' ') + QString::number(number));
    m_steps.initialize(question);
    showSteps();
    m_answerBoxes[0]->setFocus();
}

bool ColumnTutor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < Columns; ++i) {
            if (watched == m_answerBoxes[i]) {
                m_steps.gotFocus(i);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ColumnTutor::digitTyped(int column)
{
    m_steps.textChanged(column, m_answerBoxes[column]->text());
    showSteps();
}

void ColumnTutor::helpOrExit()
{
    if (m_steps.finished()) {
        accept();
        return;
    }
    m_steps.help();
    showSteps();
}

void ColumnTutor::showSteps()
{
    const ColumnAddition &s = m_steps;
    for (int i = 0; i < Columns; ++i) {
        const ColumnAddition::Column &c = s.column(i);
        m_firstDigits[i]->setText(QString::number(c.first));
        m_secondDigits[i]->setText(QString::number(c.second));
        m_firstDigits[i]->setVisible(c.operandsShown);
        m_secondDigits[i]->setVisible(c.operandsShown);
        m_carries[i]->setText(QString::number(c.carry));
        m_carries[i]->setVisible(c.carryShown);
        if (m_answerBoxes[i]->text() != c.text) {
            // The steps have already handled this change of text themselves.
            const QSignalBlocker blocker(m_answerBoxes[i]);
            m_answerBoxes[i]->setText(c.text);
        }
        m_answerBoxes[i]->setVisible(c.boxShown);
        if (c.boxEnabled) {
            m_answerBoxes[i]->setEnabled(true);
        }
    }
    // The next box takes the focus before the one just answered is locked, so the focus
    // never wanders off in between; when the last box locks, it passes on to "Exit".
    const int focus = m_steps.takeFocusRequest();
    if (focus >= 0) {
        m_answerBoxes[focus]->setFocus();
    }
    for (int i = 0; i < Columns; ++i) {
        if (!s.column(i).boxEnabled) {
            m_answerBoxes[i]->setEnabled(false);
        }
    }

    const ColumnAddition::Demonstration &demo = s.demo();
    m_demoCarry->setText(demo.carry);
    m_demoFirst->setText(demo.first);
    m_demoSecond->setText(demo.second);
    m_demoTotal->setText(demo.total);
    for (QWidget *w : {static_cast<QWidget *>(m_demoCarry), static_cast<QWidget *>(m_demoFirst),
                       static_cast<QWidget *>(m_demoSecond), static_cast<QWidget *>(m_demoPlus),
                       static_cast<QWidget *>(m_demoTotal), static_cast<QWidget *>(m_demoLine)}) {
        w->setVisible(s.demoShown());
    }
    m_carryCaption->setVisible(s.carryCaptionShown());
    for (int i = 0; i < Columns; ++i) {
        m_answerLines[i]->setVisible(s.answerLineShown(i));
    }
    for (int i = 0; i < Columns - 1; ++i) {
        m_carryLines[i]->setVisible(s.carryLineShown(i));
    }

    switch (s.hint()) {
    case ColumnAddition::Hint::None:
        m_hint->clear();
        break;
    case ColumnAddition::Hint::Wrong:
        m_hint->setText(tr("No!"));
        break;
    case ColumnAddition::Hint::Right:
        m_hint->setText(tr("yes!"));
        break;
    case ColumnAddition::Hint::Finished:
        m_hint->setText(tr("Correct!"));
        break;
    }
    ui::setLeftTwips(m_pointer, s.pointerLeft());
    m_pointer->setVisible(s.pointerShown());
    m_help->setText(s.finished() ? tr("Exit") : tr("Help"));
}

// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printwindow.h"

#include "core/exercise/questiongenerator.h"
#include "core/records/session.h"
#include "core/records/studentlist.h"
#include "core/report/reviewsheet.h"
#include "gui/base/msgbox.h"
#include "gui/base/windowless.h"
#include "gui/seams/clock.h"
#include "gui/seams/random.h"
#include "printing.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLocale>
#include <QPushButton>

#include <type_traits>

namespace {
using namespace ui;
using K = ControlKind;

constexpr FontSpec PreviewNumber {"Times", 6};
constexpr FontSpec PreviewText {"Times", 8.25, true};

// clang-format off
const ControlSpec Design[] = {
    {.name = "Frame1", .kind = K::Frame, .left = 120, .top = 120, .width = 6015, .height = 8295,
     .visible = false, .accessibleName = QT_TRANSLATE_NOOP("PrintWindow", "Worksheet preview")},
    {.name = "Frame2", .kind = K::Frame, .left = 6360, .top = 120, .width = 5295, .height = 2655,
     .accessibleName = QT_TRANSLATE_NOOP("PrintWindow", "Instructions")},
    {.name = "Label4", .kind = K::Label,
     .caption =
         QT_TRANSLATE_NOOP("PrintWindow", "Please select the level and press the \"NEW\" "
                                       "button to generate new execise. "),
     .left = 240, .top = 360, .width = 4695, .height = 615, .font = timesNewRoman(9.75, true),
     .fore = colours::Black, .container = "Frame2", .windowless = true},
    {.name = "Label5", .kind = K::Label,
     .caption = QT_TRANSLATE_NOOP("PrintWindow", "Press \"PRINT\" button to print the execise."),
     .left = 240, .top = 960, .width = 4695, .height = 615, .font = timesNewRoman(9.75, true),
     .fore = colours::Black, .container = "Frame2", .windowless = true},
    {.name = "Combo1", .kind = K::ComboBox, .left = 6480, .top = 3000, .width = 5055, .height = 450,
     .font = arial(14.25), .fore = colours::LightPink, .back = colours::DarkPurple, .tabIndex = 0,
     .accessibleName = QT_TRANSLATE_NOOP("PrintWindow", "Level"),
     .accessibleDescription = QT_TRANSLATE_NOOP("PrintWindow", "Level of the printed questions")},
    {.name = "CmdNew", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("PrintWindow", "NEW"),
     .left = 6480, .top = 3960, .width = 5055, .height = 1335, .font = arial(18, true),
     .tabIndex = 1,
     .accessibleDescription =
         QT_TRANSLATE_NOOP("PrintWindow", "Make new questions of the chosen level")},
    {.name = "cmdPrint", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("PrintWindow", "PRINT"),
     .left = 6480, .top = 5400, .width = 5055, .height = 1575, .font = arial(18, true),
     .tabIndex = 2, .enabled = false,
     .accessibleDescription =
         QT_TRANSLATE_NOOP("PrintWindow", "Print the worksheet on the default printer")},
    {.name = "Command1", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("PrintWindow", "MAIN MENU"),
     .left = 6480, .top = 7200, .width = 5055, .height = 1215, .font = arial(18, true),
     .tabIndex = 3,
     .accessibleDescription = QT_TRANSLATE_NOOP("PrintWindow", "Go back to the main menu")},
};

// One preview cell at the origin (0, 0); cell n is moved to its place in the preview frame. A line
// gives its two ends in place of Left, Top, Width, Height. The cells' labels and lines are
// windowless: the preview frame draws all 168 of them, so that resizing the window repaints one frame
// rather than 168 widgets.
const ControlSpec Cell[] = {
    {.name = "lblno", .kind = K::Label, .left = 0, .top = 0, .width = 375, .height = 135,
     .font = PreviewNumber, .back = colours::White, .container = "Frame1", .align = Align::Right,
     .wordWrap = false, .windowless = true},
    {.name = "Label1", .kind = K::Label, .caption = "9999", .left = 480, .top = 0, .width = 495,
     .height = 255, .font = PreviewText, .back = colours::White, .container = "Frame1",
     .align = Align::Right, .wordWrap = false, .windowless = true},
    {.name = "Label3", .kind = K::Label, .caption = "+", .left = 120, .top = 240, .width = 255,
     .height = 225, .font = PreviewText, .back = colours::White, .container = "Frame1",
     .align = Align::Centre, .wordWrap = false, .windowless = true},
    {.name = "Label2", .kind = K::Label, .caption = "9999", .left = 480, .top = 240, .width = 495,
     .height = 225, .font = PreviewText, .back = colours::White, .container = "Frame1",
     .align = Align::Right, .wordWrap = false, .windowless = true},
    {.name = "Line1", .kind = K::Line, .left = 120, .top = 480, .width = 1080, .height = 480,
     .container = "Frame1", .windowless = true},
    {.name = "Line2", .kind = K::Line, .left = 240, .top = 720, .width = 1080, .height = 720,
     .container = "Frame1", .windowless = true},
    {.name = "Line3", .kind = K::Line, .left = 240, .top = 780, .width = 1080, .height = 780,
     .container = "Frame1", .windowless = true},
};
// clang-format on

constexpr int CellLeft = 240;
constexpr int CellTop = 360;
constexpr int CellWidth = 1320;
constexpr int CellHeight = 1080;
constexpr int CellsAcross = 4;
constexpr int Levels = 6;
// The level list's last entry, after the levels: a sheet of the student's own weak facts.
constexpr int ReviewEntry = 0;
} // namespace

PrintWindow::PrintWindow(const Session &session)
    : m_session(session)
{
    setWindowTitle(tr("Print Excerises"));
    setClientSizeTwips(12000, 8610);
    controls().createAll(Design);
    // Cell by cell, each cell's controls in the order of its design rows.
    for (int n = 1; n <= worksheet::Questions; ++n) {
        const int dx = CellLeft + CellWidth * ((n - 1) % CellsAcross);
        const int dy = CellTop + CellHeight * ((n - 1) / CellsAcross);
        auto *number
            = static_cast<ui::WindowlessLabel *>(controls().createElement(Cell[0], n, dx, dy));
        number->setText(tr("No.%1").arg(n, 2));
        m_firstOperands.append(controls().createElement(Cell[1], n, dx, dy));
        controls().createElement(Cell[2], n, dx, dy); // the plus sign
        m_secondOperands.append(controls().createElement(Cell[3], n, dx, dy));
        for (int line = 4; line <= 6; ++line) { // the answer's lines
            controls().createElement(Cell[line], n, dx, dy);
        }
    }
    controls().applyTabOrder();

    m_preview = controls().get<QGroupBox>("Frame1");
    m_level = controls().get<QComboBox>("Combo1");
    auto *newQuestions = controls().get<QPushButton>("CmdNew");
    m_print = controls().get<QPushButton>("cmdPrint");
    auto *toMenu = controls().get<QPushButton>("Command1");

    for (int level = 1; level <= Levels; ++level) {
        m_level->addItem(tr("Level %1").arg(level), level);
    }
    m_level->addItem(tr("Review"), ReviewEntry);

    // Choosing a level, even the same one, makes new questions, as NEW does.
    connect(newQuestions, &QPushButton::clicked, this, &PrintWindow::setNewQuestions);
    connect(m_level, &QComboBox::activated, this, &PrintWindow::setNewQuestions);
    connect(m_print, &QPushButton::clicked, this, &PrintWindow::askAndPrint);
    connect(toMenu, &QPushButton::clicked, this, &QWidget::close);

    m_layout.recordDesign(this, controls());
    m_level->setCurrentIndex(0);
    setNewQuestions();
}

void PrintWindow::scaleControls()
{
    m_layout.rescale(this, controls());
}

void PrintWindow::setNewQuestions()
{
    const int index = qMax(0, m_level->currentIndex());
    const int level = m_level->itemData(index).toInt();
    m_review = level == ReviewEntry;
    if (m_review) {
        QString problem;
        m_questions.clear();
        for (const reviewsheet::Item &item :
             reviewsheet::drawFor(m_session.currentStudent().value_or(QByteArray()),
                                  worksheet::Questions, ui::randomDraw, &problem)) {
            m_questions.append(item.question);
        }
        if (!problem.isEmpty()) {
            ui::warn(this, problem);
        }
    } else {
        m_questions = questiongenerator::generate(level, worksheet::Questions, ui::randomDraw);
    }
    for (int n = 1; n <= worksheet::Questions; ++n) {
        const Question &q = m_questions.at(n - 1);
        m_firstOperands[n]->setText(QString::number(q.first));
        m_secondOperands[n]->setText(QString::number(q.second));
    }
    m_preview->setVisible(true);
    m_print->setEnabled(true);
}

void PrintWindow::askAndPrint()
{
    if (ui::askYesNo(this, tr("Do you want to print exercise?"))) {
        printWorksheet();
    }
}

worksheet::Set PrintWindow::worksheetSet() const
{
    worksheet::Set set;
    for (int n = 1; n <= worksheet::Questions; ++n) {
        const Question &q = m_questions.at(n - 1);
        set[std::size_t(n - 1)] = {QString::number(q.first), QString::number(q.second), q.sum};
    }
    return set;
}

void PrintWindow::printWorksheet()
{
    const worksheet::Set set = worksheetSet();
    // A review sheet is one pupil's own: it says whose, and from when.
    const QString heading = m_review
        ? tr("Review for %1, %2")
              .arg(StudentList::displayName(m_session.currentStudent().value_or(QByteArray())),
                   QLocale().toString(ui::now().date(), QLocale::LongFormat))
        : QString();
    const auto page
        = [&set, &heading](PrintSurface &surface) { worksheet::print(surface, set, heading); };
    const QString title = tr("sumtrail worksheet");

    printing::printOrSavePdf(this,
                             {title, tr("Do you want to save the worksheet as a PDF file instead?"),
                              tr("Save Worksheet"), tr("worksheet.pdf")},
                             page);
}

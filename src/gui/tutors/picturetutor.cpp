// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturetutor.h"

#include "gui/base/placement.h"
#include "gui/base/twips.h"
#include "gui/base/wingdings.h"
#include "gui/seams/beep.h"
#include "gui/seams/random.h"

#include <QLabel>
#include <QPushButton>

namespace {
using namespace ui;
using K = ControlKind;

// The design tables keep one control to a few lines, as the designer laid them out.
// clang-format off
constexpr const char *DesignPicture = wingdings::utf8(wingdings::SmilingFace);

const ControlSpec PanelDesign = {.name = "Frame1", .kind = K::Panel, .left = 120, .top = 120,
                                 .width = 10335, .height = 3975, .back = colours::DarkPurple,
                                 .accessibleName = QT_TRANSLATE_NOOP("PictureTutor", "Picture sum")};

const ControlSpec Design[] = {
    {.name = "lblop1", .kind = K::Label, .caption = "10", .left = 1800, .top = 360, .width = 1335,
     .height = 1095, .font = arial(48), .fore = colours::Pink, .back = colours::DarkPurple,
     .container = "Frame1", .accessibleName = QT_TRANSLATE_NOOP("PictureTutor", "First number")},
    {.name = "lblplus", .kind = K::Label, .caption = "+", .left = 4200, .top = 360, .width = 855,
     .height = 1095, .font = arial(48), .fore = colours::Pink, .back = colours::DarkPurple,
     .container = "Frame1", .accessibleName = QT_TRANSLATE_NOOP("PictureTutor", "plus")},
    {.name = "lblop2", .kind = K::Label, .caption = "10", .left = 5880, .top = 360, .width = 1335,
     .height = 1095, .font = arial(48), .fore = colours::Yellow, .back = colours::DarkPurple,
     .container = "Frame1", .accessibleName = QT_TRANSLATE_NOOP("PictureTutor", "Second number")},
};

// The second operand's row, and the twenty places in two rows of ten: element i of each
// stands 600 twips right of element i - 1, a second row 720 twips below the first.
const ControlSpec PictureDesign = {.name = "lblsym2", .kind = K::Label, .caption = DesignPicture,
                                   .left = 4200, .top = 1560, .width = 495, .height = 615,
                                   .font = wingdings::font(24), .fore = colours::Yellow,
                                   .back = colours::DarkPurple, .container = "Frame1",
                                   .accessibleName =
                                       QT_TRANSLATE_NOOP("PictureTutor", "Picture of the second number")};
const ControlSpec PlaceDesign = {.name = "lblplace", .kind = K::Label, .caption = DesignPicture,
                                 .left = 240, .top = 2400, .width = 495, .height = 615,
                                 .font = wingdings::font(24), .fore = colours::Grey,
                                 .back = colours::DarkPurple, .container = "Frame1",
                                 .accessibleName = QT_TRANSLATE_NOOP("PictureTutor", "Counting place")};
constexpr int PictureStep = 600;
constexpr int RowStep = 720;

const ControlSpec CountDesign[] = {
    {.name = "lblline1", .kind = K::Label, .caption = "10", .left = 6240, .top = 2400, .width = 615,
     .height = 495, .font = arial(21.75), .fore = colours::LightPink, .back = colours::DarkPurple,
     .container = "Frame1",
     .accessibleName = QT_TRANSLATE_NOOP("PictureTutor", "Pictures in the first row")},
    {.name = "lblline2", .kind = K::Label, .caption = "10", .left = 6240, .top = 3120, .width = 615,
     .height = 495, .font = arial(21.75), .fore = colours::LightPink, .back = colours::DarkPurple,
     .container = "Frame1",
     .accessibleName = QT_TRANSLATE_NOOP("PictureTutor", "Pictures in the second row")},
    {.name = "lblanswer", .kind = K::Label, .caption = "10", .left = 7560, .top = 2280,
     .width = 1695, .height = 1455, .font = arial(72, true), .fore = colours::Olive,
     .back = colours::DarkPurple, .container = "Frame1",
     .accessibleName = QT_TRANSLATE_NOOP("PictureTutor", "Pictures counted")},
    {.name = "cmdplus", .kind = K::Button, .caption = "+", .left = 7080, .top = 4320, .width = 3135,
     .height = 2175, .font = arial(48, true), .tabIndex = 0,
     .accessibleName = QT_TRANSLATE_NOOP("PictureTutor", "Add one"),
     .accessibleDescription =
         QT_TRANSLATE_NOOP("PictureTutor", "Move one picture of the second number down and count it")},
    {.name = "Label1", .kind = K::Label, .caption = "10 + 10 = 20", .left = 600, .top = 5160,
     .width = 5535, .height = 1335, .font = arial(48, true), .fore = colours::DarkRed,
     .visible = false, .accessibleName = QT_TRANSLATE_NOOP("PictureTutor", "Sum")},
    {.name = "cmdexit", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("PictureTutor", "Exit"),
     .left = 7080, .top = 6600, .width = 3135, .height = 1095, .font = sansSerif(18, true),
     .tabIndex = 1, .enabled = false,
     .accessibleDescription =
         QT_TRANSLATE_NOOP("PictureTutor", "Close the tutor and go back to the exercise")},
};

// clang-format on

Rgb colourOf(PictureCount::Shade shade)
{
    switch (shade) {
    case PictureCount::Shade::Pink:
        return colours::Pink;
    case PictureCount::Shade::Yellow:
        return colours::Yellow;
    case PictureCount::Shade::Grey:
        break;
    }
    return colours::Grey;
}
} // namespace

PictureTutor::PictureTutor(const Question &question, QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
    , m_controls(this)
{
    setWindowTitle(tr("Tutor"));
    ui::setClientSizeTwips(this, 10545, 7860);

    m_controls.create(PanelDesign);
    m_controls.createAll(Design);
    for (int i = 0; i < PictureCount::Pictures; ++i) {
        m_pictures.append(m_controls.createElement(PictureDesign, i, PictureStep * i));
    }
    for (int i = 0; i < PictureCount::Places; ++i) {
        const int row = i / PictureCount::RowLength;
        const int col = i % PictureCount::RowLength;
        m_places.append(m_controls.createElement(PlaceDesign, i, PictureStep * col, RowStep * row));
    }
    m_controls.createAll(CountDesign);
    m_controls.applyTabOrder();
    ui::fitDesignToScreen(this, m_controls);

    m_first = m_controls.get<QLabel>("lblop1");
    m_second = m_controls.get<QLabel>("lblop2");
    m_firstRowCount = m_controls.get<QLabel>("lblline1");
    m_secondRowCount = m_controls.get<QLabel>("lblline2");
    m_total = m_controls.get<QLabel>("lblanswer");
    m_addOne = m_controls.get<QPushButton>("cmdplus");
    m_sumLine = m_controls.get<QLabel>("Label1");
    m_exit = m_controls.get<QPushButton>("cmdexit");

    // Neither button is pressed by Enter: the pupil presses "+" on purpose.
    m_addOne->setAutoDefault(false);
    m_exit->setAutoDefault(false);
    m_addOne->setFocus();

    connect(m_addOne, &QPushButton::clicked, this, &PictureTutor::addOne);
    connect(m_exit, &QPushButton::clicked, this, &QDialog::accept);

    explain(question);
}

void PictureTutor::explain(const Question &question)
{
    for (int i = 0; i < int(m_pictureGlyphs.size()); ++i) {
        m_pictureGlyphs[i] = ui::wingdings::glyph(PictureCount::PictureCodes[i]);
    }
    m_picture = PictureCount::drawPicture(ui::randomDraw);
    m_count.initialize(question);
    for (int i = 0; i < PictureCount::Places; ++i) {
        m_places[i]->setText(m_pictureGlyphs[m_picture]);
    }
    for (int i = 0; i < PictureCount::Pictures; ++i) {
        m_pictures[i]->setText(m_pictureGlyphs[m_picture]);
    }
    showCount();
}

void PictureTutor::addOne()
{
    m_count.press();
    showCount();
    ui::beep();
}

void PictureTutor::showCount()
{
    const PictureCount &c = m_count;
    m_first->setText(QString::number(c.first()));
    m_second->setText(QString::number(c.second()));
    for (int i = 0; i < PictureCount::Places; ++i) {
        ui::setForeColour(m_places[i], colourOf(c.placeShade(i)));
    }
    for (int i = 0; i < PictureCount::Pictures; ++i) {
        ui::setForeColour(m_pictures[i], colourOf(c.pictureShade(i)));
        m_pictures[i]->setEnabled(c.pictureShown(i));
        m_pictures[i]->setVisible(c.pictureShown(i));
    }
    m_firstRowCount->setText(QString::number(c.firstRowCount()));
    m_secondRowCount->setText(QString::number(c.secondRowCount()));
    m_secondRowCount->setVisible(c.secondRowCountShown());
    m_total->setText(QString::number(c.total()));
    if (c.finished()) {
        ui::setForeColour(m_total, colours::LightYellow);
        m_sumLine->setText(c.sumLine());
        m_sumLine->setVisible(true);
        // "Exit" opens before "+" is locked, so the focus passes from one to the other.
        m_exit->setEnabled(true);
        m_addOne->setEnabled(false);
    }
}

#include "picturetutor.h"

#include "core/exercise/addmodule.h"
#include "gui/base/twips.h"
#include "gui/base/wingdings.h"
#include "gui/seams/beep.h"

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

PictureTutor::PictureTutor(QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
    , m_controls(this)
{
    setWindowTitle(tr("Tutor"));
    ui::setClientSizeTwips(this, 10545, 7860);

    Frame1 = qobject_cast<QWidget *>(m_controls.create(PanelDesign));
    m_controls.createAll(Design);
    for (int i = 0; i < PictureCount::Pictures; ++i) {
        lblsym2.append(m_controls.createElement(PictureDesign, i, PictureStep * i));
    }
    for (int i = 0; i < PictureCount::Places; ++i) {
        const int row = i / PictureCount::RowLength;
        const int col = i % PictureCount::RowLength;
        lblplace.append(m_controls.createElement(PlaceDesign, i, PictureStep * col, RowStep * row));
    }
    m_controls.createAll(CountDesign);
    m_controls.applyTabOrder();

    lblop1 = m_controls.get<QLabel>("lblop1");
    lblplus = m_controls.get<QLabel>("lblplus");
    lblop2 = m_controls.get<QLabel>("lblop2");
    lblline1 = m_controls.get<QLabel>("lblline1");
    lblline2 = m_controls.get<QLabel>("lblline2");
    lblanswer = m_controls.get<QLabel>("lblanswer");
    cmdplus = m_controls.get<QPushButton>("cmdplus");
    Label1 = m_controls.get<QLabel>("Label1");
    cmdexit = m_controls.get<QPushButton>("cmdexit");

    // Neither button is pressed by Enter: the pupil presses "+" on purpose.
    cmdplus->setAutoDefault(false);
    cmdexit->setAutoDefault(false);
    cmdplus->setFocus();

    connect(cmdplus, &QPushButton::clicked, this, &PictureTutor::cmdplus_Click);
    connect(cmdexit, &QPushButton::clicked, this, &QDialog::accept);
}

void PictureTutor::initialize(qint16 &q_no)
{
    for (int i = 0; i < int(PicChars.size()); ++i) {
        PicChars[i] = ui::wingdings::glyph(PictureCount::PictureCodes[i]);
    }
    PicIndex = PictureCount::drawPicture();
    if (q_no < 0 || q_no >= AddModule::Size) {
        return; // no such question: the window stays as designed
    }
    m_count.initialize(AddModule::FirstNum[q_no], AddModule::SecondNum[q_no]);
    for (int i = 0; i < PictureCount::Places; ++i) {
        lblplace[i]->setText(PicChars[PicIndex]);
    }
    for (int i = 0; i < PictureCount::Pictures; ++i) {
        lblsym2[i]->setText(PicChars[PicIndex]);
    }
    showCount();
}

void PictureTutor::cmdplus_Click()
{
    m_count.press();
    showCount();
    ui::beep();
}

void PictureTutor::showCount()
{
    const PictureCount &c = m_count;
    lblop1->setText(QString::number(c.first()));
    lblop2->setText(QString::number(c.second()));
    for (int i = 0; i < PictureCount::Places; ++i) {
        ui::setForeColour(lblplace[i], colourOf(c.placeShade(i)));
    }
    for (int i = 0; i < PictureCount::Pictures; ++i) {
        ui::setForeColour(lblsym2[i], colourOf(c.pictureShade(i)));
        lblsym2[i]->setEnabled(c.pictureShown(i));
        lblsym2[i]->setVisible(c.pictureShown(i));
    }
    lblline1->setText(QString::number(c.firstRowCount()));
    lblline2->setText(QString::number(c.secondRowCount()));
    lblline2->setVisible(c.secondRowCountShown());
    lblanswer->setText(QString::number(c.total()));
    if (c.finished()) {
        ui::setForeColour(lblanswer, colours::LightYellow);
        Label1->setText(c.sumLine());
        Label1->setVisible(true);
        // "Exit" opens before "+" is locked, so the focus passes from one to the other.
        cmdexit->setEnabled(true);
        cmdplus->setEnabled(false);
    }
}

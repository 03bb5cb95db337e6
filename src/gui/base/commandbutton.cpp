#include "commandbutton.h"

#include "paintbands.h"

#include <QPaintEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

CommandButton::CommandButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
}

void CommandButton::paintEvent(QPaintEvent *event)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    // The style draws the face and the focus frame; the caption is drawn here so it can wrap.
    option.text.clear();
    ui::paintInBands(painter, event->rect(),
                     [&] { painter.drawControl(QStyle::CE_PushButton, option); });
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(contents, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                         option.palette, isEnabled(), caption, QPalette::ButtonText);
}

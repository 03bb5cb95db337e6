// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "twips.h"

#include <QWidget>
#include <cmath>

namespace ui {

int twipsToPixels(double twips)
{
    // nearbyint follows the default rounding mode: halves go to the even neighbour.
    return static_cast<int>(std::nearbyint(twips / TwipsPerPixel));
}

QRect twipsRect(double left, double top, double width, double height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

int leftTwips(const QWidget *w)
{
    return pixelsToTwips(w->x());
}
int topTwips(const QWidget *w)
{
    return pixelsToTwips(w->y());
}
int widthTwips(const QWidget *w)
{
    return pixelsToTwips(w->width());
}
int heightTwips(const QWidget *w)
{
    return pixelsToTwips(w->height());
}

void setLeftTwips(QWidget *w, double left)
{
    w->move(twipsToPixels(left), w->y());
}
void setTopTwips(QWidget *w, double top)
{
    w->move(w->x(), twipsToPixels(top));
}
void setWidthTwips(QWidget *w, double width)
{
    w->resize(twipsToPixels(width), w->height());
}
void setHeightTwips(QWidget *w, double height)
{
    w->resize(w->width(), twipsToPixels(height));
}

void setGeometryTwips(QWidget *w, double left, double top, double width, double height)
{
    w->setGeometry(twipsRect(left, top, width, height));
}

void setClientSizeTwips(QWidget *window, double width, double height)
{
    window->resize(twipsToPixels(width), twipsToPixels(height));
}

QSize outerSizeTwips(const QWidget *window)
{
    const QSize outer = window->frameGeometry().size();
    return QSize(pixelsToTwips(outer.width()), pixelsToTwips(outer.height()));
}

QSize frameExtraTwips(const QWidget *window)
{
    const QSize extra = window->frameGeometry().size() - window->size();
    return QSize(pixelsToTwips(extra.width()), pixelsToTwips(extra.height()));
}

} // namespace ui

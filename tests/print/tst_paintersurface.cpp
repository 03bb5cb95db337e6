// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/print/paintersurface.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {
constexpr double TwipsPerInch = 1440;

// A blank page of three by two inches at the given resolution, as a printer's printable area.
QImage page(int dpiX, int dpiY)
{
    QImage image(3 * dpiX, 2 * dpiY, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpiX / 0.0254));
    image.setDotsPerMeterY(qRound(dpiY / 0.0254));
    image.fill(Qt::white);
    return image;
}

QFont fontOf(const QString &family, double points)
{
    QFont font(family);
    font.setPointSizeF(points);
    return font;
}

// Text drawn as a page with its top-left corner at a place in the device's pixels.
struct Placed
{
    QPointF topLeft;
    QFont font;
    QString text;
};

// The page as the toolkit lays out text in a box from its top-left corner: what the
// surface must print, worked out without it.
QImage expected(QImage image, const QList<Placed> &texts)
{
    QPainter painter(&image);
    painter.setPen(Qt::black);
    for (const Placed &t : texts) {
        painter.setFont(t.font);
        painter.drawText(QRectF(t.topLeft, QSizeF(image.size())), Qt::AlignLeft | Qt::AlignTop,
                         t.text);
    }
    return image;
}
} // namespace

// The printed worksheet's placement: twips from the top-left of the printable area become the
// device's pixels at its own resolution, lines step by the current font, a new face or size
// applies from the next text on, and the widths the worksheet aligns by are the widths drawn.
class tst_paintersurface : public QObject
{
    Q_OBJECT
private slots:
    // At a resolution that differs across and down, from a place between pixels.
    void printsAtTheCursor()
    {
        const int dpiX = 300;
        const int dpiY = 150;
        const double x = 1010; // twips
        const double y = 1450;
        const QString family = "Arial";
        const QString other = "Times New Roman";
        const double points = 12;
        QImage printed = page(dpiX, dpiY);
        const QImage blank = printed;
        const QFontMetricsF first(fontOf(family, points), &blank);
        const double line = QFontMetricsF(fontOf(other, points), &blank).lineSpacing(); // pixels
        {
            PainterSurface surface(&printed);
            QVERIFY(surface.active());
            surface.setFontName(family);
            surface.setFontSize(points);
            surface.setCurrentX(x);
            surface.setCurrentY(y);
            const double width = surface.textWidth("12 + ");
            // The width in twips is the width the device draws, at its own resolution.
            QCOMPARE(qRound(width * dpiX / TwipsPerInch), qRound(first.horizontalAdvance("12 + ")));
            surface.print("12 + ");
            surface.setFontName(other);
            surface.printLine("34"); // then down by a line of the font in use
            QCOMPARE(surface.lineHeight(), line * TwipsPerInch / dpiY);
            surface.setFontSize(2 * points);
            surface.print("= 46");
            surface.endDoc();
            QVERIFY(surface.ended());
        }
        const QPointF at(x * dpiX / TwipsPerInch, y * dpiY / TwipsPerInch);
        const QImage wanted = expected(
            blank,
            {{at, fontOf(family, points), "12 + "},
             {at + QPointF(first.horizontalAdvance("12 + "), 0), fontOf(other, points), "34"},
             {QPointF(0, at.y() + line), fontOf(other, 2 * points), "= 46"}});
        QVERIFY(printed == wanted);
    }
};

QTEST_MAIN(tst_paintersurface)
#include "tst_paintersurface.moc"

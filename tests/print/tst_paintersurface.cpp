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
    // At a resolution that differs across and down (300 x 150 dpi), from a place between pixels.
    void printsAtTheCursor()
    {
        QImage printed = page(300, 150);
        const QImage blank = printed;
        const QFont arial = fontOf("Arial", 12);
        const QFont times = fontOf("Times New Roman", 12);
        const double line = QFontMetricsF(times, &blank).lineSpacing(); // pixels
        const double advance = QFontMetricsF(arial, &blank).horizontalAdvance("12 + ");
        {
            PainterSurface surface(&printed);
            QVERIFY(surface.active());
            surface.setFontName("Arial");
            surface.setFontSize(12);
            surface.setCurrentX(1010); // twips
            surface.setCurrentY(1450);
            // The width in twips is the width the device draws, at its own resolution.
            QCOMPARE(qRound(surface.textWidth("12 + ") * 300 / TwipsPerInch), qRound(advance));
            surface.print("12 + ");
            surface.setFontName("Times New Roman");
            surface.printLine("34"); // then down by a line of the font in use
            QCOMPARE(surface.lineHeight(), line * TwipsPerInch / 150);
            surface.setFontSize(24);
            surface.print("= 46");
            surface.endDoc();
            QVERIFY(surface.ended());
        }
        const QPointF at(1010 * 300 / TwipsPerInch, 1450 * 150 / TwipsPerInch);
        const QImage wanted
            = expected(blank,
                       {{at, arial, "12 + "},
                        {at + QPointF(advance, 0), times, "34"},
                        {QPointF(0, at.y() + line), fontOf("Times New Roman", 24), "= 46"}});
        QVERIFY(printed == wanted);
    }
};

QTEST_MAIN(tst_paintersurface)
#include "tst_paintersurface.moc"

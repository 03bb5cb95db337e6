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
// device's pixels at its own resolution, lines step by the current font, and the widths the
// worksheet aligns by are the widths drawn.
class tst_paintersurface : public QObject
{
    Q_OBJECT
private slots:
    void printsAtTheCursor_data()
    {
        QTest::addColumn<int>("dpiX");
        QTest::addColumn<int>("dpiY");
        QTest::addColumn<double>("x"); // twips
        QTest::addColumn<double>("y");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::newRow("between pixels, screen") << 96 << 96 << 100.0 << 250.0 << "Arial" << 12.0;
        QTest::newRow("600 dpi, Times")
            << 600 << 600 << 2000.0 << 120.0 << "Times New Roman" << 7.5;
        QTest::newRow("300 x 150 dpi") << 300 << 150 << 1440.0 << 1440.0 << "Arial" << 12.0;
    }
    void printsAtTheCursor()
    {
        QFETCH(int, dpiX);
        QFETCH(int, dpiY);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QString, family);
        QFETCH(double, points);
        const QString text = QStringLiteral("12 + 34 = ______");
        QImage printed = page(dpiX, dpiY);
        const QImage blank = printed;
        double width = 0;
        {
            PainterSurface surface(&printed);
            QVERIFY(surface.active());
            surface.setFontName(family);
            surface.setFontSize(points);
            surface.setCurrentX(x);
            surface.setCurrentY(y);
            width = surface.textWidth(text);
            surface.print(text);
            QCOMPARE(surface.currentX(), x + width); // on along the line
            QCOMPARE(surface.currentY(), y);
            surface.endDoc();
            QVERIFY(surface.ended());
        }
        const QImage wanted = expected(blank,
                                       {{QPointF(x * dpiX / TwipsPerInch, y * dpiY / TwipsPerInch),
                                         fontOf(family, points), text}});
        QVERIFY(printed == wanted);
        // The width in twips is the width the device draws, at its own resolution.
        const QFontMetricsF onPaper(fontOf(family, points), &blank);
        QCOMPARE(qRound(width * dpiX / TwipsPerInch), qRound(onPaper.horizontalAdvance(text)));
    }

    // Down by one line of the font in use, and back to the left edge of the printable area.
    void printLineStartsTheNextLine_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<double>("points");
        QTest::newRow("96 dpi, 24 pt") << 96 << 24.0;
        QTest::newRow("300 dpi, 10 pt") << 300 << 10.0;
    }
    void printLineStartsTheNextLine()
    {
        QFETCH(int, dpi);
        QFETCH(double, points);
        QImage printed = page(dpi, dpi);
        const QImage blank = printed;
        const QFont font = fontOf("Arial", points);
        const double line = QFontMetricsF(font, &blank).lineSpacing(); // pixels
        {
            PainterSurface surface(&printed);
            surface.setFontName("Arial");
            surface.setFontSize(points);
            surface.setCurrentX(720);
            surface.setCurrentY(360);
            surface.printLine("1. 12");
            QCOMPARE(surface.currentX(), 0.0);
            QCOMPARE(qRound(surface.currentY() * dpi / TwipsPerInch), qRound(dpi / 4.0 + line));
            QCOMPARE(surface.lineHeight(), line * TwipsPerInch / dpi);
            surface.printLine("2. 34");
            surface.print("3. 56");
        }
        const double top = dpi / 4.0;
        const QImage wanted = expected(blank,
                                       {{QPointF(dpi / 2.0, top), font, "1. 12"},
                                        {QPointF(0, top + line), font, "2. 34"},
                                        {QPointF(0, top + 2 * line), font, "3. 56"}});
        QVERIFY(printed == wanted);
    }

    // A new face or size applies from the next text on, the cursor moving by the old one's.
    void fontChangesApplyToWhatFollows()
    {
        QImage printed = page(200, 200);
        const QImage blank = printed;
        {
            PainterSurface surface(&printed);
            surface.setFontName("Arial");
            surface.setFontSize(12);
            surface.print("7 + ");
            surface.setFontName("Times New Roman");
            surface.print("8 ");
            surface.setFontSize(30);
            surface.print("= 15");
        }
        const QFont arial = fontOf("Arial", 12);
        const QFont times = fontOf("Times New Roman", 12);
        const double afterArial = QFontMetricsF(arial, &blank).horizontalAdvance("7 + ");
        const double afterTimes = afterArial + QFontMetricsF(times, &blank).horizontalAdvance("8 ");
        const QImage wanted
            = expected(blank,
                       {{QPointF(0, 0), arial, "7 + "},
                        {QPointF(afterArial, 0), times, "8 "},
                        {QPointF(afterTimes, 0), fontOf("Times New Roman", 30), "= 15"}});
        QVERIFY(printed == wanted);
    }
};

QTEST_MAIN(tst_paintersurface)
#include "tst_paintersurface.moc"

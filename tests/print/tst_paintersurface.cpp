#include "print/paintersurface.h"
#include "ui/fonts.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTest>

// Pages drawn on images whose resolution makes the arithmetic plain: at 1440 dots per
// inch one pixel is one twip.
class tst_PainterSurface : public QObject
{
    Q_OBJECT

private:
    static QImage page(int dpi)
    {
        QImage image(dpi * 2, dpi * 2, QImage::Format_RGB32);
        image.fill(Qt::white);
        const int dotsPerMeter = qRound(dpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }

    // The smallest rectangle that holds every dark pixel.
    static QRect ink(const QImage &image)
    {
        QRect box;
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(line[x]) < 128) {
                    box |= QRect(x, y, 1, 1);
                }
            }
        }
        return box;
    }

    static QFontMetricsF arialOn(const QImage &image, double points)
    {
        return QFontMetricsF(ui::fontFor(ui::arial(points)), &image);
    }

private slots:
    // Positions are twips at any resolution, and the cursor is the top-left corner of the
    // text's line box: the capital stands on the baseline one ascent below it.
    void textHangsFromTheCursor_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::newRow("1440 dpi, a dot a twip") << 1440;
        QTest::newRow("300 dpi") << 300;
    }

    void textHangsFromTheCursor()
    {
        QFETCH(int, dpi);
        QImage image = page(dpi);
        {
            PainterSurface surface(&image);
            QVERIFY(surface.active());
            surface.setFontName(QStringLiteral("Arial"));
            surface.setFontSize(20);
            surface.setCurrentX(1440);
            surface.setCurrentY(720);
            surface.print(QStringLiteral("H"));
            surface.endDoc();
            QVERIFY(surface.ended());
        }
        const QRect box = ink(image);
        const double baseline = dpi / 2 + arialOn(image, 20).ascent();
        QVERIFY2(qAbs(box.bottom() + 1 - baseline) <= 3,
                 qPrintable(QStringLiteral("baseline at %1").arg(box.bottom() + 1)));
        QVERIFY(box.top() > dpi / 2);
        QVERIFY2(box.left() >= dpi && box.left() < dpi + dpi / 18,
                 qPrintable(QStringLiteral("ink starts at %1").arg(box.left())));
    }

    void printMovesAlongAndPrintLineGoesDownOneLine()
    {
        const double points = 8;
        QImage image = page(1440);
        PainterSurface surface(&image);
        surface.setFontName(QStringLiteral("Arial"));
        surface.setFontSize(points);
        surface.setCurrentX(780);
        surface.setCurrentY(1000);
        const QString text = QStringLiteral("7) 15");
        const double width = surface.textWidth(text);
        QVERIFY(qAbs(width - arialOn(image, points).horizontalAdvance(text)) < 0.01);

        surface.print(text);
        QCOMPARE(surface.currentX(), 780 + width);
        QCOMPARE(surface.currentY(), 1000.0);

        surface.printLine(QStringLiteral(" "));
        QCOMPARE(surface.currentX(), 0.0);
        QCOMPARE(surface.currentY(), 1000 + arialOn(image, points).lineSpacing());
    }

    void aDeviceThatCannotBeOpenedIsNotActive()
    {
        QImage none;
        QTest::ignoreMessage(QtWarningMsg,
                             "QPainter::begin: Paint device returned engine == 0, type: 3");
        PainterSurface surface(&none);
        QVERIFY(!surface.active());
        surface.print(QStringLiteral("1"));
        surface.endDoc();
        QVERIFY(!surface.ended());
    }
};

QTEST_MAIN(tst_PainterSurface)
#include "tst_paintersurface.moc"

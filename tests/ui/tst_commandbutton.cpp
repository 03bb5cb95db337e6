#include "ui/commandbutton.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QImage>
#include <QTest>

namespace {
// Bands of pixel rows that hold dark caption pixels: one band per line of caption.
int captionLines(QWidget &button)
{
    const QImage image = button.grab().toImage();
    int bands = 0;
    bool inBand = false;
    // Keep clear of the button's frame.
    for (int y = 4; y < image.height() - 4; ++y) {
        bool dark = false;
        for (int x = 4; x < image.width() - 4 && !dark; ++x) {
            dark = qGray(image.pixel(x, y)) < 64;
        }
        if (dark && !inBand) {
            ++bands;
        }
        inBand = dark;
    }
    return bands;
}
} // namespace

class TestCommandButton : public QObject
{
    Q_OBJECT
private slots:
    void captionWrapsOnlyWhenTooWide_data();
    void captionWrapsOnlyWhenTooWide();
};

void TestCommandButton::captionWrapsOnlyWhenTooWide_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("widthTwips");
    QTest::addColumn<int>("lines");
    QTest::newRow("narrow") << "HELP ME" << 1455 << 2;
    QTest::newRow("wide") << "HELP ME" << 4000 << 1;
    QTest::newRow("one word") << "NEW" << 3375 << 1;
}

void TestCommandButton::captionWrapsOnlyWhenTooWide()
{
    QFETCH(QString, caption);
    QFETCH(int, widthTwips);
    QFETCH(int, lines);
    CommandButton button(caption);
    button.setFont(ui::fontFor(ui::timesNewRoman(18, true)));
    button.setGeometry(ui::twipsRect(0, 0, widthTwips, 1095));
    QCOMPARE(button.text(), caption);
    QCOMPARE(captionLines(button), lines);
}

QTEST_MAIN(TestCommandButton)
#include "tst_commandbutton.moc"

#include "pdfpage.h"

#include "ui/fonts.h"

#include <QFontMetricsF>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace pdfpage {

namespace {

constexpr double TwipsPerPoint = 20;
constexpr double Tolerance = 0.5; // points

// A word as pdftotext places it, in points from the page's top-left; its bottom follows
// the baseline.
struct Word
{
    QString text;
    double xMin = 0;
    double xMax = 0;
    double yMax = 0;
};

// A word the layout asks for, in twips: its left edge, or its right edge when alignRight,
// and the top of its printed line.
struct Expected
{
    QString text;
    double points = 0;
    double x = 0;
    bool alignRight = false;
    double top = 0;
};

double twipsWide(const QString &text, double points)
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(1440 / 0.0254));
        image.setDotsPerMeterY(qRound(1440 / 0.0254));
        return image;
    }();
    return QFontMetricsF(ui::fontFor(ui::arial(points)), &device).horizontalAdvance(text);
}

// The words of one printed text, each after the text before it.
void addWords(QList<Expected> &out, const QString &printed, double left, double top, double points)
{
    for (qsizetype start = 0; start < printed.size();) {
        if (printed.at(start) == u' ') {
            ++start;
            continue;
        }
        qsizetype end = printed.indexOf(u' ', start);
        end = end < 0 ? printed.size() : end;
        out.append({printed.mid(start, end - start), points,
                    left + twipsWide(printed.left(start), points), false, top});
        start = end;
    }
}

QList<Expected> expectedWords(const worksheet::Set &set, double answerLine)
{
    using namespace worksheet;
    QList<Expected> out;
    for (int n = 1; n <= Questions; ++n) {
        const double x = blockLeft(n);
        const double y = blockTop(n);
        const Entry &e = set[std::size_t(n - 1)];
        addWords(out, numberText(n), x, y, NumberPoints);
        out.append({e.first, OperandPoints, x + OperandRight, true, y});
        out.append({QStringLiteral("+"), OperandPoints, x + 200, false, y + 450});
        out.append({e.second, OperandPoints, x + OperandRight, true, y + 450});
        out.append({QStringLiteral("________"), OperandPoints, x + 200, false, y + 500});
        out.append({QStringLiteral("======"), OperandPoints, x + 450, false, y + 1450});
    }
    addWords(out, tearLine(), Left, TearLineTop, TearLinePoints);
    for (int k = 1; k <= Questions; ++k) {
        const Entry &e = set[std::size_t(k - 1)];
        addWords(out, answerText(k, e.first.toInt() + e.second.toInt()),
                 AnswersLeft + AnswerColumnWidth * ((k - 1) % AnswersPerLine),
                 AnswersTop + answerLine * ((k - 1) / AnswersPerLine), AnswerPoints);
    }
    return out;
}

// The topmost (or lowest) word with the text, leftmost among equals.
const Word *find(const QList<Word> &words, const QString &text, bool lowest)
{
    const Word *best = nullptr;
    for (const Word &w : words) {
        if (w.text == text
            && (!best || (lowest ? w.yMax > best->yMax : w.yMax < best->yMax)
                || (w.yMax == best->yMax && w.xMin < best->xMin))) {
            best = &w;
        }
    }
    return best;
}

} // namespace

bool havePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QStringList checkWorksheet(const QString &pdfPath, const worksheet::Set &set,
                           const QPaintDevice *device)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, "-"});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        return {QStringLiteral("pdftotext failed on %1: %2")
                    .arg(pdfPath, QString::fromLocal8Bit(process.readAllStandardError()))};
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    if (const auto pages = html.count(QStringLiteral("<page ")); pages != 1) {
        return {QStringLiteral("expected one page, found %1").arg(pages)};
    }
    static const QRegularExpression wordTag(QStringLiteral(
        R"re(<word xMin="([-\d.]+)" yMin="[-\d.]+" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
    QList<Word> words;
    for (auto it = wordTag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.append({m.captured(4), m.captured(1).toDouble(), m.captured(2).toDouble(),
                      m.captured(3).toDouble()});
    }

    // Three words fix where the page lies: answer 1 gives the left edge; question 1's
    // number and first operand, both with their tops at 800 but in different sizes, give
    // how far a word's bottom lies below its top for a given point size.
    const Word *answer1 = find(words, QStringLiteral("1)"), true);
    const Word *number1 = find(words, QStringLiteral("1)"), false);
    const Word *operand1 = find(words, set[0].first, false);
    if (!answer1 || !number1 || !operand1) {
        return {QStringLiteral("question 1 or answer 1 is missing from the page")};
    }
    using namespace worksheet;
    const double x0 = answer1->xMin - AnswersLeft / TwipsPerPoint;
    const double perPoint = (operand1->yMax - number1->yMax) / (OperandPoints - NumberPoints);
    const double y0 = number1->yMax - Top / TwipsPerPoint - perPoint * NumberPoints;
    const double answerLine
        = QFontMetricsF(ui::fontFor(ui::arial(AnswerPoints)), device).lineSpacing() * 1440
        / device->logicalDpiY();

    QStringList problems;
    QList<Word> left = words;
    for (const Expected &e : expectedWords(set, answerLine)) {
        const double x = x0 + e.x / TwipsPerPoint;
        const double bottom = y0 + e.top / TwipsPerPoint + perPoint * e.points;
        const auto match = std::find_if(left.begin(), left.end(), [&](const Word &w) {
            return w.text == e.text && std::abs((e.alignRight ? w.xMax : w.xMin) - x) <= Tolerance
                && std::abs(w.yMax - bottom) <= Tolerance;
        });
        if (match == left.end()) {
            problems.append(QStringLiteral("\"%1\" not found with its %2 edge at %3, bottom %4")
                                .arg(e.text, e.alignRight ? "right" : "left")
                                .arg(x, 0, 'f', 2)
                                .arg(bottom, 0, 'f', 2));
        } else {
            left.erase(match);
        }
    }
    for (const Word &w : std::as_const(left)) {
        problems.append(QStringLiteral("unexpected \"%1\" at x %2, bottom %3")
                            .arg(w.text)
                            .arg(w.xMin, 0, 'f', 2)
                            .arg(w.yMax, 0, 'f', 2));
    }
    return problems;
}

} // namespace pdfpage

#include "pdfpage.h"

#include "ui/fonts.h"

#include <QFontMetricsF>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <optional>

namespace pdfpage {

namespace {

constexpr double TwipsPerPoint = 20;
constexpr double Tolerance = 0.5; // points

// Widths of Arial text as a printer measures them, in twips.
double widthTwips(const QString &text, double points)
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(1440 / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return QFontMetricsF(ui::fontFor(ui::arial(points)), &device).horizontalAdvance(text);
}

struct Expected
{
    QString text;
    double points = 0;
    double x = 0; // twips: the word's left edge, or its right edge when alignRight
    bool alignRight = false;
    double top = 0; // twips: the top of the printed line
};

// The words of one printed text, each placed after the text before it.
void addWords(QList<Expected> &out, const QString &printed, double left, double top, double points)
{
    qsizetype start = 0;
    while (start < printed.size()) {
        if (printed.at(start) == QLatin1Char(' ')) {
            ++start;
            continue;
        }
        qsizetype end = printed.indexOf(QLatin1Char(' '), start);
        if (end < 0) {
            end = printed.size();
        }
        out.append({printed.mid(start, end - start), points,
                    left + widthTwips(printed.left(start), points), false, top});
        start = end;
    }
}

QList<Expected> expectedWords(const worksheet::Set &set, double answerLine)
{
    QList<Expected> out;
    for (int n = 1; n <= worksheet::Questions; ++n) {
        const double x = worksheet::blockLeft(n);
        const double y = worksheet::blockTop(n);
        const worksheet::Entry &e = set[std::size_t(n - 1)];
        addWords(out, worksheet::numberText(n), x, y, worksheet::NumberPoints);
        out.append({e.first, worksheet::OperandPoints, x + worksheet::OperandRight, true, y});
        out.append({QStringLiteral("+"), worksheet::OperandPoints, x + 200, false, y + 450});
        out.append(
            {e.second, worksheet::OperandPoints, x + worksheet::OperandRight, true, y + 450});
        out.append({QStringLiteral("________"), worksheet::OperandPoints, x + 200, false, y + 500});
        out.append({QStringLiteral("======"), worksheet::OperandPoints, x + 450, false, y + 1450});
    }
    addWords(out, worksheet::tearLine(), worksheet::Left, worksheet::TearLineTop,
             worksheet::TearLinePoints);
    for (int k = 1; k <= worksheet::Questions; ++k) {
        const worksheet::Entry &e = set[std::size_t(k - 1)];
        const int sum = e.first.toInt() + e.second.toInt();
        const int line = (k - 1) / worksheet::AnswersPerLine;
        addWords(out, worksheet::answerText(k, sum),
                 worksheet::AnswersLeft
                     + worksheet::AnswerColumnWidth * ((k - 1) % worksheet::AnswersPerLine),
                 worksheet::AnswersTop + answerLine * line, worksheet::AnswerPoints);
    }
    return out;
}

std::optional<Word> find(const QList<Word> &words, const QString &text, bool lowest)
{
    std::optional<Word> best;
    for (const Word &w : words) {
        if (w.text != text) {
            continue;
        }
        if (!best || (lowest ? w.yMax > best->yMax : w.yMax < best->yMax)
            || (w.yMax == best->yMax && w.xMin < best->xMin)) {
            best = w;
        }
    }
    return best;
}

QString describe(const Word &w)
{
    return QStringLiteral("\"%1\" at x %2..%3, bottom %4")
        .arg(w.text)
        .arg(w.xMin, 0, 'f', 2)
        .arg(w.xMax, 0, 'f', 2)
        .arg(w.yMax, 0, 'f', 2);
}

} // namespace

bool havePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

Document read(const QString &pdfPath)
{
    Document doc;
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        doc.error = QStringLiteral("pdftotext failed on %1: %2")
                        .arg(pdfPath, QString::fromLocal8Bit(process.readAllStandardError()));
        return doc;
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    doc.pages = int(html.count(QStringLiteral("<page ")));
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        doc.words.append({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                          m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return doc;
}

QStringList checkWorksheet(const Document &document, const worksheet::Set &set,
                           double answerLineTwips)
{
    if (!document.error.isEmpty()) {
        return {document.error};
    }
    if (document.pages != 1) {
        return {QStringLiteral("expected one page, found %1").arg(document.pages)};
    }

    // Three words fix where the page lies: answer 1 gives the left edge; question 1's
    // number and first operand, both with their tops at 800 but in different sizes, give
    // how far a word's bottom lies below its top for a given point size.
    const auto answer1 = find(document.words, QStringLiteral("1)"), true);
    const auto number1 = find(document.words, QStringLiteral("1)"), false);
    const auto operand1 = find(document.words, set[0].first, false);
    if (!answer1 || !number1 || !operand1) {
        return {QStringLiteral("question 1 or answer 1 is missing from the page")};
    }
    const double x0 = answer1->xMin - worksheet::AnswersLeft / TwipsPerPoint;
    const double perPoint
        = (operand1->yMax - number1->yMax) / (worksheet::OperandPoints - worksheet::NumberPoints);
    const double y0
        = number1->yMax - worksheet::Top / TwipsPerPoint - perPoint * worksheet::NumberPoints;

    QStringList problems;
    QList<Word> left = document.words;
    for (const Expected &e : expectedWords(set, answerLineTwips)) {
        const double x = x0 + e.x / TwipsPerPoint;
        const double bottom = y0 + e.top / TwipsPerPoint + perPoint * e.points;
        const auto match = std::find_if(left.begin(), left.end(), [&](const Word &w) {
            return w.text == e.text && std::abs((e.alignRight ? w.xMax : w.xMin) - x) <= Tolerance
                && std::abs(w.yMax - bottom) <= Tolerance;
        });
        if (match == left.end()) {
            problems.append(
                QStringLiteral("\"%1\" not found with its %2 edge at %3 and bottom %4")
                    .arg(e.text, e.alignRight ? QStringLiteral("right") : QStringLiteral("left"))
                    .arg(x, 0, 'f', 2)
                    .arg(bottom, 0, 'f', 2));
        } else {
            left.erase(match);
        }
    }
    for (const Word &w : std::as_const(left)) {
        problems.append(QStringLiteral("unexpected %1").arg(describe(w)));
    }
    return problems;
}

} // namespace pdfpage

#include "properties.h"

#include "exercise/answertext.h"
#include "menu/studentname.h"
#include "records/history.h"
#include "records/roster.h"
#include "records/textlines.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdlib>

namespace fuzzprops {

bool roster(QByteArrayView input)
{
    const QList<QByteArray> names = splitLines(input);
    const QByteArray written = roster::format(names);
    if (splitLines(written) != names) {
        return false;
    }
    const bool canonical = [input] {
        if (!input.isEmpty() && !input.endsWith("\r\n")) {
            return false;
        }
        for (qsizetype i = 0; i < input.size(); ++i) {
            const bool crlf = input[i] == '\r' && i + 1 < input.size() && input[i + 1] == '\n';
            if (crlf) {
                ++i;
            } else if (input[i] == '\r' || input[i] == '\n') {
                return false;
            }
        }
        return true;
    }();
    return !canonical || written == input;
}

// Takes bytes from the front of the input, as a fuzzer's choices.
class Choices
{
public:
    explicit Choices(QByteArrayView data)
        : m_data(data)
    {
    }
    int next(int range)
    {
        const unsigned char b = m_pos < m_data.size() ? uchar(m_data[m_pos]) : 0;
        ++m_pos;
        return b % range;
    }
    QByteArrayView rest() const
    {
        return m_pos < m_data.size() ? m_data.sliced(m_pos) : QByteArrayView();
    }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

static QByteArray withoutAny(QByteArrayView text, const char *forbidden)
{
    QByteArray out;
    for (char c : text) {
        if (!QByteArrayView(forbidden).contains(c)) {
            out += c;
        }
    }
    return out;
}

static QDateTime chosenDateTime(Choices &c)
{
    const QDate day(1990 + c.next(120), 1 + c.next(12), 1 + c.next(28));
    return QDateTime(day, QTime(c.next(24), c.next(60), c.next(60)));
}

bool historyLine(QByteArrayView input)
{
    const QByteArray line = withoutAny(input, "\r\n");
    if (const auto parsed = history::parseRecord(line)) {
        if (history::formatRecord(*parsed) != line) {
            return false;
        }
    }
    Choices c(input);
    const HistoryRecord written {history::formatDate(chosenDateTime(c)),
                                 QByteArray::number(1 + c.next(6)), QByteArray::number(c.next(101)),
                                 withoutAny(c.rest(), "\r\n")};
    const QByteArray file = history::formatRecord(written) + "\r\n";
    QList<HistoryRecord> read;
    forEachLine(file, [&read](QByteArrayView l) {
        if (auto r = history::parseRecord(l)) {
            read.append(*r);
        }
    });
    return read == QList<HistoryRecord> {written};
}

bool date(QByteArrayView input)
{
    if (const auto parsed = history::parseDate(input)) {
        if (!parsed->isValid() || history::parseDate(history::formatDate(*parsed)) != parsed) {
            return false;
        }
    }
    Choices c(input);
    const QDateTime when = chosenDateTime(c);
    return history::parseDate(history::formatDate(when)) == when;
}

bool studentName(QByteArrayView input)
{
    const QString text = QString::fromUtf8(input);
    if (studentname::isAcceptable(text)) {
        const QString upper = text.toUpper();
        if (upper.size() != text.size()) {
            return false;
        }
        for (QChar ch : upper) {
            if (ch != u' ' && (ch < u'A' || ch > u'Z')) {
                return false;
            }
        }
    }
    const QString trimmed = studentname::trimmed(text);
    if (trimmed.startsWith(u' ') || trimmed.endsWith(u' ')) {
        return false;
    }
    const qsizetype at = text.indexOf(trimmed);
    return at >= 0 && text.left(at).count(u' ') == at
        && text.sliced(at + trimmed.size()).count(u' ') == text.size() - at - trimmed.size();
}

bool answerText(QByteArrayView input)
{
    // The first byte says where the box's last good text ends and the typed text starts.
    const qsizetype cut = input.isEmpty() ? 0 : qMin(input.size(), 1 + uchar(input[0]) % 8);
    const QString lastGood = QString::fromUtf8(input.isEmpty() ? input : input.sliced(1, cut - 1));
    const QString text = QString::fromUtf8(input.sliced(cut));

    static const QRegularExpression reference(
        QStringLiteral("\\A *[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+) *\\z"));
    const bool numeric = answertext::isNumeric(text);
    if (numeric != reference.match(text).hasMatch()) {
        return false;
    }
    const auto value = answertext::numericValue(text);
    if (value.has_value() != numeric) {
        return false;
    }
    if (value) {
        const QByteArray latin = text.trimmed().toLatin1();
        const double expected = std::strtod(latin.constData(), nullptr);
        if (*value != expected && !(std::isnan(*value) && std::isnan(expected))) {
            return false;
        }
    }
    const answertext::Filtered after = answertext::filter(text, lastGood);
    const bool keptNumeric
        = answertext::isNumeric(after.text) || after.text.isEmpty() || after.text == lastGood;
    return keptNumeric && (numeric ? after.lastGood == text : after.lastGood == lastGood);
}

} // namespace fuzzprops

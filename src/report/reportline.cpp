#include "reportline.h"

#include <QLocale>

namespace reportline {

QByteArray heading()
{
    return QByteArrayLiteral("Date                        Level       Score       Speed");
}

QByteArray dateText(QByteArrayView date)
{
    const auto when = history::parseDate(date);
    if (!when) {
        return date.toByteArray();
    }
    // Date and time are taken apart: a wall-clock time that the local zone skips (the hour
    // lost to summer time) still reads back as written.
    const QLocale c = QLocale::c();
    return (c.toString(when->date(), QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ')
            + c.toString(when->time(), QStringLiteral("HH:mm")))
        .toLatin1();
}

QByteArray format(const HistoryRecord &record)
{
    constexpr qsizetype ScoreWidth = 4;
    QByteArray line = dateText(record.Date);
    line.reserve(line.size() + 16 + record.Level.size() + 7 + ScoreWidth + 5 + record.Speed.size());
    line.append(16, ' ');
    line.append(record.Level);
    line.append(7, ' ');
    if (record.Score.size() < ScoreWidth) {
        line.append(ScoreWidth - record.Score.size(), ' ');
    }
    line.append(record.Score);
    line.append("%    ");
    line.append(record.Speed);
    return line;
}

} // namespace reportline

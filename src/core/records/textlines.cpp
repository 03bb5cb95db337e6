#include "textlines.h"

QList<QByteArray> splitLines(QByteArrayView text)
{
    QList<QByteArray> lines;
    forEachLine(text, [&lines](QByteArrayView line) { lines.append(line.toByteArray()); });
    return lines;
}

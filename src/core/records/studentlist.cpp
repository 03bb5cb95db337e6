// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "studentlist.h"

#include <QStringDecoder>
#include <algorithm>

StudentList::StudentList(QObject *parent)
    : QAbstractListModel(parent)
{
}

QString StudentList::displayName(const QByteArray &name)
{
    // A line of a hand-edited roster can be megabytes long; laying out all of it would
    // freeze the window, and no person reads past the first words anyway.
    qsizetype shownBytes = name.size();
    if (shownBytes > MaxShownBytes) {
        shownBytes = MaxShownBytes;
        while (shownBytes > 0 && (uchar(name.at(shownBytes)) & 0xC0) == 0x80) {
            --shownBytes; // not inside a UTF-8 character
        }
    }
    const QByteArray shown = name.first(shownBytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(shown);
    if (utf8.hasError()) {
        text = QString::fromLatin1(shown);
    }
    if (shownBytes < name.size()) {
        text += QChar(0x2026); // an ellipsis
    }
    return text;
}

StudentList::Entry StudentList::makeEntry(const QByteArray &name)
{
    Entry e {name, displayName(name), {}};
    e.sortKey = e.display.toCaseFolded();
    return e;
}

void StudentList::setNames(const QList<QByteArray> &names)
{
    beginResetModel();
    m_entries.clear();
    m_entries.reserve(names.size());
    for (const QByteArray &name : names) {
        m_entries.append(makeEntry(name));
    }
    // A stable sort gives the same order as inserting the names one by one.
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const Entry &a, const Entry &b) { return a.sortKey < b.sortKey; });
    endResetModel();
}

int StudentList::sortedRowFor(const QString &sortKey) const
{
    auto it = std::upper_bound(m_entries.cbegin(), m_entries.cend(), sortKey,
                               [](const QString &key, const Entry &e) { return key < e.sortKey; });
    return int(it - m_entries.cbegin());
}

int StudentList::insertSorted(const QByteArray &name)
{
    Entry entry = makeEntry(name);
    const int row = sortedRowFor(entry.sortKey);
    beginInsertRows(QModelIndex(), row, row);
    m_entries.insert(row, std::move(entry));
    endInsertRows();
    return row;
}

void StudentList::removeAt(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    m_entries.removeAt(row);
    endRemoveRows();
}

bool StudentList::contains(const QByteArray &name) const
{
    return std::any_of(m_entries.cbegin(), m_entries.cend(),
                       [&name](const Entry &e) { return e.name == name; });
}

QList<QByteArray> StudentList::names() const
{
    QList<QByteArray> result;
    result.reserve(m_entries.size());
    for (const Entry &e : m_entries) {
        result.append(e.name);
    }
    return result;
}

int StudentList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : size();
}

QVariant StudentList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= size()) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return m_entries.at(index.row()).display;
    }
    return {};
}

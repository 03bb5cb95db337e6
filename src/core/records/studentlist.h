// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QList>
#include <QString>

// The working copy of the roster: student names as the bytes the roster holds, kept in
// alphabetical order without regard to case, each new name inserted at its place.
class StudentList : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit StudentList(QObject *parent = nullptr);

    // Replaces the whole list; names that compare equal keep their given order.
    void setNames(const QList<QByteArray> &names);
    // Inserts at the sorted place, after any equal names, and returns the row.
    int insertSorted(const QByteArray &name);
    void removeAt(int row);

    // Exact, case-sensitive whole-name match.
    bool contains(const QByteArray &name) const;
    int size() const { return int(m_entries.size()); }
    QByteArray nameAt(int row) const { return m_entries.at(row).name; }
    QString displayNameAt(int row) const { return m_entries.at(row).display; }
    QList<QByteArray> names() const;

    // How a name's bytes are shown: as UTF-8 when they are valid UTF-8, else byte by byte;
    // a name longer than anyone's is shown cut short.
    static QString displayName(const QByteArray &name);
    static constexpr qsizetype MaxShownBytes = 256;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    struct Entry
    {
        QByteArray name;
        QString display;
        QString sortKey;
    };
    static Entry makeEntry(const QByteArray &name);
    int sortedRowFor(const QString &sortKey) const;

    QList<Entry> m_entries;
};

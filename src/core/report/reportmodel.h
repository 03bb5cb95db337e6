// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "recordindex.h"

#include <QAbstractListModel>
#include <QByteArray>

// The report's lines for a list view: the heading, then one line per record in file
// order. Lines are made only when the view asks for them, so that a history of a million
// records opens as fast as it can be read.
class ReportModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit ReportModel(QObject *parent = nullptr);

    // Lists the records of a history file; a missing or unreadable one gives the heading
    // alone. Returns the message to show when the file could not be read.
    QString load(const QByteArray &fileName);
    const RecordIndex &records() const { return m_records; }

    // A line as the bytes the list shows; row 0 is the heading.
    QByteArray lineAt(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    RecordIndex m_records;
};

// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "facts.h"

#include <QAbstractTableModel>

// The first level's facts as a table for a view: row `first`, column `second`, from 0 to 10.
// Each cell shows a mark that tells its state without colour, gives the state itself under
// MasteryRole for the view to colour, and says the sum and its state to a screen reader.
class FactGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int MasteryRole = Qt::UserRole;

    explicit FactGridModel(QObject *parent = nullptr);
    void setRecord(const facts::FactRecord &record);

    static QString mark(facts::Mastery mastery);
    static QString describe(facts::Mastery mastery);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::array<std::array<facts::Mastery, facts::GridSize>, facts::GridSize> m_cells {};
};

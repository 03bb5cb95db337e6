// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "factgridmodel.h"

#include <QCoreApplication>

FactGridModel::FactGridModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void FactGridModel::setRecord(const facts::FactRecord &record)
{
    for (int first = 0; first < facts::GridSize; ++first) {
        for (int second = 0; second < facts::GridSize; ++second) {
            m_cells[std::size_t(first)][std::size_t(second)] = record.gridCell(first, second);
        }
    }
    emit dataChanged(index(0, 0), index(facts::GridSize - 1, facts::GridSize - 1));
}

QString FactGridModel::mark(facts::Mastery mastery)
{
    switch (mastery) {
    case facts::Mastery::Quick:
        return QStringLiteral("\u2713");
    case facts::Mastery::Slow:
        return QStringLiteral("~");
    case facts::Mastery::WrongRecently:
        return QStringLiteral("\u2717");
    case facts::Mastery::NeverSeen:
        break;
    }
    return {};
}

QString FactGridModel::describe(facts::Mastery mastery)
{
    const auto tr
        = [](const char *text) { return QCoreApplication::translate("FactGridModel", text); };
    switch (mastery) {
    case facts::Mastery::Quick:
        return tr("right and quick");
    case facts::Mastery::Slow:
        return tr("right but slow");
    case facts::Mastery::WrongRecently:
        return tr("wrong recently");
    case facts::Mastery::NeverSeen:
        break;
    }
    return tr("never seen");
}

int FactGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : facts::GridSize;
}

int FactGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : facts::GridSize;
}

QVariant FactGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    const facts::Mastery mastery = m_cells[std::size_t(index.row())][std::size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return mark(mastery);
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return QStringLiteral("%1 + %2: %3")
            .arg(index.row())
            .arg(index.column())
            .arg(describe(mastery));
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case MasteryRole:
        return int(mastery);
    default:
        return {};
    }
}

QVariant FactGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole) {
        return QString::number(section);
    }
    if (role == Qt::AccessibleTextRole) {
        const auto tr
            = [](const char *text) { return QCoreApplication::translate("FactGridModel", text); };
        return (orientation == Qt::Vertical ? tr("First number %1") : tr("Second number %1"))
            .arg(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

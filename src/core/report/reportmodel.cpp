// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reportmodel.h"

#include "core/records/studentlist.h"
#include "reportline.h"

#include <QCoreApplication>

#include <limits>

ReportModel::ReportModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

QString ReportModel::load(const QByteArray &fileName)
{
    beginResetModel();
    const QString problem = m_records.load(fileName);
    endResetModel();
    return problem;
}

QByteArray ReportModel::lineAt(int row) const
{
    if (row == 0) {
        return reportline::heading();
    }
    return reportline::format(m_records.recordAt(row - 1));
}

int ReportModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid()) {
        return 0;
    }
    // A view counts its rows in an int; a history longer than that is listed in part.
    constexpr qsizetype MaxRows = std::numeric_limits<int>::max();
    return int(std::min(m_records.size() + 1, MaxRows));
}

QVariant ReportModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        if (index.row() == 0) {
            return QCoreApplication::translate("ReportModel", reportline::Heading);
        }
        // Hand-edited text that is not valid UTF-8 is shown byte by byte.
        return StudentList::displayName(lineAt(index.row()));
    }
    return {};
}

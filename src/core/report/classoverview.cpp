// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classoverview.h"

#include "core/records/datafile.h"
#include "core/records/history.h"
#include "core/records/linescanner.h"
#include "core/records/studentlist.h"

#include <QCoreApplication>

#include <limits>
#include <numeric>

namespace classoverview {

namespace {

// Where the recent scores head: the slope of the line that fits them best, in points a sheet.
// A slope within one point either way is no change a teacher would act on.
Trend trendOf(const QList<int> &scores)
{
    const double n = double(scores.size());
    const double meanX = (n - 1) / 2;
    const double meanY = std::accumulate(scores.begin(), scores.end(), 0.0) / n;
    double covariance = 0;
    double variance = 0;
    for (qsizetype i = 0; i < scores.size(); ++i) {
        covariance += (double(i) - meanX) * (scores.at(i) - meanY);
        variance += (double(i) - meanX) * (double(i) - meanX);
    }
    const double slope = covariance / variance;
    return slope > 1 ? Trend::Up : slope < -1 ? Trend::Down : Trend::Steady;
}

} // namespace

Summarizer::Summarizer(QByteArray student, QDate today)
    : m_today(today)
{
    m_summary.student = std::move(student);
}

void Summarizer::addLine(QByteArrayView line)
{
    const auto f = history::splitRecord(line);
    const auto when = f ? history::parseDateAndTime(f->date) : std::nullopt;
    const auto level = f ? history::wholeNumber(f->level, 2) : std::nullopt;
    const auto score = f ? history::wholeNumber(f->score, 3) : std::nullopt;
    if (!when || !level || *level < 1 || *level > Levels || !score || *score > 100) {
        ++m_summary.unreadable;
        return;
    }
    const qint64 age = when->date.daysTo(m_today);
    m_summary.sheetsLastWeek += age >= 0 && age < 7;
    m_summary.sheetsLast30Days += age >= 0 && age < 30;
    // The last sheet is the latest written, whatever the order of the file; of one day, the
    // later line.
    if (!m_latest || when->date >= *m_latest) {
        m_latest = when->date;
        m_summary.lastLevel = *level;
        m_summary.lastScore = *score;
    }
    QList<int> &recent = m_scores[*level - 1];
    if (recent.size() == RecentSheets) {
        recent.removeFirst();
    }
    recent.append(*score);
}

StudentSummary Summarizer::result() const
{
    StudentSummary summary = m_summary;
    summary.lastSheet = m_latest;
    for (int level = 0; level < Levels; ++level) {
        const QList<int> &recent = m_scores[level];
        if (recent.isEmpty()) {
            continue;
        }
        LevelMean mean {std::accumulate(recent.begin(), recent.end(), 0.0) / double(recent.size()),
                        std::nullopt};
        if (recent.size() >= 2) {
            mean.trend = trendOf(recent);
        }
        summary.levels[level] = mean;
    }
    return summary;
}

StudentSummary summarize(const QByteArray &student, QDate today)
{
    Summarizer summarizer(student, today);
    if (history::isSafeStudentName(student)) {
        datafile::Opened opened = datafile::openForReading(history::fileNameFor(student));
        if (opened.status == datafile::Opened::Ok) {
            LineScanner(*opened.file)
                .scan(0, std::numeric_limits<qint64>::max(), [&](qint64, QByteArrayView line) {
                    summarizer.addLine(line);
                    return true;
                });
        }
    }
    return summarizer.result();
}

} // namespace classoverview

using namespace classoverview;

ClassOverviewModel::ClassOverviewModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ClassOverviewModel::setSummaries(QList<StudentSummary> summaries)
{
    beginResetModel();
    m_summaries = std::move(summaries);
    endResetModel();
}

QString ClassOverviewModel::headerText(int column)
{
    const auto tr
        = [](const char *text) { return QCoreApplication::translate("ClassOverviewModel", text); };
    if (column >= FirstLevelMean && column < WeakFacts) {
        return tr("Level %1").arg(column - FirstLevelMean + 1);
    }
    switch (column) {
    case Student:
        return tr("Student");
    case LastWeek:
        return tr("Last 7 days");
    case Last30Days:
        return tr("Last 30 days");
    case LastSheet:
        return tr("Last sheet");
    case LastLevel:
        return tr("Last level");
    case LastScore:
        return tr("Last score");
    case WeakFacts:
        return tr("Weak facts");
    default:
        return {};
    }
}

namespace {
// Arrows a reader tells apart without colour; said in words to a screen reader.
QString trendMark(std::optional<Trend> trend)
{
    if (!trend) {
        return {};
    }
    switch (*trend) {
    case Trend::Up:
        return QStringLiteral(" \u2191");
    case Trend::Down:
        return QStringLiteral(" \u2193");
    case Trend::Steady:
        break;
    }
    return QStringLiteral(" \u2192");
}

QString trendWords(std::optional<Trend> trend)
{
    // Written out: outside a member function lupdate would not know the context of a tr().
    if (!trend) {
        return {};
    }
    return *trend == Trend::Up  ? QCoreApplication::translate("ClassOverviewModel", ", rising")
        : *trend == Trend::Down ? QCoreApplication::translate("ClassOverviewModel", ", falling")
                                : QCoreApplication::translate("ClassOverviewModel", ", steady");
}
} // namespace

QString ClassOverviewModel::cellText(int row, int column) const
{
    const StudentSummary &s = m_summaries.at(row);
    const bool anySheet = s.lastSheet.has_value();
    if (column >= FirstLevelMean && column < WeakFacts) {
        const std::optional<LevelMean> &mean = s.levels[column - FirstLevelMean];
        return mean ? QString::number(qRound(mean->mean)) + trendMark(mean->trend) : QString();
    }
    switch (column) {
    case Student:
        return StudentList::displayName(s.student);
    case LastWeek:
        return QString::number(s.sheetsLastWeek);
    case Last30Days:
        return QString::number(s.sheetsLast30Days);
    case LastSheet:
        return anySheet ? s.lastSheet->toString(Qt::ISODate) : QString();
    case LastLevel:
        return anySheet ? QString::number(s.lastLevel) : QString();
    case LastScore:
        return anySheet ? QString::number(s.lastScore) + QLatin1Char('%') : QString();
    case WeakFacts:
        return QString::number(s.weakFacts);
    default:
        return {};
    }
}

int ClassOverviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_summaries.size());
}

int ClassOverviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ClassOverviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const StudentSummary &s = m_summaries.at(index.row());
    const int column = index.column();
    if (role == Qt::DisplayRole) {
        return cellText(index.row(), column);
    }
    if (role == Qt::AccessibleTextRole && column >= FirstLevelMean && column < WeakFacts) {
        const std::optional<LevelMean> &mean = s.levels[column - FirstLevelMean];
        return mean ? QString::number(qRound(mean->mean)) + trendWords(mean->trend) : QString();
    }
    if (role == Qt::TextAlignmentRole) {
        return int((column == Student ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
    if (role != SortRole) {
        return {};
    }
    // Students without a value sort before every value.
    if (column >= FirstLevelMean && column < WeakFacts) {
        const std::optional<LevelMean> &mean = s.levels[column - FirstLevelMean];
        return mean ? mean->mean : -1.0;
    }
    switch (column) {
    case Student:
        return StudentList::displayName(s.student).toCaseFolded();
    case LastWeek:
        return s.sheetsLastWeek;
    case Last30Days:
        return s.sheetsLast30Days;
    case LastSheet:
        return s.lastSheet ? s.lastSheet->toJulianDay() : qint64(-1);
    case LastLevel:
        return s.lastSheet ? s.lastLevel : -1;
    case LastScore:
        return s.lastSheet ? s.lastScore : -1;
    case WeakFacts:
        return s.weakFacts;
    default:
        return {};
    }
}

QVariant ClassOverviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return headerText(section);
}

// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>

#include <array>
#include <functional>
#include <optional>

// What a teacher sees of each student on the roster at once: how much work lately, the last
// sheet, the recent mean at each level and where it is heading, and how many facts are weak.
// Read from the histories alone, but for the weak facts, which the caller counts.
namespace classoverview {

inline constexpr int Levels = 6;
inline constexpr int RecentSheets = 5; // the sheets a level's mean and trend are taken from
// The weak facts are counted from the end of each record of answers, some twenty sheets: a
// class of hundreds opens at once, however long their records.
inline constexpr qint64 RecentAnswerBytes = 16 * 1024;

enum class Trend { Down = -1, Steady = 0, Up = 1 };

struct LevelMean
{
    double mean = 0; // of the last RecentSheets sheets at the level, or as many as there are
    std::optional<Trend> trend; // with two sheets or more

    bool operator==(const LevelMean &) const = default;
};

struct StudentSummary
{
    QByteArray student;
    int sheetsLastWeek = 0; // today and the six days before
    int sheetsLast30Days = 0;
    std::optional<QDate> lastSheet;
    int lastLevel = 0; // 0: no sheet yet
    int lastScore = 0;
    std::array<std::optional<LevelMean>, Levels> levels;
    int weakFacts = 0;
    qsizetype unreadable = 0; // history lines that are no result

    bool operator==(const StudentSummary &) const = default;
};

// Folds a student's history lines, in file order, into the summary as of `today`.
class Summarizer
{
public:
    Summarizer(QByteArray student, QDate today);
    void addLine(QByteArrayView line);
    StudentSummary result() const;

private:
    StudentSummary m_summary;
    QDate m_today;
    std::optional<QDate> m_latest;
    std::array<QList<int>, Levels> m_scores; // the last RecentSheets of each level, in order
};

// The summary of each student's history file in the working folder; a missing or unreadable
// file gives a student without sheets.
StudentSummary summarize(const QByteArray &student, QDate today);

} // namespace classoverview

// The overview as a table, one row per student, sortable by any column through a proxy
// (Qt::UserRole gives each cell's value to sort by).
class ClassOverviewModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        Student,
        LastWeek,
        Last30Days,
        LastSheet,
        LastLevel,
        LastScore,
        FirstLevelMean, // then one column per level
        WeakFacts = FirstLevelMean + classoverview::Levels,
        ColumnCount
    };
    static constexpr int SortRole = Qt::UserRole;

    explicit ClassOverviewModel(QObject *parent = nullptr);

    void setSummaries(QList<classoverview::StudentSummary> summaries);
    const QList<classoverview::StudentSummary> &summaries() const { return m_summaries; }

    // A cell as text, as the table, the CSV export and the printed page show it.
    QString cellText(int row, int column) const;
    static QString headerText(int column);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<classoverview::StudentSummary> m_summaries;
};

// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/exercise/question.h"
#include "core/exercise/questiongenerator.h"
#include "facts.h"

#include <QList>

// A review sheet: a student's own weak facts, those answered wrong lately first (the latest
// first), then those right but slow (the slowest first), filled up with questions of the
// student's most recent level where there are too few. No question stands twice on a sheet.
namespace reviewsheet {

struct Item
{
    Question question;
    int level = 1; // the level the question comes from
    bool operator==(const Item &) const = default;
};

QList<Item> draw(const facts::FactRecord &record, int fillLevel, int count,
                 const questiongenerator::Draw &draw);

// A student's review sheet from the student's own files: the record of answers, and the level
// of the latest sheet in the history for the rest (the first level before any). `problem`
// says why the record could not be read whole, if it could not.
QList<Item> drawFor(const QByteArray &student, int count, const questiongenerator::Draw &draw,
                    QString *problem = nullptr);

// The level most of the sheet's questions come from, the higher of two as common: the level
// its history line gives.
int mainLevel(const QList<Item> &items);

} // namespace reviewsheet

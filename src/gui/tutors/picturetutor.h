// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/exercise/question.h"
#include "core/tutors/picturecount.h"
#include "gui/base/controltable.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

// The picture tutor: explains one small sum by counting on, one picture per press of "+",
// until the whole sum can be written out.
class PictureTutor : public QDialog
{
    Q_OBJECT
public:
    explicit PictureTutor(const Question &question, QWidget *parent = nullptr);

private:
    void explain(const Question &question);
    void addOne();
    void showCount();

    PictureCount m_count;
    std::array<QString, PictureCount::PictureCodes.size()> m_pictureGlyphs;
    int m_picture = 0; // which of the pictures this opening shows
    ui::FormControls m_controls;

    QLabel *m_first = nullptr;
    QLabel *m_second = nullptr;
    ui::ControlArray<QLabel> m_pictures {0}; // the second operand's row
    ui::ControlArray<QLabel> m_places {0};
    QLabel *m_firstRowCount = nullptr;
    QLabel *m_secondRowCount = nullptr;
    QLabel *m_total = nullptr;
    QPushButton *m_addOne = nullptr;
    QLabel *m_sumLine = nullptr;
    QPushButton *m_exit = nullptr;
};

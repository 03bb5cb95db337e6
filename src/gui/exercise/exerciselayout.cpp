// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exerciselayout.h"

#include "gui/base/controltable.h"
#include "gui/base/fonts.h"
#include "gui/base/twips.h"
#include "gui/base/windowless.h"

#include <QComboBox>
#include <cmath>

namespace {
constexpr int Questions = 16;
} // namespace

ExerciseLayout::Factors ExerciseLayout::factors(QSize outerTwips)
{
    return {double(outerTwips.width()) / DesignOuterWidth,
            double(outerTwips.height()) / DesignOuterHeight};
}

int ExerciseLayout::fontSize(double fy, int base)
{
    return qMax(1, down(fy, base));
}

int ExerciseLayout::down(double factor, int design)
{
    return static_cast<int>(std::floor(factor * design));
}

int ExerciseLayout::nearest(double factor, int design)
{
    return static_cast<int>(std::nearbyint(factor * design));
}

void ExerciseLayout::record(const ui::FormControls &controls)
{
    m_controls.clear();
    m_arrays.clear();
    m_lines.clear();

    const QList<std::pair<const char *, int>> single = {
        {"Frame1", 0},           {"cmdcheck", ButtonFont},  {"CmdNew", ButtonFont},
        {"cmdMenu", ButtonFont}, {"cmdHelpMe", ButtonFont}, {"txtScore", ScoreFont},
        {"TxtTime", RowFont},    {"Combo1", RowFont},
    };
    for (const auto &[name, base] : single) {
        auto *w = controls.get<QWidget>(QString::fromLatin1(name));
        m_controls.append({w, controls.designTwips(w), base});
    }

    const QList<std::pair<const char *, int>> arrays = {
        {"lblno", NumberFont}, {"Label1", RowFont},    {"Label2", RowFont},  {"Label3", RowFont},
        {"Text1", RowFont},    {"lblAnswer", RowFont}, {"lblmark", RowFont},
    };
    for (const auto &[name, base] : arrays) {
        ArrayOfRows array;
        array.baseFont = base;
        for (int i = 1; i <= Questions; ++i) {
            QObject *w = controls.find(ui::arrayElementName(name, i));
            array.elements.append(w);
            array.origins.append(controls.designTwips(w).topLeft());
        }
        array.size = controls.designTwips(array.elements.first()).size();
        m_arrays.append(array);
    }

    for (int i = 1; i <= Questions; ++i) {
        QObject *line = controls.find(ui::arrayElementName("Line1", i));
        const ui::LineEnds ends = ui::lineEndsOf(line).value();
        m_lines.append({line, ends});
    }
    const ui::LineEnds &first = m_lines.first().second;
    m_lineLength = qRound(first.x2 - first.x1);
}

void ExerciseLayout::apply(QSize outerTwips) const
{
    const Factors f = factors(outerTwips);
    for (const Placed &p : m_controls) {
        if (p.baseFont > 0) {
            ui::setFontPoints(p.control, fontSize(f.fy, p.baseFont));
        }
        int height = down(f.fy, p.design.height());
        int width = down(f.fx, p.design.width());
        if (auto *combo = qobject_cast<QComboBox *>(p.control)) {
            height = ui::pixelsToTwips(combo->sizeHint().height()); // follows its font
            // Its frame and arrow do not shrink with the window: made smaller than designed
            // (a small screen), it keeps the width its text needs.
            if (f.fx < 1) {
                width = qMax(width, ui::pixelsToTwips(combo->sizeHint().width()));
            }
        }
        ui::setGeometryTwips(p.control, down(f.fx, p.design.left()), down(f.fy, p.design.top()),
                             width, height);
    }

    const int length = nearest(f.fx, m_lineLength);
    for (auto [line, ends] : m_lines) {
        ends.x1 = nearest(f.fx, qRound(ends.x1));
        ends.y1 = ends.y2 = nearest(f.fy, qRound(ends.y1));
        ends.x2 = ends.x1 + length;
        ui::setLineEnds(line, ends);
    }

    for (const ArrayOfRows &array : m_arrays) {
        const int font = fontSize(f.fy, array.baseFont);
        const int width = down(f.fx, array.size.width());
        const int height = down(f.fy, array.size.height());
        for (qsizetype i = 0; i < array.elements.size(); ++i) {
            QObject *control = array.elements.at(i);
            ui::setFontPoints(control, font);
            ui::setGeometryTwips(control, down(f.fx, array.origins.at(i).x()),
                                 down(f.fy, array.origins.at(i).y()), width, height);
        }
    }
}

// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "proportionallayout.h"

#include "controltable.h"
#include "fonts.h"
#include "twips.h"
#include "windowless.h"

#include <QComboBox>
#include <cmath>

namespace {

qint32 nearest(double value)
{
    return static_cast<qint32>(std::nearbyint(value));
}

} // namespace

ProportionalLayout::Factors ProportionalLayout::factors(QSize outerNow, QSize outerDesign)
{
    if (outerDesign.width() <= 0 || outerDesign.height() <= 0) {
        return {};
    }
    return {float(outerNow.width()) / float(outerDesign.width()),
            float(outerNow.height()) / float(outerDesign.height())};
}

int ProportionalLayout::scaledFontSize(qint32 designPoints, float scale)
{
    return static_cast<int>(std::floor(float(designPoints) * scale));
}

void ProportionalLayout::recordDesign(const QWidget *window, const ui::FormControls &form)
{
    const QList<QObject *> &controls = form.inCreationOrder();
    m_designClient = QSize(ui::widthTwips(window), ui::heightTwips(window));
    m_design.clear();
    m_design.reserve(controls.size());
    for (QObject *control : controls) {
        Slot slot;
        if (const std::optional<ui::LineEnds> line = ui::lineEndsOf(control)) {
            slot.isLine = true;
            slot.left = nearest(line->x1);
            slot.top = nearest(line->y1);
            slot.x2 = nearest(line->x2);
            slot.y2 = nearest(line->y2);
        } else {
            const QRect design = form.designTwips(control);
            slot.left = design.left();
            slot.top = design.top();
            slot.width = design.width();
            slot.height = design.height();
            slot.fontSize = nearest(ui::fontOf(control).pointSizeF());
        }
        m_design.append(slot);
    }
}

void ProportionalLayout::rescale(QWidget *window, const ui::FormControls &form) const
{
    const QList<QObject *> &controls = form.inCreationOrder();
    if (m_design.size() != controls.size()) {
        return;
    }
    const QSize extra = ui::frameExtraTwips(window);
    const QSize outerNow(ui::widthTwips(window) + extra.width(),
                         ui::heightTwips(window) + extra.height());
    const Factors f = factors(outerNow, m_designClient + extra);

    for (qsizetype i = 0; i < controls.size(); ++i) {
        QObject *control = controls.at(i);
        const Slot &d = m_design.at(i);
        if (d.isLine) {
            // A line has no Left or Top; its ends move instead.
            ui::LineEnds ends = *ui::lineEndsOf(control);
            ends.x1 = d.left * f.rx;
            ends.y1 = d.top * f.ry;
            ends.x2 = d.x2 * f.rx;
            ends.y2 = d.y2 * f.ry;
            ui::setLineEnds(control, ends);
            continue;
        }
        const int points = scaledFontSize(d.fontSize, f.fontScale());
        if (points > 0) { // a font of 0 points is refused; the control keeps its font
            ui::setFontPoints(control, points);
        }
        double height = d.height * f.ry;
        if (auto *combo = qobject_cast<QComboBox *>(control)) {
            // A drop-down's height follows its font; it cannot be set.
            height = ui::pixelsToTwips(combo->sizeHint().height());
        }
        ui::setGeometryTwips(control, d.left * f.rx, d.top * f.ry, d.width * f.rx, height);
    }
}

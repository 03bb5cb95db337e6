// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturecount.h"

#include <algorithm>

int PictureCount::drawPicture(const std::function<double()> &draw)
{
    return std::clamp(int(PictureCodes.size() * draw()), 0, int(PictureCodes.size()) - 1);
}

PictureCount::PictureCount()
{
    m_places.fill(Shade::Grey);
    m_pictures.fill(Shade::Yellow);
}

void PictureCount::initialize(const Question &question)
{
    const int first = question.first;
    const int second = question.second;
    m_first = first;
    m_second = second;
    m_pictures.fill(Shade::Yellow);
    m_places.fill(Shade::Grey);
    std::fill_n(m_places.begin(), std::clamp(first, 0, Places), Shade::Pink);
    m_movedCount = 0;
    m_firstRow = first;
    m_secondRowShown = false;
    m_total = first;
    m_finished = false;
}

void PictureCount::press()
{
    const int pos = m_first + m_movedCount;
    if (m_second > m_movedCount) {
        // Bounds hold for every sum the window can show; they keep a bad caller harmless.
        if (m_movedCount < Pictures) {
            m_pictures[m_movedCount] = Shade::Grey;
        }
        if (pos >= 0 && pos < Places) {
            m_places[pos] = Shade::Yellow;
        }
        if (pos >= RowLength) {
            m_firstRow = RowLength;
            m_secondRow = pos - (RowLength - 1);
            m_secondRowShown = true;
        } else {
            m_firstRow = pos + 1;
            m_secondRowShown = false;
        }
        m_total = pos + 1;
        ++m_movedCount;
    }
    if (m_second <= m_movedCount) {
        m_finished = true;
    }
}

QString PictureCount::sumLine() const
{
    return QStringLiteral("%1 + %2 = %3").arg(m_first).arg(m_second).arg(m_total);
}

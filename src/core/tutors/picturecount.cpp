#include "picturecount.h"

#include "core/exercise/randomsource.h"

#include <algorithm>

qint16 PictureCount::drawPicture()
{
    Randomize();
    return qint16(std::clamp(int(PictureCodes.size() * Rnd()), 0, int(PictureCodes.size()) - 1));
}

PictureCount::PictureCount()
{
    m_places.fill(Shade::Grey);
    m_pictures.fill(Shade::Yellow);
}

void PictureCount::initialize(qint32 first, qint32 second)
{
    m_first = first;
    m_second = second;
    m_pictures.fill(Shade::Yellow);
    m_places.fill(Shade::Grey);
    std::fill_n(m_places.begin(), std::clamp(first, 0, Places), Shade::Pink);
    MovedCount = 0;
    m_firstRow = first;
    m_secondRowShown = false;
    m_total = first;
    m_finished = false;
}

void PictureCount::press()
{
    const int pos = m_first + MovedCount;
    if (m_second > MovedCount) {
        // Bounds hold for every sum the window can show; they keep a bad caller harmless.
        if (MovedCount < Pictures) {
            m_pictures[MovedCount] = Shade::Grey;
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
        ++MovedCount;
    }
    if (m_second <= MovedCount) {
        m_finished = true;
    }
}

QString PictureCount::sumLine() const
{
    return QStringLiteral("%1 + %2 = %3").arg(m_first).arg(m_second).arg(m_total);
}

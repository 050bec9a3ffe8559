#include "games/tetris_field.h"

#include <algorithm>
#include <cmath>

namespace bafo {

namespace {
// Halves go to the even neighbour.
int nearest(double v)
{
    return int(std::nearbyint(v));
}
}  // namespace

void TetrisField::set_columns(int columns)
{
    m_columns = std::clamp(columns, 1, kMaxColumns);
    m_cell_w = nearest(double(kWidth) / m_columns);
    m_rows = nearest(double(kPictureHeight) / m_cell_w);
    m_cell_h = nearest(double(kPictureHeight) / m_rows);
    m_filled.fill(false);
}

void TetrisField::start()
{
    m_floor = kHeight;
    m_row = 1;
    m_filled.fill(false);
    m_top = 0;
}

Rect TetrisField::next_piece(const std::function<int(int)>& draw)
{
    m_top = 0;
    m_current = m_columns / 2 + 1;
    m_left = (m_current - 1) * m_cell_w;
    int t;
    do
        t = draw(m_columns);
    while (filled(t));
    m_target = t;
    return {(t - 1) * m_cell_w, kPictureHeight - m_row * m_cell_h, m_cell_w, m_cell_h};
}

TetrisField::Tick TetrisField::tick(int speed)
{
    m_top += speed;
    // Over a column already filled the piece meets the piece there.
    if (filled(m_current) && m_top >= m_floor - 2 * m_cell_h)
        return Tick::Lost;
    if (m_top < m_floor - m_cell_h)
        return Tick::Falling;
    if (m_current != m_target)
        return Tick::Lost;
    m_filled[size_t(m_current)] = true;
    m_landed = {m_left, m_floor - m_cell_h};
    for (int k = 1; k <= m_columns; ++k)
        if (!m_filled[size_t(k)])
            return Tick::Landed;
    m_floor -= m_cell_h;
    ++m_row;
    m_filled.fill(false);
    return m_rows < m_row ? Tick::Won : Tick::RowDone;
}

bool TetrisField::key(int code)
{
    // Once the piece reaches into the row being built, it cannot slide into a filled column.
    const bool in_row = m_top + m_cell_h > m_floor - m_cell_h;
    switch (code) {
    case 37:
        if (m_current >= 2 && filled(m_current - 1) && in_row)
            return false;
        if (m_current == 1)
            return false;
        m_left -= m_cell_w;
        --m_current;
        if (m_left < 0) {
            m_left = 0;
            m_current = 1;
        }
        return true;
    case 39:
        if (m_current < m_columns && filled(m_current + 1) && in_row)
            return false;
        if (m_current == m_columns)
            return false;
        m_left += m_cell_w;
        ++m_current;
        if (m_left + m_cell_w > kWidth) {
            m_left = kWidth - m_cell_w;
            m_current = m_columns;
        }
        return true;
    case 40: {
        int top = m_top + m_cell_h;
        if (top + m_cell_h > m_floor - m_cell_h && filled(m_current))
            top = m_floor - 2 * m_cell_h - 1;
        else if (top + m_cell_h > m_floor)
            top = m_floor - m_cell_h - 1;
        // Never lifted back up by the key.
        m_top = std::max(m_top, top);
        return true;
    }
    default: return false;
    }
}

}  // namespace bafo

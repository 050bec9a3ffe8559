#include "games/mozaika_board.h"

#include <algorithm>

namespace bafo {

MozaikaBoard::Grid MozaikaBoard::grid_of(int level)
{
    Grid g{};
    g.columns = level == 3 ? 16 : level == 2 ? 10 : 5;
    g.width = 640 / g.columns;
    if (level == 3) {
        // Square tiles at the finest level.
        g.rows = 480 / g.width;
        g.height = 480 / g.rows;
    } else {
        g.height = 480 / g.columns;
        g.rows = 480 / g.height;
    }
    return g;
}

void MozaikaBoard::set_level(int level)
{
    m_grid = grid_of(level);
    clear();
}

void MozaikaBoard::clear()
{
    m_coloured.assign(size_t(m_grid.tiles()), false);
    m_column = m_row = 0;
}

Rect MozaikaBoard::tile_rect(int column, int row) const
{
    return {(column - 1) * m_grid.width, (row - 1) * m_grid.height, m_grid.width, m_grid.height};
}

bool MozaikaBoard::coloured(int column, int row) const
{
    if (column < 1 || row < 1 || column > m_grid.columns || row > m_grid.rows)
        return false;
    return m_coloured[size_t((row - 1) * m_grid.columns + column - 1)];
}

int MozaikaBoard::grey_left() const
{
    return int(std::count(m_coloured.begin(), m_coloured.end(), false));
}

void MozaikaBoard::hand_out(const std::function<int(int)>& draw)
{
    if (grey_left() == 0)
        return;
    do {
        m_column = draw(m_grid.columns);
        m_row = draw(m_grid.rows);
    } while (coloured(m_column, m_row));
}

bool MozaikaBoard::place(int left, int top)
{
    const int column = (left + m_grid.width / 2) / m_grid.width + 1;
    const int row = (top + m_grid.height / 2) / m_grid.height + 1;
    if (m_column == 0 || column != m_column || row != m_row)
        return false;
    m_coloured[size_t((row - 1) * m_grid.columns + column - 1)] = true;
    return true;
}

}  // namespace bafo

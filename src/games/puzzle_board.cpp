#include "games/puzzle_board.h"

#include <cmath>
#include <utility>

namespace bafo {

PuzzleBoard::Grid PuzzleBoard::grid_of(int level)
{
    Grid g{};
    g.columns = level == 3 ? 16 : level == 2 ? 10 : 5;
    g.cell_w = 640 / g.columns;
    // As many rows as it takes to cover 480, then rows of equal height.
    g.rows = 480 / g.cell_w + (480 % g.cell_w ? 1 : 0);
    g.cell_h = int(std::lround(480.0 / g.rows));
    return g;
}

void PuzzleBoard::reset(int level)
{
    m_grid = grid_of(level);
    m_contents.resize(size_t(m_grid.cells()));
    for (int c = 0; c < m_grid.cells(); ++c)
        m_contents[size_t(c)] = c;
}

Rect PuzzleBoard::piece_rect(int piece) const
{
    return {piece % m_grid.columns * m_grid.cell_w, piece / m_grid.columns * m_grid.cell_h, m_grid.cell_w, m_grid.cell_h};
}

Rect PuzzleBoard::cell_rect(int column, int row) const
{
    return {column * m_grid.cell_w, row * m_grid.cell_h, m_grid.cell_w, m_grid.cell_h};
}

void PuzzleBoard::shuffle(const std::function<int(int)>& draw)
{
    for (int k = 0; k < 500; ++k)
        exchange(draw(m_grid.cells()), draw(m_grid.cells()));
}

void PuzzleBoard::exchange(int a, int b)
{
    std::swap(m_contents[size_t(a)], m_contents[size_t(b)]);
}

bool PuzzleBoard::solved() const
{
    for (int c = 0; c < m_grid.cells(); ++c)
        if (m_contents[size_t(c)] != c)
            return false;
    return true;
}

}  // namespace bafo

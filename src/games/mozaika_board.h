// The mosaic without drawing: the grid of a level, which tiles are coloured,
// the tile handed out, and where a dropped tile lands.
#pragma once

#include "platform/surface.h"

#include <functional>
#include <vector>

namespace bafo {

class MozaikaBoard {
public:
    struct Grid {
        int columns, width, rows, height;
        int tiles() const { return columns * rows; }
    };
    static Grid grid_of(int level);

    // zmen_obtiznost: the new grid, every tile grey, no tile handed out.
    void set_level(int level);
    const Grid& grid() const { return m_grid; }
    // A new game: every tile grey again.
    void clear();

    // Tiles are counted from 1 both ways. The tile's place on the board.
    Rect tile_rect(int column, int row) const;
    bool coloured(int column, int row) const;
    int grey_left() const;

    // vyber_kostku: a random grey tile (`draw(n)` gives 1..n), now the current one.
    void hand_out(const std::function<int(int)>& draw);
    int current_column() const { return m_column; }
    int current_row() const { return m_row; }
    void forget_current() { m_column = m_row = 0; }

    // A drop with the carried tile's top-left corner at (left, top) on the board:
    // true when the tile under its centre is the current one, which is then coloured.
    bool place(int left, int top);

private:
    Grid m_grid = grid_of(1);
    std::vector<bool> m_coloured;
    int m_column = 0, m_row = 0;
};

}  // namespace bafo

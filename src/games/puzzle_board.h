// The jigsaw's board without drawing: the grid of a level, which piece lies
// in which cell, the cell under a point, exchanges and the win test.
#pragma once

#include "platform/surface.h"

#include <functional>
#include <vector>

namespace bafo {

class PuzzleBoard {
public:
    struct Grid {
        int columns, cell_w, rows, cell_h;
        int cells() const { return columns * rows; }
    };
    static Grid grid_of(int level);

    // Level setup: every piece at home.
    void reset(int level);
    const Grid& grid() const { return m_grid; }

    int cell(int column, int row) const { return row * m_grid.columns + column; }
    // vrat_hodnotu_bunky: the piece lying in a cell.
    int piece_at(int column, int row) const { return m_contents[size_t(cell(column, row))]; }
    int piece_in(int c) const { return m_contents[size_t(c)]; }
    // vrat_original_x / _y: where a piece lies in the picture.
    Rect piece_rect(int piece) const;
    // vrat_sloupec / vrat_radek: the column and row of a picture-area point.
    int column_of(int x) const { return x / m_grid.cell_w; }
    int row_of(int y) const { return y / m_grid.cell_h; }
    // Where a cell lies in the picture area.
    Rect cell_rect(int column, int row) const;

    // 500 exchanges of two cells drawn by `draw(n)` (0..n-1), from the contents as they are.
    void shuffle(const std::function<int(int)>& draw);
    void exchange(int a, int b);
    bool solved() const;

private:
    Grid m_grid = grid_of(1);
    std::vector<int> m_contents;
};

}  // namespace bafo

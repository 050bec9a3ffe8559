// The falling-blocks field without drawing: the grid, the row being built
// from the bottom up, which columns of it are filled, the falling piece and
// what a tick of the fall timer and an arrow key do to it.
#pragma once

#include "platform/surface.h"

#include <array>
#include <functional>

namespace bafo {

class TetrisField {
public:
    static constexpr int kWidth = 432, kHeight = 480, kPictureHeight = 324;
    static constexpr int kMaxColumns = 16;
    enum class Tick { Falling, Lost, Landed, RowDone, Won };

    static int speed_of(int level) { return level == 3 ? 8 : level == 2 ? 4 : 1; }

    // vypocti_rozmery: the grid from the number of columns, every column empty.
    void set_columns(int columns);
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    int cell_w() const { return m_cell_w; }
    int cell_h() const { return m_cell_h; }

    // A new game: the first row at the bottom of the field.
    void start();
    // The next piece at the top of the middle column; it belongs in a random
    // empty column (`draw(n)` gives 1..n). Returns its cell in the reduced picture.
    Rect next_piece(const std::function<int(int)>& draw);
    // The piece falls `speed` pixels.
    Tick tick(int speed);
    // Arrow keys 37, 39 and 40; false when the key is refused or not one of them.
    bool key(int code);

    int left() const { return m_left; }
    int top() const { return m_top; }
    int floor() const { return m_floor; }
    int row() const { return m_row; }
    int current_column() const { return m_current; }
    int target_column() const { return m_target; }
    bool filled(int column) const { return column >= 1 && column <= m_columns && m_filled[size_t(column)]; }
    // Where the last piece that landed was painted in the field.
    Point landed_at() const { return m_landed; }

private:
    int m_columns = 8, m_rows = 6, m_cell_w = 54, m_cell_h = 54;
    int m_floor = kHeight, m_row = 1;
    int m_current = 5, m_target = 5;
    int m_left = 0, m_top = 0;
    Point m_landed;
    std::array<bool, kMaxColumns + 1> m_filled{};
};

}  // namespace bafo

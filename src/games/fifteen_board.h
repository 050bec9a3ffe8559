// The fifteen puzzle's board: sixteen cells of 120 × 120 over the middle of
// the picture, tiles 0..14 and the hole (tile 15). No drawing here.
#pragma once

#include "platform/surface.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace bafo {

class FifteenBoard {
public:
    enum class Dir { None, Right, Left, Down, Up };  // VPRAVO, VLEVO, DOLU, NAHORU
    struct Move {
        int source = 0, target = 0;
        Dir dir = Dir::None;
    };
    static constexpr int kCell = 120;
    static constexpr Point kOrigin{160, 31};

    FifteenBoard() { reset(); }
    // Solved: every tile home, the hole in cell 15.
    void reset();
    int tile_at(int cell) const { return m_tiles[size_t(cell)]; }
    int hole() const { return m_hole; }
    bool solved() const;

    static Rect cell_rect(int cell);
    // How the tile in `cell` can slide into the hole (right, left, down, up tried in that order).
    std::optional<Move> movable(int cell) const;
    // The move a click at screen point (x, y) makes: the first cell that holds the
    // point (borders included) and whose tile can move.
    std::optional<Move> move_at(int x, int y) const;
    // The tile slides: the source becomes the hole.
    void apply(const Move& m);

    // The slides into the hole a shuffle may choose from, in their fixed order.
    std::vector<Move> shuffle_candidates() const;
    // A uniform choice among the candidates that does not undo `previous`; u() draws from [0, 1).
    Move pick_shuffle_move(Dir previous, const std::function<double()>& u) const;
    static bool reverses(Dir a, Dir b);

private:
    std::array<uint8_t, 16> m_tiles{};
    int m_hole = 15;
};

}  // namespace bafo

#include "games/fifteen_board.h"

namespace bafo {

void FifteenBoard::reset()
{
    for (int i = 0; i < 16; ++i)
        m_tiles[size_t(i)] = uint8_t(i);
    m_hole = 15;
}

bool FifteenBoard::solved() const
{
    for (int i = 0; i < 16; ++i)
        if (m_tiles[size_t(i)] != i)
            return false;
    return true;
}

Rect FifteenBoard::cell_rect(int cell)
{
    return {kOrigin.x + kCell * (cell % 4), kOrigin.y + kCell * (cell / 4), kCell, kCell};
}

std::optional<FifteenBoard::Move> FifteenBoard::movable(int c) const
{
    if (c < 0 || c > 15 || c == m_hole)
        return std::nullopt;
    if (c + 1 <= 15 && (c + 1) / 4 == c / 4 && c + 1 == m_hole)
        return Move{c, c + 1, Dir::Right};
    if (c - 1 >= 0 && (c - 1) / 4 == c / 4 && c - 1 == m_hole)
        return Move{c, c - 1, Dir::Left};
    if (c + 4 <= 15 && c + 4 == m_hole)
        return Move{c, c + 4, Dir::Down};
    if (c - 4 >= 0 && c - 4 == m_hole)
        return Move{c, c - 4, Dir::Up};
    return std::nullopt;
}

std::optional<FifteenBoard::Move> FifteenBoard::move_at(int x, int y) const
{
    for (int i = 0; i < 16; ++i) {
        Rect r = cell_rect(i);
        // Both borders belong to the cell: a click on a line goes to the lower cell if it can move.
        if (x >= r.x && x <= r.x + kCell && y >= r.y && y <= r.y + kCell)
            if (auto m = movable(i))
                return m;
    }
    return std::nullopt;
}

void FifteenBoard::apply(const Move& m)
{
    std::swap(m_tiles[size_t(m.source)], m_tiles[size_t(m.target)]);
    m_hole = m.source;
}

std::vector<FifteenBoard::Move> FifteenBoard::shuffle_candidates() const
{
    const int e = m_hole;
    std::vector<Move> out;
    if (e + 1 <= 15 && (e + 1) / 4 == e / 4)
        out.push_back({e + 1, e, Dir::Left});
    if (e - 1 >= 0 && (e - 1) / 4 == e / 4)
        out.push_back({e - 1, e, Dir::Right});
    if (e + 4 <= 15)
        out.push_back({e + 4, e, Dir::Up});
    if (e - 4 >= 0)
        out.push_back({e - 4, e, Dir::Down});
    return out;
}

bool FifteenBoard::reverses(Dir a, Dir b)
{
    return (a == Dir::Left && b == Dir::Right) || (a == Dir::Right && b == Dir::Left) ||
           (a == Dir::Up && b == Dir::Down) || (a == Dir::Down && b == Dir::Up);
}

FifteenBoard::Move FifteenBoard::pick_shuffle_move(Dir previous, const std::function<double()>& u) const
{
    const auto candidates = shuffle_candidates();
    const size_t n = candidates.size();
    for (;;) {
        size_t k = size_t(double(n) * u());
        if (k >= n)
            k = n - 1;
        if (!reverses(candidates[k].dir, previous))
            return candidates[k];
    }
}

}  // namespace bafo

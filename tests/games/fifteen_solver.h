// A solver for the tests that play the fifteen puzzle by clicks.
#pragma once

#include "games/fifteen_board.h"

#include <array>
#include <cstdlib>
#include <vector>

namespace bafo::test {

// Iterative deepening on the Manhattan distance: enough for a shuffle of 15 to 45 slides.
struct Solver {
    std::array<int, 16> t{};
    int hole = 15;
    std::vector<int> path;  // cells clicked
    int h() const
    {
        int d = 0;
        for (int i = 0; i < 16; ++i)
            if (t[size_t(i)] != 15)
                d += std::abs(i % 4 - t[size_t(i)] % 4) + std::abs(i / 4 - t[size_t(i)] / 4);
        return d;
    }
    bool search(int g, int bound, int prev)
    {
        int f = g + h();
        if (f > bound)
            return false;
        if (h() == 0)
            return true;
        const int e = hole;
        for (int c : {e - 4, e + 4, e - 1, e + 1}) {
            if (c < 0 || c > 15 || c == prev || ((c == e - 1 || c == e + 1) && c / 4 != e / 4))
                continue;
            std::swap(t[size_t(c)], t[size_t(e)]);
            hole = c;
            path.push_back(c);
            if (search(g + 1, bound, e))
                return true;
            path.pop_back();
            hole = e;
            std::swap(t[size_t(c)], t[size_t(e)]);
        }
        return false;
    }
    std::vector<int> solve(const FifteenBoard& b)
    {
        for (int i = 0; i < 16; ++i)
            t[size_t(i)] = b.tile_at(i);
        hole = b.hole();
        path.clear();
        for (int bound = h(); bound < 80; ++bound)
            if (search(0, bound, -1))
                return path;
        return {};
    }
};

}  // namespace bafo::test

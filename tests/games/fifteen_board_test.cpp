#include "games/fifteen_board.h"

#include <gtest/gtest.h>
#include <random>

using namespace bafo;
using Dir = FifteenBoard::Dir;

namespace {
// Shuffles a solved board with `slides` moves, drawing from a seeded generator.
FifteenBoard shuffled(int slides, unsigned seed, std::vector<FifteenBoard::Move>* log = nullptr)
{
    std::mt19937 g(seed);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    FifteenBoard b;
    Dir previous = Dir::None;
    for (int i = 0; i < slides; ++i) {
        auto m = b.pick_shuffle_move(previous, [&] { return u(g); });
        b.apply(m);
        if (log)
            log->push_back(m);
        previous = m.dir;
    }
    return b;
}
}  // namespace

TEST(FifteenBoard, ShuffleNeverUndoesItsLastSlide)
{
    for (unsigned seed = 0; seed < 200; ++seed) {
        std::vector<FifteenBoard::Move> log;
        shuffled(45, seed, &log);
        for (size_t i = 1; i < log.size(); ++i)
            ASSERT_FALSE(FifteenBoard::reverses(log[i].dir, log[i - 1].dir)) << "seed " << seed << " slide " << i;
    }
}

TEST(FifteenBoard, WhereTheHoleEndsAfterAShuffle)
{
    struct Case {
        int slides;
        bool can_end_home;
    } cases[] = {{15, false}, {30, true}, {45, false}};
    for (const auto& c : cases) {
        int home = 0, solved = 0;
        for (unsigned seed = 0; seed < 2000; ++seed) {
            FifteenBoard b = shuffled(c.slides, seed);
            home += b.hole() == 15;
            solved += b.solved();
        }
        if (c.can_end_home) {
            EXPECT_GT(home, 0) << c.slides << " slides never brought the hole home";
        } else {
            EXPECT_EQ(home, 0) << c.slides << " slides brought the hole home";
            EXPECT_EQ(solved, 0) << c.slides;
        }
    }
}

TEST(FifteenBoard, WhatATileCanDo)
{
    struct Case {
        const char* name;
        std::vector<int> hole_path;  // cells the hole is moved through from 15
        int cell;
        bool can;
        Dir dir;
    } cases[] = {
        {"beside the hole, left of it", {}, 14, true, Dir::Right},
        {"above the hole", {}, 11, true, Dir::Down},
        {"diagonal", {}, 10, false, Dir::None},
        {"the hole itself", {}, 15, false, Dir::None},
        {"end of a row never wraps", {11, 7, 6, 5, 4}, 3, false, Dir::None},
        {"start of a row never wraps", {11, 7, 3}, 4, false, Dir::None},
        {"below the hole", {11, 7, 3}, 7, true, Dir::Up},
        {"right of the hole", {11, 10}, 11, true, Dir::Left},
    };
    for (const auto& c : cases) {
        FifteenBoard b;
        for (int cell : c.hole_path) {
            auto m = b.movable(cell);
            ASSERT_TRUE(m) << c.name << ": cannot walk the hole to " << cell;
            b.apply(*m);
        }
        auto m = b.movable(c.cell);
        EXPECT_EQ(m.has_value(), c.can) << c.name;
        if (m) {
            EXPECT_EQ(m->dir, c.dir) << c.name;
            EXPECT_EQ(m->target, b.hole()) << c.name;
        }
    }
}

TEST(FifteenBoard, ClicksOnBordersAndOutside)
{
    FifteenBoard b;
    b.apply(*b.movable(14));  // hole at 14: cells 13, 15 and 10 can move
    const Rect r13 = FifteenBoard::cell_rect(13), r14 = FifteenBoard::cell_rect(14);
    struct Case {
        const char* name;
        int x, y;
        int source;  // -1: no move
    } cases[] = {
        {"inside 13", r13.x + 60, r13.y + 60, 13},
        {"border 13|14 goes to 13, which can move", r14.x, r14.y + 60, 13},
        {"border 14|15: 14 is the hole, so 15", r14.x + 120, r14.y + 60, 15},
        {"border 10|14: 10 can move", r14.x + 60, r14.y, 10},
        {"the hole", r14.x + 60, r14.y + 60, -1},
        {"a tile away from the hole", FifteenBoard::cell_rect(0).x + 5, FifteenBoard::cell_rect(0).y + 5, -1},
        {"the side band", 100, 300, -1},
        {"below the board", 300, 520, -1},
    };
    for (const auto& c : cases) {
        auto m = b.move_at(c.x, c.y);
        EXPECT_EQ(m ? m->source : -1, c.source) << c.name << " at " << c.x << "," << c.y;
    }
}

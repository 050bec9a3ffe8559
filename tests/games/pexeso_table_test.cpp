// The memory game's card rules, without a screen.
#include "games/pexeso_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace bafo;

namespace {

std::string picture(int r)
{
    return "P" + std::to_string(r);
}

// Draws 1, 2, 3, ... wrapping at n: the pairs get pictures in order.
struct Counting {
    int next = 0;
    int operator()(int n) { return next++ % n + 1; }
};

// A level's table dealt from `available` pictures, in pair order (no shuffle).
PexesoTable dealt(int level, int available)
{
    PexesoTable t;
    t.lay_out(PexesoTable::columns_of(level));
    Counting c;
    t.deal(available, picture, std::ref(c));
    return t;
}

// The partner of each card in play.
std::map<int, int> partners(const PexesoTable& t)
{
    std::map<int, int> out;
    for (int a = 1; a <= t.count(); ++a)
        for (int b = 1; b <= t.count(); ++b)
            if (a != b && t.in_play(a) && t.tag(a) == t.tag(b))
                out[a] = b;
    return out;
}

}  // namespace

TEST(PexesoTable, DealsPairsOfDifferentPicturesAndNeverHangsOnASmallSet)
{
    struct Case {
        int level, available;
        int cards, pairs;
    } cases[] = {{1, 14, 16, 8}, {2, 14, 20, 10}, {3, 14, 24, 12}, {3, 12, 24, 12}, {3, 5, 24, 5}, {1, 0, 16, 0}};
    for (const auto& c : cases) {
        PexesoTable t = dealt(c.level, c.available);
        EXPECT_EQ(t.count(), c.cards) << "level " << c.level;
        std::set<std::string> pictures;
        int in_play = 0;
        for (int i = 1; i <= t.count(); ++i) {
            in_play += t.in_play(i);
            if (t.in_play(i))
                pictures.insert(t.tag(i));
        }
        EXPECT_EQ(in_play, 2 * c.pairs) << "level " << c.level << " from " << c.available << " pictures";
        EXPECT_EQ(int(pictures.size()), c.pairs) << "level " << c.level << " from " << c.available << " pictures";
        // Before the shuffle card i and card i + N/2 are a pair.
        for (int i = 1; i <= c.pairs; ++i)
            EXPECT_EQ(t.tag(i), t.tag(i + t.count() / 2)) << "level " << c.level << " card " << i;
    }
    // A draw that keeps giving pictures already dealt is asked again, not taken.
    PexesoTable t;
    t.lay_out(4);
    int calls = 0;
    t.deal(3, picture, [&](int) { return ++calls < 6 ? 1 : calls - 4; });
    EXPECT_EQ(t.tag(1), "P1");
    EXPECT_EQ(t.tag(2), "P2");
    EXPECT_EQ(t.tag(3), "P3");
}

TEST(PexesoTable, ShuffleOnlyMovesTheTags)
{
    PexesoTable t = dealt(3, 14);
    std::multiset<std::string> before;
    for (int i = 1; i <= t.count(); ++i)
        before.insert(t.tag(i));
    // Places that change from exchange to exchange, now and then a card with itself.
    int k = 0;
    t.shuffle([&](int n) { return ++k % 2 ? (k / 2) % n + 1 : n - (k / 2) % n; });
    std::multiset<std::string> after;
    for (int i = 1; i <= t.count(); ++i)
        after.insert(t.tag(i));
    EXPECT_EQ(after, before);
    EXPECT_NE(t.tag(1), "P1") << "nothing moved";
    EXPECT_EQ(int(partners(t).size()), 24) << "a card lost its partner";
}

TEST(PexesoTable, WhatAClickDoes)
{
    // Level 1 in pair order: card i matches card i + 8.
    PexesoTable t = dealt(1, 14);
    struct Step {
        int card;
        bool ignored;
        int back_first, turn_up, first, second;
        bool match, won;
        int attempts;
        const char* why;
    } steps[] = {
        {1, false, 0, 1, 0, 0, false, false, 0, "a first card turns; no attempt yet"},
        {1, true, 0, 0, 0, 0, false, false, 0, "the first card again does nothing"},
        {2, false, 0, 2, 1, 2, false, false, 1, "a second card: an attempt, a wrong pair"},
        {1, true, 0, 0, 0, 0, false, false, 1, "the wrong pair's own cards do nothing"},
        {2, true, 0, 0, 0, 0, false, false, 1, "the wrong pair's own cards do nothing"},
        {3, false, 1, 3, 0, 0, false, false, 1, "a third card turns the pair back and starts an attempt"},
        {11, false, 0, 11, 3, 11, true, false, 2, "a pair leaves the table"},
        {3, true, 0, 0, 0, 0, false, false, 2, "a card that left takes no click"},
        {0, true, 0, 0, 0, 0, false, false, 2, "the template is no card"},
        {17, true, 0, 0, 0, 0, false, false, 2, "past the last card"},
    };
    for (const auto& s : steps) {
        const auto c = t.click(s.card);
        EXPECT_EQ(c.ignored, s.ignored) << s.why;
        EXPECT_EQ(c.back_first, s.back_first) << s.why;
        EXPECT_EQ(c.turn_up, s.turn_up) << s.why;
        EXPECT_EQ(c.first, s.first) << s.why;
        EXPECT_EQ(c.second, s.second) << s.why;
        EXPECT_EQ(c.match, s.match) << s.why;
        EXPECT_EQ(c.won, s.won) << s.why;
        EXPECT_EQ(t.attempts(), s.attempts) << s.why;
    }
    // The rest, pair by pair: the last one wins, once.
    int wins = 0;
    for (int i = 1; i <= 8; ++i) {
        if (!t.in_play(i))
            continue;
        t.click(i);
        wins += t.click(i + 8).won;
    }
    EXPECT_EQ(wins, 1);
    EXPECT_FALSE(t.any_in_play());
}

TEST(PexesoTable, BusyGivenUpAndTheCountsLimit)
{
    PexesoTable t = dealt(1, 14);
    t.set_busy(true);
    EXPECT_TRUE(t.click(1).ignored) << "a click while a pair leaves";
    t.set_busy(false);
    t.give_up();
    EXPECT_TRUE(t.click(1).ignored) << "a click after all faces were shown";
    t = dealt(1, 14);
    for (int i = 0; i < 32100; ++i) {
        t.click(1 + i % 2 * 2);  // 1 then 3, 3 then 1: always a wrong pair
        t.click(2);
    }
    EXPECT_EQ(t.attempts(), PexesoTable::kMaxAttempts) << "the count ran past what the table keeps";
}

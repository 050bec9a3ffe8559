// Animations on the real clock: a tile sliding, a card turning, a cube rolling. Their frames
// come on time and the processor sleeps between them.
#include "games/frm_15.h"
#include "games/frm_kostky.h"
#include "games/frm_pexeso.h"
#include "platform/sdl_platform.h"
#include "services/globals.h"
#include "real_clock.h"
#include "test_support.h"
#include "ui/app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sys/resource.h>

using namespace bafo;

namespace {

using test::kTimingsMeaningful;
using test::TimedSdl;
using test::RealClock;

void click_at(int x, int y)
{
    auto& app = ui::App::get();
    app.dispatch(Event{Event::Type::MouseMove, x, y, 0, 0});
    app.dispatch(Event{Event::Type::MouseDown, x, y, 1, 1});
    app.dispatch(Event{Event::Type::MouseUp, x, y, 1, 0});
}

double cpu_ms()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}


// One animation run inside a click: how long, how many frames, the latest frame, the processor.
struct Animation {
    uint32_t took;
    size_t frames;
    int worst;
    double cpu;
};

Animation measure(TimedSdl& sdl, Point at, uint32_t frame_ms)
{
    sdl.presents.clear();
    const double cpu0 = cpu_ms();
    const uint32_t t0 = sdl.now_ms();
    click_at(at.x, at.y);
    Animation r{sdl.now_ms() - t0, sdl.presents.size(), 0, cpu_ms() - cpu0};
    for (size_t i = 1; i < sdl.presents.size(); ++i)
        r.worst = std::max(r.worst, int(sdl.presents[i] - sdl.presents[i - 1]) - int(frame_ms));
    return r;
}

const Animation& best_of(const std::vector<Animation>& runs)
{
    return *std::min_element(runs.begin(), runs.end(), [](auto& a, auto& b) { return a.worst < b.worst; });
}

}  // namespace

TEST_F(RealClock, ACardTurnsInSixtyFramesOfFiveMilliseconds)
{
    tree.add_pexeso();
    vybrana_sada = 1;
    FrmPexeso& g = open<FrmPexeso>();
    // Three turns, each the first card of a fresh deal; the machine may hiccup in one.
    std::vector<Animation> turns;
    for (int k = 1; k <= 3; ++k) {
        const Rect r = g.card_rect(k);
        const Animation t = measure(sdl, {r.x + r.w / 2, r.y + r.h / 2}, FrmPexeso::kTurnFrame);
        std::printf("card turn %d: %u ms, %zu frames, worst frame %d ms late, %.0f ms of processor (%.0f %%)\n", k, t.took,
                    t.frames, t.worst, t.cpu, 100.0 * t.cpu / std::max(1u, t.took));
        turns.push_back(t);
        ASSERT_EQ(g.table().first(), k);
        click_at(543, 556);  // a new deal for the next turn
    }
    for (const auto& t : turns) {
        EXPECT_GE(t.frames, 60u) << "a card of " << test::MiniTree::kCardW << " x " << test::MiniTree::kCardH;
        EXPECT_GE(t.took, 60u * FrmPexeso::kTurnFrame - 5);
        EXPECT_LT(t.cpu, t.took * 0.5) << "the turn kept the processor busy: " << t.cpu << " ms of " << t.took;
    }
    EXPECT_LE(best_of(turns).worst, 2) << "a frame came late in every turn";
}

TEST_F(RealClock, ACubeRollsInThirtyThreeFramesOfTenMilliseconds)
{
    tree.add_fifteen();
    tree.add_kostky();
    vybrany_obrazek = tree.data("ANIM/1/POZADI1.BMP");
    FrmKostky& g = open<FrmKostky>();
    click_at(400, 300);  // a shuffle
    ASSERT_TRUE(g.running());
    std::vector<Animation> rolls;
    for (int k = 0; k < 3; ++k) {
        const Rect c = g.board().cube_rect(k);
        const Animation r = measure(sdl, {80 + c.x + 5, 31 + c.y + c.h / 2}, FrmKostky::kFrameMs);  // the left band
        std::printf("cube roll %d: %u ms, %zu frames, worst frame %d ms late, %.0f ms of processor (%.0f %%)\n", k + 1,
                    r.took, r.frames, r.worst, r.cpu, 100.0 * r.cpu / std::max(1u, r.took));
        rolls.push_back(r);
    }
    for (const auto& r : rolls) {
        EXPECT_GE(r.frames, 33u) << "a roll at level 1: 128 pixels in steps of 4";
        EXPECT_GE(r.took, 33u * FrmKostky::kFrameMs - 10);
        EXPECT_LT(r.cpu, r.took * 0.5) << "the roll kept the processor busy";
    }
    EXPECT_LE(best_of(rolls).worst, 2) << "a frame came late in every roll";
}

TEST_F(RealClock, AChildsSlideTakesItsTimeAndSleeps)
{
    tree.add_fifteen();
    vybrany_obrazek = tree.data("ANIM/1/POZADI1.BMP");
    Frm15& g = open<Frm15>();
    click_at(400, 300);  // a shuffle
    ASSERT_TRUE(g.running());
    // Three slides; the machine, not the program, may hiccup in one of them.
    std::vector<Animation> slides;
    for (int k = 1; k <= 3; ++k) {
        int cell = 0;
        while (!g.board().movable(cell))
            ++cell;
        const Rect r = FifteenBoard::cell_rect(cell);
        const Animation s = measure(sdl, {r.x + 60, r.y + 60}, Frm15::kPlayDelay);
        std::printf("slide %d: %u ms, %zu frames, worst step %d ms late, %.0f ms of processor (%.0f %%)\n", k, s.took,
                    s.frames, s.worst, s.cpu, 100.0 * s.cpu / std::max(1u, s.took));
        ASSERT_EQ(g.moves(), k);
        slides.push_back(s);
    }
    for (const auto& s : slides) {
        EXPECT_GE(s.took, 480u) << "a slide must last 120 steps of 4 ms";
        EXPECT_GE(s.frames, 120u);
        EXPECT_LT(s.cpu, s.took * 0.5) << "the slide kept the processor busy: " << s.cpu << " ms of " << s.took;
    }
    EXPECT_LE(best_of(slides).worst, 2) << "a step came late in every slide";
}

// The fifteen puzzle's screen on the fake platform: shuffled by a click,
// solved by clicks, then the fanfare, the clips and the results table.
#include "games/frm_15.h"
#include "platform/files.h"
#include "results/frm_tabulka.h"
#include "services/globals.h"
#include "games/fifteen_solver.h"
#include "test_support.h"
#include "ui/app.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace bafo;

namespace {

class FifteenScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_platform(&fake);
        ui::App::get().reset();
        reset_globals();
        cesta_dat = cesta_hry = tree.dir.path();
        tree.add_fifteen();
        picture = tree.data("ANIM/1/POZADI1.BMP");
        vybrany_obrazek = picture;
    }
    void TearDown() override
    {
        ui::App::get().reset();
        set_platform(nullptr);
    }
    Frm15& open()
    {
        Frm15& g = ui::App::get().form<Frm15>();
        ui::App::get().show(g);
        ui::App::get().dispatch_pending();
        return g;
    }
    test::MiniTree tree;
    FakePlatform fake;
    std::string picture;
};

Point centre(int cell)
{
    Rect r = FifteenBoard::cell_rect(cell);
    return {r.x + 60, r.y + 60};
}

}  // namespace

TEST_F(FifteenScreen, SolvedByClicksThenFanfareClipsAndANameInTheTable)
{
    for (int level : {1, 3}) {
        TearDown();
        SetUp();
        Frm15& g = open();
        const Surface whole = test::pattern(640, 480, 240);
        for (int l = 1; l < level; ++l)
            fake.click(fake.now_ms() + 10, 215, 560);  // the level icon
        fake.click(fake.now_ms() + 100, 100, 300);  // the side band of the picture: a new game
        std::vector<int> plan;
        size_t next = 0;
        int presses = 0;
        bool named = false;
        Surface during_table;
        fake.on_idle = [&](FakePlatform& f) {
            if (f.pending_input())
                return;
            auto* t = ui::App::get().find<FrmTabulka>();
            if (t && t->entering() && !named) {
                named = true;
                during_table = ui::App::get().frame();
                f.type(f.now_ms() + 10, "Вика");
                f.key(f.now_ms() + 20, 13);
                f.click(f.now_ms() + 30, (800 - 514) / 2 + 472, (600 - 415) / 2 + 37);
                return;
            }
            if (!g.running() || !g.enabled())
                return;
            if (plan.empty())
                plan = test::Solver().solve(g.board());
            if (next < plan.size()) {
                Point p = centre(plan[next++]);
                f.click(f.now_ms() + 10, p.x, p.y);
                ++presses;
            }
        };
        // Runs until the table was closed after the win.
        ui::App::get().loop_until([&] { return named && !ui::App::get().loaded<FrmTabulka>(); });
        fake.on_idle = nullptr;
        ASSERT_FALSE(plan.empty()) << "level " << level << ": no solution found";
        EXPECT_EQ(g.moves(), presses) << "level " << level;
        EXPECT_TRUE(g.board().solved());
        EXPECT_FALSE(g.running());
        EXPECT_FALSE(g.hint_enabled());
        EXPECT_EQ(g.label_text(), std::to_string(presses));
        // The picture is whole again, the last tile painted in.
        ui::App::get().present();
        EXPECT_TRUE(ui::App::get().frame().crop({80, 31, 640, 480}).same_pixels(whole)) << "level " << level;
        // Sounds: slides with their swish, a fanfare, the clips' sound.
        std::vector<std::string> heard;
        for (auto& p : fake.played)
            heard.push_back(file_name_of(p.path));
        EXPECT_NE(std::find(heard.begin(), heard.end(), "SVIST.WAV"), heard.end());
        EXPECT_TRUE(std::any_of(heard.begin(), heard.end(), [](auto& h) { return h.rfind("FANF", 0) == 0; }));
        EXPECT_EQ(fake.cursor_count, 0) << "the pointer was left hidden";
        // No game runs: over a tile that slid last the pointer is the plain arrow.
        const Point last_slid = centre(plan.back());
        fake.move(fake.now_ms() + 10, last_slid.x, last_slid.y);
        fake.move(fake.now_ms() + 20, centre(14).x, centre(14).y);
        ui::App::get().wait_dispatch(fake.now_ms() + 30);
        ASSERT_FALSE(fake.cursors.empty());
        EXPECT_EQ(fake.cursors.back(), CursorKind::Normal) << "level " << level << ": the solved board still offers moves";
        ResultsTable t;
        t.load(ResultsTable::file(cesta_hry), "15", level);
        EXPECT_EQ(t.places[0].name, "Вика") << "level " << level;
        EXPECT_EQ(t.places[0].number, presses) << "level " << level;
        EXPECT_NE(read_file(ResultsTable::file(cesta_hry)).value_or("").find("[15" + std::to_string(level) + "]"),
                  std::string::npos);
    }
}

TEST_F(FifteenScreen, SlidesTakeTheirTimeAndClicksElsewhereCountNothing)
{
    Frm15& g = open();
    fake.click(10, 400, 300);
    ui::App::get().loop_until([&] { return g.running(); });
    const uint32_t shuffled_at = fake.now_ms();
    EXPECT_GE(shuffled_at, 10u + 15 * 240) << "the shuffle did not animate every slide";
    // A click on a tile that does not touch the hole, on the hole, and beside the board: no move.
    const int hole = g.board().hole();
    int far = -1;
    for (int c = 0; c < 16 && far < 0; ++c)
        if (c != hole && !g.board().movable(c))
            far = c;
    fake.click(fake.now_ms() + 10, centre(far).x, centre(far).y);
    fake.click(fake.now_ms() + 20, centre(hole).x, centre(hole).y);
    fake.click(fake.now_ms() + 30, 100, 300);
    ui::App::get().wait_dispatch(fake.now_ms() + 100);
    EXPECT_EQ(g.moves(), 0);
    // One real slide lasts 120 steps of 4 ms.
    int movable = -1;
    for (int c = 0; c < 16 && movable < 0; ++c)
        if (g.board().movable(c))
            movable = c;
    const uint32_t t0 = fake.now_ms() + 10;
    fake.click(t0, centre(movable).x, centre(movable).y);
    ui::App::get().loop_until([&] { return g.moves() == 1 && g.enabled(); });
    EXPECT_GE(fake.now_ms() - t0, 480u);
    EXPECT_LE(fake.now_ms() - t0, 490u);
    EXPECT_EQ(g.label_text(), "1");
}

TEST_F(FifteenScreen, LevelsHintAndBestResults)
{
    Frm15& g = open();
    const Point level{215, 560};
    for (int want : {2, 3, 1}) {
        fake.click(fake.now_ms() + 10, level.x, level.y);
        ui::App::get().wait_dispatch(fake.now_ms() + 20);
        EXPECT_EQ(g.level(), want);
        ui::App::get().present();
        EXPECT_TRUE(test::region_is(ui::App::get().frame(), 177, 515,
                                    tree.bitmap("15/SLOZ_" + std::to_string(want) + ".BMP")))
            << "the level icon does not show level " << want;
    }
    EXPECT_FALSE(g.hint_enabled()) << "the hint works before a game";
    fake.click(fake.now_ms() + 10, 400, 300);
    ui::App::get().loop_until([&] { return g.running(); });
    EXPECT_TRUE(g.hint_enabled());
    // The hint shows the whole picture for three seconds.
    const uint32_t t = fake.now_ms() + 10;
    Surface during;
    fake.probe_at(t + 1500);
    fake.on_idle = [&](FakePlatform& f) {
        if (f.now_ms() == t + 1500)
            during = ui::App::get().frame();
    };
    fake.click(t, 770, 40);
    ui::App::get().wait_dispatch(t + 3100);
    EXPECT_TRUE(during.crop({80, 31, 640, 480}).same_pixels(test::pattern(640, 480, 240))) << "no whole picture during the hint";
    // A level change stops the game and leaves the tiles as they are.
    const FifteenBoard before = g.board();
    fake.click(fake.now_ms() + 10, level.x, level.y);
    ui::App::get().wait_dispatch(fake.now_ms() + 20);
    EXPECT_FALSE(g.running());
    EXPECT_FALSE(g.hint_enabled());
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ(g.board().tile_at(c), before.tile_at(c));
    // The best results only show the table: nothing is written.
    fake.click(fake.now_ms() + 10, 30, 25);
    fake.click(fake.now_ms() + 100, (800 - 514) / 2 + 472, (600 - 415) / 2 + 37);
    ui::App::get().wait_dispatch(fake.now_ms() + 200);
    EXPECT_EQ(vysledek, 32000);
    EXPECT_FALSE(file_exists(ResultsTable::file(cesta_hry)));
}

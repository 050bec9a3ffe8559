// Tests on the generated data tree itself (BAFO_DATA names it; skipped without it).
#include "games/fifteen_solver.h"
#include "games/frm_15.h"
#include "menus/frm_sel_pic.h"
#include "platform/bitmap_file.h"
#include "platform/files.h"
#include "results/frm_tabulka.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "services/video.h"
#include "test_support.h"
#include "ui/app.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace bafo;

namespace {

const char* tree()
{
    const char* t = std::getenv("BAFO_DATA");
    return t && *t ? t : nullptr;
}

struct Game : ui::Form {
    Game() : ui::Form("game") { video.hide(); }
    ui::PictureBox& video = add<ui::PictureBox>("video");
};

class TreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!tree())
            GTEST_SKIP() << "BAFO_DATA is not set";
        set_platform(&fake);
        ui::App::get().reset();
        reset_globals();
        cesta_dat = tree();
        cesta_hry = out.path();
        game = &ui::App::get().form<Game>();
        // A game screen: a background with the chosen picture in the picture area.
        Surface screen(800, 600, 0x8FD3F4), pic;
        load_bitmap(data_path("\\BAFO_CS\\ANIM\\1\\POZADI1.BMP"), pic);
        screen.blit(pic, 80, 31);
        game->set_picture(screen);
        ui::App::get().show(*game);
        ui::App::get().dispatch_pending();
    }
    void TearDown() override
    {
        ui::App::get().reset();
        set_platform(nullptr);
    }
    FakePlatform fake;
    test::TempDir out;
    Game* game = nullptr;
};

}  // namespace

TEST_F(TreeTest, EveryWinSequencePlaysItsClipsAndRestoresThePicture)
{
    const Surface before = game->image;
    for (int n = 1; n <= 6; ++n)
        for (int i = 1; i <= 10; ++i) {
            const std::string pic = data_path("\\BAFO_CS\\ANIM\\" + std::to_string(n) + "\\POZADI" + std::to_string(i) + ".BMP");
            int clips = 0, frames = 0;
            Rect last{-1, -1, 0, 0};
            prehraj_sekvenci(sekvence_obrazku(pic), game->video, 80, 31, 1, [&](const Surface&, const Rect& at) {
                ++frames;
                if (at.x != last.x || at.y != last.y || frames == 1)
                    ++clips;
                last = at;
            });
            EXPECT_GE(frames, 2) << pic;
            EXPECT_TRUE(fake.messages.empty()) << pic << ": " << (fake.messages.empty() ? "" : fake.messages[0].text);
            ui::App::get().present();
            EXPECT_TRUE(ui::App::get().frame().same_pixels(before)) << pic << ": the picture was not restored";
        }
}

TEST_F(TreeTest, ResultsPanelWithACyrillicNameOverAGame)
{
    const char* shots = std::getenv("BAFO_SHOTS");
    Surface shown;
    fake.type(100, "Женя");
    fake.probe_at(200);
    fake.on_idle = [&](FakePlatform& f) {
        if (f.now_ms() == 200)
            shown = ui::App::get().frame();
    };
    fake.key(300, 13);
    fake.click(400, (800 - 514) / 2 + 472, (600 - 415) / 2 + 37);
    test::write_file(ResultsTable::file(cesta_hry), "[151]\nPOS1=Ира#40\nPOS2=Олег#55\nPOS3=Žofie#61\n");
    ukaz_tabulku("15", 1, 47);
    ASSERT_FALSE(shown.empty());
    if (shots)
        save_bitmap(join_path(shots, "table-cyrillic.bmp"), shown);
    ResultsTable t;
    t.load(ResultsTable::file(cesta_hry), "15", 1);
    EXPECT_EQ(t.places[1].name, "Женя");
}

TEST_F(TreeTest, FifteenPuzzleWonWithTheRealTree)
{
    const char* shots = std::getenv("BAFO_SHOTS");
    vybrany_obrazek = data_path("\\BAFO_CS\\ANIM\\1\\POZADI1.BMP");
    Frm15& g = ui::App::get().form<Frm15>();
    ui::App::get().show(g);
    ui::App::get().dispatch_pending();
    fake.click(fake.now_ms() + 10, 400, 300);
    std::vector<int> plan;
    size_t next = 0;
    bool named = false;
    Surface shuffled, in_clip, table;
    fake.on_idle = [&](FakePlatform& f) {
        if (f.pending_input())
            return;
        if (g.nosic_visible_in_clip() && g.board().solved() && !plan.empty() && in_clip.empty())
            in_clip = ui::App::get().frame();
        auto* t = ui::App::get().find<FrmTabulka>();
        if (t && t->entering() && !named) {
            named = true;
            table = ui::App::get().frame();
            f.type(f.now_ms() + 10, "Маша");
            f.key(f.now_ms() + 20, 13);
            f.click(f.now_ms() + 30, (800 - 514) / 2 + 472, (600 - 415) / 2 + 37);
            return;
        }
        if (!g.running() || !g.enabled())
            return;
        if (plan.empty()) {
            shuffled = ui::App::get().frame();
            plan = test::Solver().solve(g.board());
        }
        if (next < plan.size()) {
            Rect r = FifteenBoard::cell_rect(plan[next++]);
            f.click(f.now_ms() + 10, r.x + 60, r.y + 60);
        }
    };
    ui::App::get().loop_until([&] { return named && !ui::App::get().loaded<FrmTabulka>(); });
    fake.on_idle = nullptr;
    EXPECT_TRUE(g.board().solved());
    EXPECT_FALSE(in_clip.empty()) << "no clip played after the win";
    EXPECT_TRUE(fake.messages.empty());
    if (shots) {
        save_bitmap(join_path(shots, "fifteen-shuffled.bmp"), shuffled);
        save_bitmap(join_path(shots, "fifteen-win-clip.bmp"), in_clip);
        save_bitmap(join_path(shots, "fifteen-win-table.bmp"), table);
    }
}

namespace {

TEST_F(TreeTest, EveryDancePlaysToItsEndOnTheStudioTimer)
{
    for (int n = 1; n <= 24; ++n) {
        const std::string script = data_path("\\BAFO_CS\\MUSIC\\TANCE\\BAFO" + std::to_string(n) + ".DAT");
        TimedClip dance;
        ASSERT_TRUE(dance.start(script, game->video)) << script;
        const Rect box = game->video.rect();
        EXPECT_TRUE(box.x >= 0 && box.y >= 0 && box.x + box.w <= 800 && box.y + box.h <= 600) << script;
        const Surface first = game->video.layers.screen;
        int steps = 0;
        bool moved = false;
        uint32_t total = 0;
        while (auto ms = dance.step()) {
            ++steps;
            total += *ms;
            moved = moved || !test::region_is(game->video.layers.screen, 0, 0, first);
        }
        EXPECT_FALSE(dance.running()) << script;
        EXPECT_FALSE(game->video.visible()) << script;
        EXPECT_GE(steps, 2) << script;
        EXPECT_TRUE(moved) << script << ": Bafo does not move";
        EXPECT_LT(total, 20000u) << script << ": a dance outlasts a child's patience";
    }
    EXPECT_TRUE(fake.messages.empty());
}

// The painting chooser shows the thumbnails and hands the page's path on; the
// painting screen loads the 1-bit page through the same loader.
TEST_F(TreeTest, ColouringPagesLoadThroughTheChoosersPaths)
{
    for (int set = 1; set <= 6; ++set)
        for (int i = 1; i <= 10; ++i) {
            Surface thumb, page;
            const std::string t = FrmSelPic::thumbnail_path(set, i, true), p = FrmSelPic::picture_path(set, i, true);
            ASSERT_EQ(load_bitmap(t, thumb), kBitmapOk) << t;
            EXPECT_EQ(thumb.width(), FrmSelPic::kThumbW) << t;
            EXPECT_EQ(thumb.height(), FrmSelPic::kThumbH) << t;
            ASSERT_EQ(load_bitmap(p, page), kBitmapOk) << p;
            ASSERT_EQ(page.width(), 640) << p;
            ASSERT_EQ(page.height(), 480) << p;
            long black = 0, other = 0;
            for (int y = 0; y < 480; ++y)
                for (int x = 0; x < 640; ++x) {
                    const uint32_t c = page.pixel(x, y);
                    black += c == 0;
                    other += c != 0 && c != 0xFFFFFF;
                }
            EXPECT_EQ(other, 0) << p << " is not pure black and white";
            EXPECT_GT(black, 640 * 480 / 50) << p << " lost its lines";
            EXPECT_LT(black, 640 * 480 / 4) << p << " came back mostly black";
        }
}

}  // namespace

// The mosaic: its tiles and drops, and the screen played by carrying tiles.
#include "games/frm_colorize.h"
#include "games/game_screen.h"
#include "platform/files.h"
#include "results/frm_tabulka.h"
#include "results/results_table.h"
#include "services/effects.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace bafo;

TEST(MozaikaBoard, GridsOfTheThreeLevels)
{
    struct Case {
        int level, columns, width, rows, height;
    } cases[] = {{1, 5, 128, 5, 96}, {2, 10, 64, 10, 48}, {3, 16, 40, 12, 40}};
    for (const auto& c : cases) {
        const auto g = MozaikaBoard::grid_of(c.level);
        EXPECT_EQ(g.columns, c.columns) << "level " << c.level;
        EXPECT_EQ(g.width, c.width) << "level " << c.level;
        EXPECT_EQ(g.rows, c.rows) << "level " << c.level;
        EXPECT_EQ(g.height, c.height) << "level " << c.level;
    }
}

TEST(MozaikaBoard, ADropCountsWhereTheTilesCentreLies)
{
    MozaikaBoard b;
    b.set_level(1);
    // The tile at column 3, row 2: board x 256..383, y 96..191. Its carrier is 128 × 96.
    struct Case {
        int left, top;
        bool right;
        const char* where;
    } cases[] = {{256, 96, true, "exactly in place"},
                 {256 - 64, 96 - 48, true, "the centre on the tile's top-left corner"},
                 {256 + 63, 96 + 47, true, "the centre on its last pixel"},
                 {256 + 64, 96, false, "the centre in the next column"},
                 {256, 96 - 49, false, "the centre in the row above"},
                 {256 - 65, 96, false, "the centre in the column before"}};
    for (const auto& c : cases) {
        int k = 0;
        b.clear();
        b.hand_out([&](int) { return k++ == 0 ? 3 : 2; });
        ASSERT_EQ(b.current_column(), 3);
        ASSERT_EQ(b.current_row(), 2);
        EXPECT_EQ(b.place(c.left, c.top), c.right) << c.where;
        EXPECT_EQ(b.coloured(3, 2), c.right) << c.where;
    }
    // A coloured tile is never handed out again.
    b.clear();
    int k = 0;
    b.hand_out([&](int) { return k++ == 0 ? 1 : 1; });
    b.place(0, 0);
    std::vector<int> drawn;
    b.hand_out([&](int n) {
        drawn.push_back(n);
        return drawn.size() <= 2 ? 1 : 2;  // (1, 1) first: coloured, drawn again
    });
    EXPECT_EQ(b.current_column(), 2);
    EXPECT_EQ(drawn.size(), 4u);
    EXPECT_EQ(b.grey_left(), 24);
}

namespace {

class ColorizeScreen : public test::GameScreen<FrmColorize> {
protected:
    ColorizeScreen() : GameScreen(&test::MiniTree::add_colorize) {}
    // The screen point at the centre of the tile handed out.
    Point current_centre() const
    {
        const auto& b = g->board();
        const Rect r = b.tile_rect(b.current_column(), b.current_row());
        return {80 + r.x + r.w / 2, 31 + r.y + r.h / 2};
    }
    void click(Point p, MouseButton button = MouseButton::Left)
    {
        fake.click(t += 10, p.x, p.y, button);
        run_to(t += 100);
    }
    int heard(const char* file) const
    {
        int n = 0;
        for (auto& p : fake.played)
            n += file_name_of(p.path) == file;
        return n;
    }
};

}  // namespace

TEST_F(ColorizeScreen, TheBoardIsGreyAndEveryTileCarriedHomeWinsTheTime)
{
    ui::App::get().present();
    const Surface board = ui::App::get().frame().crop({80, 31, 640, 480});
    Surface grey(640, 480);
    FoxGreyScale(grey, 0, 0, 640, 480, test::pattern(640, 480, 240), 0, 0);
    EXPECT_TRUE(board.same_pixels(grey)) << "the board is not the picture in grey";

    click({400, 300});
    ASSERT_TRUE(g->running());
    EXPECT_TRUE(g->carrier().visible()) << "no tile hangs under the pointer";
    // A click while a game runs is a drop, never a new game.
    run_to(t + 2000);
    click({400, 300});
    EXPECT_TRUE(g->running());
    EXPECT_GE(g->board().grey_left(), 24);
    EXPECT_EQ(heard("NOT_AVA.WAV") + heard("TUTUTU.WAV"), 1);
    EXPECT_EQ(g->seconds(), 2) << "the stopwatch started again";

    bool named = false;
    fake.on_idle = [&](FakePlatform& f) {
        auto* table = ui::App::get().find<FrmTabulka>();
        if (!named && table && table->entering() && !f.pending_input()) {
            named = true;
            f.type(f.now_ms() + 10, "Eda");
            f.key(f.now_ms() + 20, 13);
            f.click(f.now_ms() + 30, (800 - 514) / 2 + 472, (600 - 415) / 2 + 37);
        }
    };
    for (int drops = 0; drops < 25 && g->running(); ++drops) {
        const Point home = current_centre();
        fake.move(t += 10, home.x, home.y);
        click(home);
    }
    ui::App::get().loop_until([&] { return named && !ui::App::get().loaded<FrmTabulka>(); });
    EXPECT_FALSE(g->running());
    EXPECT_EQ(g->board().grey_left(), 0);
    ui::App::get().present();
    EXPECT_TRUE(ui::App::get().frame().crop({80, 31, 640, 480}).same_pixels(test::pattern(640, 480, 240)))
        << "the whole picture is not coloured again";
    ResultsTable kept;
    kept.load(ResultsTable::file(cesta_hry), "COL", 1);
    EXPECT_EQ(kept.places[0].name, "Eda");
    // The fanfare waited for the last placing sound.
    const FakePlatform::Played *last_yes = nullptr, *fanfare = nullptr;
    for (auto& p : fake.played) {
        if (file_name_of(p.path) == "TUTUTU.WAV")
            last_yes = &p;
        if (file_name_of(p.path).rfind("FANF", 0) == 0)
            fanfare = &p;
    }
    ASSERT_TRUE(last_yes && fanfare);
    EXPECT_GE(fanfare->at, last_yes->at + 400) << "the fanfare cut the placing sound";
}

TEST_F(ColorizeScreen, WrongDropsOtherButtonsAndTheHint)
{
    click({400, 300});
    const Point home = current_centre();
    // Only the left button places.
    fake.move(t += 10, home.x, home.y);
    click(home, MouseButton::Right);
    EXPECT_EQ(g->board().grey_left(), 25) << "the right button placed a tile";
    // A drop one tile off is wrong: "no", and a new tile is handed out.
    const Point off{home.x + (home.x < 600 ? 128 : -128), home.y};
    fake.move(t += 10, off.x, off.y);
    click(off);
    EXPECT_EQ(g->board().grey_left(), 25);
    EXPECT_EQ(heard("NOT_AVA.WAV"), 1);
    EXPECT_TRUE(g->carrier().visible());
    // The hint hides the board for three seconds: the coloured picture shows.
    fake.click(t += 10, 770, 40);
    Surface during;
    fake.probe_at(t + 1500);
    fake.on_idle = [&, at = t + 1500](FakePlatform& f) {
        if (f.now_ms() == at)
            during = ui::App::get().frame().crop({80, 31, 640, 480});
    };
    run_to(t += 3500);
    fake.on_idle = nullptr;
    EXPECT_TRUE(during.same_pixels(test::pattern(640, 480, 240))) << "the board did not give way to the picture";
    EXPECT_TRUE(g->play_board().visible());
    // A level change keeps the hint as it was and the board's picture.
    const bool hint = g->hint_enabled();
    click({215, 560});
    EXPECT_EQ(g->hint_enabled(), hint);
    EXPECT_FALSE(g->running());
    EXPECT_FALSE(g->carrier().visible());
}

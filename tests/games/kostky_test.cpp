// The picture cubes: the dice and their rolls, the bands, and the screen
// solved by clicks on the cubes' edges.
#include "games/frm_kostky.h"
#include "games/game_screen.h"
#include "platform/files.h"
#include "results/frm_tabulka.h"
#include "results/results_table.h"
#include "services/effects.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <set>

using namespace bafo;
using Roll = KostkyBoard::Roll;

namespace {

std::string name(Roll r)
{
    switch (r) {
    case Roll::Left: return "left";
    case Roll::Right: return "right";
    case Roll::Up: return "up";
    case Roll::Down: return "down";
    case Roll::None: break;
    }
    return "none";
}

}  // namespace

TEST(KostkyBoard, RollsKeepADieAndFourComeBack)
{
    // From the starting die: which face each roll brings to the front.
    struct Case {
        Roll r;
        int front;
    } cases[] = {{Roll::Left, 2}, {Roll::Right, 5}, {Roll::Down, 4}, {Roll::Up, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(KostkyBoard::rolled(KostkyBoard::kStart, c.r)[0], c.front) << name(c.r);
        KostkyBoard::Die d = KostkyBoard::kStart;
        for (int i = 0; i < 4; ++i)
            d = KostkyBoard::rolled(d, c.r);
        EXPECT_EQ(d, KostkyBoard::kStart) << "four rolls " << name(c.r) << " do not come back";
    }
    // Every sequence of up to six rolls keeps a die: six faces once each, opposites adding up to 7.
    const Roll rolls[4] = {Roll::Left, Roll::Right, Roll::Up, Roll::Down};
    int sequences = 0;
    for (int len = 0; len <= 6; ++len) {
        int total = 1;
        for (int i = 0; i < len; ++i)
            total *= 4;
        for (int code = 0; code < total; ++code, ++sequences) {
            KostkyBoard::Die d = KostkyBoard::kStart;
            std::string seq;
            for (int i = 0, k = code; i < len; ++i, k /= 4) {
                d = KostkyBoard::rolled(d, rolls[k % 4]);
                seq += name(rolls[k % 4]) + " ";
            }
            ASSERT_EQ(d[0] + d[2], 7) << "front and back after: " << seq;
            ASSERT_EQ(d[1] + d[3], 7) << "right and left after: " << seq;
            ASSERT_EQ(d[4] + d[5], 7) << "top and bottom after: " << seq;
            ASSERT_EQ(std::set<int>(d.begin(), d.end()).size(), 6u) << "a face twice after: " << seq;
        }
    }
    EXPECT_EQ(sequences, 5461);
}

TEST(KostkyBoard, GridsBandsAndCubeUnderAPoint)
{
    struct Grid {
        int level, columns, width, rows, height;
    } grids[] = {{1, 5, 128, 4, 120}, {2, 8, 80, 6, 80}, {3, 10, 64, 8, 60}};
    for (const auto& g : grids) {
        const auto got = KostkyBoard::grid_of(g.level);
        EXPECT_EQ(got.columns, g.columns) << "level " << g.level;
        EXPECT_EQ(got.width, g.width) << "level " << g.level;
        EXPECT_EQ(got.rows, g.rows) << "level " << g.level;
        EXPECT_EQ(got.height, g.height) << "level " << g.level;
    }
    // Level 3: the middle without a roll spans dx 15..49 and dy 15..45, borders included.
    KostkyBoard b;
    b.set_level(3);
    const int c = 11;  // row 1, column 1
    const Rect r = b.cube_rect(c);
    int min_dx = 99, max_dx = -1, min_dy = 99, max_dy = -1;
    for (int dy = 0; dy <= r.h; ++dy)
        for (int dx = 0; dx <= r.w; ++dx)
            if (b.band(c, r.x + dx, r.y + dy) == Roll::None) {
                min_dx = std::min(min_dx, dx), max_dx = std::max(max_dx, dx);
                min_dy = std::min(min_dy, dy), max_dy = std::max(max_dy, dy);
            }
    EXPECT_EQ(min_dx, 15);
    EXPECT_EQ(max_dx, 49);
    EXPECT_EQ(min_dy, 15);
    EXPECT_EQ(max_dy, 45);
    EXPECT_EQ(b.band(c, r.x + 3, r.y + 2), Roll::Left) << "in a corner the side band wins";
    EXPECT_EQ(b.band(c, r.x + 60, r.y + 58), Roll::Right) << "in a corner the side band wins";
    // A border between two cubes belongs to the first.
    b.set_level(1);
    EXPECT_EQ(b.cube_at(128, 50), 0);
    EXPECT_EQ(b.cube_at(129, 50), 1);
    EXPECT_EQ(b.cube_at(0, 120), 0);
    EXPECT_EQ(b.cube_at(0, 121), 5);
}

TEST(KostkyBoard, TheButtonsRollDifferently)
{
    KostkyBoard b;
    b.set_level(1);
    EXPECT_TRUE(b.solved());
    b.roll(0, Roll::Left, 2);  // right button: a quarter turn, the same face
    EXPECT_EQ(b.front(0), 1);
    EXPECT_EQ(b.angle(0), 90);
    EXPECT_EQ(b.die(0)[0], 2) << "the die rolls inside all the same";
    EXPECT_FALSE(b.solved()) << "a turned cube showing face 1 solved the board";
    b.roll(0, Roll::Left, 3);  // another button: only the die
    EXPECT_EQ(b.front(0), 1);
    EXPECT_EQ(b.angle(0), 90);
    for (int i = 0; i < 3; ++i)
        b.roll(0, Roll::Left, 2);
    EXPECT_EQ(b.angle(0), 0);
    EXPECT_TRUE(b.solved());
    b.roll(0, Roll::None, 1);
    EXPECT_EQ(b.front(0), 1) << "no band, no roll";
    b.roll(0, Roll::Down, 1);
    EXPECT_EQ(b.front(0), b.die(0)[0]) << "the left button shows the new front face";
}

TEST(KostkyBoard, ShuffleReseedsForEveryCube)
{
    KostkyBoard b;
    b.set_level(2);
    int reseeds = 0, draws = 0;
    b.shuffle([&] { ++reseeds; }, [&] { return ++draws % 4 + 1; });
    EXPECT_EQ(reseeds, 48);
    EXPECT_EQ(draws, 480);
    for (int c = 0; c < 48; ++c) {
        EXPECT_EQ(b.front(c), b.die(c)[0]);
        EXPECT_EQ(b.angle(c), 0);
    }
}

TEST(KostkyBoard, FacesFollowTheChosenPicture)
{
    struct Case {
        const char* chosen;
        const char* first;
        const char* sixth;
    } cases[] = {{"/d/ANIM/3/POZADI5.BMP", "/d/ANIM/3/POZADI6.BMP", "/d/ANIM/3/POZADI1.BMP"},
                 {"/d/ANIM/3/POZADI10.BMP", "/d/ANIM/3/POZADI1.BMP", "/d/ANIM/3/POZADI6.BMP"},
                 {"/d/ANIM/3/POZADI1.BMP", "/d/ANIM/3/POZADI2.BMP", "/d/ANIM/3/POZADI7.BMP"},
                 {"/d/ANIM/3/POZADI4.BMP", "/d/ANIM/3/POZADI5.BMP", "/d/ANIM/3/POZADI10.BMP"}};
    for (const auto& c : cases) {
        const auto f = face_pictures(c.chosen);
        EXPECT_EQ(f[0], c.first) << c.chosen;
        EXPECT_EQ(f[5], c.sixth) << c.chosen;
    }
}

namespace {

class KostkyScreen : public test::GameScreen<FrmKostky> {
protected:
    KostkyScreen() : GameScreen(&test::MiniTree::add_kostky) {}
    // The screen point of a cube's band, or of its middle.
    Point at(int cube, Roll r) const
    {
        const Rect c = g->board().cube_rect(cube);
        const int x = 80 + c.x, y = 31 + c.y;
        switch (r) {
        case Roll::Left: return {x + 5, y + c.h / 2};
        case Roll::Right: return {x + c.w - 5, y + c.h / 2};
        case Roll::Up: return {x + c.w / 2, y + 5};
        case Roll::Down: return {x + c.w / 2, y + c.h - 5};
        case Roll::None: break;
        }
        return {x + c.w / 2, y + c.h / 2};
    }
    void click(Point p, MouseButton b = MouseButton::Left)
    {
        fake.click(t += 10, p.x, p.y, b);
        run_to(t += 500);
    }
    Surface shown(int cube) const
    {
        ui::App::get().present();
        const Rect c = g->board().cube_rect(cube);
        return ui::App::get().frame().crop({80 + c.x, 31 + c.y, c.w, c.h});
    }
};

// The rolls that bring face 1 to the front of a die.
std::vector<Roll> to_face_one(const KostkyBoard::Die& d)
{
    if (d[0] == 1)
        return {};
    if (d[1] == 1)
        return {Roll::Left};
    if (d[3] == 1)
        return {Roll::Right};
    if (d[2] == 1)
        return {Roll::Left, Roll::Left};
    if (d[4] == 1)
        return {Roll::Down};
    return {Roll::Up};
}

}  // namespace

TEST_F(KostkyScreen, SolvedByEdgeClicksHandsItsTimeToTheTable)
{
    click({400, 300});
    ASSERT_TRUE(g->running());
    const KostkyBoard::Die before = g->board().die(7);
    click(at(7, Roll::None));
    EXPECT_EQ(g->board().die(7), before) << "a click in the middle of a cube rolled it";
    bool named = false;
    fake.on_idle = [&](FakePlatform& f) {
        auto* table = ui::App::get().find<FrmTabulka>();
        if (!named && table && table->entering() && !f.pending_input()) {
            named = true;
            f.type(f.now_ms() + 10, "Tom");
            f.key(f.now_ms() + 20, 13);
            f.click(f.now_ms() + 30, (800 - 514) / 2 + 472, (600 - 415) / 2 + 37);
        }
    };
    const int cubes = g->board().grid().cubes();
    for (int c = 0; c < cubes; ++c)
        for (Roll r : to_face_one(g->board().die(c))) {
            click(at(c, r));
            if (g->running()) {
                ASSERT_TRUE(shown(c).same_pixels(g->face(g->board().front(c)).crop(g->board().cube_rect(c))))
                    << "cube " << c << " after a roll " << name(r) << " does not show its face";
            }
        }
    ui::App::get().loop_until([&] { return named && !ui::App::get().loaded<FrmTabulka>(); });
    EXPECT_TRUE(g->board().solved());
    ResultsTable kept;
    kept.load(ResultsTable::file(cesta_hry), "KOS", 1);
    EXPECT_EQ(kept.places[0].name, "Tom");
    EXPECT_GT(kept.places[0].number, 0);
}

TEST_F(KostkyScreen, ATurnedCubeShowsTurnedAndKeepsTheBoardUnsolved)
{
    click({400, 300});
    // Cube 0 turned a quarter by the right button, then every cube brought to face 1.
    click(at(0, Roll::Left), MouseButton::Right);
    ASSERT_EQ(g->board().angle(0), 90);
    const int cubes = g->board().grid().cubes();
    for (int c = 0; c < cubes; ++c) {
        std::vector<Roll> rolls = to_face_one(g->board().die(c));
        if (rolls.empty() && g->board().front(c) != 1)
            rolls.assign(4, Roll::Left);  // the die has face 1 in front but shows another
        for (Roll r : rolls)
            click(at(c, r));
    }
    // Three more quarter turns bring cube 0 upright; only then is the picture whole.
    for (int k = 2; k <= 4; ++k) {
        EXPECT_TRUE(g->running()) << "solved with cube 0 turned by " << 90 * (k - 1);
        Surface want(128, 120, 0);
        FoxRotate(want, 64, 60, 128, 120, g->face(1).crop(g->board().cube_rect(0)), 0, 0, 90 * (k - 1));
        EXPECT_TRUE(shown(0).same_pixels(want)) << "cube 0 does not show face 1 turned by " << 90 * (k - 1);
        fake.on_idle = [&](FakePlatform& f) {
            if (auto* table = ui::App::get().find<FrmTabulka>(); table && table->visible() && !f.pending_input())
                f.click(f.now_ms() + 10, (800 - 514) / 2 + 472, (600 - 415) / 2 + 37);
        };
        click(at(0, Roll::Left), MouseButton::Right);
    }
    ui::App::get().loop_until([&] { return !ui::App::get().loaded<FrmTabulka>(); });
    EXPECT_FALSE(g->running()) << "four quarter turns did not solve the board";
    EXPECT_TRUE(g->board().solved());
}

TEST_F(KostkyScreen, PictureTenUsesFacesOneToSix)
{
    TearDown();
    set_platform(&fake);
    ui::App::get().reset();
    reset_globals();
    cesta_dat = cesta_hry = tree.dir.path();
    vybrany_obrazek = tree.data("ANIM/1/POZADI10.BMP");
    g = &ui::App::get().form<FrmKostky>();
    ui::App::get().show(*g);
    ui::App::get().dispatch_pending();
    for (int k = 1; k <= 6; ++k)
        EXPECT_TRUE(g->face(k).same_pixels(tree.bitmap("ANIM/1/POZADI" + std::to_string(k) + ".BMP"))) << "face " << k;
    ui::App::get().present();
    EXPECT_TRUE(ui::App::get().frame().crop({80, 31, 640, 480}).same_pixels(tree.bitmap("ANIM/1/POZADI1.BMP")))
        << "the board does not start as face 1";
}

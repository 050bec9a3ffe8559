// The jigsaw: its board's rules, and its screen solved by drags.
#include "games/frm_puzzle.h"
#include "platform/files.h"
#include "results/frm_tabulka.h"
#include "results/results_table.h"
#include "services/globals.h"
#include "games/game_screen.h"
#include "test_support.h"
#include "ui/app.h"

#include <gtest/gtest.h>

#include <set>

using namespace bafo;

TEST(PuzzleBoard, GridsOfTheThreeLevels)
{
    struct Case {
        int level, columns, cell_w, rows, cell_h;
    } cases[] = {{1, 5, 128, 4, 120}, {2, 10, 64, 8, 60}, {3, 16, 40, 12, 40}};
    for (const auto& c : cases) {
        const auto g = PuzzleBoard::grid_of(c.level);
        EXPECT_EQ(g.columns, c.columns) << "level " << c.level;
        EXPECT_EQ(g.cell_w, c.cell_w) << "level " << c.level;
        EXPECT_EQ(g.rows, c.rows) << "level " << c.level;
        EXPECT_EQ(g.cell_h, c.cell_h) << "level " << c.level;
        EXPECT_EQ(g.columns * g.cell_w, 640) << "level " << c.level;
        EXPECT_EQ(g.rows * g.cell_h, 480) << "level " << c.level;
    }
}

TEST(PuzzleBoard, CellsPiecesShuffleAndSolved)
{
    PuzzleBoard b;
    b.reset(2);
    struct Point2 {
        int x, y, column, row;
    } points[] = {{0, 0, 0, 0}, {639, 479, 9, 7}, {64, 59, 1, 0}, {63, 60, 0, 1}};
    for (const auto& p : points) {
        EXPECT_EQ(b.column_of(p.x), p.column) << p.x << "," << p.y;
        EXPECT_EQ(b.row_of(p.y), p.row) << p.x << "," << p.y;
    }
    const Rect r = b.piece_rect(23);
    EXPECT_EQ(r.x, 3 * 64);
    EXPECT_EQ(r.y, 2 * 60);
    EXPECT_TRUE(b.solved());
    int k = 0;
    b.shuffle([&](int n) { return (k++ * 7) % n; });
    EXPECT_FALSE(b.solved());
    std::set<int> pieces;
    for (int c = 0; c < b.grid().cells(); ++c)
        pieces.insert(b.piece_in(c));
    EXPECT_EQ(int(pieces.size()), 80) << "a piece was lost or doubled by the shuffle";
    b.reset(3);
    EXPECT_EQ(b.piece_at(15, 11), 191) << "the last of 192 pieces";
    EXPECT_TRUE(b.solved());
}

namespace {

class PuzzleScreen : public test::GameScreen<FrmPuzzle> {
protected:
    PuzzleScreen() : GameScreen(&test::MiniTree::add_puzzle) {}
    Point centre(int cell) const
    {
        const auto& gr = g->board().grid();
        const Rect r = g->board().cell_rect(cell % gr.columns, cell / gr.columns);
        return {80 + r.x + r.w / 2, 31 + r.y + r.h / 2};
    }
    // Press at `from`, move in two steps, release at `to`.
    void drag(Point from, Point to)
    {
        fake.push(t += 10, Event{Event::Type::MouseMove, from.x, from.y, 0, 0});
        fake.push(t += 10, Event{Event::Type::MouseDown, from.x, from.y, 1, 1});
        fake.push(t += 10, Event{Event::Type::MouseMove, (from.x + to.x) / 2, (from.y + to.y) / 2, 0, 1});
        fake.push(t += 10, Event{Event::Type::MouseMove, to.x, to.y, 0, 1});
        fake.push(t += 10, Event{Event::Type::MouseUp, to.x, to.y, 1, 0});
        ui::App::get().wait_dispatch(t += 10);
    }
    Surface shown(const Rect& r) const
    {
        ui::App::get().present();
        return ui::App::get().frame().crop(r);
    }
};

}  // namespace

TEST_F(PuzzleScreen, SolvedByDragsHandsItsTimeToTheTable)
{
    fake.click(t += 10, 400, 300);  // a press on the picture shuffles
    ui::App::get().wait_dispatch(t += 10);
    ASSERT_TRUE(g->running());
    EXPECT_FALSE(g->dragging()) << "the press that shuffled also picked a piece up";
    ui::App::get().wait_dispatch(t += 5000);  // five seconds on the stopwatch
    bool named = false;
    fake.on_idle = [&](FakePlatform& f) {
        auto* table = ui::App::get().find<FrmTabulka>();
        if (!named && table && table->entering() && !f.pending_input()) {
            named = true;
            f.type(f.now_ms() + 10, "Ela");
            f.key(f.now_ms() + 20, 13);
            f.click(f.now_ms() + 30, (800 - 514) / 2 + 472, (600 - 415) / 2 + 37);
        }
    };
    // Each drag brings the piece a cell is missing home.
    const int cells = g->board().grid().cells();
    for (int c = 0; c < cells && g->running(); ++c) {
        if (g->board().piece_in(c) == c)
            continue;
        int from = 0;
        while (g->board().piece_in(from) != c)
            ++from;
        drag(centre(from), centre(c));
        ASSERT_EQ(g->board().piece_in(c), c) << "a drag from cell " << from << " to cell " << c;
    }
    ui::App::get().loop_until([&] { return named && !ui::App::get().loaded<FrmTabulka>(); });
    EXPECT_TRUE(g->board().solved());
    EXPECT_FALSE(g->running());
    EXPECT_TRUE(shown({80, 31, 640, 480}).same_pixels(test::pattern(640, 480, 240))) << "the solved picture is not whole";
    ResultsTable kept;
    kept.load(ResultsTable::file(cesta_hry), "PUZ", 1);
    EXPECT_EQ(kept.places[0].name, "Ela");
    EXPECT_GE(kept.places[0].number, 5);
    EXPECT_LE(kept.places[0].number, 6);
}

TEST_F(PuzzleScreen, DropsInsideAndOutsideThePicture)
{
    fake.click(t += 10, 400, 300);
    ui::App::get().wait_dispatch(t += 10);
    struct Case {
        const char* name;
        Point from, to;
        int swapped_with;  // -1: no exchange
    } cases[] = {{"x 719 is the last column", {90, 40}, {719, 40}, 4},
                 {"y 510 is the last row", {90, 40}, {90, 510}, 15},
                 {"x 720 is outside", {90, 40}, {720, 40}, -1},
                 {"y 511 is outside", {90, 40}, {90, 511}, -1},
                 {"far off the screen", {90, 40}, {799, 599}, -1},
                 {"onto its own cell", {90, 40}, {100, 50}, -1}};
    for (const auto& c : cases) {
        const int before0 = g->board().piece_in(0);
        const int before_other = c.swapped_with >= 0 ? g->board().piece_in(c.swapped_with) : -1;
        const Surface was = shown({80, 31, 640, 480});
        drag(c.from, c.to);
        EXPECT_FALSE(g->dragging()) << c.name;
        if (c.swapped_with >= 0) {
            EXPECT_EQ(g->board().piece_in(0), before_other) << c.name;
            EXPECT_EQ(g->board().piece_in(c.swapped_with), before0) << c.name;
            drag(c.to, c.from);  // and back
        } else {
            EXPECT_EQ(g->board().piece_in(0), before0) << c.name;
            EXPECT_TRUE(shown({80, 31, 640, 480}).same_pixels(was)) << c.name << ": the board changed";
        }
    }
    // The marker follows the pointer again at once.
    fake.move(t += 10, 300, 200);
    ui::App::get().wait_dispatch(t += 10);
    EXPECT_TRUE(g->marker().visible());
    EXPECT_EQ(g->marker().rect().x, 80 + 128);
    EXPECT_EQ(g->marker().rect().y, 31 + 120);
}

TEST_F(PuzzleScreen, AQuickClickPicksUpAndPutsBack)
{
    fake.click(t += 10, 400, 300);
    ui::App::get().wait_dispatch(t += 10);
    const Surface was = shown({80, 31, 640, 480});
    const int piece = g->board().piece_in(7);
    // Press and release in one go: the release waits in the queue while the piece is picked up.
    fake.click(t += 10, centre(7).x, centre(7).y);
    ui::App::get().wait_dispatch(t += 10);
    EXPECT_FALSE(g->dragging());
    EXPECT_EQ(g->board().piece_in(7), piece);
    EXPECT_TRUE(shown({80, 31, 640, 480}).same_pixels(was)) << "a click left a hole or moved a piece";
    // Other buttons do not drag.
    fake.click(t += 10, centre(7).x, centre(7).y, MouseButton::Right);
    ui::App::get().wait_dispatch(t += 10);
    EXPECT_FALSE(g->dragging());
}

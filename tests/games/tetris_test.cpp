// Falling blocks: the field's rules, and the screen played by arrow keys.
#include "games/frm_tetris.h"
#include "platform/files.h"
#include "results/frm_tabulka.h"
#include "results/results_table.h"
#include "services/globals.h"
#include "games/game_screen.h"
#include "test_support.h"
#include "ui/app.h"

#include <gtest/gtest.h>

using namespace bafo;

namespace {

// A field of 8 columns whose next piece belongs in `target`.
TetrisField field_for(int target)
{
    TetrisField f;
    f.set_columns(8);
    f.start();
    f.next_piece([&](int) { return target; });
    return f;
}

// Lands pieces in these columns of the current row.
void fill(TetrisField& f, std::initializer_list<int> columns)
{
    for (int c : columns) {
        f.next_piece([&](int) { return c; });
        while (f.current_column() < c)
            f.key(39);
        while (f.current_column() > c)
            f.key(37);
        while (f.tick(8) == TetrisField::Tick::Falling) {
        }
    }
}

}  // namespace

TEST(TetrisField, GridFromTheColumns)
{
    struct Case {
        int columns, cell_w, rows, cell_h;
    } cases[] = {{8, 54, 6, 54}, {10, 43, 8, 40}, {6, 72, 4, 81}};
    for (const auto& c : cases) {
        TetrisField f;
        f.set_columns(c.columns);
        EXPECT_EQ(f.cell_w(), c.cell_w) << c.columns << " columns";
        EXPECT_EQ(f.rows(), c.rows) << c.columns << " columns";
        EXPECT_EQ(f.cell_h(), c.cell_h) << c.columns << " columns (a half goes to the even neighbour)";
    }
}

TEST(TetrisField, PiecesComeToTheMiddleAndBelongInAnEmptyColumn)
{
    TetrisField f;
    f.set_columns(8);
    f.start();
    fill(f, {1, 2, 3});
    std::vector<int> asked;
    const Rect cut = f.next_piece([&](int n) {
        asked.push_back(n);
        return asked.size() < 4 ? int(asked.size()) : 7;  // 1, 2, 3 are filled: drawn again
    });
    EXPECT_EQ(f.target_column(), 7);
    EXPECT_EQ(asked.size(), 4u);
    EXPECT_EQ(f.current_column(), 5);
    EXPECT_EQ(f.left(), 4 * 54);
    EXPECT_EQ(f.top(), 0);
    EXPECT_EQ(cut.x, 6 * 54);
    EXPECT_EQ(cut.y, 324 - 54) << "row 1 is the bottom of the picture";
}

TEST(TetrisField, WhatATickDoes)
{
    struct Case {
        const char* name;
        int target, steer_to;              // steer the piece to this column first
        std::initializer_list<int> filled;  // already in the row
        TetrisField::Tick ends;
        int ends_at_top;  // the top when the fall ended
    } cases[] = {
        {"its own column", 3, 3, {}, TetrisField::Tick::Landed, 480 - 54},
        {"a wrong empty column", 3, 4, {}, TetrisField::Tick::Lost, 480 - 54},
        {"over a filled column: gone at the top of that piece", 3, 2, {2}, TetrisField::Tick::Lost, 480 - 2 * 54},
        {"the last of the row", 8, 8, {1, 2, 3, 4, 5, 6, 7}, TetrisField::Tick::RowDone, 480 - 54},
    };
    for (const auto& c : cases) {
        TetrisField f;
        f.set_columns(8);
        f.start();
        fill(f, c.filled);
        f.next_piece([&](int) { return c.target; });
        while (f.current_column() != c.steer_to)
            f.key(f.current_column() < c.steer_to ? 39 : 37);
        TetrisField::Tick t;
        int ticks = 0;
        while ((t = f.tick(1)) == TetrisField::Tick::Falling)
            ++ticks;
        EXPECT_EQ(t, c.ends) << c.name;
        EXPECT_EQ(f.top(), c.ends_at_top) << c.name;
        if (c.ends == TetrisField::Tick::RowDone) {
            EXPECT_EQ(f.floor(), 480 - 54) << c.name;
            EXPECT_EQ(f.row(), 2) << c.name;
            EXPECT_FALSE(f.filled(1)) << c.name << ": the new row starts empty";
        }
        if (c.ends == TetrisField::Tick::Landed) {
            EXPECT_TRUE(f.filled(c.target)) << c.name;
        }
    }
    // Six rows make the picture.
    TetrisField f;
    f.set_columns(8);
    f.start();
    for (int row = 1; row < 6; ++row)
        fill(f, {1, 2, 3, 4, 5, 6, 7, 8});
    fill(f, {1, 2, 3, 4, 5, 6, 7});
    f.next_piece([](int) { return 8; });
    f.key(39), f.key(39), f.key(39);
    TetrisField::Tick t;
    while ((t = f.tick(8)) == TetrisField::Tick::Falling) {
    }
    EXPECT_EQ(t, TetrisField::Tick::Won);
}

TEST(TetrisField, ArrowKeysAndTheirRefusals)
{
    // At the edges the piece stays.
    TetrisField f = field_for(1);
    for (int i = 0; i < 6; ++i)
        f.key(37);
    EXPECT_EQ(f.current_column(), 1);
    EXPECT_EQ(f.left(), 0);
    for (int i = 0; i < 9; ++i)
        f.key(39);
    EXPECT_EQ(f.current_column(), 8);
    EXPECT_EQ(f.left(), 432 - 54);

    // Sideways into a filled column: allowed high up, refused once the piece reaches into the row.
    f = field_for(6);
    fill(f, {4});
    f.next_piece([](int) { return 6; });
    EXPECT_TRUE(f.key(37)) << "high above the row the piece passes over a filled column";
    EXPECT_EQ(f.current_column(), 4);
    f.key(39);
    while (f.top() + 54 <= 480 - 54)
        f.tick(1);
    EXPECT_FALSE(f.key(37)) << "reaching into the row it must not slide into the filled column";
    EXPECT_EQ(f.current_column(), 5);

    // Down: one cell lower, but never past the landing line.
    f = field_for(5);
    f.key(40);
    EXPECT_EQ(f.top(), 54);
    for (int i = 0; i < 20; ++i)
        f.key(40);
    EXPECT_EQ(f.top(), 480 - 54 - 1) << "the down arrow puts the piece 1 pixel above its landing line";
    EXPECT_EQ(f.tick(1), TetrisField::Tick::Landed);
    // Over a filled column, just above the piece there.
    f = field_for(6);
    fill(f, {5});
    f.next_piece([](int) { return 6; });
    for (int i = 0; i < 20; ++i)
        f.key(40);
    EXPECT_EQ(f.top(), 480 - 2 * 54 - 1);
    EXPECT_FALSE(f.key(65)) << "a letter does nothing";
}

namespace {

class TetrisScreen : public test::GameScreen<FrmTetris> {
protected:
    TetrisScreen() : GameScreen(&test::MiniTree::add_tetris) {}
};

}  // namespace

TEST_F(TetrisScreen, LevelThreeBuiltByArrowKeysThenClipsInTheFieldAndTheTime)
{
    fake.click(10, 215, 560);
    fake.click(20, 215, 560);
    fake.click(30, 500, 300);  // the field: a game
    run_to(40);
    ASSERT_EQ(g->speed(), 8);
    ASSERT_TRUE(g->running());
    bool named = false, clip_seen = false, clip_outside_field = false;
    Surface before_win;
    fake.on_idle = [&](FakePlatform& f) {
        auto& app = ui::App::get();
        if (f.pending_input())
            return;
        if (auto* table = app.find<FrmTabulka>(); table && table->entering() && !named) {
            named = true;
            f.type(f.now_ms() + 10, "Rut");
            f.key(f.now_ms() + 20, 13);
            f.click(f.now_ms() + 30, (800 - 514) / 2 + 472, (600 - 415) / 2 + 37);
            return;
        }
        if (!g->running()) {
            if (!before_win.empty() && !clip_seen && !g->enabled() && fake.cursor_count < 0) {
                // While the clips play: the field shows them, the rest of the screen stays.
                const Surface now = app.frame();
                const Surface field = now.crop(FrmTetris::kField);
                if (!field.same_pixels(before_win.crop(FrmTetris::kField)))
                    clip_seen = true;
                Surface outside = now;
                outside.blit(before_win, FrmTetris::kField, FrmTetris::kField.x, FrmTetris::kField.y);
                clip_outside_field |= !outside.crop({0, 0, 800, 500}).same_pixels(before_win.crop({0, 0, 800, 500}));
            }
            return;
        }
        const auto& fl = g->field();
        before_win = app.frame();
        int key = fl.current_column() < fl.target_column() ? 39 : fl.current_column() > fl.target_column() ? 37 : 40;
        f.key(f.now_ms() + 5, key);
    };
    ui::App::get().loop_until([&] { return named && !ui::App::get().loaded<FrmTabulka>(); });
    fake.on_idle = nullptr;
    EXPECT_FALSE(g->running());
    EXPECT_TRUE(clip_seen) << "the clips did not play inside the field";
    EXPECT_FALSE(clip_outside_field) << "a clip showed outside the field";
    // The field keeps the picture the child built.
    ui::App::get().present();
    Surface built(432, 324);
    built.stretch(test::pattern(640, 480, 240), {0, 0, 640, 480}, built.rect());
    EXPECT_TRUE(ui::App::get().frame().crop({332, 29 + 156, 432, 324}).same_pixels(built)) << "the field lost the picture";
    ResultsTable kept;
    kept.load(ResultsTable::file(cesta_hry), "TET", 3);
    EXPECT_EQ(kept.places[0].name, "Rut");
    EXPECT_GT(kept.places[0].number, 0);
    const auto* tune = [&]() -> const FakePlatform::Played* {
        for (auto& p : fake.played)
            if (file_name_of(p.path) == "TUTUTU.WAV")
                return &p;
        return nullptr;
    }();
    EXPECT_NE(tune, nullptr) << "no row sound";
}

TEST_F(TetrisScreen, BestResultsPauseTheFallAndTheHelpFreezesIt)
{
    fake.click(10, 500, 300);
    run_to(1000);
    ASSERT_TRUE(g->running());
    // Best results: the piece stands still while the table is open.
    int top_in_table = -1;
    fake.click(1010, 610, 565);
    fake.probe_at(1500);
    fake.probe_at(2500);
    fake.on_idle = [&](FakePlatform& f) {
        if (f.now_ms() == 1500)
            top_in_table = g->field().top();
        if (f.now_ms() == 2500) {
            EXPECT_EQ(g->field().top(), top_in_table) << "the piece fell while the table was open";
            f.click(2510, (800 - 514) / 2 + 472, (600 - 415) / 2 + 37);
        }
    };
    run_to(2600);
    fake.on_idle = nullptr;
    EXPECT_FALSE(ui::App::get().loaded<FrmTabulka>());
    const int after_table = g->field().top();
    run_to(3600);
    EXPECT_GT(g->field().top(), after_table) << "the fall did not resume after the table";
    // The help: nothing moves while Bafo talks (two seconds).
    fake.click(3610, 765, 558);
    int during = -1;
    fake.probe_at(4600);
    fake.on_idle = [&](FakePlatform& f) {
        if (f.now_ms() == 4600)
            during = g->field().top();
    };
    run_to(5700);
    fake.on_idle = nullptr;
    const int start_of_talk = after_table + 1000 / 50;
    EXPECT_LE(during, start_of_talk + 1) << "the piece fell while Bafo talked";
    EXPECT_GT(g->field().top(), during) << "the fall did not go on after the help";
}

TEST_F(TetrisScreen, ThePictureStandsSmallBesideABlackField)
{
    ui::App::get().present();
    const Surface& shown = ui::App::get().frame();
    Surface want = tree.bitmap("TETRIS/BG.BMP");
    Surface preview(FrmTetris::kPreview.w, FrmTetris::kPreview.h);
    preview.stretch(test::pattern(640, 480, 240), {0, 0, 640, 480}, preview.rect());
    want.blit(preview, FrmTetris::kPreview.x, FrmTetris::kPreview.y);
    want.fill(FrmTetris::kField, 0);
    EXPECT_TRUE(shown.same_pixels(want)) << "the screen is not its background, the preview and the black field";
}

TEST_F(TetrisScreen, LevelsSpeedsAndStopping)
{
    struct Case {
        int level, speed;
    } cases[] = {{2, 4}, {3, 8}, {1, 1}};
    for (const auto& c : cases) {
        // The level click also stops the game of the level before.
        fake.click(t + 10, 215, 560);
        run_to(t + 20);
        EXPECT_FALSE(g->running()) << "level " << c.level;
        EXPECT_FALSE(g->piece().visible()) << "level " << c.level;
        EXPECT_EQ(g->level(), c.level);
        fake.click(t + 10, 500, 300);
        run_to(t + 20);
        ASSERT_TRUE(g->running()) << "level " << c.level;
        const int top0 = g->field().top();
        run_to(t + 500);
        EXPECT_EQ(g->speed(), c.speed);
        EXPECT_NEAR(g->field().top() - top0, 10 * c.speed, c.speed) << "level " << c.level << ": 10 ticks of 50 ms";
    }
}

// The frame of the picture games, with a board that only starts the game.
#include "games/picture_game.h"
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

// A board that only starts the game, and logs what the frame asks of it.
struct TimedGame : PictureGame {
    static Config config()
    {
        Config c;
        c.form_name = "frm_test";
        c.dir = "\\BAFO_CS\\15\\";
        c.voice = "\\BAFO_CS\\REC\\15.WAV";
        c.key = "PUZ";
        static constexpr Rect areas[6] = {{20, 545, 86, 46}, {180, 525, 71, 71}, {580, 520, 56, 81},
                                          {735, 515, 66, 86}, {745, 5, 56, 86}, {0, 0, 66, 51}};
        c.icons = six_icons(areas);
        return c;
    }
    explicit TimedGame(Config c = config()) : PictureGame(std::move(c)) {}
    int shuffles = 0;
    std::vector<std::string> log;
    int clip_frames = 0;
    void note(const std::string& what) { log.push_back(what + " " + std::to_string(ui::App::get().now())); }
    void new_game() override
    {
        ++shuffles;
        game_started();
    }
    void on_mouse_up(const ui::MouseArgs& a) override
    {
        if (kPictureArea.contains(a.form_x, a.form_y) && !running())
            new_game();
    }
    void stop_game() override { note("stop"); }
    void pause_game(bool paused) override { note(paused ? "pause" : "resume"); }
    void show_hint(bool on) override
    {
        note(on ? "hint on" : "hint off");
        PictureGame::show_hint(on);
    }
    void on_win_board() override { note("board"); }
    void before_fanfare() override { note("before fanfare"); }
    void after_win() override { note("after"); }
    ClipTarget clip_target() override
    {
        return {&nosic, {kPictureArea.x, kPictureArea.y}, [this](const Surface&, const Rect&) { ++clip_frames; }};
    }
    void set_seconds(long s) { m_seconds = s; }
    void win_with(long seconds)
    {
        m_seconds = seconds;
        win();
    }
};

// Four icons at places of their own, as the falling-blocks screen has them.
struct FourIconGame : TimedGame {
    static Config config()
    {
        Config c = TimedGame::config();
        c.icons = {{Icon::Back, {20, 545, 86, 46}, "ZPET.BMP", {0, 515}},
                   {Icon::Level, {180, 525, 71, 71}, "SLOZ_11.BMP", {177, 509}},
                   {Icon::Best, {575, 535, 71, 61}, "NEJL.BMP", {577, 515}},
                   {Icon::Help, {730, 515, 71, 86}, "BAFO.BMP", {732, 509}}};
        c.level_at = {177, 509};
        return c;
    }
    FourIconGame() : TimedGame(config()) {}
};

class FrameTest : public test::GameScreen<TimedGame> {
protected:
    void SetUp() override
    {
        GameScreen::SetUp();
        game = g;
    }
    TimedGame* game = nullptr;
};

}  // namespace

TEST_F(FrameTest, TheStopwatchCountsMinutesAndSeconds)
{
    fake.click(100, 500, 300);
    run_to(150);
    ASSERT_TRUE(game->running());
    EXPECT_EQ(game->label_text(), "") << "the label is first written at the first tick";
    struct Case {
        uint32_t seconds;
        const char* shown;
    } cases[] = {{1, "00:01"}, {59, "00:59"}, {60, "01:00"}, {75, "01:15"}, {600, "10:00"}};
    for (const auto& c : cases) {
        run_to(100 + 1000 * c.seconds + 5);
        EXPECT_EQ(game->label_text(), c.shown) << "after " << c.seconds << " s";
        EXPECT_EQ(game->seconds(), long(c.seconds));
    }
    // Nine hours on, without nine hours of ticks: the count stops where a result can still be kept.
    game->set_seconds(31990);
    run_to(t + 10000 + 5);
    EXPECT_EQ(game->seconds(), 31999);
    EXPECT_EQ(game->label_text(), "533:19");
    run_to(t + 600000);
    EXPECT_EQ(game->seconds(), 31999);
}

TEST_F(FrameTest, StartingOnlyFromThePictureAndTheShuffleIcon)
{
    struct Case {
        const char* name;
        int x, y;
        int shuffles;
    } cases[] = {{"left of the picture", 79, 300, 0}, {"right edge inside", 719, 300, 1}, {"below the picture", 400, 511, 0},
                 {"top edge inside", 400, 31, 1}, {"the shuffle icon", 605, 560, 1}};
    uint32_t t = 100;
    for (const auto& c : cases) {
        // A level click ends any game first.
        fake.click(t, 215, 560);
        run_to(t + 10);
        const int before = game->shuffles;
        fake.click(t + 20, c.x, c.y);
        run_to(t + 40);
        EXPECT_EQ(game->shuffles - before, c.shuffles) << c.name;
        t += 100;
    }
}

TEST_F(FrameTest, TheLevelIconsLitLookFollowsTheLevel)
{
    const Point level{215, 560};
    uint32_t t = 100;
    for (int want : {2, 3, 1}) {
        fake.move(t, level.x, level.y);
        fake.click(t + 10, level.x, level.y);
        run_to(t + 20);
        ui::App::get().present();
        EXPECT_TRUE(test::region_is(ui::App::get().frame(), 177, 515, tree.bitmap("15/SLOZ_" + std::to_string(want) + ".BMP")))
            << "after the click the plain icon of level " << want << " is not shown";
        fake.move(t + 30, level.x + 1, level.y);
        run_to(t + 40);
        ui::App::get().present();
        EXPECT_TRUE(test::region_is(ui::App::get().frame(), 177, 515, tree.bitmap("15/SLOZ_" + std::to_string(want) + "1.BMP")))
            << "the next hover does not light level " << want;
        fake.move(t + 50, 790, 300);
        run_to(t + 60);
        ui::App::get().present();
        EXPECT_TRUE(test::region_is(ui::App::get().frame(), 177, 515, tree.bitmap("15/SLOZ_" + std::to_string(want) + ".BMP")))
            << "leaving the icon does not show level " << want;
        t += 100;
    }
}

namespace {
// The results table's back button, on the screen.
constexpr Point kTableBack{(800 - 514) / 2 + 472, (600 - 415) / 2 + 37};

// Closes the results table whenever it comes up, noting it in the game's log.
void close_tables(FakePlatform& fake, TimedGame& game)
{
    fake.on_idle = [&](FakePlatform& f) {
        auto* t = ui::App::get().find<FrmTabulka>();
        if (!t || !t->visible() || f.pending_input())
            return;
        game.note("table");
        f.click(f.now_ms() + 10, kTableBack.x, kTableBack.y);
    };
}

std::vector<std::string> steps(const std::vector<std::string>& log)
{
    std::vector<std::string> out;
    for (const auto& l : log)
        out.push_back(l.substr(0, l.rfind(' ')));
    return out;
}

uint32_t time_of(const std::vector<std::string>& log, const std::string& step)
{
    for (const auto& l : log)
        if (l.substr(0, l.rfind(' ')) == step)
            return uint32_t(std::stoul(l.substr(l.rfind(' ') + 1)));
    return 0;
}
}  // namespace

TEST_F(FrameTest, TheWinRunsEveryStepInOrderWithTheBoardsOwn)
{
    fake.click(100, 500, 300);
    run_to(2150);
    ASSERT_EQ(game->seconds(), 2);
    close_tables(fake, *game);
    game->win_with(2);
    fake.on_idle = nullptr;
    EXPECT_EQ(steps(game->log), (std::vector<std::string>{"board", "before fanfare", "table", "after"}));
    const auto* fanfare = [&]() -> const FakePlatform::Played* {
        for (auto& p : fake.played)
            if (file_name_of(p.path).rfind("FANF", 0) == 0)
                return &p;
        return nullptr;
    }();
    ASSERT_NE(fanfare, nullptr);
    EXPECT_EQ(fanfare->at, time_of(game->log, "before fanfare")) << "the fanfare does not follow the board's step";
    EXPECT_EQ(game->clip_frames, 6) << "two clips of three frames each, drawn through the board's hook";
    EXPECT_GE(time_of(game->log, "table"), fanfare->at + test::MiniTree::kFanfareMs + 2 * 200)
        << "the table came before the fanfare and the clips ended";
    EXPECT_EQ(klic_hry, "PUZ");
    EXPECT_EQ(vysledek, 2);
    EXPECT_EQ(fake.cursor_count, 0) << "the pointer was left hidden";
    EXPECT_FALSE(game->running());
    EXPECT_FALSE(game->hint_enabled());
    EXPECT_TRUE(game->enabled());
    run_to(fake.now_ms() + 3000);
    EXPECT_EQ(game->seconds(), 2) << "the stopwatch ran on after the win";
}

TEST_F(FrameTest, TheResultHandedOverNeverMeansOnlyShow)
{
    // Eight places of 0: nothing enters, so no table waits for a name.
    std::string full = "[PUZ1]\n";
    for (int i = 1; i <= 8; ++i)
        full += "POS" + std::to_string(i) + "=Ada#0\n";
    test::write_file(ResultsTable::file(cesta_hry), full);
    struct Case {
        long seconds;
        int16_t handed;
    } cases[] = {{75, 75}, {31999, 31999}, {32000, 31999}, {70000, 31999}};
    for (const auto& c : cases) {
        game->win_with(c.seconds);
        EXPECT_EQ(vysledek, c.handed) << "after " << c.seconds << " s";
    }
}

TEST_F(FrameTest, IconsAskTheBoardToPauseStopAndHint)
{
    tree.add_choosers();
    close_tables(fake, *game);
    fake.click(100, 30, 25);  // best results
    run_to(1000);
    EXPECT_EQ(steps(game->log), (std::vector<std::string>{"pause", "table", "resume"}));
    game->log.clear();
    fake.click(1100, 500, 300);  // a game
    fake.click(1200, 770, 40);   // the hint
    run_to(5000);
    EXPECT_EQ(steps(game->log), (std::vector<std::string>{"hint on", "hint off"}));
    EXPECT_EQ(time_of(game->log, "hint off") - time_of(game->log, "hint on"), 3000u);
    game->log.clear();
    fake.click(5100, 215, 560);  // the level
    fake.click(5200, 60, 565);   // back to the chooser
    run_to(5300);
    EXPECT_EQ(steps(game->log), (std::vector<std::string>{"stop", "stop"}));
    EXPECT_FALSE(ui::App::get().loaded<TimedGame>());
}

TEST(PictureGameFrame, FourIconsLightAtTheirOwnPlaces)
{
    test::MiniTree tree;
    tree.add_fifteen();
    FakePlatform fake;
    set_platform(&fake);
    ui::App::get().reset();
    reset_globals();
    cesta_dat = cesta_hry = tree.dir.path();
    vybrany_obrazek = tree.data("ANIM/1/POZADI1.BMP");
    auto& app = ui::App::get();
    FourIconGame& g = app.form<FourIconGame>();
    app.show(g);
    app.dispatch_pending();
    struct Case {
        Point at;
        const char* lit;
        Point where;
    } cases[] = {{{60, 565}, "ZPET.BMP", {0, 515}},
                 {{215, 560}, "SLOZ_11.BMP", {177, 509}},
                 {{605, 560}, "NEJL.BMP", {577, 515}},
                 {{765, 560}, "BAFO.BMP", {732, 509}}};
    uint32_t t = 10;
    for (const auto& c : cases) {
        fake.move(t, c.at.x, c.at.y);
        app.wait_dispatch(t += 10);
        app.present();
        EXPECT_TRUE(test::region_is(app.frame(), c.where.x, c.where.y, tree.bitmap(std::string("15/") + c.lit)))
            << c.lit << " is not lit at " << c.where.x << "," << c.where.y;
    }
    fake.click(t, 215, 560);
    fake.move(t + 5, 400, 300);
    app.wait_dispatch(t += 10);
    app.present();
    EXPECT_TRUE(test::region_is(app.frame(), 177, 509, tree.bitmap("15/SLOZ_2.BMP"))) << "level 2's plain icon is not at its own place";
    EXPECT_FALSE(g.hint_enabled());
    fake.click(t, 770, 40);  // where the other screens have their hint: nothing here
    app.wait_dispatch(t + 10);
    EXPECT_EQ(g.level(), 2);
    ui::App::get().reset();
    set_platform(nullptr);
}

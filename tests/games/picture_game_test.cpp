// The frame of the picture games, with a board that only starts the game.
#include "games/picture_game.h"
#include "services/globals.h"
#include "test_support.h"
#include "ui/app.h"

#include <gtest/gtest.h>

using namespace bafo;

namespace {

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
    TimedGame() : PictureGame(config()) {}
    int shuffles = 0;
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
};

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.add_fifteen();
        set_platform(&fake);
        ui::App::get().reset();
        reset_globals();
        cesta_dat = cesta_hry = tree.dir.path();
        vybrany_obrazek = tree.data("ANIM/1/POZADI1.BMP");
        game = &ui::App::get().form<TimedGame>();
        ui::App::get().show(*game);
        ui::App::get().dispatch_pending();
    }
    void TearDown() override
    {
        ui::App::get().reset();
        set_platform(nullptr);
    }
    void run_to(uint32_t t) { ui::App::get().wait_dispatch(t); }
    test::MiniTree tree;
    FakePlatform fake;
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
        EXPECT_EQ(game->seconds(), int(c.seconds));
    }
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

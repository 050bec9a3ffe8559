// The picture chooser and the memory set chooser, reached from the menu on the fake platform.
#include "games/frm_pexeso.h"
#include "menus/frm_pex_sel.h"
#include "menus/frm_sel_pic.h"
#include "services/globals.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace bafo;
using bafo::test::ProgramRun;

namespace {

Point centre(const Rect& r) { return {r.x + r.w / 2, r.y + r.h / 2}; }
Point balloon(int k) { return centre(FrmSelect::kAreas[k]); }
Point chooser(int k) { return centre(FrmSelPic::kAreas[k]); }
Point pex(int k) { return centre(FrmPexSel::kAreas[k]); }
constexpr uint32_t kReady = ProgramRun::kReady;

struct Seen {
    std::string picture;
    int set = 0;
    bool chooser_active = false, menu_active = false, painting_active = false;
};

// Remembers the globals and the active screen at a probe time.
void see_at(ProgramRun& r, uint32_t t, Seen& out)
{
    r.fake.probe_at(t);
    auto inner = r.fake.on_idle;
    r.fake.on_idle = [&out, t, inner](FakePlatform& f) {
        if (inner)
            inner(f);
        if (f.now_ms() == t) {
            out.picture = vybrany_obrazek;
            out.set = sada_obrazku;
            auto* a = ui::App::get().active();
            out.chooser_active = a && a->name() == "frm_sel_pic";
            out.menu_active = a && a->name() == "frm_select";
            out.painting_active = a && a->name() == "frm_malovani";
        }
    };
}

bool thumbnails_of(const Surface& frame, const test::MiniTree& tree, int set, bool painting)
{
    for (int i = 1; i <= 10; ++i) {
        const std::string k = std::to_string(i), n = std::to_string(set);
        Surface want = tree.bitmap(painting ? "ALBUM/" + n + "CB/" + k + ".BMP" : "ALBUM/" + n + "/POZADI" + k + ".BMP");
        Point at = FrmSelPic::thumbnail_at(i);
        if (!test::region_is(frame, at.x, at.y, want))
            return false;
    }
    return true;
}

}  // namespace

TEST(PictureChooser, OpensWithTheRightKindOfThumbnailsAndRemembersTheSet)
{
    ProgramRun r;
    r.tree.add_choosers();
    r.to_menu();
    uint32_t t = kReady;
    r.fake.click(t, balloon(8).x, balloon(8).y);  // painting
    r.shot_at(t + 50);
    r.fake.click(t + 100, chooser(11).x, chooser(11).y);  // wheel: set 2
    r.shot_at(t + 150);
    r.fake.click(t + 200, chooser(3).x, chooser(3).y);  // drawing 3 of set 2
    Seen painting_pick, back_from_painting, back_on_menu, photo_pick;
    see_at(r, t + 250, painting_pick);
    r.fake.click(t + 260, 40, 580);  // the painting's back icon
    see_at(r, t + 280, back_from_painting);
    r.fake.click(t + 300, chooser(0).x, chooser(0).y);  // back
    see_at(r, t + 350, back_on_menu);
    r.fake.click(t + 400, balloon(5).x, balloon(5).y);  // fifteen: photographs of set 2
    r.shot_at(t + 450);
    r.fake.click(t + 500, chooser(10).x, chooser(10).y);  // the fifteen puzzle opens with it
    see_at(r, t + 550, photo_pick);
    r.fake.click(t + 600, 63, 568);  // the game's back icon: to the chooser
    r.fake.click(t + 650, chooser(0).x, chooser(0).y);
    r.leave(t + 700);
    r.run();
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(thumbnails_of(r.shots[t + 50], r.tree, 1, true)) << "the painting balloon did not show drawings of set 1";
    EXPECT_TRUE(thumbnails_of(r.shots[t + 150], r.tree, 2, true)) << "the wheel did not turn to set 2";
    EXPECT_EQ(painting_pick.picture, r.tree.data("OMALKY/2/3.BMP"));
    EXPECT_TRUE(painting_pick.painting_active) << "the drawing did not open the colouring book";
    EXPECT_TRUE(back_from_painting.chooser_active) << "the colouring book's back icon did not return to the chooser";
    EXPECT_TRUE(back_on_menu.menu_active);
    EXPECT_TRUE(thumbnails_of(r.shots[t + 450], r.tree, 2, false)) << "reopened for photographs, not on set 2";
    EXPECT_EQ(photo_pick.picture, r.tree.data("ANIM/2/POZADI10.BMP"));
    EXPECT_FALSE(photo_pick.chooser_active) << "the fifteen puzzle did not open";
}

TEST(PictureChooser, SixTurnsOfTheWheelComeBackAndTheWheelNeverShowsAnOldSet)
{
    ProgramRun r;
    r.tree.add_choosers();
    r.to_menu();
    uint32_t t = kReady;
    r.fake.click(t, balloon(0).x, balloon(0).y);
    r.fake.move(t + 50, 790, 300);
    r.shot_at(t + 60);
    const Point w = chooser(11);
    for (int k = 0; k < 6; ++k) {
        uint32_t at = t + 100 + 100 * uint32_t(k);
        r.fake.move(at, w.x, w.y);
        r.fake.click(at + 10, w.x, w.y);
        r.shot_at(at + 20);  // still on the wheel
        r.fake.move(at + 30, 790, 300);
        r.shot_at(at + 40);  // moved away
    }
    r.fake.click(t + 800, chooser(0).x, chooser(0).y);
    r.leave(t + 900);
    r.run();
    for (int k = 0; k < 6; ++k) {
        uint32_t at = t + 100 + 100 * uint32_t(k);
        int set = (1 + k) % 6 + 1;
        Surface plain = r.tree.bitmap("ALBUM/SEL_" + std::to_string(set) + ".BMP");
        EXPECT_TRUE(test::region_is(r.shots[at + 20], 703, 506, plain))
            << "click " << k + 1 << ": the wheel under the pointer does not show set " << set;
        EXPECT_TRUE(test::region_is(r.shots[at + 40], 703, 506, plain))
            << "click " << k + 1 << ": after moving away the wheel does not show set " << set;
        EXPECT_TRUE(thumbnails_of(r.shots[at + 40], r.tree, set, false)) << "click " << k + 1;
    }
    EXPECT_TRUE(r.shots[t + 100 + 500 + 40].same_pixels(r.shots[t + 60])) << "six turns did not come back to the first set";
}

TEST(PictureChooser, AMissingThumbnailLeavesAnEmptyFrameAndTheRestWork)
{
    ProgramRun r;
    r.tree.add_choosers();
    delete_file(r.tree.data("ALBUM/2/POZADI4.BMP"));
    r.to_menu();
    uint32_t t = kReady;
    r.fake.click(t, balloon(2).x, balloon(2).y);
    r.fake.click(t + 100, chooser(11).x, chooser(11).y);  // set 2, thumbnail 4 missing
    r.fake.move(t + 150, 790, 300);
    r.shot_at(t + 200);
    r.fake.click(t + 300, chooser(5).x, chooser(5).y);  // opens the jigsaw
    Seen pick;
    see_at(r, t + 350, pick);
    r.fake.click(t + 400, 60, 568);  // the jigsaw's back icon
    r.fake.click(t + 500, chooser(0).x, chooser(0).y);
    r.leave(t + 600);
    r.run();
    EXPECT_EQ(r.code, 0);
    const Point at = FrmSelPic::thumbnail_at(4);
    EXPECT_TRUE(test::region_is(r.shots[t + 200], at.x, at.y, r.tree.bitmap("ALBUM/BG.BMP").crop({at.x, at.y, 168, 125})))
        << "the missing thumbnail's frame still shows set 1's picture";
    EXPECT_EQ(pick.picture, r.tree.data("ANIM/2/POZADI5.BMP"));
}

TEST(MemoryChooser, LightsOneSetAtATimeAndRemembersTheChoice)
{
    ProgramRun r;
    r.tree.add_choosers();
    r.to_menu();
    uint32_t t = kReady;
    r.fake.click(t, balloon(4).x, balloon(4).y);
    r.fake.move(t + 50, 700, 560);
    r.shot_at(t + 60);
    r.fake.move(t + 100, pex(1).x, pex(1).y);
    r.shot_at(t + 110);
    r.fake.move(t + 120, pex(2).x, pex(2).y);  // straight from set 1 to set 2
    r.shot_at(t + 130);
    r.fake.move(t + 140, pex(3).x, pex(3).y, 1);  // with a button held: nothing
    r.shot_at(t + 150);
    int chosen = -1;
    bool game_opened = false, chooser_back = false, loaded_after_back = true, menu_after_back = false;
    r.fake.click(t + 200, pex(3).x, pex(3).y);  // the set opens the memory game
    r.fake.click(t + 300, 58, 571);             // the game's back icon: to the chooser
    r.fake.click(t + 400, pex(0).x, pex(0).y);  // the chooser's own: to the menu
    for (uint32_t at : {t + 250, t + 350, t + 450})
        r.fake.probe_at(at);
    r.fake.on_idle = [&](FakePlatform& f) {
        auto& app = ui::App::get();
        if (f.now_ms() == t + 250) {
            chosen = vybrana_sada;
            game_opened = app.active() == app.find<FrmPexeso>() && !app.loaded<FrmPexSel>();
        }
        if (f.now_ms() == t + 350)
            chooser_back = app.active() == app.find<FrmPexSel>() && !app.loaded<FrmPexeso>();
        if (f.now_ms() == t + 450) {
            loaded_after_back = app.loaded<FrmPexSel>();
            menu_after_back = app.active() == app.find<FrmSelect>();
        }
    };
    r.leave(t + 500);
    r.run();
    EXPECT_EQ(r.code, 0);
    const Surface rest = r.shots[t + 60];
    const Surface set1 = r.tree.bitmap("PEXESO/SEL/SEL_1.BMP"), set2 = r.tree.bitmap("PEXESO/SEL/SEL_2.BMP");
    EXPECT_TRUE(test::region_is(r.shots[t + 110], 180, 78, set1));
    EXPECT_TRUE(test::region_is(r.shots[t + 130], 410, 78, set2));
    // Set 1 is back to its plain picture wherever set 2's lit picture does not lie over it.
    Surface expect = rest;
    expect.blit(set2, 410, 78);
    EXPECT_TRUE(r.shots[t + 130].same_pixels(expect)) << "set 1 stayed lit when moving straight to set 2";
    EXPECT_TRUE(r.shots[t + 150].same_pixels(r.shots[t + 130])) << "a move with a button held changed the lights";
    EXPECT_EQ(chosen, 3);
    EXPECT_TRUE(game_opened) << "the set did not open the memory game";
    EXPECT_TRUE(chooser_back) << "the game's back icon did not return to the chooser";
    EXPECT_FALSE(loaded_after_back) << "the chooser stayed loaded after its back icon";
    EXPECT_TRUE(menu_after_back) << "the back icon did not return to the menu";
}

// The colouring book on the fake platform: what the child sees after each
// click, and how much of the screen each move redraws.
#include "paint/frm_malovani.h"

#include "games/game_screen.h"

namespace bafo {
namespace {

using test::MiniTree;

struct Painting : test::GameScreen<FrmMalovani> {
    Painting() : GameScreen(&MiniTree::add_painting) {}
    void SetUp() override
    {
        vybrany_obrazek.clear();
        GameScreen::SetUp();
    }
    // Opens the screen on the test page (GameScreen opened it on a photograph).
    void open_page()
    {
        ui::App::get().unload(*g);
        vybrany_obrazek = tree.data("OMALKY/1/1.BMP");
        g = &ui::App::get().form<FrmMalovani>();
        ui::App::get().show(*g);
        run_to(t += 10);
    }
    static Point centre(const Rect& r) { return {r.x + r.w / 2, r.y + r.h / 2}; }
    void icon(int k) { at(centre(FrmMalovani::kIconAreas[k])); }
    void swatch(int i) { at(centre(FrmMalovani::swatch(i))); }
    void at(Point p)
    {
        t = std::max(t, fake.now_ms());  // Bafo's question ran the clock on
        fake.click(t += 20, p.x, p.y);
        run_to(t += 20);
    }
    uint32_t shown(int x, int y) { return fake.last_frame.pixel(x, y); }
};

TEST_F(Painting, TheIconsShowThePenTheFillShadeAndTheWidth)
{
    open_page();
    struct Step {
        const char* what;
        int icon;    // clicked first (-1 none)
        int swatch;  // then picked (-1 none)
        int x, y;    // a spot
        uint32_t want;
    } steps[] = {
        {"the fill spots start as the white fill's shade", -1, -1, 344, 544, 0xF7F7F7},
        {"the pen spots start black", -1, -1, 134, 529, 0x000000},
        {"a pen colour with the pencil lifted", -1, 5, 134, 529, MiniTree::swatch_colour(5)},
        {"the line icon takes the pen colour too", -1, -1, 218, 544, MiniTree::swatch_colour(5)},
        {"the bucket lifted, black fill: its shade", 4, 0, 344, 529, 0x0C0C0C},
        {"the filled ellipse's inside shows the shade", -1, -1, 522, 544, 0x0C0C0C},
        {"the pen stayed as it was", -1, -1, 218, 544, MiniTree::swatch_colour(5)},
        {"another fill colour: plus eight", -1, 7, 662, 544, fill_shade(MiniTree::swatch_colour(7))},
        {"the pencil again: its spot is back down and keeps the pen", 1, -1, 134, 529, MiniTree::swatch_colour(5)},
        {"the bucket's spot went down with it", -1, -1, 344, 544, fill_shade(MiniTree::swatch_colour(7))},
    };
    for (const auto& s : steps) {
        if (s.icon >= 0)
            icon(s.icon);
        if (s.swatch >= 0)
            swatch(s.swatch);
        EXPECT_EQ(shown(s.x, s.y), s.want) << s.what << " at (" << s.x << ", " << s.y << ")";
    }
    // The width sample: 3 rows at first, 5 after one click, 1 after four more.
    for (int clicks : {0, 1, 4}) {
        for (int i = 0; i < clicks; ++i)
            icon(0);
        int rows = 0;
        for (int y = 530; y < 570; ++y)
            rows += shown(50, y) == MiniTree::swatch_colour(5);
        EXPECT_EQ(rows, g->model().width) << "the width sample after " << clicks << " more clicks";
    }
}

TEST_F(Painting, FillPaintsTheRingRedAndTheScreenShowsItAtOnce)
{
    open_page();
    icon(4);
    swatch(9);
    const uint32_t colour = MiniTree::swatch_colour(9);
    at({80 + 320, 240});
    EXPECT_EQ(shown(80 + 320, 240), colour);
    EXPECT_EQ(shown(80 + 320, 141), 0x000000) << "the ring's line was painted over";
    EXPECT_EQ(shown(80 + 10, 10), 0xFFFFFF) << "the fill leaked out of the ring";
    // Undo takes it back; clearing asks first and gives a sheet of swatch 3.
    icon(11);
    EXPECT_EQ(shown(80 + 320, 240), 0xFFFFFFu);
    icon(12);
    EXPECT_TRUE(g->asking());
    bool heard = false;
    for (const auto& p : fake.played)
        heard |= p.path.find("06A.WAV") != std::string::npos;
    EXPECT_TRUE(heard) << "Bafo did not ask";
    at({80 + 320, 240});  // the canvas takes no input while he asks
    EXPECT_EQ(shown(80 + 320, 240), 0xFFFFFFu);
    const Point yes = centre(FrmMalovani::kYes);
    at({FrmMalovani::kPanel.x + yes.x, FrmMalovani::kPanel.y + yes.y});
    EXPECT_FALSE(g->asking());
    for (Point p : {Point{80, 0}, Point{400, 141}, Point{719, 479}})
        EXPECT_EQ(shown(p.x, p.y), 0xFFFFF0u) << "not the paper colour at (" << p.x << ", " << p.y << ")";
    icon(11);
    EXPECT_EQ(shown(80 + 320, 141), 0x000000u) << "undo after clearing did not bring the ring back";
}

TEST_F(Painting, AStrokeRedrawsOnlyWhatItTouches)
{
    open_page();
    const int presents = fake.presents;
    fake.move(t += 20, 200, 100);
    auto button = [&](Event::Type type, int x, int y) {
        Event e;
        e.type = type;
        e.x = x, e.y = y, e.button = 1, e.buttons = type == Event::Type::MouseDown;
        fake.push(t += 10, e);
    };
    button(Event::Type::MouseDown, 200, 100);
    int biggest = 0;
    for (int i = 1; i <= 50; ++i) {
        fake.move(t += 5, 200 + 4 * i, 100 + i, 1);
        run_to(t);
        biggest = std::max(biggest, fake.last_present.w * fake.last_present.h);
        EXPECT_LE(fake.last_present.w, 20) << "move " << i;
    }
    button(Event::Type::MouseUp, 400, 150);
    run_to(t += 10);
    EXPECT_GT(fake.presents - presents, 40);
    EXPECT_LT(biggest, 20 * 20) << "a move redrew more than the segment";
    EXPECT_EQ(shown(200 + 100, 125), 0x000000u) << "the stroke is not on the screen";
    // A rectangle's preview follows the pointer with small redraws too, and is no part of the page.
    icon(9);
    at({300, 300});
    fake.move(t += 20, 340, 330);
    run_to(t += 20);
    EXPECT_LE(fake.last_present.w, 50);
    EXPECT_EQ(shown(300, 310), 0x000000u) << "no preview on the screen";
    EXPECT_EQ(g->model().canvas().pixel(300 - 80, 310), 0xFFFFFFu) << "the preview went into the page";
}

TEST_F(Painting, BackReturnsToTheChooserAndADoubleClickEndsNothing)
{
    tree.add_choosers();
    open_page();
    fake.click(t += 20, 775, 480);
    fake.click(t += 30, 775, 480);
    run_to(t += 50);
    EXPECT_FALSE(ui::App::get().quitting()) << "a double click ended the program";
    EXPECT_EQ(ui::App::get().active(), g);
    icon(10);
    ASSERT_NE(ui::App::get().active(), nullptr);
    EXPECT_EQ(ui::App::get().active()->name(), "frm_sel_pic");
}

}  // namespace
}  // namespace bafo

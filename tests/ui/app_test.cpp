#include "platform/fake/fake_platform.h"
#include "ui/app.h"

#include <gtest/gtest.h>

using namespace bafo;
using namespace bafo::ui;

namespace {

struct Probe : Form {
    Probe() : Form("probe") {}
    std::vector<std::string> log;
    void on_load() override { log.push_back("load"); }
    void on_activate() override { log.push_back("activate"); }
    void on_unload() override { log.push_back("unload"); }
    void on_mouse_down(const MouseArgs& a) override { log.push_back("form down " + std::to_string(a.x)); }
    void on_mouse_up(const MouseArgs& a) override { log.push_back("form up " + std::to_string(a.x)); }
    void on_mouse_move(const MouseArgs& a) override { log.push_back("form move " + std::to_string(a.x)); }
};
struct Other : Form {
    Other() : Form("other") {}
};

class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_platform(&fake);
        App::get().reset();
    }
    void TearDown() override
    {
        App::get().reset();
        set_platform(nullptr);
    }
    // Runs until the script is used up and the clock reaches `until`.
    void run_until(uint32_t until) { App::get().wait_dispatch(until); }
    FakePlatform fake;
};

}  // namespace

TEST_F(AppTest, ClickNeedsPressAndReleaseOnTheSameControl)
{
    auto& app = App::get();
    Probe& f = app.form<Probe>();
    auto& a = f.add<HotArea>("a");
    auto& b = f.add<HotArea>("b");
    a.set_rect({0, 0, 100, 100});
    b.set_rect({200, 0, 100, 100});
    int a_clicks = 0, b_clicks = 0, a_moves = 0;
    a.on_click = [&] { ++a_clicks; };
    b.on_click = [&] { ++b_clicks; };
    a.on_mouse_move = [&](const MouseArgs&) { ++a_moves; };
    app.show(f);
    // press on a, drag to b, release: no click; the drag's moves stay with a.
    Event down{Event::Type::MouseDown, 50, 50, 1, 1};
    Event drag{Event::Type::MouseMove, 250, 50, 0, 1};
    Event up{Event::Type::MouseUp, 250, 50, 1, 0};
    fake.push(10, down);
    fake.push(20, drag);
    fake.push(30, up);
    fake.click(40, 60, 60);
    fake.click(50, 60, 60, MouseButton::Right);
    run_until(100);
    EXPECT_EQ(a_clicks, 1) << "only the plain left click on a counts";
    EXPECT_EQ(b_clicks, 0);
    EXPECT_GE(a_moves, 2) << "moves while captured go to the captured control";
}

TEST_F(AppTest, DisabledAndHiddenControlsLetTheFormHaveTheMouse)
{
    auto& app = App::get();
    Probe& f = app.form<Probe>();
    auto& a = f.add<HotArea>("a");
    a.set_rect({0, 0, 100, 100});
    int clicks = 0;
    a.on_click = [&] { ++clicks; };
    app.show(f);
    struct Case {
        bool enabled, visible;
        int want_clicks;
        bool form_sees_it;
    } cases[] = {{true, true, 1, false}, {false, true, 0, true}, {true, false, 0, true}};
    uint32_t t = 10;
    for (const auto& c : cases) {
        a.set_enabled(c.enabled);
        a.set_visible(c.visible);
        clicks = 0;
        f.log.clear();
        fake.click(t, 30, 30);
        run_until(t += 10);
        EXPECT_EQ(clicks, c.want_clicks) << "enabled=" << c.enabled << " visible=" << c.visible;
        bool form_saw = std::find(f.log.begin(), f.log.end(), "form up 30") != f.log.end();
        EXPECT_EQ(form_saw, c.form_sees_it) << "enabled=" << c.enabled << " visible=" << c.visible;
    }
    // A disabled form takes no input at all.
    f.set_enabled(false);
    f.log.clear();
    fake.click(t, 300, 300);
    run_until(t + 10);
    EXPECT_TRUE(f.log.empty());
}

TEST_F(AppTest, ActivationRunsAfterTheHandlerThatShowedTheForm)
{
    auto& app = App::get();
    Probe& f = app.form<Probe>();
    EXPECT_EQ(f.log, std::vector<std::string>{"load"});
    app.show(f);
    EXPECT_EQ(f.log.size(), 1u) << "activation must not run inside show()";
    app.dispatch_pending();
    EXPECT_EQ(f.log, (std::vector<std::string>{"load", "activate"}));
    Other& o = app.form<Other>();
    app.show(o);
    app.unload(o);
    app.dispatch_pending();
    EXPECT_EQ(f.log.back(), "activate") << "the form below becomes active again";
    EXPECT_EQ(app.active(), &f);
}

TEST_F(AppTest, AFormMayUnloadItselfInItsOwnHandler)
{
    auto& app = App::get();
    Probe& f = app.form<Probe>();
    auto& a = f.add<HotArea>("a");
    a.set_rect({0, 0, 100, 100});
    bool after = false;
    a.on_click = [&] {
        app.unload(f);
        after = f.name() == "probe";  // the object is still alive here
    };
    app.show(f);
    fake.click(10, 10, 10);
    run_until(20);
    EXPECT_TRUE(after);
    EXPECT_FALSE(app.loaded<Probe>());
    EXPECT_EQ(app.active(), nullptr);
    Probe& fresh = app.form<Probe>();
    EXPECT_EQ(fresh.log, std::vector<std::string>{"load"}) << "a fresh instance loads anew";
}

TEST_F(AppTest, TimersFireOnTimeAndNeverReenter)
{
    auto& app = App::get();
    Probe& f = app.form<Probe>();
    std::vector<uint32_t> ticks;
    int depth = 0, worst = 0;
    Timer& t = f.add_timer(1000, [&] {
        ++depth;
        worst = std::max(worst, depth);
        ticks.push_back(app.now());
        // A handler that waits with dispatch, as the games' do.
        app.wait_dispatch(app.now() + 2500);
        --depth;
    });
    app.show(f);
    t.set_enabled(true);
    run_until(6000);
    EXPECT_EQ(worst, 1);
    ASSERT_GE(ticks.size(), 2u);
    EXPECT_EQ(ticks[0], 1000u);
    t.set_enabled(false);
    size_t n = ticks.size();
    run_until(12000);
    EXPECT_EQ(ticks.size(), n) << "a disabled timer fired";
}

TEST_F(AppTest, ModalLoopReturnsWhenTheFormCloses)
{
    auto& app = App::get();
    Probe& f = app.form<Probe>();
    app.show(f);
    Other& o = app.form<Other>();
    auto& close = o.add<HotArea>("close");
    close.set_rect({0, 0, 50, 50});
    close.on_click = [&] { app.unload(o); };
    fake.click(500, 10, 10);
    app.run_modal(o);
    EXPECT_EQ(app.now(), 500u);
    EXPECT_EQ(app.active(), &f);
}

TEST_F(AppTest, LayersAndComposition)
{
    auto& app = App::get();
    Probe& f = app.form<Probe>();
    f.set_picture(Surface(800, 600, 0x111111));
    auto& box = f.add<PictureBox>("box");
    box.set_picture(Surface(10, 10, 0x00FF00));
    box.move(100, 100);
    app.show(f);
    f.draw_screen(Surface(5, 5, 0xFF0000), 0, 0);
    app.present();
    EXPECT_EQ(fake.last_frame.pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(fake.last_frame.pixel(105, 105), 0x00FF00u) << "picture boxes lie over the form";
    f.repaint();
    app.present();
    EXPECT_EQ(fake.last_frame.pixel(0, 0), 0x111111u) << "screen-only drawing survives a repaint";
    f.draw_both(Surface(5, 5, 0x0000FF), 0, 0);
    f.repaint();
    app.present();
    EXPECT_EQ(fake.last_frame.pixel(0, 0), 0x0000FFu);
    box.hide();
    app.present();
    EXPECT_EQ(fake.last_frame.pixel(105, 105), 0x111111u);
}

TEST_F(AppTest, TextBoxTakesWholeUtf8Characters)
{
    auto& app = App::get();
    Probe& f = app.form<Probe>();
    auto& box = f.add<TextBox>("name");
    box.set_rect({10, 10, 200, 30});
    box.max_chars = 6;
    box.on_key_press = [](const std::string& ch) { return ch != "#" && ch != "~"; };
    app.show(f);
    f.set_focus(&box);
    struct Case {
        std::vector<std::string> typed;
        int backspaces;
        std::string want;
    } cases[] = {
        {{"Ж", "е", "ня"}, 0, "Женя"},
        {{"Ž", "#", "a", "~", "n"}, 0, "Žan"},
        {{"Петрович"}, 0, "Петров"},
        {{"Яна"}, 1, "Ян"},
        {{"a\tb\nc", "\x7f"}, 0, "abc"},
        {{"\xd0", "\xff", "ok"}, 0, "ok"},
    };
    uint32_t t = 10;
    for (const auto& c : cases) {
        box.set_text("");
        for (const auto& s : c.typed)
            fake.type(t++, s);
        for (int i = 0; i < c.backspaces; ++i)
            fake.key(t++, 8);
        run_until(t += 5);
        std::string typed;
        for (auto& s : c.typed)
            typed += "[" + s + "]";
        EXPECT_EQ(box.text(), c.want) << "typed " << typed << " then " << c.backspaces << " backspaces";
    }
}

TEST_F(AppTest, ChildrenLieInsideTheirBoxAndTakeTheMouseFirst)
{
    auto& app = App::get();
    Probe& f = app.form<Probe>();
    f.set_picture(Surface(800, 600, 0x111111));
    auto& board = f.add<PictureBox>("board");
    board.set_picture(Surface(200, 100, 0x0000AA));
    board.move(100, 100);
    // The carried piece overhangs the board's right and bottom edges.
    auto& piece = f.add_child<PictureBox>(board, "piece");
    piece.set_picture(Surface(100, 100, 0x00AA00));
    piece.move(150, 50);
    // An outline over the piece lets the mouse through.
    auto& outline = f.add_child<Shape>(board, "outline");
    outline.set_rect({140, 40, 50, 50});
    outline.pen = Pen{0xFFFFFF, 1};
    std::vector<std::string> got;
    board.on_mouse_up = [&](const MouseArgs& a) { got.push_back("board " + std::to_string(a.x) + "," + std::to_string(a.y)); };
    piece.on_mouse_up = [&](const MouseArgs& a) { got.push_back("piece " + std::to_string(a.x) + "," + std::to_string(a.y)); };
    app.show(f);
    app.present();
    struct Pixel {
        int x, y;
        uint32_t want;
        const char* what;
    } pixels[] = {{260, 160, 0x00AA00, "the piece inside the board"}, {299, 199, 0x00AA00, "the piece at the board's corner"},
                  {305, 160, 0x111111, "the piece clipped at the board's right edge"},
                  {260, 205, 0x111111, "the piece clipped at the board's bottom edge"},
                  {240, 140, 0xFFFFFF, "the outline's corner"}, {120, 120, 0x0000AA, "the board itself"}};
    for (const auto& p : pixels)
        EXPECT_EQ(fake.last_frame.pixel(p.x, p.y) & kRgbMask, p.want) << p.what << " at " << p.x << "," << p.y;

    struct Click {
        int x, y;
        const char* want;
    } clicks[] = {{260, 170, "piece 10,20"}, {241, 141, "board 141,41"}, {120, 110, "board 20,10"}, {305, 170, "form"}};
    uint32_t t = 10;
    for (const auto& c : clicks) {
        got.clear();
        f.log.clear();
        fake.click(t, c.x, c.y);
        run_until(t += 10);
        const std::string seen = !got.empty() ? got.back() : (!f.log.empty() ? "form" : "nothing");
        EXPECT_EQ(seen, c.want) << "a click at " << c.x << "," << c.y;
    }
    // A hidden board hides and disarms its children.
    board.hide();
    app.present();
    EXPECT_EQ(fake.last_frame.pixel(260, 160) & kRgbMask, 0x111111u) << "a child of a hidden box still shows";
    got.clear();
    fake.click(t, 260, 170);
    run_until(t + 10);
    EXPECT_TRUE(got.empty()) << "a child of a hidden box took a click";
}

TEST_F(AppTest, ControlsKeptOnTopStayAboveThoseAddedLater)
{
    auto& app = App::get();
    Probe& f = app.form<Probe>();
    auto& carrier = f.add<PictureBox>("carrier");
    carrier.set_picture(Surface(50, 50, 0xAA0000));
    f.keep_on_top(carrier);
    auto& later = f.add<PictureBox>("later");
    later.set_picture(Surface(100, 100, 0x00AA00));
    auto& raised = f.add<HotArea>("raised");
    raised.set_rect({0, 0, 100, 100});
    f.bring_to_front(raised);
    int carrier_clicks = 0;
    carrier.on_click = [&] { ++carrier_clicks; };
    app.show(f);
    app.present();
    EXPECT_EQ(fake.last_frame.pixel(10, 10) & kRgbMask, 0xAA0000u) << "a control added later covers the carrier";
    EXPECT_EQ(fake.last_frame.pixel(70, 70) & kRgbMask, 0x00AA00u);
    fake.click(10, 10, 10);
    run_until(20);
    EXPECT_EQ(carrier_clicks, 1) << "a control brought to the front rose above the carrier";
}

TEST_F(AppTest, AReleaseIsAClickOnlyWhenItsPressWasMadeHere)
{
    auto& app = App::get();
    Probe& first = app.form<Probe>();
    Other& second = app.form<Other>();
    auto& a = second.add<HotArea>("a");
    a.set_rect({0, 0, 100, 100});
    int clicks = 0;
    a.on_click = [&] { ++clicks; };
    app.show(first);
    app.dispatch_pending();
    // Pressed on the first screen, released once the second has taken over.
    fake.push(10, Event{Event::Type::MouseDown, 50, 50, 1, 1});
    run_until(15);
    app.show(second);
    fake.push(20, Event{Event::Type::MouseUp, 50, 50, 1, 0});
    // A release that no press came before.
    fake.push(30, Event{Event::Type::MouseUp, 60, 60, 1, 0});
    run_until(40);
    EXPECT_EQ(clicks, 0) << "a release without its press on this screen clicked";
    fake.click(50, 60, 60);
    run_until(60);
    EXPECT_EQ(clicks, 1) << "a whole click on the second screen did not count";
    // The form's own release says whether it completes a click.
    struct Catch : Form {
        Catch() : Form("catch") {}
        std::vector<bool> clicks;
        void on_mouse_up(const MouseArgs& m) override { clicks.push_back(m.click); }
    };
    Catch& c = app.form<Catch>();
    app.show(c);
    fake.push(70, Event{Event::Type::MouseUp, 300, 300, 1, 0});
    fake.click(80, 300, 300);
    run_until(90);
    EXPECT_EQ(c.clicks, (std::vector<bool>{false, true}));
}

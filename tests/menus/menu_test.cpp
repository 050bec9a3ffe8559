// The start screen and the main menu, run whole on the fake platform.
#include "menus/frm_select.h"
#include "platform/files.h"
#include "test_support.h"
#include "ui/app.h"

#include <gtest/gtest.h>
#include <map>

using namespace bafo;
using bafo::test::MiniTree;
using bafo::test::ProgramRun;

namespace {

constexpr int kBalloons = 9;
const Rect* const kAreas = FrmSelect::kAreas;

int cx(int k) { return kAreas[k].x + kAreas[k].w / 2; }
int cy(int k) { return kAreas[k].y + kAreas[k].h / 2; }

// The background with the first `steps` balloon frames laid in order.
Surface intro_after(const MiniTree& tree, int steps)
{
    Surface want = tree.bitmap("SELECT/BG1.BMP");
    for (int i = 0; i < steps; ++i) {
        int b = i % 9 + 1;
        want.blit(tree.bitmap(std::string(i < 9 ? "SELECT/BALO_" : "SELECT/BALOO_") + std::to_string(b) + ".BMP"),
                  kAreas[b - 1].x, kAreas[b - 1].y);
    }
    return want;
}


}  // namespace

TEST(StartScreen, WelcomeThenMenuThenFarewell)
{
    ProgramRun r;
    r.shot_at(50);
    r.shot_at(9000);
    r.to_menu();
    r.leave(9000);
    r.shot_at(12500);
    r.run();
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.shots[50].same_pixels(r.tree.bitmap("SELECT/ENTER.BMP"))) << "welcome not pixel for pixel";
    EXPECT_TRUE(r.shots[12500].same_pixels(r.tree.bitmap("SELECT/EXIT.BMP"))) << "farewell not pixel for pixel";
    ASSERT_FALSE(r.fake.played.empty());
    EXPECT_EQ(file_name_of(r.fake.played[0].path), "MEL.WAV");
    EXPECT_FALSE(r.fake.played[0].channel) << "the tune plays outside the sound channel";
    EXPECT_EQ(r.heard(), (std::vector<std::string>{"UVOD.WAV", "CLICK.WAV", "KONEC.WAV", "CLICK.WAV"}));
    EXPECT_EQ(r.fake.m_title, "Bafolino");
    EXPECT_TRUE(r.fake.messages.empty());
}

TEST(StartScreen, MenuComesByItselfAfterTenSeconds)
{
    ProgramRun r;
    r.shot_at(9990);
    r.shot_at(10100);
    r.leave(20000);
    r.run();
    EXPECT_TRUE(r.shots[9990].same_pixels(r.tree.bitmap("SELECT/ENTER.BMP")));
    EXPECT_TRUE(test::region_is(r.shots[10100], 0, 0, r.tree.bitmap("SELECT/BG1.BMP").crop({0, 0, 30, 600})))
        << "the menu did not replace the welcome picture at 10 s";
    EXPECT_EQ(r.code, 0);
}

TEST(StartScreen, EndsOnALeftClickOnly)
{
    struct Case {
        const char* name;
        std::function<void(FakePlatform&)> input;
        bool welcome_stays;  // still up at 150 ms
        bool greeting;       // the menu's intro ran to the greeting
    } cases[] = {
        {"a left click", [](FakePlatform& f) { f.click(100, 400, 300); }, false, true},
        {"a right click", [](FakePlatform& f) { f.click(100, 400, 300, MouseButton::Right); }, true, true},
        {"a release without a press",
         [](FakePlatform& f) { f.push(100, Event{Event::Type::MouseUp, 400, 300, 1, 0}); }, true, true},
        {"a press held until the menu came, released on it",
         [](FakePlatform& f) {
             f.push(9900, Event{Event::Type::MouseDown, 400, 300, 1, 1});
             f.push(10100, Event{Event::Type::MouseUp, 790, 590, 1, 0});
         },
         true, true},
    };
    for (const auto& c : cases) {
        ProgramRun r;
        r.shot_at(150);
        c.input(r.fake);
        r.leave(20000);
        r.run();
        EXPECT_EQ(r.code, 0) << c.name;
        EXPECT_EQ(r.shots[150].same_pixels(r.tree.bitmap("SELECT/ENTER.BMP")), c.welcome_stays) << c.name;
        EXPECT_EQ(r.first("UVOD.WAV") != nullptr, c.greeting) << c.name << ": the intro was skipped";
    }
}

TEST(StartScreen, FailuresAtStart)
{
    struct Case {
        const char* name;
        std::function<void(MiniTree&)> damage;
        std::string message;
        bool window_opened;
    } cases[] = {
        {"no BAFO.INI", [](MiniTree& t) { delete_file(t.ini); }, "Игра не установлена, или установка повреждена. Переустановите игру.", false},
        {"no HD key", [](MiniTree& t) { test::write_file(t.ini, "[BAFO_CS]\nHD_SHORT=/x\n"); }, "Игра не установлена, или установка повреждена. Переустановите игру.", false},
        {"binary INI", [](MiniTree& t) { test::write_file(t.ini, std::string("\0\xff[\n=\x01", 6)); }, "Игра не установлена, или установка повреждена. Переустановите игру.", false},
        {"no welcome picture", [](MiniTree& t) { delete_file(t.data("SELECT/ENTER.BMP")); }, "Ошибка (2). Убедитесь, что диск с игрой установлен в приводе CD-ROM.", false},
        {"welcome not a bitmap", [](MiniTree& t) { test::write_file(t.data("SELECT/ENTER.BMP"), "BM garbage"); }, "Ошибка (22). Убедитесь, что диск с игрой установлен в приводе CD-ROM.", false},
        {"no menu background", [](MiniTree& t) { delete_file(t.data("SELECT/BG1.BMP")); }, "Ошибка (2). Убедитесь, что диск с игрой установлен в приводе CD-ROM.", true},
        {"no exit panel", [](MiniTree& t) { delete_file(t.data("SELECT/OTAZKA.BMP")); }, "Ошибка (2). Убедитесь, что диск с игрой установлен в приводе CD-ROM.", true},
    };
    for (auto& c : cases) {
        ProgramRun r;
        c.damage(r.tree);
        r.to_menu();
        r.run(false);
        EXPECT_EQ(r.code, 1) << c.name;
        ASSERT_EQ(r.fake.messages.size(), 1u) << c.name;
        EXPECT_EQ(r.fake.messages[0].text, c.message) << c.name;
        EXPECT_EQ(r.fake.messages[0].title, "") << c.name;
        EXPECT_EQ(r.fake.messages[0].icon, MessageIcon::Warning) << c.name;
        EXPECT_EQ(r.fake.window_open, c.window_opened) << c.name;
        if (!c.window_opened)
            EXPECT_TRUE(r.fake.mode_requests.empty()) << c.name << ": the display was touched";
        else
            EXPECT_FALSE(r.fake.fullscreen) << c.name << ": the display was not restored";
    }
}

TEST(StartScreen, SecondInstanceEndsSilently)
{
    ProgramRun r;
    r.fake.other_instance = true;
    r.run();
    EXPECT_EQ(r.code, 0);
    EXPECT_FALSE(r.fake.window_open);
    EXPECT_TRUE(r.fake.messages.empty());
    EXPECT_TRUE(r.fake.played.empty());
}

TEST(StartScreen, DisplaySwitchAndRestore)
{
    struct Case {
        const char* name;
        bool refuse, refuse_restore;
        int code;
    } cases[] = {{"switched", false, false, 0}, {"refused", true, false, 0}, {"restore refused", false, true, 1}};
    for (const auto& c : cases) {
        ProgramRun r;
        r.fake.refuse_display_mode = c.refuse;
        r.fake.refuse_restore = c.refuse_restore;
        r.hovered_at(20000);
        if (!c.refuse)
            r.to_menu();
        r.leave(25000);
        r.run(false);
        EXPECT_EQ(r.code, c.code) << c.name;
        ASSERT_EQ(r.fake.mode_requests.size(), 2u) << c.name;
        EXPECT_EQ(r.fake.mode_requests[0].width, 800) << c.name;
        EXPECT_EQ(r.fake.mode_requests[0].height, 600) << c.name;
        EXPECT_EQ(r.fake.mode_requests[0].bits, 16) << c.name;
        // The restore asks for the mode that was there before.
        EXPECT_EQ(r.fake.mode_requests[1].width, 1024) << c.name;
        EXPECT_EQ(r.fake.mode_requests[1].bits, 32) << c.name;
        std::vector<std::string> texts;
        for (auto& m : r.fake.messages)
            texts.push_back(m.title + ": " + m.text);
        std::vector<std::string> want;
        if (c.refuse)
            want.push_back("Сообщение: Видеокарта не поддерживает смену графического режима без перезагрузки компьютера. Игра будет запущена в окне.");
        if (c.refuse_restore)
            want.push_back("Ошибка системы: Произошла ошибка при попытке вернуть разрешение экрана. Измените его вручную.");
        EXPECT_EQ(texts, want) << c.name;
        // After a refusal the menu comes at once and no timer brings it back.
        EXPECT_EQ(r.heard()[0], "UVOD.WAV") << c.name;
    }
}

TEST(MainMenu, BalloonsAppearOneByOneThenTheGreeting)
{
    ProgramRun r;
    // Click at 100: balloon i's first frame lands at 100 + 250 (i - 1).
    for (int i = 0; i <= 18; ++i)
        r.shot_at(100 + 250 * uint32_t(i) + 10);
    r.to_menu();
    r.leave(ProgramRun::kReady);
    r.run();
    for (int i = 0; i <= 18; ++i) {
        const Surface& s = r.shots[100 + 250 * uint32_t(i) + 10];
        Surface want = intro_after(r.tree, i + 1 > 18 ? 18 : i + 1);
        if (i == 18)  // the greeting has begun: the mouth moves
            want.blit(s, {326, 299, 90, 50}, 326, 299);
        EXPECT_TRUE(s.same_pixels(want)) << "the screen after " << i + 1 << " balloon frames is not the background "
                                         << "with exactly those frames laid in order";
    }
    const auto* greeting = r.first("UVOD.WAV");
    ASSERT_NE(greeting, nullptr);
    EXPECT_EQ(greeting->at, 100u + 18 * 250) << "the greeting starts right after the intro";
}

TEST(MainMenu, AClickDuringTheIntroSkipsTheRestAndTheGreeting)
{
    ProgramRun r;
    r.shot_at(851);
    r.to_menu();
    // The background, while the wait after balloon 3 runs: that wait ends, then the rest come at once.
    r.fake.click(600, 790, 590);
    r.leave(ProgramRun::kReady);
    r.run();
    EXPECT_TRUE(r.shots[851].same_pixels(intro_after(r.tree, 18))) << "the remaining balloons did not appear at once";
    EXPECT_EQ(r.first("UVOD.WAV"), nullptr) << "the greeting was spoken after a skip";
    bool tune_stopped = false;
    for (auto& p : r.fake.played)
        tune_stopped |= !p.channel && p.path.empty() && p.at == 600;
    EXPECT_TRUE(tune_stopped) << "the welcome tune went on";
}

TEST(MainMenu, AClickDuringTheGreetingStopsIt)
{
    ProgramRun r;
    r.to_menu();
    r.fake.click(6000, 790, 590);
    r.leave(ProgramRun::kReady);
    r.run();
    ASSERT_FALSE(r.fake.sound_stops.empty());
    EXPECT_GE(r.fake.sound_stops[0], 6000u);
    EXPECT_LE(r.fake.sound_stops[0], 6100u) << "the greeting went on too long after the click";
}

TEST(MainMenu, HoverLightsTheIconAndLeavingRestoresTheBalloon)
{
    ProgramRun r;
    r.to_menu();
    uint32_t t = ProgramRun::kReady;
    r.fake.move(t, 790, 590);
    r.shot_at(t + 5);
    for (int k = 0; k < kBalloons; ++k) {
        r.fake.move(t + 10, cx(k), cy(k));
        r.shot_at(t + 15);
        r.hovered_at(t + 15);
        r.fake.move(t + 20, 790, 590);
        r.shot_at(t + 25);
        t += 30;
    }
    // Straight from balloon 1 to balloon 2 (areas 0 and 1), then onto the mascot.
    r.fake.move(t, cx(0), cy(0));
    r.fake.move(t + 10, cx(1), cy(1));
    r.shot_at(t + 15);
    r.fake.move(t + 20, 373, 303);
    r.shot_at(t + 25);
    r.hovered_at(t + 25);
    // A right click on a balloon does nothing.
    r.fake.click(t + 30, cx(4), cy(4), MouseButton::Right);
    r.leave(t + 100);
    r.run();

    const Surface rest = r.shots[ProgramRun::kReady + 5];
    t = ProgramRun::kReady;
    for (int k = 0; k < kBalloons; ++k) {
        Surface icon = r.tree.bitmap("SELECT/ICO_" + std::to_string(k + 1) + ".BMP");
        EXPECT_TRUE(test::region_is(r.shots[t + 15], kAreas[k].x, kAreas[k].y, icon)) << "balloon " << k + 1 << " not lit";
        EXPECT_EQ(r.hovered[t + 15], k);
        EXPECT_TRUE(r.shots[t + 25].same_pixels(rest)) << "leaving balloon " << k + 1 << " did not restore it exactly";
        t += 30;
    }
    EXPECT_TRUE(test::region_is(r.shots[t + 15], kAreas[1].x, kAreas[1].y, r.tree.bitmap("SELECT/ICO_2.BMP")));
    EXPECT_TRUE(test::region_is(r.shots[t + 15], kAreas[0].x, kAreas[0].y, rest.crop(kAreas[0])))
        << "balloon 1 stayed lit when moving straight to balloon 2";
    EXPECT_TRUE(r.shots[t + 25].same_pixels(rest)) << "the mascot lights nothing and restores the last balloon";
    EXPECT_EQ(r.hovered[t + 25], 9);
    EXPECT_EQ(r.heard(), (std::vector<std::string>{"UVOD.WAV", "CLICK.WAV", "KONEC.WAV", "CLICK.WAV"}))
        << "a right click played something";
}

TEST(MainMenu, ExitQuestionNoKeepsAWorkingMenu)
{
    ProgramRun r;
    r.to_menu();
    uint32_t t = ProgramRun::kReady;
    r.fake.move(t - 10, 790, 590);
    r.shot_at(t);
    r.fake.click(t, 373, 303);
    r.shot_at(t + 2500);
    r.fake.move(t + 2600, 170 + 50, 175 + 30);  // over yes
    r.shot_at(t + 2610);
    r.fake.move(t + 2700, 170 + 12, 175 + 60);  // panel, outside the buttons
    r.shot_at(t + 2710);
    r.fake.move(t + 2750, 170 + 50, 175 + 88);  // over no
    r.shot_at(t + 2760);
    r.fake.click(t + 2800, 170 + 50, 175 + 88);  // no
    r.fake.move(t + 2900, 790, 590);
    r.shot_at(t + 2910);
    r.fake.move(t + 3000, cx(5), cy(5));
    r.hovered_at(t + 3010);
    r.leave(t + 4000);
    r.run();

    const Surface menu = r.shots[t];
    const Surface panel = r.tree.bitmap("SELECT/OTAZKA.BMP");
    Surface composed = menu.crop({170, 175, panel.width(), panel.height()});
    transparent_copy(panel, panel.width(), panel.height(), panel.pixel(0, 0), composed, composed);
    EXPECT_TRUE(test::region_is(r.shots[t + 2500], 170, 175, composed)) << "the panel is not laid over the menu";
    EXPECT_TRUE(test::region_is(r.shots[t + 2610], 170 + 24, 175 + 12, r.tree.bitmap("SELECT/ANO_1.BMP")));
    EXPECT_TRUE(test::region_is(r.shots[t + 2710], 170, 175, composed)) << "the yes highlight stayed";
    EXPECT_TRUE(test::region_is(r.shots[t + 2760], 170 + 24, 175 + 71, r.tree.bitmap("SELECT/NE_1.BMP")));
    EXPECT_TRUE(r.shots[t + 2910].same_pixels(menu)) << "after no the menu is not as before";
    EXPECT_EQ(r.hovered[t + 3010], 5) << "the balloons do not answer after no";
    const auto* question = r.first("KONEC.WAV");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->at, t);
    EXPECT_EQ(r.code, 0);
}

TEST(MainMenu, LeavingDeletesTheTemporarySound)
{
    ProgramRun r;
    test::write_file(r.tree.dir / "ZVUK.WAV", "x");
    r.to_menu();
    r.leave(ProgramRun::kReady);
    r.run();
    EXPECT_EQ(r.code, 0);
    EXPECT_FALSE(file_exists(r.tree.dir / "ZVUK.WAV"));
}

TEST(StartScreen, EveryWayOutEndsAlike)
{
    struct Case {
        const char* name;
        std::function<void(ProgramRun&)> leave;
    } cases[] = {
        {"the farewell", [](ProgramRun& r) { r.leave(ProgramRun::kReady); }},
        {"the close button on the menu", [](ProgramRun& r) { r.fake.push(ProgramRun::kReady, Event{Event::Type::Quit}); }},
        {"the close button while Bafo greets", [](ProgramRun& r) { r.fake.push(5000, Event{Event::Type::Quit}); }},
        {"the close button on the welcome picture", [](ProgramRun& r) { r.fake.push(50, Event{Event::Type::Quit}); }},
    };
    for (const auto& c : cases) {
        ProgramRun r;
        // A clip's sound copied earlier in the run.
        test::write_file(r.tree.dir / "ZVUK.WAV", "x");
        if (std::string(c.name) != "the close button on the welcome picture")
            r.to_menu();
        c.leave(r);
        r.run(false);
        EXPECT_EQ(r.code, 0) << c.name;
        EXPECT_FALSE(file_exists(r.tree.dir / "ZVUK.WAV")) << c.name << ": the temporary sound stayed";
        EXPECT_FALSE(r.fake.fullscreen) << c.name << ": the display was not given back";
        EXPECT_FALSE(r.fake.sound_playing()) << c.name << ": a sound went on";
        EXPECT_TRUE(r.fake.messages.empty()) << c.name;
    }
    // A second copy ends without touching the first one's files.
    ProgramRun second;
    test::write_file(second.tree.dir / "ZVUK.WAV", "x");
    second.fake.other_instance = true;
    second.run(false);
    EXPECT_EQ(second.code, 0);
    EXPECT_TRUE(file_exists(second.tree.dir / "ZVUK.WAV")) << "a second copy deleted the first one's sound";
}

TEST(MainMenu, DamagedDataTreeStillPlays)
{
    struct Case {
        const char* name;
        std::function<void(MiniTree&)> damage;
    } cases[] = {
        {"POS.DAT missing", [](MiniTree& t) { delete_file(t.data("SELECT/POS.DAT")); }},
        {"POS.DAT too short", [](MiniTree& t) { test::write_file(t.data("SELECT/POS.DAT"), "185,10\n395"); }},
        {"POS.DAT not numbers", [](MiniTree& t) { test::write_file(t.data("SELECT/POS.DAT"), "a,b,c\nd\n\xff"); }},
        {"balloon missing", [](MiniTree& t) { delete_file(t.data("SELECT/BALO_4.BMP")); }},
        {"icon missing", [](MiniTree& t) { delete_file(t.data("SELECT/ICO_6.BMP")); }},
        {"icon truncated", [](MiniTree& t) { test::write_file(t.data("SELECT/ICO_6.BMP"), "BM\x10"); }},
        {"greeting not a wave", [](MiniTree& t) { test::write_file(t.data("REC/UVOD.WAV"), "RIFFxxxxWAVE"); }},
        {"mouth strip missing", [](MiniTree& t) { delete_file(t.data("SELECT/BAFO_ANI.BMP")); }},
        {"click missing", [](MiniTree& t) { delete_file(t.data("SELECT/FANF/CLICK.WAV")); }},
        {"farewell missing", [](MiniTree& t) { delete_file(t.data("SELECT/EXIT.BMP")); }},
    };
    for (auto& c : cases) {
        ProgramRun r;
        c.damage(r.tree);
        r.to_menu();
        for (int k = 0; k < kBalloons; ++k)
            r.fake.move(ProgramRun::kReady + 10 * uint32_t(k), cx(k), cy(k));
        // The dress-up balloon, and back from the dress-up.
        r.fake.click(ProgramRun::kReady + 100, cx(3), cy(3));
        r.fake.click(ProgramRun::kReady + 300, 63, 568);
        r.leave(ProgramRun::kReady + 500);
        r.run();
        bool farewell_missing = std::string(c.name) == "farewell missing";
        EXPECT_EQ(r.code, farewell_missing ? 1 : 0) << c.name;
        EXPECT_EQ(r.fake.messages.size(), farewell_missing ? 1u : 0u) << c.name;
    }
}

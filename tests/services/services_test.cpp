#include "platform/fake/fake_platform.h"
#include "platform/bitmap_file.h"
#include "services/composition.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "test_support.h"
#include "ui/app.h"

#include <gtest/gtest.h>

using namespace bafo;
using bafo::test::pattern;
using bafo::test::TempDir;

namespace {

struct Screen : ui::Form {
    Screen() : ui::Form("screen") {}
};

class ServicesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_platform(&fake);
        ui::App::get().reset();
        reset_globals();
        cesta_dat = cesta_hry = dir.path();
    }
    void TearDown() override
    {
        ui::App::get().reset();
        set_platform(nullptr);
    }
    FakePlatform fake;
    TempDir dir;
};

// The frame index shown at the mouth, or -1 when it is the background.
int frame_at(const Surface& screen, const ClipStore& strip, const Surface& bg, int x, int y)
{
    Surface now = screen.crop({x, y, strip.cell_width(), strip.strip.height()});
    if (now.same_pixels(bg.crop({x, y, strip.cell_width(), strip.strip.height()})))
        return -1;
    for (int n = 0; n < strip.columns; ++n)
        if (now.same_pixels(strip.cell(n)))
            return n;
    return -2;
}

}  // namespace

TEST_F(ServicesTest, TalkingMascotFlickersAndRestoresTheFace)
{
    struct Case {
        int columns;
        uint32_t voice_ms;
        int32_t click_at;  // -1: no click
    } cases[] = {{3, 2000, -1}, {4, 1000, -1}, {2, 1000, -1}, {1, 600, -1}, {3, 3000, 450}, {3, 0, -1}};
    for (const auto& c : cases) {
        ui::App::get().reset();
        Screen& s = ui::App::get().form<Screen>();
        const Surface bg = pattern(800, 600, 9);
        s.set_picture(bg);
        ui::App::get().show(s);
        ClipStore strip;
        strip.strip = pattern(60 * c.columns, 40, 3);
        strip.columns = c.columns;
        const std::string wave = dir / "voice.wav";
        if (c.voice_ms)
            test::write_tone(wave, c.voice_ms, 500);
        else
            test::write_file(wave, "not a wave");
        std::vector<int> frames;
        fake.on_idle = [&](FakePlatform&) { frames.push_back(frame_at(s.screen, strip, bg, 326, 299)); };
        const uint32_t t0 = fake.now_ms();
        if (c.click_at >= 0)
            fake.click(t0 + uint32_t(c.click_at), 10, 10);
        animuj_mluveni(s, 326, 299, strip, nullptr, wave);
        fake.on_idle = nullptr;
        const uint32_t took = fake.now_ms() - t0;
        const std::string what = std::to_string(c.columns) + " columns, voice " + std::to_string(c.voice_ms) +
                                 " ms, click at " + std::to_string(c.click_at);
        EXPECT_TRUE(s.screen.same_pixels(bg)) << what << ": face not restored on screen";
        EXPECT_TRUE(s.image.same_pixels(bg)) << what << ": face not restored in the image";
        if (c.voice_ms == 0) {
            EXPECT_TRUE(frames.empty()) << what;
            continue;
        }
        uint32_t until = c.click_at >= 0 ? uint32_t(c.click_at) : c.voice_ms;
        EXPECT_GE(took, until) << what;
        EXPECT_LE(took, until + 100) << what << ": the voice or the click was not noticed within 100 ms";
        for (size_t i = 0; i < frames.size(); ++i) {
            ASSERT_GE(frames[i], 0) << what << ": step " << i << " shows no frame of the strip";
            if (c.columns == 1) {
                EXPECT_EQ(frames[i], 0) << what;
            } else if (i > 0) {
                EXPECT_NE(frames[i], frames[i - 1]) << what << ": the same frame twice at step " << i;
            } else {
                EXPECT_NE(frames[i], 0) << what << ": the first pick repeated frame 0";
            }
        }
        if (c.click_at >= 0) {
            EXPECT_FALSE(fake.sound_playing()) << what << ": the voice went on after the click";
            EXPECT_EQ(fake.pending_input(), 3u) << what << ": the click must stay queued";
            fake = FakePlatform();
        }
    }
}

TEST_F(ServicesTest, FanfareIsOneOfFiveAndWaitsForItsEnd)
{
    std::set<std::string> heard;
    for (int i = 1; i <= 5; ++i)
        test::write_tone(dir / ("BAFO_CS/SELECT/FANF/FANF" + std::to_string(i) + ".WAV"), 1000u * uint32_t(i), 440);
    for (int round = 0; round < 60; ++round) {
        uint32_t t0 = fake.now_ms();
        fake.played.clear();
        prehraj_fanfaru();
        ASSERT_EQ(fake.played.size(), 1u);
        const std::string& f = fake.played[0].path;
        int n = f[f.size() - 5] - '0';
        ASSERT_GE(n, 1) << f;
        ASSERT_LE(n, 5) << f;
        heard.insert(f);
        EXPECT_GE(fake.now_ms() - t0, 1000u * uint32_t(n)) << f << " returned before its end";
        EXPECT_LE(fake.now_ms() - t0, 1000u * uint32_t(n) + 20) << f;
        fake.push(fake.now_ms() + 37, Event{Event::Type::Expose});  // move the clock on
        ui::App::get().wait_dispatch(fake.now_ms() + 37 + round);
    }
    EXPECT_EQ(heard.size(), 5u) << "some fanfare is never chosen";
    // A missing fanfare returns at once.
    TempDir empty;
    cesta_dat = empty.path();
    uint32_t t0 = fake.now_ms();
    prehraj_fanfaru();
    EXPECT_EQ(fake.now_ms(), t0);
}

TEST_F(ServicesTest, ReseedingInOneMillisecondStillGivesNewDraws)
{
    // Eighty cubes, each shuffled by ten rolls after its own reseed, all
    // within one millisecond of a clock that does not move.
    std::set<std::vector<int>> shuffles;
    for (int cube = 0; cube < 80; ++cube) {
        randomize();
        std::vector<int> rolls;
        for (int i = 0; i < 10; ++i)
            rolls.push_back(random_1_to(4));
        shuffles.insert(rolls);
    }
    EXPECT_EQ(fake.now_ms(), 0u);
    EXPECT_EQ(shuffles.size(), 80u) << "cubes reseeded at the same millisecond got the same rolls";
    // Each program run starts from the same state, so the runs of the tests repeat.
    reset_random();
    randomize();
    const double first = rnd();
    reset_random();
    randomize();
    EXPECT_EQ(rnd(), first);
}

TEST_F(ServicesTest, ClickComesFromTheGameDirectoryFirst)
{
    test::write_tone(dir / "BAFO_CS/SELECT/FANF/CLICK.WAV", 50, 3000);
    zvuk_kliknuti();
    test::write_tone(dir / "CLICK.WAV", 50, 2000);
    zvuk_kliknuti();
    ASSERT_EQ(fake.played.size(), 2u);
    EXPECT_EQ(fake.played[0].path, dir / "BAFO_CS/SELECT/FANF/CLICK.WAV");
    EXPECT_EQ(fake.played[1].path, dir / "CLICK.WAV");
}

TEST_F(ServicesTest, WaitDispatchesAndSleepDoesNot)
{
    Screen& s = ui::App::get().form<Screen>();
    ui::App::get().show(s);
    auto& a = s.add<ui::HotArea>("a");
    a.set_rect({0, 0, 50, 50});
    int clicks = 0;
    a.on_click = [&] { ++clicks; };
    fake.click(100, 10, 10);
    ui::App::get().sleep_until(500);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(fake.now_ms(), 500u);
    cekej(300);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(fake.now_ms(), 800u);
}

TEST_F(ServicesTest, PositionTables)
{
    struct Case {
        const char* text;
        std::vector<std::optional<Point>> want;
    } cases[] = {
        {"1,2\r\n3,4\r\n5,6\r\n", {Point{1, 2}, Point{3, 4}, Point{5, 6}}},
        {"1,2,3,4,5,6", {Point{1, 2}, Point{3, 4}, Point{5, 6}}},
        {" 1 , 2\n-3,4\n", {Point{1, 2}, Point{-3, 4}, std::nullopt}},
        {"1,x\n3,4\n5", {std::nullopt, Point{3, 4}, std::nullopt}},
        {"", {std::nullopt, std::nullopt, std::nullopt}},
        {"9999999999,1\n2.5,3\n", {std::nullopt, std::nullopt, std::nullopt}},
    };
    for (const auto& c : cases) {
        test::write_file(dir / "POS.DAT", c.text);
        auto got = nacti_pozice(dir / "POS.DAT", 3);
        ASSERT_EQ(got.size(), 3u);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(got[i].has_value(), c.want[i].has_value()) << "text '" << c.text << "' pair " << i;
            if (got[i] && c.want[i]) {
                EXPECT_TRUE(got[i]->x == c.want[i]->x && got[i]->y == c.want[i]->y)
                    << "text '" << c.text << "' pair " << i << " = " << got[i]->x << "," << got[i]->y;
            }
        }
    }
    EXPECT_EQ(nacti_pozice(dir / "NONE.DAT", 9).size(), 9u);
}

TEST_F(ServicesTest, HighlightRestoresBeforeLightingTheNext)
{
    Screen& s = ui::App::get().form<Screen>();
    const Surface bg = pattern(800, 600, 4);
    s.set_picture(bg);
    ui::App::get().show(s);
    std::vector<ui::HotArea*> areas;
    std::vector<Highlighter::Icon> icons;
    for (int i = 0; i < 3; ++i) {
        areas.push_back(&s.add<ui::HotArea>("klik_ico", i));
        std::string f = dir / ("ICO" + std::to_string(i) + ".BMP");
        test::write_bitmap(f, pattern(60, 50, 20 + uint32_t(i)));
        // Icons 0 and 1 overlap: B's backup must not keep A's highlight.
        icons.push_back({f, 100 + 40 * i, 100});
    }
    icons[2].file = dir / "MISSING.BMP";
    Highlighter h(s, areas, icons);
    h.highlight(0);
    EXPECT_TRUE(s.image.crop({100, 100, 60, 50}).same_pixels(pattern(60, 50, 20)));
    h.highlight(0);
    h.highlight(1);
    EXPECT_EQ(h.lit(), std::optional<size_t>(1));
    EXPECT_FALSE(areas[0]->marked);
    h.smaz_aktivni_plochy();
    EXPECT_TRUE(s.image.same_pixels(bg)) << "icon 1's backup kept icon 0's highlight";
    EXPECT_TRUE(s.screen.same_pixels(bg));
    h.highlight(2);  // a missing bitmap lights nothing
    h.smaz_aktivni_plochy();
    EXPECT_TRUE(s.image.same_pixels(bg));
    EXPECT_FALSE(h.lit());
}

TEST(Helpers, ColourComponents)
{
    struct Case {
        int32_t c;
        int r, g, b;
    } cases[] = {{0, 0, 0, 0}, {255, 255, 0, 0}, {65280, 0, 255, 0}, {16711680, 0, 0, 255},
                 {16777215, 255, 255, 255}, {0x3B2A20 /* packed as b,g,r */, 0x20, 0x2A, 0x3B}};
    for (const auto& c : cases) {
        EXPECT_EQ(cervena_slozka(c.c), c.r) << c.c;
        EXPECT_EQ(zelena_slozka(c.c), c.g) << c.c;
        EXPECT_EQ(modra_slozka(c.c), c.b) << c.c;
        EXPECT_EQ(pixel_from_packed(uint32_t(c.c)), rgb(uint8_t(c.r), uint8_t(c.g), uint8_t(c.b))) << c.c;
    }
    TempDir d;
    test::write_file(d / "1.BMP", "x");
    test::write_file(d / "2.BMP", "x");
    test::write_file(d / "3.bmp", "x");
    EXPECT_EQ(pocet_bitmap(d.path() + "\\"), 2);
    EXPECT_EQ(pocet_bitmap(d / "NONE\\"), 0);
    EXPECT_EQ(jmeno_souboru("C:\\BAFO\\ANIM\\1\\POZADI3.BMP"), "POZADI3.BMP");
}

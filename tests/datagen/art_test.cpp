// The start and menu pictures, checked the way the program uses them: opaque
// rectangles copied over BG1, a keyed panel, a mouth strip laid at a fixed point.
#include "check.h"
#include "datagen.h"

#include "image_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using datagen::Expect;

namespace {

using namespace datagen_test;

// The menu's hot areas for balloons 1..9.
const Rect kAreas[9] = {{185, 10, 136, 146}, {395, 0, 131, 136}, {540, 75, 126, 141},
                        {610, 205, 141, 151}, {555, 370, 146, 156}, {360, 440, 151, 151},
                        {175, 415, 146, 151}, {50, 290, 141, 161}, {30, 135, 141, 151}};
const Rect kMascot = {275, 165, 196, 276};
constexpr int kMouthX = 326, kMouthY = 299;
constexpr int kPanelX = 170, kPanelY = 175;
constexpr uint32_t kKey = 0xFF00FF;

int overlap_area(const Rect& a, const Rect& b)
{
    const int w = std::min(a.x + a.w, b.x + b.w) - std::max(a.x, b.x);
    const int h = std::min(a.y + a.h, b.y + b.h) - std::max(a.y, b.y);
    return w > 0 && h > 0 ? w * h : 0;
}

std::vector<int> read_ints(const fs::path& p)
{
    std::string t = slurp(p);
    std::replace(t.begin(), t.end(), ',', ' ');
    std::istringstream in(t);
    std::vector<int> v;
    for (int x; in >> x;)
        v.push_back(x);
    return v;
}

void generate(const fs::path& root)
{
    for (auto& g : datagen::all_generators())
        if (g.name == "start" || g.name == "menu")
            g.run(root);
}

class ArtTest : public TreeSuite<generate> {
protected:
    static fs::path sel(const std::string& name) { return *root_ / "BAFO_CS" / "SELECT" / name; }
    static Image bmp(const std::string& name) { return load_bmp(sel(name)); }

};


TEST_F(ArtTest, EveryFileIsThereWithItsSize)
{
    std::vector<Expect> all;
    for (auto& g : datagen::all_generators())
        if (g.name == "start" || g.name == "menu")
            g.expect(all);
    ASSERT_GE(all.size(), 2u + 1 + 27 + 4 + 1);
    for (const auto& problem : datagen::check_tree(*root_, all))
        ADD_FAILURE() << problem;
}

TEST_F(ArtTest, StartPicturesAreFullScenes)
{
    for (const char* name : {"ENTER.BMP", "EXIT.BMP", "BG1.BMP"}) {
        Image img = bmp(name);
        ASSERT_EQ(img.w, 800) << name;
        ASSERT_EQ(img.h, 600) << name;
        std::set<uint32_t> colours(img.px.begin(), img.px.end());
        EXPECT_GT(colours.size(), 2000u) << name << " looks flat";
    }
    EXPECT_NE(slurp(sel("ENTER.BMP")), slurp(sel("EXIT.BMP")));
}

TEST_F(ArtTest, MouthStripMovesOnlyTheMouth)
{
    Image bg = bmp("BG1.BMP");
    Image strip = bmp("BAFO_ANI.BMP");
    ASSERT_EQ(strip.w % 3, 0) << "strip " << strip.w << " px wide does not hold 3 equal frames";
    const int fw = strip.w / 3, fh = strip.h;
    const Rect mouth{kMouthX, kMouthY, fw, fh};
    ASSERT_EQ(overlap_area(mouth, kMascot), fw * fh) << "frame " << fw << "x" << fh << " leaves Bafo's area";

    auto frame = [&](int f) {
        Image img{fw, fh, {}};
        for (int y = 0; y < fh; ++y)
            for (int x = 0; x < fw; ++x)
                img.px.push_back(strip.at(f * fw + x, y));
        return img;
    };
    EXPECT_EQ(differing_pixels(frame(0), bg, kMouthX, kMouthY), 0) << "frame 0 must be BG1 itself";
    for (int f = 1; f < 3; ++f) {
        Image img = frame(f);
        EXPECT_GT(differing_pixels(img, bg, kMouthX, kMouthY), 30) << "frame " << f << " shows no open mouth";
        EXPECT_EQ(edge_seam(img, bg, kMouthX, kMouthY), "") << "frame " << f << " has a seam";
    }
}

TEST_F(ArtTest, BalloonsSitOnTheirHotAreasWithoutSeams)
{
    Image bg = bmp("BG1.BMP");
    std::vector<int> pos = read_ints(sel("POS.DAT"));
    ASSERT_EQ(pos.size(), 18u);
    for (int i = 0; i < 9; ++i) {
        const std::string n = std::to_string(i + 1);
        const int x = pos[size_t(2 * i)], y = pos[size_t(2 * i + 1)];
        Image first = bmp("BALO_" + n + ".BMP");
        Image second = bmp("BALOO_" + n + ".BMP");
        Image icon = bmp("ICO_" + n + ".BMP");
        ASSERT_GT(first.w, 0) << "BALO_" << n;
        const Rect r{x, y, first.w, first.h};
        SCOPED_TRACE("balloon " + n + " at (" + std::to_string(x) + ", " + std::to_string(y) + ") size " +
                     std::to_string(first.w) + "x" + std::to_string(first.h));
        ASSERT_TRUE(x >= 0 && y >= 0 && x + r.w <= 800 && y + r.h <= 600) << "leaves the screen";
        EXPECT_GE(overlap_area(r, kAreas[i]) * 10, kAreas[i].w * kAreas[i].h * 9)
            << "covers too little of hot area " << i;
        EXPECT_EQ(second.w, first.w);
        EXPECT_EQ(second.h, first.h);
        EXPECT_EQ(icon.w, first.w);
        EXPECT_EQ(icon.h, first.h);
        if (second.w != first.w || icon.w != first.w || second.h != first.h || icon.h != first.h)
            continue;
        const struct {
            const char* what;
            const Image& img;
        } looks[] = {{"BALO", first}, {"BALOO", second}, {"ICO", icon}};
        for (const auto& l : looks) {
            EXPECT_EQ(edge_seam(l.img, bg, x, y), "") << l.what << "_" << n << " does not match BG1 at its edge";
            EXPECT_GT(differing_pixels(l.img, bg, x, y), r.w * r.h / 5) << l.what << "_" << n << " shows no balloon";
        }
        EXPECT_GT(differing_pixels(second, first, 0, 0), 20) << "the two frames do not sway";
        EXPECT_GT(differing_pixels(icon, second, 0, 0), r.w * r.h / 5) << "the lit balloon hardly changes";
    }
}

// Balloon rectangles overlap a little; whichever is copied last covers the other
// there, so no balloon may paint anything into another's rectangle.
TEST_F(ArtTest, NoBalloonReachesIntoItsNeighbour)
{
    Image bg = bmp("BG1.BMP");
    std::vector<int> pos = read_ints(sel("POS.DAT"));
    ASSERT_EQ(pos.size(), 18u);
    std::vector<Rect> rects;
    for (int i = 0; i < 9; ++i) {
        Image img = bmp("BALO_" + std::to_string(i + 1) + ".BMP");
        rects.push_back(Rect{pos[size_t(2 * i)], pos[size_t(2 * i + 1)], img.w, img.h});
    }
    int overlaps = 0;
    for (int i = 0; i < 9; ++i)
        for (int j = 0; j < 9; ++j) {
            if (i == j || !overlap_area(rects[size_t(i)], rects[size_t(j)]))
                continue;
            ++overlaps;
            const Rect& a = rects[size_t(i)];
            const Rect& b = rects[size_t(j)];
            for (const char* look : {"BALO_", "BALOO_", "ICO_"}) {
                const std::string name = look + std::to_string(i + 1) + ".BMP";
                Image img = bmp(name);
                int painted = 0;
                for (int y = std::max(a.y, b.y); y < std::min(a.y + a.h, b.y + b.h); ++y)
                    for (int x = std::max(a.x, b.x); x < std::min(a.x + a.w, b.x + b.w); ++x)
                        painted += img.at(x - a.x, y - a.y) != bg.at(x, y);
                EXPECT_EQ(painted, 0) << name << " paints into balloon " << j + 1 << "'s rectangle";
            }
        }
    EXPECT_GT(overlaps, 0) << "the layout has overlapping rectangles; this test should see them";
}

TEST_F(ArtTest, ExitPanelIsKeyedAndLeavesTheMouthFree)
{
    Image panel = bmp("OTAZKA.BMP");
    Image strip = bmp("BAFO_ANI.BMP");
    ASSERT_GT(panel.w, 0);
    ASSERT_EQ(panel.at(0, 0), kKey) << "the key colour is taken from pixel (0, 0)";
    const Rect on_screen{kPanelX, kPanelY, panel.w, panel.h};
    EXPECT_EQ(overlap_area(on_screen, Rect{kMouthX, kMouthY, strip.w / 3, strip.h}), 0)
        << "panel " << panel.w << "x" << panel.h << " covers the talking mouth";
    EXPECT_LE(kPanelX + panel.w, 800);
    EXPECT_LE(kPanelY + panel.h, 600);

    int keyed = 0;
    for (int y = 0; y < panel.h; ++y)
        for (int x = 0; x < panel.w; ++x) {
            const uint32_t c = panel.at(x, y);
            const bool edge = x == 0 || y == 0 || x == panel.w - 1 || y == panel.h - 1;
            if (edge) {
                EXPECT_EQ(c, kKey) << "surround pixel (" << x << ", " << y << ") is " << hex(c);
            }
            keyed += c == kKey;
            // Nearly-key pixels would show as a pink fringe.
            const int dr = 0xFF - int(c >> 16), dg = int((c >> 8) & 0xFF), db = 0xFF - int(c & 0xFF);
            if (c != kKey) {
                EXPECT_GT(std::max({dr, dg, db}), 60) << "pixel (" << x << ", " << y << ") " << hex(c) << " is almost key";
            }
        }
    EXPECT_GT(keyed, panel.w * 2 + panel.h * 2) << "only the frame is keyed: the panel is a plain box";

    // The buttons' hot areas lie on the bubble.
    const struct {
        const char* what;
        Rect hot;
    } buttons[] = {{"yes", {30, 15, 41, 36}}, {"no", {30, 75, 41, 26}}};
    for (const auto& b : buttons)
        for (int y = b.hot.y; y < b.hot.y + b.hot.h; ++y)
            for (int x = b.hot.x; x < b.hot.x + b.hot.w; ++x)
                ASSERT_NE(panel.at(x, y), kKey) << b.what << " hot area is see-through at (" << x << ", " << y << ")";
}

TEST_F(ArtTest, LitButtonsCoverTheirButtonsAndMatchThePanel)
{
    Image panel = bmp("OTAZKA.BMP");
    ASSERT_GT(panel.w, 0);
    const struct {
        const char* file;
        int x, y;
        Rect hot;
    } lit[] = {{"ANO_1.BMP", 24, 12, {30, 15, 41, 36}}, {"NE_1.BMP", 24, 71, {30, 75, 41, 26}}};
    for (const auto& l : lit) {
        Image img = bmp(l.file);
        ASSERT_GT(img.w, 0) << l.file;
        SCOPED_TRACE(std::string(l.file) + " " + std::to_string(img.w) + "x" + std::to_string(img.h));
        ASSERT_LE(l.x + img.w, panel.w) << "sticks out of the panel";
        ASSERT_LE(l.y + img.h, panel.h) << "sticks out of the panel";
        EXPECT_EQ(overlap_area(Rect{l.x, l.y, img.w, img.h}, l.hot), l.hot.w * l.hot.h)
            << "does not cover the button's hot area";
        EXPECT_EQ(std::count(img.px.begin(), img.px.end(), kKey), 0) << "copied opaque, it must not hold key pixels";
        EXPECT_EQ(edge_seam(img, panel, l.x, l.y), "");
        EXPECT_GT(differing_pixels(img, panel, l.x, l.y), 200) << "the lit button looks like the plain one";
    }
    // The two lit pictures must not overlap each other.
    Image yes = bmp("ANO_1.BMP");
    EXPECT_LE(12 + yes.h, 71);
}

TEST_F(ArtTest, TwoRunsWriteTheSameBytes)
{
    const fs::path again = *root_ / "again";
    generate(again);
    int compared = 0;
    for (const auto& e : fs::recursive_directory_iterator(*root_ / "BAFO_CS")) {
        if (!e.is_regular_file())
            continue;
        const fs::path rel = fs::relative(e.path(), *root_);
        EXPECT_TRUE(slurp(e.path()) == slurp(again / rel)) << rel << " differs between runs";
        ++compared;
    }
    EXPECT_GE(compared, 35);
    fs::remove_all(again);
}

}  // namespace

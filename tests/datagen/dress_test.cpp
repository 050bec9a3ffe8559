// The dress-up screen's pictures checked the way the screen uses them: the
// garments laid over the undressed Bafo at their offsets with magenta left
// out, the composition painted over BG at (88, 114), the lit icons and the
// mouth strip copied over BG at their points, the print picture with the
// same garments at the print offsets.
#include "datagen.h"

#include "image_support.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using namespace datagen_test;

void generate(const fs::path& root)
{
    for (auto& g : datagen::all_generators())
        if (g.name == "dress")
            g.run(root);
}

using DressSuite = TreeSuite<generate>;

constexpr uint32_t kKey = 0xFF00FF;
constexpr int kAtX = 88, kAtY = 114;  // where the screen paints the undressed Bafo

std::string dir(const fs::path& root) { return (root / "BAFO_CS/KREJCI/").string(); }

struct Category {
    const char* prefix;
    int x, y;                        // offset on the undressed Bafo
    std::vector<std::pair<int, int>> covers;  // points of him every item must cover
};
const Category kCategories[] = {
    {"OBLEKY/BOTY/BOTY", 25, 247, {{86, 285}, {134, 285}}},
    {"OBLEKY/HLAVY/HLAVA", 51, -4, {{110, 30}}},
    {"OBLEKY/TRIKA/TRIKO", 36, 117, {{110, 160}}},
    {"OBLEKY/TRENKY/TRENKY", 55, 187, {{110, 200}}},
};

std::string item(const Category& c, int n) { return std::string(c.prefix) + std::to_string(n) + ".BMP"; }

// A pixel a child would see as a pink fringe: close to the key but not it.
bool near_key(uint32_t c) { return c != kKey && distance(c, kKey) < 90; }

TEST_F(DressSuite, GarmentsFitBafoWithoutFringes)
{
    const Image bafo = load_bmp(dir(*root_) + "NAHYBAFO.BMP");
    ASSERT_GT(bafo.w, 0);
    for (const Category& c : kCategories)
        for (int n = 1; n <= 10; ++n) {
            const std::string name = item(c, n);
            const Image g = load_bmp(dir(*root_) + name);
            ASSERT_GT(g.w, 0) << name;
            int solid = 0, outside = 0, fringe = 0;
            for (int y = 0; y < g.h; ++y)
                for (int x = 0; x < g.w; ++x) {
                    const uint32_t p = g.at(x, y);
                    if (p == kKey)
                        continue;
                    ++solid;
                    fringe += near_key(p);
                    const int bx = c.x + x, by = c.y + y;
                    // The screen clips a hat's top edge; nothing else may leave him.
                    outside += bx < 0 || bx >= bafo.w || by >= bafo.h || (by < 0 && c.y >= 0);
                }
            EXPECT_GT(solid, g.w * g.h / 10) << name << " is nearly empty";
            EXPECT_EQ(outside, 0) << name << " at (" << c.x << ", " << c.y << ") reaches past Bafo " << bafo.w << "x" << bafo.h;
            EXPECT_EQ(fringe, 0) << name << " has pixels close to magenta";
            for (auto [px, py] : c.covers) {
                const int x = px - c.x, y = py - c.y;
                const bool on = x >= 0 && y >= 0 && x < g.w && y < g.h && g.at(x, y) != kKey;
                EXPECT_TRUE(on) << name << " does not cover Bafo's (" << px << ", " << py << ")";
            }
        }
}

// Wherever a shirt ends in his middle, the shorts (drawn after it) must cover its hem.
TEST_F(DressSuite, ShortsCoverEveryShirtsHem)
{
    const Category& shirts = kCategories[2];
    const Category& shorts = kCategories[3];
    for (int s = 1; s <= 10; ++s) {
        const Image shirt = load_bmp(dir(*root_) + item(shirts, s));
        for (int t = 1; t <= 10; ++t) {
            const Image pants = load_bmp(dir(*root_) + item(shorts, t));
            for (int col : {90, 110, 130}) {
                int hem = -1;
                for (int y = 0; y < shirt.h; ++y)
                    if (shirt.at(col - shirts.x, y) != kKey)
                        hem = shirts.y + y;
                ASSERT_GE(hem, 0) << item(shirts, s) << " has nothing in column " << col;
                const int py = hem - shorts.y;
                const bool covered = py >= 0 && py < pants.h && pants.at(col - shorts.x, py) != kKey;
                EXPECT_TRUE(covered) << item(shirts, s) << " ends at (" << col << ", " << hem << ") outside "
                                     << item(shorts, t);
            }
        }
    }
}

TEST_F(DressSuite, ScreenShowsTheUndressedBafoAndItsLitIconsWithoutSeams)
{
    const Image bg = load_bmp(dir(*root_) + "BG.BMP");
    const Image bafo = load_bmp(dir(*root_) + "NAHYBAFO.BMP");
    ASSERT_EQ(bg.w, 800);
    ASSERT_EQ(bg.h, 600);
    ASSERT_TRUE(contains(Rect{0, 0, 800, 600}, Rect{kAtX, kAtY, bafo.w, bafo.h}));
    EXPECT_EQ(differing_pixels(bafo, bg, kAtX, kAtY), 0) << "BG under (88, 114) is not the undressed Bafo";

    const struct {
        const char* file;
        int x, y;
        Rect hot;
    } icons[] = {
        {"ZPET.BMP", 0, 515, {20, 545, 86, 46}},
        {"TISK.BMP", 245, 515, {255, 535, 81, 56}},
        {"ZAMI.BMP", 522, 515, {525, 520, 56, 76}},
        {"BAFO.BMP", 732, 509, {735, 515, 66, 86}},
    };
    for (const auto& i : icons) {
        const Image lit = load_bmp(dir(*root_) + i.file);
        ASSERT_GT(lit.w, 0) << i.file;
        const Rect r{i.x, i.y, lit.w, lit.h};
        EXPECT_TRUE(contains(Rect{0, 0, 800, 600}, r)) << i.file << " " << str(r) << " leaves the screen";
        EXPECT_TRUE(contains(r, on_screen(i.hot))) << i.file << " " << str(r) << " does not cover " << str(i.hot);
        if (!contains(Rect{0, 0, 800, 600}, r))
            continue;
        EXPECT_EQ(edge_seam(lit, bg, i.x, i.y), "") << i.file;
        const Rect hot = on_screen(i.hot);
        EXPECT_GT(differing_pixels(lit, bg, i.x, i.y, &hot), hot.w * hot.h / 20) << i.file << " does not light up";
    }

    // The mouth strip: four frames of the help corner, the first one BG itself.
    const Image strip = load_bmp(dir(*root_) + "BAFO_ANI.BMP");
    ASSERT_EQ(strip.w % 4, 0);
    const int fw = strip.w / 4;
    const std::vector<Image> frames = strip_frames(strip, 4);
    ASSERT_TRUE(contains(Rect{0, 0, 800, 600}, Rect{732, 509, fw, strip.h}));
    EXPECT_EQ(differing_pixels(frames[0], bg, 732, 509), 0) << "frame 0 is not BG at (732, 509)";
    for (int f = 1; f < 4; ++f) {
        EXPECT_EQ(edge_seam(frames[size_t(f)], bg, 732, 509), "") << "frame " << f;
        EXPECT_GT(differing_pixels(frames[size_t(f)], bg, 732, 509), 10) << "frame " << f << " does not move the mouth";
    }
}

// Each clip spot shows something to click: many colours and real contrast.
TEST_F(DressSuite, ClipSpotsShowSomething)
{
    const Image bg = load_bmp(dir(*root_) + "BG.BMP");
    const struct {
        const char* what;
        Rect spot;
    } spots[] = {
        {"mat", {600, 330, 111, 56}},  {"drawer", {545, 285, 106, 31}}, {"parrot", {655, 200, 51, 121}},
        {"mice", {365, 120, 111, 31}}, {"rat", {525, 100, 81, 36}},
    };
    for (const auto& s : spots) {
        std::set<uint32_t> colours;
        double lo = 255, hi = 0;
        for (int y = s.spot.y; y < s.spot.y + s.spot.h; ++y)
            for (int x = s.spot.x; x < s.spot.x + s.spot.w; ++x) {
                colours.insert(bg.at(x, y));
                lo = std::min(lo, luminance(bg.at(x, y)));
                hi = std::max(hi, luminance(bg.at(x, y)));
            }
        EXPECT_GT(colours.size(), 60u) << s.what << " " << str(s.spot) << " is nearly flat";
        EXPECT_GT(hi - lo, 120) << s.what << " " << str(s.spot) << " has no contrast";
    }
}

// The print picture has the screen's layout: Bafo at (88, 114), every
// garment inside it at its offset + (88, 114), and it fits a page at 48 px per inch doubled.
TEST_F(DressSuite, PrintPictureHasTheScreensLayout)
{
    const Image print = load_bmp(dir(*root_) + "TISK_BFO.BMP");
    const Image bafo = load_bmp(dir(*root_) + "NAHYBAFO.BMP");
    ASSERT_GT(print.w, 0);
    EXPECT_LE(print.w, 352);
    EXPECT_LE(print.h, 480);
    for (const Category& c : kCategories) {
        const Image g = load_bmp(dir(*root_) + item(c, 1));
        const Rect r{c.x + kAtX, std::max(0, c.y + kAtY), g.w, g.h};
        EXPECT_TRUE(contains(Rect{0, 0, print.w, print.h}, r)) << item(c, 1) << " at " << str(r) << " leaves the print";
        for (auto [px, py] : c.covers)
            EXPECT_EQ(hex(print.at(kAtX + px, kAtY + py)), hex(bafo.at(px, py)))
                << "the print's Bafo is not the screen's at (" << px << ", " << py << ")";
    }
    EXPECT_EQ(hex(print.at(kAtX + 2, kAtY + 2)), "FFFFFF") << "Bafo stands on paper, not in the room";
}

}  // namespace

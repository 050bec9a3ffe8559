// The fifteen puzzle's frame pictures, checked the way the game uses them:
// lit icons copied as opaque rectangles at fixed points over BG, level icons
// swapped at one point, a mouth strip laid over the mascot, keyed pointers.
#include "check.h"
#include "datagen.h"

#include "image_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using datagen::Expect;

namespace {

using namespace datagen_test;

// The fifteen puzzle's layout, as the game screen has it.
const Rect kPicture = {80, 31, 640, 480};
const Rect kLabel = {365, 570, 71, 31};
const Rect kHot[6] = {{20, 545, 86, 46}, {180, 525, 71, 71}, {580, 520, 56, 81},
                      {735, 515, 66, 86}, {745, 5, 56, 86},  {0, 0, 66, 51}};
struct Lit {
    const char* file;
    int icon, x, y;
};
const Lit kLit[] = {{"ZPET.BMP", 0, 0, 515},    {"SLOZ_11.BMP", 1, 177, 515}, {"SLOZ_21.BMP", 1, 177, 515},
                    {"SLOZ_31.BMP", 1, 177, 515}, {"ZAMI.BMP", 2, 577, 515},  {"BAFO.BMP", 3, 732, 509},
                    {"HELP.BMP", 4, 744, 0},     {"NEJL.BMP", 5, 0, 0}};
constexpr int kMouthX = 732, kMouthY = 509;
constexpr uint32_t kKey = 0xFF00FF;

void generate(const fs::path& root)
{
    for (auto& g : datagen::all_generators())
        if (g.name == "frame15")
            g.run(root);
}

class FrameArtTest : public TreeSuite<generate> {
protected:
    static fs::path file(const std::string& name) { return *root_ / "BAFO_CS" / "15" / name; }
    static Image bmp(const std::string& name) { return load_bmp(file(name)); }

};


TEST_F(FrameArtTest, EveryFileIsThereWithItsSize)
{
    std::vector<Expect> all;
    for (auto& g : datagen::all_generators())
        if (g.name == "frame15")
            g.expect(all);
    const char* names[] = {"BG.BMP",      "ZPET.BMP",    "ZAMI.BMP",    "BAFO.BMP",   "HELP.BMP",   "NEJL.BMP",
                           "SLOZ_1.BMP",  "SLOZ_2.BMP",  "SLOZ_3.BMP",  "SLOZ_11.BMP", "SLOZ_21.BMP", "SLOZ_31.BMP",
                           "BAFO_ANI.BMP", "KURZOR.BMP", "RUKA.BMP"};
    for (const char* n : names) {
        const std::string path = std::string("BAFO_CS/15/") + n;
        const auto it = std::find_if(all.begin(), all.end(), [&](const Expect& e) { return e.path == path; });
        ASSERT_NE(it, all.end()) << path << " is not listed";
        EXPECT_GT(it->width, 0) << path << " is listed without its size";
    }
    for (const auto& problem : datagen::check_tree(*root_, all))
        ADD_FAILURE() << problem;
    Image bg = bmp("BG.BMP");
    EXPECT_EQ(bg.w, 800);
    EXPECT_EQ(bg.h, 600);
}

// The board always covers the picture area, so anything drawn there would be
// cut off in play; the label gets dark digits and must stay light under them.
TEST_F(FrameArtTest, PictureAreaIsPlainDarkAndTheLabelPlainLight)
{
    Image bg = bmp("BG.BMP");
    ASSERT_EQ(bg.w, 800);
    const uint32_t c = bg.at(kPicture.x, kPicture.y);
    EXPECT_LT(luminance(c), 60) << "picture area colour " << hex(c);
    int odd = 0;
    for (int y = kPicture.y; y < kPicture.y + kPicture.h; ++y)
        for (int x = kPicture.x; x < kPicture.x + kPicture.w; ++x)
            odd += bg.at(x, y) != c;
    EXPECT_EQ(odd, 0) << "pixels in the picture area that differ from " << hex(c);

    const Rect label = on_screen(kLabel);
    double lo = 255, hi = 0;
    for (int y = label.y; y < label.y + label.h; ++y)
        for (int x = label.x; x < label.x + label.w; ++x) {
            lo = std::min(lo, luminance(bg.at(x, y)));
            hi = std::max(hi, luminance(bg.at(x, y)));
        }
    EXPECT_GT(lo, 200) << "the label " << str(label) << " has dark pixels under the digits";
    EXPECT_LT(hi - lo, 30) << "the label " << str(label) << " is not plain";
}

TEST_F(FrameArtTest, LitIconsCoverTheirIconsAndMatchTheBackground)
{
    Image bg = bmp("BG.BMP");
    ASSERT_EQ(bg.w, 800);
    for (const Lit& l : kLit) {
        Image img = bmp(l.file);
        ASSERT_GT(img.w, 0) << l.file;
        const Rect r{l.x, l.y, img.w, img.h};
        SCOPED_TRACE(std::string(l.file) + " at " + str(r));
        ASSERT_TRUE(contains(Rect{0, 0, 800, 600}, r)) << "leaves the screen";
        const Rect hot = on_screen(kHot[l.icon]);
        EXPECT_TRUE(contains(r, hot)) << "does not cover hot area " << str(hot);
        EXPECT_EQ(edge_seam(img, bg, l.x, l.y), "") << "does not meet BG at its edge";
        EXPECT_GT(differing_pixels(img, bg, l.x, l.y, &hot), hot.w * hot.h / 4) << "hardly changes its icon";
        EXPECT_EQ(std::count(img.px.begin(), img.px.end(), kKey), 0) << "copied opaque, it must not hold key pixels";

        // Whatever it changes must stay off the picture, the label and every other icon.
        for (int y = 0; y < img.h; ++y)
            for (int x = 0; x < img.w; ++x) {
                if (img.at(x, y) == bg.at(l.x + x, l.y + y))
                    continue;
                const int sx = l.x + x, sy = l.y + y;
                ASSERT_FALSE(inside(kPicture, sx, sy)) << "paints into the picture at (" << sx << ", " << sy << ")";
                ASSERT_FALSE(inside(kLabel, sx, sy)) << "paints over the label at (" << sx << ", " << sy << ")";
                for (int j = 0; j < 6; ++j)
                    ASSERT_FALSE(j != l.icon && inside(kHot[j], sx, sy))
                        << "paints into icon " << j << "'s hot area at (" << sx << ", " << sy << ")";
            }
    }
}

// Changing the level swaps these six at one point over the others and over BG,
// in any order: each must cover the others whole and meet BG at the edge.
TEST_F(FrameArtTest, LevelIconsShareOneSizeAndStartFromBG)
{
    Image bg = bmp("BG.BMP");
    ASSERT_EQ(bg.w, 800);
    const char* names[] = {"SLOZ_1.BMP", "SLOZ_2.BMP", "SLOZ_3.BMP", "SLOZ_11.BMP", "SLOZ_21.BMP", "SLOZ_31.BMP"};
    std::vector<Image> icons;
    for (const char* n : names)
        icons.push_back(bmp(n));
    ASSERT_GT(icons[0].w, 0);
    for (size_t i = 0; i < icons.size(); ++i) {
        EXPECT_EQ(icons[i].w, icons[0].w) << names[i];
        EXPECT_EQ(icons[i].h, icons[0].h) << names[i];
    }
    for (const Image& img : icons)
        if (img.w != icons[0].w || img.h != icons[0].h)
            return;
    EXPECT_EQ(differing_pixels(icons[0], bg, 177, 515), 0) << "SLOZ_1 must be BG's own pixels at (177, 515)";
    const Rect hot = kHot[1];
    for (size_t i = 0; i < icons.size(); ++i) {
        EXPECT_EQ(edge_seam(icons[i], bg, 177, 515), "") << names[i];
        for (size_t j = 0; j < i; ++j)
            EXPECT_GT(differing_pixels(icons[i], icons[j], 0, 0), hot.w * hot.h / 20)
                << names[i] << " looks like " << names[j];
    }
}

TEST_F(FrameArtTest, MouthStripMovesOnlyTheMouth)
{
    Image bg = bmp("BG.BMP");
    Image strip = bmp("BAFO_ANI.BMP");
    ASSERT_EQ(bg.w, 800);
    ASSERT_EQ(strip.w % 4, 0) << "strip " << strip.w << " px wide does not hold 4 equal frames";
    const int fw = strip.w / 4, fh = strip.h;
    ASSERT_LE(kMouthX + fw, 800) << "frame " << fw << "x" << fh;
    ASSERT_LE(kMouthY + fh, 600) << "frame " << fw << "x" << fh;
    EXPECT_TRUE(contains(Rect{kMouthX, kMouthY, fw, fh}, on_screen(kHot[3]))) << "frame " << fw << "x" << fh;

    auto frame = [&](int f) {
        Image img{fw, fh, {}};
        for (int y = 0; y < fh; ++y)
            for (int x = 0; x < fw; ++x)
                img.px.push_back(strip.at(f * fw + x, y));
        return img;
    };
    EXPECT_EQ(differing_pixels(frame(0), bg, kMouthX, kMouthY), 0) << "frame 0 must be BG itself";
    for (int f = 1; f < 4; ++f) {
        Image img = frame(f);
        int x0 = fw, y0 = fh, x1 = -1, y1 = -1, n = 0;
        for (int y = 0; y < fh; ++y)
            for (int x = 0; x < fw; ++x)
                if (img.at(x, y) != bg.at(kMouthX + x, kMouthY + y)) {
                    x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
                    ++n;
                }
        EXPECT_GT(n, 10) << "frame " << f << " shows no open mouth";
        EXPECT_LE(x1 - x0, 20) << "frame " << f << " changes more than the mouth: x " << x0 << ".." << x1;
        EXPECT_LE(y1 - y0, 16) << "frame " << f << " changes more than the mouth: y " << y0 << ".." << y1;
        for (int g = 1; g < f; ++g)
            EXPECT_GT(differing_pixels(img, frame(g), 0, 0), 5) << "frames " << g << " and " << f << " are alike";
    }
}

TEST_F(FrameArtTest, PointersAreKeyedWithoutAPinkFringe)
{
    const struct {
        const char* file;
        int hot_x, hot_y;
    } pointers[] = {{"KURZOR.BMP", 2, 2}, {"RUKA.BMP", 8, 1}};
    for (const auto& p : pointers) {
        Image img = bmp(p.file);
        SCOPED_TRACE(p.file);
        ASSERT_EQ(img.w, 32);
        ASSERT_EQ(img.h, 32);
        EXPECT_EQ(img.at(0, 0), kKey) << "the key colour is taken from pixel (0, 0)";
        EXPECT_NE(img.at(p.hot_x, p.hot_y), kKey) << "the hot spot (" << p.hot_x << ", " << p.hot_y << ") is see-through";
        int keyed = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const uint32_t c = img.at(x, y);
                if (c == kKey) {
                    ++keyed;
                    continue;
                }
                const int dr = 0xFF - int(c >> 16), dg = int((c >> 8) & 0xFF), db = 0xFF - int(c & 0xFF);
                EXPECT_GT(std::max({dr, dg, db}), 60) << "pixel (" << x << ", " << y << ") " << hex(c) << " is almost key";
            }
        EXPECT_GT(keyed, 32 * 32 / 4) << "the pointer is a solid block";
        EXPECT_LT(keyed, 32 * 32 * 9 / 10) << "the pointer is almost empty";
    }
}

TEST_F(FrameArtTest, TwoRunsWriteTheSameBytes)
{
    const fs::path again = *root_ / "again";
    generate(again);
    int compared = 0;
    for (const auto& e : fs::directory_iterator(*root_ / "BAFO_CS" / "15")) {
        const fs::path rel = fs::relative(e.path(), *root_);
        EXPECT_TRUE(slurp(e.path()) == slurp(again / rel)) << rel << " differs between runs";
        ++compared;
    }
    EXPECT_EQ(compared, 15);
    fs::remove_all(again);
}

}  // namespace

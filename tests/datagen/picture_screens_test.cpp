// The jigsaw's and the falling blocks' screens, checked the way the games use
// them: lit icons copied as opaque rectangles at fixed points over BG, level
// icons swapped at one point, the mouth strip laid over Bafo, the picture (or
// the field and the preview) painted over BG, and the time written dark on
// the plate.
#include "check.h"
#include "datagen.h"

#include "image_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using datagen::Expect;

namespace {

using namespace datagen_test;

// The part of a hot area a picture painted at (x, y) can reach: on the screen,
// right of and below its point. The falling blocks' best results and Bafo
// begin two pixels left of their pictures' points.
Rect reachable(const Rect& hot, int x, int y)
{
    const int x0 = std::max({0, hot.x, x}), y0 = std::max({0, hot.y, y});
    return Rect{x0, y0, std::min(800, hot.x + hot.w) - x0, std::min(600, hot.y + hot.h) - y0};
}

struct Lit {
    const char* file;
    Rect hot;
    int x, y;
};

struct Screen {
    const char* generator;
    const char* dir;
    std::vector<Lit> lit;
    std::vector<Rect> painted;   // what the game paints over BG
    Rect label;
    int level_x, level_y, mouth_x, mouth_y;
    std::vector<const char*> also;  // files besides BG, the lit, level and mouth pictures
};

const Screen kScreens[] = {
    {"puzzle",
     "PUZZLE",
     {{"ZPET.BMP", {15, 545, 91, 46}, 0, 515},
      {"SLOZ_11.BMP", {180, 525, 66, 71}, 177, 515},
      {"SLOZ_21.BMP", {180, 525, 66, 71}, 177, 515},
      {"SLOZ_31.BMP", {180, 525, 66, 71}, 177, 515},
      {"ZAMI.BMP", {580, 520, 56, 76}, 577, 515},
      {"BAFO.BMP", {735, 515, 66, 86}, 732, 509},
      {"HELP.BMP", {745, 5, 56, 81}, 744, 0},
      {"NEJL.BMP", {0, 0, 66, 51}, 0, 0}},
     {{80, 31, 640, 480}},
     {366, 570, 71, 36},
     177, 515, 732, 509,
     {"KURZOR.BMP", "RUKA.BMP"}},
    {"tetris",
     "TETRIS",
     {{"ZPET.BMP", {20, 545, 86, 46}, 0, 515},
      {"SLOZ_11.BMP", {180, 525, 71, 71}, 177, 509},
      {"SLOZ_21.BMP", {180, 525, 71, 71}, 177, 509},
      {"SLOZ_31.BMP", {180, 525, 71, 71}, 177, 509},
      {"NEJL.BMP", {575, 535, 71, 61}, 577, 515},
      {"BAFO.BMP", {730, 515, 71, 86}, 732, 509}},
     {{332, 29, 432, 480}, {34, 171, 260, 195}},
     {371, 570, 71, 36},
     177, 509, 732, 509,
     {}},
};

const char* const kLevelFiles[] = {"SLOZ_1.BMP", "SLOZ_2.BMP", "SLOZ_3.BMP", "SLOZ_11.BMP", "SLOZ_21.BMP", "SLOZ_31.BMP"};

void generate(const fs::path& root)
{
    for (auto& g : datagen::all_generators())
        if (g.name == "puzzle" || g.name == "tetris")
            g.run(root);
}

class PictureScreensTest : public TreeSuite<generate> {
protected:
    static Image bmp(const Screen& s, const std::string& name) { return load_bmp(*root_ / "BAFO_CS" / s.dir / name); }

};


TEST_F(PictureScreensTest, EveryFileIsListedOnceWithItsSize)
{
    for (const Screen& s : kScreens) {
        std::vector<Expect> listed;
        for (auto& g : datagen::all_generators())
            if (g.name == s.generator)
                g.expect(listed);
        std::vector<std::string> names = {"BG.BMP", "BAFO_ANI.BMP"};
        for (const Lit& l : s.lit)
            names.push_back(l.file);
        names.insert(names.end(), std::begin(kLevelFiles), std::end(kLevelFiles));
        names.insert(names.end(), s.also.begin(), s.also.end());
        std::sort(names.begin(), names.end());
        names.erase(std::unique(names.begin(), names.end()), names.end());
        EXPECT_EQ(listed.size(), names.size()) << s.dir;
        for (const std::string& n : names) {
            const std::string path = std::string("BAFO_CS/") + s.dir + "/" + n;
            const auto found = std::count_if(listed.begin(), listed.end(),
                                             [&](const Expect& e) { return e.path == path && e.width > 0; });
            EXPECT_EQ(found, 1) << path << " must be listed once, with its size";
        }
        for (const auto& problem : datagen::check_tree(*root_, listed))
            ADD_FAILURE() << problem;
    }
}

TEST_F(PictureScreensTest, LitIconsCoverTheirHotAreasAndStayOffEverythingElse)
{
    for (const Screen& s : kScreens) {
        Image bg = bmp(s, "BG.BMP");
        ASSERT_EQ(bg.w, 800) << s.dir;
        for (const Lit& l : s.lit) {
            Image img = bmp(s, l.file);
            ASSERT_GT(img.w, 0) << s.dir << "/" << l.file;
            const Rect r{l.x, l.y, img.w, img.h};
            SCOPED_TRACE(std::string(s.dir) + "/" + l.file + " at " + str(r));
            ASSERT_TRUE(contains(Rect{0, 0, 800, 600}, r)) << "leaves the screen";
            const Rect hot = reachable(l.hot, l.x, l.y);
            EXPECT_TRUE(contains(r, hot)) << "does not cover hot area " << str(l.hot);
            EXPECT_GT(differing_pixels(img, bg, l.x, l.y, &hot), hot.w * hot.h / 4) << "hardly changes its icon";
            for (int y = 0; y < img.h; ++y)
                for (int x = 0; x < img.w; ++x) {
                    const int sx = l.x + x, sy = l.y + y;
                    const bool edge = x == 0 || y == 0 || x == img.w - 1 || y == img.h - 1;
                    if (img.at(x, y) == bg.at(sx, sy))
                        continue;
                    ASSERT_FALSE(edge) << "does not meet BG at its edge at (" << sx << ", " << sy << ")";
                    ASSERT_FALSE(inside(s.label, sx, sy)) << "paints over the label at (" << sx << ", " << sy << ")";
                    for (const Rect& p : s.painted)
                        ASSERT_FALSE(inside(p, sx, sy)) << "paints under " << str(p) << " at (" << sx << ", " << sy << ")";
                    for (const Lit& o : s.lit)
                        ASSERT_FALSE(o.x != l.x && inside(o.hot, sx, sy))
                            << "paints into " << o.file << "'s hot area at (" << sx << ", " << sy << ")";
                }
        }
    }
}

// Changing the level swaps these six at one point, over each other and over
// BG, in any order: one size, each its own look, the first BG's own pixels.
TEST_F(PictureScreensTest, LevelIconsDifferAndStartFromBG)
{
    for (const Screen& s : kScreens) {
        Image bg = bmp(s, "BG.BMP");
        ASSERT_EQ(bg.w, 800) << s.dir;
        std::vector<Image> icons;
        for (const char* n : kLevelFiles)
            icons.push_back(bmp(s, n));
        for (size_t i = 0; i < icons.size(); ++i)
            ASSERT_TRUE(icons[i].w == icons[0].w && icons[i].h == icons[0].h && icons[0].w > 0)
                << s.dir << "/" << kLevelFiles[i] << " is " << icons[i].w << "x" << icons[i].h;
        EXPECT_EQ(differing_pixels(icons[0], bg, s.level_x, s.level_y), 0)
            << s.dir << "/SLOZ_1.BMP must be BG's own pixels at (" << s.level_x << ", " << s.level_y << ")";
        for (size_t i = 1; i < icons.size(); ++i)
            for (size_t j = 0; j < i; ++j)
                EXPECT_GT(differing_pixels(icons[i], icons[j], 0, 0), 200) << s.dir << "/" << kLevelFiles[i] << " looks like "
                                                                          << kLevelFiles[j];
    }
}

TEST_F(PictureScreensTest, MouthStripMovesOnlyTheMouth)
{
    for (const Screen& s : kScreens) {
        Image bg = bmp(s, "BG.BMP");
        Image strip = bmp(s, "BAFO_ANI.BMP");
        ASSERT_EQ(bg.w, 800) << s.dir;
        ASSERT_EQ(strip.w % 4, 0) << s.dir << ": strip " << strip.w << " px wide does not hold 4 equal frames";
        const int fw = strip.w / 4, fh = strip.h;
        ASSERT_TRUE(contains(Rect{0, 0, 800, 600}, Rect{s.mouth_x, s.mouth_y, fw, fh})) << s.dir << ": frame " << fw << "x" << fh;
        const std::vector<Image> frames = strip_frames(strip, 4);
        EXPECT_EQ(differing_pixels(frames[0], bg, s.mouth_x, s.mouth_y), 0) << s.dir << ": frame 0 must be BG itself";
        for (int f = 1; f < 4; ++f) {
            int x0 = fw, y0 = fh, x1 = -1, y1 = -1, n = 0;
            for (int y = 0; y < fh; ++y)
                for (int x = 0; x < fw; ++x)
                    if (frames[size_t(f)].at(x, y) != bg.at(s.mouth_x + x, s.mouth_y + y)) {
                        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
                        ++n;
                    }
            EXPECT_GT(n, 10) << s.dir << ": frame " << f << " shows no open mouth";
            EXPECT_TRUE(x1 - x0 <= 20 && y1 - y0 <= 16)
                << s.dir << ": frame " << f << " changes more than the mouth: " << x0 << ".." << x1 << ", " << y0 << ".." << y1;
            for (int g = 1; g < f; ++g)
                EXPECT_GT(differing_pixels(frames[size_t(f)], frames[size_t(g)], 0, 0), 5)
                    << s.dir << ": frames " << g << " and " << f << " are alike";
        }
    }
}

// Under what the game paints, BG is one colour, so nothing of the frame is cut
// off there; a little way outside (past a dark line as dark as the picture
// area can be), BG stands out from it.
TEST_F(PictureScreensTest, WhatTheGamePaintsLiesPlainAndStandsOut)
{
    for (const Screen& s : kScreens) {
        Image bg = bmp(s, "BG.BMP");
        ASSERT_EQ(bg.w, 800) << s.dir;
        for (const Rect& p : s.painted) {
            const uint32_t c = bg.at(p.x, p.y);
            int odd = 0, framed = 0, ring = 0;
            const Rect line{p.x - 2, p.y - 2, p.w + 4, p.h + 4};
            for (int y = p.y - 6; y < p.y + p.h + 6; ++y)
                for (int x = p.x - 6; x < p.x + p.w + 6; ++x) {
                    if (inside(p, x, y)) {
                        odd += bg.at(x, y) != c;
                    } else if (!inside(line, x, y) && inside(Rect{0, 0, 800, 600}, x, y)) {
                        ++ring;
                        framed += distance(bg.at(x, y), c) > 40;
                    }
                }
            EXPECT_EQ(odd, 0) << s.dir << ": pixels under " << str(p) << " that differ from " << hex(c);
            EXPECT_GT(framed, ring * 9 / 10) << s.dir << ": " << str(p) << " does not stand out from what is round it";
        }
    }
}

TEST_F(PictureScreensTest, TheTimeLabelIsPlainAndLight)
{
    for (const Screen& s : kScreens) {
        Image bg = bmp(s, "BG.BMP");
        ASSERT_EQ(bg.w, 800) << s.dir;
        double lo = 255, hi = 0;
        for (int y = s.label.y; y < std::min(600, s.label.y + s.label.h); ++y)
            for (int x = s.label.x; x < s.label.x + s.label.w; ++x) {
                lo = std::min(lo, luminance(bg.at(x, y)));
                hi = std::max(hi, luminance(bg.at(x, y)));
            }
        EXPECT_GT(lo, 200) << s.dir << ": the label " << str(s.label) << " has dark pixels under the digits";
        EXPECT_LT(hi - lo, 30) << s.dir << ": the label " << str(s.label) << " is not plain";
    }
}

TEST_F(PictureScreensTest, TwoRunsWriteTheSameBytes)
{
    const fs::path again = *root_ / "again";
    generate(again);
    for (const Screen& s : kScreens) {
        int compared = 0;
        for (const auto& e : fs::directory_iterator(*root_ / "BAFO_CS" / s.dir)) {
            const fs::path rel = fs::relative(e.path(), *root_);
            EXPECT_TRUE(slurp(e.path()) == slurp(again / rel)) << rel << " differs between runs";
            ++compared;
        }
        EXPECT_GT(compared, 10) << s.dir;
    }
    fs::remove_all(again);
}

}  // namespace

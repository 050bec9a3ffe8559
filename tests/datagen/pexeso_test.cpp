// The memory game's screen, checked the way the game uses it: cards dealt over
// BG at every level and erased by copying BG back, lit icons copied as opaque
// rectangles at fixed points, level icons swapped at one point, the mouth strip
// laid over Bafo, and the count of turns written dark on the plate.
#include "check.h"
#include "datagen.h"

#include "image_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using datagen::Expect;

namespace {

using namespace datagen_test;

// The game's layout.
constexpr int kCardW = 118, kCardH = 116;
Rect card_rect(int level, int row, int col)
{
    const int left[] = {165, 106, 45};
    return Rect{left[level - 1] + col * (kCardW + 2), 58 + row * (kCardH + 1), kCardW, kCardH};
}
int columns(int level) { return level + 3; }
const Rect kCards = {45, 58, 718, 467};  // the widest grid, level 3
const Rect kLabel = {375, 25, 50, 30};
const Rect kBackBoard = {0, 515, 124, 85};
const Rect kHot[6] = {{15, 545, 87, 52}, {245, 540, 72, 57}, {515, 515, 57, 82},
                      {740, 515, 57, 82}, {745, 10, 57, 77}, {5, 0, 62, 57}};
struct Lit {
    const char* file;
    int icon, x, y;
    bool off_cards;  // changes nothing where cards lie
};
// The back board's lit look is the set chooser's, shared byte for byte; its
// glow touches the last row's bottom edge, which the chooser does not have.
const Lit kLit[] = {{"ZPET.BMP", 0, 0, 515, false},   {"SLOZ_11.BMP", 1, 243, 509, true},
                    {"SLOZ_21.BMP", 1, 243, 509, true}, {"SLOZ_31.BMP", 1, 243, 509, true},
                    {"ZAMI.BMP", 2, 512, 515, true},    {"BAFO.BMP", 3, 732, 509, true},
                    {"HELP.BMP", 4, 744, 0, true},      {"NEJL.BMP", 5, 0, 0, true}};
constexpr int kLevelX = 243, kLevelY = 509;
constexpr int kMouthX = 732, kMouthY = 509;
constexpr uint32_t kKey = 0xFF00FF;

void generate(const fs::path& root)
{
    for (auto& g : datagen::all_generators())
        if (g.name == "pexeso" || g.name == "pexeso_sel")
            g.run(root);
}

class PexesoArtTest : public TreeSuite<generate> {
protected:
    static Image bmp(const std::string& name) { return load_bmp(*root_ / "BAFO_CS" / "PEXESO" / name); }

};


TEST_F(PexesoArtTest, EveryFileIsThereWithItsSize)
{
    std::vector<Expect> all;
    for (auto& g : datagen::all_generators())
        if (g.name == "pexeso" || g.name == "pexeso_sel")
            g.expect(all);
    const char* names[] = {"BG.BMP",      "ZPET.BMP",    "ZAMI.BMP",    "BAFO.BMP",    "HELP.BMP",
                           "NEJL.BMP",    "SLOZ_1.BMP",  "SLOZ_2.BMP",  "SLOZ_3.BMP",  "SLOZ_11.BMP",
                           "SLOZ_21.BMP", "SLOZ_31.BMP", "BAFO_ANI.BMP", "KURZOR.BMP", "RUKA.BMP"};
    for (const char* n : names) {
        const std::string path = std::string("BAFO_CS/PEXESO/") + n;
        const auto found = std::count_if(all.begin(), all.end(), [&](const Expect& e) { return e.path == path; });
        EXPECT_EQ(found, 1) << path << " must be listed once";
    }
    for (const auto& problem : datagen::check_tree(*root_, all))
        ADD_FAILURE() << problem;
    Image bg = bmp("BG.BMP");
    EXPECT_EQ(bg.w, 800);
    EXPECT_EQ(bg.h, 600);
}

TEST_F(PexesoArtTest, LitIconsCoverTheirHotAreasAndIcons)
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

        // An icon (lit, or the normal one on BG) that ran out of the picture would
        // show as a strong change just inside the edge; the screen's own edges do not count.
        for (int y = 1; y < img.h - 1; ++y)
            for (int x = 1; x < img.w - 1; ++x) {
                const int sx = l.x + x, sy = l.y + y;
                const bool rim = (x == 1 && sx > 1) || (y == 1 && sy > 1) || (x == img.w - 2 && sx < 798) ||
                                 (y == img.h - 2 && sy < 598);
                if (rim) {
                    ASSERT_LE(distance(img.at(x, y), bg.at(sx, sy)), 50)
                        << "an icon runs out of the picture at (" << sx << ", " << sy << ")";
                }
            }

        // Whatever it changes stays off the label, every other icon and, for our
        // own, the place where the cards lie.
        for (int y = 0; y < img.h; ++y)
            for (int x = 0; x < img.w; ++x) {
                if (img.at(x, y) == bg.at(l.x + x, l.y + y))
                    continue;
                const int sx = l.x + x, sy = l.y + y;
                ASSERT_FALSE(inside(kLabel, sx, sy)) << "paints over the label at (" << sx << ", " << sy << ")";
                ASSERT_FALSE(l.off_cards && inside(kCards, sx, sy)) << "paints where cards lie at (" << sx << ", " << sy << ")";
                for (int j = 0; j < 6; ++j)
                    ASSERT_FALSE(j != l.icon && inside(kHot[j], sx, sy))
                        << "paints into icon " << j << "'s hot area at (" << sx << ", " << sy << ")";
            }
    }
}

// Changing the level swaps these six at one point over the others and over BG,
// in any order: each must cover the others whole and meet BG at the edge.
TEST_F(PexesoArtTest, LevelIconsShareOneSizeDifferAndStartFromBG)
{
    Image bg = bmp("BG.BMP");
    ASSERT_EQ(bg.w, 800);
    const char* names[] = {"SLOZ_1.BMP", "SLOZ_2.BMP", "SLOZ_3.BMP", "SLOZ_11.BMP", "SLOZ_21.BMP", "SLOZ_31.BMP"};
    std::vector<Image> icons;
    for (const char* n : names)
        icons.push_back(bmp(n));
    for (size_t i = 0; i < icons.size(); ++i)
        ASSERT_TRUE(icons[i].w == icons[0].w && icons[i].h == icons[0].h && icons[0].w > 0)
            << names[i] << " is " << icons[i].w << "x" << icons[i].h << ", SLOZ_1 " << icons[0].w << "x" << icons[0].h;
    EXPECT_EQ(differing_pixels(icons[0], bg, kLevelX, kLevelY), 0) << "SLOZ_1 must be BG's own pixels at (243, 509)";
    const Rect hot = kHot[1];
    for (size_t i = 0; i < icons.size(); ++i) {
        EXPECT_EQ(edge_seam(icons[i], bg, kLevelX, kLevelY), "") << names[i];
        EXPECT_EQ(differing_pixels(icons[i], bg, kLevelX, kLevelY, &kCards), 0) << names[i] << " paints where cards lie";
        for (size_t j = 0; j < i; ++j)
            EXPECT_GT(differing_pixels(icons[i], icons[j], 0, 0), hot.w * hot.h / 20)
                << names[i] << " looks like " << names[j];
    }
}

TEST_F(PexesoArtTest, MouthStripMovesOnlyTheMouth)
{
    Image bg = bmp("BG.BMP");
    Image strip = bmp("BAFO_ANI.BMP");
    ASSERT_EQ(bg.w, 800);
    ASSERT_EQ(strip.w % 4, 0) << "strip " << strip.w << " px wide does not hold 4 equal frames";
    const int fw = strip.w / 4, fh = strip.h;
    ASSERT_TRUE(contains(Rect{0, 0, 800, 600}, Rect{kMouthX, kMouthY, fw, fh})) << "frame " << fw << "x" << fh;

    auto frame = [&](int f) {
        Image img{fw, fh, {}};
        for (int y = 0; y < fh; ++y)
            for (int x = 0; x < fw; ++x)
                img.px.push_back(strip.at(f * fw + x, y));
        return img;
    };
    EXPECT_EQ(differing_pixels(frame(0), bg, kMouthX, kMouthY), 0) << "frame 0 must be BG itself at (732, 509)";
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

// Dealt, every card must stand out from the table under it (its rim against
// what it covers), and the table must be calm, at every level, for the back
// and for every face of every set.
TEST_F(PexesoArtTest, CardsStandOutFromACalmTable)
{
    Image bg = bmp("BG.BMP");
    ASSERT_EQ(bg.w, 800);
    std::vector<std::pair<std::string, Image>> cards = {{"BACK.BMP", bmp("BACK.BMP")}};
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= 14; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "%d/%02d.BMP", s, i);
            cards.emplace_back(name, bmp(name));
        }
    for (const auto& [name, img] : cards)
        ASSERT_TRUE(img.w == kCardW && img.h == kCardH) << name << " is " << img.w << "x" << img.h;

    for (int level = 1; level <= 3; ++level)
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < columns(level); ++col) {
                const Rect r = card_rect(level, row, col);
                SCOPED_TRACE("level " + std::to_string(level) + ", card at " + str(r));
                ASSERT_TRUE(contains(kCards, r));

                // The back board, shared with the set chooser, reaches under the last row's first card.
                std::vector<double> lum;
                for (int y = 0; y < r.h; ++y)
                    for (int x = 0; x < r.w; ++x)
                        if (!inside(kBackBoard, r.x + x, r.y + y))
                            lum.push_back(luminance(bg.at(r.x + x, r.y + y)));
                std::vector<double> sorted = lum;
                std::nth_element(sorted.begin(), sorted.begin() + long(sorted.size() / 2), sorted.end());
                const double median = sorted[sorted.size() / 2];
                const auto busy = std::count_if(lum.begin(), lum.end(), [&](double v) { return std::abs(v - median) > 20; });
                EXPECT_LT(double(busy) / double(lum.size()), 0.03) << busy << " pixels of the table under it stand out";

                // Mean colour distance to the table under it: over the rim (the
                // card's edge shows) and over the whole card (it does not look washed out).
                for (const auto& [name, img] : cards) {
                    double rim = 0, all = 0;
                    int n = 0;
                    for (int y = 0; y < r.h; ++y)
                        for (int x = 0; x < r.w; ++x) {
                            const double d = distance(img.at(x, y), bg.at(r.x + x, r.y + y));
                            all += d;
                            if (std::min({x, y, r.w - 1 - x, r.h - 1 - y}) < 3) {
                                rim += d;
                                ++n;
                            }
                        }
                    ASSERT_GE(rim / n, 100) << name << "'s rim is too close to the table's colour";
                    ASSERT_GE(all / (r.w * r.h), 130) << name << " is too close to the table's colour";
                }
            }
}

// The game writes the count of turns in dark round digits into the label.
TEST_F(PexesoArtTest, TheCountOfTurnsHasAPlainLightPlate)
{
    Image bg = bmp("BG.BMP");
    ASSERT_EQ(bg.w, 800);
    double lo = 255, hi = 0;
    uint32_t darkest = 0xFFFFFF;
    for (int y = kLabel.y; y < kLabel.y + kLabel.h; ++y)
        for (int x = kLabel.x; x < kLabel.x + kLabel.w; ++x) {
            const double l = luminance(bg.at(x, y));
            if (l < lo)
                darkest = bg.at(x, y);
            lo = std::min(lo, l);
            hi = std::max(hi, l);
        }
    EXPECT_GT(lo, 200) << "the label " << str(kLabel) << " has dark pixels under the digits, " << hex(darkest);
    EXPECT_LT(hi - lo, 30) << "the label " << str(kLabel) << " is not plain";
}

TEST_F(PexesoArtTest, TwoRunsWriteTheSameBytes)
{
    const fs::path again = *root_ / "again";
    generate(again);
    int compared = 0;
    for (const auto& e : fs::directory_iterator(*root_ / "BAFO_CS" / "PEXESO")) {
        if (!e.is_regular_file())
            continue;
        const fs::path rel = fs::relative(e.path(), *root_);
        EXPECT_TRUE(slurp(e.path()) == slurp(again / rel)) << rel << " differs between runs";
        ++compared;
    }
    EXPECT_EQ(compared, 16);
    fs::remove_all(again);
}

}  // namespace

// The results table's pictures, checked the way the screen uses them: a board
// keyed by its pixel (0, 0) over the game, text written into its rows, and the
// lit cakes and button copied opaque over it at fixed points.
#include "check.h"
#include "datagen.h"

#include "image_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

constexpr int kPanelW = 514, kPanelH = 415;
constexpr uint32_t kKey = 0xFF00FF;
const char* const kGames[] = {"PUZ", "15", "KOS", "COL", "TET", "PEX"};

// The screen's layout: text rows, hot areas, and where the lit pictures go.
Rect name_row(int i) { return Rect{59, 113 + 35 * i, 360, 33}; }
Rect number_row(int i) { return Rect{421, 113 + 35 * i, 69, 33}; }
struct Lit {
    const char* file;
    int x, y;
    Rect hot;
};
const Lit kLit[] = {{"TAB_D1.BMP", 166, 20, {170, 25, 46, 66}},
                    {"TAB_D2.BMP", 231, 20, {235, 25, 46, 66}},
                    {"TAB_D3.BMP", 297, 20, {300, 25, 46, 66}},
                    {"TAB_ZPE0.BMP", 457, 20, {460, 25, 26, 26}},
                    {"TAB_ZPE1.BMP", 457, 20, {460, 25, 26, 26}}};

void generate(const fs::path& root)
{
    for (auto& g : datagen::all_generators())
        if (g.name == "table")
            g.run(root);
}

class TableArtTest : public TreeSuite<generate> {
protected:
    static fs::path file(const std::string& name) { return *root_ / "BAFO_CS" / "TABULKA" / name; }
    static Image bmp(const std::string& name) { return load_bmp(file(name)); }
    static Image panel(const std::string& key) { return bmp("TAB_" + key + ".BMP"); }

};


TEST_F(TableArtTest, EveryFileIsThereWithItsSize)
{
    std::vector<Expect> all;
    for (auto& g : datagen::all_generators())
        if (g.name == "table")
            g.expect(all);
    std::vector<std::string> names;
    for (const auto& e : all)
        names.push_back(e.path);
    for (const char* key : kGames)
        EXPECT_NE(std::find(names.begin(), names.end(), std::string("BAFO_CS/TABULKA/TAB_") + key + ".BMP"),
                  names.end())
            << "no board listed for game " << key;
    for (const Lit& l : kLit)
        EXPECT_NE(std::find(names.begin(), names.end(), std::string("BAFO_CS/TABULKA/") + l.file), names.end())
            << l.file << " is not listed";
    for (const auto& e : all)
        if (e.path.find("TAB_D") == std::string::npos && e.path.find("ZPE") == std::string::npos) {
            EXPECT_EQ(e.width, kPanelW) << e.path;
            EXPECT_EQ(e.height, kPanelH) << e.path;
        }
    for (const auto& problem : datagen::check_tree(*root_, all))
        ADD_FAILURE() << problem;
}

TEST_F(TableArtTest, BoardsAreKeyedWithoutAPinkFringe)
{
    for (const char* key : kGames) {
        Image p = panel(key);
        ASSERT_EQ(p.w, kPanelW) << key;
        ASSERT_EQ(p.h, kPanelH) << key;
        SCOPED_TRACE(std::string("TAB_") + key);
        EXPECT_EQ(p.at(0, 0), kKey) << "the key colour is taken from pixel (0, 0)";
        int keyed = 0, fringe = 0;
        std::string first_fringe;
        for (int y = 0; y < p.h; ++y)
            for (int x = 0; x < p.w; ++x) {
                const uint32_t c = p.at(x, y);
                if (c == kKey) {
                    ++keyed;
                    continue;
                }
                // Anything close to the key shows as a pink rim over the game.
                const int dr = 0xFF - int(c >> 16), dg = int((c >> 8) & 0xFF), db = 0xFF - int(c & 0xFF);
                if (std::max({dr, dg, db}) <= 60 && !fringe++)
                    first_fringe = "(" + std::to_string(x) + ", " + std::to_string(y) + ") " + hex(c);
            }
        EXPECT_EQ(fringe, 0) << "pixels almost the key colour, first " << first_fringe;
        // The rounded corners at least are see-through; a board keyed nowhere else is a plain box.
        EXPECT_GT(keyed, 4 * 100) << "only " << keyed << " key pixels";
        EXPECT_LT(keyed, p.w * p.h / 10) << keyed << " key pixels: the board is mostly see-through";
        for (int i = 0; i < 8; ++i)
            for (const Rect& r : {name_row(i), number_row(i)}) {
                int holes = 0;
                for (int y = r.y; y < r.y + r.h; ++y)
                    for (int x = r.x; x < r.x + r.w; ++x)
                        holes += p.at(x, y) == kKey;
                EXPECT_EQ(holes, 0) << "row " << i + 1 << " " << str(r) << " is see-through in " << holes << " pixels";
            }
    }
}

// Dark round text goes into these cells: they must be light and quiet.
TEST_F(TableArtTest, RowsAreLightAndPlain)
{
    for (const char* key : kGames) {
        Image p = panel(key);
        ASSERT_EQ(p.w, kPanelW) << key;
        for (int i = 0; i < 8; ++i)
            for (const Rect& r : {name_row(i), number_row(i)}) {
                double sum = 0, sq = 0, darkest = 255;
                for (int y = r.y; y < r.y + r.h; ++y)
                    for (int x = r.x; x < r.x + r.w; ++x) {
                        const double l = luminance(p.at(x, y));
                        sum += l;
                        sq += l * l;
                        darkest = std::min(darkest, l);
                    }
                const double n = double(r.w) * r.h;
                const double mean = sum / n, sd = std::sqrt(std::max(0.0, sq / n - mean * mean));
                SCOPED_TRACE(std::string("TAB_") + key + " row " + std::to_string(i + 1) + " " + str(r));
                EXPECT_GE(mean, 225) << "too dark for dark text";
                EXPECT_LE(sd, 15) << "too busy behind text";
                EXPECT_GE(darkest, 150) << "something dark inside the cell";
            }
    }
}

// One set of lit cakes and buttons serves every board.
TEST_F(TableArtTest, CakesAndButtonLookTheSameOnEveryBoard)
{
    Image first = panel(kGames[0]);
    ASSERT_EQ(first.w, kPanelW);
    for (const char* key : kGames) {
        Image p = panel(key);
        ASSERT_EQ(p.w, kPanelW) << key;
        for (const Lit& l : kLit) {
            Image lit = bmp(l.file);
            ASSERT_GT(lit.w, 0) << l.file;
            int differ = 0;
            for (int y = l.y; y < l.y + lit.h; ++y)
                for (int x = l.x; x < l.x + lit.w; ++x)
                    differ += p.at(x, y) != first.at(x, y);
            EXPECT_EQ(differ, 0) << "TAB_" << key << " differs from TAB_" << kGames[0] << " in " << differ
                                 << " pixels under " << l.file;
        }
    }
}

TEST_F(TableArtTest, LitPicturesFitTheirPlaces)
{
    Image p = panel(kGames[0]);
    ASSERT_EQ(p.w, kPanelW);
    for (const Lit& l : kLit) {
        Image img = bmp(l.file);
        ASSERT_GT(img.w, 0) << l.file;
        SCOPED_TRACE(std::string(l.file) + " " + std::to_string(img.w) + "x" + std::to_string(img.h) + " at (" +
                     std::to_string(l.x) + ", " + std::to_string(l.y) + ")");
        ASSERT_LE(l.x + img.w, p.w) << "sticks out of the board";
        ASSERT_LE(l.y + img.h, p.h) << "sticks out of the board";
        EXPECT_TRUE(l.x <= l.hot.x && l.y <= l.hot.y && l.x + img.w >= l.hot.x + l.hot.w &&
                    l.y + img.h >= l.hot.y + l.hot.h)
            << "does not cover hot area " << str(l.hot);
        EXPECT_EQ(std::count(img.px.begin(), img.px.end(), kKey), 0) << "copied opaque, it must not hold key pixels";
        EXPECT_EQ(edge_seam(img, p, l.x, l.y), "") << "does not meet the board at its edge";
        const int differ = differing_pixels(img, p, l.x, l.y);
        if (std::string(l.file) == "TAB_ZPE0.BMP")
            EXPECT_EQ(differ, 0) << "the plain button must be the board's own pixels";
        else
            EXPECT_GT(differ, img.w * img.h / 4) << "the lit look hardly differs from the plain one";
    }
    // Two cakes lit at once never happens, but the pictures must not overlap the
    // neighbour's hot area either: restoring one would cut into the other.
    for (const Lit& a : kLit)
        for (const Lit& b : kLit) {
            if (a.hot.x == b.hot.x)
                continue;
            Image img = bmp(a.file);
            const bool apart = a.x + img.w <= b.hot.x || b.hot.x + b.hot.w <= a.x || a.y + img.h <= b.hot.y ||
                               b.hot.y + b.hot.h <= a.y;
            EXPECT_TRUE(apart) << a.file << " reaches into hot area " << str(b.hot);
        }
}

TEST_F(TableArtTest, BoardsTellTheGamesApart)
{
    std::vector<Image> all;
    for (const char* key : kGames)
        all.push_back(panel(key));
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) {
            ASSERT_EQ(all[i].w, all[j].w);
            const int differ = differing_pixels(all[i], all[j], 0, 0);
            EXPECT_GT(differ, 5000) << "TAB_" << kGames[i] << " and TAB_" << kGames[j] << " differ in only " << differ
                                    << " pixels";
        }
}

TEST_F(TableArtTest, TwoRunsWriteTheSameBytes)
{
    const fs::path again = *root_ / "again";
    generate(again);
    int compared = 0;
    for (const auto& e : fs::directory_iterator(*root_ / "BAFO_CS" / "TABULKA")) {
        const fs::path rel = fs::relative(e.path(), *root_);
        EXPECT_TRUE(slurp(e.path()) == slurp(again / rel)) << rel << " differs between runs";
        ++compared;
    }
    EXPECT_EQ(compared, 11);
    fs::remove_all(again);
}

}  // namespace

// The picture cubes' and the mosaic's screens, checked the way their games use
// them: lit and level icons copied as opaque rectangles at fixed points over
// BG, the mouth strip laid over Bafo, the board over the picture area, the
// time written dark on the label, and the cubes' keyed pointers.
#include "check.h"
#include "datagen.h"

#include "image_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace datagen_test;

// Pixels of `part` laid at (px, py) that differ from `whole`: all, those in `within`, or its outer ring.
int differing(const Image& part, const Image& whole, int px, int py, const Rect* within = nullptr, bool ring = false)
{
    if (px < 0 || py < 0 || px + part.w > whole.w || py + part.h > whole.h) {
        ADD_FAILURE() << part.w << " x " << part.h << " at " << px << ", " << py << " does not lie inside " << whole.w
                      << " x " << whole.h;
        return -1;
    }
    int n = 0;
    for (int y = 0; y < part.h; ++y)
        for (int x = 0; x < part.w; ++x)
            if ((!ring || x == 0 || y == 0 || x == part.w - 1 || y == part.h - 1) &&
                (!within || inside(*within, px + x, py + y)))
                n += part.at(x, y) != whole.at(px + x, py + y);
    return n;
}

// The games' layouts: hot areas by icon (back, level, shuffle, Bafo, hint, best), clipped to the screen.
const struct Screen {
    std::string generator, dir;
    Rect hot[6];
    int files;
} kScreens[] = {
    {"cubes",
     "BAFO_CS/KOSTKY/",
     {{20, 540, 86, 51}, {180, 530, 71, 66}, {580, 520, 51, 80}, {735, 520, 65, 80}, {745, 5, 55, 86}, {0, 0, 66, 51}},
     18},
    {"mosaic",
     "BAFO_CS/COLORIZE/",
     {{20, 545, 81, 46}, {180, 530, 71, 66}, {580, 520, 56, 80}, {735, 515, 65, 85}, {745, 5, 55, 86}, {0, 0, 66, 51}},
     13},
};
const Rect kPicture = {80, 31, 640, 480}, kLabel = {371, 570, 71, 30};
// The icon pictures: the lit ones and the normal level icons, where the games lay them.
const struct {
    std::string file;
    int icon, x, y;
    bool lit;
} kIcons[] = {
    {"ZPET.BMP", 0, 0, 515, true},      {"SLOZ_1.BMP", 1, 177, 515, false}, {"SLOZ_2.BMP", 1, 177, 515, false},
    {"SLOZ_3.BMP", 1, 177, 515, false}, {"SLOZ_11.BMP", 1, 177, 515, true}, {"SLOZ_21.BMP", 1, 177, 515, true},
    {"SLOZ_31.BMP", 1, 177, 515, true}, {"ZAMI.BMP", 2, 577, 515, true},    {"BAFO.BMP", 3, 732, 509, true},
    {"HELP.BMP", 4, 744, 0, true},      {"NEJL.BMP", 5, 0, 0, true}};
const char* const kPointers[] = {"CUR_LEFT.BMP", "CUR_RIGHT.BMP", "CUR_UP.BMP", "CUR_DOWN.BMP", "CUR_PLOCHA.BMP"};
constexpr uint32_t kKey = 0xFF00FF;

class CubesMosaicTest : public ::testing::Test {
protected:
    static void generate(const fs::path& root, std::vector<datagen::Expect>* listed = nullptr)
    {
        for (auto& g : datagen::all_generators())
            for (const Screen& s : kScreens)
                if (g.name == s.generator) {
                    g.run(root);
                    if (listed)
                        g.expect(*listed);
                }
    }
    static void SetUpTestSuite()
    {
        fs::remove_all(root_);
        generate(root_, &listed_);
    }
    static void TearDownTestSuite() { fs::remove_all(root_); }
    static Image bmp(const Screen& s, const std::string& name) { return load_bmp(root_ / s.dir / name); }

    static inline const fs::path root_ = fs::temp_directory_path() / ("bafo_cubes_mosaic_" + std::to_string(getpid()));
    static inline std::vector<datagen::Expect> listed_;
};

TEST_F(CubesMosaicTest, EveryFileIsListedThereAndTheSameOnEveryRun)
{
    for (const auto& problem : datagen::check_tree(root_, listed_))
        ADD_FAILURE() << problem;
    const fs::path again = root_ / "again";
    generate(again);
    for (const Screen& s : kScreens) {
        int files = 0;
        for (const auto& e : fs::directory_iterator(root_ / s.dir)) {
            const std::string path = s.dir + e.path().filename().string();
            EXPECT_EQ(std::count_if(listed_.begin(), listed_.end(), [&](auto& x) { return x.path == path && x.width; }),
                      1)
                << path << " must be listed once, with its size";
            EXPECT_TRUE(slurp(e.path()) == slurp(again / path)) << path << " differs between runs";
            ++files;
        }
        EXPECT_EQ(files, s.files) << s.dir;
    }
    fs::remove_all(again);
}

// Every icon picture meets BG at its edge (so the normal icon under it cannot
// reach past it either), changes its own hot area and nothing of the picture
// area, the label or another icon. The level icons differ from each other.
TEST_F(CubesMosaicTest, IconsCoverTheirHotAreasAndLeaveTheBoardAndLabelFree)
{
    for (const Screen& s : kScreens) {
        const Image bg = bmp(s, "BG.BMP");
        ASSERT_TRUE(bg.w == 800 && bg.h == 600) << s.dir;
        const uint32_t ground = bg.at(kPicture.x, kPicture.y);
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) {
                ASSERT_FALSE(inside(kPicture, x, y) && bg.at(x, y) != ground)
                    << s.dir << " picture area at " << x << ", " << y;
                ASSERT_FALSE(inside(kLabel, x, y) && luminance(bg.at(x, y)) < 200)
                    << s.dir << " dark label at " << x << ", " << y;
            }
        std::vector<Image> levels;
        for (const auto& l : kIcons) {
            const Image img = bmp(s, l.file);
            const Rect& hot = s.hot[l.icon];
            SCOPED_TRACE(s.dir + l.file + " at " + std::to_string(l.x) + ", " + std::to_string(l.y));
            ASSERT_TRUE(img.w > 0 && l.x + img.w <= 800 && l.y + img.h <= 600);
            EXPECT_TRUE(hot.x >= l.x && hot.y >= l.y && hot.x + hot.w <= l.x + img.w && hot.y + hot.h <= l.y + img.h)
                << "does not cover the hot area";
            EXPECT_EQ(differing(img, bg, l.x, l.y, nullptr, true), 0) << "seam against BG";
            if (l.file == "SLOZ_1.BMP") {
                EXPECT_EQ(differing(img, bg, l.x, l.y), 0) << "the normal level 1 icon is BG's own";
            }
            if (l.lit) {
                EXPECT_GT(differing(img, bg, l.x, l.y, &hot), hot.w * hot.h / 4) << "hardly changes its icon";
            }
            if (l.icon == 1) {
                for (const Image& other : levels)
                    EXPECT_GT(differing(img, other, 0, 0), 200) << "like another level icon";
                levels.push_back(img);
            }
            for (int y = 0; y < img.h; ++y)
                for (int x = 0; x < img.w; ++x) {
                    const int sx = l.x + x, sy = l.y + y;
                    bool stray = inside(kPicture, sx, sy) || inside(kLabel, sx, sy);
                    for (int j = 0; j < 6; ++j)
                        stray = stray || (j != l.icon && inside(s.hot[j], sx, sy));
                    ASSERT_FALSE(stray && img.at(x, y) != bg.at(sx, sy)) << "paints at (" << sx << ", " << sy << ")";
                }
        }
    }
}

// Frame 0 is BG itself; the others open the mouth and change nothing else.
TEST_F(CubesMosaicTest, MouthStripMovesOnlyTheMouth)
{
    for (const Screen& s : kScreens) {
        const Image bg = bmp(s, "BG.BMP"), strip = bmp(s, "BAFO_ANI.BMP");
        ASSERT_EQ(strip.w % 4, 0) << s.dir;
        for (int f = 0, fw = strip.w / 4; f < 4; ++f) {
            int n = 0, x0 = fw, x1 = -1;
            for (int y = 0; y < strip.h; ++y)
                for (int x = 0; x < fw; ++x)
                    if (strip.at(f * fw + x, y) != bg.at(732 + x, 509 + y))
                        ++n, x0 = std::min(x0, x), x1 = std::max(x1, x);
            EXPECT_TRUE(f == 0 ? n == 0 : n > 10 && x1 - x0 <= 20)
                << s.dir << " mouth frame " << f << ": " << n << " pixels changed over x " << x0 << ".." << x1;
        }
    }
}

// Over any picture: a see-through surround, an opaque hot spot in the middle,
// a dark outline round a light fill, no near-key fringe, and each its own.
TEST_F(CubesMosaicTest, CubePointersAreKeyedReadableAndDistinct)
{
    std::vector<Image> seen;
    for (const char* name : kPointers) {
        const Image img = bmp(kScreens[0], name);
        SCOPED_TRACE(name);
        ASSERT_TRUE(img.w == 32 && img.h == 32) << img.w << "x" << img.h;
        EXPECT_NE(img.at(16, 16), kKey) << "the hot spot is see-through";
        int keyed = 0, dark = 0, light = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const uint32_t c = img.at(x, y);
                const int off_key = std::max({0xFF - int(c >> 16), int((c >> 8) & 0xFF), 0xFF - int(c & 0xFF)});
                EXPECT_TRUE(c == kKey || (x != 0 && y != 0 && x != 31 && y != 31 && off_key > 60))
                    << hex(c) << " at (" << x << ", " << y << "): on the rim, or almost key";
                keyed += c == kKey;
                dark += c != kKey && luminance(c) < 90;
                light += c != kKey && luminance(c) > 180;
            }
        EXPECT_TRUE(keyed > 256 && keyed < 920 && dark > 60 && light > 150)
            << keyed << " keyed, " << dark << " dark, " << light << " light pixels";
        for (size_t j = 0; j < seen.size(); ++j)
            EXPECT_GT(differing(img, seen[j], 0, 0), 100) << "looks like " << kPointers[j];
        seen.push_back(img);
    }
}

}  // namespace

// The colouring book, the picture chooser and the memory cards with their
// chooser, checked the way the program and a child use them: a bucket fill
// that stops only at black, thumbnails copied into frames, lit pictures copied
// over the background, pairs matched by eye.
#include "check.h"
#include "datagen.h"

#include "image_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <iterator>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using datagen::Expect;

namespace {

using namespace datagen_test;

bool overlap(const Rect& a, const Rect& b)
{
    return std::min(a.x + a.w, b.x + b.w) > std::max(a.x, b.x) && std::min(a.y + a.h, b.y + b.h) > std::max(a.y, b.y);
}

bool covers(const Rect& outer, const Rect& inner)
{
    return outer.x <= inner.x && outer.y <= inner.y && outer.x + outer.w >= inner.x + inner.w &&
           outer.y + outer.h >= inner.y + inner.h;
}

// White areas of a page as a bucket fill sees them (4-connected).
struct Region {
    int x0, y0, x1, y1;
    size_t size;
};

std::vector<Region> white_regions(const Image& img)
{
    std::vector<Region> out;
    std::vector<uint8_t> seen(img.px.size());
    std::vector<int> stack;
    for (size_t start = 0; start < img.px.size(); ++start) {
        if (seen[start] || img.px[start] != 0xFFFFFF)
            continue;
        Region r{img.w, img.h, -1, -1, 0};
        seen[start] = 1;
        stack.assign(1, int(start));
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            ++r.size;
            const int x = p % img.w, y = p / img.w;
            r.x0 = std::min(r.x0, x), r.x1 = std::max(r.x1, x), r.y0 = std::min(r.y0, y), r.y1 = std::max(r.y1, y);
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (auto& q : next) {
                if (q[0] < 0 || q[1] < 0 || q[0] >= img.w || q[1] >= img.h)
                    continue;
                const size_t i = size_t(q[1]) * size_t(img.w) + size_t(q[0]);
                if (!seen[i] && img.px[i] == 0xFFFFFF) {
                    seen[i] = 1;
                    stack.push_back(int(i));
                }
            }
        }
        out.push_back(r);
    }
    return out;
}

double grey(uint32_t c) { return ((c >> 16 & 0xFF) + (c >> 8 & 0xFF) + (c & 0xFF)) / 3.0; }

// Mean of |a - b| over every channel of every pixel; images of one size.
double mean_difference(const Image& a, const Image& b)
{
    double sum = 0;
    for (size_t i = 0; i < a.px.size(); ++i)
        for (int shift : {16, 8, 0})
            sum += std::abs(int(a.px[i] >> shift & 0xFF) - int(b.px[i] >> shift & 0xFF));
    return sum / (3.0 * double(a.px.size()));
}

// The page brought down to the thumbnail's grid by plain block means: a
// thumbnail made from this page lies close to it, one from another page does not.
std::vector<double> block_means(const Image& img, int w, int h)
{
    std::vector<double> out(size_t(w) * size_t(h));
    for (int ty = 0; ty < h; ++ty)
        for (int tx = 0; tx < w; ++tx) {
            const int x0 = tx * img.w / w, x1 = std::max(x0 + 1, (tx + 1) * img.w / w);
            const int y0 = ty * img.h / h, y1 = std::max(y0 + 1, (ty + 1) * img.h / h);
            double sum = 0;
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x)
                    sum += grey(img.at(x, y));
            out[size_t(ty) * size_t(w) + size_t(tx)] = sum / ((x1 - x0) * (y1 - y0));
        }
    return out;
}

double distance(const std::vector<double>& a, const Image& thumb)
{
    double sum = 0;
    for (size_t i = 0; i < a.size(); ++i)
        sum += std::abs(a[i] - grey(thumb.px[i]));
    return sum / double(a.size());
}

const char* const kOurs[] = {"pages", "chooser", "pexeso_sel"};

void generate(const fs::path& root)
{
    for (auto& g : datagen::all_generators())
        for (const char* name : kOurs)
            if (g.name == name)
                g.run(root);
}

class PagesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        root_ = new fs::path(fs::temp_directory_path() / ("bafo_pages_test_" + std::to_string(getpid())));
        fs::remove_all(*root_);
        generate(*root_);
    }
    static void TearDownTestSuite()
    {
        fs::remove_all(*root_);
        delete root_;
        root_ = nullptr;
    }
    static Image bmp(const std::string& rel) { return load_bmp(*root_ / "BAFO_CS" / rel); }
    static std::string page(int set, int i) { return "OMALKY/" + std::to_string(set) + "/" + std::to_string(i) + ".BMP"; }
    static std::string thumb(int set, int i)
    {
        return "ALBUM/" + std::to_string(set) + "CB/" + std::to_string(i) + ".BMP";
    }

    static fs::path* root_;
};

fs::path* PagesTest::root_ = nullptr;

TEST_F(PagesTest, EveryFileIsThereWithItsSize)
{
    std::vector<Expect> all;
    for (auto& g : datagen::all_generators())
        for (const char* name : kOurs)
            if (g.name == name)
                g.expect(all);
    // 60 pages and their thumbnails; the chooser's 9; 4 x 12 faces at least, the back,
    // the set chooser's background, 4 lit sets and the lit back button.
    ASSERT_GE(all.size(), 120u + 9 + 48 + 1 + 1 + 4 + 1);
    for (const auto& problem : datagen::check_tree(*root_, all))
        ADD_FAILURE() << problem;
    for (const char* name : {"OMALKY/1/1.BMP", "ALBUM/6CB/10.BMP", "ALBUM/BG.BMP", "ALBUM/SEL_6.BMP",
                             "PEXESO/4/12.BMP", "PEXESO/BACK.BMP", "PEXESO/SEL/SEL_BG.BMP", "PEXESO/ZPET.BMP"})
        EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const Expect& e) { return e.path == std::string("BAFO_CS/") + name; }))
            << name << " is not listed for the check";
}

TEST_F(PagesTest, ColouringPagesAreLineDrawingsInPureBlackAndWhite)
{
    for (int set = 1; set <= 6; ++set)
        for (int i = 1; i <= 10; ++i) {
            const Image img = bmp(page(set, i));
            ASSERT_EQ(img.w, 640) << page(set, i);
            ASSERT_EQ(img.h, 480) << page(set, i);
            size_t black = 0;
            for (int y = 0; y < img.h; ++y)
                for (int x = 0; x < img.w; ++x) {
                    const uint32_t c = img.at(x, y);
                    ASSERT_TRUE(c == 0 || c == 0xFFFFFF)
                        << page(set, i) << " pixel (" << x << ", " << y << ") is " << hex(c) << ": the fill would leak";
                    black += c == 0;
                }
            // A blank page or one drowned in ink is no page to colour.
            const double ink = double(black) / double(img.px.size());
            EXPECT_GT(ink, 0.02) << page(set, i) << " has almost no lines";
            EXPECT_LT(ink, 0.25) << page(set, i) << " is mostly black";
        }
}

// The pages hold two colours: one bit a pixel, every pixel kept, and nothing
// else is let through.
TEST(OneBitBitmap, KeepsEveryPixelAndRefusesOtherColours)
{
    const fs::path dir = fs::temp_directory_path() / ("bafo_one_bit_" + std::to_string(getpid()));
    // Widths around the 32-pixel row padding.
    for (int w : {1, 7, 8, 31, 32, 33, 37}) {
        const int h = 5;
        std::vector<uint32_t> px;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                px.push_back((x * 7 + y * 3) % 5 < 2 ? 0x000000u : 0xFFFFFFu);
        datagen::write_bmp1(dir / "P.BMP", w, h, px);
        EXPECT_EQ(bmp_bits(dir / "P.BMP"), 1) << "width " << w;
        const Image img = load_bmp(dir / "P.BMP");
        ASSERT_EQ(img.w, w);
        ASSERT_EQ(img.h, h);
        EXPECT_TRUE(img.px == px) << "width " << w << ": the pixels came back different";
    }
    std::vector<uint32_t> grey(4 * 4, 0xFFFFFF);
    grey[5] = 0x808080;
    EXPECT_THROW(datagen::write_bmp1(dir / "G.BMP", 4, 4, grey), std::runtime_error);
    EXPECT_FALSE(fs::exists(dir / "G.BMP")) << "a refused picture was written";
    fs::remove_all(dir);
}

TEST_F(PagesTest, PagesAreOneBitBitmaps)
{
    for (int set = 1; set <= 6; ++set)
        for (int i = 1; i <= 10; ++i) {
            const fs::path p = *root_ / "BAFO_CS" / page(set, i);
            EXPECT_EQ(bmp_bits(p), 1) << page(set, i);
            EXPECT_EQ(fs::file_size(p), 62u + 80u * 480u) << page(set, i);
        }
}

TEST_F(PagesTest, EveryWhiteAreaIsBigEnoughForTheBucket)
{
    for (int set = 1; set <= 6; ++set)
        for (int i = 1; i <= 10; ++i) {
            const Image img = bmp(page(set, i));
            ASSERT_GT(img.w, 0) << page(set, i);
            const auto regions = white_regions(img);
            EXPECT_GE(regions.size(), 8u) << page(set, i) << " has too few areas to colour";
            for (const Region& r : regions) {
                const int w = r.x1 - r.x0 + 1, h = r.y1 - r.y0 + 1;
                EXPECT_TRUE(w >= 20 && h >= 20) << page(set, i) << ": white area of " << r.size << " px at (" << r.x0
                                                << ", " << r.y0 << ") is only " << w << "x" << h;
            }
        }
}

TEST_F(PagesTest, ThumbnailsAreTheirOwnPagesAveragedDown)
{
    for (int set = 1; set <= 6; ++set) {
        std::vector<std::vector<double>> pages;
        for (int i = 1; i <= 10; ++i)
            pages.push_back(block_means(bmp(page(set, i)), 168, 125));
        for (int i = 1; i <= 10; ++i) {
            const Image t = bmp(thumb(set, i));
            ASSERT_EQ(t.w, 168) << thumb(set, i);
            ASSERT_EQ(t.h, 125) << thumb(set, i);
            // Averaging leaves greys where lines were; picking single pixels would not.
            std::set<uint32_t> shades(t.px.begin(), t.px.end());
            EXPECT_GT(shades.size(), 20u) << thumb(set, i) << " looks point-sampled";
            const double own = distance(pages[size_t(i - 1)], t);
            EXPECT_LT(own, 12.0) << thumb(set, i) << " does not look like its page";
            for (int j = 1; j <= 10; ++j) {
                if (j != i) {
                    EXPECT_LT(own, distance(pages[size_t(j - 1)], t))
                        << thumb(set, i) << " looks more like page " << j << " than its own";
                }
            }
        }
    }
}

// A lit picture is copied over the background at its point: along its edge it
// must be the background itself, and inside it must visibly change something.
TEST_F(PagesTest, LitPicturesMeetTheirBackgroundWithoutSeams)
{
    // The wheel's plain pictures replace one another; only the lit ones must change the screen.
    const struct {
        const char* bg;
        const char* lit;
        int x, y;
        Rect hot;
        bool changes;
    } cases[] = {
        {"ALBUM/BG.BMP", "ALBUM/ZPET.BMP", 0, 520, {20, 545, 91, 46}, true},
        {"ALBUM/BG.BMP", "ALBUM/SEL.BMP", 703, 506, {710, 510, 71, 76}, true},
        {"ALBUM/BG.BMP", "ALBUM/SEL_1.BMP", 703, 506, {710, 510, 71, 76}, false},
        {"ALBUM/BG.BMP", "ALBUM/SEL_2.BMP", 703, 506, {710, 510, 71, 76}, false},
        {"ALBUM/BG.BMP", "ALBUM/SEL_3.BMP", 703, 506, {710, 510, 71, 76}, false},
        {"ALBUM/BG.BMP", "ALBUM/SEL_4.BMP", 703, 506, {710, 510, 71, 76}, false},
        {"ALBUM/BG.BMP", "ALBUM/SEL_5.BMP", 703, 506, {710, 510, 71, 76}, false},
        {"ALBUM/BG.BMP", "ALBUM/SEL_6.BMP", 703, 506, {710, 510, 71, 76}, false},
        {"PEXESO/SEL/SEL_BG.BMP", "PEXESO/SEL/SEL_1.BMP", 180, 78, {180, 85, 211, 206}, true},
        {"PEXESO/SEL/SEL_BG.BMP", "PEXESO/SEL/SEL_2.BMP", 410, 78, {410, 80, 211, 206}, true},
        {"PEXESO/SEL/SEL_BG.BMP", "PEXESO/SEL/SEL_3.BMP", 180, 308, {180, 310, 211, 206}, true},
        {"PEXESO/SEL/SEL_BG.BMP", "PEXESO/SEL/SEL_4.BMP", 410, 308, {410, 310, 211, 206}, true},
        {"PEXESO/SEL/SEL_BG.BMP", "PEXESO/ZPET.BMP", 0, 515, {20, 540, 86, 51}, true},
    };
    for (const auto& c : cases) {
        const Image bg = bmp(c.bg), lit = bmp(c.lit);
        ASSERT_EQ(bg.w, 800) << c.bg;
        ASSERT_EQ(bg.h, 600) << c.bg;
        ASSERT_GT(lit.w, 0) << c.lit;
        const Rect r{c.x, c.y, lit.w, lit.h};
        SCOPED_TRACE(std::string(c.lit) + " at " + str(r) + " over " + c.bg);
        ASSERT_TRUE(r.x + r.w <= 800 && r.y + r.h <= 600) << "leaves the screen";
        EXPECT_TRUE(covers(r, c.hot)) << "does not cover its hot area " << str(c.hot);
        int differ = 0;
        std::string seam;
        for (int y = 0; y < r.h; ++y)
            for (int x = 0; x < r.w; ++x) {
                const uint32_t a = lit.at(x, y), b = bg.at(r.x + x, r.y + y);
                differ += a != b;
                const bool edge = x == 0 || y == 0 || x == r.w - 1 || y == r.h - 1;
                if (edge && a != b && seam.empty())
                    seam = "(" + std::to_string(x) + ", " + std::to_string(y) + ") is " + hex(a) + ", background " + hex(b);
            }
        EXPECT_EQ(seam, "") << "seam along the edge";
        if (c.changes) {
            EXPECT_GT(differ, r.w * r.h / 8) << "hardly differs from the background";
        }
    }
}

// The chooser copies thumbnails into the frames after the buttons are drawn and
// restores a button's rectangle from its backup; a button rectangle reaching into
// a frame would wipe part of a thumbnail, and a frame must lie on the screen.
TEST_F(PagesTest, ChooserButtonsKeepOutOfTheThumbnails)
{
    const Rect thumbs[] = {{113, 84, 168, 125},  {113, 235, 168, 125}, {113, 386, 168, 125}, {314, 9, 168, 125},
                           {314, 160, 168, 125}, {314, 311, 168, 125}, {314, 462, 168, 125}, {515, 84, 168, 125},
                           {515, 235, 168, 125}, {515, 386, 168, 125}};
    const Image back = bmp("ALBUM/ZPET.BMP"), wheel = bmp("ALBUM/SEL.BMP");
    ASSERT_GT(back.w, 0);
    ASSERT_GT(wheel.w, 0);
    const Rect buttons[] = {{0, 520, back.w, back.h}, {703, 506, wheel.w, wheel.h}};
    for (const Rect& t : thumbs) {
        EXPECT_TRUE(t.x + t.w <= 800 && t.y + t.h <= 600) << "thumbnail at " << str(t) << " leaves the screen";
        for (const Rect& b : buttons)
            EXPECT_FALSE(overlap(t, b)) << "button picture " << str(b) << " overlaps thumbnail " << str(t);
    }
    // Every wheel picture has the plain wheel's size and shows its own set.
    std::vector<Image> sets;
    for (int n = 1; n <= 6; ++n) {
        sets.push_back(bmp("ALBUM/SEL_" + std::to_string(n) + ".BMP"));
        EXPECT_EQ(sets.back().w, wheel.w) << "SEL_" << n;
        EXPECT_EQ(sets.back().h, wheel.h) << "SEL_" << n;
    }
    for (size_t a = 0; a < sets.size(); ++a)
        for (size_t b = a + 1; b < sets.size(); ++b) {
            if (sets[a].w == sets[b].w && sets[a].h == sets[b].h) {
                EXPECT_GT(mean_difference(sets[a], sets[b]), 2.0) << "SEL_" << a + 1 << " and SEL_" << b + 1 << " look alike";
            }
        }
}

TEST_F(PagesTest, CardFacesFitTheBackAndEveryPairIsTellable)
{
    const Image back = bmp("PEXESO/BACK.BMP");
    ASSERT_GT(back.w, 0);
    for (int set = 1; set <= 4; ++set) {
        const fs::path dir = *root_ / "BAFO_CS" / "PEXESO" / std::to_string(set);
        // The game counts the set's bitmaps and loads 01, 02, ... up to that count.
        int count = 0;
        for (const auto& e : fs::directory_iterator(dir))
            count += e.path().extension() == ".BMP";
        ASSERT_GE(count, 12) << "set " << set << " holds too few faces for the largest layout";
        std::vector<Image> faces;
        for (int i = 1; i <= count; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "%02d.BMP", i);
            ASSERT_TRUE(fs::exists(dir / name)) << "set " << set << " has " << count << " bitmaps but no " << name;
            faces.push_back(load_bmp(dir / name));
            ASSERT_EQ(faces.back().w, back.w) << "set " << set << " face " << name;
            ASSERT_EQ(faces.back().h, back.h) << "set " << set << " face " << name;
            EXPECT_GT(mean_difference(faces.back(), back), 20.0) << "set " << set << " face " << name << " looks like the back";
        }
        for (size_t a = 0; a < faces.size(); ++a)
            for (size_t b = a + 1; b < faces.size(); ++b) {
                const double d = mean_difference(faces[a], faces[b]);
                EXPECT_GT(d, 12.0) << "set " << set << ": faces " << a + 1 << " and " << b + 1
                                   << " are too alike to match by eye (difference " << d << ")";
            }
    }
}

TEST_F(PagesTest, TwoRunsWriteTheSameBytes)
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
    EXPECT_GE(compared, 120 + 9 + 48 + 7);
    fs::remove_all(again);
}

}  // namespace

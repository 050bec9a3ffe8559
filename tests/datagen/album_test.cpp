// The album page and the printer panel checked the way the program uses them:
// thumbnails drawn into the frames' windows, lit icons laid at their points,
// Bafo's question laid over the page, the panel keyed over any screen with
// printer names written on its rows and its buttons copied opaque.
#include "check.h"
#include "datagen.h"

#include "image_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace datagen_test;

void generate(const fs::path& root)
{
    for (auto& g : datagen::all_generators())
        if (g.name == "album" || g.name == "print_panel" || g.name == "paint")
            g.run(root);
}

constexpr uint32_t kKey = 0xFF00FF;

class Album : public TreeSuite<generate> {
protected:
    static Image ost(const std::string& name) { return load_bmp(*root_ / "BAFO_CS/OMALKY/OST" / name); }
    static Image tisk(const std::string& name) { return load_bmp(*root_ / "BAFO_CS/TISK" / name); }
};

Rect slot_hot(int i) { return Rect{61 + 250 * ((i - 1) % 3), 21 + 183 * ((i - 1) / 3), 178, 135}; }
Rect slot_window(int i) { return Rect{slot_hot(i).x + 5, slot_hot(i).y + 5, 168, 125}; }

bool overlap(const Rect& a, const Rect& b)
{
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

struct Stats {
    double mean = 0, spread = 0;  // luminance: mean and standard deviation
    int keyed = 0;                // pixels of the key colour
};
Stats stats(const Image& img, const Rect& r)
{
    Stats s;
    double sum = 0, sq = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) {
            const double l = luminance(img.at(x, y));
            sum += l;
            sq += l * l;
            s.keyed += img.at(x, y) == kKey;
        }
    const double n = double(r.w) * double(r.h);
    s.mean = sum / n;
    s.spread = std::sqrt(std::max(0.0, sq / n - s.mean * s.mean));
    return s;
}

double colourfulness(const Image& img, const Rect& r)
{
    double sum = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) {
            const uint32_t c = img.at(x, y);
            const int R = int(c >> 16), G = int((c >> 8) & 0xFF), B = int(c & 0xFF);
            sum += std::max({R, G, B}) - std::min({R, G, B});
        }
    return sum / (double(r.w) * double(r.h));
}

TEST_F(Album, EveryFileIsThereWithItsSize)
{
    std::vector<datagen::Expect> all;
    for (auto& g : datagen::all_generators())
        if (g.name == "album" || g.name == "print_panel")
            g.expect(all);
    // The page and four lit icons; the panel, four buttons and the no-printer picture.
    ASSERT_EQ(all.size(), 5u + 6u);
    for (const auto& problem : datagen::check_tree(*root_, all))
        ADD_FAILURE() << problem;
}

TEST_F(Album, LitIconsCoverTheirIconsWithoutASeam)
{
    const Image bg = ost("A_BG.BMP");
    ASSERT_EQ(bg.w, 800);
    const struct {
        const char* file;
        Rect hot;
        int x, y;
    } cases[] = {{"A_ZPET.BMP", {15, 560, 71, 41}, 0, 552},
                 {"A_ICO1.BMP", {240, 555, 91, 46}, 225, 552},
                 {"A_ICO2.BMP", {485, 555, 81, 46}, 471, 552},
                 {"A_TISK.BMP", {735, 560, 56, 41}, 733, 552}};
    std::vector<Rect> placed;
    for (const auto& c : cases) {
        const Image lit = ost(c.file);
        ASSERT_GT(lit.w, 0) << c.file;
        const Rect r{c.x, c.y, lit.w, lit.h};
        SCOPED_TRACE(std::string(c.file) + " at " + str(r));
        EXPECT_TRUE(contains(Rect{0, 0, 800, 600}, r)) << "leaves the screen";
        EXPECT_TRUE(contains(r, on_screen(c.hot))) << "does not cover its icon's hot area " << str(c.hot);
        EXPECT_EQ(edge_seam(lit, bg, c.x, c.y), "");
        // Most of the icon changes when it lights, not just a rim.
        EXPECT_GT(differing_pixels(lit, bg, c.x, c.y, &c.hot), c.hot.w * c.hot.h / 3) << "hardly lights up";
        for (const Rect& o : placed)
            EXPECT_FALSE(overlap(r, o)) << "overlaps " << str(o) << ": restoring one would wipe the other";
        placed.push_back(r);
        for (int i = 1; i <= 9; ++i)
            EXPECT_FALSE(overlap(r, slot_hot(i))) << "covers frame " << i;
    }
}

TEST_F(Album, EveryFrameShowsAnEmptyWindowWhereTheThumbnailGoes)
{
    const Image bg = ost("A_BG.BMP");
    ASSERT_EQ(bg.w, 800);
    Image first;
    first.w = 168;
    first.h = 125;
    for (int y = 0; y < 125; ++y)
        for (int x = 0; x < 168; ++x)
            first.px.push_back(bg.at(slot_window(1).x + x, slot_window(1).y + y));
    for (int i = 1; i <= 9; ++i) {
        const Rect hot = slot_hot(i), win = slot_window(i);
        SCOPED_TRACE("frame " + std::to_string(i) + ", window " + str(win));
        const Stats paper = stats(bg, win);
        EXPECT_GT(paper.mean, 225) << "an empty window should be light paper";
        EXPECT_GT(paper.spread, 1.0) << "an empty window shows nothing at all";
        EXPECT_EQ(differing_pixels(first, bg, win.x, win.y), 0) << "empty frames look different";
        // The thumbnail covers the window exactly: paper up to its edge, the
        // frame's dark inner line right outside it, so no paper shows round a
        // thumbnail and the thumbnail hides none of the frame.
        int paper_edge = 0, dark_rim = 0;
        for (int x = win.x - 1; x <= win.x + win.w; ++x)
            for (int y = win.y - 1; y <= win.y + win.h; ++y) {
                const bool rim = x == win.x - 1 || y == win.y - 1 || x == win.x + win.w || y == win.y + win.h;
                const bool edge = !rim && (x == win.x || y == win.y || x == win.x + win.w - 1 || y == win.y + win.h - 1);
                paper_edge += edge && luminance(bg.at(x, y)) > 200;
                dark_rim += rim && luminance(bg.at(x, y)) < 110;
            }
        EXPECT_EQ(paper_edge, 2 * (win.w + win.h) - 4) << "the window's edge is not all paper";
        EXPECT_EQ(dark_rim, 2 * (win.w + win.h) + 4) << "the frame's line does not run right round the window";
        // The frame: the 5 px ring between the hot area and the window.
        double ring = 0;
        int n = 0;
        for (int y = hot.y; y < hot.y + hot.h; ++y)
            for (int x = hot.x; x < hot.x + hot.w; ++x)
                if (!inside(win, x, y)) {
                    ring += luminance(bg.at(x, y));
                    ++n;
                }
        EXPECT_LT(ring / n, paper.mean - 60) << "no frame stands out round the window";
    }
}

TEST_F(Album, QuestionPanelFitsOverThePage)
{
    const Image bg = ost("A_BG.BMP"), panel = ost("OTAZKA.BMP");
    ASSERT_GT(panel.w, 0);
    const Rect at{166, 417, panel.w, panel.h};
    EXPECT_TRUE(contains(Rect{0, 0, 800, 600}, at)) << "the panel at " << str(at) << " leaves the screen";
    // Its key colour must not turn up on the page, or the page would show through it wrongly.
    EXPECT_EQ(stats(bg, Rect{0, 0, 800, 600}).keyed, 0) << "the page holds the panel's key colour " << hex(panel.at(0, 0));
}

TEST_F(Album, PrinterPanelIsKeyedWithPlainRowsAndButtonPlaces)
{
    const Image panel = tisk("PANEL.BMP");
    ASSERT_EQ(panel.w, 480);
    ASSERT_EQ(panel.h, 330);
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{479, 0}, std::pair{0, 329}, std::pair{479, 329}})
        EXPECT_EQ(panel.at(x, y), kKey) << "corner (" << x << ", " << y << ") is " << hex(panel.at(x, y));
    EXPECT_LT(stats(panel, Rect{0, 0, 480, 330}).keyed, 480 * 330 / 20) << "the card is mostly see-through";
    const struct {
        const char* what;
        Rect r;
        double max_spread, min_mean;
    } plain[] = {{"row 0", {160, 24, 300, 48}, 1.0, 240},  {"row 1", {160, 74, 300, 48}, 1.0, 240},
                 {"row 2", {160, 124, 300, 48}, 1.0, 240}, {"row 3", {160, 174, 300, 48}, 1.0, 240},
                 {"print button", {250, 240, 100, 76}, 8, 200}, {"cancel button", {360, 240, 100, 76}, 8, 200}};
    for (const auto& p : plain) {
        const Stats s = stats(panel, p.r);
        EXPECT_EQ(s.keyed, 0) << p.what << " " << str(p.r) << " has see-through pixels";
        EXPECT_LE(s.spread, p.max_spread) << p.what << " " << str(p.r) << " is too busy for what goes on it";
        EXPECT_GE(s.mean, p.min_mean) << p.what << " " << str(p.r) << " is too dark for dark text";
    }
    EXPECT_GT(colourfulness(panel, Rect{10, 60, 140, 250}), 40) << "no Bafo and printer on the left";
}

TEST_F(Album, ButtonsAndNoPrinterPictureMeetThePanel)
{
    const Image panel = tisk("PANEL.BMP");
    ASSERT_EQ(panel.w, 480);
    const struct {
        const char* file;
        int x, y, w, h;
    } cases[] = {{"ANO_0.BMP", 250, 240, 100, 76}, {"ANO_1.BMP", 250, 240, 100, 76}, {"NE_0.BMP", 360, 240, 100, 76},
                 {"NE_1.BMP", 360, 240, 100, 76},  {"ZADNA.BMP", 160, 24, 300, 200}};
    for (const auto& c : cases) {
        const Image img = tisk(c.file);
        SCOPED_TRACE(std::string(c.file) + " at (" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")");
        ASSERT_EQ(img.w, c.w);
        ASSERT_EQ(img.h, c.h);
        // Copied opaque: its corners are the panel's own pixels there, never the key.
        EXPECT_EQ(edge_seam(img, panel, c.x, c.y), "");
        EXPECT_EQ(stats(img, Rect{0, 0, img.w, img.h}).keyed, 0) << "holds the key colour";
        EXPECT_GT(differing_pixels(img, panel, c.x, c.y), c.w * c.h / 5) << "hardly shows anything";
    }
    for (const char* base : {"ANO", "NE"}) {
        const Image off = tisk(std::string(base) + "_0.BMP"), on = tisk(std::string(base) + "_1.BMP");
        EXPECT_GT(differing_pixels(on, off, 0, 0), off.w * off.h / 4) << base << ": lit looks like normal";
        EXPECT_GT(stats(on, Rect{20, 15, 60, 46}).mean, stats(off, Rect{20, 15, 60, 46}).mean) << base << ": lit is not brighter";
    }
    EXPECT_GT(differing_pixels(tisk("ANO_0.BMP"), tisk("NE_0.BMP"), 0, 0), 100 * 76 / 3) << "print and cancel look alike";
}

}  // namespace

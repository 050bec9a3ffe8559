// The colouring book's screen checked the way the program uses it: colours
// read off the crayons, icons laid at their positions, the icons' areas
// flood-filled with whatever the child picks, the question panel laid over
// the screen with its key colour.
#include "check.h"
#include "datagen.h"

#include "image_support.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace datagen_test;

void generate(const fs::path& root)
{
    for (auto& g : datagen::all_generators())
        if (g.name == "paint")
            g.run(root);
}

using PaintSuite = TreeSuite<generate>;

// The screen as the program holds it.
struct Screen {
    Image img;
    explicit Screen(const Image& bg) : img(bg) {}
    uint32_t& at(int x, int y) { return img.px[size_t(y) * 800 + size_t(x)]; }
    void blit(const Image& part, int x0, int y0)
    {
        for (int y = 0; y < part.h; ++y)
            for (int x = 0; x < part.w; ++x)
                at(x0 + x, y0 + y) = part.at(x, y);
    }
};

// The pixels of the region of one colour around (x, y), 4- or 8-connected.
std::set<int> region(const Image& img, int x, int y, bool eight = false)
{
    std::set<int> out;
    const uint32_t c = img.at(x, y);
    std::vector<int> todo{y * img.w + x};
    while (!todo.empty()) {
        const int p = todo.back();
        todo.pop_back();
        const int px = p % img.w, py = p / img.w;
        if (px < 0 || py < 0 || px >= img.w || py >= img.h || img.at(px, py) != c || !out.insert(p).second)
            continue;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if ((dx || dy) && (eight || !dx || !dy) && px + dx >= 0 && px + dx < img.w && py + dy >= 0 && py + dy < img.h)
                    todo.push_back((py + dy) * img.w + px + dx);
    }
    return out;
}

void flood(Screen& s, int x, int y, uint32_t colour)
{
    if (s.at(x, y) == colour)
        return;
    for (int p : region(s.img, x, y))
        s.img.px[size_t(p)] = colour;
}

// The program's width sample: an aliased line with round ends, odd widths on pixel centres.
void sample_line(Screen& s, int width, uint32_t colour)
{
    cairo_surface_t* surface = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(s.img.px.data()),
                                                                   CAIRO_FORMAT_RGB24, 800, 600, 800 * 4);
    cairo_t* cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double off = width % 2 ? 0.5 : 0.0;
    cairo_set_source_rgb(cr, (colour >> 16 & 0xFF) / 255.0, (colour >> 8 & 0xFF) / 255.0, (colour & 0xFF) / 255.0);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, 38 + off, 549 + off);
    cairo_line_to(cr, 62 + off, 549 + off);
    cairo_stroke(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    cairo_surface_destroy(surface);
    for (auto& p : s.img.px)
        p &= 0xFFFFFF;
}

uint32_t shade(uint32_t c)
{
    if (c == 0)
        return 0x0C0C0C;
    if (c == 0xFFFFFF)
        return 0xF7F7F7;
    uint32_t out = 0;
    for (int s : {16, 8, 0})
        out |= std::min(255u, (c >> s & 0xFF) + 8) << s;
    return out;
}

Rect swatch(int i) { return i < 16 ? Rect{0, 29 * i, 75, 29} : Rect{725, 29 * (i - 16), 75, 29}; }

struct Spot {
    int icon, x, y;
    bool fill;
};
// In the order the program floods them.
const Spot kSpots[] = {{1, 66, 544, false},  {2, 134, 544, false}, {2, 153, 544, false}, {3, 218, 544, false},
                       {3, 223, 544, false}, {4, 286, 544, false}, {4, 292, 544, false}, {7, 507, 544, false},
                       {8, 577, 544, false}, {9, 646, 544, false}, {10, 716, 544, false}, {5, 344, 544, true},
                       {7, 522, 544, true},  {9, 662, 544, true}};

const Rect kHot[10] = {{38, 500, 71, 56},  {115, 500, 66, 56}, {185, 500, 66, 56}, {255, 500, 66, 56},
                       {330, 500, 71, 56}, {410, 500, 76, 56}, {490, 500, 66, 56}, {565, 500, 61, 56},
                       {635, 500, 61, 61}, {705, 500, 61, 61}};

std::string name(int k, bool active)
{
    char b[32];
    std::snprintf(b, sizeof b, "ICO%02d_%d.BMP", k, active ? 1 : 0);
    return b;
}

std::string where(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

class PaintScreen : public PaintSuite {
protected:
    static Image bmp(const std::string& rel) { return load_bmp(*root_ / "BAFO_CS/OMALKY" / rel); }
    static std::vector<std::pair<int, int>> positions()
    {
        std::vector<std::pair<int, int>> out;
        std::string text = slurp(*root_ / "BAFO_CS/OMALKY/ICO_POS.DAT");
        std::replace(text.begin(), text.end(), ',', ' ');
        std::istringstream in(text);
        int x = 0, y = 0;
        while (in >> x >> y)
            out.emplace_back(x, y);
        return out;
    }
    static std::vector<uint32_t> palette()
    {
        const Image bg = bmp("BG.BMP");
        std::vector<uint32_t> out;
        for (int i = 0; i < 32; ++i)
            out.push_back(bg.w ? bg.at(swatch(i).x + 63, swatch(i).y + 14) : 0);
        return out;
    }
    // BG with the ten normal icons at their positions and, when `active` is 1..10, that one lifted.
    static Screen composed(int active)
    {
        Screen s(bmp("BG.BMP"));
        const auto pos = positions();
        for (int k = 1; k <= 10; ++k)
            s.blit(bmp(name(k, k == active)), pos[size_t(k - 1)].first, pos[size_t(k - 1)].second);
        return s;
    }
};

TEST_F(PaintScreen, EveryFileIsThereWithItsSize)
{
    std::vector<datagen::Expect> all;
    for (auto& g : datagen::all_generators())
        if (g.name == "paint")
            g.expect(all);
    // BG, twenty icons, two highlights, the panel's four pictures and the positions.
    ASSERT_EQ(all.size(), 1u + 20 + 2 + 4 + 1);
    for (const auto& problem : datagen::check_tree(*root_, all))
        ADD_FAILURE() << problem;
}

TEST_F(PaintScreen, CrayonsShowThirtyTwoClearlyDifferentColours)
{
    const Image bg = bmp("BG.BMP");
    ASSERT_EQ(bg.w, 800);
    const auto colours = palette();
    for (int i = 0; i < 32; ++i) {
        const Rect r = swatch(i);
        // The program reads one pixel: the area round it must be that colour too.
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                EXPECT_EQ(bg.at(r.x + 63 + dx, r.y + 14 + dy), colours[size_t(i)])
                    << "swatch " << i << " is not flat round its sample point at " << where(r.x + 63 + dx, r.y + 14 + dy);
    }
    EXPECT_EQ(colours[3], 0xFFFFFFu) << "swatch 3 is the paper";
    EXPECT_NE(std::find(colours.begin(), colours.end(), 0u), colours.end()) << "no black crayon";
    for (size_t a = 0; a < 32; ++a)
        for (size_t b = 0; b < 32; ++b) {
            if (a < b) {
                EXPECT_GT(distance(colours[a], colours[b]), 40.0)
                    << "swatches " << a << " (" << hex(colours[a]) << ") and " << b << " (" << hex(colours[b]) << ") look alike";
            }
            // A fill shade equal to a pen colour would let one flood run into the other's area.
            EXPECT_NE(shade(colours[a]), colours[b]) << "the shade of swatch " << a << " is swatch " << b << "'s colour";
        }
}

TEST_F(PaintScreen, IconsLieOnTheDeskOverTheirHotAreas)
{
    const Image bg = bmp("BG.BMP");
    const auto pos = positions();
    ASSERT_EQ(pos.size(), 10u);
    std::vector<Rect> pictures;
    for (int k = 1; k <= 10; ++k) {
        const Image normal = bmp(name(k, false)), active = bmp(name(k, true));
        const Rect r{pos[size_t(k - 1)].first, pos[size_t(k - 1)].second, normal.w, normal.h};
        SCOPED_TRACE("icon " + std::to_string(k) + " at " + str(r));
        ASSERT_EQ(active.w, normal.w);
        ASSERT_EQ(active.h, normal.h);
        EXPECT_TRUE(contains(Rect{0, 480, 800, 120}, r)) << "reaches over the page or off the screen";
        EXPECT_TRUE(contains(r, kHot[k - 1])) << "does not cover its hot area " << str(kHot[k - 1]);
        // Laying the normal icons at load changes nothing: BG already shows them.
        EXPECT_EQ(differing_pixels(normal, bg, r.x, r.y), 0) << "normal picture differs from BG";
        EXPECT_EQ(edge_seam(active, bg, r.x, r.y), "") << "lifted picture has a seam";
        // The width icon is recoloured at its normal place even when "active": it never lifts.
        if (k == 1)
            EXPECT_EQ(differing_pixels(active, normal, 0, 0), 0) << "the width icon must not lift";
        else
            EXPECT_GT(differing_pixels(active, bg, r.x, r.y), normal.w * normal.h / 5) << "lifted picture looks the same";
        for (const Rect& o : pictures)
            EXPECT_FALSE(o.x < r.x + r.w && r.x < o.x + o.w && o.y < r.y + r.h && r.y < o.y + o.h) << "overlaps " << str(o);
        pictures.push_back(r);
    }
    // The width icon is redrawn to wipe the old sample: it must cover the widest one.
    Screen s(bg);
    sample_line(s, 10, 0x123456);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            if (s.at(x, y) != bg.at(x, y)) {
                EXPECT_TRUE(inside(pictures[0], x, y)) << "the width sample reaches " << where(x, y) << " outside icon 1";
            }
}

// Every recoloured place is one flat area closed by a ring of a colour the
// program never floods with; flooding it with any pen or fill colour, on the
// screen with any icon lifted and any width, changes that area and nothing else.
TEST_F(PaintScreen, RecolouringStaysInsideEachArea)
{
    const auto colours = palette();
    std::set<uint32_t> flooded;
    for (uint32_t c : colours) {
        flooded.insert(c);
        flooded.insert(shade(c));
    }
    const auto pos = positions();
    ASSERT_EQ(pos.size(), 10u);
    // (pen swatch, fill swatch, width): picks a child could make one after another.
    const int steps[][3] = {{0, 3, 3}, {5, 18, 1}, {3, 0, 10}, {9, 9, 7}, {13, 26, 2}, {0, 0, 5}, {21, 3, 10}, {3, 3, 3}};
    for (int active = 0; active <= 10; ++active) {
        SCOPED_TRACE(active ? "icon " + std::to_string(active) + " lifted" : std::string("no icon lifted"));
        Screen s = composed(active);
        const Image before = s.img;
        auto point = [&](const Spot& p) { return std::make_pair(p.x, p.y - (p.icon == active && p.icon != 1 ? 15 : 0)); };
        // The areas as drawn, and where every sample width reaches.
        std::vector<std::set<int>> areas;
        std::set<int> line;
        for (int w : {1, 2, 3, 5, 7, 10}) {
            Screen t(before);
            sample_line(t, w, 0x010203);
            for (size_t i = 0; i < t.img.px.size(); ++i)
                if (t.img.px[i] != before.px[i])
                    line.insert(int(i));
        }
        for (const Spot& p : kSpots) {
            const auto [x, y] = point(p);
            const std::string at = "area of icon " + std::to_string(p.icon) + " at " + where(x, y);
            areas.push_back(region(before, x, y));
            const auto& a = areas.back();
            EXPECT_EQ(a, region(before, x, y, true)) << at << " leaks through a diagonal gap";
            const Rect r{pos[size_t(p.icon - 1)].first, pos[size_t(p.icon - 1)].second, 0, 0};
            const Image pic = bmp(name(p.icon, false));
            const Rect box{r.x + 1, r.y + 1, pic.w - 2, pic.h - 2};
            EXPECT_GE(a.size(), 12u) << at << " is too small to see";
            for (int q : a) {
                if (!inside(box, q % 800, q / 800)) {
                    ADD_FAILURE() << at << " is not closed: it reaches " << where(q % 800, q / 800);
                    break;
                }
            }
            // The ring round it: never a colour a flood could bring, never the sample line.
            for (int q : a)
                for (int n : {q - 1, q + 1, q - 800, q + 800}) {
                    if (a.count(n))
                        continue;
                    const uint32_t c = before.px[size_t(n)];
                    if (flooded.count(c) || line.count(n)) {
                        ADD_FAILURE() << at << " touches " << where(n % 800, n / 800) << " of colour " << hex(c)
                                      << (line.count(n) ? " under the sample line" : " that a flood may bring");
                        break;
                    }
                }
        }
        for (size_t i = 0; i < areas.size(); ++i)
            for (size_t j = i + 1; j < areas.size(); ++j)
                if (kSpots[i].fill != kSpots[j].fill || kSpots[i].icon != kSpots[j].icon) {
                    EXPECT_TRUE(std::none_of(areas[i].begin(), areas[i].end(), [&](int q) { return areas[j].count(q) > 0; }))
                        << "areas at " << where(kSpots[i].x, kSpots[i].y) << " and " << where(kSpots[j].x, kSpots[j].y) << " are one";
                }
        std::set<int> all(line);
        for (const auto& a : areas)
            all.insert(a.begin(), a.end());
        int width = 3;
        for (const auto& st : steps) {
            const uint32_t pen = colours[size_t(st[0])], fill = shade(colours[size_t(st[1])]);
            if (st[2] != width) {
                width = st[2];
                s.blit(bmp(name(1, false)), pos[0].first, pos[0].second);
            }
            sample_line(s, width, pen);
            for (const Spot& p : kSpots) {
                const auto [x, y] = point(p);
                flood(s, x, y, p.fill ? fill : pen);
            }
            const std::string pick = "pen " + hex(pen) + ", fill " + hex(fill) + ", width " + std::to_string(width);
            for (size_t i = 0; i < areas.size(); ++i) {
                const auto [x, y] = point(kSpots[i]);
                EXPECT_EQ(s.at(x, y), kSpots[i].fill ? fill : pen) << pick << ": " << where(x, y) << " not recoloured";
                EXPECT_EQ(region(s.img, x, y), areas[i]) << pick << ": the area at " << where(x, y) << " changed its shape";
            }
            int changed = 0;
            for (size_t i = 0; i < s.img.px.size(); ++i)
                changed += !all.count(int(i)) && s.img.px[i] != before.px[i];
            EXPECT_EQ(changed, 0) << pick << ": pixels outside the areas and the sample changed";
        }
    }
}

// BACK.BMP and FOTO.BMP are laid at fixed points over the screen.
TEST_F(PaintScreen, BackAndAlbumLightUpWithoutSeams)
{
    const Image bg = bmp("BG.BMP");
    const struct {
        const char* file;
        int x, y;
        Rect hot;
    } cases[] = {{"BACK.BMP", 0, 561, {5, 565, 71, 31}}, {"FOTO.BMP", 744, 560, {745, 560, 51, 41}}};
    for (const auto& c : cases) {
        const Image lit = bmp(c.file);
        ASSERT_GT(lit.w, 0) << c.file;
        const Rect r{c.x, c.y, lit.w, lit.h};
        SCOPED_TRACE(std::string(c.file) + " at " + str(r));
        EXPECT_TRUE(contains(Rect{0, 0, 800, 600}, r)) << "leaves the screen";
        EXPECT_TRUE(contains(r, on_screen(c.hot))) << "does not cover its hot area";
        EXPECT_EQ(edge_seam(lit, bg, c.x, c.y), "");
        EXPECT_GT(differing_pixels(lit, bg, c.x, c.y), lit.w * lit.h / 6) << "hardly lights up";
    }
}

TEST_F(PaintScreen, QuestionPanelFitsAndTalks)
{
    const Image panel = bmp("OST/OTAZKA.BMP"), yes = bmp("OST/ANO_1.BMP"), no = bmp("OST/NE_1.BMP");
    const Image strip = bmp("OST/BAFO_ANI.BMP");
    ASSERT_GT(panel.w, 0);
    ASSERT_GT(strip.w, 0);
    const uint32_t key = panel.at(0, 0);
    // The painting screen and the album lay it at these points.
    for (const Rect& at : {Rect{356, 425, panel.w, panel.h}, Rect{166, 417, panel.w, panel.h}})
        EXPECT_TRUE(contains(Rect{0, 0, 800, 600}, at)) << "the panel at " << str(at) << " leaves the screen";
    const struct {
        const char* what;
        Rect r;
    } solid[] = {{"yes button", {30, 15, 41, 36}},  {"no button", {30, 75, 41, 26}},     {"lit yes", {24, 12, yes.w, yes.h}},
                 {"lit no", {24, 71, no.w, no.h}}, {"mouth", {86, 16, strip.w / 4, strip.h}}};
    for (const auto& s : solid) {
        ASSERT_TRUE(contains(Rect{0, 0, panel.w, panel.h}, s.r)) << s.what << " " << str(s.r) << " is off the panel";
        int holes = 0;
        for (int y = s.r.y; y < s.r.y + s.r.h; ++y)
            for (int x = s.r.x; x < s.r.x + s.r.w; ++x)
                holes += panel.at(x, y) == key;
        EXPECT_EQ(holes, 0) << s.what << " has see-through pixels";
    }
    size_t opaque = 0;
    for (uint32_t c : panel.px)
        opaque += c != key;
    EXPECT_GT(opaque, panel.px.size() * 3 / 4) << "the panel is mostly see-through";
    // Highlights: over the panel without a seam, and visibly lit.
    for (const auto& [lit, x, y] : {std::tuple{yes, 24, 12}, std::tuple{no, 24, 71}}) {
        EXPECT_EQ(edge_seam(lit, panel, x, y), "") << "highlight at " << where(x, y);
        EXPECT_GT(differing_pixels(lit, panel, x, y), lit.w * lit.h / 6) << "highlight at " << where(x, y);
    }
    // Four mouth frames; the first is the panel itself, the others move the mouth.
    ASSERT_EQ(strip.w % 4, 0);
    const std::vector<Image> frames = strip_frames(strip, 4);
    EXPECT_EQ(differing_pixels(frames[0], panel, 86, 16), 0) << "frame 0 is not the panel's own face";
    for (int f = 1; f < 4; ++f) {
        EXPECT_EQ(edge_seam(frames[size_t(f)], panel, 86, 16), "") << "frame " << f;
        for (int g = 0; g < f; ++g)
            EXPECT_GT(differing_pixels(frames[size_t(f)], frames[size_t(g)], 0, 0), 20) << "frames " << g << " and " << f << " show the same mouth";
    }
}

}  // namespace

// The jukebox's data checked the way its window uses it: labels laid on each
// of the twelve records, lit icons over their places, and Bafo's question
// panel at both places the window lays it.
#include "check.h"
#include "datagen.h"

#include "image_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace datagen_test;

constexpr const char* kDir = "BAFO_CS/MUSIC/JUKEBOX/";
constexpr int kW = 315, kH = 325;

void generate(const fs::path& root)
{
    for (auto& g : datagen::all_generators())
        if (g.name == "jukebox")
            g.run(root);
}

class Jukebox : public TreeSuite<generate> {
protected:
    static Image bmp(const std::string& name) { return load_bmp(*root_ / kDir / name); }
    static Rect record(int i) { return Rect{25 + 70 * (i % 4), 20 + 70 * (i / 4), 66, 61}; }
    static std::pair<int, int> label_at(int i) { return {46 + 70 * (i % 4), 40 + 70 * (i / 4)}; }
};

std::string where(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

// How colourful a picture is on average: the spread between its strongest
// and weakest channel.
double colourfulness(const Image& img)
{
    double sum = 0;
    for (uint32_t c : img.px) {
        const int r = int(c >> 16), g = int((c >> 8) & 0xFF), b = int(c & 0xFF);
        sum += std::max({r, g, b}) - std::min({r, g, b});
    }
    return img.px.empty() ? 0 : sum / double(img.px.size());
}

TEST_F(Jukebox, EveryFileIsThereWithItsSize)
{
    std::vector<datagen::Expect> all;
    for (auto& g : datagen::all_generators())
        if (g.name == "jukebox")
            g.expect(all);
    // Background, two labels, three lit icons, the chosen-record glow, the panel's four pictures.
    ASSERT_EQ(all.size(), 1u + 2 + 3 + 1 + 4);
    for (const auto& problem : datagen::check_tree(*root_, all))
        ADD_FAILURE() << problem;
    const Image bg = bmp("JB_BG1.BMP");
    EXPECT_EQ(bg.w, kW);
    EXPECT_EQ(bg.h, kH);
}

TEST_F(Jukebox, LabelsSitOnEveryRecordAndFullOnesStandOut)
{
    const Image bg = bmp("JB_BG1.BMP"), full = bmp("JB_STRED.BMP"), empty = bmp("JB_STRNO.BMP");
    ASSERT_GT(full.w, 0);
    ASSERT_EQ(full.w, empty.w);
    ASSERT_EQ(full.h, empty.h);
    for (int i = 0; i < 12; ++i) {
        const auto [x, y] = label_at(i);
        SCOPED_TRACE("record " + std::to_string(i) + ", label at " + where(x, y));
        EXPECT_TRUE(contains(record(i), Rect{x, y, full.w, full.h})) << "the label leaves the record " << str(record(i));
        EXPECT_EQ(edge_seam(full, bg, x, y), "") << "full label";
        EXPECT_EQ(edge_seam(empty, bg, x, y), "") << "empty label";
        // The window starts with every record empty.
        EXPECT_EQ(differing_pixels(empty, bg, x, y), 0) << "the background does not show the empty label";
    }
    EXPECT_GT(differing_pixels(full, empty, 0, 0), full.w * full.h / 3) << "full and empty labels look alike";
    EXPECT_GT(colourfulness(full), 3 * colourfulness(empty) + 30)
        << "full " << colourfulness(full) << ", empty " << colourfulness(empty);
}

TEST_F(Jukebox, LitIconsCoverTheirPlacesWithoutASeam)
{
    const Image bg = bmp("JB_BG1.BMP");
    const struct {
        const char* file;
        Rect hot;
        int x, y;
    } cases[] = {{"JB_COIN1.BMP", {30, 230, 51, 86}, 27, 225},
                 {"JB_ULOZ.BMP", {100, 245, 81, 46}, 96, 243},
                 {"JB_SMAZ.BMP", {200, 245, 81, 51}, 194, 243}};
    std::vector<Rect> placed;
    for (const auto& c : cases) {
        const Image lit = bmp(c.file);
        ASSERT_GT(lit.w, 0) << c.file;
        const Rect r{c.x, c.y, lit.w, lit.h};
        SCOPED_TRACE(std::string(c.file) + " at " + str(r));
        EXPECT_TRUE(contains(Rect{0, 0, kW, kH}, r)) << "leaves the window";
        EXPECT_TRUE(contains(r, c.hot)) << "does not cover its hot area " << str(c.hot);
        EXPECT_EQ(edge_seam(lit, bg, c.x, c.y), "");
        EXPECT_GT(differing_pixels(lit, bg, c.x, c.y), lit.w * lit.h / 6) << "hardly lights up";
        for (const Rect& o : placed)
            EXPECT_FALSE(r.x < o.x + o.w && o.x < r.x + r.w && r.y < o.y + o.h && o.y < r.y + r.h)
                << "overlaps " << str(o) << ": restoring one would wipe the other";
        placed.push_back(r);
        for (int i = 0; i < 12; ++i) {
            const Rect d = record(i);
            EXPECT_FALSE(r.x < d.x + d.w && d.x < r.x + r.w && r.y < d.y + d.h && d.y < r.y + r.h)
                << "covers record " << i;
        }
    }
    const Image glow = bmp("JB_SWIT1.BMP");
    EXPECT_EQ(edge_seam(glow, bg, record(0).x, record(0).y), "") << "JB_SWIT1.BMP on record 0";
}

TEST_F(Jukebox, QuestionPanelFitsTheWindowAndTalks)
{
    const Image bg = bmp("JB_BG1.BMP");
    const Image panel = bmp("OTAZKA.BMP"), yes = bmp("ANO_1.BMP"), no = bmp("NE_1.BMP");
    const Image strip = bmp("BAFO_ANI.BMP");
    ASSERT_GT(panel.w, 0);
    ASSERT_GT(strip.w, 0);
    const uint32_t key = panel.at(0, 0);
    // Store asks at (80, 106), delete at (120, 106).
    for (const Rect& at : {Rect{80, 106, panel.w, panel.h}, Rect{120, 106, panel.w, panel.h}})
        EXPECT_TRUE(contains(Rect{0, 0, kW, kH}, at)) << "the panel at " << str(at) << " leaves the window";
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
    // The key colour must not turn up in the window, or the panel's surround would show through wrongly.
    size_t key_in_bg = 0;
    for (uint32_t c : bg.px)
        key_in_bg += c == key;
    EXPECT_EQ(key_in_bg, 0u) << "the background holds the panel's key colour " << hex(key);
    size_t opaque = 0;
    for (uint32_t c : panel.px)
        opaque += c != key;
    EXPECT_GT(opaque, panel.px.size() * 3 / 4) << "the panel is mostly see-through";
    for (const auto& [lit, x, y] : {std::tuple{yes, 24, 12}, std::tuple{no, 24, 71}}) {
        EXPECT_EQ(edge_seam(lit, panel, x, y), "") << "highlight at " << where(x, y);
        EXPECT_GT(differing_pixels(lit, panel, x, y), lit.w * lit.h / 6) << "highlight at " << where(x, y);
    }
    // Four mouth frames laid at (86, 16); the first is the panel's own face.
    ASSERT_EQ(strip.w % 4, 0);
    const std::vector<Image> frames = strip_frames(strip, 4);
    EXPECT_EQ(differing_pixels(frames[0], panel, 86, 16), 0) << "frame 0 is not the panel's own face";
    for (int f = 1; f < 4; ++f) {
        EXPECT_EQ(edge_seam(frames[size_t(f)], panel, 86, 16), "") << "frame " << f;
        for (int g = 0; g < f; ++g)
            EXPECT_GT(differing_pixels(frames[size_t(f)], frames[size_t(g)], 0, 0), 20)
                << "frames " << g << " and " << f << " show the same mouth";
    }
}

}  // namespace

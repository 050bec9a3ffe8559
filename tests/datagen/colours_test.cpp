// Pictures written with a palette: what must stay exact (flat art, the
// transparent magenta, colours the program compares) and how far a gradient
// may move, read back through the program's own loader.
#include "colours.h"
#include "datagen.h"

#include "image_support.h"

#include "platform/bitmap_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using namespace datagen_test;

constexpr uint32_t kMagenta = 0xFF00FF;

uint32_t rgb(int r, int g, int b) { return uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b); }

struct Picture {
    const char* name;
    int w, h;
    std::function<uint32_t(int, int)> at;
    bool reduced;       // written through write_bmp_reduced
    int bits;           // what the file must be
    bool exact;         // every pixel as drawn
    int flat_from_x;    // pixels left of this are flat art (kept exactly); 0 when none
};

// A soft shaded sky over the right part, flat shapes and a magenta hole on the left.
uint32_t scene(int x, int y)
{
    if (x < 100) {
        if (y < 40)
            return kMagenta;
        if (y < 120)
            return rgb(0xF2, 0x8C, 0x28);  // Bafo's orange
        if (x < 50)
            return rgb(0x20, 0x60, 0xC0);
        return rgb(0x33, 0xAA, 0x44);
    }
    const double t = double(x - 100) / 300, u = double(y) / 200;
    return rgb(int(40 + 200 * t), int(90 + 120 * u), int(230 - 60 * t * u));
}

TEST(Colours, PicturesKeepWhatMustStayExactAndGradientsStayClose)
{
    const Picture pictures[] = {
        {"two hundred colours", 20, 10, [](int x, int y) { return rgb(x * 12, y * 25, 7); }, false, 8, true, 0},
        {"three hundred colours", 30, 10, [](int x, int y) { return rgb(x * 8, y * 25, 9); }, false, 24, true, 0},
        {"a gradient kept whole", 400, 200, scene, false, 24, true, 0},
        {"flat, reduced", 200, 100, [](int x, int y) { return (x / 20 + y / 20) % 2 ? kMagenta : rgb(1, 2, 3); }, true, 8, true, 0},
        {"flat shapes beside a gradient, reduced", 400, 200, scene, true, 8, false, 100},
        {"an odd width, reduced", 131, 127, [](int x, int y) { return rgb(x, y, (x + y) / 2); }, true, 8, false, 0},
    };
    char dir_template[] = "/tmp/colours-XXXXXX";
    ASSERT_NE(mkdtemp(dir_template), nullptr);
    const fs::path dir = dir_template;
    for (const Picture& p : pictures) {
        std::vector<uint32_t> px;
        for (int y = 0; y < p.h; ++y)
            for (int x = 0; x < p.w; ++x)
                px.push_back(p.at(x, y));
        const fs::path file = dir / "P.BMP";
        std::vector<uint32_t> written = px;
        if (p.reduced)
            written = datagen::write_bmp_reduced(file, p.w, p.h, px);
        else
            datagen::write_bmp(file, p.w, p.h, px);
        EXPECT_EQ(bmp_bits(file), p.bits) << p.name;

        // The program's loader and ours must read the same pixels.
        bafo::Surface s;
        ASSERT_EQ(bafo::load_bitmap(file.string(), s), bafo::kBitmapOk) << p.name;
        ASSERT_EQ(s.width(), p.w) << p.name;
        ASSERT_EQ(s.height(), p.h) << p.name;
        const Image ours = load_bmp(file);

        double error = 0;
        int worst = 0, moved_flat = 0, new_magenta = 0, mismatched = 0;
        for (int y = 0; y < p.h; ++y)
            for (int x = 0; x < p.w; ++x) {
                const uint32_t want = px[size_t(y) * size_t(p.w) + size_t(x)];
                const uint32_t got = s.pixel(x, y) & 0xFFFFFF;
                mismatched += got != ours.px[size_t(y) * size_t(p.w) + size_t(x)] ||
                              got != written[size_t(y) * size_t(p.w) + size_t(x)];
                for (int k = 0; k < 3; ++k) {
                    const int d = std::abs(int((got >> (8 * k)) & 0xFF) - int((want >> (8 * k)) & 0xFF));
                    error += d;
                    worst = std::max(worst, d);
                }
                moved_flat += x < p.flat_from_x && got != want;
                new_magenta += got == kMagenta && want != kMagenta;
                if (want == kMagenta && got != kMagenta)
                    ADD_FAILURE() << p.name << ": magenta lost at " << x << "," << y << " -> " << hex(got);
            }
        error /= 3.0 * p.w * p.h;
        EXPECT_EQ(mismatched, 0) << p.name << ": the program's loader, the test's and the pixels returned disagree";
        EXPECT_EQ(new_magenta, 0) << p.name << ": pixels turned transparent";
        EXPECT_EQ(moved_flat, 0) << p.name << ": flat art changed";
        if (p.exact)
            EXPECT_EQ(worst, 0) << p.name;
        else {
            EXPECT_LT(error, 2.0) << p.name << ": mean error per channel";
            EXPECT_LE(worst, 24) << p.name << ": worst channel error";
        }
    }
    fs::remove_all(dir);
}

TEST(Colours, ReducedIndexesStayInsideThePalette)
{
    // Noise: every pixel its own colour, the worst case for the palette.
    std::vector<uint32_t> px;
    uint32_t seed = 12345;
    for (int i = 0; i < 160 * 120; ++i) {
        seed = seed * 1664525u + 1013904223u;
        px.push_back(seed >> 8 & 0xFFFFFF);
    }
    const datagen::Indexed ix = datagen::reduce_colours(160, 120, px);
    ASSERT_LE(ix.palette.size(), 256u);
    ASSERT_EQ(ix.index.size(), px.size());
    for (size_t i = 0; i < px.size(); ++i) {
        ASSERT_LT(ix.index[i], ix.palette.size()) << "pixel " << i;
        ASSERT_NE(ix.palette[ix.index[i]], kMagenta) << "pixel " << i << " was " << hex(px[i]);
    }
    EXPECT_TRUE(datagen::index_exactly(px).palette.empty());
}

}  // namespace

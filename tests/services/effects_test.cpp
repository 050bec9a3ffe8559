// The image effects, pixel by pixel on small surfaces.
#include "services/effects.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace bafo;

namespace {

std::string dump(const Surface& s)
{
    std::ostringstream o;
    o << std::hex;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x)
            o << (s.pixel(x, y) & kRgbMask) << ' ';
        o << '\n';
    }
    return o.str();
}

}  // namespace

TEST(Effects, GreyWeighsTheColoursLikeTheEye)
{
    struct Case {
        uint32_t colour;
        uint32_t grey;
    } cases[] = {{0xFFFFFF, 255}, {0x000000, 0}, {0xFF0000, 77}, {0x00FF00, 149},
                 {0x0000FF, 29},  {0x6496C8, 141}, {0x808080, 128}};
    for (const auto& c : cases) {
        Surface src(3, 3, c.colour), dst(5, 4, 0x123456);
        FoxGreyScale(dst, 1, 1, 3, 3, src, 0, 0);
        EXPECT_EQ(dst.pixel(2, 2) & kRgbMask, c.grey << 16 | c.grey << 8 | c.grey) << std::hex << c.colour;
        EXPECT_EQ(dst.pixel(0, 0), 0x123456u) << "outside the rectangle";
        EXPECT_EQ(dst.pixel(4, 3), 0x123456u) << "outside the rectangle";
    }
    // The source rectangle is the one at (sx, sy); the destination's edges clip.
    Surface src = test::pattern(6, 6, 1), dst(4, 4, 0);
    FoxGreyScale(dst, 2, 2, 4, 4, src, 1, 1);
    Surface want(4, 4, 0);
    FoxGreyScale(want, 2, 2, 2, 2, src.crop({1, 1, 2, 2}), 0, 0);
    EXPECT_TRUE(dst.same_pixels(want)) << dump(dst) << "vs\n" << dump(want);
}

TEST(Effects, BlendLeavesTheKeyOutAndMixesBelowFullOpacity)
{
    const uint32_t magenta = 255 + 65536 * 255;  // packed: red + 256 green + 65536 blue
    Surface src(3, 1);
    src.set_pixel(0, 0, 0xFF00FF);  // the key
    src.set_pixel(1, 0, 0xC86432);
    src.set_pixel(2, 0, 0x000000);
    struct Case {
        int opacity;
        uint32_t at1, at2;
    } cases[] = {{255, 0xC86432, 0x000000}, {0, 0x646464, 0x646464}, {128, 0x96644B, 0x323232}};
    for (const auto& c : cases) {
        Surface dst(3, 1, 0x646464);
        FoxAlphaBlend(dst, 0, 0, 3, 1, src, 0, 0, c.opacity, magenta, 1);
        EXPECT_EQ(dst.pixel(0, 0) & kRgbMask, 0x646464u) << "opacity " << c.opacity << ": the key colour was drawn";
        EXPECT_EQ(dst.pixel(1, 0) & kRgbMask, c.at1) << "opacity " << c.opacity;
        EXPECT_EQ(dst.pixel(2, 0) & kRgbMask, c.at2) << "opacity " << c.opacity;
    }
    // A garment hanging over every edge is clipped, never written outside.
    Surface garment(6, 6, 0x2080FF), dst(4, 4, 0x111111);
    garment.fill({0, 0, 6, 1}, 0xFF00FF);
    FoxAlphaBlend(dst, -2, -1, 6, 6, garment, 0, 0, 255, magenta, 1);
    Surface want(4, 4, 0x2080FF);
    EXPECT_TRUE(dst.same_pixels(want)) << dump(dst);
    FoxAlphaBlend(dst, 3, 3, 6, 6, Surface(6, 6, 0x00FF00), 0, 0, 255, magenta, 1);
    EXPECT_EQ(dst.pixel(3, 3) & kRgbMask, 0x00FF00u);
    EXPECT_EQ(dst.pixel(2, 3) & kRgbMask, 0x2080FFu);
}

TEST(Effects, RotationIsExactAtRightAngles)
{
    // A 4 × 2 source with every pixel different, turned about the centre of a 6 × 6 destination.
    const Surface src = test::pattern(4, 2, 7);
    struct Case {
        double angle;
        int w, h;  // the turned picture
        // Which source pixel lands at (col, row) of the turned picture.
        Point (*from)(int col, int row);
    } cases[] = {
        {0, 4, 2, [](int c, int r) { return Point{c, r}; }},
        {90, 2, 4, [](int c, int r) { return Point{r, 1 - c}; }},
        {180, 4, 2, [](int c, int r) { return Point{3 - c, 1 - r}; }},
        {270, 2, 4, [](int c, int r) { return Point{3 - r, c}; }},
        {-90, 2, 4, [](int c, int r) { return Point{3 - r, c}; }},
        {450, 2, 4, [](int c, int r) { return Point{r, 1 - c}; }},
    };
    for (const auto& c : cases) {
        Surface dst(6, 6, 0xABCDEF);
        FoxRotate(dst, 3, 3, 4, 2, src, 0, 0, c.angle);
        Surface want(6, 6, 0xABCDEF);
        for (int row = 0; row < c.h; ++row)
            for (int col = 0; col < c.w; ++col) {
                const Point p = c.from(col, row);
                want.set_pixel(3 - c.w / 2 + col, 3 - c.h / 2 + row, src.pixel(p.x, p.y));
            }
        EXPECT_TRUE(dst.same_pixels(want)) << c.angle << " degrees:\n" << dump(dst) << "wanted\n" << dump(want);
    }
    // Any other angle: the middle stays in the middle and nothing is drawn outside the turned picture.
    Surface big(40, 40, 0);
    Surface square(20, 20, 0x00FF00);
    square.fill({8, 8, 4, 4}, 0xFF0000);
    FoxRotate(big, 20, 20, 20, 20, square, 0, 0, 30);
    EXPECT_EQ(big.pixel(20, 20) & kRgbMask, 0xFF0000u);
    EXPECT_EQ(big.pixel(20, 5) & kRgbMask, 0u) << "drawn beyond the turned square";
    EXPECT_EQ(big.pixel(20, 11) & kRgbMask, 0x00FF00u);
}

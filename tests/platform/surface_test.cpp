#include "platform/bitmap_file.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/surface.h"
#include "test_support.h"

#include <SDL.h>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

using namespace bafo;
using bafo::test::pattern;
using bafo::test::TempDir;

TEST(Surface, BlitClipsOnEverySide)
{
    struct Case {
        Rect from;
        int dx, dy;
        Rect changed;  // in the 10 × 10 destination
    } cases[] = {
        {{0, 0, 4, 4}, 2, 2, {2, 2, 4, 4}},     {{0, 0, 4, 4}, -2, -1, {0, 0, 2, 3}},
        {{0, 0, 4, 4}, 8, 9, {8, 9, 2, 1}},     {{-2, -2, 4, 4}, 0, 0, {2, 2, 2, 2}},
        {{6, 6, 10, 10}, 0, 0, {0, 0, 2, 2}},   {{0, 0, 4, 4}, 20, 20, {0, 0, 0, 0}},
    };
    const Surface src = pattern(8, 8, 7);
    for (const auto& c : cases) {
        Surface dst(10, 10, 0x123456);
        dst.blit(src, c.from, c.dx, c.dy);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                bool in = c.changed.contains(x, y);
                uint32_t want = in ? src.pixel(x - c.dx + c.from.x, y - c.dy + c.from.y) : 0x123456;
                ASSERT_EQ(dst.pixel(x, y), want) << "from " << c.from.x << "," << c.from.y << " " << c.from.w
                                                 << "x" << c.from.h << " to " << c.dx << "," << c.dy
                                                 << " at pixel " << x << "," << y;
            }
    }
}

TEST(Surface, OverlappingCopyWithinOneSurface)
{
    Surface s = pattern(20, 1, 3);
    Surface before = s;
    s.blit(s, {0, 0, 10, 1}, 5, 0);
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(s.pixel(x + 5, 0), before.pixel(x, 0)) << x;
}

// Reference: exact area average in double precision.
static uint32_t reference_average(const Surface& src, double x0, double y0, double x1, double y1)
{
    double sum[3] = {0, 0, 0}, area = 0;
    for (int y = int(std::floor(y0)); y < int(std::ceil(y1)); ++y)
        for (int x = int(std::floor(x0)); x < int(std::ceil(x1)); ++x) {
            double w = (std::min(x1, x + 1.0) - std::max(x0, double(x))) * (std::min(y1, y + 1.0) - std::max(y0, double(y)));
            uint32_t p = src.pixel(x, y);
            sum[0] += w * ((p >> 16) & 0xFF);
            sum[1] += w * ((p >> 8) & 0xFF);
            sum[2] += w * (p & 0xFF);
            area += w;
        }
    auto ch = [&](int i) { return uint32_t(std::lround(sum[i] / area)); };
    return ch(0) << 16 | ch(1) << 8 | ch(2);
}

TEST(Surface, StretchIsAnAreaAverage)
{
    struct Case {
        int sw, sh, dw, dh;
    } cases[] = {{640, 480, 168, 125}, {640, 480, 160, 120}, {100, 50, 33, 17}, {7, 5, 14, 10}, {3, 3, 1, 1}};
    for (const auto& c : cases) {
        Surface src = pattern(c.sw, c.sh, 11);
        Surface dst(c.dw, c.dh);
        dst.stretch(src, src.rect(), dst.rect());
        int worst = 0;
        for (int y = 0; y < c.dh; ++y)
            for (int x = 0; x < c.dw; ++x) {
                double fx = double(c.sw) / c.dw, fy = double(c.sh) / c.dh;
                uint32_t want = reference_average(src, x * fx, y * fy, (x + 1) * fx, (y + 1) * fy);
                uint32_t got = dst.pixel(x, y);
                for (int sh : {0, 8, 16})
                    worst = std::max(worst, std::abs(int((got >> sh) & 0xFF) - int((want >> sh) & 0xFF)));
            }
        EXPECT_LE(worst, 1) << c.sw << "x" << c.sh << " -> " << c.dw << "x" << c.dh;
    }
    // Flat colours stay exact.
    Surface flat(640, 480, 0x8FD3F4), small(168, 125);
    small.stretch(flat, flat.rect(), small.rect());
    EXPECT_TRUE(small.same_pixels(Surface(168, 125, 0x8FD3F4)));
}

TEST(Surface, TransparentCopy)
{
    const uint32_t key = 0xFF00FF;
    const Surface bg = pattern(30, 20, 1);
    struct Case {
        const char* name;
        Surface src;
    } cases[] = {{"all key", Surface(30, 20, key)}, {"no key", pattern(30, 20, 2)}, {"half", pattern(30, 20, 3)}};
    cases[2].src.fill({0, 0, 15, 20}, key);
    for (auto& c : cases) {
        Surface dst = bg;
        ASSERT_TRUE(transparent_copy(c.src, 30, 20, key, dst, dst)) << c.name;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x) {
                uint32_t want = c.src.pixel(x, y) == key ? bg.pixel(x, y) : c.src.pixel(x, y);
                ASSERT_EQ(dst.pixel(x, y), want) << c.name << " at " << x << "," << y;
            }
    }
    // Sizes that do not fit leave the destination alone.
    Surface dst = bg;
    EXPECT_FALSE(transparent_copy(pattern(40, 20, 4), 40, 20, key, bg, dst));
    EXPECT_FALSE(transparent_copy(pattern(30, 20, 4), 0, 20, key, bg, dst));
    EXPECT_TRUE(dst.same_pixels(bg));
    // The spare byte does not count: Cairo writes 0xFF there.
    Surface cairo_key(2, 1);
    cairo_key.row(0)[0] = 0xFFFF00FF;
    cairo_key.row(0)[1] = 0x00FF00FF;
    Mask m;
    ASSERT_TRUE(make_mask(cairo_key, 2, 1, m, key));
    EXPECT_TRUE(m.at(0, 0) && m.at(1, 0));
}

TEST(Surface, FloodFillIsFourConnected)
{
    // A one-pixel diagonal line: 8-connectivity would leak through it.
    Surface s(20, 20, 0xFFFFFF);
    for (int i = 0; i < 20; ++i)
        s.set_pixel(i, 19 - i, 0);
    long n = flood_fill(s, 0, 0, 0xFF0000);
    EXPECT_EQ(n, 190);
    EXPECT_EQ(s.pixel(19, 19), 0xFFFFFFu) << "fill leaked across the diagonal";
    EXPECT_EQ(flood_fill(s, 0, 0, 0xFF0000), 0) << "filling with the same colour changes nothing";
    EXPECT_EQ(flood_fill(s, -1, 5, 0x00FF00), 0);
    EXPECT_EQ(flood_fill(s, 5, 20, 0x00FF00), 0);
}

TEST(Draw, ShapesUseOnlyThePenAndFillColours)
{
    struct Case {
        const char* name;
        int width;
    } cases[] = {{"1 px", 1}, {"2 px", 2}, {"3 px", 3}, {"8 px", 8}};
    for (const auto& c : cases) {
        Surface s(100, 80, 0xFFFFFF);
        draw_line(s, 3, 4, 90, 70, Pen{0xFF0000, c.width});
        draw_ellipse(s, {10, 10, 50, 40}, Pen{0x00FF00, c.width}, 0x0000FF);
        draw_rectangle(s, {60, 5, 30, 30}, Pen{0x3B2A20, c.width});
        std::set<uint32_t> colours;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 100; ++x)
                colours.insert(s.pixel(x, y));
        EXPECT_LE(colours.size(), 5u) << c.name << ": antialiasing made in-between colours";
        // The rectangle's outline stays inside its frame.
        EXPECT_EQ(s.pixel(59, 20), 0xFFFFFFu) << c.name;
        EXPECT_EQ(s.pixel(60, 20), 0x3B2A20u) << c.name;
        EXPECT_EQ(s.pixel(89, 20), 0x3B2A20u) << c.name;
        EXPECT_EQ(s.pixel(90, 20), 0xFFFFFFu) << c.name;
    }
}

namespace {

// A 1-bit bitmap as the data generator writes the colouring pages: bottom-up
// rows padded to 32 bits, the most significant bit leftmost, palette entry 0
// black and 1 white.
std::string one_bit_bmp(const Surface& s)
{
    const uint32_t w = uint32_t(s.width()), h = uint32_t(s.height());
    const uint32_t row = (w + 31) / 32 * 4, data = row * h, offset = 54 + 8;
    std::string b;
    auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b.push_back(char((v >> (8 * i)) & 0xFF));
    };
    b += "BM";
    put(offset + data, 4);
    put(0, 4);
    put(offset, 4);
    put(40, 4);
    put(w, 4);
    put(h, 4);
    put(1, 2);
    put(1, 2);
    put(0, 4);
    put(data, 4);
    put(2835, 4);
    put(2835, 4);
    put(2, 4);
    put(2, 4);
    put(0x000000, 4);
    put(0xFFFFFF, 4);
    for (int y = int(h) - 1; y >= 0; --y) {
        std::string bits(row, '\0');
        for (uint32_t x = 0; x < w; ++x)
            if (s.pixel(int(x), y) == 0xFFFFFF)
                bits[x / 8] = char(uint8_t(bits[x / 8]) | (0x80u >> (x % 8)));
        b += bits;
    }
    return b;
}

}  // namespace

// The colouring pages are 1-bit: they must come back black and white, pixel for pixel.
TEST(BitmapFile, LoadsOneBitPagesPixelForPixel)
{
    TempDir d;
    // Widths around the 32-pixel row padding, and a page's own size.
    for (const auto& [w, h] : {std::pair{1, 1}, {7, 3}, {32, 2}, {33, 5}, {37, 9}, {640, 480}}) {
        Surface pic(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                pic.row(y)[x] = (x * 5 + y * 3 + x * y) % 7 < 3 ? 0x000000u : 0xFFFFFFu;
        test::write_file(d / "PAGE.BMP", one_bit_bmp(pic));
        Surface out;
        ASSERT_EQ(load_bitmap(d / "PAGE.BMP", out), kBitmapOk) << w << "x" << h;
        EXPECT_TRUE(out.same_pixels(pic)) << w << "x" << h << " did not load pixel for pixel";
    }
}

TEST(BitmapFile, LoadsWhatIsThereAndRefusesTheRest)
{
    TempDir d;
    const Surface pic = pattern(33, 17, 5);  // odd width: row padding
    ASSERT_TRUE(save_bitmap(d / "24.BMP", pic));
    // A 32-bit file as other tools write it.
    SDL_Surface* s32 = SDL_CreateRGBSurfaceWithFormat(0, 33, 17, 32, SDL_PIXELFORMAT_ARGB8888);
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 33; ++x)
            reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s32->pixels) + y * s32->pitch)[x] = 0xFF000000 | pic.pixel(x, y);
    SDL_SaveBMP(s32, (d / "32.BMP").c_str());
    SDL_FreeSurface(s32);
    std::string bytes = bafo::read_file(d / "24.BMP").value();
    test::write_file(d / "CUT.BMP", bytes.substr(0, 40));
    test::write_file(d / "HALF.BMP", bytes.substr(0, bytes.size() / 2));
    test::write_file(d / "TEXT.BMP", "Hello, this is no bitmap at all.");
    test::write_file(d / "EMPTY.BMP", "");
    auto patched = [&](size_t at, uint32_t v) {
        std::string b = bytes;
        for (int i = 0; i < 4; ++i)
            b[at + size_t(i)] = char(v >> (8 * i));
        return b;
    };
    test::write_file(d / "HUGE.BMP", patched(18, 100000));          // width
    test::write_file(d / "TALL.BMP", patched(22, 0x80000000u));     // height
    test::write_file(d / "PALETTE.BMP", patched(46, 1u << 20));     // colours used
    test::write_file(d / "SHORT.BMP", bytes.substr(0, bytes.size() - 1));
    // Found by fuzz/bitmap_fuzz: a one-bit picture whose header made SDL ask for 64 GiB.
    const unsigned char fuzz1[] = {
        0x42, 0x4d, 0x46, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x3e, 0x00, 0x00, 0x00,
        0x28, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x13, 0x0b, 0x00, 0x00, 0x13, 0x0b, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0xff, 0xff, 0xff, 0x00, 0xaa, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00};
    test::write_file(d / "FUZZ1.BMP", std::string(reinterpret_cast<const char*>(fuzz1), sizeof fuzz1));

    struct Case {
        const char* file;
        int err;
    } cases[] = {{"24.BMP", kBitmapOk}, {"32.BMP", kBitmapOk}, {"CUT.BMP", kBitmapInvalid},
                 {"HALF.BMP", kBitmapInvalid}, {"TEXT.BMP", kBitmapInvalid}, {"EMPTY.BMP", kBitmapInvalid},
                 {"HUGE.BMP", kBitmapInvalid}, {"TALL.BMP", kBitmapInvalid}, {"PALETTE.BMP", kBitmapInvalid},
                 {"SHORT.BMP", kBitmapInvalid}, {"FUZZ1.BMP", kBitmapInvalid},
                 {"NONE.BMP", kBitmapMissing}};
    for (const auto& c : cases) {
        Surface out(1, 1, 0xABCDEF);
        int err = load_bitmap(d / c.file, out);
        EXPECT_EQ(err, c.err) << c.file;
        if (c.err == kBitmapOk)
            EXPECT_TRUE(out.same_pixels(pic)) << c.file << " did not load pixel for pixel";
        else
            EXPECT_EQ(out.pixel(0, 0), 0xABCDEFu) << c.file << " changed the target on failure";
    }
}

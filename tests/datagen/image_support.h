// Reading the generator's bitmaps back in its tests, independently of the
// program's own loader.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include <unistd.h>

namespace datagen_test {

namespace fs = std::filesystem;

struct Image {
    int w = 0, h = 0;
    std::vector<uint32_t> px;  // 0x00RRGGBB, top row first
    uint32_t at(int x, int y) const { return px[size_t(y) * size_t(w) + size_t(x)]; }
};

struct Rect {
    int x, y, w, h;
};

inline std::string slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline uint32_t le(const std::string& s, size_t at, int n)
{
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = v << 8 | uint8_t(s[at + size_t(i)]);
    return v;
}

// 24-bit pictures and 1- or 8-bit ones with their palette, bottom-up rows.
inline Image load_bmp(const fs::path& p)
{
    const std::string s = slurp(p);
    Image img;
    const uint32_t bits = s.size() >= 54 ? le(s, 28, 2) : 0;
    if (s.size() < 54 || s.compare(0, 2, "BM") != 0 || (bits != 24 && bits != 8 && bits != 1) || le(s, 30, 4) != 0) {
        ADD_FAILURE() << p << " is not an uncompressed 24-, 8- or 1-bit bitmap";
        return img;
    }
    img.w = int(le(s, 18, 4));
    img.h = int(le(s, 22, 4));
    const size_t off = le(s, 10, 4);
    const size_t row = (size_t(img.w) * bits + 31) / 32 * 4;
    std::vector<uint32_t> palette;
    if (bits != 24) {
        const size_t at = 14 + le(s, 14, 4);
        const uint32_t most = 1u << bits;
        const uint32_t used = le(s, 46, 4) ? le(s, 46, 4) : most;
        if (used > most || at + 4 * used > off) {
            ADD_FAILURE() << p << " has no palette of at most " << most << " colours";
            img.w = img.h = 0;
            return img;
        }
        for (size_t i = 0; i < used; ++i)
            palette.push_back(le(s, at + 4 * i, 3));
    }
    if (s.size() < off + row * size_t(img.h)) {
        ADD_FAILURE() << p << " is cut short";
        img.w = img.h = 0;
        return img;
    }
    img.px.resize(size_t(img.w) * size_t(img.h));
    for (int y = 0; y < img.h; ++y) {
        const size_t r = off + row * size_t(img.h - 1 - y);
        for (int x = 0; x < img.w; ++x) {
            uint32_t& out = img.px[size_t(y) * size_t(img.w) + size_t(x)];
            if (bits == 24) {
                out = le(s, r + size_t(x) * 3, 3);
                continue;
            }
            const size_t i = bits == 8 ? uint8_t(s[r + size_t(x)]) : (uint8_t(s[r + size_t(x) / 8]) >> (7 - x % 8)) & 1;
            if (i >= palette.size()) {
                ADD_FAILURE() << p << " points past its palette at " << x << "," << y;
                img.w = img.h = 0;
                img.px.clear();
                return img;
            }
            out = palette[i];
        }
    }
    return img;
}

// The bits per pixel a bitmap file says it has.
inline int bmp_bits(const fs::path& p)
{
    const std::string s = slurp(p);
    return s.size() >= 54 ? int(le(s, 28, 2)) : 0;
}

inline std::string hex(uint32_t c)
{
    char b[16];
    std::snprintf(b, sizeof b, "%06X", c);
    return b;
}

inline std::string str(const Rect& r)
{
    return "(" + std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.w) + ", " +
           std::to_string(r.h) + ")";
}

// The part of a rectangle on the 800 x 600 screen.
inline Rect on_screen(const Rect& r)
{
    const int x0 = std::max(0, r.x), y0 = std::max(0, r.y);
    const int x1 = std::min(800, r.x + r.w), y1 = std::min(600, r.y + r.h);
    return Rect{x0, y0, x1 - x0, y1 - y0};
}

inline bool contains(const Rect& outer, const Rect& inner)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

inline bool inside(const Rect& r, int x, int y)
{
    return x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h;
}

inline double luminance(uint32_t c)
{
    return 0.299 * double(c >> 16) + 0.587 * double((c >> 8) & 0xFF) + 0.114 * double(c & 0xFF);
}

// How far apart two colours lie, red, green and blue as the axes.
inline double distance(uint32_t a, uint32_t b)
{
    double sum = 0;
    for (int s : {0, 8, 16}) {
        const double d = double((a >> s) & 0xFF) - double((b >> s) & 0xFF);
        sum += d * d;
    }
    return std::sqrt(sum);
}

// Where `part` laid at (px, py) over `whole` disagrees with it along its outer edge.
inline std::string edge_seam(const Image& part, const Image& whole, int px, int py)
{
    for (int y = 0; y < part.h; ++y)
        for (int x = 0; x < part.w; ++x) {
            if (x != 0 && y != 0 && x != part.w - 1 && y != part.h - 1)
                continue;
            const uint32_t a = part.at(x, y), b = whole.at(px + x, py + y);
            if (a != b)
                return "at (" + std::to_string(x) + ", " + std::to_string(y) + "): " + hex(a) + " instead of " + hex(b);
        }
    return {};
}

// Pixels of `part` laid at (px, py) that differ from `whole`, all of them or those within a rectangle.
inline int differing_pixels(const Image& part, const Image& whole, int px, int py, const Rect* within = nullptr)
{
    int n = 0;
    for (int y = 0; y < part.h; ++y)
        for (int x = 0; x < part.w; ++x)
            if (!within || inside(*within, px + x, py + y))
                n += part.at(x, y) != whole.at(px + x, py + y);
    return n;
}

// The n equal frames laid side by side in a strip, left to right.
inline std::vector<Image> strip_frames(const Image& strip, int n)
{
    const int fw = strip.w / n;
    std::vector<Image> frames(size_t(n), Image{fw, strip.h, {}});
    for (int f = 0; f < n; ++f)
        for (int y = 0; y < strip.h; ++y)
            for (int x = 0; x < fw; ++x)
                frames[size_t(f)].px.push_back(strip.at(f * fw + x, y));
    return frames;
}

// A test suite's own tree: made once by `Generate` in a private directory
// before the suite's first test, removed after its last.
template <void (*Generate)(const fs::path&)>
class TreeSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const std::string suite = ::testing::UnitTest::GetInstance()->current_test_suite()->name();
        root_ = new fs::path(fs::temp_directory_path() / ("bafo_" + suite + "_" + std::to_string(::getpid())));
        fs::remove_all(*root_);
        Generate(*root_);
    }
    static void TearDownTestSuite()
    {
        fs::remove_all(*root_);
        delete root_;
        root_ = nullptr;
    }
    static inline fs::path* root_ = nullptr;
};

}  // namespace datagen_test

// Reading the generator's bitmaps back in its tests, independently of the
// program's own loader.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

inline Image load_bmp(const fs::path& p)
{
    const std::string s = slurp(p);
    Image img;
    if (s.size() < 54 || s.compare(0, 2, "BM") != 0 || le(s, 28, 2) != 24) {
        ADD_FAILURE() << p << " is not a 24-bit bitmap";
        return img;
    }
    img.w = int(le(s, 18, 4));
    img.h = int(le(s, 22, 4));
    const size_t off = le(s, 10, 4);
    const size_t row = (size_t(img.w) * 3 + 3) & ~size_t(3);
    if (s.size() < off + row * size_t(img.h)) {
        ADD_FAILURE() << p << " is cut short";
        img.w = img.h = 0;
        return img;
    }
    img.px.resize(size_t(img.w) * size_t(img.h));
    for (int y = 0; y < img.h; ++y) {
        const size_t r = off + row * size_t(img.h - 1 - y);
        for (int x = 0; x < img.w; ++x)
            img.px[size_t(y) * size_t(img.w) + size_t(x)] = le(s, r + size_t(x) * 3, 3);
    }
    return img;
}

inline std::string hex(uint32_t c)
{
    char b[16];
    std::snprintf(b, sizeof b, "%06X", c);
    return b;
}

}  // namespace datagen_test

// 32-bit XRGB pixels in memory, and the copies, masks and fills the screens use.
// Pixels compare masked with 0x00FFFFFF: Cairo writes 0xFF into the spare byte.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace bafo {

constexpr uint32_t kRgbMask = 0x00FFFFFF;

// A packed colour as the screens write it: red + 256 × green + 65536 × blue.
constexpr uint32_t pixel_from_packed(uint32_t c)
{
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr uint32_t rgb(uint8_t r, uint8_t g, uint8_t b)
{
    return uint32_t(r) << 16 | uint32_t(g) << 8 | b;
}

struct Point {
    int x = 0, y = 0;
};

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
    bool empty() const { return w <= 0 || h <= 0; }
    Rect intersect(const Rect& o) const;
};

// The smallest rectangle holding both (an empty one adds nothing).
Rect unite(const Rect& a, const Rect& b);

class Surface {
public:
    Surface() = default;
    Surface(int w, int h, uint32_t fill = 0);

    int width() const { return m_w; }
    int height() const { return m_h; }
    bool empty() const { return m_w == 0 || m_h == 0; }
    Rect rect() const { return {0, 0, m_w, m_h}; }
    void resize(int w, int h, uint32_t fill = 0);

    uint32_t* row(int y) { return m_px.data() + size_t(y) * size_t(m_w); }
    const uint32_t* row(int y) const { return m_px.data() + size_t(y) * size_t(m_w); }
    uint32_t* data() { return m_px.data(); }
    const uint32_t* data() const { return m_px.data(); }
    int stride_bytes() const { return m_w * 4; }

    // Out-of-range reads give 0xFFFFFFFF (GDI's CLR_INVALID); writes are dropped.
    uint32_t pixel(int x, int y) const;
    void set_pixel(int x, int y, uint32_t c);

    // Copies src's rectangle `from` to (dx, dy); clipped on both sides.
    void blit(const Surface& src, const Rect& from, int dx, int dy);
    void blit(const Surface& src, int dx, int dy) { blit(src, src.rect(), dx, dy); }
    // Area-averaged reduction (or enlargement) of src's rectangle into `to`.
    void stretch(const Surface& src, const Rect& from, const Rect& to);
    void fill(const Rect& r, uint32_t c);
    void invert(const Rect& r);
    Surface crop(const Rect& r) const;

    // Exact pixel equality under the colour mask.
    bool same_pixels(const Surface& o) const;

private:
    int m_w = 0, m_h = 0;
    std::vector<uint32_t> m_px;
};

// One bit per pixel (one byte in memory): 1 where the source had the key colour.
class Mask {
public:
    Mask() = default;
    Mask(int w, int h) : m_w(w), m_h(h), m_bits(size_t(w) * size_t(h), 0) {}
    int width() const { return m_w; }
    int height() const { return m_h; }
    bool at(int x, int y) const { return m_bits[size_t(y) * size_t(m_w) + size_t(x)] != 0; }
    void set(int x, int y, bool v) { m_bits[size_t(y) * size_t(m_w) + size_t(x)] = v; }

private:
    int m_w = 0, m_h = 0;
    std::vector<uint8_t> m_bits;
};

// Fills `mask` (resized to w × h) with 1 where src equals `key`. False when
// w × h does not fit src or is empty.
bool make_mask(const Surface& src, int w, int h, Mask& mask, uint32_t key);

// dst(0,0..w,h) = src where src != key, bg where src == key. False (dst
// untouched) when the sizes do not allow it.
bool transparent_copy(const Surface& src, int w, int h, uint32_t key, const Surface& bg, Surface& dst);

// 4-connected flood fill from (x, y) over the pixels equal to the start
// pixel's colour; returns the number of pixels changed.
long flood_fill(Surface& s, int x, int y, uint32_t colour);

// The same walk, but calls `visit` for each pixel of the region instead of painting.
long flood_region(const Surface& s, int x, int y, const std::function<void(int, int)>& visit);

}  // namespace bafo

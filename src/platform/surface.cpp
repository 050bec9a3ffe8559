#include "platform/surface.h"

#include <algorithm>

namespace bafo {

Rect Rect::intersect(const Rect& o) const
{
    int x0 = std::max(x, o.x), y0 = std::max(y, o.y);
    int x1 = std::min(x + w, o.x + o.w), y1 = std::min(y + h, o.y + o.h);
    if (x1 <= x0 || y1 <= y0)
        return {x0, y0, 0, 0};
    return {x0, y0, x1 - x0, y1 - y0};
}

Rect unite(const Rect& a, const Rect& b)
{
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    const int l = std::min(a.x, b.x), t = std::min(a.y, b.y);
    const int r = std::max(a.x + a.w, b.x + b.w), bo = std::max(a.y + a.h, b.y + b.h);
    return {l, t, r - l, bo - t};
}

Surface::Surface(int w, int h, uint32_t fill_colour)
{
    resize(w, h, fill_colour);
}

void Surface::resize(int w, int h, uint32_t fill_colour)
{
    m_w = std::max(0, w);
    m_h = std::max(0, h);
    m_px.assign(size_t(m_w) * size_t(m_h), fill_colour);
}

uint32_t Surface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_w || y >= m_h)
        return 0xFFFFFFFF;
    return row(y)[x] & kRgbMask;
}

void Surface::set_pixel(int x, int y, uint32_t c)
{
    if (x >= 0 && y >= 0 && x < m_w && y < m_h)
        row(y)[x] = c & kRgbMask;
}

void Surface::blit(const Surface& src, const Rect& from, int dx, int dy)
{
    Rect s = from.intersect(src.rect());
    dx += s.x - from.x;
    dy += s.y - from.y;
    Rect d = Rect{dx, dy, s.w, s.h}.intersect(rect());
    if (d.empty())
        return;
    int sx = s.x + (d.x - dx), sy = s.y + (d.y - dy);
    if (&src == this) {
        // Overlapping copy within one surface: go through a temporary.
        Surface tmp = src.crop({sx, sy, d.w, d.h});
        blit(tmp, tmp.rect(), d.x, d.y);
        return;
    }
    for (int y = 0; y < d.h; ++y)
        std::copy_n(src.row(sy + y) + sx, d.w, row(d.y + y) + d.x);
}

namespace {

// For each destination index, the source indices and their overlap weights.
// Source pixel i spans [i*dn, (i+1)*dn), destination j spans [j*sn, (j+1)*sn):
// every destination pixel's weights add up to sn.
struct Span {
    int first = 0;
    std::vector<uint32_t> weights;
};

std::vector<Span> spans(int sn, int dn)
{
    auto out = std::vector<Span>(size_t(dn));
    for (int j = 0; j < dn; ++j) {
        long lo = long(j) * sn, hi = long(j + 1) * sn;
        int i0 = int(lo / dn), i1 = int((hi - 1) / dn);
        out[size_t(j)].first = i0;
        for (int i = i0; i <= i1; ++i) {
            long a = std::max(lo, long(i) * dn), b = std::min(hi, long(i + 1) * dn);
            out[size_t(j)].weights.push_back(uint32_t(b - a));
        }
    }
    return out;
}

}  // namespace

void Surface::stretch(const Surface& src, const Rect& from, const Rect& to)
{
    if (from.empty() || to.empty() || from.intersect(src.rect()).w != from.w ||
        from.intersect(src.rect()).h != from.h)
        return;
    if (from.w == to.w && from.h == to.h) {
        blit(src, from, to.x, to.y);
        return;
    }
    const auto xs = spans(from.w, to.w);
    const auto ys = spans(from.h, to.h);
    const uint64_t total = uint64_t(from.w) * uint64_t(from.h);
    // Horizontal pass: each source row reduced to to.w sums per channel.
    std::vector<uint64_t> acc(size_t(to.w) * 3);
    for (int j = 0; j < to.h; ++j) {
        std::fill(acc.begin(), acc.end(), 0);
        const Span& ys_j = ys[size_t(j)];
        for (size_t k = 0; k < ys_j.weights.size(); ++k) {
            const uint32_t* s = src.row(from.y + ys_j.first + int(k)) + from.x;
            for (int i = 0; i < to.w; ++i) {
                const Span& xs_i = xs[size_t(i)];
                uint32_t r = 0, g = 0, b = 0;
                for (size_t m = 0; m < xs_i.weights.size(); ++m) {
                    uint32_t p = s[xs_i.first + int(m)], w = xs_i.weights[m];
                    r += ((p >> 16) & 0xFF) * w;
                    g += ((p >> 8) & 0xFF) * w;
                    b += (p & 0xFF) * w;
                }
                uint64_t wy = ys_j.weights[k];
                acc[size_t(i) * 3] += r * wy;
                acc[size_t(i) * 3 + 1] += g * wy;
                acc[size_t(i) * 3 + 2] += b * wy;
            }
        }
        int dy = to.y + j;
        if (dy < 0 || dy >= m_h)
            continue;
        for (int i = 0; i < to.w; ++i) {
            int dx = to.x + i;
            if (dx < 0 || dx >= m_w)
                continue;
            uint32_t r = uint32_t((acc[size_t(i) * 3] + total / 2) / total);
            uint32_t g = uint32_t((acc[size_t(i) * 3 + 1] + total / 2) / total);
            uint32_t b = uint32_t((acc[size_t(i) * 3 + 2] + total / 2) / total);
            row(dy)[dx] = r << 16 | g << 8 | b;
        }
    }
}

void Surface::fill(const Rect& r, uint32_t c)
{
    Rect d = r.intersect(rect());
    for (int y = 0; y < d.h; ++y)
        std::fill_n(row(d.y + y) + d.x, d.w, c & kRgbMask);
}

void Surface::invert(const Rect& r)
{
    Rect d = r.intersect(rect());
    for (int y = 0; y < d.h; ++y)
        for (int x = 0; x < d.w; ++x)
            row(d.y + y)[d.x + x] = ~row(d.y + y)[d.x + x] & kRgbMask;
}

Surface Surface::crop(const Rect& r) const
{
    Surface out(std::max(0, r.w), std::max(0, r.h));
    out.blit(*this, r, 0, 0);
    return out;
}

bool Surface::same_pixels(const Surface& o) const
{
    if (m_w != o.m_w || m_h != o.m_h)
        return false;
    for (size_t i = 0; i < m_px.size(); ++i)
        if ((m_px[i] ^ o.m_px[i]) & kRgbMask)
            return false;
    return true;
}

bool make_mask(const Surface& src, int w, int h, Mask& mask, uint32_t key)
{
    if (w <= 0 || h <= 0 || w > src.width() || h > src.height())
        return false;
    mask = Mask(w, h);
    key &= kRgbMask;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            mask.set(x, y, (src.row(y)[x] & kRgbMask) == key);
    return true;
}

bool transparent_copy(const Surface& src, int w, int h, uint32_t key, const Surface& bg, Surface& dst)
{
    Mask m;
    if (!make_mask(src, w, h, m, key) || w > bg.width() || h > bg.height() || w > dst.width() ||
        h > dst.height())
        return false;
    // Composed into a temporary first: bg and dst may be the same surface.
    Surface a(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            a.row(y)[x] = m.at(x, y) ? bg.row(y)[x] & kRgbMask : src.row(y)[x] & kRgbMask;
    dst.blit(a, 0, 0);
    return true;
}

long flood_region(const Surface& s, int x, int y, const std::function<void(int, int)>& visit)
{
    if (x < 0 || y < 0 || x >= s.width() || y >= s.height())
        return 0;
    const uint32_t target = s.pixel(x, y);
    std::vector<uint8_t> seen(size_t(s.width()) * size_t(s.height()), 0);
    auto inside = [&](int px, int py) {
        return !seen[size_t(py) * size_t(s.width()) + size_t(px)] && s.pixel(px, py) == target;
    };
    long count = 0;
    std::vector<std::pair<int, int>> stack{{x, y}};
    while (!stack.empty()) {
        auto [sx, sy] = stack.back();
        stack.pop_back();
        if (!inside(sx, sy))
            continue;
        int l = sx, r = sx;
        while (l > 0 && inside(l - 1, sy))
            --l;
        while (r + 1 < s.width() && inside(r + 1, sy))
            ++r;
        for (int i = l; i <= r; ++i) {
            seen[size_t(sy) * size_t(s.width()) + size_t(i)] = 1;
            visit(i, sy);
            ++count;
        }
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= s.height())
                continue;
            bool run = false;
            for (int i = l; i <= r; ++i) {
                bool in = inside(i, ny);
                if (in && !run)
                    stack.push_back({i, ny});
                run = in;
            }
        }
    }
    return count;
}

long flood_fill(Surface& s, int x, int y, uint32_t colour)
{
    if (s.pixel(x, y) == (colour & kRgbMask))
        return 0;
    return flood_region(s, x, y, [&](int px, int py) { s.row(py)[px] = colour & kRgbMask; });
}

}  // namespace bafo

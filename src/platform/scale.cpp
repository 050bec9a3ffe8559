#include "platform/scale.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace bafo {

View view_of(int ww, int wh)
{
    View v;
    if (ww <= 0 || wh <= 0)
        return v;
    // The same factor both ways; the other side gets the bars.
    if (int64_t(ww) * 600 <= int64_t(wh) * 800) {
        v.w = ww;
        v.h = int((int64_t(ww) * 600 + 400) / 800);
    } else {
        v.h = wh;
        v.w = int((int64_t(wh) * 800 + 300) / 600);
    }
    v.x = (ww - v.w) / 2;
    v.y = (wh - v.h) / 2;
    return v;
}

bool View::to_picture(int wx, int wy, int& px, int& py) const
{
    // Rounded down on the bars too: a release there still has its place.
    const int64_t dx = wx - x, dy = wy - y;
    auto down = [](int64_t a, int64_t b) { return int(a >= 0 ? a / b : -((-a + b - 1) / b)); };
    px = down(dx * 800, w);
    py = down(dy * 600, h);
    return dx >= 0 && dy >= 0 && dx < w && dy < h;
}

Rect View::reach(const Rect& r) const
{
    // A scaled pixel blends the two source pixels either side of its centre:
    // one source pixel more each way, then a scaled pixel of margin.
    const int x0 = std::max(0, int(int64_t(r.x - 1) * w / 800) - 1);
    const int y0 = std::max(0, int(int64_t(r.y - 1) * h / 600) - 1);
    const int x1 = std::min(w, int((int64_t(r.x + r.w + 1) * w + 799) / 800) + 1);
    const int y1 = std::min(h, int((int64_t(r.y + r.h + 1) * h + 599) / 600) + 1);
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

namespace {

struct Tap {
    int a, b;      // the two source pixels
    uint32_t wb;   // weight of b in 1/256
};

Tap tap(int d, int src_size, int dst_size)
{
    // Centres line up: destination pixel d's centre in source coordinates.
    const double f = (d + 0.5) * src_size / dst_size - 0.5;
    const double c = std::clamp(f, 0.0, double(src_size - 1));
    const int a = int(c);
    const int b = std::min(a + 1, src_size - 1);
    return {a, b, uint32_t(std::lround((c - a) * 256)) & 0x1FF};
}

inline uint32_t mix(uint32_t p, uint32_t q, uint32_t wq)
{
    // The three colour channels at once, 8 bits of weight.
    const uint32_t wp = 256 - wq;
    const uint32_t rb = ((p & 0xFF00FF) * wp + (q & 0xFF00FF) * wq) >> 8;
    const uint32_t g = ((p & 0x00FF00) * wp + (q & 0x00FF00) * wq) >> 8;
    return (rb & 0xFF00FF) | (g & 0x00FF00);
}

}  // namespace

void scale_bilinear(const Surface& src, Surface& dst, const Rect& region)
{
    const Rect r = region.intersect(dst.rect());
    if (r.empty() || src.empty())
        return;
    std::vector<Tap> cols(size_t(r.w));
    for (int i = 0; i < r.w; ++i)
        cols[size_t(i)] = tap(r.x + i, src.width(), dst.width());
    for (int y = r.y; y < r.y + r.h; ++y) {
        const Tap t = tap(y, src.height(), dst.height());
        const uint32_t* ra = src.row(t.a);
        const uint32_t* rb = src.row(t.b);
        uint32_t* out = dst.row(y) + r.x;
        for (int i = 0; i < r.w; ++i) {
            const Tap& c = cols[size_t(i)];
            out[i] = mix(mix(ra[c.a], ra[c.b], c.wb), mix(rb[c.a], rb[c.b], c.wb), t.wb);
        }
    }
}

}  // namespace bafo

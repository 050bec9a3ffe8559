#include "services/effects.h"

#include <algorithm>
#include <cmath>

namespace bafo {

void FoxGreyScale(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy)
{
    for (int y = 0; y < h; ++y) {
        if (dy + y < 0 || dy + y >= dst.height() || sy + y < 0 || sy + y >= src.height())
            continue;
        const uint32_t* in = src.row(sy + y);
        uint32_t* out = dst.row(dy + y);
        for (int x = 0; x < w; ++x) {
            if (dx + x < 0 || dx + x >= dst.width() || sx + x < 0 || sx + x >= src.width())
                continue;
            const uint32_t p = in[sx + x];
            // 77/256, 150/256, 29/256: the 0.299, 0.587, 0.114 weights in fixed point.
            const uint32_t g = (77 * ((p >> 16) & 0xFF) + 150 * ((p >> 8) & 0xFF) + 29 * (p & 0xFF) + 128) >> 8;
            out[dx + x] = g << 16 | g << 8 | g;
        }
    }
}

void FoxAlphaBlend(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy, int opacity,
                   uint32_t key, int /*mode*/)
{
    const uint32_t k = pixel_from_packed(key) & kRgbMask;
    const uint32_t a = uint32_t(std::clamp(opacity, 0, 255));
    for (int y = 0; y < h; ++y) {
        if (dy + y < 0 || dy + y >= dst.height() || sy + y < 0 || sy + y >= src.height())
            continue;
        const uint32_t* in = src.row(sy + y);
        uint32_t* out = dst.row(dy + y);
        for (int x = 0; x < w; ++x) {
            if (dx + x < 0 || dx + x >= dst.width() || sx + x < 0 || sx + x >= src.width())
                continue;
            const uint32_t p = in[sx + x] & kRgbMask;
            if (p == k)
                continue;
            if (a == 255) {
                out[dx + x] = p;
                continue;
            }
            const uint32_t q = out[dx + x];
            uint32_t mixed = 0;
            for (int shift : {16, 8, 0}) {
                const uint32_t s = (p >> shift) & 0xFF, d = (q >> shift) & 0xFF;
                mixed |= ((s * a + d * (255 - a) + 127) / 255) << shift;
            }
            out[dx + x] = mixed;
        }
    }
}

void FoxRotate(Surface& dst, int cx, int cy, int w, int h, const Surface& src, int sx, int sy, double angle)
{
    if (w <= 0 || h <= 0)
        return;
    double turns = std::fmod(angle, 360.0);
    if (turns < 0)
        turns += 360.0;
    double c = std::cos(turns * M_PI / 180.0), s = std::sin(turns * M_PI / 180.0);
    // Right angles exactly: no 1e-17 to tip a pixel centre over an edge.
    if (std::fmod(turns, 90.0) == 0) {
        const int q = int(turns / 90.0);
        static constexpr int kCos[4] = {1, 0, -1, 0}, kSin[4] = {0, 1, 0, -1};
        c = kCos[q];
        s = kSin[q];
    }
    // The turned rectangle's bounding box around the destination centre.
    const double hw = w / 2.0, hh = h / 2.0;
    const double ex = std::abs(c) * hw + std::abs(s) * hh, ey = std::abs(s) * hw + std::abs(c) * hh;
    const int x0 = std::max(0, int(std::floor(cx - ex))), x1 = std::min(dst.width(), int(std::ceil(cx + ex)));
    const int y0 = std::max(0, int(std::floor(cy - ey))), y1 = std::min(dst.height(), int(std::ceil(cy + ey)));
    for (int y = y0; y < y1; ++y) {
        uint32_t* out = dst.row(y);
        for (int x = x0; x < x1; ++x) {
            // Pixel centres, turned back into the source rectangle.
            const double u = x + 0.5 - cx, v = y + 0.5 - cy;
            const double su = c * u + s * v + hw, sv = -s * u + c * v + hh;
            const int px = int(std::floor(su)), py = int(std::floor(sv));
            if (px < 0 || py < 0 || px >= w || py >= h)
                continue;
            const uint32_t p = src.pixel(sx + px, sy + py);
            if (p != 0xFFFFFFFF)
                out[x] = p;
        }
    }
}

}  // namespace bafo

#include "platform/bitmap_file.h"

#include "platform/files.h"

#include <SDL.h>
#include <cerrno>
#include <unistd.h>

namespace bafo {

int load_bitmap(const std::string& path, Surface& out)
{
    const std::string p = join_path(path, "");
    if (::access(p.c_str(), F_OK) != 0)
        return kBitmapMissing;
    if (::access(p.c_str(), R_OK) != 0)
        return kBitmapUnreadable;
    SDL_Surface* raw = SDL_LoadBMP(p.c_str());
    if (!raw)
        return kBitmapInvalid;
    SDL_Surface* conv = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_XRGB8888, 0);
    SDL_FreeSurface(raw);
    if (!conv)
        return kBitmapInvalid;
    Surface s(conv->w, conv->h);
    SDL_LockSurface(conv);
    for (int y = 0; y < conv->h; ++y) {
        const auto* src = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(conv->pixels) +
                                                            size_t(y) * size_t(conv->pitch));
        for (int x = 0; x < conv->w; ++x)
            s.row(y)[x] = src[x] & kRgbMask;
    }
    SDL_UnlockSurface(conv);
    SDL_FreeSurface(conv);
    out = std::move(s);
    return kBitmapOk;
}

bool save_bitmap(const std::string& path, const Surface& s)
{
    if (s.empty())
        return false;
    // Our own writer: 24-bit bottom-up rows, so every reader takes it.
    const uint32_t w = uint32_t(s.width()), h = uint32_t(s.height());
    const uint32_t row = (w * 3 + 3) & ~3u, data = row * h;
    std::string b;
    b.reserve(54 + data);
    auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b.push_back(char((v >> (8 * i)) & 0xFF));
    };
    b += "BM";
    put(54 + data, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(w, 4);
    put(h, 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(data, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int y = int(h) - 1; y >= 0; --y) {
        for (uint32_t x = 0; x < w; ++x)
            put(s.row(y)[x], 3);
        for (uint32_t pad = w * 3; pad < row; ++pad)
            b.push_back(0);
    }
    return write_file_atomic(path, b);
}

}  // namespace bafo

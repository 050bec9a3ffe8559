#include "platform/bitmap_file.h"

#include "platform/files.h"

#include <SDL.h>
#include <cairo.h>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace bafo {

namespace {

uint32_t le(const std::string& b, size_t at, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | uint8_t(b[at + size_t(i)]);
    return v;
}

// SDL believes a header's sizes and palette length and allocates by them
// before reading a row, so an absurd header could ask for gigabytes. Our
// pictures are at most a few screens large; anything else is refused here,
// and so are rows the file does not hold.
bool header_is_sane(const std::string& b)
{
    constexpr int64_t kMaxSide = 8192, kMaxPixels = 8192 * 4096;
    if (b.size() < 26 || b.size() > (256u << 20) || b[0] != 'B' || b[1] != 'M')
        return false;
    const uint64_t offset = le(b, 10, 4), info = le(b, 14, 4);
    int64_t w = 0, h = 0;
    uint32_t bpp = 0, compression = 0, colours = 0;
    if (info == 12) {
        w = int16_t(le(b, 18, 2));
        h = int16_t(le(b, 20, 2));
        bpp = le(b, 24, 2);
    } else if (info >= 40 && info <= 124 && b.size() >= 54) {
        w = int32_t(le(b, 18, 4));
        h = int32_t(le(b, 22, 4));
        bpp = le(b, 28, 2);
        compression = le(b, 30, 4);
        colours = le(b, 46, 4);
    } else {
        return false;
    }
    if (h < 0)
        h = -h;
    if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide || w * h > kMaxPixels)
        return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return false;
    const bool rle = (compression == 1 && bpp == 8) || (compression == 2 && bpp == 4);
    if (compression != 0 && !rle && !(compression == 3 && (bpp == 16 || bpp == 32)))
        return false;
    if (colours > 256)
        return false;
    if (14 + uint64_t(info) + uint64_t(colours) * 4 > b.size() || offset > b.size())
        return false;
    if (rle)
        return true;  // runs are bounded by the picture's own size
    const uint64_t row = (uint64_t(w) * bpp + 31) / 32 * 4;
    return offset + row * uint64_t(h) <= b.size();
}

}  // namespace

int load_bitmap(const std::string& path, Surface& out)
{
    const std::string p = join_path(path, "");
    if (::access(p.c_str(), F_OK) != 0)
        return kBitmapMissing;
    if (::access(p.c_str(), R_OK) != 0)
        return kBitmapUnreadable;
    std::string bytes;
    if (read_file(p, bytes) != ReadStatus::Ok)
        return kBitmapUnreadable;
    if (!header_is_sane(bytes))
        return kBitmapInvalid;
    SDL_Surface* raw = SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
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
    const std::string b = encode_bitmap(s);
    return !b.empty() && write_file_atomic(path, b);
}

std::string encode_bitmap(const Surface& s)
{
    if (s.empty())
        return {};
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
    return b;
}

namespace {

cairo_status_t append_bytes(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

struct ByteReader {
    const std::string& bytes;
    size_t at = 0;
};

cairo_status_t read_bytes(void* closure, unsigned char* data, unsigned int length)
{
    auto* r = static_cast<ByteReader*>(closure);
    if (r->bytes.size() - r->at < length)
        return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, r->bytes.data() + r->at, length);
    r->at += length;
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::string encode_png(const Surface& s)
{
    if (s.empty())
        return {};
    // Cairo's RGB24 has our pixel layout; it only reads the pixels here.
    cairo_surface_t* cs = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(s.data())), CAIRO_FORMAT_RGB24, s.width(), s.height(),
        s.stride_bytes());
    std::string out;
    if (cairo_surface_write_to_png_stream(cs, append_bytes, &out) != CAIRO_STATUS_SUCCESS)
        out.clear();
    cairo_surface_destroy(cs);
    return out;
}

bool decode_png(const std::string& bytes, Surface& out)
{
    ByteReader reader{bytes};
    cairo_surface_t* cs = cairo_image_surface_create_from_png_stream(read_bytes, &reader);
    const bool ok = cairo_surface_status(cs) == CAIRO_STATUS_SUCCESS &&
                    cairo_image_surface_get_format(cs) == CAIRO_FORMAT_RGB24;
    if (ok) {
        cairo_surface_flush(cs);
        const int w = cairo_image_surface_get_width(cs), h = cairo_image_surface_get_height(cs);
        const int stride = cairo_image_surface_get_stride(cs);
        const unsigned char* data = cairo_image_surface_get_data(cs);
        Surface s(w, h);
        for (int y = 0; y < h; ++y)
            std::memcpy(s.row(y), data + size_t(y) * size_t(stride), size_t(w) * 4);
        out = std::move(s);
    }
    cairo_surface_destroy(cs);
    return ok;
}

}  // namespace bafo

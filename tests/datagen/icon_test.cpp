#include "icon_art.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct Read {
    const std::string* bytes;
    size_t at = 0;
};

cairo_status_t read_png(void* closure, unsigned char* data, unsigned int length)
{
    auto* r = static_cast<Read*>(closure);
    if (r->at + length > r->bytes->size())
        return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, r->bytes->data() + r->at, length);
    r->at += length;
    return CAIRO_STATUS_SUCCESS;
}

// 0xAARRGGBB, premultiplied as cairo keeps it.
uint32_t pixel(cairo_surface_t* s, int x, int y)
{
    const auto* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
    return reinterpret_cast<const uint32_t*>(row)[x];
}

bool orange(uint32_t p)
{
    const int a = p >> 24, r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
    return a == 255 && r > 200 && g > 110 && g < 200 && b < 110;
}

}  // namespace

// Every size: the right square, clear corners, and his orange face in the middle
// (the fur around the eyes, a quarter of the way in from either side of the centre).
TEST(Icon, EverySizeIsBafosFaceOnAClearSquare)
{
    for (int size : datagen::kIconSizes) {
        SCOPED_TRACE("size " + std::to_string(size));
        const std::string png = datagen::icon_png(size);
        Read r{&png};
        cairo_surface_t* s = cairo_image_surface_create_from_png_stream(read_png, &r);
        ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
        EXPECT_EQ(cairo_image_surface_get_width(s), size);
        EXPECT_EQ(cairo_image_surface_get_height(s), size);
        EXPECT_EQ(cairo_image_surface_get_format(s), CAIRO_FORMAT_ARGB32);
        for (auto [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}})
            EXPECT_EQ(pixel(s, x, y) >> 24, 0u) << "corner " << x << "," << y;
        int fur = 0, total = 0;
        for (int y = size * 3 / 8; y < size * 5 / 8; ++y)
            for (int x = size * 3 / 8; x < size * 5 / 8; ++x, ++total)
                fur += orange(pixel(s, x, y)) || (pixel(s, x, y) >> 24) == 255;
        EXPECT_EQ(fur, total) << "the middle of the icon is not all opaque";
        int orange_px = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                orange_px += orange(pixel(s, x, y));
        EXPECT_GT(orange_px, size * size / 8) << "too little of his fur";
        cairo_surface_destroy(s);
    }
}

TEST(Icon, TheSvgIsADrawingOf256Pixels)
{
    const std::string svg = datagen::icon_svg();
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("width=\"256px\""), std::string::npos) << svg.substr(0, 300);
    EXPECT_NE(svg.find("viewBox=\"0 0 256 256\""), std::string::npos) << svg.substr(0, 300);
    // Paths, not a picture pasted in: it scales.
    EXPECT_EQ(svg.find("<image"), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
}

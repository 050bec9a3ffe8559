// Full screen: the picture enlarged by our own scaler, and the pointer mapped back.
#include "platform/scale.h"
#include "test_support.h"

#include <gtest/gtest.h>

using namespace bafo;

TEST(Scale, APartScaledAgainAfterAChangeMatchesTheWholeScaledAgain)
{
    // The seam seen in full screen: a lit balloon put out again must leave
    // no trace, wherever it lies and whatever the screen's size.
    struct Case {
        int ww, wh;
        Rect changed;
    } cases[] = {
        {1024, 768, {237, 181, 96, 80}}, {1366, 768, {0, 0, 1, 1}},     {1280, 1024, {799, 599, 1, 1}},
        {1280, 1024, {13, 570, 90, 30}}, {1920, 1080, {400, 0, 3, 600}}, {640, 480, {101, 99, 7, 5}},
        {1600, 1200, {0, 300, 800, 2}},  {1023, 767, {512, 388, 33, 17}},
    };
    for (const auto& c : cases) {
        const View v = view_of(c.ww, c.wh);
        Surface pic = test::pattern(800, 600, 7);
        Surface shown(v.w, v.h), fresh(v.w, v.h);
        scale_bilinear(pic, shown, shown.rect());
        pic.fill(c.changed, 0xFF2040);
        scale_bilinear(pic, shown, v.reach(c.changed));
        scale_bilinear(pic, fresh, fresh.rect());
        EXPECT_TRUE(shown.same_pixels(fresh)) << c.ww << "x" << c.wh << ", changed " << c.changed.x << ","
                                              << c.changed.y << " " << c.changed.w << "x" << c.changed.h;
    }
}

TEST(Scale, TheViewFitsKeepsTheShapeAndMapsThePointerBack)
{
    struct Case {
        int ww, wh;
        View view;
        int wx, wy;  // a window pixel
        bool on_picture;
        int px, py;  // the picture's pixel under it
    } cases[] = {
        {800, 600, {0, 0, 800, 600}, 799, 599, true, 799, 599},
        {1024, 768, {0, 0, 1024, 768}, 1023, 767, true, 799, 599},
        {1024, 768, {0, 0, 1024, 768}, 32, 32, true, 25, 25},
        {1366, 768, {171, 0, 1024, 768}, 170, 10, false, -1, 7},
        {1366, 768, {171, 0, 1024, 768}, 171, 0, true, 0, 0},
        {1366, 768, {171, 0, 1024, 768}, 1195, 767, false, 800, 599},
        {1280, 1024, {0, 32, 1280, 960}, 640, 31, false, 400, -1},
        {1280, 1024, {0, 32, 1280, 960}, 640, 32 + 480, true, 400, 300},
    };
    for (const auto& c : cases) {
        const View v = view_of(c.ww, c.wh);
        EXPECT_TRUE(v.x == c.view.x && v.y == c.view.y && v.w == c.view.w && v.h == c.view.h)
            << c.ww << "x" << c.wh << " gave " << v.x << "," << v.y << " " << v.w << "x" << v.h;
        int px = 0, py = 0;
        EXPECT_EQ(v.to_picture(c.wx, c.wy, px, py), c.on_picture) << c.ww << "x" << c.wh << " at " << c.wx << "," << c.wy;
        EXPECT_TRUE(px == c.px && py == c.py)
            << c.ww << "x" << c.wh << " at " << c.wx << "," << c.wy << " gave " << px << "," << py;
    }
}

TEST(Scale, AFlatPictureStaysFlatAndTwiceTheSizeMixesNeighboursByQuarters)
{
    Surface flat(800, 600, 0x336699), big(1024, 768);
    scale_bilinear(flat, big, big.rect());
    EXPECT_TRUE(big.same_pixels(Surface(1024, 768, 0x336699)));
    // At twice the size a scaled pixel is a quarter and three quarters of two
    // neighbouring rows; the edge keeps its own row.
    Surface stripes(800, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            stripes.set_pixel(x, y, y % 2 ? 0x000000 : 0xFFFFFF);
    Surface twice(1600, 1200);
    scale_bilinear(stripes, twice, twice.rect());
    EXPECT_EQ(twice.pixel(5, 0), 0xFFFFFFu);     // the top edge holds its row
    EXPECT_EQ(twice.pixel(5, 1), 0xBFBFBFu);     // three quarters white
    EXPECT_EQ(twice.pixel(5, 2), 0x3F3F3Fu);     // a quarter white, rounded down
}

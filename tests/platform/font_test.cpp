#include "platform/font.h"

#include <gtest/gtest.h>

using namespace bafo;

namespace {
Surface drawn(const std::string& text)
{
    Surface s(300, 40, 0xFFFFFF);
    draw_text(s, 2, 2, text, TextStyle{20, 0x3B2A20, true});
    return s;
}
}  // namespace

TEST(Font, NamesInEveryScriptTheChildrenUseAreDrawn)
{
    // Missing glyphs draw as the same empty box: two different words would look alike.
    struct Case {
        const char *a, *b;
    } cases[] = {{"Аня", "Бор"}, {"Žofie", "Čeněk"}, {"Eva", "Ida"}, {"12:05", "31:59"}, {"Ёж", "Щи"}};
    for (const auto& c : cases) {
        Surface a = drawn(c.a), b = drawn(c.b);
        EXPECT_FALSE(a.same_pixels(Surface(300, 40, 0xFFFFFF))) << c.a << " drew nothing";
        EXPECT_FALSE(a.same_pixels(b)) << c.a << " and " << c.b << " look the same: missing glyphs";
    }
    int w = 0, h = 0;
    text_size("Женя", TextStyle{20, 0, true}, w, h);
    EXPECT_GT(w, 30);
    EXPECT_GT(h, 15);
}

// Bafo's wardrobe without a screen: the random outfit's draws and the
// dressed picture pixel for pixel. The screen's tests click through the rest.
#include "dress/wardrobe.h"

#include "by_hand.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

namespace bafo {
namespace {

using test::by_hand;
using test::Laid;
using test::MiniTree;

const char* name(Garment g)
{
    return kind_of(g).name;
}

TEST(Wardrobe, TheRandomOutfitIsTenTimesUPlusOneInTheOrderBootsHatShirtShorts)
{
    const double below_one = std::nextafter(1.0, 0.0);
    const struct {
        std::array<double, 4> u;
        std::array<int, 4> items;
    } cases[] = {
        {{0, 0, 0, 0}, {1, 1, 1, 1}},
        {{0.0999, 0.1, 0.5, below_one}, {1, 2, 6, 10}},
        {{0.95, 0.35, 0.25, 0.15}, {10, 4, 3, 2}},
        {{1.0, 0.0, 1.0, 0.0}, {10, 1, 10, 1}},  // a generator that reaches 1 still gives item 10
    };
    for (const auto& c : cases) {
        Wardrobe w;
        w.next(Garment::Hat);
        size_t drawn = 0;
        w.random_outfit([&] { return c.u[drawn++]; });
        std::ostringstream in;
        in << c.u[0] << ", " << c.u[1] << ", " << c.u[2] << ", " << c.u[3];
        EXPECT_EQ(drawn, 4u) << "u = " << in.str();
        for (Garment g : kAllGarments)
            EXPECT_EQ(w.worn(g), c.items[size_t(g)]) << name(g) << " for u = " << in.str();
    }
}

TEST(Wardrobe, DressingLaysTheWornGarmentsInOrderAndLeavesMagentaOut)
{
    const Surface base = test::pattern(MiniTree::kBafoW, MiniTree::kBafoH, 1);
    std::array<Surface, 4> pics;
    for (int k = 0; k < 4; ++k)
        pics[size_t(k)] = MiniTree::garment(k, 3);
    const GarmentPictures all{&pics[0], &pics[1], &pics[2], &pics[3]};
    auto at = [](Garment g, Point shift = {}) {
        return Point{kind_of(g).on_mascot.x + shift.x, kind_of(g).on_mascot.y + shift.y};
    };
    const struct {
        const char* what;
        std::vector<Garment> worn;
        Point shift;
    } cases[] = {
        {"nothing worn", {}, {}},
        {"only boots", {Garment::Boots}, {}},
        {"only the hat, cut at the top", {Garment::Hat}, {}},
        {"shirt and shorts", {Garment::Shirt, Garment::Shorts}, {}},
        {"all four", {Garment::Boots, Garment::Hat, Garment::Shirt, Garment::Shorts}, {}},
        {"all four on the print", {Garment::Boots, Garment::Hat, Garment::Shirt, Garment::Shorts}, kMascotAt},
    };
    for (const auto& c : cases) {
        Wardrobe w;
        std::vector<Laid> laid;
        for (Garment g : c.worn) {
            for (int i = 0; i < 3; ++i)
                w.next(g);
            laid.push_back({pics[size_t(g)], at(g, c.shift)});
        }
        const Surface page = c.shift.x ? test::pattern(400, 500, 2) : base;
        const Surface got = navlec(page, w, all, c.shift);
        EXPECT_TRUE(got.same_pixels(by_hand(page, laid))) << c.what;
    }

    // The same, told as the child sees it.
    Wardrobe w;
    for (Garment g : {Garment::Shirt, Garment::Shorts, Garment::Hat})
        w.next(g);
    const Surface got = navlec(base, w, all);
    const Point shorts = at(Garment::Shorts), shirt = at(Garment::Shirt), hat = at(Garment::Hat);
    ASSERT_LT(shorts.y, shirt.y + pics[2].height()) << "the test's shirt must reach under the shorts";
    const Point over{shorts.x + 20, shorts.y + 5};  // inside both
    EXPECT_EQ(got.pixel(over.x, over.y), pics[3].pixel(over.x - shorts.x, over.y - shorts.y))
        << "the shirt lies over the shorts at (" << over.x << ", " << over.y << ")";
    EXPECT_EQ(got.pixel(shorts.x + 1, shorts.y + 5), pics[2].pixel(shorts.x + 1 - shirt.x, shorts.y + 5 - shirt.y))
        << "the shorts' magenta margin hides the shirt";
    EXPECT_EQ(got.pixel(shorts.x + 10, shorts.y + 10), pics[2].pixel(shorts.x + 10 - shirt.x, shorts.y + 10 - shirt.y))
        << "the shorts' magenta hole hides the shirt";
    EXPECT_EQ(got.pixel(hat.x + 10, hat.y + 10), base.pixel(hat.x + 10, hat.y + 10) & kRgbMask)
        << "the hat's magenta hole hides Bafo";
    EXPECT_EQ(got.pixel(hat.x + 20, 0), pics[1].pixel(20, 0 - hat.y)) << "the hat is not cut at Bafo's top edge";
}

}  // namespace
}  // namespace bafo

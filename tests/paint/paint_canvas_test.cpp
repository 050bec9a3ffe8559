// The drawing rules pixel by pixel, against pictures worked out by hand.
#include "paint/paint_canvas.h"

#include <gtest/gtest.h>

#include <sstream>

namespace bafo {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0xFF0000, kBlue = 0x0000FF;

struct Canvas : ::testing::Test {
    PaintCanvas p;
    void SetUp() override { p.load(Surface(120, 100, kWhite)); }
    // A click of the left button: press and release at one point.
    void click(int x, int y)
    {
        p.press(1, x, y);
        p.release(1, x, y);
    }
    void place(Tool t, int x0, int y0, int x1, int y1, int width = 1)
    {
        p.tool = t;
        p.width = width;
        click(x0, y0);
        p.move(0, x1, y1);
        click(x1, y1);
    }
    // Every pixel of colour c lies inside r, and the pixels listed are c.
    ::testing::AssertionResult only_inside(uint32_t c, const Rect& r)
    {
        const Surface& s = p.canvas();
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                if (s.pixel(x, y) == c && !r.contains(x, y))
                    return ::testing::AssertionFailure() << "colour " << std::hex << c << " at " << std::dec << x
                                                         << "," << y << " outside " << r.x << "," << r.y << " "
                                                         << r.w << "x" << r.h;
        return ::testing::AssertionSuccess();
    }
};

std::string at(int x, int y)
{
    std::ostringstream o;
    o << "(" << x << ", " << y << ")";
    return o.str();
}

TEST_F(Canvas, LinesAreDrawnAtThePenWidthBetweenTheTwoClicks)
{
    struct Case {
        int width;
        int x0, y, x1;          // a horizontal line
        int top, bottom;        // rows it covers, inclusive
        int left, right;        // columns it covers on its middle row, with the round ends
    } cases[] = {
        {1, 10, 10, 30, 10, 10, 10, 30},
        {10, 20, 50, 40, 45, 54, 15, 44},
    };
    for (const auto& c : cases) {
        SetUp();
        place(Tool::Line, c.x0, c.y, c.x1, c.y, c.width);
        const Surface& s = p.canvas();
        for (int y = 0; y < s.height(); ++y)
            for (int x = c.x0; x <= c.x1 - (c.width % 2 ? 0 : 1); ++x) {
                const bool in = y >= c.top && y <= c.bottom;
                EXPECT_EQ(s.pixel(x, y), in ? kBlack : kWhite) << "width " << c.width << " at " << at(x, y);
            }
        const int mid = (c.top + c.bottom) / 2;
        EXPECT_EQ(s.pixel(c.left, mid), kBlack) << "width " << c.width;
        EXPECT_EQ(s.pixel(c.left - 1, mid), kWhite) << "width " << c.width;
        EXPECT_EQ(s.pixel(c.right, mid), kBlack) << "width " << c.width;
        EXPECT_EQ(s.pixel(c.right + 1, mid), kWhite) << "width " << c.width;
        EXPECT_FALSE(p.line().shown);
    }
}

TEST_F(Canvas, ShapesLieInsideTheirBoxWithOutlineInPenAndInsideInFill)
{
    struct Case {
        Tool tool;
        int width;
        bool filled;
    } cases[] = {
        {Tool::Rectangle, 3, false}, {Tool::RectangleFill, 3, true}, {Tool::Circle, 5, false},
        {Tool::CircleFill, 1, true}, {Tool::Rectangle, 10, false},
    };
    for (const auto& c : cases) {
        SetUp();
        p.pen_colour = kRed;
        p.fill_colour = kBlue;
        const bool oval = c.tool == Tool::Circle || c.tool == Tool::CircleFill;
        // The rectangle from its corner, the ellipse from its centre: both end up in 20,30 60×40.
        if (oval)
            place(c.tool, 50, 50, 80, 70, c.width);
        else
            place(c.tool, 20, 30, 80, 70, c.width);
        const Rect box{20, 30, 60, 40};
        const std::string what = "tool " + tool_name(c.tool) + " width " + std::to_string(c.width);
        EXPECT_TRUE(only_inside(kRed, box)) << what;
        EXPECT_TRUE(only_inside(kBlue, box)) << what;
        EXPECT_EQ(p.canvas().pixel(50, 50), c.filled ? kBlue : kWhite) << what << ": the middle";
        // The outline touches the box's edges on its middle lines, and is as thick as the pen.
        for (int i = 0; i < c.width; ++i) {
            EXPECT_EQ(p.canvas().pixel(20 + i, 50), kRed) << what << " left edge +" << i;
            EXPECT_EQ(p.canvas().pixel(79 - i, 50), kRed) << what << " right edge -" << i;
            EXPECT_EQ(p.canvas().pixel(50, 30 + i), kRed) << what << " top edge +" << i;
            EXPECT_EQ(p.canvas().pixel(50, 69 - i), kRed) << what << " bottom edge -" << i;
        }
        EXPECT_NE(p.canvas().pixel(20 + c.width, 50), kRed) << what << " inside the left edge";
        if (!oval) {
            EXPECT_EQ(p.canvas().pixel(20, 30), kRed) << what << " corner";
            EXPECT_EQ(p.canvas().pixel(79, 69), kRed) << what << " far corner";
        }
    }
}

TEST_F(Canvas, ARectangleSpansFromItsCornerTowardsThePointer)
{
    struct Case {
        int cx, cy, x, y;
        Rect expect;  // nothing drawn when empty
    } cases[] = {
        {30, 30, 60, 50, {30, 30, 30, 20}},  // down and right: the pointer's row and column are left out
        {60, 50, 30, 30, {31, 31, 30, 20}},  // up and left: from the pointer + 1 to the corner inclusive
        {30, 30, 31, 60, {}},                // one pixel wide
        {30, 30, 60, 31, {}},                // one pixel high
        {30, 30, 32, 32, {30, 30, 2, 2}},    // two by two is drawn
    };
    for (const auto& c : cases) {
        SetUp();
        const std::string what = "corner " + at(c.cx, c.cy) + " pointer " + at(c.x, c.y);
        place(Tool::Rectangle, c.cx, c.cy, c.x, c.y);
        const Surface& s = p.canvas();
        int black = 0;
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                black += s.pixel(x, y) == kBlack;
        if (c.expect.empty()) {
            EXPECT_EQ(black, 0) << what;
            EXPECT_TRUE(p.snapshot().same_pixels(Surface(120, 100, kWhite))) << what;
            continue;
        }
        const Rect& e = c.expect;
        EXPECT_TRUE(only_inside(kBlack, e)) << what;
        EXPECT_EQ(s.pixel(e.x, e.y), kBlack) << what;
        EXPECT_EQ(s.pixel(e.x + e.w - 1, e.y + e.h - 1), kBlack) << what;
    }
}

TEST_F(Canvas, TwoClicksOnOnePointDrawNoLineAndKeepTheSnapshot)
{
    click(5, 5);  // a dot with the pencil: the snapshot is the white page
    const Surface before = p.canvas();
    p.tool = Tool::Line;
    click(40, 40);
    EXPECT_TRUE(p.line().shown);
    click(40, 40);
    EXPECT_FALSE(p.line().shown);
    EXPECT_TRUE(p.canvas().same_pixels(before));
    EXPECT_TRUE(p.snapshot().same_pixels(Surface(120, 100, kWhite))) << "the snapshot moved to the dot";
}

TEST_F(Canvas, TheFillStopsAtAThinDiagonalAndLeavesNoFringe)
{
    Surface page(100, 100, kWhite);
    for (int i = 0; i < 100; ++i)
        page.set_pixel(i, i, kBlack);
    p.load(page);
    p.tool = Tool::FloodFill;
    p.pick(kRed);
    EXPECT_EQ(p.fill_colour, kRed);
    EXPECT_EQ(p.pen_colour, kBlack) << "a colour picked for the fill changed the pen";
    const Rect changed = p.release(1, 80, 10);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            const uint32_t want = x == y ? kBlack : x > y ? kRed : kWhite;
            ASSERT_EQ(p.canvas().pixel(x, y), want) << at(x, y);
        }
    EXPECT_EQ(changed.x, 1);
    EXPECT_EQ(changed.y, 0);
    EXPECT_EQ(changed.w, 99);
    EXPECT_EQ(changed.h, 99);
    EXPECT_TRUE(p.snapshot().same_pixels(page));
}

TEST_F(Canvas, TheEraserPaintsThePaperAtThePenWidth)
{
    p.load(Surface(100, 100, kBlack));
    p.paper = 0xFFFFF0;
    p.pen_colour = kRed;
    p.tool = Tool::Eraser;
    for (int width : {1, 7}) {
        p.width = width;
        p.press(1, 20, 50);
        p.move(1, 60, 50);
        p.release(1, 60, 50);
        int rows = 0;
        for (int y = 0; y < 100; ++y)
            rows += p.canvas().pixel(40, y) == 0xFFFFF0;
        EXPECT_EQ(rows, width) << "width " << width;
        EXPECT_TRUE(only_inside(kRed, {})) << "the eraser used the pen colour";
        p.load(Surface(100, 100, kBlack));
    }
}

TEST_F(Canvas, UndoGoesBackOneStepAndClearingIsNotAStep)
{
    p.paper = 0xFFFFF0;
    const Surface page = p.canvas();
    p.press(1, 10, 10);
    p.move(1, 50, 10);
    p.release(1, 50, 10);
    const Surface first = p.canvas();
    p.press(1, 10, 50);
    p.move(1, 50, 50);
    p.release(1, 50, 50);
    p.clear();
    EXPECT_TRUE(p.canvas().same_pixels(Surface(120, 100, 0xFFFFF0)));
    EXPECT_TRUE(p.stored().same_pixels(p.canvas()));
    p.undo();
    EXPECT_TRUE(p.canvas().same_pixels(first)) << "undo after clear is the picture before the last stroke";
    p.undo();
    EXPECT_TRUE(p.canvas().same_pixels(first)) << "there is only one step";
    EXPECT_FALSE(p.canvas().same_pixels(page));
}

TEST_F(Canvas, APolylineChainsClicksAndEndsOnAClickWithoutMoving)
{
    p.press(1, 2, 2);  // a dot first: the snapshot holds the page before it
    p.release(1, 2, 2);
    const Surface dot = p.canvas();
    p.tool = Tool::MoreLines;
    p.width = 1;
    click(10, 10);
    p.move(0, 40, 10);
    click(40, 10);
    p.move(0, 40, 40);
    click(40, 40);
    click(40, 40);  // ends
    EXPECT_FALSE(p.line().shown);
    EXPECT_EQ(p.canvas().pixel(25, 10), kBlack);
    EXPECT_EQ(p.canvas().pixel(40, 25), kBlack);
    EXPECT_EQ(p.canvas().pixel(25, 25), kWhite);
    p.undo();
    EXPECT_TRUE(p.canvas().same_pixels(Surface(120, 100, kWhite)))
        << "the polyline took a snapshot: undo went back only to the dot";
    (void)dot;
}

TEST_F(Canvas, TheRightButtonAndAnIconClickDrawNothing)
{
    const Surface page = p.canvas();
    for (Tool t : {Tool::Freehand, Tool::Line, Tool::FloodFill, Tool::Rectangle, Tool::CircleFill}) {
        p.tool = t;
        p.press(2, 30, 30);
        p.move(2, 60, 60);
        p.release(2, 60, 60);
        EXPECT_TRUE(p.canvas().same_pixels(page)) << tool_name(t) << " drew with the right button";
        // A shape begun and abandoned by an icon click is never drawn.
        click(30, 30);
        p.move(0, 60, 60);
        p.drop_previews();
        click(70, 70);
        p.drop_previews();
        if (t != Tool::Freehand && t != Tool::FloodFill) {
            EXPECT_TRUE(p.canvas().same_pixels(page)) << tool_name(t) << " drew an abandoned shape";
        }
        p.load(page);
    }
}

TEST(PaintRules, WidthsNamesAndShades)
{
    int w = 3;
    std::string seen;
    for (int i = 0; i < 7; ++i)
        seen += std::to_string(w = next_width(w)) + " ";
    EXPECT_EQ(seen, "5 7 10 1 2 3 5 ");
    for (int i = 0; i <= 9; ++i) {
        const Tool t = Tool(i);
        EXPECT_EQ(tool_named(tool_name(t)), t) << i;
        EXPECT_EQ(icon_number(t), i == 0 ? 1 : i + 1) << tool_name(t);
    }
    EXPECT_EQ(tool_named("BRUSH"), Tool::None);
    struct Shade {
        uint32_t colour, shade;
    } shades[] = {{0x000000, 0x0C0C0C}, {0xFFFFFF, 0xF7F7F7}, {0xFA6400, 0xFF6C08}, {0x102030, 0x182838}};
    for (const auto& s : shades)
        EXPECT_EQ(fill_shade(s.colour), s.shade) << std::hex << s.colour;
}

}  // namespace
}  // namespace bafo

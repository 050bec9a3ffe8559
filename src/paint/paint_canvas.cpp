#include "paint/paint_canvas.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace bafo {

namespace {

constexpr std::array<const char*, 10> kNames = {"",       "FREEHAND",    "LINE",   "MORE_LINES",     "FLOOD_FILL",
                                                "ERASER", "CIRCLE_FILL", "CIRCLE", "RECTANGLE_FILL", "RECTANGLE"};
constexpr int kLeft = 1;

// Pixels a pen of this width may touch around a segment.
Rect segment_box(int x0, int y0, int x1, int y1, int width)
{
    const int m = width / 2 + 2;
    const int l = std::min(x0, x1) - m, t = std::min(y0, y1) - m;
    return {l, t, std::abs(x1 - x0) + 2 * m + 1, std::abs(y1 - y0) + 2 * m + 1};
}

}  // namespace

std::string tool_name(Tool t)
{
    return kNames[size_t(t)];
}

Tool tool_named(const std::string& name)
{
    for (size_t i = 1; i < kNames.size(); ++i)
        if (name == kNames[i])
            return Tool(i);
    return Tool::None;
}

int icon_number(Tool t)
{
    return t == Tool::None ? 1 : int(t) + 1;
}

int next_width(int width)
{
    switch (width) {
    case 1: return 2;
    case 2: return 3;
    case 3: return 5;
    case 5: return 7;
    case 7: return 10;
    default: return 1;
    }
}

uint32_t fill_shade(uint32_t colour)
{
    colour &= kRgbMask;
    if (colour == 0x000000)
        return 0x0C0C0C;
    if (colour == 0xFFFFFF)
        return 0xF7F7F7;
    uint32_t out = 0;
    for (int shift : {16, 8, 0})
        out |= uint32_t(std::min(255u, ((colour >> shift) & 0xFF) + 8)) << shift;
    return out;
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

void PaintCanvas::load(const Surface& picture)
{
    m_canvas = m_stored = m_undo = picture;
    m_line = {};
    m_oval = m_box = {};
}

void PaintCanvas::pick(uint32_t colour)
{
    (tool == Tool::FloodFill ? fill_colour : pen_colour) = colour & kRgbMask;
}

void PaintCanvas::drop_previews()
{
    m_line.shown = m_oval.shown = m_box.shown = false;
}

Pen PaintCanvas::pen() const
{
    return {tool == Tool::Eraser ? paper : pen_colour, width};
}

Rect PaintCanvas::line_to(int x0, int y0, int x1, int y1)
{
    draw_line(m_canvas, x0, y0, x1, y1, m_stroke);
    return segment_box(x0, y0, x1, y1, m_stroke.width).intersect(whole());
}

Rect PaintCanvas::press(int button, int x, int y)
{
    if (button != kLeft)
        return {};
    m_stroke = pen();
    switch (tool) {
    case Tool::Freehand:
    case Tool::Eraser:
        take_snapshot();
        m_pos_x = x;
        m_pos_y = y;
        return line_to(x, y, x, y);  // a press alone leaves a dot
    case Tool::Line:
        if (m_line.shown) {
            m_line.shown = false;
            if (m_line.x1 != m_line.x2 || m_line.y1 != m_line.y2) {
                take_snapshot();
                return line_to(m_line.x1, m_line.y1, m_line.x2, m_line.y2);
            }
            return {};
        }
        m_line = {true, x, y, x, y};
        return {};
    case Tool::Circle:
    case Tool::CircleFill:
        if (m_oval.shown) {
            m_oval.shown = false;
            take_snapshot();
            if (tool == Tool::CircleFill)
                draw_ellipse(m_canvas, m_oval.r, m_stroke, fill_colour);
            else
                draw_ellipse(m_canvas, m_oval.r, m_stroke);
            return m_oval.r.intersect(whole());
        }
        m_centre_x = x;
        m_centre_y = y;
        m_oval = {true, {x, y, 0, 0}};
        return {};
    case Tool::Rectangle:
    case Tool::RectangleFill:
        if (!m_box.shown) {
            m_corner_x = x;
            m_corner_y = y;
            m_box = {true, {x, y, 0, 0}};
            return {};
        }
        m_box.shown = false;
        if (m_box.r.w > 1 && m_box.r.h > 1) {
            take_snapshot();
            if (tool == Tool::RectangleFill)
                draw_rectangle(m_canvas, m_box.r, m_stroke, fill_colour);
            else
                draw_rectangle(m_canvas, m_box.r, m_stroke);
            return m_box.r.intersect(whole());
        }
        return {};
    default: return {};
    }
}

Rect PaintCanvas::move(int buttons, int x, int y)
{
    const bool left = buttons & kLeft;
    switch (tool) {
    case Tool::Freehand:
    case Tool::Eraser:
        if (left) {
            Rect r = line_to(m_pos_x, m_pos_y, x, y);
            m_pos_x = x;
            m_pos_y = y;
            return r;
        }
        return {};
    case Tool::Circle:
    case Tool::CircleFill:
        if (!buttons && m_oval.shown) {
            const int w = 2 * std::abs(x - m_centre_x), h = 2 * std::abs(y - m_centre_y);
            m_oval.r = {m_centre_x - w / 2, m_centre_y - h / 2, w, h};
        }
        return {};
    case Tool::Line:
        if (!buttons) {
            m_line.x2 = x;
            m_line.y2 = y;
        }
        return {};
    case Tool::MoreLines:
        m_line.x2 = x;
        m_line.y2 = y;
        return {};
    case Tool::Rectangle:
    case Tool::RectangleFill:
        if (!buttons && m_box.shown) {
            Rect& r = m_box.r;
            if (x >= m_corner_x)
                r.x = m_corner_x, r.w = x - m_corner_x;
            else
                r.x = x + 1, r.w = m_corner_x - x;
            if (y >= m_corner_y)
                r.y = m_corner_y, r.h = y - m_corner_y;
            else
                r.y = y + 1, r.h = m_corner_y - y;
        }
        return {};
    default: return {};
    }
}

Rect PaintCanvas::release(int button, int x, int y)
{
    if (button != kLeft)
        return {};
    Rect changed;
    m_stroke = pen();
    if (tool == Tool::MoreLines) {
        if (m_line.shown) {
            m_line.shown = false;
            if (m_line.x1 != m_line.x2 || m_line.y1 != m_line.y2) {
                changed = line_to(m_pos_x, m_pos_y, m_line.x2, m_line.y2);
                m_pos_x = m_line.x2;
                m_pos_y = m_line.y2;
                m_line = {true, x, y, x, y};
            }
        } else {
            m_pos_x = x;
            m_pos_y = y;
            m_line = {true, x, y, x, y};
        }
    } else if (tool == Tool::FloodFill) {
        take_snapshot();
        const uint32_t colour = fill_colour & kRgbMask;
        if (m_canvas.rect().contains(x, y) && m_canvas.pixel(x, y) != colour) {
            // One walk paints the region and finds the rectangle to show again.
            int l = x, t = y, r = x, b = y;
            flood_region(m_canvas, x, y, [&](int px, int py) {
                m_canvas.row(py)[px] = colour;
                l = std::min(l, px), r = std::max(r, px), t = std::min(t, py), b = std::max(b, py);
            });
            changed = {l, t, r - l + 1, b - t + 1};
        }
    }
    m_stored = m_canvas;
    return changed;
}

Rect PaintCanvas::undo()
{
    m_canvas = m_stored = m_undo;
    return whole();
}

Rect PaintCanvas::clear()
{
    m_canvas.fill(whole(), paper);
    m_stored = m_canvas;
    return whole();
}

}  // namespace bafo

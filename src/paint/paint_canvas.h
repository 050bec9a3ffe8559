// The colouring book's drawing rules: nine tools, the pen and fill colours,
// the pen width, the previews of a shape being placed and the one-step undo.
// The screen only shows what this holds and passes the mouse on.
#pragma once

#include "platform/draw.h"
#include "platform/surface.h"

#include <string>

namespace bafo {

enum class Tool { None, Freehand, Line, MoreLines, FloodFill, Eraser, CircleFill, Circle, RectangleFill, Rectangle };

// "FREEHAND" … "RECTANGLE"; None is the empty name.
std::string tool_name(Tool t);
Tool tool_named(const std::string& name);
// The icon a tool shows: FREEHAND 2 … RECTANGLE 10, none (or anything else) 1.
int icon_number(Tool t);
// The next pen width: 1 → 2 → 3 → 5 → 7 → 10 → 1.
int next_width(int width);
// The shade the icons show for a fill colour: a little lighter, never the colour itself.
uint32_t fill_shade(uint32_t colour);

struct LinePreview {
    bool shown = false;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct BoxPreview {
    bool shown = false;
    Rect r;
};

class PaintCanvas {
public:
    // The picture to colour; also the first undo snapshot.
    void load(const Surface& picture);

    Tool tool = Tool::Freehand;
    uint32_t pen_colour = 0x000000;
    uint32_t fill_colour = 0xFFFFFF;
    uint32_t paper = 0xFFFFFF;
    int width = 3;

    // What the canvas shows, what it holds as of the last release (what
    // redraws and what is stored), and the undo snapshot.
    const Surface& canvas() const { return m_canvas; }
    const Surface& stored() const { return m_stored; }
    const Surface& snapshot() const { return m_undo; }
    const LinePreview& line() const { return m_line; }
    const BoxPreview& oval() const { return m_oval; }
    const BoxPreview& box() const { return m_box; }

    // A colour picked from the palette: the fill colour while the fill tool
    // is current, the pen colour otherwise.
    void pick(uint32_t colour);
    // An icon was clicked: an unfinished shape is dropped without drawing.
    void drop_previews();

    // Mouse on the canvas, in canvas pixels. Each returns the rectangle of
    // canvas pixels that changed (empty when none); previews are not pixels.
    Rect press(int button, int x, int y);
    Rect move(int buttons, int x, int y);
    Rect release(int button, int x, int y);

    // Back to the snapshot; a second undo gives the same picture.
    Rect undo();
    // A blank sheet of the paper colour; the snapshot stays.
    Rect clear();

private:
    Pen pen() const;
    void take_snapshot() { m_undo = m_stored; }
    Rect line_to(int x0, int y0, int x1, int y1);
    Rect whole() const { return m_canvas.rect(); }

    Surface m_canvas, m_stored, m_undo;
    LinePreview m_line;
    BoxPreview m_oval, m_box;
    int m_pos_x = 0, m_pos_y = 0;  // where the stroke or polyline goes on from
    int m_centre_x = 0, m_centre_y = 0;
    int m_corner_x = 0, m_corner_y = 0;
    Pen m_stroke;  // made at the press, kept for the moves of a stroke
};

// The smallest rectangle holding both.
Rect unite(const Rect& a, const Rect& b);

}  // namespace bafo

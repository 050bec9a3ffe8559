// The colouring book: six sets of ten line drawings (the same themes as the
// picture sets) and their thumbnails for the chooser. A child colours them
// with a bucket fill, so the pages are drawn without antialiasing, in pure
// black on pure white (no grey fringe for the fill to stop at or leak past),
// and every white area is big enough for a small hand to hit.
#include "art.h"
#include "datagen.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace datagen {

namespace {

using namespace art;

constexpr double kPi = 3.14159265358979323846;
constexpr int kW = 640, kH = 480;
constexpr int kThumbW = 168, kThumbH = 125;
constexpr int kMinRegion = 20;  // a white area narrower than this is too fiddly for the bucket

// --- the pen ------------------------------------------------------------------

struct Pt {
    double x, y;
};

// Closed smooth curve through the points (Catmull-Rom turned into Beziers).
void smooth_path(cairo_t* c, const std::vector<Pt>& p)
{
    const size_t n = p.size();
    cairo_new_sub_path(c);
    cairo_move_to(c, p[0].x, p[0].y);
    for (size_t i = 0; i < n; ++i) {
        const Pt& a = p[(i + n - 1) % n];
        const Pt& b = p[i];
        const Pt& d = p[(i + 1) % n];
        const Pt& e = p[(i + 2) % n];
        cairo_curve_to(c, b.x + (d.x - a.x) / 6, b.y + (d.y - a.y) / 6, d.x - (e.x - b.x) / 6, d.y - (e.y - b.y) / 6,
                       d.x, d.y);
    }
    cairo_close_path(c);
}

// Draws in pure black and white only: every shape is painted white with a
// 3 px black outline over whatever lies behind it, so later shapes hide the
// lines of earlier ones and each area stays closed. Line widths are in page
// pixels whatever the current scale.
class Ink {
public:
    explicit Ink(cairo_t* cr) : cr_(cr)
    {
        cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
        cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
        cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
    }
    cairo_t* cr() const { return cr_; }

    void shape(const PathFn& path)
    {
        cairo_new_path(cr_);
        path(cr_);
        white();
        cairo_fill_preserve(cr_);
        outline(3);
    }
    // Overlapping pieces (puffs of a cloud, a tree's crown) under one outline.
    void merged(const PathFn& path)
    {
        cairo_new_path(cr_);
        path(cr_);
        outline(6, true);
        white();
        cairo_fill(cr_);
    }
    void blob(const PathFn& path)
    {
        cairo_new_path(cr_);
        path(cr_);
        black();
        cairo_fill(cr_);
    }
    void line(const PathFn& path)
    {
        cairo_new_path(cr_);
        path(cr_);
        outline(3);
    }
    // A band of the given width along a polyline, closed at both ends.
    void tube(std::initializer_list<double> xy, double width)
    {
        std::vector<double> v(xy);
        auto path = [&] {
            cairo_new_path(cr_);
            for (size_t i = 0; i + 1 < v.size(); i += 2)
                cairo_line_to(cr_, v[i], v[i + 1]);
        };
        path();
        const double s = scale();
        cairo_save(cr_);
        cairo_identity_matrix(cr_);
        cairo_set_line_width(cr_, width * s + 6);
        black();
        cairo_stroke(cr_);
        cairo_restore(cr_);
        path();
        cairo_save(cr_);
        cairo_identity_matrix(cr_);
        cairo_set_line_width(cr_, width * s);
        white();
        cairo_stroke(cr_);
        cairo_restore(cr_);
    }

    // Draws `content` clipped to the area `path`, then the area's outline again,
    // so stripes and patches end exactly on it.
    void inside(const PathFn& path, const std::function<void()>& content)
    {
        cairo_save(cr_);
        cairo_new_path(cr_);
        path(cr_);
        cairo_clip(cr_);
        content();
        cairo_restore(cr_);
        line(path);
    }

    // A band of the given width (local units) along an open path, closed at both ends.
    void band(const PathFn& path, double width)
    {
        const double s = scale();
        cairo_new_path(cr_);
        path(cr_);
        cairo_save(cr_);
        cairo_identity_matrix(cr_);
        cairo_set_line_width(cr_, width * s + 6);
        black();
        cairo_stroke(cr_);
        cairo_restore(cr_);
        path(cr_);
        cairo_save(cr_);
        cairo_identity_matrix(cr_);
        cairo_set_line_width(cr_, width * s);
        white();
        cairo_stroke(cr_);
        cairo_restore(cr_);
    }

    void oval(double cx, double cy, double rx, double ry)
    {
        shape([=](cairo_t* c) { ellipse(c, cx, cy, rx, ry); });
    }
    void box(double x, double y, double w, double h, double r = 0)
    {
        shape([=](cairo_t* c) {
            if (r > 0)
                rounded_rect(c, x, y, w, h, r);
            else
                cairo_rectangle(c, x, y, w, h);
        });
    }
    void poly(std::initializer_list<double> xy)
    {
        std::vector<double> v(xy);
        shape([&](cairo_t* c) {
            cairo_new_sub_path(c);
            for (size_t i = 0; i + 1 < v.size(); i += 2)
                cairo_line_to(c, v[i], v[i + 1]);
            cairo_close_path(c);
        });
    }
    void spot(std::vector<Pt> pts)
    {
        shape([&](cairo_t* c) { smooth_path(c, pts); });
    }
    void dot(double cx, double cy, double r)
    {
        blob([=](cairo_t* c) { ellipse(c, cx, cy, r, r); });
    }
    void seg(double x0, double y0, double x1, double y1)
    {
        line([=](cairo_t* c) {
            cairo_move_to(c, x0, y0);
            cairo_line_to(c, x1, y1);
        });
    }
    void arc_line(double cx, double cy, double r, double a0, double a1)
    {
        line([=](cairo_t* c) {
            cairo_new_sub_path(c);
            cairo_arc(c, cx, cy, r, a0, a1);
        });
    }
    // Page pixels per local unit.
    double scale() const
    {
        cairo_matrix_t m;
        cairo_get_matrix(cr_, &m);
        return std::sqrt(std::abs(m.xx * m.yy - m.xy * m.yx));
    }

private:
    void white() { cairo_set_source_rgb(cr_, 1, 1, 1); }
    void black() { cairo_set_source_rgb(cr_, 0, 0, 0); }
    void outline(double width, bool keep = false)
    {
        cairo_save(cr_);
        cairo_identity_matrix(cr_);
        cairo_set_line_width(cr_, width);
        black();
        if (keep)
            cairo_stroke_preserve(cr_);
        else
            cairo_stroke(cr_);
        cairo_restore(cr_);
    }

    cairo_t* cr_;
};

// Draws in a local frame: origin at (x, y), scaled, optionally mirrored and turned.
class Local {
public:
    Local(Ink& k, double x, double y, double s, bool flip = false, double turn = 0) : cr_(k.cr())
    {
        cairo_save(cr_);
        cairo_translate(cr_, x, y);
        cairo_rotate(cr_, turn);
        cairo_scale(cr_, flip ? -s : s, s);
    }
    ~Local() { cairo_restore(cr_); }
    Local(const Local&) = delete;
    Local& operator=(const Local&) = delete;

private:
    cairo_t* cr_;
};

// Forces the page to pure black and white, blackens the few pixel-sized pockets
// where lines meet at a sharp angle, and reports any real area too small to
// colour. Returns the problems as text.
std::vector<std::string> close_pockets(Canvas& c, const std::string& where)
{
    const int w = c.w(), h = c.h(), stride = c.stride_words();
    uint32_t* d = c.data();
    std::vector<uint8_t> white(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t v = d[size_t(y) * size_t(stride) + size_t(x)] & 0xFFFFFF;
            white[size_t(y) * size_t(w) + size_t(x)] = v == 0xFFFFFF;
        }
    std::vector<std::string> problems;
    std::vector<int> label(white.size(), -1), stack, members;
    for (size_t start = 0; start < white.size(); ++start) {
        if (!white[start] || label[start] >= 0)
            continue;
        members.clear();
        stack.assign(1, int(start));
        label[start] = 1;
        int x0 = w, x1 = -1, y0 = h, y1 = -1;
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            members.push_back(p);
            const int x = p % w, y = p / w;
            x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (auto& q : next) {
                if (q[0] < 0 || q[1] < 0 || q[0] >= w || q[1] >= h)
                    continue;
                const size_t i = size_t(q[1]) * size_t(w) + size_t(q[0]);
                if (white[i] && label[i] < 0) {
                    label[i] = 1;
                    stack.push_back(int(i));
                }
            }
        }
        if (x1 - x0 + 1 >= kMinRegion && y1 - y0 + 1 >= kMinRegion)
            continue;
        if (members.size() <= 60) {
            for (int p : members)
                white[size_t(p)] = 0;
            continue;
        }
        problems.push_back(where + ": area of " + std::to_string(members.size()) + " px at (" + std::to_string(x0) +
                           ", " + std::to_string(y0) + ") size " + std::to_string(x1 - x0 + 1) + "x" +
                           std::to_string(y1 - y0 + 1));
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            d[size_t(y) * size_t(stride) + size_t(x)] =
                white[size_t(y) * size_t(w) + size_t(x)] ? 0xFFFFFFFFu : 0xFF000000u;
    c.mark_dirty();
    return problems;
}

// --- Bafo as a line drawing ---------------------------------------------------

// His head alone, in his own units (see puppy()).
void puppy_head(Ink& k, bool asleep = false)
{
    // Drawn small, the tuft behind his head would leave a sliver too thin to colour.
    if (k.scale() >= 0.7)
        k.shape([](cairo_t* c) {
        cairo_move_to(c, -26, -250);
        cairo_curve_to(c, -22, -284, 12, -296, 22, -278);
        cairo_curve_to(c, 30, -264, 26, -252, 20, -244);
        cairo_close_path(c);
    });
    k.oval(0, -188, 84, 72);
    for (double side : {-1.0, 1.0})
        k.shape([=](cairo_t* c) {
            cairo_move_to(c, side * -38, -254);
            cairo_curve_to(c, side * -78, -268, side * -112, -240, side * -112, -196);
            cairo_curve_to(c, side * -112, -160, side * -106, -132, side * -88, -124);
            cairo_curve_to(c, side * -70, -117, side * -64, -138, side * -66, -160);
            cairo_curve_to(c, side * -68, -196, side * -62, -222, side * -38, -254);
            cairo_close_path(c);
        });
    k.oval(0, -158, 46, 32);
    if (asleep) {
        k.arc_line(-31, -206, 13, 0.15 * kPi, 0.85 * kPi);
        k.arc_line(31, -206, 13, 0.15 * kPi, 0.85 * kPi);
    } else {
        k.blob([](cairo_t* c) {
            ellipse(c, -31, -202, 12.5, 16);
            ellipse(c, 31, -202, 12.5, 16);
        });
    }
    k.blob([](cairo_t* c) {
        cairo_move_to(c, 0, -166);
        cairo_curve_to(c, -9, -167, -16, -173, -15, -179);
        cairo_curve_to(c, -14, -186, 14, -186, 15, -179);
        cairo_curve_to(c, 16, -173, 9, -167, 0, -166);
        cairo_close_path(c);
    });
    k.line([](cairo_t* c) {
        cairo_move_to(c, 0, -168);
        cairo_line_to(c, 0, -152);
        cairo_move_to(c, -20, -150);
        cairo_curve_to(c, -12, -138, -4, -140, 0, -152);
        cairo_curve_to(c, 4, -140, 12, -138, 20, -150);
    });
}

// The same puppy as in the coloured pictures, in his own units (origin between
// his feet, about 275 tall at scale 1), reduced to outlines a child can fill.
void puppy(Ink& k, double x, double gy, double s, Arm right = Arm::Down, bool flip = false)
{
    Local l(k, x, gy, s, flip);
    k.tube({46, -44, 76, -46, 90, -70, 84, -92}, 15);
    auto arm = [&](double side, Arm a) {
        double ang = a == Arm::Wave ? 2.2 : a == Arm::Up ? 2.6 : a == Arm::Hip ? 0.75 : 0.35;
        const double px = side * (44 + 50 * std::sin(ang)), py = -98 + 50 * std::cos(ang);
        k.tube({side * 44, -98, px, py}, 22);
        k.oval(px, py, 15, 14);
    };
    const bool up = right == Arm::Wave || right == Arm::Up;
    k.oval(-32, -13, 26, 14);
    k.oval(32, -13, 26, 14);
    k.oval(0, -66, 58, 56);
    k.oval(0, -58, 36, 36);
    arm(-1, Arm::Down);
    if (!up)
        arm(1, right);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -50, -132);
        cairo_curve_to(c, -24, -112, 24, -112, 50, -132);
        cairo_line_to(c, 48, -102);
        cairo_curve_to(c, 22, -80, -22, -80, -48, -102);
        cairo_close_path(c);
    });
    k.oval(0, -76, 14, 14);
    puppy_head(k);
    if (up)
        arm(1, right);
}

// --- scenery ----------------------------------------------------------------

// Ground below a gentle wave; everything above it is one sky.
void ground(Ink& k, double base, double amp = 12, double freq = 0.012, double phase = 0)
{
    k.shape([=](cairo_t* c) {
        cairo_move_to(c, -10, kH + 10);
        for (double x = -10; x <= kW + 10; x += 8)
            cairo_line_to(c, x, base + amp * std::sin(freq * x + phase));
        cairo_line_to(c, kW + 10, kH + 10);
        cairo_close_path(c);
    });
}

void sun(Ink& k, double cx, double cy, double r, bool face = true)
{
    for (int i = 0; i < 10; ++i) {
        const double a = i * kPi / 5 + 0.3;
        k.seg(cx + (r + 9) * std::cos(a), cy + (r + 9) * std::sin(a), cx + (r + 26) * std::cos(a),
              cy + (r + 26) * std::sin(a));
    }
    k.oval(cx, cy, r, r);
    if (face && r >= 30) {
        k.dot(cx - r * 0.35, cy - r * 0.15, r * 0.1);
        k.dot(cx + r * 0.35, cy - r * 0.15, r * 0.1);
        k.arc_line(cx, cy + r * 0.05, r * 0.45, 0.2 * kPi, 0.8 * kPi);
    }
}

void cloud(Ink& k, double cx, double cy, double w)
{
    k.merged([=](cairo_t* c) {
        const double puffs[][3] = {{-0.3, 0.02, 0.2}, {-0.06, -0.12, 0.27}, {0.22, -0.04, 0.22}, {0.36, 0.06, 0.14}};
        for (auto& p : puffs)
            ellipse(c, cx + p[0] * w, cy + p[1] * w, p[2] * w, p[2] * w);
        rounded_rect(c, cx - 0.46 * w, cy - 0.02 * w, 0.96 * w, 0.2 * w, 0.1 * w);
    });
}

void tree(Ink& k, double x, double gy, double s, int apples = 0)
{
    k.poly({x - s * 0.1, gy + 4, x - s * 0.07, gy - s * 0.62, x + s * 0.07, gy - s * 0.62, x + s * 0.1, gy + 4});
    k.merged([=](cairo_t* c) {
        const double b[][3] = {{0, -0.8, 0.3}, {-0.26, -0.64, 0.22}, {0.26, -0.64, 0.22},
                               {-0.14, -0.98, 0.21}, {0.16, -0.96, 0.22}};
        for (auto& p : b)
            ellipse(c, x + p[0] * s, gy + p[1] * s, p[2] * s, p[2] * s);
    });
    const double spots[][2] = {{-0.22, -0.66}, {0.2, -0.7}, {0.0, -0.95}, {-0.05, -0.62}, {0.3, -0.9}};
    for (int i = 0; i < apples && i < 5; ++i)
        k.oval(x + spots[i][0] * s, gy + spots[i][1] * s, std::max(13.0, s * 0.06), std::max(13.0, s * 0.06));
}

void fir(Ink& k, double x, double gy, double s)
{
    k.box(x - s * 0.08, gy - s * 0.28, s * 0.16, s * 0.3);
    for (int i = 0; i < 3; ++i) {
        const double top = gy - s * (1.0 - i * 0.22), bot = gy - s * (0.5 - i * 0.15);
        const double half = s * (0.22 + i * 0.1);
        k.poly({x, top, x + half, bot, x - half, bot});
    }
}

// Stands on the ground line `base`; draw it before the ground, which hides its feet.
void fence(Ink& k, double x0, double x1, double base, double h)
{
    double last = x0;
    for (double x = x0; x + 26 <= x1 + 1; x += 58)
        last = x + 26;
    k.box(x0, base - h * 0.72, last - x0, 26);
    for (double x = x0; x + 26 <= x1 + 1; x += 58)
        k.poly({x, base + 40, x, base - h + 14, x + 13, base - h, x + 26, base - h + 14, x + 26, base + 40});
}

void flower(Ink& k, double cx, double cy, double r, double stem_to)
{
    r = std::max(r, 36.0);
    const double mid = (cy + stem_to) / 2;
    k.line([=](cairo_t* c) {
        cairo_move_to(c, cx, cy + r * 1.05);
        cairo_curve_to(c, cx + 6, mid - 10, cx - 6, mid + 10, cx, stem_to);
    });
    k.spot({{cx + 1, mid + 8}, {cx + 22, mid - 16}, {cx + 50, mid - 14}, {cx + 30, mid + 12}});
    for (int i = 0; i < 5; ++i) {
        const double a = -kPi / 2 + i * 2 * kPi / 5;
        k.oval(cx + r * 0.72 * std::cos(a), cy + r * 0.72 * std::sin(a), r * 0.4, r * 0.4);
    }
    k.oval(cx, cy, r * 0.42, r * 0.42);
}

void tuft(Ink& k, double x, double y)
{
    k.line([=](cairo_t* c) {
        cairo_move_to(c, x - 14, y - 22);
        cairo_curve_to(c, x - 8, y - 12, x - 4, y - 6, x, y);
        cairo_curve_to(c, x - 2, y - 12, x - 2, y - 20, x + 2, y - 30);
        cairo_move_to(c, x, y);
        cairo_curve_to(c, x + 4, y - 6, x + 8, y - 12, x + 14, y - 20);
    });
}

// --- set 1: farm animals -------------------------------------------------------

void cow(Ink& k, double x, double gy, double s, bool flip = false)
{
    Local l(k, x, gy, s, flip);
    // Far legs first, then the body over them.
    for (double lx : {-78.0, 58.0})
        k.box(lx, -92, 26, 82, 8);
    k.line([](cairo_t* c) {
        cairo_move_to(c, -118, -172);
        cairo_curve_to(c, -150, -150, -150, -110, -140, -84);
    });
    k.oval(-140, -68, 14, 20);
    k.box(-120, -190, 220, 116, 50);
    k.spot({{-80, -180}, {-40, -176}, {-30, -140}, {-58, -118}, {-92, -134}});
    k.spot({{10, -182}, {52, -178}, {56, -146}, {24, -130}, {2, -150}});
    k.spot({{-30, -112}, {4, -118}, {12, -88}, {-24, -84}});
    k.oval(-4, -72, 28, 16);
    for (double lx : {-100.0, 36.0})
        k.box(lx, -96, 28, 92, 8);
    for (double lx : {-100.0, 36.0})
        k.blob([=](cairo_t* c) { rounded_rect(c, lx, -14, 28, 12, 3); });
    for (double lx : {-78.0, 58.0})
        k.blob([=](cairo_t* c) { rounded_rect(c, lx, -20, 26, 12, 3); });
    // Head.
    k.oval(126, -196, 30, 14);
    k.poly({78, -230, 68, -272, 102, -240});
    k.poly({124, -238, 148, -274, 146, -228});
    k.box(70, -244, 84, 96, 38);
    k.oval(112, -150, 46, 30);
    k.dot(96, -152, 6);
    k.dot(128, -152, 6);
    k.dot(92, -204, 7);
    k.dot(132, -204, 7);
    k.oval(56, -222, 22, 12);
}

void pig(Ink& k, double x, double gy, double s, bool flip = false)
{
    Local l(k, x, gy, s, flip);
    for (double lx : {-50.0, 66.0})
        k.box(lx, -70, 26, 66, 8);
    k.line([](cairo_t* c) {
        cairo_move_to(c, -124, -112);
        cairo_curve_to(c, -140, -136, -156, -104, -166, -124);
    });
    k.oval(0, -112, 126, 82);
    for (double lx : {-84.0, 32.0})
        k.box(lx, -70, 26, 70, 8);
    k.oval(112, -140, 58, 54);
    k.poly({84, -186, 82, -224, 116, -192});
    k.poly({126, -190, 150, -220, 150, -178});
    k.oval(150, -124, 30, 24);
    k.dot(142, -124, 5);
    k.dot(158, -124, 5);
    k.dot(106, -158, 6);
    k.dot(136, -160, 6);
    k.arc_line(118, -110, 14, 0.25 * kPi, 0.75 * kPi);
}

void sheep(Ink& k, double x, double gy, double s, bool flip = false)
{
    Local l(k, x, gy, s, flip);
    for (double lx : {-70.0, 40.0, -40.0, 70.0})
        k.box(lx - 11, -80, 22, 78, 8);
    k.merged([](cairo_t* c) {
        for (int i = 0; i < 7; ++i) {
            const double a = i * 2 * kPi / 7;
            ellipse(c, 120 * std::cos(a) * 0.8, -150 + 62 * std::sin(a) * 0.8, 44, 44);
        }
        ellipse(c, 0, -150, 100, 60);
    });
    k.oval(122, -176, 40, 48);
    k.oval(86, -188, 24, 12);
    k.merged([](cairo_t* c) {
        ellipse(c, 104, -220, 20, 20);
        ellipse(c, 132, -224, 20, 20);
    });
    k.dot(112, -184, 6);
    k.dot(138, -184, 6);
    k.dot(128, -150, 4);
    k.arc_line(126, -150, 10, 0.2 * kPi, 0.8 * kPi);
}

void hen(Ink& k, double x, double gy, double s, bool flip = false, bool rooster = false)
{
    Local l(k, x, gy, s, flip);
    k.line([](cairo_t* c) {
        for (double lx : {-10.0, 24.0}) {
            cairo_move_to(c, lx, -50);
            cairo_line_to(c, lx - 2, 0);
            cairo_move_to(c, lx - 16, 2);
            cairo_line_to(c, lx + 14, 2);
        }
    });
    if (rooster) {
        for (int i = 0; i < 3; ++i) {
            const double a = 0.5 + i * 0.45;
            k.shape([=](cairo_t* c) {
                cairo_save(c);
                cairo_translate(c, -70, -130);
                cairo_rotate(c, -a);
                cairo_move_to(c, 0, -14);
                cairo_curve_to(c, -60, -40, -110, -20, -130, 10);
                cairo_curve_to(c, -100, 0, -50, 0, 0, 14);
                cairo_close_path(c);
                cairo_restore(c);
            });
        }
    } else {
        k.merged([](cairo_t* c) {
            ellipse(c, -70, -170, 30, 40);
            ellipse(c, -88, -150, 28, 36);
            ellipse(c, -60, -136, 30, 30);
        });
    }
    k.oval(0, -110, 96, 74);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -40, -128);
        cairo_curve_to(c, -10, -150, 40, -140, 46, -104);
        cairo_curve_to(c, 20, -76, -30, -82, -40, -128);
        cairo_close_path(c);
    });
    const double comb = rooster ? 1.35 : 1.0;
    k.merged([=](cairo_t* c) {
        ellipse(c, 58, -222 - 4 * comb, 14 * comb, 16 * comb);
        ellipse(c, 80, -228 - 6 * comb, 14 * comb, 18 * comb);
        ellipse(c, 100, -220 - 4 * comb, 13 * comb, 15 * comb);
    });
    k.oval(118, -140, 12, 20);
    k.oval(76, -176, 44, 44);
    k.poly({116, -186, 146, -172, 116, -158});
    k.dot(86, -186, 7);
}

void chick(Ink& k, double x, double gy, double s, bool flip = false)
{
    Local l(k, x, gy, s, flip);
    k.oval(0, -40, 40, 36);
    k.oval(30, -82, 28, 28);
    k.blob([](cairo_t* c) {
        cairo_move_to(c, 54, -90);
        cairo_line_to(c, 72, -82);
        cairo_line_to(c, 54, -74);
        cairo_close_path(c);
    });
    k.dot(38, -90, 5);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -24, -48);
        cairo_curve_to(c, -4, -64, 20, -50, 18, -30);
        cairo_curve_to(c, 0, -18, -20, -26, -24, -48);
        cairo_close_path(c);
    });
}

void duck(Ink& k, double x, double wy, double s, bool flip = false)
{
    Local l(k, x, wy, s, flip);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -110, -60);
        cairo_curve_to(c, -96, -10, -60, 10, 0, 10);
        cairo_curve_to(c, 70, 10, 100, -10, 100, -50);
        cairo_curve_to(c, 100, -80, 60, -90, 20, -80);
        cairo_curve_to(c, -20, -70, -60, -70, -110, -100);
        cairo_close_path(c);
    });
    k.oval(66, -112, 42, 42);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -40, -60);
        cairo_curve_to(c, -10, -82, 40, -74, 52, -40);
        cairo_curve_to(c, 20, -20, -30, -26, -40, -60);
        cairo_close_path(c);
    });
    k.shape([](cairo_t* c) {
        cairo_move_to(c, 100, -124);
        cairo_curve_to(c, 128, -132, 154, -122, 160, -104);
        cairo_curve_to(c, 140, -86, 120, -88, 100, -92);
        cairo_close_path(c);
    });
    k.dot(78, -124, 7);
}

void horse(Ink& k, double x, double gy, double s, bool flip = false)
{
    Local l(k, x, gy, s, flip);
    for (double lx : {-66.0, 80.0})
        k.box(lx, -110, 24, 104, 8);
    k.spot({{-104, -176}, {-136, -150}, {-150, -96}, {-138, -48}, {-122, -96}, {-104, -130}});
    k.box(-110, -200, 210, 100, 48);
    for (double lx : {-96.0, 46.0})
        k.box(lx, -112, 26, 112, 8);
    for (double lx : {-96.0, 46.0})
        k.blob([=](cairo_t* c) { rounded_rect(c, lx, -12, 26, 12, 3); });
    for (double lx : {-66.0, 80.0})
        k.blob([=](cairo_t* c) { rounded_rect(c, lx, -16, 24, 10, 3); });
    // Neck, head, ears and mane.
    k.poly({30, -176, 70, -290, 128, -282, 98, -160});
    k.shape([](cairo_t* c) {
        cairo_save(c);
        cairo_translate(c, 128, -268);
        cairo_rotate(c, 0.55);
        rounded_rect(c, -46, -30, 112, 60, 28);
        cairo_restore(c);
    });
    k.spot({{60, -306}, {104, -310}, {80, -250}, {60, -184}, {6, -196}, {26, -256}});
    k.poly({96, -300, 100, -342, 120, -304});
    k.poly({114, -298, 126, -338, 138, -292});
    k.dot(118, -276, 6);
    k.dot(170, -224, 5);
}

void rabbit(Ink& k, double x, double gy, double s, bool flip = false)
{
    Local l(k, x, gy, s, flip);
    k.oval(-70, -60, 24, 24);
    k.oval(0, -80, 80, 72);
    k.oval(-40, -14, 44, 16);
    k.oval(50, -14, 40, 16);
    k.oval(40, -230, 18, 60);
    k.oval(80, -226, 18, 58);
    k.oval(40, -226, 10, 40);
    k.oval(80, -222, 10, 38);
    k.oval(60, -150, 56, 50);
    k.dot(40, -158, 7);
    k.dot(80, -158, 7);
    k.blob([](cairo_t* c) { ellipse(c, 60, -136, 9, 7); });
    k.arc_line(52, -124, 8, 0.1 * kPi, 0.9 * kPi);
    k.arc_line(68, -124, 8, 0.1 * kPi, 0.9 * kPi);
}

void carrot(Ink& k, double x, double y, double s, double turn)
{
    Local l(k, x, y, s, false, turn);
    k.merged([](cairo_t* c) {
        ellipse(c, -10, -70, 12, 30);
        ellipse(c, 10, -70, 12, 30);
        ellipse(c, 0, -80, 12, 34);
    });
    k.poly({-24, -40, 24, -40, 0, 70});
    k.seg(-10, -10, 4, -10);
    k.seg(-4, 20, 8, 20);
}

void barn(Ink& k, double x, double gy, double w, double h)
{
    k.poly({x, gy + 4, x, gy - h * 0.62, x + w / 2, gy - h, x + w, gy - h * 0.62, x + w, gy + 4});
    k.poly({x - 14, gy - h * 0.6, x + w / 2, gy - h - 18, x + w + 14, gy - h * 0.6, x + w + 14, gy - h * 0.6 + 20,
            x + w / 2, gy - h + 4, x - 14, gy - h * 0.6 + 20});
    const double dw = w * 0.42, dh = h * 0.46;
    const double dx = x + (w - dw) / 2;
    k.box(dx, gy - dh, dw, dh + 4);
    k.seg(dx, gy - dh, dx + dw, gy);
    k.seg(dx + dw, gy - dh, dx, gy);
    k.oval(x + w / 2, gy - h * 0.7, w * 0.12, w * 0.12);
}

void kennel(Ink& k, double x, double gy, double w, double h)
{
    k.poly({x, gy + 4, x, gy - h * 0.6, x + w / 2, gy - h, x + w, gy - h * 0.6, x + w, gy + 4});
    k.poly({x - 16, gy - h * 0.56, x + w / 2, gy - h - 16, x + w + 16, gy - h * 0.56, x + w + 16, gy - h * 0.56 + 18,
            x + w / 2, gy - h + 4, x - 16, gy - h * 0.56 + 18});
    k.shape([=](cairo_t* c) {
        const double dw = w * 0.5, dx = x + w * 0.25;
        cairo_move_to(c, dx, gy + 4);
        cairo_line_to(c, dx, gy - h * 0.36);
        cairo_arc(c, dx + dw / 2, gy - h * 0.36, dw / 2, kPi, 2 * kPi);
        cairo_line_to(c, dx + dw, gy + 4);
        cairo_close_path(c);
    });
    k.blob([=](cairo_t* c) {
        const double dw = w * 0.5 - 14, dx = x + w * 0.25 + 7;
        cairo_move_to(c, dx, gy);
        cairo_line_to(c, dx, gy - h * 0.36);
        cairo_arc(c, dx + dw / 2, gy - h * 0.36, dw / 2, kPi, 2 * kPi);
        cairo_line_to(c, dx + dw, gy);
        cairo_close_path(c);
    });
}

void bone(Ink& k, double x, double y, double s)
{
    Local l(k, x, y, s);
    k.merged([](cairo_t* c) {
        rounded_rect(c, -40, -9, 80, 18, 6);
        for (int sx : {-1, 1})
            for (int sy : {-1, 1})
                ellipse(c, sx * 42, sy * 10, 14, 14);
    });
}

void page_cow(Ink& k)
{
    sun(k, 560, 76, 40);
    cloud(k, 150, 80, 150);
    fence(k, 10, 200, 296, 110);
    ground(k, 296, 8, 0.01, 1);
    tree(k, 575, 330, 180, 3);
    cow(k, 300, 448, 1.2);
    tuft(k, 50, 440);
    tuft(k, 600, 456);
}

void page_pig(Ink& k)
{
    cloud(k, 480, 70, 170);
    barn(k, 40, 300, 220, 230);
    ground(k, 290, 6, 0.02, 0.4);
    k.spot({{150, 400}, {300, 380}, {520, 386}, {600, 420}, {480, 460}, {250, 462}, {140, 440}});
    pig(k, 380, 430, 1.2);
    tuft(k, 610, 340);
    tuft(k, 40, 460);
}

void page_sheep(Ink& k)
{
    sun(k, 90, 80, 40);
    cloud(k, 420, 70, 150);
    ground(k, 310, 22, 0.008, 2);
    tree(k, 555, 340, 220);
    sheep(k, 250, 440, 1.2);
    flower(k, 570, 400, 34, 476);
    tuft(k, 70, 440);
}

void page_hen(Ink& k)
{
    cloud(k, 130, 70, 140);
    sun(k, 560, 70, 36);
    fence(k, 410, 640, 300, 110);
    ground(k, 300, 8, 0.015, 0.5);
    hen(k, 230, 440, 1.25);
    chick(k, 450, 450, 1.0);
    chick(k, 580, 460, 0.9, true);
}

void page_duck(Ink& k)
{
    cloud(k, 420, 80, 170);
    sun(k, 110, 80, 38);
    ground(k, 250, 10, 0.015, 1.5);
    k.oval(330, 370, 300, 92);
    for (double rx : {60.0, 92.0, 584.0}) {
        k.seg(rx, 330, rx + 4, 200);
        k.oval(rx + 4, 210, 12, 30);
    }
    duck(k, 270, 410, 1.2);
    duck(k, 520, 350, 0.8, true);
}

void page_horse(Ink& k)
{
    cloud(k, 520, 60, 140);
    ground(k, 320, 14, 0.01, 3);
    tree(k, 90, 350, 230);
    horse(k, 330, 452, 1.15);
    tuft(k, 600, 440);
    tuft(k, 160, 460);
}

void page_barn(Ink& k)
{
    sun(k, 570, 70, 38);
    cloud(k, 340, 60, 120);
    ground(k, 330, 6, 0.01, 0);
    barn(k, 50, 340, 270, 250);
    tree(k, 480, 350, 190, 4);
    chick(k, 410, 446, 0.9);
    chick(k, 570, 456, 1.0, true);
}

void page_rabbit(Ink& k)
{
    cloud(k, 140, 70, 150);
    ground(k, 330, 10, 0.02, 0);
    rabbit(k, 270, 440, 1.3);
    carrot(k, 500, 350, 1.3, 0.5);
    flower(k, 80, 380, 34, 470);
    tuft(k, 600, 460);
}

void page_bafo(Ink& k)
{
    sun(k, 560, 70, 36);
    cloud(k, 150, 70, 130);
    ground(k, 330, 8, 0.01, 1);
    kennel(k, 50, 380, 210, 200);
    puppy(k, 400, 462, 1.25, Arm::Wave);
    bone(k, 570, 440, 0.8);
}

void page_rooster(Ink& k)
{
    sun(k, 520, 110, 56, false);
    cloud(k, 380, 60, 110);
    fence(k, 20, 620, 380, 130);
    ground(k, 380, 10, 0.01, 0.3);
    hen(k, 210, 252, 1.0, false, true);
    flower(k, 560, 420, 30, 476);
    tuft(k, 80, 462);
}

// --- set 2: vehicles -----------------------------------------------------------

// Radii are local units; hubs too small to colour become solid.
void wheel(Ink& k, double cx, double cy, double r, double s = 1)
{
    k.oval(cx, cy, r, r);
    if (r * 0.45 * s >= 14)
        k.oval(cx, cy, r * 0.45, r * 0.45);
    else
        k.dot(cx, cy, r * 0.3);
}

void road(Ink& k, double top)
{
    k.box(-10, top, kW + 20, kH - top + 10);
    for (double x = 20; x < kW; x += 130)
        k.box(x, kH - 30, 70, 24, 6);
}

void car(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -104, -104);
        cairo_line_to(c, -74, -176);
        cairo_line_to(c, 56, -176);
        cairo_line_to(c, 104, -104);
        cairo_close_path(c);
    });
    k.poly({-88, -108, -64, -162, -10, -162, -10, -108});
    k.poly({10, -108, 10, -162, 48, -162, 82, -108});
    k.box(-170, -112, 340, 84, 32);
    wheel(k, -98, -30, 40);
    wheel(k, 98, -30, 40);
    k.oval(150, -84, 14, 18);
    k.oval(-154, -84, 12, 16);
    k.seg(0, -110, 0, -56);
    k.blob([](cairo_t* c) { rounded_rect(c, 14, -96, 22, 7, 3); });
}

void bus(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.box(-210, -210, 420, 180, 26);
    k.box(-170, -236, 120, 30, 8);
    for (int i = 0; i < 4; ++i)
        k.box(-190 + i * 78, -186, 62, 60, 8);
    k.box(130, -186, 62, 150, 6);
    k.seg(161, -186, 161, -36);
    k.box(-210, -110, 330, 26);
    wheel(k, -130, -30, 36);
    wheel(k, 70, -30, 36);
    k.oval(200, -60, 12, 16);
}

void train(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    // The wagon behind, then the engine.
    k.box(-330, -150, 150, 110, 10);
    k.box(-310, -130, 48, 40, 6);
    k.box(-250, -130, 48, 40, 6);
    k.box(-190, -80, 60, 24, 6);
    wheel(k, -295, -30, 28, s);
    wheel(k, -215, -30, 28, s);
    k.merged([](cairo_t* c) {
        ellipse(c, 80, -262, 26, 22);
        ellipse(c, 110, -290, 30, 26);
        ellipse(c, 150, -310, 34, 28);
    });
    k.poly({54, -150, 46, -230, 104, -230, 96, -150});
    k.box(-140, -230, 100, 190, 10);
    k.box(-120, -210, 60, 56, 8);
    k.box(-150, -244, 120, 24, 8);
    k.box(-50, -160, 200, 104, 30);
    k.oval(20, -168, 24, 20);
    k.box(-50, -160, 200, 104, 30);
    k.oval(150, -108, 14, 20);
    k.poly({150, -60, 198, -20, 150, -20});
    k.box(-150, -62, 300, 26, 8);
    wheel(k, -100, -34, 34, s);
    wheel(k, 0, -30, 30, s);
    wheel(k, 90, -30, 30, s);
}

void plane(Ink& k, double x, double y, double s)
{
    Local l(k, x, y, s);
    k.poly({-40, -10, -10, -150, 40, -150, 50, -10});
    k.poly({-230, -30, -270, -130, -220, -130, -170, -30});
    k.spot({{-250, -20}, {-100, -50}, {140, -50}, {230, -20}, {240, 10}, {140, 40}, {-100, 40}, {-240, 20}});
    k.shape([](cairo_t* c) {
        cairo_move_to(c, 150, -42);
        cairo_curve_to(c, 190, -40, 216, -26, 226, -8);
        cairo_line_to(c, 150, -8);
        cairo_close_path(c);
    });
    for (int i = 0; i < 5; ++i)
        k.oval(-140 + i * 52, -6, 13, 13);
    k.poly({-30, 10, 40, 10, 0, 140, -50, 140});
    k.oval(30, 84, 30, 20);
}

void sailboat(Ink& k, double x, double wy, double s)
{
    Local l(k, x, wy, s);
    k.box(-14, -330, 28, 310);
    k.poly({-18, -320, -18, -60, -200, -60});
    k.poly({16, -290, 16, -70, 150, -70});
    k.poly({10, -330, 10, -370, 70, -350});
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -220, -50);
        cairo_line_to(c, 220, -50);
        cairo_curve_to(c, 190, 10, 150, 40, 120, 40);
        cairo_line_to(c, -130, 40);
        cairo_curve_to(c, -170, 40, -200, 10, -220, -50);
        cairo_close_path(c);
    });
    for (double px : {-120.0, -50.0, 20.0, 90.0})
        k.oval(px, -20, 16, 16);
}

void waves(Ink& k, double top, double amp = 10, double len = 80)
{
    k.shape([=](cairo_t* c) {
        cairo_move_to(c, -10, kH + 10);
        for (double x = -10; x <= kW + 10; x += 4)
            cairo_line_to(c, x, top + amp * std::sin(x * 2 * kPi / len));
        cairo_line_to(c, kW + 10, kH + 10);
        cairo_close_path(c);
    });
}

void wave_line(Ink& k, double x0, double x1, double y, double amp = 8, double len = 60)
{
    k.line([=](cairo_t* c) {
        cairo_move_to(c, x0, y);
        for (double x = x0; x <= x1; x += 4)
            cairo_line_to(c, x, y + amp * std::sin((x - x0) * 2 * kPi / len));
    });
}

void gull(Ink& k, double x, double y, double w)
{
    k.line([=](cairo_t* c) {
        cairo_move_to(c, x - w, y);
        cairo_curve_to(c, x - w * 0.6, y - w * 0.5, x - w * 0.2, y - w * 0.4, x, y);
        cairo_curve_to(c, x + w * 0.2, y - w * 0.4, x + w * 0.6, y - w * 0.5, x + w, y);
    });
}

void lorry(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.box(-230, -200, 280, 150, 12);
    k.box(-200, -172, 100, 94, 10);
    k.box(-80, -172, 100, 94, 10);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, 46, -40);
        cairo_line_to(c, 46, -190);
        cairo_line_to(c, 150, -190);
        cairo_line_to(c, 200, -120);
        cairo_line_to(c, 220, -110);
        cairo_line_to(c, 220, -40);
        cairo_close_path(c);
    });
    k.poly({80, -120, 80, -172, 140, -172, 176, -120});
    k.box(-230, -60, 460, 28, 10);
    k.oval(206, -86, 10, 16);
    wheel(k, -170, -30, 36);
    wheel(k, -80, -30, 36);
    wheel(k, 150, -30, 36);
}

void tractor(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.box(70, -220, 22, 90, 6);
    k.box(-20, -150, 190, 80, 16);
    k.poly({-130, -80, -130, -250, 20, -250, 20, -80});
    k.poly({-110, -140, -110, -228, 0, -228, 0, -140});
    k.shape([](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, -80, -86, 110, kPi, 2 * kPi);
        cairo_line_to(c, 30, -60);
        cairo_arc_negative(c, -80, -86, 78, 2 * kPi, kPi);
        cairo_close_path(c);
    });
    wheel(k, -80, -86, 84);
    wheel(k, 130, -46, 46);
    k.box(-240, -70, 60, 24, 8);
}

void helicopter(Ink& k, double x, double y, double s)
{
    Local l(k, x, y, s);
    k.poly({60, -20, 300, -54, 300, -24, 60, 30});
    k.merged([](cairo_t* c) {
        ellipse(c, 300, -40, 30, 30);
    });
    k.seg(300, -70, 300, -10);
    k.seg(270, -40, 330, -40);
    k.line([](cairo_t* c) {
        cairo_move_to(c, -60, 70);
        cairo_line_to(c, -84, 130);
        cairo_move_to(c, 60, 70);
        cairo_line_to(c, 84, 130);
    });
    k.box(-150, 124, 280, 28, 12);
    k.oval(0, 0, 130, 90);
    k.spot({{-110, -10}, {-80, -70}, {-20, -74}, {-10, -10}, {-60, 20}});
    k.box(-20, -112, 40, 26, 6);
    k.box(-260, -136, 520, 26, 13);
    k.oval(0, -124, 22, 22);
}

void fire_engine(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.box(-240, -170, 330, 130, 12);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, 90, -40);
        cairo_line_to(c, 90, -200);
        cairo_line_to(c, 170, -200);
        cairo_line_to(c, 220, -130);
        cairo_line_to(c, 236, -120);
        cairo_line_to(c, 236, -40);
        cairo_close_path(c);
    });
    k.poly({108, -130, 108, -182, 160, -182, 196, -130});
    k.box(110, -236, 40, 36, 14);
    k.box(-250, -222, 320, 44, 6);
    for (int i = 1; i < 8; ++i)
        k.seg(-250 + i * 40, -222, -250 + i * 40, -178);
    k.oval(-150, -104, 40, 40);
    k.oval(-150, -104, 16, 16);
    k.box(-60, -140, 110, 70, 8);
    k.box(-240, -60, 476, 26, 10);
    k.oval(222, -90, 10, 16);
    wheel(k, -170, -30, 36);
    wheel(k, 150, -30, 36);
}

void race_car(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.poly({-250, -60, -250, -170, -200, -170, -176, -90});
    {
        Local head(k, -20, -50, 0.78);
        puppy_head(k);
    }
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -240, -30);
        cairo_line_to(c, -240, -110);
        cairo_line_to(c, -100, -110);
        cairo_curve_to(c, -80, -150, 40, -150, 60, -110);
        cairo_line_to(c, 170, -96);
        cairo_curve_to(c, 230, -86, 260, -60, 260, -30);
        cairo_close_path(c);
    });
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -84, -116);
        cairo_curve_to(c, -70, -158, 36, -158, 52, -110);
        cairo_close_path(c);
    });
    k.oval(110, -62, 34, 30);
    k.shape([](cairo_t* c) { star_path(c, 110, -62, 24, 11, 5); });
    wheel(k, -150, -40, 48);
    wheel(k, 170, -36, 44);
}

void traffic_light(Ink& k, double x, double gy)
{
    k.box(x - 14, gy - 200, 28, 204);
    k.box(x - 34, gy - 330, 68, 150, 14);
    for (int i = 0; i < 3; ++i)
        k.oval(x, gy - 302 + i * 47, 18, 18);
}

void page_car(Ink& k)
{
    sun(k, 90, 80, 42);
    cloud(k, 380, 80, 160);
    ground(k, 300, 8, 0.01, 2);
    tree(k, 560, 330, 200, 3);
    road(k, 370);
    car(k, 300, 430, 1.3);
}

void page_bus(Ink& k)
{
    cloud(k, 150, 70, 150);
    cloud(k, 500, 90, 120);
    ground(k, 300, 6, 0.01, 0);
    road(k, 380);
    bus(k, 330, 432, 1.15);
}

void page_train(Ink& k)
{
    sun(k, 560, 70, 38);
    cloud(k, 160, 80, 140);
    ground(k, 320, 14, 0.008, 1);
    k.blob([](cairo_t* c) { cairo_rectangle(c, -10, 432, kW + 20, 8); });
    train(k, 390, 432, 0.98);
}

void page_plane(Ink& k)
{
    sun(k, 540, 410, 36);
    cloud(k, 520, 70, 150);
    cloud(k, 130, 390, 160);
    plane(k, 340, 230, 1.05);
}

void page_boat(Ink& k)
{
    sun(k, 540, 80, 42);
    cloud(k, 130, 70, 130);
    gull(k, 400, 120, 26);
    gull(k, 450, 150, 20);
    sailboat(k, 300, 396, 0.95);
    waves(k, 412, 8, 90);
    wave_line(k, 60, 200, 450);
    wave_line(k, 380, 560, 456);
}

void page_lorry(Ink& k)
{
    cloud(k, 500, 80, 150);
    sun(k, 90, 80, 38);
    ground(k, 300, 10, 0.012, 1);
    road(k, 380);
    lorry(k, 320, 432, 1.15);
}

void page_tractor(Ink& k)
{
    sun(k, 560, 80, 40);
    cloud(k, 170, 70, 140);
    ground(k, 290, 12, 0.01, 2);
    tractor(k, 330, 440, 1.2);
    tuft(k, 60, 450);
    tuft(k, 590, 460);
}

void page_helicopter(Ink& k)
{
    sun(k, 560, 420, 40);
    cloud(k, 120, 400, 170);
    cloud(k, 560, 80, 130);
    helicopter(k, 290, 230, 1.0);
}

void page_fire(Ink& k)
{
    cloud(k, 120, 70, 130);
    ground(k, 300, 6, 0.01, 0);
    road(k, 380);
    fire_engine(k, 330, 432, 1.15);
}

void page_race(Ink& k)
{
    sun(k, 80, 80, 40);
    cloud(k, 330, 80, 150);
    ground(k, 300, 10, 0.012, 3);
    road(k, 370);
    traffic_light(k, 580, 350);
    race_car(k, 290, 430, 1.0);
}

// --- set 3: seasons and landscapes --------------------------------------------

void house(Ink& k, double x, double gy, double w, double h)
{
    k.box(x + w * 0.62, gy - h * 1.08, w * 0.14, h * 0.4);
    k.poly({x - 20, gy - h * 0.6, x + w / 2, gy - h * 1.05, x + w + 20, gy - h * 0.6});
    k.box(x, gy - h * 0.6, w, h * 0.6 + 4);
    k.box(x + w * 0.1, gy - h * 0.46, w * 0.34, w * 0.28, 4);
    k.seg(x + w * 0.27, gy - h * 0.46, x + w * 0.27, gy - h * 0.46 + w * 0.28);
    k.box(x + w * 0.56, gy - h * 0.4, w * 0.28, h * 0.4 + 4, 8);
    k.dot(x + w * 0.62, gy - h * 0.2, 5);
}

void snowflake(Ink& k, double cx, double cy, double r)
{
    for (int i = 0; i < 3; ++i) {
        const double a = i * kPi / 3;
        k.seg(cx - r * std::cos(a), cy - r * std::sin(a), cx + r * std::cos(a), cy + r * std::sin(a));
    }
}

void snowman(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.seg(-60, -200, -150, -260);
    k.seg(-120, -242, -134, -280);
    k.seg(60, -200, 150, -260);
    k.seg(120, -242, 144, -276);
    k.oval(0, -80, 100, 84);
    k.oval(0, -210, 74, 64);
    k.box(20, -270, 34, 90, 8);
    k.oval(0, -318, 52, 50);
    k.box(-58, -284, 116, 30, 14);
    k.box(-44, -452, 88, 90, 8);
    k.box(-70, -380, 140, 30, 10);
    k.poly({-4, -326, 66, -308, -4, -290});
    k.dot(-20, -334, 7);
    k.dot(20, -334, 7);
    for (double by : {-236.0, -196.0, -110.0, -60.0})
        k.dot(0, by, 8);
}

void page_snowman(Ink& k)
{
    ground(k, 330, 14, 0.01, 1);
    fir(k, 80, 400, 220);
    house(k, 440, 350, 170, 200);
    snowman(k, 280, 460, 0.95);
    for (auto& p : std::vector<Pt>{{40, 60}, {170, 40}, {400, 50}, {600, 40}, {540, 120}, {160, 140}})
        snowflake(k, p.x, p.y, 16);
}

void butterfly(Ink& k, double cx, double cy, double s)
{
    Local l(k, cx, cy, s);
    k.oval(-44, -30, 46, 38);
    k.oval(44, -30, 46, 38);
    k.oval(-34, 30, 32, 28);
    k.oval(34, 30, 32, 28);
    k.oval(-48, -34, 16, 14);
    k.oval(48, -34, 16, 14);
    k.oval(0, 0, 17, 58);
    k.line([](cairo_t* c) {
        cairo_move_to(c, -4, -54);
        cairo_curve_to(c, -10, -80, -20, -90, -30, -94);
        cairo_move_to(c, 4, -54);
        cairo_curve_to(c, 10, -80, 20, -90, 30, -94);
    });
}

void page_spring(Ink& k)
{
    sun(k, 540, 80, 44);
    cloud(k, 150, 80, 140);
    ground(k, 270, 14, 0.012, 2);
    flower(k, 110, 320, 60, 490);
    flower(k, 310, 280, 70, 490);
    flower(k, 520, 330, 60, 490);
    butterfly(k, 410, 150, 1.0);
}

void umbrella(Ink& k, double x, double y, double r, double turn)
{
    Local l(k, x, y, 1, false, turn);
    k.line([=](cairo_t* c) {
        cairo_move_to(c, 0, 0);
        cairo_line_to(c, 0, r * 1.3);
        cairo_arc_negative(c, -r * 0.14, r * 1.3, r * 0.14, 0, kPi);
    });
    k.shape([=](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, 0, 0, r, kPi, 2 * kPi);
        for (int i = 0; i < 4; ++i) {
            const double x1 = r - i * r / 2;
            cairo_arc_negative(c, x1 - r / 4, 0, r / 4, 0, kPi);
        }
        cairo_close_path(c);
    });
    k.line([=](cairo_t* c) {
        for (int i = 1; i < 4; ++i) {
            const double x1 = -r + i * r / 2;
            cairo_move_to(c, 0, -r);
            cairo_curve_to(c, x1 * 0.5, -r * 0.8, x1, -r * 0.4, x1, 0);
        }
    });
}

void bucket(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.line([](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, 0, -86, 46, kPi, 2 * kPi);
    });
    k.poly({-50, -90, 50, -90, 38, 0, -38, 0});
    k.box(-54, -104, 108, 30, 8);
}

void sandcastle(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    // Towers and wall with battlements cut into their tops.
    auto battlement = [&](double cx, double w, double h, int teeth) {
        const double t = w / (2 * teeth - 1);
        k.shape([=](cairo_t* c) {
            cairo_move_to(c, cx - w / 2, 4);
            for (int i = 0; i < teeth; ++i) {
                const double x0 = cx - w / 2 + i * 2 * t;
                cairo_line_to(c, x0, -h - 28);
                cairo_line_to(c, x0 + t, -h - 28);
                if (i + 1 < teeth) {
                    cairo_line_to(c, x0 + t, -h);
                    cairo_line_to(c, x0 + 2 * t, -h);
                }
            }
            cairo_line_to(c, cx + w / 2, 4);
            cairo_close_path(c);
        });
    };
    battlement(-90, 90, 160, 2);
    battlement(90, 90, 160, 2);
    k.box(-75, -110, 150, 114);
    battlement(0, 96, 230, 2);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -26, 4);
        cairo_line_to(c, -26, -44);
        cairo_arc(c, 0, -44, 26, kPi, 2 * kPi);
        cairo_line_to(c, 26, 4);
        cairo_close_path(c);
    });
    k.seg(0, -258, 0, -320);
    k.poly({0, -322, 56, -306, 0, -288});
}

void page_beach(Ink& k)
{
    sun(k, 560, 80, 44);
    cloud(k, 200, 70, 140);
    gull(k, 380, 90, 24);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -10, 250);
        for (double x = -10; x <= kW + 10; x += 4)
            cairo_line_to(c, x, 250 + 6 * std::sin(x * 2 * kPi / 100));
        cairo_line_to(c, kW + 10, kH + 10);
        cairo_line_to(c, -10, kH + 10);
        cairo_close_path(c);
    });
    wave_line(k, 556, 640, 284, 6, 40);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -10, 320);
        cairo_curve_to(c, 200, 300, 400, 340, kW + 10, 310);
        cairo_line_to(c, kW + 10, kH + 10);
        cairo_line_to(c, -10, kH + 10);
        cairo_close_path(c);
    });
    umbrella(k, 130, 300, 120, -0.12);
    sandcastle(k, 410, 455, 1.0);
    bucket(k, 580, 462, 0.9);
}

void leaf(Ink& k, double x, double y, double s, double turn)
{
    Local l(k, x, y, s, false, turn);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, 0, -40);
        cairo_curve_to(c, 30, -20, 30, 20, 0, 40);
        cairo_curve_to(c, -30, 20, -30, -20, 0, -40);
        cairo_close_path(c);
    });
    k.seg(0, -30, 0, 52);
}

void mushroom(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -30, 4);
        cairo_curve_to(c, -26, -40, -24, -70, -22, -80);
        cairo_line_to(c, 22, -80);
        cairo_curve_to(c, 24, -70, 26, -40, 30, 4);
        cairo_close_path(c);
    });
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -96, -70);
        cairo_curve_to(c, -86, -160, 86, -160, 96, -70);
        cairo_curve_to(c, 40, -58, -40, -58, -96, -70);
        cairo_close_path(c);
    });
    k.oval(-44, -98, 20, 16);
    k.oval(14, -122, 20, 15);
    k.oval(56, -92, 17, 14);
}

void page_autumn(Ink& k)
{
    cloud(k, 520, 70, 150);
    ground(k, 330, 10, 0.01, 0);
    k.poly({120, 346, 132, 190, 168, 190, 180, 346});
    k.merged([](cairo_t* c) {
        const double b[][3] = {{150, 130, 86}, {78, 170, 60}, {222, 168, 62}, {110, 80, 60}, {196, 80, 60}};
        for (auto& p : b)
            ellipse(c, p[0], p[1], p[2], p[2]);
    });
    leaf(k, 340, 150, 1.0, 0.6);
    leaf(k, 430, 240, 1.0, -0.8);
    leaf(k, 320, 290, 0.9, 1.4);
    leaf(k, 540, 200, 1.0, 0.2);
    k.spot({{50, 420}, {150, 386}, {270, 404}, {290, 452}, {160, 464}, {40, 452}});
    mushroom(k, 420, 450, 1.1);
    mushroom(k, 570, 460, 0.85);
}

void drop(Ink& k, double x, double y, double s)
{
    k.shape([=](cairo_t* c) {
        cairo_move_to(c, x, y - 22 * s);
        cairo_curve_to(c, x + 4 * s, y - 10 * s, x + 16 * s, y, x + 16 * s, y + 10 * s);
        cairo_arc(c, x, y + 10 * s, 16 * s, 0, kPi);
        cairo_curve_to(c, x - 16 * s, y, x - 4 * s, y - 10 * s, x, y - 22 * s);
        cairo_close_path(c);
    });
}

void boot(Ink& k, double x, double gy, double s, bool flip)
{
    Local l(k, x, gy, s, flip);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -30, -150);
        cairo_line_to(c, 30, -150);
        cairo_line_to(c, 30, -50);
        cairo_curve_to(c, 70, -46, 90, -30, 90, 0);
        cairo_line_to(c, -34, 0);
        cairo_close_path(c);
    });
    k.box(-38, -164, 76, 32, 8);
    k.box(-36, -28, 130, 30, 8);
}

void page_rain(Ink& k)
{
    k.merged([](cairo_t* c) {
        ellipse(c, 200, 100, 90, 60);
        ellipse(c, 300, 70, 90, 66);
        ellipse(c, 400, 100, 90, 60);
        rounded_rect(c, 110, 100, 390, 70, 34);
    });
    k.dot(260, 110, 8);
    k.dot(340, 110, 8);
    k.arc_line(300, 104, 26, 0.2 * kPi, 0.8 * kPi);
    for (auto& p : std::vector<Pt>{{160, 230}, {250, 270}, {340, 230}, {430, 280}, {60, 300}})
        drop(k, p.x, p.y, 1.3);
    ground(k, 350, 6, 0.01, 0);
    k.oval(460, 420, 140, 34);
    umbrella(k, 540, 250, 90, 0.25);
    boot(k, 130, 455, 0.9, false);
    boot(k, 270, 460, 0.9, false);
}

// A peak with a snow cap whose edge lies exactly on its slopes.
void mountain(Ink& k, double left, double peak_x, double peak_y, double right, double base)
{
    k.poly({left, base, peak_x, peak_y, right, base});
    const double t = 0.28;
    const double lx = peak_x + (left - peak_x) * t, rx = peak_x + (right - peak_x) * t;
    const double y = peak_y + (base - peak_y) * t;
    k.poly({peak_x, peak_y, rx, y, (rx + peak_x) / 2, y - 16, peak_x, y + 6, (lx + peak_x) / 2, y - 16, lx, y});
}

void mountains(Ink& k)
{
    mountain(k, -20, 180, 110, 380, 330);
    mountain(k, 220, 430, 80, 660, 330);
}

void page_mountains(Ink& k)
{
    sun(k, 80, 70, 38);
    cloud(k, 560, 60, 120);
    mountains(k);
    ground(k, 320, 8, 0.01, 0);
    k.oval(330, 410, 220, 46);
    fir(k, 56, 440, 190);
    fir(k, 596, 450, 170);
}

void page_house(Ink& k)
{
    sun(k, 560, 80, 42);
    cloud(k, 130, 70, 130);
    ground(k, 320, 8, 0.01, 1);
    house(k, 150, 360, 250, 270);
    k.poly({225, 364, 271, 364, 310, kH + 10, 160, kH + 10});
    tree(k, 540, 390, 230, 4);
    flower(k, 90, 390, 40, 478);
}

void present(Ink& k, double x, double gy, double w, double h)
{
    k.box(x, gy - h, w, h);
    k.box(x + w / 2 - 14, gy - h, 28, h);
    k.merged([=](cairo_t* c) {
        ellipse(c, x + w / 2 - 22, gy - h - 14, 24, 14);
        ellipse(c, x + w / 2 + 22, gy - h - 14, 24, 14);
    });
}

void page_winter(Ink& k)
{
    ground(k, 360, 8, 0.01, 1);
    fir(k, 320, 472, 400);
    k.shape([](cairo_t* c) { star_path(c, 320, 66, 40, 18, 5); });
    for (auto& p : std::vector<Pt>{{296, 176}, {356, 232}, {262, 290}, {384, 322}, {320, 380}, {230, 380}, {412, 396}})
        k.oval(p.x, p.y, 16, 16);
    present(k, 60, 460, 120, 90);
    present(k, 480, 460, 130, 80);
    for (auto& p : std::vector<Pt>{{60, 60}, {160, 150}, {520, 60}, {590, 200}, {100, 260}})
        snowflake(k, p.x, p.y, 16);
}

void page_rainbow(Ink& k)
{
    const double cx = 320, cy = 380;
    for (int i = 0; i < 6; ++i) {
        const double r = 300 - i * 30;
        k.shape([=](cairo_t* c) {
            cairo_new_sub_path(c);
            cairo_arc(c, cx, cy, r, kPi, 2 * kPi);
            cairo_close_path(c);
        });
    }
    cloud(k, 70, 360, 190);
    cloud(k, 570, 360, 190);
    ground(k, 380, 12, 0.012, 1);
    sun(k, 320, 290, 34);
    flower(k, 320, 420, 36, 490);
}

void windmill(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.poly({-70, 0, -46, -230, 46, -230, 70, 0});
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -60, -226);
        cairo_curve_to(c, -50, -290, 50, -290, 60, -226);
        cairo_close_path(c);
    });
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -26, 0);
        cairo_line_to(c, -26, -50);
        cairo_arc(c, 0, -50, 26, kPi, 2 * kPi);
        cairo_line_to(c, 26, 0);
        cairo_close_path(c);
    });
    k.oval(0, -150, 22, 22);
    for (int i = 0; i < 4; ++i) {
        Local blade(k, 0, -250, 1, false, 0.4 + i * kPi / 2);
        k.box(-10, -190, 20, 176);
        k.box(10, -190, 50, 150);
        k.seg(10, -140, 60, -140);
        k.seg(10, -90, 60, -90);
    }
    k.oval(0, -250, 18, 18);
}

void tulip(Ink& k, double x, double y, double stem_to)
{
    k.seg(x, y + 30, x, stem_to);
    k.spot({{x, stem_to - 20}, {x - 30, stem_to - 70}, {x - 8, stem_to - 50}});
    k.shape([=](cairo_t* c) {
        cairo_move_to(c, x - 26, y - 30);
        cairo_line_to(c, x - 13, y - 14);
        cairo_line_to(c, x, y - 32);
        cairo_line_to(c, x + 13, y - 14);
        cairo_line_to(c, x + 26, y - 30);
        cairo_curve_to(c, x + 30, y + 10, x + 20, y + 32, x, y + 32);
        cairo_curve_to(c, x - 20, y + 32, x - 30, y + 10, x - 26, y - 30);
        cairo_close_path(c);
    });
}

void page_windmill(Ink& k)
{
    cloud(k, 560, 200, 110);
    sun(k, 570, 70, 36);
    ground(k, 330, 10, 0.01, 0);
    windmill(k, 320, 400, 0.85);
    for (double tx : {60.0, 140.0, 480.0, 560.0})
        tulip(k, tx, 400, 480);
}

// --- set 4: under the sea ------------------------------------------------------

// A wavy ribbon of weed from the sea floor upwards.
void seaweed(Ink& k, double x, double base, double height, double phase = 0)
{
    k.band([=](cairo_t* c) {
        cairo_move_to(c, x, base + 20);
        for (double t = 0; t <= 1.0001; t += 0.05)
            cairo_line_to(c, x + 16 * std::sin(phase + t * 3 * kPi), base + 20 - t * (height + 20));
    }, 26);
}

void bubble(Ink& k, double x, double y, double r) { k.oval(x, y, r, r); }

void sea_floor(Ink& k, double base = 410)
{
    k.line([](cairo_t* c) {
        cairo_move_to(c, -10, 34);
        for (double x = -10; x <= kW + 10; x += 4)
            cairo_line_to(c, x, 34 + 7 * std::sin(x * 2 * kPi / 70));
    });
    ground(k, base, 10, 0.02, 0.5);
}

void fish(Ink& k, double x, double y, double s, bool flip, int pattern)
{
    Local l(k, x, y, s, flip);
    k.poly({-70, 0, -136, -54, -118, 0, -136, 54});
    k.spot({{-40, -40}, {0, -84}, {40, -46}});
    k.spot({{-30, 40}, {0, 88}, {30, 40}});
    auto body = [](cairo_t* c) { ellipse(c, 0, 0, 92, 58); };
    k.shape(body);
    k.inside(body, [&] {
        if (pattern == 0) {
            k.box(-52, -70, 28, 140);
            k.box(-6, -70, 28, 140);
        } else if (pattern == 1) {
            k.oval(-40, -14, 18, 18);
            k.oval(-2, 22, 16, 16);
            k.oval(10, -28, 15, 15);
        } else {
            k.shape([](cairo_t* c) {
                cairo_move_to(c, -100, -16);
                cairo_curve_to(c, -40, -46, 20, 14, 100, -26);
                cairo_line_to(c, 100, 12);
                cairo_curve_to(c, 20, 52, -40, -8, -100, 22);
                cairo_close_path(c);
            });
        }
    });
    k.arc_line(70, 0, 40, 0.72 * kPi, 1.28 * kPi);
    k.dot(58, -16, 9);
    k.arc_line(78, 12, 10, 0.1 * kPi, 0.7 * kPi);
}

void page_fish(Ink& k)
{
    sea_floor(k, 420);
    seaweed(k, 60, 430, 230, 0.0);
    seaweed(k, 560, 440, 200, 1.5);
    seaweed(k, 600, 440, 140, 3.0);
    fish(k, 320, 230, 1.6, false, 0);
    for (auto& p : std::vector<Pt>{{500, 150}, {520, 100}, {545, 60}, {120, 90}, {160, 60}})
        bubble(k, p.x, p.y, 15);
}

void octopus(Ink& k, double x, double y, double s)
{
    Local l(k, x, y, s);
    for (int i = 0; i < 6; ++i) {
        const double x0 = -80 + i * 32, dir = i < 3 ? -1 : 1;
        const double reach = 40 + std::abs(i - 2.5) * 34;
        k.band([=](cairo_t* c) {
            cairo_move_to(c, x0, 0);
            cairo_curve_to(c, x0 + dir * 10, 60, x0 + dir * reach, 90, x0 + dir * (reach + 10), 140);
            cairo_curve_to(c, x0 + dir * (reach + 14), 176, x0 + dir * (reach - 26), 180, x0 + dir * (reach - 20), 150);
        }, 30);
    }
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -110, 30);
        cairo_curve_to(c, -130, -100, -60, -180, 0, -180);
        cairo_curve_to(c, 60, -180, 130, -100, 110, 30);
        cairo_curve_to(c, 60, 50, -60, 50, -110, 30);
        cairo_close_path(c);
    });
    k.oval(-40, -60, 26, 30);
    k.oval(40, -60, 26, 30);
    k.dot(-34, -52, 11);
    k.dot(46, -52, 11);
    k.arc_line(0, -20, 34, 0.2 * kPi, 0.8 * kPi);
    k.oval(-70, -120, 14, 12);
    k.oval(60, -130, 16, 12);
}

void page_octopus(Ink& k)
{
    sea_floor(k, 430);
    seaweed(k, 50, 440, 220, 0.5);
    seaweed(k, 590, 440, 250, 2.0);
    octopus(k, 320, 262, 1.08);
    for (auto& p : std::vector<Pt>{{150, 80}, {175, 130}, {480, 70}, {500, 120}})
        bubble(k, p.x, p.y, 14);
}

void turtle(Ink& k, double x, double y, double s)
{
    Local l(k, x, y, s);
    k.poly({-170, 0, -214, 20, -166, 34});
    k.oval(216, -34, 52, 44);
    k.dot(234, -48, 9);
    k.arc_line(230, -28, 20, 0.15 * kPi, 0.6 * kPi);
    k.oval(-110, 56, 56, 34);
    k.oval(120, 56, 56, 34);
    auto shell = [](cairo_t* c) {
        cairo_move_to(c, -170, 30);
        cairo_curve_to(c, -170, -130, 170, -130, 170, 30);
        cairo_close_path(c);
    };
    k.shape(shell);
    k.inside(shell, [&] {
        auto hex = [&](double cx, double cy, double r) {
            k.shape([=](cairo_t* c) {
                for (int i = 0; i < 6; ++i)
                    cairo_line_to(c, cx + r * std::cos(i * kPi / 3), cy + r * std::sin(i * kPi / 3));
                cairo_close_path(c);
            });
        };
        hex(0, -50, 46);
        hex(-96, -10, 42);
        hex(96, -10, 42);
    });
    k.box(-180, 20, 360, 28, 14);
}

void page_turtle(Ink& k)
{
    sea_floor(k, 420);
    seaweed(k, 40, 430, 200, 1.0);
    seaweed(k, 600, 430, 230, 0.0);
    turtle(k, 300, 250, 1.25);
    for (auto& p : std::vector<Pt>{{520, 80}, {545, 130}, {150, 70}})
        bubble(k, p.x, p.y, 15);
}

void crab(Ink& k, double x, double y, double s)
{
    Local l(k, x, y, s);
    for (int side : {-1, 1})
        for (int i = 0; i < 3; ++i)
            k.band([=](cairo_t* c) {
                cairo_move_to(c, side * 60, 10 + i * 16);
                cairo_line_to(c, side * (140 + i * 10), 20 + i * 30);
                cairo_line_to(c, side * (160 + i * 8), 70 + i * 20);
            }, 20);
    for (int side : {-1, 1}) {
        k.band([=](cairo_t* c) {
            cairo_move_to(c, side * 70, -20);
            cairo_line_to(c, side * 150, -90);
        }, 26);
        const double mouth = -kPi / 2 + side * 0.3;
        k.shape([=](cairo_t* c) {
            const double cx = side * 160, cy = -130;
            cairo_move_to(c, cx, cy);
            cairo_arc(c, cx, cy, 52, mouth + 0.38, mouth - 0.38 + 2 * kPi);
            cairo_close_path(c);
        });
    }
    k.seg(-30, -60, -40, -110);
    k.seg(30, -60, 40, -110);
    k.oval(-40, -126, 22, 22);
    k.oval(40, -126, 22, 22);
    k.dot(-36, -124, 9);
    k.dot(44, -124, 9);
    k.oval(0, 0, 120, 76);
    k.arc_line(0, -4, 40, 0.2 * kPi, 0.8 * kPi);
}

void shell(Ink& k, double x, double y, double s, double turn)
{
    Local l(k, x, y, s, false, turn);
    auto fan = [](cairo_t* c) {
        cairo_move_to(c, 0, 40);
        cairo_line_to(c, -62, -10);
        for (int i = 0; i < 5; ++i) {
            const double a0 = kPi + i * kPi / 5;
            const double mx = 70 * std::cos(a0 + kPi / 10), my = -10 + 60 * std::sin(a0 + kPi / 10);
            const double ex = 70 * std::cos(a0 + kPi / 5) * (i == 4 ? 0.886 : 1), ey = -10 + 60 * std::sin(a0 + kPi / 5);
            cairo_curve_to(c, mx * 1.1, my * 1.1 - 4, mx * 1.1, my * 1.1 - 4, ex, ey);
        }
        cairo_close_path(c);
    };
    k.shape(fan);
    k.inside(fan, [&] {
        for (int i = 1; i < 5; ++i) {
            const double a = kPi + i * kPi / 5;
            k.seg(0, 40, 90 * std::cos(a), -10 + 90 * std::sin(a));
        }
    });
    k.box(-22, 30, 44, 24, 8);
}

void starfish(Ink& k, double x, double y, double s, double turn)
{
    Local l(k, x, y, s, false, turn);
    k.shape([](cairo_t* c) { star_path(c, 0, 0, 90, 40, 5); });
    k.dot(-14, -10, 6);
    k.dot(14, -10, 6);
    k.arc_line(0, 4, 14, 0.2 * kPi, 0.8 * kPi);
}

void page_crab(Ink& k)
{
    sea_floor(k, 260);
    seaweed(k, 600, 270, 170, 1.0);
    crab(k, 320, 330, 1.0);
    shell(k, 90, 420, 0.8, 0.2);
    starfish(k, 560, 400, 0.75, 0.3);
    for (auto& p : std::vector<Pt>{{140, 80}, {170, 130}, {480, 90}})
        bubble(k, p.x, p.y, 15);
}

void whale(Ink& k, double x, double y, double s)
{
    Local l(k, x, y, s);
    k.merged([](cairo_t* c) {
        ellipse(c, 70, -200, 22, 30);
        ellipse(c, 40, -186, 22, 24);
        ellipse(c, 100, -186, 22, 24);
    });
    k.seg(70, -110, 70, -160);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -180, -30);
        cairo_curve_to(c, -220, -60, -250, -110, -300, -130);
        cairo_curve_to(c, -290, -100, -276, -86, -262, -76);
        cairo_curve_to(c, -282, -70, -304, -50, -316, -20);
        cairo_curve_to(c, -264, -20, -224, -10, -180, 10);
        cairo_close_path(c);
    });
    auto body = [](cairo_t* c) {
        cairo_move_to(c, -200, 0);
        cairo_curve_to(c, -160, -120, 40, -130, 160, -90);
        cairo_curve_to(c, 240, -60, 250, 40, 200, 70);
        cairo_curve_to(c, 120, 110, -100, 100, -200, 0);
        cairo_close_path(c);
    };
    k.shape(body);
    k.inside(body, [&] {
        k.shape([](cairo_t* c) {
            cairo_move_to(c, -160, 40);
            cairo_curve_to(c, -60, 30, 100, 40, 260, 10);
            cairo_line_to(c, 260, 140);
            cairo_line_to(c, -160, 140);
            cairo_close_path(c);
        });
    });
    k.line([](cairo_t* c) {
        for (int i = 0; i < 4; ++i) {
            cairo_move_to(c, -60 + i * 60, 44);
            cairo_line_to(c, -70 + i * 60, 86);
        }
    });
    k.dot(150, -40, 10);
    k.arc_line(180, -10, 34, 0.45 * kPi, 0.8 * kPi);
    k.spot({{20, 40}, {-40, 90}, {-10, 100}, {40, 56}});
}

void page_whale(Ink& k)
{
    cloud(k, 540, 60, 120);
    sun(k, 90, 60, 32);
    waves(k, 150, 8, 90);
    whale(k, 340, 320, 1.1);
    seaweed(k, 40, 460, 110, 0.3);
    for (auto& p : std::vector<Pt>{{560, 260}, {590, 210}})
        bubble(k, p.x, p.y, 16);
}

void jellyfish(Ink& k, double x, double y, double s)
{
    Local l(k, x, y, s);
    for (int i = 0; i < 4; ++i) {
        const double x0 = -54 + i * 36;
        k.band([=](cairo_t* c) {
            cairo_move_to(c, x0, 0);
            for (double t = 0; t <= 1.0001; t += 0.05)
                cairo_line_to(c, x0 + 14 * std::sin(t * 3 * kPi + i), t * 170);
        }, 20);
    }
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -90, 10);
        cairo_curve_to(c, -100, -120, 100, -120, 90, 10);
        for (int i = 0; i < 4; ++i) {
            const double x1 = 90 - (i + 1) * 45;
            cairo_curve_to(c, x1 + 34, 26, x1 + 12, 26, x1, 10);
        }
        cairo_close_path(c);
    });
    k.dot(-30, -30, 8);
    k.dot(30, -30, 8);
    k.arc_line(0, -16, 18, 0.2 * kPi, 0.8 * kPi);
    k.oval(-52, -62, 17, 15);
    k.oval(52, -58, 15, 17);
}

void page_jelly(Ink& k)
{
    sea_floor(k, 430);
    seaweed(k, 320, 440, 140, 0.8);
    seaweed(k, 600, 440, 200, 2.5);
    jellyfish(k, 170, 150, 1.2);
    jellyfish(k, 450, 210, 0.95);
    for (auto& p : std::vector<Pt>{{600, 60}, {40, 330}, {70, 380}})
        bubble(k, p.x, p.y, 15);
}

void seahorse(Ink& k, double x, double y, double s)
{
    Local l(k, x, y, s);
    k.band([](cairo_t* c) {
        cairo_move_to(c, -10, 60);
        cairo_curve_to(c, 0, 120, 40, 170, 10, 200);
        cairo_curve_to(c, -20, 230, -60, 200, -40, 170);
        cairo_curve_to(c, -26, 150, -4, 160, -10, 180);
    }, 30);
    k.spot({{-40, -40}, {-90, -10}, {-86, 50}, {-50, 20}});
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -20, -110);
        cairo_curve_to(c, -70, -60, -60, 40, -20, 90);
        cairo_curve_to(c, 30, 60, 40, -20, 30, -70);
        cairo_close_path(c);
    });
    k.inside([](cairo_t* c) {
        cairo_move_to(c, -20, -110);
        cairo_curve_to(c, -70, -60, -60, 40, -20, 90);
        cairo_curve_to(c, 30, 60, 40, -20, 30, -70);
        cairo_close_path(c);
    }, [&] {
        for (int i = 0; i < 3; ++i)
            k.arc_line(70, -60 + i * 50, 70, 0.8 * kPi, 1.1 * kPi);
    });
    k.poly({30, -150, 110, -146, 114, -118, 40, -110});
    k.oval(10, -130, 48, 42);
    k.poly({-20, -160, -14, -196, 4, -168});
    k.poly({4, -170, 20, -204, 30, -166});
    k.dot(20, -138, 9);
}

void coral(Ink& k, double x, double base, double s)
{
    Local l(k, x, base, s);
    k.merged([](cairo_t* c) {
        auto stick = [&](double x0, double y0, double x1, double y1) {
            const double a = std::atan2(y1 - y0, x1 - x0), len = std::hypot(x1 - x0, y1 - y0);
            cairo_save(c);
            cairo_translate(c, x0, y0);
            cairo_rotate(c, a);
            rounded_rect(c, -14, -14, len + 28, 28, 14);
            cairo_restore(c);
        };
        stick(0, 20, 0, -120);
        stick(0, -40, -60, -110);
        stick(0, -70, 60, -150);
        stick(-60, -110, -70, -170);
    });
}

void page_seahorse(Ink& k)
{
    sea_floor(k, 420);
    coral(k, 500, 440, 1.0);
    coral(k, 100, 440, 0.8);
    seahorse(k, 300, 210, 1.05);
    for (auto& p : std::vector<Pt>{{420, 90}, {440, 140}, {120, 120}})
        bubble(k, p.x, p.y, 15);
}

void page_starfish(Ink& k)
{
    sea_floor(k, 240);
    seaweed(k, 40, 250, 160, 0.0);
    starfish(k, 200, 340, 1.1, 0.1);
    shell(k, 450, 320, 1.1, -0.2);
    shell(k, 560, 430, 0.7, 0.4);
    starfish(k, 370, 440, 0.55, -0.3);
    fish(k, 420, 120, 0.85, false, 2);
}

void submarine(Ink& k, double x, double y, double s)
{
    Local l(k, x, y, s);
    k.box(40, -200, 26, 90, 8);
    k.box(40, -200, 70, 26, 8);
    k.box(-30, -130, 110, 70, 20);
    k.oval(-230, 0, 20, 50);
    k.box(-220, -20, 40, 40, 8);
    auto body = [](cairo_t* c) { rounded_rect(c, -200, -80, 400, 160, 80); };
    k.shape(body);
    for (int i = 0; i < 3; ++i)
        k.oval(-90 + i * 90, -4, 28, 28);
    k.inside(body, [&] { k.box(-210, 44, 420, 60); });
}

void page_submarine(Ink& k)
{
    sea_floor(k, 430);
    seaweed(k, 590, 440, 170, 1.2);
    submarine(k, 330, 250, 1.1);
    fish(k, 120, 100, 0.8, false, 1);
    fish(k, 520, 124, 0.8, true, 2);
    for (auto& p : std::vector<Pt>{{60, 260}, {40, 210}, {70, 160}})
        bubble(k, p.x, p.y, 15);
}

void chest(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.box(-150, -150, 300, 150, 8);
    auto lid = [](cairo_t* c) {
        cairo_move_to(c, -160, -140);
        cairo_curve_to(c, -150, -250, 150, -250, 160, -140);
        cairo_close_path(c);
    };
    k.shape(lid);
    k.inside(lid, [&] {
        k.box(-110, -260, 40, 130);
        k.box(70, -260, 40, 130);
    });
    k.box(-110, -150, 40, 150);
    k.box(70, -150, 40, 150);
    k.box(-30, -160, 60, 70, 10);
    k.blob([](cairo_t* c) {
        ellipse(c, 0, -132, 9, 9);
        cairo_move_to(c, -6, -130);
        cairo_line_to(c, 6, -130);
        cairo_line_to(c, 8, -108);
        cairo_line_to(c, -8, -108);
        cairo_close_path(c);
    });
}

void page_chest(Ink& k)
{
    sea_floor(k, 390);
    chest(k, 320, 440, 1.05);
    for (auto& p : std::vector<Pt>{{130, 440}, {180, 456}, {480, 446}, {530, 430}})
        k.oval(p.x, p.y, 28, 16);
    seaweed(k, 60, 420, 220, 0.4);
    fish(k, 500, 110, 0.85, true, 2);
    fish(k, 210, 150, 0.8, false, 1);
    bubble(k, 330, 80, 15);
    bubble(k, 350, 40, 12);
}

// --- set 5: space and sky ------------------------------------------------------

void star(Ink& k, double x, double y, double r, double turn = 0)
{
    k.shape([=](cairo_t* c) { star_path(c, x, y, r, r * 0.48, 5, turn); });
}

void stars(Ink& k, std::initializer_list<Pt> where, double r = 22)
{
    int i = 0;
    for (const Pt& p : where)
        star(k, p.x, p.y, r, 0.2 * (i++ % 3));
}

void rocket(Ink& k, double x, double y, double s, double turn = 0)
{
    Local l(k, x, y, s, false, turn);
    k.merged([](cairo_t* c) {
        ellipse(c, 0, 150, 40, 56);
        ellipse(c, -26, 130, 22, 34);
        ellipse(c, 26, 130, 22, 34);
    });
    k.box(-40, 70, 80, 40, 8);
    k.poly({-60, 20, -120, 110, -110, 30, -60, -40});
    k.poly({60, 20, 120, 110, 110, 30, 60, -40});
    auto body = [](cairo_t* c) {
        cairo_move_to(c, 0, -220);
        cairo_curve_to(c, 70, -170, 80, -60, 64, 90);
        cairo_line_to(c, -64, 90);
        cairo_curve_to(c, -80, -60, -70, -170, 0, -220);
        cairo_close_path(c);
    };
    k.shape(body);
    k.inside(body, [&] {
        k.shape([](cairo_t* c) {
            cairo_move_to(c, -80, -130);
            cairo_curve_to(c, -30, -150, 30, -150, 80, -130);
            cairo_line_to(c, 80, -250);
            cairo_line_to(c, -80, -250);
            cairo_close_path(c);
        });
        k.box(-90, 40, 180, 60);
    });
    k.oval(0, -60, 40, 40);
    k.oval(0, -60, 24, 24);
}

void planet(Ink& k, double x, double y, double r, bool ring)
{
    auto band = [=](cairo_t* c) {
        cairo_new_sub_path(c);
        ellipse(c, x, y, r * 1.8, r * 0.5);
        cairo_new_sub_path(c);
        cairo_save(c);
        cairo_translate(c, x, y);
        cairo_scale(c, r * 1.35, r * 0.3);
        cairo_arc_negative(c, 0, 0, 1, 2 * kPi, 0);
        cairo_restore(c);
    };
    if (ring)
        k.shape(band);
    k.oval(x, y, r, r);
    if (r < 80) {
        const double a = std::max(r * 0.3, 16.0);
        k.oval(x - r * 0.3, y - r * 0.25, a, a * 0.9);
        k.oval(x + r * 0.3, y + r * 0.35, a * 0.9, a * 0.8);
    } else
    k.inside([=](cairo_t* c) { ellipse(c, x, y, r, r); }, [&] {
        k.shape([=](cairo_t* c) {
            cairo_move_to(c, x - r, y - r * 0.45);
            cairo_curve_to(c, x - r * 0.3, y - r * 0.6, x + r * 0.3, y - r * 0.2, x + r, y - r * 0.4);
            cairo_line_to(c, x + r, y - r * 0.1);
            cairo_curve_to(c, x + r * 0.3, y + r * 0.1, x - r * 0.3, y - r * 0.3, x - r, y - r * 0.1);
            cairo_close_path(c);
        });
    });
    if (ring) {
        cairo_t* c = k.cr();
        cairo_save(c);
        cairo_rectangle(c, x - r * 2, y, r * 4, r);
        cairo_clip(c);
        k.shape(band);
        cairo_restore(c);
        k.line([=](cairo_t* c2) {
            cairo_move_to(c2, x - r * 1.8, y);
            cairo_line_to(c2, x - r * 1.35, y);
            cairo_move_to(c2, x + r * 1.35, y);
            cairo_line_to(c2, x + r * 1.8, y);
        });
    }
}

void page_rocket(Ink& k)
{
    stars(k, {{80, 80}, {230, 430}, {560, 60}, {470, 200}, {80, 420}, {560, 400}});
    planet(k, 120, 200, 46, false);
    k.oval(540, 290, 30, 30);
    rocket(k, 330, 250, 1.0, 0.35);
}

void page_planet(Ink& k)
{
    stars(k, {{60, 60}, {300, 50}, {580, 90}, {80, 400}, {560, 420}, {330, 440}});
    planet(k, 320, 240, 120, true);
    k.oval(110, 250, 34, 34);
    k.oval(540, 250, 26, 26);
}

void moon_face(Ink& k, double x, double y, double r)
{
    k.shape([=](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, x, y, r, 0.35 * kPi, 1.65 * kPi);
        cairo_arc_negative(c, x + r * 0.55, y, r * 0.78, 1.55 * kPi, 0.45 * kPi);
        cairo_close_path(c);
    });
    k.arc_line(x - r * 0.5, y - r * 0.22, r * 0.12, 0.1 * kPi, 0.9 * kPi);
    k.arc_line(x - r * 0.42, y + r * 0.2, r * 0.18, 0.15 * kPi, 0.75 * kPi);
}

void page_moon(Ink& k)
{
    moon_face(k, 290, 230, 180);
    stars(k, {{470, 90}, {560, 200}, {480, 330}, {80, 60}, {580, 420}, {90, 420}});
    cloud(k, 200, 420, 180);
    cloud(k, 480, 440, 140);
}

void astronaut(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.box(-110, -270, 220, 170, 30);
    for (int side : {-1, 1}) {
        k.band([=](cairo_t* c) {
            cairo_move_to(c, side * 80, -230);
            cairo_line_to(c, side * 150, side < 0 ? -170 : -300);
        }, 44);
        k.oval(side * 156, side < 0 ? -160 : -312, 28, 28);
    }
    k.box(-70, -120, 70, 110, 20);
    k.box(0, -120, 70, 110, 20);
    k.box(-86, -30, 86, 40, 16);
    k.box(0, -30, 86, 40, 16);
    k.box(-90, -250, 180, 160, 40);
    k.box(-56, -206, 112, 64, 10);
    k.oval(-24, -174, 18, 18);
    k.oval(24, -174, 18, 18);
    k.oval(0, -330, 110, 100);
    {
        Local head(k, 0, -182, 0.6);
        puppy_head(k);
    }
    k.arc_line(0, -330, 96, 1.15 * kPi, 1.45 * kPi);
}

void page_astronaut(Ink& k)
{
    stars(k, {{70, 70}, {570, 60}, {430, 40}, {60, 240}});
    planet(k, 560, 190, 40, false);
    ground(k, 400, 14, 0.012, 0.5);
    k.oval(110, 440, 40, 14);
    k.oval(540, 450, 50, 16);
    astronaut(k, 300, 450, 0.95);
    k.seg(440, 460, 440, 250);
    k.poly({440, 250, 540, 270, 440, 300});
}

void ufo(Ink& k, double x, double y, double s)
{
    Local l(k, x, y, s);
    k.poly({-60, 20, 60, 20, 160, 250, -160, 250});
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -90, -10);
        cairo_curve_to(c, -90, -130, 90, -130, 90, -10);
        cairo_close_path(c);
    });
    k.oval(0, -76, 26, 30);
    k.dot(-10, -80, 6);
    k.dot(10, -80, 6);
    k.seg(-12, -104, -24, -130);
    k.seg(12, -104, 24, -130);
    k.oval(-26, -134, 14, 14);
    k.oval(26, -134, 14, 14);
    k.oval(0, 0, 190, 50);
    for (int i = 0; i < 5; ++i)
        k.oval(-120 + i * 60, 10, 16, 14);
}

void page_ufo(Ink& k)
{
    stars(k, {{60, 60}, {580, 80}, {90, 250}, {570, 260}, {440, 40}});
    ground(k, 420, 10, 0.02, 0.5);
    ufo(k, 320, 180, 1.05);
}

void hot_air_balloon(Ink& k, double x, double y, double s)
{
    Local l(k, x, y, s);
    k.line([](cairo_t* c) {
        cairo_move_to(c, -70, 120);
        cairo_line_to(c, -44, 200);
        cairo_move_to(c, 70, 120);
        cairo_line_to(c, 44, 200);
    });
    k.box(-56, 196, 112, 70, 10);
    k.seg(-56, 226, 56, 226);
    auto env = [](cairo_t* c) {
        cairo_move_to(c, 0, -170);
        cairo_curve_to(c, 120, -170, 170, -80, 150, 0);
        cairo_curve_to(c, 130, 70, 80, 110, 60, 130);
        cairo_line_to(c, -60, 130);
        cairo_curve_to(c, -80, 110, -130, 70, -150, 0);
        cairo_curve_to(c, -170, -80, -120, -170, 0, -170);
        cairo_close_path(c);
    };
    k.shape(env);
    k.inside(env, [&] {
        k.line([](cairo_t* c) {
            for (int sx : {-1, 1}) {
                cairo_move_to(c, 0, -170);
                cairo_curve_to(c, sx * 60, -120, sx * 60, 60, sx * 26, 140);
                cairo_move_to(c, 0, -170);
                cairo_curve_to(c, sx * 150, -120, sx * 140, 40, sx * 62, 140);
            }
        });
        k.shape([](cairo_t* c) {
            cairo_move_to(c, -160, 20);
            cairo_curve_to(c, -60, 40, 60, 40, 160, 20);
            cairo_line_to(c, 160, 60);
            cairo_curve_to(c, 60, 80, -60, 80, -160, 60);
            cairo_close_path(c);
        });
    });
}

void page_balloon(Ink& k)
{
    sun(k, 560, 80, 40);
    cloud(k, 110, 90, 150);
    cloud(k, 540, 330, 150);
    ground(k, 420, 16, 0.01, 2);
    hot_air_balloon(k, 300, 200, 1.05);
    gull(k, 120, 260, 24);
    gull(k, 170, 290, 18);
}

void kite(Ink& k, double x, double y, double s)
{
    Local l(k, x, y, s, false, -0.3);
    k.line([](cairo_t* c) {
        cairo_move_to(c, 0, 150);
        cairo_curve_to(c, 40, 220, -40, 280, 10, 320);
    });
    for (int i = 0; i < 2; ++i) {
        const double by = 200 + i * 64, bx = i % 2 ? -8 : 14;
        k.poly({bx, by, bx - 30, by - 20, bx - 30, by + 20});
        k.poly({bx, by, bx + 30, by - 20, bx + 30, by + 20});
        k.dot(bx, by, 6);
    }
    k.poly({0, -150, 100, -20, 0, 150, -100, -20});
    k.seg(0, -150, 0, 150);
    k.seg(-100, -20, 100, -20);
}

void page_kite(Ink& k)
{
    sun(k, 90, 80, 40);
    cloud(k, 300, 70, 140);
    cloud(k, 560, 170, 120);
    ground(k, 390, 20, 0.01, 0.5);
    kite(k, 390, 180, 0.95);
    tree(k, 90, 420, 150);
    flower(k, 590, 420, 40, 490);
}

void satellite(Ink& k, double x, double y, double s)
{
    Local l(k, x, y, s, false, -0.2);
    for (int side : {-1, 1}) {
        k.blob([=](cairo_t* c) { cairo_rectangle(c, side > 0 ? 56 : -74, -8, 18, 16); });
        const double x0 = side > 0 ? 70 : -230;
        k.box(x0, -50, 160, 100);
        k.line([=](cairo_t* c) {
            for (int i = 1; i < 4; ++i) {
                cairo_move_to(c, x0 + i * 40, -50);
                cairo_line_to(c, x0 + i * 40, 50);
            }
            cairo_move_to(c, x0, 0);
            cairo_line_to(c, x0 + 160, 0);
        });
    }
    k.box(-60, -70, 120, 140, 14);
    k.oval(0, -20, 26, 26);
    k.seg(0, -70, 0, -110);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -50, -110);
        cairo_curve_to(c, -40, -170, 40, -170, 50, -110);
        cairo_close_path(c);
    });
    k.oval(0, -152, 14, 14);
}

void page_satellite(Ink& k)
{
    k.shape([](cairo_t* c) {
        cairo_arc(c, 140, 620, 300, 0, 2 * kPi);
    });
    k.inside([](cairo_t* c) { cairo_arc(c, 140, 620, 300, 0, 2 * kPi); }, [&] {
        k.spot({{40, 380}, {140, 350}, {200, 400}, {150, 470}, {60, 450}});
        k.spot({{260, 400}, {340, 420}, {330, 480}, {270, 470}});
    });
    stars(k, {{60, 60}, {560, 420}, {600, 80}, {430, 440}, {60, 230}});
    satellite(k, 350, 200, 1.1);
}

void telescope(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.band([](cairo_t* c) {
        cairo_move_to(c, 0, -130);
        cairo_line_to(c, -90, 0);
        cairo_move_to(c, 0, -130);
        cairo_line_to(c, 90, 0);
        cairo_move_to(c, 0, -130);
        cairo_line_to(c, 0, 0);
    }, 26);
    k.oval(0, -136, 30, 30);
    Local t(k, 0, -140, 1, false, -0.6);
    k.box(-120, -30, 190, 60, 10);
    k.box(60, -40, 50, 80, 10);
    k.box(-150, -20, 40, 40, 8);
    k.oval(0, 0, 20, 20);
}

void page_telescope(Ink& k)
{
    moon_face(k, 520, 110, 80);
    stars(k, {{80, 60}, {270, 70}, {380, 40}, {600, 260}, {90, 330}});
    k.shape([](cairo_t* c) {
        cairo_move_to(c, 60, 230);
        cairo_curve_to(c, 120, 190, 170, 170, 196, 170);
        cairo_line_to(c, 204, 206);
        cairo_curve_to(c, 170, 210, 120, 220, 60, 230);
        cairo_close_path(c);
    });
    k.oval(210, 186, 24, 24);
    ground(k, 350, 14, 0.008, 0.5);
    telescope(k, 300, 460, 1.35);
}

void page_earth(Ink& k)
{
    stars(k, {{60, 60}, {580, 70}, {600, 420}, {60, 420}, {330, 40}});
    auto globe = [](cairo_t* c) { ellipse(c, 260, 260, 150, 150); };
    k.shape(globe);
    k.inside(globe, [&] {
        k.spot({{150, 180}, {220, 140}, {280, 180}, {250, 260}, {190, 300}, {150, 250}});
        k.spot({{300, 300}, {380, 270}, {400, 350}, {330, 390}});
        k.spot({{200, 380}, {260, 360}, {270, 420}});
    });
    k.oval(520, 160, 60, 60);
    k.oval(500, 140, 16, 14);
    k.oval(540, 186, 14, 12);
    rocket(k, 520, 360, 0.62, 0.9);
}

// --- set 6: toys and fairy tales ----------------------------------------------

void teddy(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    for (int side : {-1, 1}) {
        k.oval(side * 60, -40, 46, 40);
        k.oval(side * 70, -36, 26, 22);
    }
    k.oval(0, -130, 100, 110);
    k.oval(0, -120, 60, 66);
    for (int side : {-1, 1}) {
        Local arm(k, side * 96, -170, 1, false, side * -0.6);
        k.oval(0, 40, 34, 60);
    }
    for (int side : {-1, 1}) {
        k.oval(side * 84, -370, 40, 40);
        k.oval(side * 84, -370, 20, 20);
    }
    k.oval(0, -300, 100, 90);
    k.oval(0, -262, 46, 36);
    k.blob([](cairo_t* c) { ellipse(c, 0, -280, 16, 11); });
    k.line([](cairo_t* c) {
        cairo_move_to(c, 0, -270);
        cairo_line_to(c, 0, -250);
        cairo_move_to(c, -16, -246);
        cairo_curve_to(c, -8, -238, 8, -238, 16, -246);
    });
    k.dot(-36, -320, 10);
    k.dot(36, -320, 10);
    k.poly({0, -212, -54, -236, -54, -184});
    k.poly({0, -212, 54, -236, 54, -184});
    k.oval(0, -212, 14, 14);
}

void page_teddy(Ink& k)
{
    k.box(-10, 360, kW + 20, 130);
    k.box(40, 60, 150, 120, 8);
    k.seg(115, 60, 115, 180);
    k.seg(40, 120, 190, 120);
    stars(k, {{540, 80}, {600, 170}}, 26);
    teddy(k, 330, 440, 1.0);
    k.oval(560, 400, 50, 50);
    k.inside([](cairo_t* c) { ellipse(c, 560, 400, 50, 50); }, [&] {
        k.line([](cairo_t* c) {
            cairo_move_to(c, 510, 400);
            cairo_curve_to(c, 540, 370, 580, 370, 610, 400);
            cairo_move_to(c, 560, 350);
            cairo_curve_to(c, 530, 380, 530, 420, 560, 450);
        });
    });
}

void tower(Ink& k, double cx, double gy, double w, double h)
{
    k.seg(cx, gy - h - w * 0.9, cx, gy - h - w * 1.3);
    k.poly({cx, gy - h - w * 1.3, cx + 44, gy - h - w * 1.18, cx, gy - h - w * 1.06});
    k.box(cx - w / 2, gy - h, w, h + 4);
    k.poly({cx - w / 2 - 12, gy - h + 4, cx, gy - h - w * 0.95, cx + w / 2 + 12, gy - h + 4});
    k.shape([=](cairo_t* c) {
        cairo_move_to(c, cx - 14, gy - h * 0.5);
        cairo_line_to(c, cx - 14, gy - h * 0.62);
        cairo_arc(c, cx, gy - h * 0.62, 14, kPi, 2 * kPi);
        cairo_line_to(c, cx + 14, gy - h * 0.5);
        cairo_close_path(c);
    });
}

void page_castle(Ink& k)
{
    cloud(k, 250, 70, 110);
    sun(k, 410, 84, 30);
    ground(k, 400, 14, 0.01, 1);
    tower(k, 140, 420, 100, 240);
    tower(k, 500, 420, 100, 240);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, 180, 424);
        cairo_line_to(c, 180, 210);
        for (int i = 0; i < 5; ++i) {
            const double x0 = 180 + i * 56;
            cairo_line_to(c, x0 + 28, 210);
            cairo_line_to(c, x0 + 28, 240);
            cairo_line_to(c, x0 + 56, 240);
            if (i < 4)
                cairo_line_to(c, x0 + 56, 210);
        }
        cairo_line_to(c, 460, 424);
        cairo_close_path(c);
    });
    k.shape([](cairo_t* c) {
        cairo_move_to(c, 270, 424);
        cairo_line_to(c, 270, 340);
        cairo_arc(c, 320, 340, 50, kPi, 2 * kPi);
        cairo_line_to(c, 370, 424);
        cairo_close_path(c);
    });
    k.line([](cairo_t* c) {
        for (int i = 1; i < 4; ++i) {
            cairo_move_to(c, 270 + i * 25, 290 + (i == 2 ? 0 : 6));
            cairo_line_to(c, 270 + i * 25, 424);
        }
    });
    k.shape([](cairo_t* c) {
        cairo_move_to(c, 296, 290);
        cairo_line_to(c, 296, 268);
        cairo_arc(c, 320, 268, 24, kPi, 2 * kPi);
        cairo_line_to(c, 344, 290);
        cairo_close_path(c);
    });
}

void crown(Ink& k, double x, double y, double s)
{
    Local l(k, x, y, s);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -150, 60);
        cairo_line_to(c, -170, -100);
        cairo_line_to(c, -90, -20);
        cairo_line_to(c, 0, -130);
        cairo_line_to(c, 90, -20);
        cairo_line_to(c, 170, -100);
        cairo_line_to(c, 150, 60);
        cairo_close_path(c);
    });
    for (auto& p : std::vector<Pt>{{-170, -116}, {0, -150}, {170, -116}})
        k.oval(p.x, p.y, 22, 22);
    k.box(-160, 30, 320, 50, 12);
    k.oval(0, 55, 30, 20);
    k.oval(-90, 55, 22, 16);
    k.oval(90, 55, 22, 16);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, 0, -70);
        cairo_line_to(c, 30, -30);
        cairo_line_to(c, 0, 10);
        cairo_line_to(c, -30, -30);
        cairo_close_path(c);
    });
}

void page_crown(Ink& k)
{
    k.shape([](cairo_t* c) {
        cairo_move_to(c, 80, 360);
        cairo_curve_to(c, 60, 300, 160, 290, 320, 296);
        cairo_curve_to(c, 480, 290, 580, 300, 560, 360);
        cairo_curve_to(c, 590, 420, 480, 440, 320, 436);
        cairo_curve_to(c, 160, 440, 50, 420, 80, 360);
        cairo_close_path(c);
    });
    k.oval(80, 420, 18, 30);
    k.oval(560, 420, 18, 30);
    crown(k, 320, 210, 1.0);
    for (auto& p : std::vector<Pt>{{60, 80}, {580, 90}, {90, 220}, {560, 220}})
        k.line([=](cairo_t* c) {
            cairo_move_to(c, p.x - 20, p.y);
            cairo_line_to(c, p.x + 20, p.y);
            cairo_move_to(c, p.x, p.y - 20);
            cairo_line_to(c, p.x, p.y + 20);
        });
}

void dragon(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    // Tail curling round in front, wing and spikes on the back, then body and head.
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -60, -30);
        cairo_curve_to(c, -150, -20, -200, -40, -220, -90);
        cairo_line_to(c, -180, -92);
        cairo_curve_to(c, -170, -64, -140, -60, -70, -70);
        cairo_close_path(c);
    });
    k.poly({-190, -84, -262, -118, -206, -150});
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -40, -190);
        cairo_curve_to(c, -80, -280, -150, -310, -230, -300);
        cairo_curve_to(c, -200, -270, -200, -240, -180, -220);
        cairo_curve_to(c, -160, -236, -130, -230, -120, -206);
        cairo_curve_to(c, -100, -220, -70, -214, -60, -170);
        cairo_close_path(c);
    });
    for (int i = 0; i < 3; ++i) {
        const double a = kPi * (0.95 + i * 0.17);
        const double bx = 96 * std::cos(a), by = -120 + 110 * std::sin(a);
        k.poly({bx - 18 * std::sin(a), by + 18 * std::cos(a), bx * 1.35, -120 + (by + 120) * 1.3,
                bx + 18 * std::sin(a), by - 18 * std::cos(a)});
    }
    auto body = [](cairo_t* c) { ellipse(c, 0, -120, 96, 110); };
    k.shape(body);
    auto belly = [](cairo_t* c) { ellipse(c, 24, -108, 52, 84); };
    k.shape(belly);
    k.inside(belly, [&] {
        k.line([](cairo_t* c) {
            for (int i = 0; i < 3; ++i) {
                cairo_move_to(c, -20, -150 + i * 42);
                cairo_line_to(c, 100, -150 + i * 42);
            }
        });
    });
    k.oval(-44, -12, 48, 24);
    k.oval(70, -12, 48, 24);
    {
        Local arm(k, 112, -150, 1, false, 0.7);
        k.oval(0, 0, 22, 40);
    }
    k.poly({10, -300, 4, -360, 46, -312});
    k.poly({70, -312, 96, -364, 106, -300});
    k.oval(60, -262, 84, 64);
    k.oval(136, -236, 54, 42);
    k.dot(156, -250, 6);
    k.dot(176, -240, 6);
    k.dot(54, -276, 11);
    k.arc_line(116, -246, 44, 0.3 * kPi, 0.62 * kPi);
}

void page_dragon(Ink& k)
{
    cloud(k, 520, 70, 140);
    sun(k, 90, 70, 34);
    ground(k, 400, 12, 0.01, 0);
    dragon(k, 330, 450, 1.0);
    flower(k, 560, 420, 36, 490);
}

void block(Ink& k, double x, double y, double e, int symbol)
{
    const double d = e * 0.3;
    k.poly({x, y, x + d, y - d, x + e + d, y - d, x + e, y});
    k.poly({x + e, y, x + e + d, y - d, x + e + d, y + e - d, x + e, y + e});
    k.box(x, y, e, e);
    const double cx = x + e / 2, cy = y + e / 2;
    if (symbol == 0)
        star(k, cx, cy, e * 0.32);
    else if (symbol == 1)
        k.shape([=](cairo_t* c) { heart_path(c, cx, cy, e * 0.3); });
    else
        k.oval(cx, cy, e * 0.28, e * 0.28);
}

void beach_ball(Ink& k, double x, double y, double r)
{
    auto ball = [=](cairo_t* c) { ellipse(c, x, y, r, r); };
    k.shape(ball);
    k.inside(ball, [&] {
        for (int i = -1; i <= 1; i += 2)
            k.shape([=](cairo_t* c) {
                cairo_move_to(c, x, y - r);
                cairo_curve_to(c, x + i * r * 0.3, y - r * 0.3, x + i * r * 0.3, y + r * 0.3, x, y + r);
                cairo_curve_to(c, x + i * r * 1.2, y + r * 0.4, x + i * r * 1.2, y - r * 0.4, x, y - r);
                cairo_close_path(c);
            });
    });
    k.oval(x, y - r + 16, 20, 14);
}

void page_blocks(Ink& k)
{
    k.box(-10, 380, kW + 20, 110);
    block(k, 330, 270, 110, 0);
    block(k, 450, 270, 110, 1);
    block(k, 390, 140, 110, 2);
    beach_ball(k, 150, 300, 100);
    stars(k, {{80, 70}, {300, 60}, {580, 60}}, 24);
}

void rocking_horse(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.shape([](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc_negative(c, 0, -420, 430, 0.5 * kPi + 0.55, 0.5 * kPi - 0.55);
        cairo_arc(c, 0, -420, 400, 0.5 * kPi - 0.55, 0.5 * kPi + 0.55);
        cairo_close_path(c);
    });
    for (double lx : {-130.0, 80.0})
        k.box(lx, -170, 34, 160, 8);
    k.spot({{-150, -250}, {-200, -230}, {-220, -160}, {-180, -180}, {-150, -200}});
    k.box(-160, -260, 300, 100, 46);
    k.spot({{-60, -270}, {20, -272}, {30, -240}, {-70, -236}});
    k.poly({80, -240, 130, -350, 190, -330, 150, -220});
    k.shape([](cairo_t* c) {
        cairo_save(c);
        cairo_translate(c, 190, -340);
        cairo_rotate(c, 0.5);
        rounded_rect(c, -40, -32, 110, 64, 30);
        cairo_restore(c);
    });
    k.spot({{120, -370}, {166, -372}, {120, -300}, {90, -236}, {60, -246}, {90, -310}});
    k.poly({170, -362, 180, -406, 200, -360});
    k.dot(190, -344, 7);
    k.dot(236, -300, 5);
}

void page_rocking(Ink& k)
{
    k.box(-10, 400, kW + 20, 90);
    k.box(40, 50, 150, 120, 8);
    k.seg(115, 50, 115, 170);
    k.seg(40, 110, 190, 110);
    stars(k, {{580, 200}, {600, 300}}, 26);
    rocking_horse(k, 290, 420, 1.0);
}

void robot(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.box(-70, -110, 56, 110, 10);
    k.box(14, -110, 56, 110, 10);
    k.box(-90, -30, 90, 36, 12);
    k.box(0, -30, 90, 36, 12);
    for (int side : {-1, 1}) {
        k.band([=](cairo_t* c) {
            cairo_move_to(c, side * 100, -250);
            cairo_line_to(c, side * 160, -170);
            cairo_line_to(c, side * 170, -120);
        }, 34);
        const double mouth = kPi / 2;
        k.shape([=](cairo_t* c) {
            cairo_move_to(c, side * 170, -100);
            cairo_arc(c, side * 170, -100, 34, mouth + 0.5, mouth - 0.5 + 2 * kPi);
            cairo_close_path(c);
        });
    }
    k.box(-110, -290, 220, 190, 20);
    k.box(-60, -250, 120, 90, 10);
    k.oval(-30, -205, 18, 18);
    k.oval(30, -205, 18, 18);
    k.shape([](cairo_t* c) { heart_path(c, 0, -140, 24); });
    k.box(-30, -320, 60, 34);
    k.box(-132, -420, 34, 60, 8);
    k.box(98, -420, 34, 60, 8);
    k.seg(0, -440, 0, -480);
    k.oval(0, -486, 16, 16);
    k.box(-100, -460, 200, 144, 24);
    k.oval(-46, -400, 28, 28);
    k.oval(46, -400, 28, 28);
    k.dot(-46, -400, 12);
    k.dot(46, -400, 12);
    k.box(-60, -356, 120, 30, 8);
    k.line([](cairo_t* c) {
        for (int i = 1; i < 4; ++i) {
            cairo_move_to(c, -60 + i * 30, -356);
            cairo_line_to(c, -60 + i * 30, -326);
        }
    });
}

void page_robot(Ink& k)
{
    k.box(-10, 420, kW + 20, 70);
    stars(k, {{70, 80}, {560, 80}, {80, 300}, {570, 300}}, 26);
    robot(k, 320, 440, 0.86);
}

void mushroom_house(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -110, 4);
        cairo_curve_to(c, -100, -80, -90, -160, -84, -210);
        cairo_line_to(c, 84, -210);
        cairo_curve_to(c, 90, -160, 100, -80, 110, 4);
        cairo_close_path(c);
    });
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -230, -200);
        cairo_curve_to(c, -220, -400, 220, -400, 230, -200);
        cairo_curve_to(c, 120, -170, -120, -170, -230, -200);
        cairo_close_path(c);
    });
    k.merged([](cairo_t* c) {
        ellipse(c, 146, -380, 22, 18);
        ellipse(c, 178, -396, 28, 22);
    });
    k.box(110, -366, 44, 70, 6);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -230, -200);
        cairo_curve_to(c, -220, -400, 220, -400, 230, -200);
        cairo_curve_to(c, 120, -170, -120, -170, -230, -200);
        cairo_close_path(c);
    });
    for (auto& p : std::vector<Pt>{{-140, -260}, {-40, -320}, {60, -300}, {160, -240}, {10, -240}})
        k.oval(p.x, p.y, 30, 22);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -40, 4);
        cairo_line_to(c, -40, -70);
        cairo_arc(c, 0, -70, 40, kPi, 2 * kPi);
        cairo_line_to(c, 40, 4);
        cairo_close_path(c);
    });
    k.dot(26, -50, 6);
    k.oval(-60, -130, 26, 26);
    k.seg(-86, -130, -34, -130);
    k.seg(-60, -156, -60, -104);
}

void page_mushroom_house(Ink& k)
{
    cloud(k, 110, 70, 130);
    ground(k, 380, 10, 0.01, 0.3);
    mushroom_house(k, 320, 420, 0.95);
    for (auto& p : std::vector<Pt>{{300, 440}, {330, 470}})
        k.oval(p.x, p.y, 30, 12);
    flower(k, 80, 400, 40, 490);
    flower(k, 570, 400, 40, 490);
}

void drum(Ink& k, double x, double gy, double s)
{
    Local l(k, x, gy, s);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -150, -200);
        cairo_line_to(c, -150, -30);
        cairo_curve_to(c, -150, 20, 150, 20, 150, -30);
        cairo_line_to(c, 150, -200);
        cairo_close_path(c);
    });
    k.line([](cairo_t* c) {
        for (int i = 0; i < 5; ++i) {
            const double x0 = -150 + i * 60;
            cairo_move_to(c, x0, -170);
            cairo_line_to(c, x0 + 30, -40);
            cairo_line_to(c, x0 + 60, -170);
        }
    });
    k.box(-156, -196, 312, 28, 10);
    k.box(-156, -56, 312, 28, 10);
    k.oval(0, -200, 150, 44);
    for (int side : {-1, 1}) {
        Local st(k, side * 60, -260, 1, false, side * 0.6);
        k.box(-10, -100, 20, 150, 8);
        k.oval(0, -110, 22, 22);
    }
}

void note(Ink& k, double x, double y)
{
    k.seg(x + 16, y, x + 16, y - 80);
    k.shape([=](cairo_t* c) {
        cairo_move_to(c, x + 16, y - 80);
        cairo_curve_to(c, x + 40, y - 70, x + 50, y - 50, x + 40, y - 30);
        cairo_line_to(c, x + 16, y - 50);
        cairo_close_path(c);
    });
    k.oval(x, y, 20, 15);
}

void page_drum(Ink& k)
{
    k.box(-10, 420, kW + 20, 70);
    drum(k, 320, 440, 1.0);
    note(k, 90, 200);
    note(k, 540, 160);
    note(k, 580, 320);
    stars(k, {{100, 340}, {330, 60}}, 24);
}

void frog(Ink& k, double x, double y, double s)
{
    Local l(k, x, y, s);
    for (int side : {-1, 1})
        k.oval(side * 110, -30, 64, 40);
    k.oval(0, -100, 120, 96);
    k.oval(0, -76, 74, 60);
    for (int side : {-1, 1}) {
        k.oval(side * 150, -8, 44, 16);
        k.oval(side * 36, -8, 38, 16);
        k.oval(side * 62, -186, 42, 42);
        k.dot(side * 62, -182, 17);
    }
    k.arc_line(0, -150, 64, 0.25 * kPi, 0.75 * kPi);
    k.shape([](cairo_t* c) {
        cairo_move_to(c, -50, -196);
        cairo_line_to(c, -60, -256);
        cairo_line_to(c, -26, -224);
        cairo_line_to(c, 0, -268);
        cairo_line_to(c, 26, -224);
        cairo_line_to(c, 60, -256);
        cairo_line_to(c, 50, -196);
        cairo_curve_to(c, 20, -186, -20, -186, -50, -196);
        cairo_close_path(c);
    });
}

void page_frog(Ink& k)
{
    sun(k, 560, 70, 36);
    cloud(k, 130, 70, 130);
    ground(k, 230, 8, 0.012, 0.3);
    for (double rx : {40.0, 76.0, 600.0}) {
        k.seg(rx, 250, rx + 4, 150);
        k.oval(rx + 4, 150, 12, 32);
    }
    wave_line(k, 40, 180, 290, 6, 50);
    wave_line(k, 460, 600, 450, 6, 50);
    k.shape([](cairo_t* c) {
        cairo_save(c);
        cairo_translate(c, 310, 400);
        cairo_scale(c, 1, 0.36);
        cairo_move_to(c, 0, 0);
        cairo_arc(c, 0, 0, 220, 1.62 * kPi, 1.38 * kPi + 2 * kPi);
        cairo_close_path(c);
        cairo_restore(c);
    });
    frog(k, 310, 410, 1.0);
    for (int i = 0; i < 6; ++i) {
        const double a = i * kPi / 3;
        k.oval(545 + 34 * std::cos(a), 330 + 22 * std::sin(a), 24, 18);
    }
    k.oval(545, 330, 20, 16);
}

// --- the pages ----------------------------------------------------------------

using Page = void (*)(Ink&);

const Page kPages[6][10] = {
    {page_cow, page_pig, page_sheep, page_hen, page_duck, page_horse, page_barn, page_rabbit, page_bafo,
     page_rooster},
    {page_car, page_bus, page_train, page_plane, page_boat, page_lorry, page_tractor, page_helicopter, page_fire,
     page_race},
    {page_snowman, page_spring, page_beach, page_autumn, page_rain, page_mountains, page_house, page_winter,
     page_rainbow, page_windmill},
    {page_fish, page_octopus, page_turtle, page_crab, page_whale, page_jelly, page_seahorse, page_starfish,
     page_submarine, page_chest},
    {page_rocket, page_planet, page_moon, page_astronaut, page_ufo, page_balloon, page_kite, page_satellite,
     page_telescope, page_earth},
    {page_teddy, page_castle, page_crown, page_dragon, page_blocks, page_rocking, page_robot, page_mushroom_house,
     page_drum, page_frog},
};

Canvas draw_page(int set, int i)
{
    Canvas c(kW, kH);
    c.fill(0xFFFFFF);
    Ink k(c.cr());
    kPages[set - 1][i - 1](k);
    return c;
}

void run(const std::filesystem::path& root)
{
    std::vector<std::string> problems;
    for (int set = 1; set <= 6; ++set)
        for (int i = 1; i <= 10; ++i) {
            Canvas page = draw_page(set, i);
            for (auto& p : close_pockets(page, "page " + std::to_string(set) + "/" + std::to_string(i)))
                problems.push_back(p);
            const std::string n = std::to_string(set), f = std::to_string(i) + ".BMP";
            // Pure black and white: one bit a pixel is a twenty-fourth of the bytes.
            write_bmp1(root / "BAFO_CS" / "OMALKY" / n / f, kW, kH, page.pixels());
            shrink_area(page, kThumbW, kThumbH).save_bmp(root / "BAFO_CS" / "ALBUM" / (n + "CB") / f);
        }
    if (!problems.empty()) {
        std::string all;
        for (size_t i = 0; i < problems.size() && i < 40; ++i)
            all += "\n  " + problems[i];
        throw std::runtime_error(std::to_string(problems.size()) + " areas too small to colour:" + all);
    }
}

void expect(std::vector<Expect>& out)
{
    for (int set = 1; set <= 6; ++set)
        for (int i = 1; i <= 10; ++i) {
            const std::string n = std::to_string(set), f = std::to_string(i) + ".BMP";
            Expect page;
            page.path = "BAFO_CS/OMALKY/" + n + "/" + f;
            page.width = kW;
            page.height = kH;
            page.bits = 1;
            out.push_back(page);
            Expect thumb;
            thumb.path = "BAFO_CS/ALBUM/" + n + "CB/" + f;
            thumb.width = kThumbW;
            thumb.height = kThumbH;
            out.push_back(thumb);
        }
}

}  // namespace

Generator gen_pages() { return Generator{"pages", run, expect}; }

static const Registered registered{gen_pages};

}  // namespace datagen

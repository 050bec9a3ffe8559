#include "art.h"

#include "datagen.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace datagen::art {

namespace {
constexpr double kPi = 3.14159265358979323846;

double red_of(uint32_t c) { return ((c >> 16) & 0xFF) / 255.0; }
double green_of(uint32_t c) { return ((c >> 8) & 0xFF) / 255.0; }
double blue_of(uint32_t c) { return (c & 0xFF) / 255.0; }

void add_stop(cairo_pattern_t* p, double at, uint32_t c, double alpha = 1.0)
{
    cairo_pattern_add_color_stop_rgba(p, at, red_of(c), green_of(c), blue_of(c), alpha);
}

// Strokes the path twice as wide first and fills over it, so shapes built of
// overlapping pieces (clouds, crowns, flowers) keep only their outer outline.
void outlined_fill(cairo_t* cr, const PathFn& path, double line_width, uint32_t line)
{
    if (line_width > 0) {
        path(cr);
        cairo_set_line_width(cr, line_width * 2);
        set_rgb(cr, line);
        cairo_stroke(cr);
    }
    path(cr);
    cairo_fill(cr);
}
}  // namespace

uint32_t mix(uint32_t a, uint32_t b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    auto ch = [&](int shift) {
        double x = ((a >> shift) & 0xFF) * (1 - t) + ((b >> shift) & 0xFF) * t;
        return uint32_t(std::lround(x)) << shift;
    };
    return ch(16) | ch(8) | ch(0);
}

void set_rgb(cairo_t* cr, uint32_t rgb, double alpha)
{
    cairo_set_source_rgba(cr, red_of(rgb), green_of(rgb), blue_of(rgb), alpha);
}

// splitmix64: tiny, well mixed and the same everywhere.
uint32_t Rng::next()
{
    uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return uint32_t((z ^ (z >> 31)) >> 32);
}

double Rng::uniform() { return next() / 4294967296.0; }
double Rng::range(double a, double b) { return a + (b - a) * uniform(); }
int Rng::below(int n) { return n <= 0 ? 0 : int(uint64_t(next()) * uint64_t(n) >> 32); }

// ---------------------------------------------------------------------------
// Canvas

Canvas::Canvas(int w, int h, Format f) : w_(w), h_(h), format_(f)
{
    if (w <= 0 || h <= 0)
        throw std::runtime_error("canvas of size " + std::to_string(w) + "x" + std::to_string(h));
    surf_ = cairo_image_surface_create(f == Format::Opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32,
                                       w, h);
    if (cairo_surface_status(surf_) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a cairo surface");
    cr_ = cairo_create(surf_);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    if (f == Format::Opaque)
        fill(pal::white);
}

Canvas::~Canvas()
{
    if (cr_)
        cairo_destroy(cr_);
    if (surf_)
        cairo_surface_destroy(surf_);
}

Canvas::Canvas(Canvas&& o) noexcept
    : w_(o.w_), h_(o.h_), format_(o.format_), surf_(std::exchange(o.surf_, nullptr)),
      cr_(std::exchange(o.cr_, nullptr))
{
}

Canvas& Canvas::operator=(Canvas&& o) noexcept
{
    if (this != &o) {
        if (cr_)
            cairo_destroy(cr_);
        if (surf_)
            cairo_surface_destroy(surf_);
        w_ = o.w_;
        h_ = o.h_;
        format_ = o.format_;
        surf_ = std::exchange(o.surf_, nullptr);
        cr_ = std::exchange(o.cr_, nullptr);
    }
    return *this;
}

void Canvas::fill(uint32_t rgb)
{
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    set_rgb(cr_, rgb);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

uint32_t* Canvas::data()
{
    cairo_surface_flush(surf_);
    return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surf_));
}

int Canvas::stride_words() const { return cairo_image_surface_get_stride(surf_) / 4; }

void Canvas::mark_dirty() { cairo_surface_mark_dirty(surf_); }

uint32_t Canvas::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= w_ || y >= h_)
        throw std::out_of_range("pixel outside the canvas");
    cairo_surface_flush(surf_);
    const auto* d = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surf_));
    uint32_t v = d[size_t(y) * size_t(stride_words()) + size_t(x)];
    if (format_ == Format::Opaque)
        return v & 0xFFFFFF;
    uint32_t a = v >> 24;
    if (a == 0)
        return 0;
    auto un = [&](int shift) { return std::min(255u, (((v >> shift) & 0xFF) * 255 + a / 2) / a) << shift; };
    return un(16) | un(8) | un(0);
}

uint8_t Canvas::alpha(int x, int y) const
{
    if (format_ == Format::Opaque)
        return 255;
    cairo_surface_flush(surf_);
    const auto* d = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surf_));
    return uint8_t(d[size_t(y) * size_t(stride_words()) + size_t(x)] >> 24);
}

std::vector<uint32_t> Canvas::pixels() const
{
    std::vector<uint32_t> out(size_t(w_) * size_t(h_));
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
            out[size_t(y) * size_t(w_) + size_t(x)] = pixel(x, y);
    return out;
}

void Canvas::save_bmp(const std::filesystem::path& path) const { write_bmp(path, w_, h_, pixels()); }

Canvas Canvas::crop(int x, int y, int w, int h) const
{
    Canvas out(w, h, format_);
    cairo_t* c = out.cr();
    cairo_save(c);
    cairo_set_operator(c, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(c, surf_, -x, -y);
    cairo_paint(c);
    cairo_restore(c);
    return out;
}

void Canvas::paste(const Canvas& src, double x, double y, double opacity)
{
    cairo_save(cr_);
    cairo_set_source_surface(cr_, src.surf_, x, y);
    cairo_paint_with_alpha(cr_, opacity);
    cairo_restore(cr_);
}

void blur(Canvas& c, int radius)
{
    if (radius <= 0)
        return;
    const int w = c.w(), h = c.h(), stride = c.stride_words();
    uint32_t* d = c.data();
    std::vector<uint32_t> line(size_t(std::max(w, h)));
    std::vector<uint32_t> out(line.size());
    // One pass of a box of 2r+1 along a line of n words, outside counted as clear.
    auto pass = [&](int n) {
        const int win = 2 * radius + 1;
        for (int shift = 0; shift < 32; shift += 8) {
            int sum = 0;
            for (int i = 0; i < radius && i < n; ++i)
                sum += int((line[size_t(i)] >> shift) & 0xFF);
            for (int i = 0; i < n; ++i) {
                if (i + radius < n)
                    sum += int((line[size_t(i + radius)] >> shift) & 0xFF);
                if (i - radius - 1 >= 0)
                    sum -= int((line[size_t(i - radius - 1)] >> shift) & 0xFF);
                uint32_t v = uint32_t((sum + win / 2) / win);
                if (shift == 0)
                    out[size_t(i)] = v;
                else
                    out[size_t(i)] |= v << shift;
            }
        }
        std::copy(out.begin(), out.begin() + n, line.begin());
    };
    for (int round = 0; round < 3; ++round) {
        for (int y = 0; y < h; ++y) {
            uint32_t* row = d + size_t(y) * size_t(stride);
            std::copy(row, row + w, line.begin());
            pass(w);
            std::copy(line.begin(), line.begin() + w, row);
        }
        for (int x = 0; x < w; ++x) {
            for (int y = 0; y < h; ++y)
                line[size_t(y)] = d[size_t(y) * size_t(stride) + size_t(x)];
            pass(h);
            for (int y = 0; y < h; ++y)
                d[size_t(y) * size_t(stride) + size_t(x)] = line[size_t(y)];
        }
    }
    if (c.format() == Canvas::Format::Opaque)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                d[size_t(y) * size_t(stride) + size_t(x)] |= 0xFF000000u;
    c.mark_dirty();
}

// ---------------------------------------------------------------------------
// Paths and fills

void stroke_tail(cairo_t* cr, double outline_width)
{
    cairo_set_line_width(cr, 15 + 2 * outline_width);
    set_rgb(cr, pal::outline);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 15);
    set_rgb(cr, pal::fur);
    cairo_stroke(cr);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void star_path(cairo_t* cr, double cx, double cy, double r_out, double r_in, int points, double turn)
{
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        double a = turn - kPi / 2 + i * kPi / points;
        double r = (i % 2) ? r_in : r_out;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void heart_path(cairo_t* cr, double cx, double cy, double s)
{
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + 0.9 * s);
    cairo_curve_to(cr, cx - 1.2 * s, cy + 0.1 * s, cx - 0.9 * s, cy - 0.9 * s, cx, cy - 0.35 * s);
    cairo_curve_to(cr, cx + 0.9 * s, cy - 0.9 * s, cx + 1.2 * s, cy + 0.1 * s, cx, cy + 0.9 * s);
    cairo_close_path(cr);
}

void set_vertical_gradient(cairo_t* cr, double y0, double y1, uint32_t top, uint32_t bottom)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    add_stop(p, 0, top);
    add_stop(p, 1, bottom);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void fill_vertical_gradient(cairo_t* cr, double x, double y, double w, double h, uint32_t top,
                            uint32_t bottom)
{
    cairo_rectangle(cr, x, y, w, h);
    set_vertical_gradient(cr, y, y + h, top, bottom);
    cairo_fill(cr);
}

void paint_shape(cairo_t* cr, const PathFn& path, const Style& st)
{
    cairo_save(cr);
    if (st.shadow) {
        cairo_save(cr);
        cairo_translate(cr, st.shadow_offset, st.shadow_offset);
        set_rgb(cr, 0x1A0F08, st.shadow_alpha);
        path(cr);
        if (st.line_width > 0) {
            cairo_set_line_width(cr, st.line_width * 2);
            cairo_stroke_preserve(cr);
        }
        cairo_fill(cr);
        cairo_restore(cr);
    }
    path(cr);
    double x1, y1, x2, y2;
    cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
    cairo_new_path(cr);
    if (st.line_width > 0) {
        path(cr);
        cairo_set_line_width(cr, st.line_width * 2);
        set_rgb(cr, st.line);
        cairo_stroke(cr);
    }
    path(cr);
    set_vertical_gradient(cr, y1, y2, lighten(st.fill, st.shade), st.fill);
    cairo_fill(cr);
    cairo_restore(cr);
}

void glow(Canvas& c, const PathFn& path, uint32_t colour, int radius, double strength, const Box* within,
          const std::vector<Box>& avoid)
{
    Canvas layer(c.w(), c.h(), Canvas::Format::Alpha);
    cairo_t* g = layer.cr();
    set_rgb(g, pal::white);
    path(g);
    cairo_set_line_width(g, radius * 1.2);
    cairo_stroke_preserve(g);
    cairo_fill(g);
    blur(layer, std::max(1, radius / 2));
    const Box box = within ? *within : Box{0, 0, double(c.w()), double(c.h())};
    const double fade = std::max(1, radius);
    uint32_t* d = layer.data();
    const int stride = layer.stride_words();
    for (int y = 0; y < c.h(); ++y)
        for (int x = 0; x < c.w(); ++x) {
            uint32_t& px = d[size_t(y) * size_t(stride) + size_t(x)];
            double edge = std::min({x - box.x, box.x + box.w - 1 - x, y - box.y, box.y + box.h - 1 - y});
            for (const Box& a : avoid) {
                const double dx = std::max({a.x - 1 - x, x - (a.x + a.w), 0.0});
                const double dy = std::max({a.y - 1 - y, y - (a.y + a.h), 0.0});
                edge = std::min(edge, std::hypot(dx, dy));
            }
            const double a = (px >> 24) * strength * std::clamp(edge / fade, 0.0, 1.0);
            const uint32_t ai = uint32_t(std::clamp(std::lround(a), 0L, 255L));
            auto ch = [&](int shift) { return ((((colour >> shift) & 0xFF) * ai + 127) / 255) << shift; };
            px = (ai << 24) | ch(16) | ch(8) | ch(0);
        }
    layer.mark_dirty();
    c.paste(layer, 0, 0);
}

// ---------------------------------------------------------------------------
// Text

namespace {
void select_face(cairo_t* cr, const char* family, double size)
{
    cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
}
}  // namespace

void text_path(cairo_t* cr, const std::string& s, double size, double cx, double baseline,
               const char* family)
{
    select_face(cr, family, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    cairo_move_to(cr, cx - e.x_bearing - e.width / 2, baseline);
    cairo_text_path(cr, s.c_str());
}

double text_width(cairo_t* cr, const std::string& s, double size, const char* family)
{
    cairo_save(cr);
    select_face(cr, family, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    cairo_restore(cr);
    return e.width;
}

void playful_text(cairo_t* cr, const std::string& utf8, double cx, double baseline, double size,
                  const std::vector<uint32_t>& colours, double bend, const char* family)
{
    // Split into characters (UTF-8 continuation bytes stay with their lead byte).
    std::vector<std::string> glyphs;
    for (unsigned char ch : utf8) {
        if ((ch & 0xC0) != 0x80 || glyphs.empty())
            glyphs.emplace_back();
        glyphs.back().push_back(char(ch));
    }
    cairo_save(cr);
    select_face(cr, family, size);
    std::vector<double> adv;
    double total = 0;
    for (auto& g : glyphs) {
        cairo_text_extents_t e;
        cairo_text_extents(cr, g.c_str(), &e);
        adv.push_back(e.x_advance);
        total += e.x_advance;
    }
    const double half = std::max(1.0, total / 2);
    const double lw = size * 0.075;
    // Three rounds: shadows, outlines, fills, so no letter's outline covers its neighbour.
    for (int round = 0; round < 3; ++round) {
        double x = cx - total / 2;
        for (size_t i = 0; i < glyphs.size(); ++i) {
            const double mid = x + adv[i] / 2;
            const double u = (mid - cx) / half;
            const double y = baseline - bend * (1 - u * u) + ((i % 2) ? size * 0.03 : -size * 0.02);
            const double turn = std::atan(2 * bend * u / half) + ((i % 2) ? 0.04 : -0.04);
            cairo_save(cr);
            cairo_translate(cr, mid, y);
            cairo_rotate(cr, turn);
            cairo_move_to(cr, -adv[i] / 2, 0);
            cairo_text_path(cr, glyphs[i].c_str());
            if (round == 0) {
                cairo_translate(cr, size * 0.04, size * 0.04);
                cairo_new_path(cr);
                cairo_move_to(cr, -adv[i] / 2, 0);
                cairo_text_path(cr, glyphs[i].c_str());
                set_rgb(cr, 0x1A0F08, 0.25);
                cairo_set_line_width(cr, lw * 2);
                cairo_stroke_preserve(cr);
                cairo_fill(cr);
            } else if (round == 1) {
                set_rgb(cr, pal::outline);
                cairo_set_line_width(cr, lw * 2);
                cairo_stroke(cr);
            } else {
                const uint32_t c = colours.empty() ? pal::orange : colours[i % colours.size()];
                set_vertical_gradient(cr, -size * 0.75, 0, lighten(c, 0.35), c);
                cairo_fill(cr);
                // A little shine on each letter.
                cairo_move_to(cr, -adv[i] / 2, 0);
                cairo_text_path(cr, glyphs[i].c_str());
                cairo_clip(cr);
                set_rgb(cr, pal::white, 0.3);
                cairo_rectangle(cr, -adv[i], -size, adv[i] * 2, size * 0.42);
                cairo_fill(cr);
            }
            cairo_new_path(cr);
            cairo_restore(cr);
            x += adv[i];
        }
    }
    cairo_restore(cr);
}

// ---------------------------------------------------------------------------
// Scenery

void cloud(cairo_t* cr, double cx, double cy, double w, double alpha)
{
    auto path = [=](cairo_t* c) {
        const double puffs[][3] = {{-0.30, 0.02, 0.20}, {-0.07, -0.12, 0.27}, {0.22, -0.05, 0.22},
                                   {0.36, 0.05, 0.14}};
        for (auto& p : puffs) {
            cairo_new_sub_path(c);
            cairo_arc(c, cx + p[0] * w, cy + p[1] * w, p[2] * w, 0, 2 * kPi);
        }
        rounded_rect(c, cx - 0.46 * w, cy - 0.02 * w, 0.96 * w, 0.2 * w, 0.1 * w);
    };
    cairo_push_group(cr);
    set_rgb(cr, 0x9CC6E0);
    cairo_translate(cr, 0, 0.03 * w);
    path(cr);
    cairo_fill(cr);
    cairo_translate(cr, 0, -0.03 * w);
    cairo_set_line_width(cr, 4);
    set_rgb(cr, 0xE3F2FB);
    path(cr);
    cairo_stroke(cr);
    path(cr);
    set_vertical_gradient(cr, cy - 0.4 * w, cy + 0.18 * w, pal::white, 0xEAF4FB);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
}

void sun(cairo_t* cr, double cx, double cy, double r, bool face)
{
    cairo_save(cr);
    // Soft halo.
    cairo_pattern_t* halo = cairo_pattern_create_radial(cx, cy, r * 0.8, cx, cy, r * 2.3);
    add_stop(halo, 0, 0xFFF3B0, 0.8);
    add_stop(halo, 1, 0xFFF3B0, 0.0);
    cairo_set_source(cr, halo);
    cairo_arc(cr, cx, cy, r * 2.3, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
    // Rays: rounded wedges, long and short in turn.
    const double lw = std::max(2.0, r / 18);
    paint_shape(cr, [=](cairo_t* c) {
        for (int i = 0; i < 12; ++i) {
            double a = i * kPi / 6 + kPi / 12;
            double len = (i % 2) ? 1.45 : 1.65;
            double w = 0.22;
            cairo_new_sub_path(c);
            cairo_move_to(c, cx + r * 1.08 * std::cos(a - w), cy + r * 1.08 * std::sin(a - w));
            cairo_line_to(c, cx + r * len * std::cos(a), cy + r * len * std::sin(a));
            cairo_line_to(c, cx + r * 1.08 * std::cos(a + w), cy + r * 1.08 * std::sin(a + w));
            cairo_close_path(c);
        }
    }, Style{pal::orange, 0.35, pal::outline, lw, false});
    // Disc.
    paint_shape(cr, [=](cairo_t* c) { ellipse(c, cx, cy, r, r); },
                Style{0xFFC93B, 0.5, pal::outline, lw, false});
    if (face) {
        cairo_set_line_width(cr, lw * 1.3);
        set_rgb(cr, pal::outline);
        for (int s : {-1, 1}) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, cx + s * r * 0.33, cy - r * 0.08, r * 0.13, kPi * 1.1, kPi * 1.9);
            cairo_stroke(cr);
        }
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy + r * 0.1, r * 0.38, kPi * 0.2, kPi * 0.8);
        cairo_stroke(cr);
        set_rgb(cr, pal::orange, 0.55);
        ellipse(cr, cx - r * 0.58, cy + r * 0.22, r * 0.14, r * 0.09);
        ellipse(cr, cx + r * 0.58, cy + r * 0.22, r * 0.14, r * 0.09);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void flower(cairo_t* cr, double cx, double cy, double r, uint32_t petals, double turn)
{
    cairo_save(cr);
    const double lw = std::clamp(r * 0.1, 0.8, 2.0);
    // Stem.
    cairo_set_line_width(cr, std::max(1.5, r * 0.3));
    set_rgb(cr, pal::green_dark);
    cairo_move_to(cr, cx, cy);
    cairo_curve_to(cr, cx + r * 0.3, cy + r * 1.2, cx - r * 0.2, cy + r * 1.8, cx, cy + r * 2.6);
    cairo_stroke(cr);
    set_rgb(cr, petals);
    outlined_fill(cr, [=](cairo_t* c) {
        for (int i = 0; i < 5; ++i) {
            double a = turn + i * 2 * kPi / 5;
            cairo_new_sub_path(c);
            cairo_arc(c, cx + r * 0.55 * std::cos(a), cy + r * 0.55 * std::sin(a), r * 0.48, 0, 2 * kPi);
        }
    }, lw, darken(petals, 0.35));
    set_rgb(cr, pal::sun);
    outlined_fill(cr, [=](cairo_t* c) { ellipse(c, cx, cy, r * 0.32, r * 0.32); }, lw * 0.8,
                  darken(pal::orange, 0.3));
    cairo_restore(cr);
}

void hill(cairo_t* cr, double w, double h, double base, double amp, double freq, double phase,
          uint32_t top, uint32_t bottom)
{
    auto curve = [&](cairo_t* c) {
        for (double x = -4; x <= w + 4; x += 4)
            cairo_line_to(c, x, base + amp * std::sin(freq * x + phase));
    };
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, -4, h + 4);
    curve(cr);
    cairo_line_to(cr, w + 4, h + 4);
    cairo_close_path(cr);
    set_vertical_gradient(cr, base - std::abs(amp), h, top, bottom);
    cairo_fill(cr);
    // A light rim and a soft darker line mark the crest.
    cairo_new_path(cr);
    curve(cr);
    cairo_set_line_width(cr, 3);
    set_rgb(cr, darken(top, 0.28), 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void grass_blades(cairo_t* cr, Rng& rng, double x0, double x1, double y0, double y1, int count,
                  uint32_t base)
{
    struct Tuft {
        double x, y, size, lean;
        uint32_t colour;
    };
    std::vector<Tuft> tufts;
    tufts.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        double t = rng.uniform();
        Tuft tf;
        tf.y = y0 + (y1 - y0) * t;
        tf.x = rng.range(x0, x1);
        tf.size = (3 + 9 * t) * rng.range(0.7, 1.3);
        tf.lean = rng.range(-0.5, 0.5);
        double shade = rng.uniform();
        tf.colour = shade < 0.5 ? darken(base, 0.12 + 0.18 * shade) : lighten(base, 0.1 + 0.3 * (shade - 0.5));
        tufts.push_back(tf);
    }
    std::sort(tufts.begin(), tufts.end(), [](const Tuft& a, const Tuft& b) { return a.y < b.y; });
    cairo_save(cr);
    for (const auto& tf : tufts) {
        set_rgb(cr, tf.colour);
        for (int k = -1; k <= 1; ++k) {
            double bx = tf.x + k * tf.size * 0.28;
            double tip_x = bx + (tf.lean + k * 0.45) * tf.size;
            double tip_y = tf.y - tf.size * (k == 0 ? 1.7 : 1.25);
            double half = tf.size * 0.13;
            cairo_move_to(cr, bx - half, tf.y);
            cairo_curve_to(cr, bx - half, tf.y - tf.size * 0.6, tip_x, tip_y + tf.size * 0.4, tip_x, tip_y);
            cairo_curve_to(cr, tip_x, tip_y + tf.size * 0.4, bx + half, tf.y - tf.size * 0.6, bx + half, tf.y);
            cairo_close_path(cr);
        }
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void tree(cairo_t* cr, double x, double ground, double size, uint32_t leaves)
{
    const double lw = std::clamp(size / 40, 1.5, 3.0);
    const double s = size;
    paint_shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, x - s * 0.09, ground);
        cairo_curve_to(c, x - s * 0.06, ground - s * 0.3, x - s * 0.07, ground - s * 0.45, x - s * 0.05,
                       ground - s * 0.6);
        cairo_line_to(c, x + s * 0.05, ground - s * 0.6);
        cairo_curve_to(c, x + s * 0.07, ground - s * 0.45, x + s * 0.06, ground - s * 0.3, x + s * 0.09,
                       ground);
        cairo_close_path(c);
    }, Style{0x9A6038, 0.2, pal::outline, lw, true, lw});
    auto crown = [=](cairo_t* c) {
        const double b[][3] = {{0, -0.78, 0.3}, {-0.24, -0.62, 0.22}, {0.24, -0.62, 0.22},
                               {-0.14, -0.95, 0.2}, {0.15, -0.93, 0.21}, {0, -0.55, 0.2}};
        for (auto& p : b) {
            cairo_new_sub_path(c);
            cairo_arc(c, x + p[0] * s, ground + p[1] * s, p[2] * s, 0, 2 * kPi);
        }
    };
    paint_shape(cr, crown, Style{leaves, 0.3, pal::outline, lw, true, lw});
    // Leaf highlights and a few fruit, so the crown is not one flat blob.
    cairo_save(cr);
    set_rgb(cr, lighten(leaves, 0.35), 0.7);
    const double hl[][3] = {{-0.12, -0.9, 0.07}, {-0.3, -0.66, 0.06}, {0.08, -0.8, 0.05}};
    for (auto& p : hl) {
        ellipse(cr, x + p[0] * s, ground + p[1] * s, p[2] * s * 1.3, p[2] * s * 0.8);
        cairo_fill(cr);
    }
    const double fruit[][2] = {{0.2, -0.7}, {-0.18, -0.58}, {0.05, -1.0}, {0.3, -0.52}};
    for (auto& f : fruit) {
        set_rgb(cr, pal::outline);
        cairo_arc(cr, x + f[0] * s, ground + f[1] * s, s * 0.04 + lw * 0.6, 0, 2 * kPi);
        cairo_fill(cr);
        set_rgb(cr, pal::red);
        cairo_arc(cr, x + f[0] * s, ground + f[1] * s, s * 0.04, 0, 2 * kPi);
        cairo_fill(cr);
        set_rgb(cr, pal::white, 0.8);
        cairo_arc(cr, x + f[0] * s - s * 0.012, ground + f[1] * s - s * 0.012, s * 0.012, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void bush(cairo_t* cr, double cx, double ground, double w, uint32_t leaves)
{
    const double lw = std::clamp(w / 50, 1.5, 3.0);
    paint_shape(cr, [=](cairo_t* c) {
        const double b[][3] = {{-0.3, -0.18, 0.22}, {0, -0.3, 0.3}, {0.3, -0.2, 0.22}};
        for (auto& p : b) {
            cairo_new_sub_path(c);
            cairo_arc(c, cx + p[0] * w, ground + p[1] * w, p[2] * w, 0, 2 * kPi);
        }
        rounded_rect(c, cx - 0.5 * w, ground - 0.2 * w, w, 0.2 * w, 0.05 * w);
    }, Style{leaves, 0.3, pal::outline, lw, true, lw});
    cairo_save(cr);
    const double dots[][2] = {{-0.3, -0.22}, {-0.05, -0.4}, {0.18, -0.28}, {0.33, -0.12}, {-0.15, -0.1}};
    for (auto& d : dots) {
        set_rgb(cr, pal::white);
        cairo_arc(cr, cx + d[0] * w, ground + d[1] * w, w * 0.035, 0, 2 * kPi);
        cairo_fill(cr);
        set_rgb(cr, pal::pink);
        cairo_arc(cr, cx + d[0] * w, ground + d[1] * w, w * 0.02, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void butterfly(cairo_t* cr, double cx, double cy, double s, uint32_t wings, double turn)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, turn);
    const double lw = std::clamp(s / 10, 1.0, 2.0);
    for (int side : {-1, 1}) {
        paint_shape(cr, [=](cairo_t* c) {
            ellipse(c, side * s * 0.5, -s * 0.35, s * 0.5, s * 0.42);
            ellipse(c, side * s * 0.4, s * 0.3, s * 0.34, s * 0.3);
        }, Style{wings, 0.35, pal::outline, lw, false});
        set_rgb(cr, pal::white, 0.85);
        cairo_arc(cr, side * s * 0.55, -s * 0.4, s * 0.14, 0, 2 * kPi);
        cairo_fill(cr);
    }
    paint_shape(cr, [=](cairo_t* c) { ellipse(c, 0, 0, s * 0.13, s * 0.6); },
                Style{pal::outline, 0.2, pal::outline, 0, false});
    cairo_set_line_width(cr, lw);
    set_rgb(cr, pal::outline);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, 0, -s * 0.5);
        cairo_curve_to(cr, side * s * 0.1, -s * 0.8, side * s * 0.25, -s * 0.9, side * s * 0.3, -s * 0.95);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void music_note(cairo_t* cr, double x, double y, double size, uint32_t colour)
{
    paint_shape(cr, [=](cairo_t* k) { ellipse(k, x, y, size * 0.55, size * 0.42); },
                Style{colour, 0.3, pal::outline, 1.6, false});
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, x + size * 0.5, y);
    cairo_line_to(cr, x + size * 0.5, y - size * 2);
    cairo_curve_to(cr, x + size * 1.2, y - size * 1.7, x + size * 1.3, y - size * 1.3, x + size * 1.0, y - size);
    cairo_stroke(cr);
    cairo_restore(cr);
}


void balloon(cairo_t* cr, double cx, double cy, double rx, uint32_t colour, double string_len,
             double sway, double highlight_shift)
{
    const double ry = rx * 1.17;
    const double lw = std::clamp(rx / 16, 2.0, 3.0);
    auto body = [=](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_move_to(c, cx, cy - ry);
        cairo_curve_to(c, cx + rx * 0.56, cy - ry, cx + rx, cy - ry * 0.55, cx + rx, cy - ry * 0.05);
        cairo_curve_to(c, cx + rx, cy + ry * 0.5, cx + rx * 0.45, cy + ry * 0.92, cx, cy + ry);
        cairo_curve_to(c, cx - rx * 0.45, cy + ry * 0.92, cx - rx, cy + ry * 0.5, cx - rx, cy - ry * 0.05);
        cairo_curve_to(c, cx - rx, cy - ry * 0.55, cx - rx * 0.56, cy - ry, cx, cy - ry);
        cairo_close_path(c);
    };
    const double knot_y = cy + ry;
    const double kw = rx * 0.13;
    cairo_save(cr);
    // String first: it hangs behind the knot.
    cairo_set_line_width(cr, 2);
    set_rgb(cr, pal::outline, 0.85);
    const double sy = knot_y + kw * 1.2;
    cairo_move_to(cr, cx, sy);
    cairo_curve_to(cr, cx + 10 * sway - 6, sy + string_len * 0.35, cx - 10 * sway + 6,
                   sy + string_len * 0.65, cx + 4 * sway, sy + string_len);
    cairo_stroke(cr);
    // Shadow of the body.
    set_rgb(cr, 0x1A0F08, 0.25);
    cairo_save(cr);
    cairo_translate(cr, 3, 3);
    body(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    // Knot.
    paint_shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, cx, knot_y - kw * 0.5);
        cairo_line_to(c, cx + kw, knot_y + kw * 1.2);
        cairo_line_to(c, cx - kw, knot_y + kw * 1.2);
        cairo_close_path(c);
    }, Style{darken(colour, 0.15), 0.1, pal::outline, lw * 0.7, false});
    // Body with a round light from the upper left.
    body(cr);
    cairo_set_line_width(cr, lw * 2);
    set_rgb(cr, pal::outline);
    cairo_stroke(cr);
    body(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - rx * 0.35 + highlight_shift, cy - ry * 0.4, rx * 0.1,
                                                     cx, cy, ry * 1.15);
    add_stop(p, 0, lighten(colour, 0.45));
    add_stop(p, 0.55, colour);
    add_stop(p, 1, darken(colour, 0.22));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Shine.
    cairo_save(cr);
    cairo_translate(cr, cx - rx * 0.45 + highlight_shift, cy - ry * 0.42);
    cairo_rotate(cr, -0.6);
    set_rgb(cr, pal::white, 0.75);
    ellipse(cr, 0, 0, rx * 0.22, rx * 0.12);
    cairo_fill(cr);
    cairo_restore(cr);
    set_rgb(cr, pal::white, 0.7);
    cairo_arc(cr, cx - rx * 0.62 + highlight_shift, cy - ry * 0.08, rx * 0.06, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_restore(cr);
}

// ---------------------------------------------------------------------------
// Bafo. Drawn in his own units: origin between his feet, y up is negative.

namespace {

void limb(cairo_t* cr, double x0, double y0, double x1, double y1, double width, double lw)
{
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_width(cr, width + 2 * lw);
    set_rgb(cr, pal::outline);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, width);
    set_rgb(cr, pal::fur);
    cairo_stroke(cr);
}

void paw(cairo_t* cr, double x, double y, double r, double lw, bool raised)
{
    paint_shape(cr, [=](cairo_t* c) { ellipse(c, x, y, r, r * 0.92); },
                Style{pal::muzzle, 0.3, pal::outline, lw, false});
    cairo_save(cr);
    if (raised) {
        // Pink pads when the palm faces the child.
        set_rgb(cr, pal::cheek);
        ellipse(cr, x, y + r * 0.2, r * 0.38, r * 0.3);
        cairo_fill(cr);
        for (int i = -1; i <= 1; ++i) {
            ellipse(cr, x + i * r * 0.42, y - r * 0.38 - (i == 0 ? r * 0.1 : 0), r * 0.16, r * 0.19);
            cairo_fill(cr);
        }
    } else {
        cairo_set_line_width(cr, lw * 0.8);
        set_rgb(cr, pal::outline, 0.7);
        for (int i : {-1, 1}) {
            cairo_move_to(cr, x + i * r * 0.28, y + r * 0.9);
            cairo_line_to(cr, x + i * r * 0.24, y + r * 0.45);
            cairo_stroke(cr);
        }
    }
    cairo_restore(cr);
}

void ear(cairo_t* cr, double side, double lw, double shadow)
{
    // Viewer's left ear; mirrored by side = +1 for the right one.
    auto outer = [=](cairo_t* c) {
        cairo_save(c);
        cairo_scale(c, side, 1);
        cairo_move_to(c, -38, -254);
        cairo_curve_to(c, -78, -268, -112, -240, -112, -196);
        cairo_curve_to(c, -112, -160, -106, -132, -88, -124);
        cairo_curve_to(c, -70, -117, -64, -138, -66, -160);
        cairo_curve_to(c, -68, -196, -62, -222, -38, -254);
        cairo_close_path(c);
        cairo_restore(c);
    };
    paint_shape(cr, outer, Style{pal::ear, 0.15, pal::outline, lw, true, shadow, 0.18});
    cairo_save(cr);
    cairo_scale(cr, side, 1);
    set_rgb(cr, lighten(pal::ear, 0.18));
    cairo_move_to(cr, -56, -240);
    cairo_curve_to(cr, -84, -244, -100, -214, -100, -188);
    cairo_curve_to(cr, -100, -162, -96, -144, -88, -138);
    cairo_curve_to(cr, -80, -148, -80, -170, -80, -190);
    cairo_curve_to(cr, -80, -210, -72, -228, -56, -240);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

void eyes(cairo_t* cr, const Bafo& b, double lw)
{
    for (int side : {-1, 1}) {
        const double ex = side * 31, ey = -202;
        cairo_save(cr);
        switch (b.eyes) {
        case Eyes::Open: {
            const double px = b.look * 3;
            set_rgb(cr, pal::nose);
            ellipse(cr, ex + px, ey, 12.5, 16);
            cairo_fill(cr);
            set_rgb(cr, 0x5A3A28);
            ellipse(cr, ex + px, ey + 6, 8, 7);
            cairo_fill(cr);
            set_rgb(cr, pal::white);
            ellipse(cr, ex + px + 4, ey - 6, 5, 5.5);
            cairo_fill(cr);
            ellipse(cr, ex + px - 4, ey + 6, 2.2, 2.2);
            cairo_fill(cr);
            break;
        }
        case Eyes::Happy:
            cairo_set_line_width(cr, lw * 1.4);
            set_rgb(cr, pal::nose);
            cairo_new_sub_path(cr);
            cairo_arc(cr, ex, ey + 6, 12, kPi * 1.12, kPi * 1.88);
            cairo_stroke(cr);
            break;
        case Eyes::Closed:
            cairo_set_line_width(cr, lw * 1.4);
            set_rgb(cr, pal::nose);
            cairo_new_sub_path(cr);
            cairo_arc(cr, ex, ey - 4, 11, kPi * 0.15, kPi * 0.85);
            cairo_stroke(cr);
            break;
        }
        cairo_restore(cr);
    }
}

void mouth(cairo_t* cr, Mouth m, double lw)
{
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw);
    // The little line under the nose is there in every state.
    cairo_move_to(cr, 0, -170);
    cairo_line_to(cr, 0, -162);
    cairo_stroke(cr);
    auto open_shape = [&](double half_w, double depth, double top) {
        auto path = [=](cairo_t* c) {
            cairo_move_to(c, -half_w, top);
            cairo_curve_to(c, -half_w * 0.5, top + 3, half_w * 0.5, top + 3, half_w, top);
            cairo_curve_to(c, half_w * 0.9, top + depth * 0.9, half_w * 0.4, top + depth, 0, top + depth);
            cairo_curve_to(c, -half_w * 0.4, top + depth, -half_w * 0.9, top + depth * 0.9, -half_w, top);
            cairo_close_path(c);
        };
        path(cr);
        set_rgb(cr, pal::mouth_in);
        cairo_fill_preserve(cr);
        cairo_save(cr);
        cairo_clip(cr);
        set_rgb(cr, pal::tongue);
        ellipse(cr, 0, top + depth * 1.02, half_w * 0.62, depth * 0.48);
        cairo_fill(cr);
        set_rgb(cr, darken(pal::tongue, 0.15));
        cairo_set_line_width(cr, lw * 0.6);
        cairo_move_to(cr, 0, top + depth * 0.62);
        cairo_line_to(cr, 0, top + depth * 0.85);
        cairo_stroke(cr);
        cairo_restore(cr);
        path(cr);
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, lw);
        cairo_stroke(cr);
    };
    switch (m) {
    case Mouth::Closed:
        for (int s : {-1, 1}) {
            cairo_move_to(cr, 0, -162);
            cairo_curve_to(cr, s * 3, -154, s * 13, -153, s * 18, -160);
            cairo_stroke(cr);
        }
        break;
    case Mouth::Half: open_shape(14, 12, -162); break;
    case Mouth::Open: open_shape(19, 25, -163); break;
    case Mouth::Round: {
        auto o = [](cairo_t* c) { ellipse(c, 0, -152, 9, 10.5); };
        o(cr);
        set_rgb(cr, pal::mouth_in);
        cairo_fill(cr);
        set_rgb(cr, pal::tongue);
        ellipse(cr, 0, -146, 5.5, 4);
        cairo_fill(cr);
        o(cr);
        set_rgb(cr, pal::outline);
        cairo_stroke(cr);
        break;
    }
    }
    cairo_restore(cr);
}

}  // namespace

BafoPoints bafo_points(const Bafo& b)
{
    const double s = b.scale;
    BafoPoints p;
    p.mouth_x = b.x;
    p.mouth_y = b.y - 158 * s;
    p.head_x = b.x;
    p.head_y = b.y - 188 * s;
    p.head_rx = 84 * s;
    p.head_ry = 72 * s;
    p.neck_y = b.y - 116 * s;
    p.body_x = b.x;
    p.body_y = b.y - 62 * s;
    p.top_y = b.y - 272 * s;
    p.feet_y = b.y;
    return p;
}

void draw_bafo(cairo_t* cr, const Bafo& b)
{
    // One drawing of him everywhere: the plain poses are poses too.
    draw_bafo_posed(cr, b, pose_of(b));
}

}  // namespace datagen::art

namespace datagen::art {

namespace {
// For each destination cell along one axis: the source cells it covers and how much of each.
std::vector<std::vector<std::pair<int, double>>> area_weights(int from, int to)
{
    std::vector<std::vector<std::pair<int, double>>> out(static_cast<size_t>(to));
    const double step = double(from) / to;
    for (int d = 0; d < to; ++d) {
        const double a = d * step, b = (d + 1) * step;
        for (int s = int(a); s < from && s < b; ++s) {
            const double part = std::min(b, s + 1.0) - std::max(a, double(s));
            if (part > 1e-9)
                out[size_t(d)].push_back({s, part / step});
        }
    }
    return out;
}
}  // namespace

Canvas shrink_area(const Canvas& src, int w, int h)
{
    const auto wx = area_weights(src.w(), w);
    const auto wy = area_weights(src.h(), h);
    // Rows first, into floats per channel, then columns.
    std::vector<double> tmp(size_t(w) * size_t(src.h()) * 3);
    for (int y = 0; y < src.h(); ++y)
        for (int x = 0; x < w; ++x) {
            double ch[3] = {0, 0, 0};
            for (auto [s, k] : wx[size_t(x)]) {
                const uint32_t p = src.pixel(s, y);
                ch[0] += k * ((p >> 16) & 0xFF);
                ch[1] += k * ((p >> 8) & 0xFF);
                ch[2] += k * (p & 0xFF);
            }
            for (int c = 0; c < 3; ++c)
                tmp[(size_t(y) * size_t(w) + size_t(x)) * 3 + size_t(c)] = ch[c];
        }
    Canvas out(w, h);
    uint32_t* d = out.data();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double ch[3] = {0, 0, 0};
            for (auto [s, k] : wy[size_t(y)])
                for (int c = 0; c < 3; ++c)
                    ch[c] += k * tmp[(size_t(s) * size_t(w) + size_t(x)) * 3 + size_t(c)];
            uint32_t v = 0xFF000000u;
            for (int c = 0; c < 3; ++c)
                v |= uint32_t(std::clamp(std::lround(ch[c]), 0L, 255L)) << (16 - 8 * c);
            d[size_t(y) * size_t(out.stride_words()) + size_t(x)] = v;
        }
    out.mark_dirty();
    return out;
}

}  // namespace datagen::art

namespace datagen::art {

namespace {
double arm_angle(Arm a, double wave)
{
    // The same angles as arm_end, so a pose taken from a Bafo draws him alike.
    switch (a) {
    case Arm::Down: return 0.35;
    case Arm::Hip: return 0.75;
    case Arm::Wave: return 2.2 + 0.3 * wave;
    case Arm::Up: return 2.6;
    }
    return 0.35;
}
}  // namespace

BafoPose pose_of(const Bafo& b)
{
    BafoPose p;
    p.arm[0] = arm_angle(b.left, b.wave);
    p.arm[1] = arm_angle(b.right, -b.wave);
    p.wave_lines[0] = b.left == Arm::Wave;
    p.wave_lines[1] = b.right == Arm::Wave;
    return p;
}

void draw_bafo_posed(cairo_t* cr, const Bafo& b, const BafoPose& pose)
{
    const double s = b.scale;
    const double px = std::clamp(3.0 * s / 0.75, 1.4, 3.6);
    const double lw = px / s;

    cairo_save(cr);
    cairo_translate(cr, b.x, b.y);
    cairo_scale(cr, s, s);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);

    if (b.ground_shadow) {
        set_rgb(cr, 0x1A0F08, 0.2);
        ellipse(cr, 0, -2, 80, 11);
        cairo_fill(cr);
    }

    cairo_save(cr);
    cairo_translate(cr, 46, -44);
    cairo_rotate(cr, -0.25 * b.tail);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, 30, -2, 50, -24, 44, -48);
    cairo_curve_to(cr, 40, -62, 24, -60, 26, -46);
    stroke_tail(cr, lw);
    cairo_restore(cr);

    const double shoulder_x = 44, shoulder_y = -98;
    double pxs[2], pys[2];
    bool up[2];
    for (int i = 0; i < 2; ++i) {
        const double dx = -pose.arm_len[i] * std::sin(pose.arm[i]);
        const double dy = pose.arm_len[i] * std::cos(pose.arm[i]);
        pxs[i] = i == 0 ? -shoulder_x + dx : shoulder_x - dx;
        pys[i] = shoulder_y + dy;
        up[i] = pose.arm[i] > 1.2;
    }

    // Legs only where a foot has left its place; the body hides their tops.
    for (int i = 0; i < 2; ++i) {
        if (pose.foot_dx[i] == 0 && pose.foot_dy[i] == 0)
            continue;
        const double side = i == 0 ? -1 : 1;
        limb(cr, side * 24, -40, side * 30 + pose.foot_dx[i], -12 + pose.foot_dy[i], 24, lw);
    }

    paint_shape(cr, [](cairo_t* c) { ellipse(c, 0, -64, 58, 56); },
                Style{pal::fur, 0.2, pal::outline, lw, true, 3 / s, 0.2});
    cairo_save(cr);
    set_rgb(cr, pal::muzzle);
    ellipse(cr, 0, -56, 36, 38);
    cairo_fill(cr);
    cairo_restore(cr);

    for (int i = 0; i < 2; ++i) {
        const int side = i == 0 ? -1 : 1;
        const double fx = side * 30 + pose.foot_dx[i], fy = pose.foot_dy[i];
        paint_shape(cr, [=](cairo_t* c) { ellipse(c, fx, -12 + fy, 26, 13); },
                    Style{pal::muzzle, 0.3, pal::outline, lw, false});
        cairo_save(cr);
        cairo_set_line_width(cr, lw * 0.8);
        set_rgb(cr, pal::outline, 0.75);
        for (int t : {-1, 1}) {
            cairo_move_to(cr, fx + t * 7, -4 + fy);
            cairo_line_to(cr, fx + t * 6, -11 + fy);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    }

    auto arms = [&](bool raised) {
        for (int i = 0; i < 2; ++i)
            if (up[i] == raised) {
                limb(cr, i == 0 ? -shoulder_x : shoulder_x, shoulder_y, pxs[i], pys[i], 22, lw);
                paw(cr, pxs[i], pys[i], 14, lw, raised);
            }
    };
    arms(false);

    paint_shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -50, -126);
        cairo_curve_to(c, -24, -110, 24, -110, 50, -126);
        cairo_line_to(c, 48, -111);
        cairo_curve_to(c, 22, -94, -22, -94, -48, -111);
        cairo_close_path(c);
    }, Style{pal::collar, 0.2, pal::outline, lw, false});
    paint_shape(cr, [](cairo_t* c) { ellipse(c, 0, -92, 11, 11); },
                Style{pal::tag, 0.4, pal::outline, lw, true, 2 / s});
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.9);
    ellipse(cr, -3.5, -95.5, 3.2, 2.6);
    cairo_fill(cr);
    set_rgb(cr, darken(pal::tag, 0.3));
    cairo_arc(cr, 0, -90, 3, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_restore(cr);

    // The head turns about the collar; left untouched when upright so that
    // the plain pose stays pixel for pixel the same as draw_bafo.
    auto tilt = [&] {
        cairo_save(cr);
        if (pose.head_tilt != 0) {
            cairo_translate(cr, 0, -116);
            cairo_rotate(cr, pose.head_tilt);
            cairo_translate(cr, 0, 116);
        }
    };

    tilt();
    paint_shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -16, -250);
        cairo_curve_to(c, -14, -268, 4, -280, 12, -270);
        cairo_curve_to(c, 2, -272, -2, -262, 6, -258);
        cairo_curve_to(c, 14, -264, 20, -256, 16, -248);
        cairo_close_path(c);
    }, Style{pal::fur, 0.2, pal::outline, lw, false});

    auto head = [](cairo_t* c) { ellipse(c, 0, -188, 84, 72); };
    paint_shape(cr, head, Style{pal::fur, 0.0, pal::outline, lw, true, 3 / s, 0.2});
    cairo_save(cr);
    head(cr);
    cairo_clip(cr);
    cairo_pattern_t* shine = cairo_pattern_create_radial(-26, -228, 8, -10, -196, 96);
    add_stop(shine, 0, pal::fur_light, 0.9);
    add_stop(shine, 1, pal::fur_light, 0.0);
    cairo_set_source(cr, shine);
    cairo_paint(cr);
    cairo_pattern_destroy(shine);
    cairo_restore(cr);

    ear(cr, -1, lw, 3 / s);
    ear(cr, 1, lw, 3 / s);
    cairo_restore(cr);

    arms(true);
    if (b.motion_lines) {
        cairo_save(cr);
        cairo_set_line_width(cr, lw);
        set_rgb(cr, pal::outline, 0.8);
        for (int i = 0; i < 2; ++i) {
            if (!pose.wave_lines[i])
                continue;
            for (int k = 0; k < 2; ++k) {
                double r = 24 + k * 9;
                cairo_new_sub_path(cr);
                if (i == 0)
                    cairo_arc_negative(cr, pxs[i], pys[i], r, -kPi * 0.62, -kPi * 0.98);
                else
                    cairo_arc(cr, pxs[i], pys[i], r, -kPi * 0.38, -kPi * 0.02);
                cairo_stroke(cr);
            }
        }
        cairo_restore(cr);
    }

    tilt();
    cairo_save(cr);
    set_rgb(cr, pal::muzzle);
    ellipse(cr, 0, -160, 44, 31);
    cairo_fill(cr);
    set_rgb(cr, pal::cheek, 0.55);
    ellipse(cr, -58, -168, 12, 8);
    ellipse(cr, 58, -168, 12, 8);
    cairo_fill(cr);
    cairo_restore(cr);

    eyes(cr, b, lw);

    paint_shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 0, -168);
        cairo_curve_to(c, -8, -169, -14, -174, -13, -179);
        cairo_curve_to(c, -12, -184, 12, -184, 13, -179);
        cairo_curve_to(c, 14, -174, 8, -169, 0, -168);
        cairo_close_path(c);
    }, Style{pal::nose, 0.15, pal::nose, 0.5, false});
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.8);
    ellipse(cr, -4, -179, 4, 2.2);
    cairo_fill(cr);
    cairo_restore(cr);

    mouth(cr, b.mouth, lw);
    cairo_restore(cr);

    cairo_restore(cr);
}

}  // namespace datagen::art

namespace datagen::art {

void back_corner(Canvas& c, double x, double y, bool lit)
{
    cairo_t* cr = c.cr();
    const double w = kBackCornerW, h = kBackCornerH;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    // Three warm planks with grain, a dark edge along the top and the right.
    const uint32_t planks[] = {0xD9A066, 0xCF9459, 0xD99D60};
    for (int i = 0; i < 3; ++i) {
        const double py = 4 + i * 27;
        fill_vertical_gradient(cr, 0, py, w, 27, lighten(planks[i], 0.12), planks[i]);
        set_rgb(cr, darken(planks[i], 0.3), 0.5);
        cairo_set_line_width(cr, 1);
        for (int g = 0; g < 3; ++g) {
            cairo_move_to(cr, 0, py + 7 + g * 7);
            cairo_curve_to(cr, w * 0.3, py + 5 + g * 7 + (i + g) % 3, w * 0.6, py + 9 + g * 7, w, py + 6 + g * 7);
            cairo_stroke(cr);
        }
        set_rgb(cr, darken(planks[i], 0.45));
        cairo_rectangle(cr, 0, py + 26, w, 1.5);
        cairo_fill(cr);
    }
    set_rgb(cr, pal::outline);
    cairo_rectangle(cr, 0, 0, w, 4);
    cairo_rectangle(cr, w - 4, 0, 4, h);
    cairo_fill(cr);
    set_rgb(cr, 0xF0C38E);
    cairo_rectangle(cr, 0, 4, w - 4, 2);
    cairo_fill(cr);
    for (double nx : {8.0, w - 14}) {
        set_rgb(cr, 0x7A5230);
        cairo_arc(cr, nx, 12, 2.6, 0, 2 * kPi);
        cairo_arc(cr, nx, h - 8, 2.6, 0, 2 * kPi);
        cairo_fill(cr);
    }
    // The button: an orange pill with a fat white arrow pointing back.
    const double cx = 60, cy = 50;
    const double grow = lit ? 3 : 0;
    const double bw = 84 + 2 * grow, bh = 40 + 2 * grow;
    auto pill = [=](cairo_t* g) { rounded_rect(g, cx - bw / 2, cy - bh / 2, bw, bh, bh / 2); };
    cairo_restore(cr);
    if (lit) {
        const Box within{x, y, w - 4, h};
        glow(c, [&](cairo_t* g) {
            cairo_save(g);
            cairo_translate(g, x, y);
            pill(g);
            cairo_restore(g);
        }, pal::glow, 10, 1.8, &within);
    }
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    paint_shape(cr, pill, Style{lit ? lighten(pal::orange, 0.2) : pal::orange, 0.35, pal::outline, 2.5, !lit, 3, 0.25});
    back_arrow_face(cr, cx, cy, bw, bh, lit);
    cairo_restore(cr);
}

void back_arrow_face(cairo_t* cr, double cx, double cy, double w, double h, bool lit)
{
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.4);
    rounded_rect(cr, cx - w / 2 + 10, cy - h / 2 + 4, w - 20, h * 0.28, h * 0.14);
    cairo_fill(cr);
    cairo_restore(cr);
    // A fat arrow pointing back (left).
    const double s = lit ? 1.08 : 1.0;
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, cx - 26 * s, cy);
        cairo_line_to(g, cx - 6 * s, cy - 15 * s);
        cairo_line_to(g, cx - 6 * s, cy - 7 * s);
        cairo_line_to(g, cx + 24 * s, cy - 7 * s);
        cairo_line_to(g, cx + 24 * s, cy + 7 * s);
        cairo_line_to(g, cx - 6 * s, cy + 7 * s);
        cairo_line_to(g, cx - 6 * s, cy + 15 * s);
        cairo_close_path(g);
    }, Style{pal::white, 0.0, pal::outline, 2, false});
}

}  // namespace datagen::art

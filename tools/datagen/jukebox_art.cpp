// The jukebox: a small window the music studio opens over its stage. It is
// the front of a wooden jukebox like the one on the studio's icon: a rainbow
// arch round a night-blue window holding twelve records, and under it a coin
// slot and two buttons (put the tune on a record, wipe a record).
//
// A record's label tells whether a song is on it: a sunny label with a note,
// or a plain grey one. Both labels, the lit icons and the chosen-record glow
// are opaque rectangles cut from the background itself, so they meet it
// without a seam. The question panel is Bafo's, narrower than the painting
// screen's so that it fits the window at both places the jukebox lays it.
#include "datagen.h"
#include "question_art.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace datagen {

namespace {

using namespace art;

constexpr double kPi = 3.14159265358979323846;
constexpr const char* kDir = "BAFO_CS/MUSIC/JUKEBOX/";

constexpr int kW = 315, kH = 325;

struct Rect {
    int x, y, w, h;
};

// Record i (0..11): row i / 4, column i % 4.
constexpr Rect record_hot(int i) { return Rect{25 + 70 * (i % 4), 20 + 70 * (i / 4), 66, 61}; }
// The label picture is laid at the record's label place; the disc is centred on it.
constexpr int kLabelW = 26, kLabelH = 24;
constexpr Rect label_rect(int i) { return Rect{46 + 70 * (i % 4), 40 + 70 * (i / 4), kLabelW, kLabelH}; }
constexpr double kDiscR = 28, kLabelR = 10.2;

struct Icon {
    const char* file;
    Rect hot;
    Rect lit;  // where the lit picture is laid, and its size
};

constexpr std::array<Icon, 3> kIcons = {{
    {"JB_COIN1.BMP", {30, 230, 51, 86}, {27, 225, 58, 96}},
    {"JB_ULOZ.BMP", {100, 245, 81, 46}, {96, 243, 90, 52}},
    {"JB_SMAZ.BMP", {200, 245, 81, 51}, {194, 243, 94, 58}},
}};

// The window of records and the rainbow round it.
constexpr double kWinX = 15, kWinY = 13, kWinW = 285, kWinH = 214, kWinR = 16;
constexpr double kStripe = 2.5;

constexpr uint32_t kCabinet = 0xB5652E;  // the studio icon's jukebox wood
constexpr uint32_t kVinyl = 0x2A2233;
constexpr uint32_t kFullLabel = 0xFFC93B, kFullLabelEdge = 0xFF7F3F;
constexpr uint32_t kEmptyLabel = 0xC9C6CE;
constexpr uint32_t kKey = 0xE9DCC4;  // the studio's recorder keys

void centre_of(const Rect& r, double& cx, double& cy)
{
    cx = r.x + r.w / 2.0;
    cy = r.y + r.h / 2.0;
}

// A quaver: head at (x, y), stem up, one flag.
void note(cairo_t* cr, double x, double y, double s, uint32_t colour)
{
    cairo_save(cr);
    set_rgb(cr, colour);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, -0.35);
    cairo_scale(cr, 1.0, 0.75);
    cairo_arc(cr, 0, 0, s * 0.36, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, x + s * 0.25, y - s * 1.1, s * 0.14, s * 1.1);
    cairo_fill(cr);
    cairo_move_to(cr, x + s * 0.32, y - s * 1.1);
    cairo_curve_to(cr, x + s * 0.7, y - s * 0.9, x + s * 0.85, y - s * 0.6, x + s * 0.65, y - s * 0.3);
    cairo_set_line_width(cr, s * 0.16);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A black record with its grooves and a gleam; the label is painted apart.
void vinyl(cairo_t* cr, double cx, double cy, double r, bool shadow = true)
{
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx, cy, r, r); },
                Style{kVinyl, 0.15, pal::outline, 2, shadow, 2.5, 0.3});
    cairo_save(cr);
    cairo_set_line_width(cr, 0.9);
    for (double g = kLabelR + 3.5; g < r - 2; g += 2.6) {
        set_rgb(cr, 0x4C4458, 0.9);
        ellipse(cr, cx, cy, g, g);
        cairo_stroke(cr);
    }
    // The gleam of light on the grooves, upper left and lower right.
    cairo_set_line_width(cr, r * 0.22);
    set_rgb(cr, pal::white, 0.22);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r * 0.66, kPi * 1.08, kPi * 1.42);
    cairo_stroke(cr);
    set_rgb(cr, pal::white, 0.12);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r * 0.66, kPi * 0.08, kPi * 0.42);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A record's label: sunny with a note when a song is on it, plain grey with
// the spindle hole when it is empty.
void label(cairo_t* cr, double cx, double cy, bool full, double r = kLabelR)
{
    cairo_save(cr);
    if (full) {
        cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, 0, cx, cy, r);
        cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.93, 0.55);
        cairo_pattern_add_color_stop_rgb(p, 0.6, ((kFullLabel >> 16) & 255) / 255.0, ((kFullLabel >> 8) & 255) / 255.0,
                                         (kFullLabel & 255) / 255.0);
        cairo_pattern_add_color_stop_rgb(p, 1, ((kFullLabelEdge >> 16) & 255) / 255.0,
                                         ((kFullLabelEdge >> 8) & 255) / 255.0, (kFullLabelEdge & 255) / 255.0);
        ellipse(cr, cx, cy, r, r);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        set_rgb(cr, 0xC0392B);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
        note(cr, cx - r * 0.22, cy + r * 0.42, r * 1.05, 0xC0262D);
    } else {
        ellipse(cr, cx, cy, r, r);
        set_rgb(cr, kEmptyLabel);
        cairo_fill_preserve(cr);
        set_rgb(cr, 0x8F8B96);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        set_rgb(cr, 0x6E6A76);
        ellipse(cr, cx, cy, r * 0.2, r * 0.2);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void record_centre(int i, double& cx, double& cy)
{
    const Rect l = label_rect(i);
    cx = l.x + l.w / 2.0;
    cy = l.y + l.h / 2.0;
}

// ------------------------------------------------------------------ the icons

// The coin slot: a red plate with a slit, a gold coin with a star above it.
// Lit, the coin is bigger and has dropped to the slit's mouth.
void coin_icon(Canvas& c, bool lit)
{
    cairo_t* cr = c.cr();
    double cx, cy;
    centre_of(kIcons[0].hot, cx, cy);
    const Rect& box = kIcons[0].lit;
    const double pw = lit ? 46 : 42, ph = lit ? 54 : 50, py = 262 - (lit ? 1 : 0);
    auto plate = [&](cairo_t* g) { rounded_rect(g, cx - pw / 2, py, pw, ph, 9); };
    const double cr_ = lit ? 15.5 : 13.5, ccy = lit ? 247 : 246;
    auto coin = [&](cairo_t* g) { ellipse(g, cx, ccy, cr_, cr_); };
    if (lit) {
        const Box within{double(box.x), double(box.y), double(box.w), double(box.h)};
        glow(c, plate, pal::glow, 7, 1.6, &within);
        glow(c, coin, 0xFFF07A, 7, 1.8, &within);
    }
    paint_shape(cr, plate, Style{lit ? 0xFF5A4Eu : 0xE8453Cu, 0.3, pal::outline, 2.5, !lit, 2, 0.25});
    cairo_save(cr);
    // The slit and the chrome rim round it.
    set_rgb(cr, 0xE6E2EA);
    rounded_rect(cr, cx - 7, py + 9, 14, ph - 18, 5);
    cairo_fill(cr);
    set_rgb(cr, pal::outline);
    rounded_rect(cr, cx - 3, py + 13, 6, ph - 26, 3);
    cairo_fill(cr);
    // A little arrow on the plate each side of the slit, pointing down.
    set_rgb(cr, lit ? pal::white : 0xFFD0C8);
    for (int s = -1; s <= 1; s += 2) {
        const double ax = cx + s * (pw / 2 - 6.5), ay = py + ph / 2 + 6;
        cairo_move_to(cr, ax - 4, ay - 4);
        cairo_line_to(cr, ax + 4, ay - 4);
        cairo_line_to(cr, ax, ay + 3);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_rectangle(cr, ax - 1.5, ay - 11, 3, 7);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    paint_shape(cr, coin, Style{lit ? 0xFFE14Au : 0xF2C12Eu, 0.45, 0xA0661A, 2.2, !lit, 2, 0.25});
    cairo_save(cr);
    set_rgb(cr, 0xC98A1A);
    cairo_set_line_width(cr, 1.2);
    ellipse(cr, cx, ccy, cr_ - 3.5, cr_ - 3.5);
    cairo_stroke(cr);
    set_rgb(cr, lit ? 0xFFF6C0u : 0xFFE58Au);
    star_path(cr, cx, ccy, cr_ * 0.5, cr_ * 0.22, 5);
    cairo_fill_preserve(cr);
    set_rgb(cr, 0xB97A1A);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// The rounded key under the store and delete pictures, like the studio's
// recorder keys; lit, it is larger, lighter and glows.
void key(Canvas& c, const Icon& icon, bool lit)
{
    double cx, cy;
    centre_of(icon.hot, cx, cy);
    const double w = icon.hot.w - (lit ? 0 : 5), h = icon.hot.h - (lit ? 0 : 5);
    auto shape = [&](cairo_t* g) { rounded_rect(g, cx - w / 2, cy - h / 2, w, h, 12); };
    if (lit) {
        const Box within{double(icon.lit.x), double(icon.lit.y), double(icon.lit.w), double(icon.lit.h)};
        glow(c, shape, pal::glow, 6, 1.8, &within);
    }
    paint_shape(c.cr(), shape, Style{lit ? 0xFFF4E0u : kKey, 0.3, pal::outline, 2.5, !lit, 2, 0.25});
}

// Store: a note, a green arrow, a record with a sunny label.
void store_icon(Canvas& c, bool lit)
{
    const Icon& icon = kIcons[1];
    key(c, icon, lit);
    cairo_t* cr = c.cr();
    double cx, cy;
    centre_of(icon.hot, cx, cy);
    const double k = lit ? 1.1 : 1.0;
    note(cr, cx - 26 * k, cy + 8 * k, 17 * k, lit ? 0x8A4FE0u : 0x6B3FB8u);
    auto arrow = [&](cairo_t* g) {
        const double x0 = cx - 13 * k, x1 = cx + 7 * k;
        cairo_move_to(g, x0, cy - 3.5 * k);
        cairo_line_to(g, x1 - 7 * k, cy - 3.5 * k);
        cairo_line_to(g, x1 - 7 * k, cy - 9 * k);
        cairo_line_to(g, x1 + 2 * k, cy);
        cairo_line_to(g, x1 - 7 * k, cy + 9 * k);
        cairo_line_to(g, x1 - 7 * k, cy + 3.5 * k);
        cairo_line_to(g, x0, cy + 3.5 * k);
        cairo_close_path(g);
    };
    paint_shape(cr, arrow, Style{lit ? 0x4EE05Au : 0x3CB44Au, 0.3, pal::outline, 1.8, false});
    vinyl(cr, cx + 22 * k, cy, 15 * k, false);
    label(cr, cx + 22 * k, cy, true, 6 * k);
}

// Delete: a record with a big red cross over it.
void delete_icon(Canvas& c, bool lit)
{
    const Icon& icon = kIcons[2];
    key(c, icon, lit);
    cairo_t* cr = c.cr();
    double cx, cy;
    centre_of(icon.hot, cx, cy);
    const double k = lit ? 1.1 : 1.0;
    vinyl(cr, cx - 12 * k, cy, 17 * k, false);
    label(cr, cx - 12 * k, cy, true, 6.5 * k);
    const double x = cx + 17 * k, s = 10 * k;
    for (int pass = 0; pass < 2; ++pass) {
        cairo_save(cr);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, pass ? 5.5 * k : 9 * k);
        set_rgb(cr, pass ? (lit ? 0xFF4A45u : 0xE2332Eu) : pal::outline);
        cairo_move_to(cr, x - s, cy - s);
        cairo_line_to(cr, x + s, cy + s);
        cairo_move_to(cr, x + s, cy - s);
        cairo_line_to(cr, x - s, cy + s);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}

// ----------------------------------------------------------------- the cabinet

void window_path(cairo_t* g, double grow)
{
    rounded_rect(g, kWinX - grow, kWinY - grow, kWinW + 2 * grow, kWinH + 2 * grow, kWinR + grow);
}

// Everything but the labels and the lit icons.
Canvas paint_base()
{
    Canvas c(kW, kH);
    cairo_t* cr = c.cr();
    fill_vertical_gradient(cr, 0, 0, kW, kH, lighten(kCabinet, 0.12), darken(kCabinet, 0.12));
    // Wood grain.
    Rng rng(0x7B0C5);
    cairo_save(cr);
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 24; ++i) {
        const double y = 4 + i * 13.5 + rng.range(-2, 2);
        set_rgb(cr, darken(kCabinet, 0.35), rng.range(0.15, 0.3));
        cairo_move_to(cr, 0, y);
        for (double x = 0; x <= kW; x += 30)
            cairo_line_to(cr, x, y + 1.6 * std::sin(x * 0.021 + i * 1.7));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // The cabinet's edge: a dark line and a light bevel inside it.
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 3);
    cairo_rectangle(cr, 1.5, 1.5, kW - 3, kH - 3);
    cairo_stroke(cr);
    set_rgb(cr, lighten(kCabinet, 0.35), 0.7);
    cairo_set_line_width(cr, 1.5);
    cairo_rectangle(cr, 3.75, 3.75, kW - 7.5, kH - 7.5);
    cairo_stroke(cr);
    cairo_restore(cr);

    // The rainbow round the window, as on the studio's jukebox icon.
    const uint32_t rainbow[] = {pal::red, pal::orange, pal::sun, pal::lime, pal::sky};
    const int stripes = 5;
    cairo_save(cr);
    window_path(cr, stripes * kStripe + 1.5);
    set_rgb(cr, pal::outline);
    cairo_fill(cr);
    for (int s = 0; s < stripes; ++s) {
        window_path(cr, (stripes - s) * kStripe);
        set_rgb(cr, rainbow[s]);
        cairo_fill(cr);
    }
    window_path(cr, 1.5);
    set_rgb(cr, pal::outline);
    cairo_fill(cr);
    window_path(cr, 0);
    cairo_clip(cr);
    fill_vertical_gradient(cr, kWinX, kWinY, kWinW, kWinH, 0x5C4AA3, 0x35286E);
    // Little stars and notes twinkling behind the records.
    Rng stars(0x57A25);
    for (int i = 0; i < 40; ++i) {
        const double x = stars.range(kWinX + 4, kWinX + kWinW - 4), y = stars.range(kWinY + 4, kWinY + kWinH - 4);
        set_rgb(cr, i % 3 ? 0xFFF2B0u : 0xB9E6FFu, stars.range(0.5, 0.9));
        star_path(cr, x, y, stars.range(1.8, 3.2), 0.9, 4, stars.range(0, 1));
        cairo_fill(cr);
    }
    cairo_restore(cr);

    for (int i = 0; i < 12; ++i) {
        double cx, cy;
        record_centre(i, cx, cy);
        vinyl(cr, cx, cy, kDiscR);
    }

    // The control panel under the window: a cream board with a speaker at the right.
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, 13, 237, 289, 80, 12); },
                Style{0xF6DDB0, 0.12, pal::outline, 2.5, true, 2, 0.25});
    cairo_save(cr);
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 2; ++col) {
            set_rgb(cr, 0x8A5530, 0.8);
            ellipse(cr, 292 + col * 6 - (row % 2) * 3, 256 + row * 10, 1.8, 1.8);
            cairo_fill(cr);
        }
    cairo_restore(cr);
    return c;
}

// The outermost pixels of a picture laid over the background stay the
// background's own, so the last breath of a glow leaves no edge.
void keep_border(Canvas& c, const Canvas& bg, int x0, int y0)
{
    uint32_t* d = c.data();
    const int stride = c.stride_words();
    for (int y = 0; y < c.h(); ++y)
        for (int x = 0; x < c.w(); ++x)
            if (x < 2 || y < 2 || x >= c.w() - 2 || y >= c.h() - 2)
                d[size_t(y) * size_t(stride) + size_t(x)] = 0xFF000000u | bg.pixel(x0 + x, y0 + y);
    c.mark_dirty();
}

Canvas label_picture(const Canvas& base, const Canvas& bg, bool full)
{
    const Rect l = label_rect(0);
    Canvas c = base.crop(l.x, l.y, l.w, l.h);
    label(c.cr(), l.w / 2.0, l.h / 2.0, full);
    // The label stays inside the picture: its rim rows are the record's own.
    for (int x = 0; x < l.w; ++x)
        for (int y : {0, l.h - 1})
            if (c.pixel(x, y) != bg.pixel(l.x + x, l.y + y))
                throw std::runtime_error("the record label reaches the edge of its picture");
    return c;
}

// ------------------------------------------------------------------ the panel

constexpr int kPanelW = 190, kPanelH = 128;

void write_panel(const std::filesystem::path& dir)
{
    question::CardPanel panel;
    panel.width = kPanelW;
    panel.height = kPanelH;
    panel.sky_radius = 50;
    // What he asks about: a song on a record, in his paw's reach.
    panel.inside = [](cairo_t* cr) {
        vinyl(cr, 168, 106, 14, false);
        label(cr, 168, 106, true, 5.5);
    };
    question::write_card_panel(dir, panel);
}

// ------------------------------------------------------------- the generator

// The jukebox lays the panel at these points of its window.
constexpr int kAskStoreX = 80, kAskDeleteX = 120, kAskY = 106;

void require_layout()
{
    static_assert(kAskDeleteX + kPanelW <= kW && kAskStoreX + kPanelW <= kW && kAskY + kPanelH <= kH,
                  "the question panel must fit the jukebox window");
    for (size_t a = 0; a < kIcons.size(); ++a) {
        const Rect& h = kIcons[a].hot;
        const Rect& l = kIcons[a].lit;
        if (h.x < l.x || h.y < l.y || h.x + h.w > l.x + l.w || h.y + h.h > l.y + l.h || l.x + l.w > kW ||
            l.y + l.h > kH)
            throw std::runtime_error(std::string(kIcons[a].file) + " does not cover its hot area inside the window");
        for (size_t b = a + 1; b < kIcons.size(); ++b)
            if (l.x + l.w > kIcons[b].lit.x)
                throw std::runtime_error(std::string(kIcons[a].file) + " overlaps the next lit icon");
    }
}

void run(const std::filesystem::path& root)
{
    require_layout();
    const std::filesystem::path dir = root / kDir;
    Canvas base = paint_base();
    // The icons in their normal look are part of every picture cut from the base.
    coin_icon(base, false);
    store_icon(base, false);
    delete_icon(base, false);

    Canvas bg = base.crop(0, 0, kW, kH);
    for (int i = 0; i < 12; ++i) {
        double cx, cy;
        record_centre(i, cx, cy);
        label(bg.cr(), cx, cy, false);
    }
    bg.save_bmp(dir / "JB_BG1.BMP");
    label_picture(base, bg, true).save_bmp(dir / "JB_STRED.BMP");
    label_picture(base, bg, false).save_bmp(dir / "JB_STRNO.BMP");

    void (*const paint[3])(Canvas&, bool) = {coin_icon, store_icon, delete_icon};
    for (size_t k = 0; k < kIcons.size(); ++k) {
        // Lit over the bare cabinet, so the normal icon does not show round it.
        Canvas lit = paint_base();
        paint[k](lit, true);
        const Rect& r = kIcons[k].lit;
        Canvas pic = lit.crop(r.x, r.y, r.w, r.h);
        keep_border(pic, bg, r.x, r.y);
        pic.save_bmp(dir / kIcons[k].file);
    }

    // The chosen record aglow, a record's size. The window keeps it ready
    // but marks the choice with its frame.
    {
        const Rect h = record_hot(0);
        Canvas lit = bg.crop(0, 0, kW, kH);
        double cx, cy;
        record_centre(0, cx, cy);
        const Box within{double(h.x), double(h.y), double(h.w), double(h.h)};
        glow(lit, [&](cairo_t* g) { ellipse(g, cx, cy, kDiscR - 3, kDiscR - 3); }, pal::glow, 6, 1.6, &within);
        vinyl(lit.cr(), cx, cy, kDiscR, false);
        label(lit.cr(), cx, cy, true);
        Canvas pic = lit.crop(h.x, h.y, h.w, h.h);
        keep_border(pic, bg, h.x, h.y);
        pic.save_bmp(dir / "JB_SWIT1.BMP");
    }

    write_panel(dir);
}

void expect(std::vector<Expect>& out)
{
    auto bmp = [&](const std::string& name, int w, int h) { out.push_back(bitmap_expect(std::string(kDir) + name, w, h)); };
    bmp("JB_BG1.BMP", kW, kH);
    bmp("JB_STRED.BMP", kLabelW, kLabelH);
    bmp("JB_STRNO.BMP", kLabelW, kLabelH);
    for (const Icon& i : kIcons)
        bmp(i.file, i.lit.w, i.lit.h);
    bmp("JB_SWIT1.BMP", record_hot(0).w, record_hot(0).h);
    bmp("OTAZKA.BMP", kPanelW, kPanelH);
    bmp("ANO_1.BMP", question::kYesLit.w, question::kYesLit.h);
    bmp("NE_1.BMP", question::kNoLit.w, question::kNoLit.h);
    bmp("BAFO_ANI.BMP", question::kMouthW * 4, question::kMouthH);
}

}  // namespace

Generator gen_jukebox() { return Generator{"jukebox", run, expect}; }

static const Registered registered{gen_jukebox};

}  // namespace datagen

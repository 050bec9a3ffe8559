// Bafo's printer panel, laid over whatever screen prints: a cream card with
// Bafo behind his printer on the left, a sheet of paper on the right where
// the program lists the printers, and under it the places of the print and
// cancel buttons. The buttons are cut from the card itself, so they are
// copied opaque without a seam. A sad printer with a question mark takes the
// list's place when the machine has no printer.
#include "art.h"
#include "datagen.h"
#include "paint_kit.h"
#include "question_art.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace datagen {

namespace {

using namespace art;

const char* const kDir = "BAFO_CS/TISK/";
constexpr int kW = 480, kH = 330;

struct Rect {
    int x, y, w, h;
};
// Panel coordinates.
constexpr Rect kList = {160, 24, 300, 200};
constexpr int kRows = 4, kRowH = 48, kRowStep = 50;
constexpr Rect row(int i) { return Rect{kList.x, kList.y + kRowStep * i, kList.w, kRowH}; }
constexpr Rect kYes = {250, 240, 100, 76}, kNo = {360, 240, 100, 76};
constexpr uint32_t kRowPaper = 0xFFFFFF;

void card_path(cairo_t* cr) { rounded_rect(cr, 4.5, 4.5, kW - 9, kH - 9, 24); }

// Bafo behind his printer, in a round window of sky.
void bafo_corner(cairo_t* cr)
{
    cairo_save(cr);
    card_path(cr);
    cairo_clip(cr);
    set_rgb(cr, 0xCDEBFA);
    ellipse(cr, 80, 158, 68, 68);
    cairo_fill(cr);
    cloud(cr, 46, 112, 34, 0.9);
    Bafo b;
    b.scale = 0.6;
    b.x = 80;
    b.y = 258;
    b.left = Arm::Wave;
    b.wave = 0.3;
    b.look = 0.5;
    b.motion_lines = false;
    b.ground_shadow = false;
    draw_bafo(cr, b);
    cairo_restore(cr);
    paint_kit::printer(cr, 80, 306, 124, 1, true);
}

// The sheet the program writes the printers on: four plain rows with a faint
// ruled line in each gap.
void list_paper(cairo_t* cr)
{
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, kList.x - 5, kList.y - 6, kList.w + 10, kList.h + 12, 10); },
                Style{kRowPaper, 0.0, pal::outline, 2.5, true, 3, 0.25});
    cairo_save(cr);
    set_rgb(cr, 0xBFDDF2);
    for (int i = 0; i + 1 < kRows; ++i) {
        const Rect r = row(i);
        cairo_rectangle(cr, r.x + 4, r.y + r.h, r.w - 8, kRowStep - kRowH);
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

Canvas panel_layer()
{
    Canvas layer(kW, kH, Canvas::Format::Alpha);
    cairo_t* cr = layer.cr();
    cairo_save(cr);
    card_path(cr);
    cairo_clip(cr);
    fill_vertical_gradient(cr, 0, 0, kW, kH, 0xFFFBF0, 0xFFEBCB);
    cairo_restore(cr);
    bafo_corner(cr);
    cairo_save(cr);
    card_path(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_restore(cr);
    list_paper(cr);
    return layer;
}

// Opaque where the card is, the key colour (pixel (0, 0) too) round it.
Canvas keyed(const Canvas& layer)
{
    Canvas out(kW, kH);
    uint32_t* d = out.data();
    const int stride = out.stride_words();
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const bool solid = layer.alpha(x, y) >= 128 && !(x == 0 && y == 0);
            d[size_t(y) * size_t(stride) + size_t(x)] = 0xFF000000u | (solid ? layer.pixel(x, y) : pal::key);
        }
    out.mark_dirty();
    return out;
}

// A button's key: cream, rounded; lit, larger, lighter and glowing.
void button_key(Canvas& c, bool lit)
{
    const double g = lit ? 3 : 0;
    auto shape = [&](cairo_t* p) { rounded_rect(p, 7 - g, 7 - g, kYes.w - 14 + 2 * g, kYes.h - 14 + 2 * g, 16); };
    if (lit) {
        const Box within{0, 0, double(c.w()), double(c.h())};
        glow(c, shape, pal::glow, 6, 1.8, &within);
    }
    paint_shape(c.cr(), shape, Style{lit ? 0xFFFDF5u : 0xF3E6CCu, 0.3, pal::outline, 2.5, !lit, 2, 0.25});
}

// Print: the printer with a green tick beside it.
Canvas print_button(const Canvas& panel, bool lit)
{
    Canvas c = panel.crop(kYes.x, kYes.y, kYes.w, kYes.h);
    button_key(c, lit);
    const double k = lit ? 1.06 : 1.0;
    paint_kit::printer(c.cr(), 41, 38 + 25 * k, 54 * k, 1, false);
    question::round_button(c, 74, 47, 13 * k, question::kYesGreen, true);
    return c;
}

// Cancel: a big red cross button.
Canvas cancel_button(const Canvas& panel, bool lit)
{
    Canvas c = panel.crop(kNo.x, kNo.y, kNo.w, kNo.h);
    button_key(c, lit);
    question::round_button(c, kNo.w / 2.0, kNo.h / 2.0, lit ? 23 : 21, pal::red, false);
    return c;
}

// No printer: a sad printer, its plug out, wondering.
Canvas no_printer(const Canvas& panel)
{
    Canvas c = panel.crop(kList.x, kList.y, kList.w, kList.h);
    cairo_t* cr = c.cr();
    set_rgb(cr, kRowPaper);
    cairo_rectangle(cr, 2, 2, kList.w - 4, kList.h - 4);
    cairo_fill(cr);
    // The cable from the printer's side to the plug lying on the floor.
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, 62, 140);
    cairo_curve_to(cr, 30, 150, 30, 186, 60, 184);
    cairo_curve_to(cr, 80, 183, 88, 178, 96, 180);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    set_rgb(cr, 0x7A8299);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, 94, 172, 22, 16, 4); }, Style{0xE8EEF6, 0.3, pal::outline, 2, true, 2, 0.25});
    cairo_save(cr);
    set_rgb(cr, 0xC3C8D4);
    cairo_rectangle(cr, 116, 175, 8, 3);
    cairo_rectangle(cr, 116, 182, 8, 3);
    cairo_fill(cr);
    cairo_restore(cr);
    paint_kit::printer(cr, 148, 176, 150, -1, true);
    // The question mark in a bubble.
    paint_shape(cr, [](cairo_t* g) {
        ellipse(g, 248, 46, 30, 30);
        cairo_move_to(g, 226, 64);
        cairo_line_to(g, 210, 84);
        cairo_line_to(g, 238, 72);
        cairo_close_path(g);
    }, Style{pal::white, 0.1, pal::outline, 2.5, true, 2, 0.25});
    cairo_save(cr);
    set_rgb(cr, pal::white);
    ellipse(cr, 248, 46, 28.5, 28.5);
    cairo_fill(cr);
    cairo_restore(cr);
    paint_shape(cr, [](cairo_t* g) { text_path(g, "?", 48, 248, 63); }, Style{pal::violet, 0.3, pal::outline, 2.5, false});
    return c;
}

void run(const std::filesystem::path& root)
{
    const std::filesystem::path dir = root / kDir;
    const Canvas panel = keyed(panel_layer());
    for (int i = 0; i < kRows; ++i) {
        const Rect r = row(i);
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x)
                if (panel.pixel(x, y) != kRowPaper)
                    throw std::runtime_error("printer row " + std::to_string(i) + " is not plain paper");
    }
    panel.save_bmp(dir / "PANEL.BMP");
    print_button(panel, false).save_bmp(dir / "ANO_0.BMP");
    print_button(panel, true).save_bmp(dir / "ANO_1.BMP");
    cancel_button(panel, false).save_bmp(dir / "NE_0.BMP");
    cancel_button(panel, true).save_bmp(dir / "NE_1.BMP");
    no_printer(panel).save_bmp(dir / "ZADNA.BMP");
}

void expect(std::vector<Expect>& out)
{
    auto bmp = [&](const char* name, int w, int h) { out.push_back(bitmap_expect(std::string(kDir) + name, w, h)); };
    bmp("PANEL.BMP", kW, kH);
    for (const char* n : {"ANO_0.BMP", "ANO_1.BMP"})
        bmp(n, kYes.w, kYes.h);
    for (const char* n : {"NE_0.BMP", "NE_1.BMP"})
        bmp(n, kNo.w, kNo.h);
    bmp("ZADNA.BMP", kList.w, kList.h);
}

}  // namespace

Generator gen_print_panel() { return Generator{"print_panel", run, expect}; }

static const Registered registered{gen_print_panel};

}  // namespace datagen

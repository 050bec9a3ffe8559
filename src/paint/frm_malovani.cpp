#include "paint/frm_malovani.h"

#include "menus/frm_sel_pic.h"
#include "paint/frm_foto_album.h"
#include "platform/bitmap_file.h"
#include "platform/trace.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "ui/app.h"

#include <cstdlib>

namespace bafo {

namespace {

std::string paint_file(const std::string& name)
{
    return data_path("\\BAFO_CS\\OMALKY\\" + name);
}

std::string two_digits(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

constexpr int kLift = 15;
constexpr Rect kIconBar{0, 480, 800, 120};

// Where the icons take the pen colour, the fill shade, and whose lift moves them.
struct Spot {
    int x, y;
    Tool lifted_with;
};
constexpr Spot kPenSpots[] = {
    {66, 544, Tool::None},           {134, 544, Tool::Freehand},    {153, 544, Tool::Freehand},
    {218, 544, Tool::Line},          {223, 544, Tool::Line},        {286, 544, Tool::MoreLines},
    {292, 544, Tool::MoreLines},     {507, 544, Tool::CircleFill},  {577, 544, Tool::Circle},
    {646, 544, Tool::RectangleFill}, {716, 544, Tool::Rectangle}};
constexpr Spot kFillSpots[] = {
    {344, 544, Tool::FloodFill}, {522, 544, Tool::CircleFill}, {662, 544, Tool::RectangleFill}};

}  // namespace

// The outline of a line, ellipse or rectangle being placed: drawn over the
// canvas as it will be drawn into it, and never part of it.
class FrmMalovani::Previews : public ui::Control {
public:
    Previews(ui::Form& f, const std::string& name, int index) : ui::Control(f, name, index) {}
    const PaintCanvas* paint = nullptr;
    bool takes_input() const override { return false; }
    void compose(Surface& frame, int ox, int oy) const override
    {
        const PaintCanvas& p = *paint;
        const Pen pen{p.pen_colour, p.width};
        const bool filled = p.tool == Tool::CircleFill || p.tool == Tool::RectangleFill;
        std::optional<uint32_t> fill;
        if (filled)
            fill = p.fill_colour;
        if (p.line().shown)
            draw_line(frame, ox + p.line().x1, oy + p.line().y1, ox + p.line().x2, oy + p.line().y2, pen);
        if (p.oval().shown)
            draw_ellipse(frame, {ox + p.oval().r.x, oy + p.oval().r.y, p.oval().r.w, p.oval().r.h}, pen, fill);
        if (p.box().shown)
            draw_rectangle(frame, {ox + p.box().r.x, oy + p.box().r.y, p.box().r.w, p.box().r.h}, pen, fill);
    }
    // Redraws where the previews were and where they are now, nothing more.
    void refresh()
    {
        const Rect now = bounds();
        const Rect both = unite(m_drawn, now);
        m_drawn = now;
        if (both.empty())
            return;
        const Rect at = parent()->form_rect();
        ui::App::get().invalidate({form().x + at.x + both.x, form().y + at.y + both.y, both.w, both.h});
    }

private:
    Rect bounds() const
    {
        const PaintCanvas& p = *paint;
        const int m = p.width / 2 + 2;
        Rect r;
        if (p.line().shown) {
            const auto& l = p.line();
            r = unite(r, {std::min(l.x1, l.x2) - m, std::min(l.y1, l.y2) - m, std::abs(l.x2 - l.x1) + 2 * m + 1,
                          std::abs(l.y2 - l.y1) + 2 * m + 1});
        }
        for (const BoxPreview* b : {&p.oval(), &p.box()})
            if (b->shown)
                r = unite(r, {b->r.x - 1, b->r.y - 1, b->r.w + 2, b->r.h + 2});
        return r;
    }
    Rect m_drawn;
};

Rect FrmMalovani::swatch(int i)
{
    if (i < 16)
        return {0, 29 * i, 75, 29};
    return {800 - 75, 29 * (i - 16), 75, 29};
}

FrmMalovani::FrmMalovani()
    : ui::Form("frm_malovani"),
      main_pic(add<ui::PictureBox>("main_pic")),
      zdroj(add<ui::PictureBox>("zdroj")),
      otazka_pic(add<ui::PictureBox>("otazka_pic"))
{
    zdroj.hide();
    otazka_pic.hide();
    m_previews = &add_child<Previews>(main_pic, "previews");
    m_previews->paint = &m_paint;
    main_pic.on_mouse_down = [this](const ui::MouseArgs& a) { canvas_changed(m_paint.press(a.button, a.x, a.y)); };
    main_pic.on_mouse_move = [this](const ui::MouseArgs& a) { canvas_changed(m_paint.move(a.buttons, a.x, a.y)); };
    main_pic.on_mouse_up = [this](const ui::MouseArgs& a) {
        const bool fill = m_paint.tool == Tool::FloodFill && a.button == int(MouseButton::Left);
        if (fill)
            trace("painting: fill at " + std::to_string(a.x) + "," + std::to_string(a.y));
        canvas_changed(m_paint.release(a.button, a.x, a.y));
        if (fill) {
            // Shown at once, and timed in the trace from the release.
            ui::App::get().present();
            trace("painting: fill shown");
        }
    };
    for (int k = 0; k < 14; ++k) {
        auto& a = add<ui::HotArea>("klik_iko", k);
        a.on_click = [this, k] { klik_iko_Click(k); };
        a.on_mouse_move = [this, k](const ui::MouseArgs& m) { klik_iko_MouseMove(k, m); };
        klik_iko[size_t(k)] = &a;
    }
    for (int i = 0; i < 32; ++i) {
        auto& a = add<ui::HotArea>("klik_color", i);
        a.on_mouse_down = [this, i](const ui::MouseArgs&) { klik_color_MouseDown(i); };
        klik_color[size_t(i)] = &a;
    }
    otazka_pic.on_mouse_move = [this](const ui::MouseArgs&) { otazka_pic_MouseMove(); };
    for (int b = 0; b < 2; ++b) {
        auto& a = add_child<ui::HotArea>(otazka_pic, "otazka_click", b);
        a.on_mouse_move = [this, b](const ui::MouseArgs&) { otazka_click_MouseMove(b); };
        a.on_click = [this, b] { otazka_click_Click(b); };
        otazka_click[size_t(b)] = &a;
    }
}

void FrmMalovani::on_load()
{
    auto& app = ui::App::get();
    caption = "Bafolino";
    Surface bg;
    if (load_bitmap(paint_file("BG.BMP"), bg) != kBitmapOk || bg.width() != 800 || bg.height() != 600)
        bg = Surface(800, 600, 0xFFF4E0);
    set_picture(bg);

    Surface page;
    if (load_bitmap(vybrany_obrazek, page) != kBitmapOk || page.empty())
        page = Surface(kCanvas.w, kCanvas.h, 0xFFFFFF);
    main_pic.set_picture(page);
    main_pic.move((800 - page.width()) / 2, 0);
    m_paint.load(page);
    m_previews->set_rect(page.rect());

    for (int k = 1; k <= 10; ++k) {
        load_bitmap(paint_file("ICO" + two_digits(k) + "_0.BMP"), ikony_vypnute[size_t(k - 1)]);
        load_bitmap(paint_file("ICO" + two_digits(k) + "_1.BMP"), ikony_zapnute[size_t(k - 1)]);
    }
    m_lights.yes_at = kYesLit;
    m_lights.no_at = kNoLit;
    for (auto [name, into] : {std::pair{"OST\\OTAZKA.BMP", &m_otazka}, {"OST\\ANO_1.BMP", &m_lights.yes}, {"OST\\NE_1.BMP", &m_lights.no}})
        load_bitmap(paint_file(name), *into);
    const auto pos = nacti_pozice(paint_file("ICO_POS.DAT"), 10);
    for (size_t k = 0; k < 10; ++k)  // a damaged table still puts each icon on its own hot area
        pozice_ikon[k] = pos[k] ? *pos[k] : Point{kIconAreas[k].x, kIconAreas[k].y};

    for (int k = 0; k < 14; ++k) {
        klik_iko[size_t(k)]->set_rect(kIconAreas[k]);
        klik_iko[size_t(k)]->pointer = app.hot_pointer;
        klik_iko[size_t(k)]->marked = false;
    }
    for (int i = 0; i < 32; ++i) {
        klik_color[size_t(i)]->set_rect(swatch(i));
        klik_color[size_t(i)]->pointer = app.hot_pointer;
    }
    std::vector<Highlighter::Icon> icons(14);
    icons[10] = {paint_file("BACK.BMP"), kBackLit.x, kBackLit.y};
    icons[13] = {paint_file("FOTO.BMP"), kAlbumLit.x, kAlbumLit.y};
    m_highlight = std::make_unique<Highlighter>(*this, std::vector<ui::HotArea*>(klik_iko.begin(), klik_iko.end()), icons);
    otazka_click[0]->set_rect(kYes);
    otazka_click[1]->set_rect(kNo);
    for (auto* a : otazka_click)
        a->pointer = app.hot_pointer;

    m_paint.paper = swatch_colour(3);
    zobraz_ikony();
    m_paint.tool = Tool::Freehand;
    m_paint.pen_colour = 0x000000;
    m_paint.fill_colour = 0xFFFFFF;
    m_paint.width = 3;
    obarvi_objekty();
    zapni_aktivni_ikonu();
}

void FrmMalovani::on_activate()
{
    auto& app = ui::App::get();
    app.dispatch_pending();
    app.set_screen_pointer(std::nullopt);
}

uint32_t FrmMalovani::swatch_colour(int i) const
{
    const Rect r = swatch(i);
    return screen.pixel(r.x + 63, r.y + 14);
}

void FrmMalovani::zobraz_ikony()
{
    for (size_t k = 0; k < 10; ++k)
        image.blit(ikony_vypnute[k], pozice_ikon[k].x, pozice_ikon[k].y);
    redraw_icon_bar();
}

void FrmMalovani::zapni_aktivni_ikonu()
{
    const size_t k = size_t(icon_number(m_paint.tool) - 1);
    image.blit(ikony_zapnute[k], pozice_ikon[k].x, pozice_ikon[k].y);
    obarvi_objekty();
}

void FrmMalovani::vypni_aktivni_ikonu()
{
    const size_t k = size_t(icon_number(m_paint.tool) - 1);
    image.blit(ikony_vypnute[k], pozice_ikon[k].x, pozice_ikon[k].y);
    m_paint.tool = Tool::None;
    obarvi_objekty();
}

void FrmMalovani::obarvi_objekty()
{
    auto lift = [&](Tool t) { return t != Tool::None && t == m_paint.tool ? kLift : 0; };
    draw_line(image, kWidthFrom.x, kWidthFrom.y, kWidthTo.x, kWidthTo.y, Pen{m_paint.pen_colour, m_paint.width});
    for (const Spot& s : kPenSpots)
        flood_fill(image, s.x, s.y - lift(s.lifted_with), m_paint.pen_colour);
    const uint32_t shade = fill_shade(m_paint.fill_colour);
    for (const Spot& s : kFillSpots)
        flood_fill(image, s.x, s.y - lift(s.lifted_with), shade);
    redraw_icon_bar();
}

void FrmMalovani::redraw_icon_bar()
{
    repaint(kIconBar);
}

void FrmMalovani::canvas_changed(const Rect& r)
{
    if (!r.empty())
        main_pic.layers.draw_both(m_paint.canvas(), r, r.x, r.y);
    show_previews();
}

void FrmMalovani::show_previews()
{
    m_previews->refresh();
}

void FrmMalovani::klik_color_MouseDown(int i)
{
    m_paint.pick(swatch_colour(i));
    zvuk_kliknuti();
    obarvi_objekty();
}

void FrmMalovani::klik_iko_MouseMove(int k, const ui::MouseArgs& a)
{
    if (a.buttons)
        return;
    if (k == 10 || k == 13)
        m_highlight->highlight(size_t(k));
    else
        m_highlight->smaz_aktivni_plochy();
}

void FrmMalovani::on_mouse_move(const ui::MouseArgs& a)
{
    if (!a.buttons && m_highlight)
        m_highlight->smaz_aktivni_plochy();
}

void FrmMalovani::klik_iko_Click(int k)
{
    auto& app = ui::App::get();
    m_paint.drop_previews();
    show_previews();
    zvuk_kliknuti();
    if (k == 0) {
        m_paint.width = next_width(m_paint.width);
        image.blit(ikony_vypnute[0], pozice_ikon[0].x, pozice_ikon[0].y);
        obarvi_objekty();
    } else if (k <= 9) {
        const Tool t = Tool(k);
        if (t != m_paint.tool)
            vypni_aktivni_ikonu();
        m_paint.tool = t;
        zapni_aktivni_ikonu();
    } else if (k == 11) {
        canvas_changed(m_paint.undo());
    } else if (k == 10) {
        trace("painting: back");
        app.show(app.form<FrmSelPic>());
        app.unload(*this);
    } else if (k == 12) {
        enable_input(false);
        // Four mouth frames, as on every game and tool screen (only the menu has three).
        klip_zdroj.load(paint_file("OST\\BAFO_ANI.BMP"), 4);
        m_lights.ask(*this, otazka_pic, m_otazka, kPanel, kMouth, &zdroj, data_path("\\BAFO_CS\\REC\\OMALKY\\06A.WAV"));
    } else if (k == 13) {
        trace("painting: album");
        app.show(app.form<FrmFotoAlbum>());
        m_highlight->smaz_aktivni_plochy();
        app.hide(*this);
    }
}

void FrmMalovani::open_painting(const Surface& painting)
{
    m_paint.drop_previews();
    m_paint.load(painting);
    main_pic.set_picture(painting);
    main_pic.move((800 - painting.width()) / 2, 0);
    m_previews->set_rect(painting.rect());
    show_previews();
}

void FrmMalovani::enable_input(bool on)
{
    for (auto* a : klik_iko)
        a->set_enabled(on);
    for (auto* a : klik_color)
        a->set_enabled(on);
    main_pic.set_enabled(on);
}

void FrmMalovani::otazka_click_MouseMove(int b)
{
    m_lights.over_button(otazka_pic, b);
}

void FrmMalovani::otazka_pic_MouseMove()
{
    m_lights.over_panel(otazka_pic);
}

void FrmMalovani::otazka_click_Click(int b)
{
    auto& app = ui::App::get();
    zvuk_kliknuti();
    otazka_pic.hide();
    if (b == 0)
        canvas_changed(m_paint.clear());
    enable_input(true);
    app.dispatch_pending();
    app.set_screen_pointer(std::nullopt);
}

}  // namespace bafo

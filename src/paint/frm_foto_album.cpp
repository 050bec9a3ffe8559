#include "paint/frm_foto_album.h"

#include "paint/album.h"
#include "paint/frm_malovani.h"
#include "platform/bitmap_file.h"
#include "platform/trace.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "services/printing.h"
#include "services/sound.h"
#include "ui/app.h"

namespace bafo {

namespace {

std::string album_file(const std::string& name)
{
    return data_path("\\BAFO_CS\\OMALKY\\OST\\" + name);
}

std::string voice(const char* name)
{
    return data_path(std::string("\\BAFO_CS\\REC\\OMALKY\\") + name);
}

// A printed painting: 11 printer twips a pixel, one and a half times.
constexpr double kPrintInchesPerPixel = 1.5 * 11 / 1440;

}  // namespace

FrmFotoAlbum::FrmFotoAlbum()
    : ui::Form("frm_foto_album"),
      zdroj(add<ui::PictureBox>("zdroj")),
      ukazovatko(add<ui::Shape>("ukazovatko")),
      otazka_pic(add<ui::PictureBox>("otazka_pic"))
{
    zdroj.hide();
    ukazovatko.kind = ui::Shape::Kind::Rectangle;
    ukazovatko.pen = Pen{0xFF5E5B, 5};
    ukazovatko.hide();
    otazka_pic.hide();
    for (int i = 0; i < 4; ++i) {
        auto& a = add<ui::HotArea>("klik_ico", i);
        a.set_rect(kIcons[i]);
        a.on_click = [this, i] { klik_ico_Click(i); };
        a.on_mouse_move = [this, i](const ui::MouseArgs& m) { klik_ico_MouseMove(i, m); };
        klik_ico[size_t(i)] = &a;
    }
    for (int i = 1; i <= Album::kSlots; ++i) {
        auto& a = add<ui::HotArea>("nahled", i);
        a.set_rect(slot_area(i));
        a.on_click = [this, i] { nahled_Click(i); };
        a.on_mouse_move = [this](const ui::MouseArgs& m) { on_mouse_move(m); };
        nahled[size_t(i - 1)] = &a;
    }
    // The frame and the panel lie above the thumbnails.
    keep_on_top(ukazovatko);
    keep_on_top(otazka_pic);
    otazka_pic.on_mouse_move = [this](const ui::MouseArgs&) { otazka_pic_MouseMove(); };
    for (int b = 0; b < 2; ++b) {
        auto& a = add_child<ui::HotArea>(otazka_pic, "otazka_click", b);
        a.set_rect(b == 0 ? kYes : kNo);
        a.on_mouse_move = [this, b](const ui::MouseArgs&) { otazka_click_MouseMove(b); };
        a.on_click = [this, b] { otazka_click_Click(b); };
        otazka_click[size_t(b)] = &a;
    }
}

void FrmFotoAlbum::on_load()
{
    auto& app = ui::App::get();
    caption = "Bafolino";
    Surface bg;
    if (load_bitmap(album_file("A_BG.BMP"), bg) != kBitmapOk || bg.width() != 800 || bg.height() != 600)
        bg = Surface(800, 600, 0xFFF4E0);
    set_picture(bg);
    load_bitmap(album_file("OTAZKA.BMP"), m_otazka);
    m_lights.yes_at = kYesLit;
    m_lights.no_at = kNoLit;
    load_bitmap(album_file("ANO_1.BMP"), m_lights.yes);
    load_bitmap(album_file("NE_1.BMP"), m_lights.no);

    static constexpr const char* kLit[4] = {"A_ZPET.BMP", "A_ICO1.BMP", "A_ICO2.BMP", "A_TISK.BMP"};
    std::vector<Highlighter::Icon> icons;
    for (int i = 0; i < 4; ++i)
        icons.push_back({album_file(kLit[i]), kIconLit[i].x, kIconLit[i].y});
    m_highlight = std::make_unique<Highlighter>(*this, std::vector<ui::HotArea*>(klik_ico.begin(), klik_ico.end()), icons);
    for (auto* a : klik_ico)
        a->pointer = app.hot_pointer;
    for (auto* a : nahled)
        a->pointer = app.hot_pointer;
    for (auto* a : otazka_click)
        a->pointer = app.hot_pointer;

    m_vybrana_pozice = 0;
    app.set_screen_pointer(CursorKind::Busy);
    for (int n = 1; n <= Album::kSlots; ++n)
        pridej_nahled(n);
    app.set_screen_pointer(std::nullopt);
    otazka_alba.clear();
}

void FrmFotoAlbum::on_activate()
{
    auto& app = ui::App::get();
    app.dispatch_pending();
    app.set_screen_pointer(std::nullopt);
}

void FrmFotoAlbum::pridej_nahled(int n)
{
    const Surface t = Album::thumbnail(n);
    if (t.empty())
        return;
    const Rect r = slot_area(n);
    draw_both(t, r.x + 5, r.y + 5);
}

void FrmFotoAlbum::on_mouse_move(const ui::MouseArgs& a)
{
    if (!a.buttons && m_highlight)
        m_highlight->smaz_aktivni_plochy();
}

void FrmFotoAlbum::klik_ico_MouseMove(int i, const ui::MouseArgs& a)
{
    if (!a.buttons)
        m_highlight->highlight(size_t(i));
}

void FrmFotoAlbum::nahled_Click(int i)
{
    ukazovatko.hide();
    zvuk_kliknuti();
    ukazovatko.set_rect(slot_area(i));
    ukazovatko.show();
    m_vybrana_pozice = i;
}

void FrmFotoAlbum::zapni_vstup(bool on)
{
    for (auto* a : klik_ico)
        a->set_enabled(on);
    for (auto* a : nahled)
        a->set_enabled(on);
}

void FrmFotoAlbum::back_to_painting()
{
    auto& app = ui::App::get();
    if (auto* painting = app.find<FrmMalovani>())
        app.show(*painting);
    app.unload(*this);
}

void FrmFotoAlbum::klik_ico_Click(int i)
{
    otazka_alba.clear();
    zvuk_kliknuti();
    const bool chosen = m_vybrana_pozice != 0;
    const bool occupied = chosen && Album::occupied(m_vybrana_pozice);
    switch (i) {
    case 0:
        trace("album: back");
        back_to_painting();
        return;
    case 1:
        if (!chosen)
            prehraj_zvuk(voice("04.WAV"));
        else if (!occupied)
            prehraj_zvuk(voice("05_2.WAV"));
        else {
            otazka_alba = "LOAD";
            zeptej_se(voice("03A.WAV"));
        }
        return;
    case 2:
        if (!chosen)
            prehraj_zvuk(voice("01.WAV"));
        else if (!occupied)
            uloz_obrazek_na_disk();
        else {
            otazka_alba = "SAVE";
            zeptej_se(voice("02A.WAV"));
        }
        return;
    default:
        // Nothing to print says so, as open does, instead of an empty dialog.
        if (!chosen)
            prehraj_zvuk(voice("07.WAV"));
        else if (!occupied)
            prehraj_zvuk(voice("05_2.WAV"));
        else
            tiskni_obrazek();
        return;
    }
}

void FrmFotoAlbum::zeptej_se(const std::string& wave)
{
    zapni_vstup(false);
    m_highlight->smaz_aktivni_plochy();
    klip_zdroj.load(album_file("BAFO_ANI.BMP"), 4);
    trace("album: asks " + otazka_alba);
    m_lights.ask(*this, otazka_pic, m_otazka, kPanel, kMouth, &zdroj, wave);
}

void FrmFotoAlbum::otazka_click_MouseMove(int b)
{
    m_lights.over_button(otazka_pic, b);
}

void FrmFotoAlbum::otazka_pic_MouseMove()
{
    m_lights.over_panel(otazka_pic);
}

void FrmFotoAlbum::otazka_click_Click(int b)
{
    auto& app = ui::App::get();
    otazka_pic.hide();
    zvuk_kliknuti();
    trace(std::string("album: answer ") + (b == 0 ? "yes" : "no"));
    if (b == 0 && otazka_alba == "LOAD") {
        Surface painting;
        auto* easel = app.find<FrmMalovani>();
        if (easel && Album::load(m_vybrana_pozice, painting)) {
            easel->open_painting(painting);
            back_to_painting();
            return;
        }
    } else if (b == 0 && otazka_alba == "SAVE") {
        uloz_obrazek_na_disk();
    }
    zapni_vstup(true);
    otazka_alba.clear();
}

void FrmFotoAlbum::uloz_obrazek_na_disk()
{
    const int k = m_vybrana_pozice;
    auto* easel = ui::App::get().find<FrmMalovani>();
    if (k == 0 || !easel)
        return;
    // The canvas as of the last release; a failed write keeps the old pair
    // and the page as it was.
    if (!Album::store(k, easel->model().stored())) {
        trace("album: slot " + std::to_string(k) + " not written");
        return;
    }
    trace("album: stored " + std::to_string(k));
    pridej_nahled(k);
}

void FrmFotoAlbum::tiskni_obrazek()
{
    Surface painting;
    if (!Album::load(m_vybrana_pozice, painting))
        return;
    m_highlight->smaz_aktivni_plochy();
    vytiskni(painting, painting.width() * kPrintInchesPerPixel, painting.height() * kPrintInchesPerPixel, true,
             "Bafolino " + std::to_string(m_vybrana_pozice));
}

}  // namespace bafo

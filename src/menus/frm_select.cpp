#include "menus/frm_select.h"

#include "dress/frm_krejci.h"
#include "menus/frm_pex_sel.h"
#include "menus/frm_sel_pic.h"
#include "music/frm_klavir.h"

#include "platform/bitmap_file.h"
#include "platform/files.h"
#include "platform/trace.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "shell/frm_black.h"
#include "shell/settings.h"
#include "ui/app.h"

namespace bafo {

namespace {
std::string select_file(const std::string& name)
{
    return data_path("\\BAFO_CS\\SELECT\\" + name);
}
}  // namespace

FrmSelect::FrmSelect()
    : ui::Form("frm_select"),
      zdroj(add<ui::PictureBox>("zdroj")),
      zaloha_pozadi(add<ui::PictureBox>("zaloha_pozadi")),
      otazka_pic(add<ui::PictureBox>("otazka_pic"))
{
    zdroj.hide();
    zaloha_pozadi.hide();
    otazka_pic.hide();
    for (int k = 0; k < 10; ++k) {
        auto& a = add<ui::HotArea>("klik_plocha", k);
        a.on_mouse_move = [this, k](const ui::MouseArgs&) { klik_plocha_MouseMove(k); };
        a.on_mouse_up = [this, k](const ui::MouseArgs& m) { klik_plocha_MouseUp(k, m); };
        klik_plocha[size_t(k)] = &a;
    }
    otazka_pic.on_mouse_move = [this](const ui::MouseArgs&) { otazka_pic_MouseMove(); };
    for (int b = 0; b < 2; ++b) {
        auto& a = add<ui::HotArea>("otazka_click", b);
        a.on_mouse_move = [this, b](const ui::MouseArgs&) { otazka_click_MouseMove(b); };
        a.on_click = [this, b] { otazka_click_Click(b); };
        a.hide();
        otazka_click[size_t(b)] = &a;
    }
}

void FrmSelect::chyba_nacteni(int err)
{
    obnov_rozliseni();
    zprava(texty::chyba_disku(err), "", MessageIcon::Warning);
    ui::App::get().quit(1);
}

void FrmSelect::on_load()
{
    caption = "Bafolino";
    Surface bg;
    if (int err = load_bitmap(select_file("BG1.BMP"), bg)) {
        chyba_nacteni(err);
        return;
    }
    set_picture(bg);
    for (int k = 0; k < 10; ++k) {
        klik_plocha[size_t(k)]->set_rect(kAreas[k]);
        klik_plocha[size_t(k)]->pointer = ui::App::get().hot_pointer;
    }
    enable_areas(false);
    const Rect yes{kPanel.x + kYes.x, kPanel.y + kYes.y, kYes.w, kYes.h};
    const Rect no{kPanel.x + kNo.x, kPanel.y + kNo.y, kNo.w, kNo.h};
    otazka_click[0]->set_rect(yes);
    otazka_click[1]->set_rect(no);
    for (auto* a : otazka_click)
        a->pointer = ui::App::get().hot_pointer;
    m_lights.yes_at = kYesLit;
    m_lights.no_at = kNoLit;
    for (auto [name, into] : {std::pair{"OTAZKA.BMP", &m_otazka}, {"ANO_1.BMP", &m_lights.yes}, {"NE_1.BMP", &m_lights.no}}) {
        if (int err = load_bitmap(select_file(name), *into)) {
            chyba_nacteni(err);
            return;
        }
    }
    m_hovered = 99;
    m_intro_done = false;
    m_intro_delay = 250;
}

void FrmSelect::enable_areas(bool on)
{
    for (auto* a : klik_plocha)
        a->set_enabled(on);
}

Point FrmSelect::pozice(int balloon)
{
    if (m_pos.empty())
        m_pos = nacti_pozice(select_file("POS.DAT"), 9);
    const auto& p = m_pos[size_t(balloon - 1)];
    // A damaged table still puts the balloon on its own hot area.
    return p ? *p : Point{kAreas[balloon - 1].x, kAreas[balloon - 1].y};
}

void FrmSelect::on_activate()
{
    auto& app = ui::App::get();
    vybrana_hra.clear();
    ui::App::get().set_screen_pointer(std::nullopt);
    app.dispatch_pending();
    if (m_intro_done || !app.is_loaded(*this))
        return;
    m_intro_done = true;
    for (const char* prefix : {"BALO_", "BALOO_"}) {
        for (int i = 1; i <= 9 && !app.quitting(); ++i) {
            Point p = pozice(i);
            if (load_bitmap(select_file(prefix + std::to_string(i) + ".BMP"), zdroj.layers.image) == kBitmapOk)
                draw_both(zdroj.layers.image, p.x, p.y);
            cekej(uint32_t(m_intro_delay));
        }
    }
    if (!app.is_loaded(*this) || app.quitting())
        return;
    klip_zdroj.load(select_file("BAFO_ANI.BMP"), 3);
    if (m_intro_delay != 0)
        animuj_mluveni(*this, kMouth.x, kMouth.y, klip_zdroj, &zdroj, data_path("\\BAFO_CS\\REC\\UVOD.WAV"));
    enable_areas(true);
}

void FrmSelect::on_mouse_up(const ui::MouseArgs& a)
{
    if (a.button != int(MouseButton::Left) || !a.click || m_intro_delay == 0)
        return;
    // The first click on the background skips the intro and the tune.
    m_intro_delay = 0;
    zastav_wave();
}

void FrmSelect::vrat_pozadi()
{
    if (m_hovered >= 0 && m_hovered <= 8) {
        Point p = pozice(m_hovered + 1);
        draw_both(zaloha_pozadi.layers.image, p.x, p.y);
    }
}

void FrmSelect::on_mouse_move(const ui::MouseArgs&)
{
    if (ui::App::get().active() != this)
        return;
    if (m_hovered >= 0 && m_hovered <= 8) {
        vrat_pozadi();
        m_hovered = 99;
    }
}

void FrmSelect::klik_plocha_MouseMove(int k)
{
    if (ui::App::get().active() != this || k == m_hovered)
        return;
    vrat_pozadi();
    if (k == 9) {
        m_hovered = 9;
        return;
    }
    Point p = pozice(k + 1);
    Surface icon;
    if (load_bitmap(select_file("ICO_" + std::to_string(k + 1) + ".BMP"), icon) != kBitmapOk) {
        // Nothing to light: remember the hover with an empty backup.
        zaloha_pozadi.set_picture(Surface());
        m_hovered = k;
        return;
    }
    zdroj.set_picture(icon);
    zaloha_pozadi.set_picture(screen.crop({p.x, p.y, icon.width(), icon.height()}));
    draw_both(icon, p.x, p.y);
    m_hovered = k;
}

void FrmSelect::klik_plocha_MouseUp(int k, const ui::MouseArgs& a)
{
    if (a.button != int(MouseButton::Left))
        return;
    auto& app = ui::App::get();
    app.set_screen_pointer(CursorKind::Busy);
    zvuk_kliknuti();
    trace("menu_click " + std::to_string(k));
    static const char* const tags[9] = {"KOSTKY", "COLORIZE", "PUZZLE", "", "", "15", "", "TETRIS", "OMALKY"};
    if (k != 9 && *tags[k]) {
        vybrana_hra = tags[k];
        app.show(app.form<FrmSelPic>());
        app.hide(*this);
        return;
    }
    if (k == 4) {
        app.show(app.form<FrmPexSel>());
        app.hide(*this);
        return;
    }
    if (k == 3) {
        app.show(app.form<FrmKrejci>());
        app.hide(*this);
        return;
    }
    if (k == 6) {
        app.show(app.form<FrmKlavir>());
        app.hide(*this);
        return;
    }
    // The exit question.
    app.set_screen_pointer(std::nullopt);
    enable_areas(false);
    klip_zdroj.load(select_file("BAFO_ANI.BMP"), 3);
    sloz_panel(otazka_pic, m_otazka, image, kPanel.x, kPanel.y);
    m_lights.lit = {false, false};
    otazka_pic.show();
    for (auto* b : otazka_click) {
        bring_to_front(*b);
        b->show();
    }
    animuj_mluveni(*this, kMouth.x, kMouth.y, klip_zdroj, &zdroj, data_path("\\BAFO_CS\\REC\\KONEC.WAV"));
}

void FrmSelect::otazka_click_MouseMove(int b)
{
    m_lights.over_button(otazka_pic, b);
}

void FrmSelect::otazka_pic_MouseMove()
{
    m_lights.over_panel(otazka_pic);
}

void FrmSelect::otazka_click_Click(int b)
{
    auto& app = ui::App::get();
    zvuk_kliknuti();
    otazka_pic.hide();
    for (auto* a : otazka_click)
        a->hide();
    if (b == 1) {
        enable_areas(true);
        return;
    }
    const std::string temp = game_path("\\ZVUK.WAV");
    if (soubor_existuje(temp))
        delete_file(temp);
    konec_hry = true;
    if (auto* chooser = app.find<FrmSelPic>())
        app.unload(*chooser);
    app.show(app.form<FrmBlack>());
    app.hide(*this);
    app.unload(*this);
}

}  // namespace bafo

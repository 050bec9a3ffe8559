#include "music/frm_jukebox.h"

#include "music/frm_klavir.h"
#include "platform/bitmap_file.h"
#include "platform/files.h"
#include "platform/trace.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "ui/app.h"

namespace bafo {

namespace {

std::string jukebox_file(const std::string& name)
{
    return data_path("\\BAFO_CS\\MUSIC\\JUKEBOX\\" + name);
}

std::string voice(const char* name)
{
    return data_path(std::string("\\BAFO_CS\\REC\\HUDBA\\") + name);
}

}  // namespace

std::string FrmJukebox::song_path(int n)
{
    return game_path("\\SONG" + std::to_string(n) + ".DAT");
}

FrmJukebox::FrmJukebox()
    : ui::Form("frm_jukebox", kWidth, kHeight),
      zdroj(add<ui::PictureBox>("zdroj")),
      kurzor(add<ui::Shape>("kurzor")),
      otazka_pic(add<ui::PictureBox>("otazka_pic"))
{
    zdroj.hide();
    kurzor.kind = ui::Shape::Kind::Rectangle;
    kurzor.pen = Pen{0xFFD23F, 3};
    kurzor.hide();
    otazka_pic.hide();
    for (int i = 0; i < kRecords; ++i) {
        auto& a = add<ui::HotArea>("deska", i);
        a.set_rect(record_area(i));
        a.on_click = [this, i] { deska_Click(i); };
        a.on_mouse_move = [this](const ui::MouseArgs& m) { on_mouse_move(m); };
        deska[size_t(i)] = &a;
    }
    for (int i = 0; i < 3; ++i) {
        auto& a = add<ui::HotArea>("klik_ico", i);
        a.set_rect(kIcons[i]);
        a.on_click = [this, i] { klik_ico_Click(i); };
        a.on_mouse_move = [this, i](const ui::MouseArgs& m) { klik_ico_MouseMove(i, m); };
        klik_ico[size_t(i)] = &a;
    }
    // The frame and the panel lie above the records.
    keep_on_top(kurzor);
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

void FrmJukebox::on_load()
{
    auto& app = ui::App::get();
    caption = "Bafolino";
    x = kPlace.x;
    y = kPlace.y;
    Surface bg;
    if (load_bitmap(jukebox_file("JB_BG1.BMP"), bg) != kBitmapOk)
        bg = Surface(kWidth, kHeight, 0x5A3A22);
    set_picture(bg);
    load_bitmap(jukebox_file("JB_STRED.BMP"), m_plna);
    load_bitmap(jukebox_file("JB_STRNO.BMP"), m_prazdna);
    load_bitmap(jukebox_file("OTAZKA.BMP"), m_otazka);
    m_lights.yes_at = kYesLit;
    m_lights.no_at = kNoLit;
    load_bitmap(jukebox_file("ANO_1.BMP"), m_lights.yes);
    load_bitmap(jukebox_file("NE_1.BMP"), m_lights.no);

    std::vector<Highlighter::Icon> icons;
    for (int i = 0; i < 3; ++i)
        icons.push_back({jukebox_file(i == 0 ? "JB_COIN1.BMP" : i == 1 ? "JB_ULOZ.BMP" : "JB_SMAZ.BMP"), kIconLit[i].x,
                         kIconLit[i].y});
    m_highlight = std::make_unique<Highlighter>(*this, std::vector<ui::HotArea*>(klik_ico.begin(), klik_ico.end()), icons);
    for (auto* a : deska)
        a->pointer = app.hot_pointer;
    for (auto* a : klik_ico)
        a->pointer = app.hot_pointer;
    for (auto* a : otazka_click)
        a->pointer = app.hot_pointer;
    m_vybrana_deska = 0;
    otazka_jukeboxu.clear();
    obarvi_desky();
}

void FrmJukebox::on_activate()
{
    auto& app = ui::App::get();
    app.dispatch_pending();
    app.set_screen_pointer(std::nullopt);
    for (auto* a : klik_ico)
        a->set_enabled(true);
}

void FrmJukebox::obarvi_desky()
{
    for (int i = 0; i < kRecords; ++i) {
        const Surface& label = soubor_existuje(song_path(i + 1)) ? m_plna : m_prazdna;
        if (!label.empty())
            draw_both(label, label_at(i).x, label_at(i).y);
    }
}

void FrmJukebox::on_mouse_move(const ui::MouseArgs& a)
{
    if (!a.buttons && m_highlight)
        m_highlight->smaz_aktivni_plochy();
}

void FrmJukebox::klik_ico_MouseMove(int i, const ui::MouseArgs& a)
{
    if (!a.buttons)
        m_highlight->highlight(size_t(i));
}

void FrmJukebox::deska_Click(int i)
{
    const Rect r = record_area(i);
    if (kurzor.visible() && kurzor.rect().x == r.x && kurzor.rect().y == r.y) {
        m_vybrana_deska = 0;
        kurzor.hide();
        return;
    }
    zvuk_kliknuti();
    m_vybrana_deska = i + 1;
    kurzor.set_rect(r);
    kurzor.show();
}

void FrmJukebox::zapni_vstup(bool on)
{
    for (auto* a : klik_ico)
        a->set_enabled(on);
    for (auto* a : deska)
        a->set_enabled(on);
}

void FrmJukebox::klik_ico_Click(int i)
{
    auto& app = ui::App::get();
    static constexpr const char* kNoRecord[3] = {"03.WAV", "01.WAV", "05.WAV"};
    if (m_vybrana_deska == 0) {
        prehraj_zvuk(voice(kNoRecord[i]));
        return;
    }
    if (i == 0) {
        zvuk_kliknuti();
        auto* studio = app.find<FrmKlavir>();
        if (studio) {
            studio->load_song(m_vybrana_deska);
            studio->set_enabled(true);
            app.show(*studio);
        }
        trace("jukebox: back with song " + std::to_string(m_vybrana_deska));
        app.unload(*this);
        return;
    }
    zapni_vstup(false);
    zvuk_kliknuti();
    if (i == 1) {
        if (soubor_existuje(song_path(m_vybrana_deska))) {
            otazka_jukeboxu = "SAVE";
            zeptej_se(kStorePanel, voice("02A.WAV"));
            return;
        }
        if (auto* studio = app.find<FrmKlavir>())
            studio->save_song(m_vybrana_deska);
        obarvi_desky();
        zapni_vstup(true);
        return;
    }
    otazka_jukeboxu = "SMAZAT";
    zeptej_se(kDeletePanel, voice("06A.WAV"));
}

void FrmJukebox::zeptej_se(Point at, const std::string& wave)
{
    m_highlight->smaz_aktivni_plochy();
    klip_zdroj.load(jukebox_file("BAFO_ANI.BMP"), 4);
    trace("jukebox: asks " + otazka_jukeboxu);
    m_lights.ask(*this, otazka_pic, m_otazka, at, kMouth, &zdroj, wave);
}

void FrmJukebox::otazka_click_MouseMove(int b)
{
    m_lights.over_button(otazka_pic, b);
}

void FrmJukebox::otazka_pic_MouseMove()
{
    m_lights.over_panel(otazka_pic);
}

void FrmJukebox::otazka_click_Click(int b)
{
    auto& app = ui::App::get();
    otazka_pic.hide();
    zvuk_kliknuti();
    if (b == 0 && otazka_jukeboxu == "SMAZAT") {
        const std::string path = song_path(m_vybrana_deska);
        if (soubor_existuje(path))
            delete_file(path);
        app.dispatch_pending();
        if (!app.is_loaded(*this))
            return;
        kurzor.hide();
        m_vybrana_deska = 0;
        obarvi_desky();
    } else if (b == 0 && otazka_jukeboxu == "SAVE") {
        if (auto* studio = app.find<FrmKlavir>())
            studio->save_song(m_vybrana_deska);
        obarvi_desky();
    }
    trace(std::string("jukebox: answer ") + (b == 0 ? "yes" : "no"));
    zapni_vstup(true);
    otazka_jukeboxu.clear();
}

}  // namespace bafo

#include "games/picture_game.h"

#include "menus/frm_sel_pic.h"
#include "platform/bitmap_file.h"
#include "platform/trace.h"
#include "results/frm_tabulka.h"
#include "results/results_table.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "services/video.h"
#include "shell/settings.h"
#include "ui/app.h"

namespace bafo {

PictureGame::PictureGame(Config c)
    : ui::Form(c.form_name),
      nosic(add<ui::PictureBox>("nosic")),
      hint(add<ui::PictureBox>("hint")),
      m_config(std::move(c)),
      stopky(add_timer(1000, [this] { stopky_Timer(); }))
{
    nosic.hide();
    hint.hide();
    m_label = &add<ui::Label>(m_config.stopwatch ? "cas_lbl" : "lbl_pokusy");
    m_label->set_rect(m_config.label);
    m_label->style = TextStyle{22, 0x3B2A20, true};
    m_label->align = ui::Label::Align::Centre;
    for (int k = 0; k < 6; ++k) {
        auto& a = add<ui::HotArea>("klik_ico", k);
        a.set_rect(m_config.areas[size_t(k)]);
        a.on_click = [this, k] { klik_ico_Click(k); };
        a.on_mouse_move = [this, k](const ui::MouseArgs& m) { klik_ico_MouseMove(k, m); };
        klik_ico[size_t(k)] = &a;
    }
    // The picture shown as a hint and the moving tile lie over everything else.
    bring_to_front(hint);
    bring_to_front(nosic);
}

std::string PictureGame::file(const std::string& name) const
{
    return data_path(m_config.dir + name);
}

void PictureGame::on_load()
{
    caption = "Bafolino";
    if (load_bitmap(vybrany_obrazek, pic_original) != kBitmapOk || pic_original.width() < 640 ||
        pic_original.height() < 480) {
        // The chooser always hands over a picture; a broken one still gives a playable board.
        pic_original = Surface(640, 480, 0x8FD3F4);
    }
    Surface bg;
    if (load_bitmap(file("BG.BMP"), bg) != kBitmapOk)
        bg = Surface(800, 600, 0xFFF4E0);
    set_picture(bg);
    paint_start_board();
    for (int l = 0; l < 3; ++l)
        load_bitmap(file("SLOZ_" + std::to_string(l + 1) + ".BMP"), m_level_icons[size_t(l)]);
    const char* lit[6] = {"ZPET.BMP", "SLOZ_11.BMP", "ZAMI.BMP", "BAFO.BMP", "HELP.BMP", "NEJL.BMP"};
    std::vector<Highlighter::Icon> icons;
    for (int k = 0; k < 6; ++k)
        icons.push_back({file(lit[k]), kLit[k].x, kLit[k].y});
    m_highlight = std::make_unique<Highlighter>(*this, std::vector<ui::HotArea*>(klik_ico.begin(), klik_ico.end()), icons);
    m_level = 1;
    m_running = false;
    m_seconds = 0;
    klik_ico[4]->set_enabled(false);
    for (auto* a : klik_ico) {
        a->marked = false;
        a->pointer = ui::App::get().hot_pointer;
    }
}

void PictureGame::paint_start_board()
{
    draw_both(pic_original, {0, 0, 640, 480}, kPictureArea.x, kPictureArea.y);
}

void PictureGame::on_activate()
{
    ui::App::get().dispatch_pending();
    ui::App::get().set_screen_pointer(std::nullopt);
}

void PictureGame::on_mouse_move(const ui::MouseArgs& a)
{
    if (!a.buttons)
        restore_icons();
}

void PictureGame::klik_ico_MouseMove(int k, const ui::MouseArgs& a)
{
    if (!a.buttons)
        m_highlight->highlight(size_t(k));
}

void PictureGame::set_label(const std::string& text)
{
    m_label->set_text(text);
}

void PictureGame::stop_stopwatch()
{
    stopky.set_enabled(false);
}

void PictureGame::game_started()
{
    m_running = true;
    klik_ico[4]->set_enabled(true);
    m_seconds = 0;
    if (m_config.stopwatch)
        stopky.set_enabled(true);
}

void PictureGame::stopky_Timer()
{
    // Kept below 32000, which would only show the table.
    if (m_seconds < ResultsTable::kBest)
        ++m_seconds;
    set_label(vrat_minuty_sekundy(m_seconds));
}

void PictureGame::klik_ico_Click(int k)
{
    auto& app = ui::App::get();
    switch (k) {
    case 0:
        stop_stopwatch();
        zvuk_kliknuti();
        app.show(app.form<FrmSelPic>());
        app.unload(*this);
        return;
    case 1: {
        stop_stopwatch();
        set_label("");
        zvuk_kliknuti();
        m_level = m_level % 3 + 1;
        const Surface& normal = m_level_icons[size_t(m_level - 1)];
        draw_both(normal, kLit[1].x, kLit[1].y);
        m_highlight->replace_backup(1, normal);
        klik_ico[1]->marked = false;
        m_highlight->set_icon_file(1, file("SLOZ_" + std::to_string(m_level) + "1.BMP"));
        m_running = false;
        klik_ico[4]->set_enabled(false);
        reset_for_level();
        return;
    }
    case 2:
        zvuk_kliknuti();
        new_game();
        return;
    case 3:
        set_enabled(false);
        zvuk_kliknuti();
        klip_zdroj.load(file("BAFO_ANI.BMP"), 4);
        animuj_mluveni(*this, kLit[3].x, kLit[3].y, klip_zdroj, &nosic, data_path(m_config.voice));
        set_enabled(true);
        return;
    case 4:
        set_enabled(false);
        zvuk_kliknuti();
        hint.set_picture(pic_original.crop({0, 0, 640, 480}));
        hint.move(kPictureArea.x, kPictureArea.y);
        hint.show();
        cekej(3000);
        hint.hide();
        set_enabled(true);
        return;
    case 5:
        zvuk_kliknuti();
        ukaz_tabulku(m_config.key, m_level, ResultsTable::kEmpty);
        return;
    }
}

void PictureGame::win_sequence()
{
    skryj_kurzor();
    prehraj_fanfaru();
    prehraj_sekvenci(sekvence_obrazku(vybrany_obrazek), nosic, kPictureArea.x, kPictureArea.y, 1);
    zobraz_kurzor();
    trace("win " + m_config.key + " " + std::to_string(result()));
    ukaz_tabulku(m_config.key, m_level, result());
}

}  // namespace bafo

#include "games/picture_game.h"

#include "menus/frm_sel_pic.h"
#include "platform/bitmap_file.h"
#include "platform/trace.h"
#include "results/frm_tabulka.h"
#include "results/results_table.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "shell/settings.h"
#include "ui/app.h"

namespace bafo {

std::vector<PictureGame::IconSpec> PictureGame::six_icons(const Rect (&areas)[6])
{
    return {{Icon::Back, areas[0], "ZPET.BMP", {0, 515}},   {Icon::Level, areas[1], "SLOZ_11.BMP", {177, 515}},
            {Icon::Shuffle, areas[2], "ZAMI.BMP", {577, 515}}, {Icon::Help, areas[3], "BAFO.BMP", {732, 509}},
            {Icon::Hint, areas[4], "HELP.BMP", {744, 0}},      {Icon::Best, areas[5], "NEJL.BMP", {0, 0}}};
}

PictureGame::PictureGame(Config c)
    : ui::Form(c.form_name),
      nosic(add<ui::PictureBox>("nosic")),
      hint(add<ui::PictureBox>("hint")),
      zdroj(add<ui::PictureBox>("zdroj")),
      m_config(std::move(c)),
      stopky(add_timer(1000, [this] { stopky_Timer(); }))
{
    nosic.hide();
    hint.hide();
    zdroj.hide();
    m_label = &add<ui::Label>(m_config.stopwatch ? "cas_lbl" : "lbl_pokusy");
    m_label->set_rect(m_config.label);
    m_label->style = TextStyle{22, 0x3B2A20, true};
    m_label->align = ui::Label::Align::Centre;
    for (size_t k = 0; k < m_config.icons.size(); ++k) {
        auto& a = add<ui::HotArea>("klik_ico", int(k));
        a.set_rect(m_config.icons[k].area);
        a.on_click = [this, k] { klik_ico_Click(k); };
        a.on_mouse_move = [this, k](const ui::MouseArgs& m) { klik_ico_MouseMove(k, m); };
        klik_ico.push_back(&a);
    }
    // The picture shown as a hint and the carried piece lie over whatever a board adds.
    keep_on_top(hint);
    keep_on_top(nosic);
}

ui::HotArea* PictureGame::icon(Icon role) const
{
    for (size_t k = 0; k < m_config.icons.size(); ++k)
        if (m_config.icons[k].role == role)
            return klik_ico[k];
    return nullptr;
}

std::string PictureGame::file(const std::string& name) const
{
    return data_path(m_config.dir + name);
}

std::string PictureGame::level_icon(int level, bool lit) const
{
    return file("SLOZ_" + std::to_string(level) + (lit ? "1" : "") + ".BMP");
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
    std::vector<Highlighter::Icon> icons;
    for (const auto& ic : m_config.icons)
        icons.push_back({ic.role == Icon::Level ? level_icon(1, true) : file(ic.lit), ic.lit_at.x, ic.lit_at.y});
    m_highlight = std::make_unique<Highlighter>(*this, klik_ico, icons);
    m_level = 1;
    m_running = false;
    m_seconds = 0;
    enable_hint(false);
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

void PictureGame::klik_ico_MouseMove(size_t k, const ui::MouseArgs& a)
{
    if (!a.buttons)
        m_highlight->highlight(k);
}

void PictureGame::set_label(const std::string& text)
{
    m_label->set_text(text);
}

void PictureGame::enable_hint(bool on)
{
    if (auto* h = icon(Icon::Hint))
        h->set_enabled(on);
}

void PictureGame::set_running(bool running)
{
    m_running = running;
    if (!running) {
        // No game, nothing to move: the plain arrow everywhere.
        pointer = Cursor{};
        ui::App::get().refresh_pointer();
    }
}

void PictureGame::stop_stopwatch()
{
    stopky.set_enabled(false);
}

void PictureGame::game_started()
{
    set_running(true);
    enable_hint(true);
    m_seconds = 0;
    if (m_config.stopwatch)
        stopky.set_enabled(true);
}

void PictureGame::stopky_Timer()
{
    // The count stops where a result can still be kept (32000 would only show the table).
    if (m_seconds < ResultsTable::kBest)
        ++m_seconds;
    set_label(vrat_minuty_sekundy(int(m_seconds)));
}

void PictureGame::reset_for_level()
{
    set_label("");
    enable_hint(false);
}

void PictureGame::next_level()
{
    m_level = m_level % 3 + 1;
    Surface normal;
    load_bitmap(level_icon(m_level, false), normal);
    draw_both(normal, m_config.level_at.x, m_config.level_at.y);
    // Leaving the icon shows the new level, and the next hover lights it.
    for (size_t k = 0; k < klik_ico.size(); ++k)
        if (m_config.icons[k].role == Icon::Level) {
            m_highlight->replace_backup(k, normal);
            klik_ico[k]->marked = false;
            m_highlight->set_icon_file(k, level_icon(m_level, true));
        }
}

void PictureGame::show_hint(bool on)
{
    if (!on) {
        hint.hide();
        return;
    }
    hint.set_picture(hint_picture().crop({0, 0, 640, 480}));
    hint.move(kPictureArea.x, kPictureArea.y);
    hint.show();
}

void PictureGame::klik_ico_Click(size_t k)
{
    auto& app = ui::App::get();
    switch (m_config.icons[k].role) {
    case Icon::Back:
        stop_stopwatch();
        stop_game();
        zvuk_kliknuti();
        app.show(app.form<FrmSelPic>());
        app.unload(*this);
        return;
    case Icon::Level:
        stop_stopwatch();
        stop_game();
        zvuk_kliknuti();
        next_level();
        set_running(false);
        reset_for_level();
        return;
    case Icon::Shuffle:
        zvuk_kliknuti();
        new_game();
        return;
    case Icon::Help:
        set_enabled(false);
        zvuk_kliknuti();
        klip_zdroj.load(file("BAFO_ANI.BMP"), 4);
        animuj_mluveni(*this, m_config.icons[k].lit_at.x, m_config.icons[k].lit_at.y, klip_zdroj, &zdroj,
                       data_path(m_config.voice));
        set_enabled(true);
        return;
    case Icon::Hint:
        set_enabled(false);
        zvuk_kliknuti();
        show_hint(true);
        cekej(3000);
        show_hint(false);
        set_enabled(true);
        return;
    case Icon::Best:
        pause_game(true);
        zvuk_kliknuti();
        ukaz_tabulku(m_config.key, m_level, ResultsTable::kEmpty);
        pause_game(false);
        return;
    }
}

void PictureGame::win()
{
    auto& app = ui::App::get();
    set_enabled(false);
    stop_stopwatch();
    set_running(false);
    enable_hint(false);
    on_win_board();
    // The last painting shows before the pointer goes.
    app.dispatch_pending();
    skryj_kurzor();
    before_fanfare();
    prehraj_fanfaru();
    const ClipTarget clips = clip_target();
    prehraj_sekvenci(sekvence_obrazku(vybrany_obrazek), *clips.box, clips.at.x, clips.at.y, 1, clips.after_frame);
    after_clips();
    zobraz_kurzor();
    if (app.quitting())
        return;
    const int16_t result_kept = clamp_result(result());
    trace("win " + m_config.key + " " + std::to_string(result_kept));
    app.dispatch_pending();
    ukaz_tabulku(m_config.key, m_level, result_kept);
    after_win();
    set_enabled(true);
}

}  // namespace bafo

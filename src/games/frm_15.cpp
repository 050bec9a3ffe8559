#include "games/frm_15.h"

#include "platform/bitmap_file.h"
#include "results/results_table.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "ui/app.h"

namespace bafo {

namespace {
PictureGame::Config fifteen_config()
{
    PictureGame::Config c;
    c.form_name = "frm_15";
    c.dir = "\\BAFO_CS\\15\\";
    c.voice = "\\BAFO_CS\\REC\\15.WAV";
    c.key = "15";
    static constexpr Rect areas[6] = {{20, 545, 86, 46}, {180, 525, 71, 71}, {580, 520, 56, 81},
                                      {735, 515, 66, 86}, {745, 5, 56, 86}, {0, 0, 66, 51}};
    c.icons = PictureGame::six_icons(areas);
    c.stopwatch = false;
    c.label = {365, 570, 71, 31};
    return c;
}

}  // namespace

Frm15::Frm15() : PictureGame(fifteen_config()) {}

void Frm15::on_load()
{
    PictureGame::on_load();
    // The screen's own pointers: one while the board shuffles, one over a tile that can slide.
    m_pointers.load(file(""), ui::App::get().hot_pointer);
    for (auto* a : klik_ico)
        a->pointer = m_pointers.hand;
    m_board.reset();
}

void Frm15::zamichej(int kolikrat)
{
    auto& app = ui::App::get();
    app.set_screen_pointer(m_pointers.busy);
    set_enabled(false);
    FifteenBoard::Dir previous = FifteenBoard::Dir::None;
    m_moves = 0;
    set_label("");
    image.blit(pic_original, {0, 0, 640, 480}, kPictureArea.x, kPictureArea.y);
    image.fill(FifteenBoard::cell_rect(15), 0);
    repaint();
    m_board.reset();
    set_running(false);
    for (int i = 0; i < kolikrat && !app.quitting(); ++i) {
        randomize();
        FifteenBoard::Move m = m_board.pick_shuffle_move(previous, rnd);
        proved_posun(m);
        m_board.apply(m);
        previous = m.dir;
    }
    set_enabled(true);
    game_started();
    app.set_screen_pointer(std::nullopt);
}

void Frm15::proved_posun(const FifteenBoard::Move& m)
{
    auto& app = ui::App::get();
    int dx = 0, dy = 0;
    switch (m.dir) {
    case FifteenBoard::Dir::Right: dx = 1; break;
    case FifteenBoard::Dir::Left: dx = -1; break;
    case FifteenBoard::Dir::Down: dy = 1; break;
    case FifteenBoard::Dir::Up: dy = -1; break;
    case FifteenBoard::Dir::None: return;
    }
    const Rect from = FifteenBoard::cell_rect(m.source), to = FifteenBoard::cell_rect(m.target);
    // The tile carries its own pixels: they are taken from the screen, not the picture.
    nosic.set_picture(screen.crop(from));
    nosic.move(from.x, from.y);
    nosic.show();
    image.fill(from, 0);
    screen.fill(from, 0);
    touched();
    const uint32_t delay = running() ? kPlayDelay : kShuffleDelay;
    if (running())
        prehraj_zvuk(game_path("\\SVIST.WAV"));
    for (int step = 0; step < FifteenBoard::kCell && !app.quitting(); ++step) {
        const uint32_t noted = app.now();
        nosic.move(nosic.rect().x + dx, nosic.rect().y + dy);
        app.dispatch_pending();
        app.sleep_until(noted + delay);
    }
    draw_both(nosic.layers.image, to.x, to.y);
    nosic.hide();
}

void Frm15::on_mouse_up(const ui::MouseArgs& a)
{
    const int x = a.form_x, y = a.form_y;
    if (kPictureArea.contains(x, y) && !running()) {
        zamichej(m_level * 15);
        return;
    }
    if (!running())
        return;
    set_enabled(false);
    auto m = m_board.move_at(x, y);
    if (!m) {
        set_enabled(true);
        return;
    }
    // The count stops short of 32000, which would only show the table.
    if (m_moves < ResultsTable::kBest)
        ++m_moves;
    set_label(std::to_string(m_moves));
    proved_posun(*m);
    m_board.apply(*m);
    if (m_board.solved())
        win();
    else
        set_enabled(true);
}

void Frm15::on_win_board()
{
    // The hole gets its tile back from the picture.
    const Rect last = FifteenBoard::cell_rect(15);
    draw_both(pic_original, {last.x - kPictureArea.x, last.y - kPictureArea.y, last.w, last.h}, last.x, last.y);
}

void Frm15::on_mouse_move(const ui::MouseArgs& a)
{
    if (a.buttons)
        return;
    PictureGame::on_mouse_move(a);
    if (!running())
        return;
    // Over a tile that can slide the pointer says so.
    auto& app = ui::App::get();
    if (m_board.move_at(a.form_x, a.form_y))
        pointer = m_pointers.hand;
    else
        pointer = Cursor{};
    app.set_screen_pointer(std::nullopt);
}

}  // namespace bafo

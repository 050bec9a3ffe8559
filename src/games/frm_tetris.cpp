#include "games/frm_tetris.h"

#include "services/helpers.h"
#include "services/sound.h"
#include "ui/app.h"

namespace bafo {

namespace {
PictureGame::Config tetris_config()
{
    PictureGame::Config c;
    c.form_name = "frm_tetris";
    c.dir = "\\BAFO_CS\\TETRIS\\";
    c.voice = "\\BAFO_CS\\REC\\TETRIS.WAV";
    c.key = "TET";
    using Icon = PictureGame::Icon;
    c.icons = {{Icon::Back, {20, 545, 86, 46}, "ZPET.BMP", {0, 515}},
               {Icon::Level, {180, 525, 71, 71}, "SLOZ_11.BMP", {177, 509}},
               {Icon::Best, {575, 535, 71, 61}, "NEJL.BMP", {577, 515}},
               {Icon::Help, {730, 515, 71, 86}, "BAFO.BMP", {732, 509}}};
    c.level_at = {177, 509};
    c.label = {371, 570, 71, 36};
    return c;
}

int nahodne_1_az(int n)
{
    randomize();
    return random_1_to(n);
}
}  // namespace

FrmTetris::FrmTetris()
    : PictureGame(tetris_config()),
      hraci_pole(add<ui::PictureBox>("hraci_pole")),
      kosticka(add_child<ui::PictureBox>(hraci_pole, "nosic")),
      video_holder(add<ui::PictureBox>("video_holder")),
      video(add_child<ui::PictureBox>(video_holder, "video")),
      casovac(add_timer(kFallMs, [this] { casovac_Timer(); }))
{
    // The clips show only through the field: their own box never appears.
    video_holder.hide();
    video.hide();
    kosticka.hide();
    hraci_pole.on_click = [this] {
        if (!running())
            start_hry();
    };
}

void FrmTetris::on_load()
{
    PictureGame::on_load();
    m_level = 1;
    m_speed = TetrisField::speed_of(1);
    m_field.set_columns(8);
    zmenseny_pic_zdroj = Surface(TetrisField::kWidth, TetrisField::kPictureHeight);
    zmenseny_pic_zdroj.stretch(pic_original, {0, 0, 640, 480}, zmenseny_pic_zdroj.rect());
    hraci_pole.set_rect(kField);
    hraci_pole.layers.resize(kField.w, kField.h, 0);
    kosticka.set_size(m_field.cell_w(), m_field.cell_h());
}

void FrmTetris::paint_start_board()
{
    // No picture area here: the picture stands small beside the field.
    Surface preview(kPreview.w, kPreview.h);
    preview.stretch(pic_original, {0, 0, 640, 480}, preview.rect());
    draw_both(preview, kPreview.x, kPreview.y);
}

void FrmTetris::reset_for_level()
{
    // The field keeps what was built until the next start.
    m_speed = TetrisField::speed_of(m_level);
    m_field.set_columns(8);
    kosticka.set_size(m_field.cell_w(), m_field.cell_h());
}

void FrmTetris::start_hry()
{
    set_label("");
    m_field.start();
    kosticka.move(0, 0);
    hraci_pole.layers.set_picture(Surface(kField.w, kField.h, 0));
    vyber_kosticku();
    game_started();
    casovac.set_enabled(true);
}

void FrmTetris::stop_hry()
{
    set_running(false);
    casovac.set_enabled(false);
    stop_stopwatch();
    kosticka.hide();
}

void FrmTetris::pause_game(bool paused)
{
    casovac.set_enabled(!paused && running());
}

void FrmTetris::vyber_kosticku()
{
    const Rect cut = m_field.next_piece(nahodne_1_az);
    kosticka.set_picture(zmenseny_pic_zdroj.crop(cut));
    kosticka.move(m_field.left(), m_field.top());
    kosticka.show();
}

void FrmTetris::casovac_Timer()
{
    casovac.set_enabled(false);
    const TetrisField::Tick t = m_field.tick(m_speed);
    kosticka.move(m_field.left(), m_field.top());
    switch (t) {
    case TetrisField::Tick::Falling: break;
    case TetrisField::Tick::Lost:
        kosticka.hide();
        vyber_kosticku();
        break;
    case TetrisField::Tick::Landed:
    case TetrisField::Tick::RowDone:
    case TetrisField::Tick::Won:
        hraci_pole.layers.draw_both(kosticka.layers.image, m_field.landed_at().x, m_field.landed_at().y);
        kosticka.hide();
        if (t != TetrisField::Tick::Landed)
            prehraj_zvuk(game_path("\\TUTUTU.WAV"));
        if (t == TetrisField::Tick::Won) {
            win();
            return;
        }
        vyber_kosticku();
        break;
    }
    ui::App::get().dispatch_pending();
    if (running() && ui::App::get().is_loaded(*this))
        casovac.set_enabled(true);
}

void FrmTetris::on_key_down(int key, int)
{
    if (!running() || !m_field.key(key))
        return;
    kosticka.move(m_field.left(), m_field.top());
}

void FrmTetris::on_win_board()
{
    casovac.set_enabled(false);
}

PictureGame::ClipTarget FrmTetris::clip_target()
{
    m_clip_picture = pic_original.crop({0, 0, 640, 480});
    // Each frame is laid into the picture where the clip stands, and the whole
    // picture is shown reduced where the child built it.
    return {&video, {0, 0}, [this](const Surface& frame, const Rect& at) {
                m_clip_picture.blit(frame, at.x, at.y);
                Surface reduced(TetrisField::kWidth, TetrisField::kPictureHeight);
                reduced.stretch(m_clip_picture, m_clip_picture.rect(), reduced.rect());
                hraci_pole.layers.draw_screen(reduced, 0, TetrisField::kHeight - TetrisField::kPictureHeight);
            }};
}

void FrmTetris::after_clips()
{
    hraci_pole.layers.repaint();
}

}  // namespace bafo

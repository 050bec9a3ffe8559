// Falling blocks: the chosen picture rebuilt piece by piece from the bottom
// row up; each piece falls into the field and stays only in its own column.
#pragma once

#include "games/picture_game.h"
#include "games/tetris_field.h"

namespace bafo {

class FrmTetris : public PictureGame {
public:
    FrmTetris();
    void on_load() override;
    void on_key_down(int key, int shift) override;

    static constexpr Rect kField{332, 29, TetrisField::kWidth, TetrisField::kHeight};
    static constexpr Rect kPreview{34, 171, 260, 195};
    static constexpr uint32_t kFallMs = 50;

    // What tests look at.
    const TetrisField& field() const { return m_field; }
    int speed() const { return m_speed; }
    const ui::PictureBox& piece() const { return kosticka; }
    const ui::PictureBox& play_field() const { return hraci_pole; }

protected:
    void paint_start_board() override;
    void new_game() override { start_hry(); }
    void reset_for_level() override;
    void stop_game() override { stop_hry(); }
    void pause_game(bool paused) override;
    void on_win_board() override;
    void after_clips() override;
    ClipTarget clip_target() override;

private:
    void start_hry();
    void stop_hry();
    void vyber_kosticku();
    void casovac_Timer();

    TetrisField m_field;
    int m_speed = 1;
    Surface zmenseny_pic_zdroj;  // the chosen picture at the field's size: every piece comes from it
    Surface m_clip_picture;      // the picture with the clip's frame laid in, while the clips play
    ui::PictureBox& hraci_pole;
    ui::PictureBox& kosticka;    // the falling piece, inside the field
    ui::PictureBox& video_holder;
    ui::PictureBox& video;       // the clips play here, seen only inside the field
    ui::Timer& casovac;
};

}  // namespace bafo

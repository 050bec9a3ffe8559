// The mosaic: the chosen picture in grey; one coloured tile at a time hangs
// under the pointer until the child puts it in its place.
#pragma once

#include "games/mozaika_board.h"
#include "games/picture_game.h"

namespace bafo {

class FrmColorize : public PictureGame {
public:
    FrmColorize();
    void on_load() override;

    // What tests look at.
    const MozaikaBoard& board() const { return m_board; }
    const ui::PictureBox& carrier() const { return kosticka; }
    const ui::PictureBox& play_board() const { return hraci_pole; }

protected:
    void new_game() override;
    void reset_for_level() override;
    void stop_game() override;
    void show_hint(bool on) override;
    void before_fanfare() override;
    void after_win() override;

private:
    void nova_hra();
    void vyber_kostku();
    void zmen_obtiznost();
    void zesedni();
    void drop(const ui::MouseArgs& a);

    MozaikaBoard m_board;
    ui::PictureBox& hraci_pole;
    ui::PictureBox& kosticka;  // the carried tile, inside the board
};

}  // namespace bafo

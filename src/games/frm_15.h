// The fifteen puzzle: the middle of the picture cut into a 4 × 4 board of
// sliding tiles; the result is the number of moves.
#pragma once

#include "games/fifteen_board.h"
#include "games/picture_game.h"

namespace bafo {

class Frm15 : public PictureGame {
public:
    Frm15();
    void on_load() override;
    void on_mouse_up(const ui::MouseArgs& a) override;
    void on_mouse_move(const ui::MouseArgs& a) override;

    const FifteenBoard& board() const { return m_board; }
    int moves() const { return m_moves; }
    static constexpr int kPlayDelay = 4, kShuffleDelay = 2;  // ms per pixel

protected:
    void new_game() override { zamichej(m_level * 15); }
    long result() const override { return m_moves; }
    void on_win_board() override;

private:
    void zamichej(int kolikrat);
    void proved_posun(const FifteenBoard::Move& m);

    FifteenBoard m_board;
    int m_moves = 0;
    ScreenPointers m_pointers;  // busy while shuffling; the paw over a tile that can slide
};

}  // namespace bafo

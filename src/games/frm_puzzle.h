// The jigsaw: the whole picture cut into a grid of pieces and scattered; the
// child drags a piece onto another cell and the two change places.
#pragma once

#include "games/picture_game.h"
#include "games/puzzle_board.h"

namespace bafo {

class FrmPuzzle : public PictureGame {
public:
    FrmPuzzle();
    void on_load() override;
    void on_mouse_down(const ui::MouseArgs& a) override;
    void on_mouse_move(const ui::MouseArgs& a) override;
    void on_mouse_up(const ui::MouseArgs& a) override;

    // What tests look at.
    const PuzzleBoard& board() const { return m_board; }
    bool dragging() const { return m_dragging; }
    const ui::Shape& marker() const { return kurzor; }

protected:
    void new_game() override { zamichej(); }
    void reset_for_level() override;
    void stop_game() override;

private:
    void zamichej();
    void nastav_obtiznost();
    // Paints the piece lying in cell (column, row) there, from the chosen picture.
    void nakresli_bunku(int column, int row, int piece);

    PuzzleBoard m_board;
    ScreenPointers m_pointers;  // the paw over the icons
    ui::Shape& kurzor;
    bool m_dragging = false;
    int m_source_col = 0, m_source_row = 0;
    Point m_grab;  // the pointer inside the dragged piece
};

}  // namespace bafo

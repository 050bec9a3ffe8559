// The picture cubes: the picture area covered with dice whose faces carry
// parts of six pictures; the child rolls them until every cube shows its part
// of the first picture, upright.
#pragma once

#include "games/kostky_board.h"
#include "games/picture_game.h"

#include <array>

namespace bafo {

class FrmKostky : public PictureGame {
public:
    FrmKostky();
    void on_load() override;
    void on_mouse_move(const ui::MouseArgs& a) override;
    void on_mouse_up(const ui::MouseArgs& a) override;

    static constexpr uint32_t kFrameMs = 10;
    // What tests look at.
    const KostkyBoard& board() const { return m_board; }
    const Surface& face(int k) const { return m_faces[size_t(k - 1)]; }

protected:
    void paint_start_board() override;
    void new_game() override;
    void reset_for_level() override;
    const Surface& hint_picture() const override { return m_faces[0]; }

private:
    void zamichej();
    void rotuj_kostku(KostkyBoard::Roll smer, int cube, const Surface& new_face);
    // The cube's part of its front face, turned by its angle, on both layers.
    void nakresli_kostku(int cube);
    Surface part_of(int face, int cube) const;

    KostkyBoard m_board;
    std::array<Surface, 6> m_faces;
    std::array<Surface, 5> m_pointer_images;
    std::array<Cursor, 5> m_pointers;  // left, right, up, down, the rest of the board
};

}  // namespace bafo

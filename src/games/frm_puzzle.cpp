#include "games/frm_puzzle.h"

#include "services/sound.h"
#include "ui/app.h"

namespace bafo {

namespace {
PictureGame::Config puzzle_config()
{
    PictureGame::Config c;
    c.form_name = "frm_puzzle";
    c.dir = "\\BAFO_CS\\PUZZLE\\";
    c.voice = "\\BAFO_CS\\REC\\PUZZLE.WAV";
    c.key = "PUZ";
    static constexpr Rect areas[6] = {{15, 545, 91, 46}, {180, 525, 66, 71}, {580, 520, 56, 76},
                                      {735, 515, 66, 86}, {745, 5, 56, 81},  {0, 0, 66, 51}};
    c.icons = PictureGame::six_icons(areas);
    c.label = {366, 570, 71, 36};
    return c;
}
}  // namespace

FrmPuzzle::FrmPuzzle() : PictureGame(puzzle_config()), kurzor(add<ui::Shape>("kurzor"))
{
    kurzor.kind = ui::Shape::Kind::Rectangle;
    kurzor.pen = Pen{0xFFD23F, 3};
    kurzor.hide();
}

void FrmPuzzle::on_load()
{
    PictureGame::on_load();
    m_pointers.load(file(""), ui::App::get().hot_pointer);
    for (auto* a : klik_ico)
        a->pointer = m_pointers.hand;
    nastav_obtiznost();
}

void FrmPuzzle::nastav_obtiznost()
{
    m_board.reset(m_level);
    const auto& g = m_board.grid();
    kurzor.set_size(g.cell_w, g.cell_h);
    kurzor.hide();
    nosic.hide();
    m_dragging = false;
    paint_start_board();
}

void FrmPuzzle::reset_for_level()
{
    PictureGame::reset_for_level();
    nastav_obtiznost();
}

void FrmPuzzle::stop_game()
{
    kurzor.hide();
}

void FrmPuzzle::nakresli_bunku(int column, int row, int piece)
{
    const Rect at = m_board.cell_rect(column, row);
    draw_both(pic_original, m_board.piece_rect(piece), kPictureArea.x + at.x, kPictureArea.y + at.y);
}

void FrmPuzzle::zamichej()
{
    randomize();
    m_board.shuffle([](int n) { return int(n * rnd()); });
    const auto& g = m_board.grid();
    for (int row = 0; row < g.rows; ++row)
        for (int col = 0; col < g.columns; ++col)
            nakresli_bunku(col, row, m_board.piece_at(col, row));
    game_started();
}

void FrmPuzzle::on_mouse_down(const ui::MouseArgs& a)
{
    if (a.button != int(MouseButton::Left) || !kPictureArea.contains(a.form_x, a.form_y))
        return;
    if (!running()) {
        zamichej();
        return;
    }
    m_dragging = true;
    kurzor.hide();
    const int x = a.form_x - kPictureArea.x, y = a.form_y - kPictureArea.y;
    m_source_col = m_board.column_of(x);
    m_source_row = m_board.row_of(y);
    const Rect cell = m_board.cell_rect(m_source_col, m_source_row);
    m_grab = {x - cell.x, y - cell.y};
    nosic.set_picture(pic_original.crop(m_board.piece_rect(m_board.piece_at(m_source_col, m_source_row))));
    nosic.move(kPictureArea.x + cell.x, kPictureArea.y + cell.y);
    nosic.show();
    image.fill({kPictureArea.x + cell.x, kPictureArea.y + cell.y, cell.w, cell.h}, 0);
    screen.fill({kPictureArea.x + cell.x, kPictureArea.y + cell.y, cell.w, cell.h}, 0);
    touched();
    // Only now: a release already waiting finds the drag complete.
    ui::App::get().dispatch_pending();
}

void FrmPuzzle::on_mouse_move(const ui::MouseArgs& a)
{
    if (m_dragging) {
        if (a.buttons & int(MouseButton::Left))
            nosic.move(a.form_x - m_grab.x, a.form_y - m_grab.y);
        return;
    }
    if (a.buttons)
        return;
    PictureGame::on_mouse_move(a);
    if (!running() || !kPictureArea.contains(a.form_x, a.form_y)) {
        kurzor.hide();
        return;
    }
    const Rect cell = m_board.cell_rect(m_board.column_of(a.form_x - kPictureArea.x), m_board.row_of(a.form_y - kPictureArea.y));
    const Point at{kPictureArea.x + cell.x, kPictureArea.y + cell.y};
    if (!kurzor.visible() || kurzor.rect().x != at.x || kurzor.rect().y != at.y) {
        kurzor.move(at.x, at.y);
        kurzor.show();
    }
}

void FrmPuzzle::on_mouse_up(const ui::MouseArgs& a)
{
    if (a.button != int(MouseButton::Left) || !m_dragging)
        return;
    nosic.hide();
    m_dragging = false;
    const int source_piece = m_board.piece_at(m_source_col, m_source_row);
    if (!kPictureArea.contains(a.form_x, a.form_y)) {
        nakresli_bunku(m_source_col, m_source_row, source_piece);
        return;
    }
    const int col = m_board.column_of(a.form_x - kPictureArea.x), row = m_board.row_of(a.form_y - kPictureArea.y);
    nakresli_bunku(m_source_col, m_source_row, m_board.piece_at(col, row));
    nakresli_bunku(col, row, source_piece);
    m_board.exchange(m_board.cell(m_source_col, m_source_row), m_board.cell(col, row));
    if (m_board.solved())
        win();
}

}  // namespace bafo

#include "games/frm_colorize.h"

#include "services/effects.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "ui/app.h"

namespace bafo {

namespace {
PictureGame::Config colorize_config()
{
    PictureGame::Config c;
    c.form_name = "frm_colorize";
    c.dir = "\\BAFO_CS\\COLORIZE\\";
    c.voice = "\\BAFO_CS\\REC\\MOZAIKA.WAV";
    c.key = "COL";
    static constexpr Rect areas[6] = {{20, 545, 81, 46}, {180, 530, 71, 66}, {580, 520, 56, 81},
                                      {735, 515, 66, 86}, {745, 5, 56, 86},  {0, 0, 66, 51}};
    c.icons = PictureGame::six_icons(areas);
    c.label = {371, 570, 71, 36};
    return c;
}

int nahodne_1_az(int n)
{
    return random_1_to(n);
}
}  // namespace

FrmColorize::FrmColorize()
    : PictureGame(colorize_config()),
      hraci_pole(add<ui::PictureBox>("hraci_pole")),
      kosticka(add_child<ui::PictureBox>(hraci_pole, "nosic"))
{
    kosticka.hide();
    hraci_pole.on_click = [this] {
        if (m_board.current_column() == 0)
            nova_hra();
    };
    hraci_pole.on_mouse_move = [this](const ui::MouseArgs& a) {
        restore_icons();
        if (!a.buttons && kosticka.visible())
            kosticka.move(a.x - m_board.grid().width / 2, a.y - m_board.grid().height / 2);
    };
    kosticka.on_mouse_move = [this](const ui::MouseArgs& a) {
        if (!a.buttons)
            kosticka.move(kosticka.rect().x + a.x - m_board.grid().width / 2,
                          kosticka.rect().y + a.y - m_board.grid().height / 2);
    };
    kosticka.on_mouse_up = [this](const ui::MouseArgs& a) { drop(a); };
}

void FrmColorize::on_load()
{
    PictureGame::on_load();
    hraci_pole.set_rect(kPictureArea);
    hraci_pole.layers.resize(kPictureArea.w, kPictureArea.h);
    zesedni();
    zmen_obtiznost();
}

void FrmColorize::zesedni()
{
    // The board: the coloured picture of the background, in grey.
    FoxGreyScale(hraci_pole.layers.image, 0, 0, 640, 480, image, kPictureArea.x, kPictureArea.y);
    hraci_pole.layers.repaint();
}

void FrmColorize::zmen_obtiznost()
{
    kosticka.hide();
    m_board.set_level(m_level);
}

void FrmColorize::reset_for_level()
{
    // The hint stays as it was; the board keeps its picture until the next game.
    set_label("");
    zmen_obtiznost();
}

void FrmColorize::stop_game()
{
    kosticka.hide();
    m_board.forget_current();
}

void FrmColorize::new_game()
{
    kosticka.hide();
    set_enabled(false);
    stop_stopwatch();
    set_label("");
    zmen_obtiznost();
    nova_hra();
    set_enabled(true);
}

void FrmColorize::nova_hra()
{
    m_board.clear();
    zesedni();
    vyber_kostku();
    game_started();
    set_label("");
}

void FrmColorize::vyber_kostku()
{
    randomize();
    m_board.hand_out(nahodne_1_az);
    const auto& g = m_board.grid();
    const Rect tile = m_board.tile_rect(m_board.current_column(), m_board.current_row());
    kosticka.hide();
    kosticka.set_picture(image.crop({kPictureArea.x + tile.x, kPictureArea.y + tile.y, g.width, g.height}));
    int px = 0, py = 0;
    platform().mouse_position(px, py);
    kosticka.move(px - kPictureArea.x - g.width / 2, py - kPictureArea.y - g.height / 2);
    kosticka.show();
}

void FrmColorize::drop(const ui::MouseArgs& a)
{
    if (a.button != int(MouseButton::Left) || !running())
        return;
    const int left = kosticka.rect().x, top = kosticka.rect().y;
    if (m_board.place(left, top)) {
        prehraj_zvuk(game_path("\\TUTUTU.WAV"));
        const Rect tile = m_board.tile_rect(m_board.current_column(), m_board.current_row());
        hraci_pole.layers.draw_both(kosticka.layers.image, tile.x, tile.y);
        kosticka.hide();
        if (m_board.grey_left() == 0) {
            win();
            return;
        }
    } else {
        prehraj_zvuk(game_path("\\NOT_AVA.WAV"));
    }
    vyber_kostku();
}

void FrmColorize::show_hint(bool on)
{
    // The coloured picture is the background under the board.
    hraci_pole.set_visible(!on);
}

void FrmColorize::before_fanfare()
{
    auto& app = ui::App::get();
    while (platform().sound_playing() && !app.quitting())
        app.sleep_until(app.now() + 10);
}

void FrmColorize::after_win()
{
    set_label("");
    m_board.forget_current();
}

}  // namespace bafo

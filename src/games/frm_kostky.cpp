#include "games/frm_kostky.h"

#include "platform/bitmap_file.h"
#include "services/effects.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "ui/app.h"

namespace bafo {

namespace {
PictureGame::Config kostky_config()
{
    PictureGame::Config c;
    c.form_name = "frm_kostky";
    c.dir = "\\BAFO_CS\\KOSTKY\\";
    c.voice = "\\BAFO_CS\\REC\\KOSTKY.WAV";
    c.key = "KOS";
    static constexpr Rect areas[6] = {{20, 540, 86, 51}, {180, 530, 71, 66}, {580, 520, 51, 81},
                                      {735, 520, 66, 81}, {745, 5, 56, 86},  {0, 0, 66, 51}};
    c.icons = PictureGame::six_icons(areas);
    c.label = {371, 570, 71, 36};
    return c;
}

constexpr const char* kPointerFiles[5] = {"CUR_LEFT.BMP", "CUR_RIGHT.BMP", "CUR_UP.BMP", "CUR_DOWN.BMP", "CUR_PLOCHA.BMP"};

size_t pointer_of(KostkyBoard::Roll r)
{
    switch (r) {
    case KostkyBoard::Roll::Left: return 0;
    case KostkyBoard::Roll::Right: return 1;
    case KostkyBoard::Roll::Up: return 2;
    case KostkyBoard::Roll::Down: return 3;
    case KostkyBoard::Roll::None: break;
    }
    return 4;
}
}  // namespace

FrmKostky::FrmKostky() : PictureGame(kostky_config()) {}

void FrmKostky::on_load()
{
    // The six faces first: the frame paints the first one as the starting board.
    const auto names = face_pictures(vybrany_obrazek);
    for (size_t k = 0; k < 6; ++k)
        if (load_bitmap(names[k], m_faces[k]) != kBitmapOk || m_faces[k].width() < 640 || m_faces[k].height() < 480)
            m_faces[k] = Surface(640, 480, pixel_from_packed(0x40A0E0u + 0x203010u * uint32_t(k)));
    for (size_t i = 0; i < 5; ++i)
        m_pointers[i] = load_bitmap(file(kPointerFiles[i]), m_pointer_images[i]) == kBitmapOk
                            ? Cursor{CursorKind::Custom, &m_pointer_images[i], 16, 16}
                            : Cursor{};
    PictureGame::on_load();
    m_board.set_level(1);
}

void FrmKostky::paint_start_board()
{
    draw_both(m_faces[0], {0, 0, 640, 480}, kPictureArea.x, kPictureArea.y);
}

void FrmKostky::reset_for_level()
{
    PictureGame::reset_for_level();
    m_board.set_level(m_level);
    paint_start_board();
}

Surface FrmKostky::part_of(int face, int cube) const
{
    return m_faces[size_t(face - 1)].crop(m_board.cube_rect(cube));
}

void FrmKostky::new_game()
{
    // From the shuffle icon the screen and the stopwatch stand still meanwhile.
    set_enabled(false);
    stop_stopwatch();
    zamichej();
    set_enabled(true);
}

void FrmKostky::zamichej()
{
    set_label("");
    m_board.shuffle(randomize, [] { return int(4 * rnd() + 1); });
    for (int c = 0; c < m_board.grid().cubes(); ++c)
        nakresli_kostku(c);
    game_started();
}

void FrmKostky::nakresli_kostku(int cube)
{
    const Rect r = m_board.cube_rect(cube);
    Surface part = part_of(m_board.front(cube), cube);
    if (m_board.angle(cube) != 0) {
        // A turned face shows turned, so the child sees why the picture is not whole.
        Surface turned(r.w, r.h, 0);
        FoxRotate(turned, r.w / 2, r.h / 2, r.w, r.h, part, 0, 0, m_board.angle(cube));
        part = turned;
    }
    draw_both(part, kPictureArea.x + r.x, kPictureArea.y + r.y);
}

void FrmKostky::on_mouse_move(const ui::MouseArgs& a)
{
    if (a.buttons)
        return;
    PictureGame::on_mouse_move(a);
    if (!running())
        return;
    const int x = a.form_x - kPictureArea.x, y = a.form_y - kPictureArea.y;
    const int cube = kPictureArea.contains(a.form_x, a.form_y) ? m_board.cube_at(x, y) : -1;
    const Cursor want = m_pointers[pointer_of(m_board.band(cube, x, y))];
    if (want.kind != pointer.kind || want.image != pointer.image) {
        pointer = want;
        ui::App::get().refresh_pointer();
    }
}

void FrmKostky::on_mouse_up(const ui::MouseArgs& a)
{
    if (kPictureArea.contains(a.form_x, a.form_y) && !running()) {
        zamichej();
        return;
    }
    if (!running() || !kPictureArea.contains(a.form_x, a.form_y))
        return;
    const int x = a.form_x - kPictureArea.x, y = a.form_y - kPictureArea.y;
    const int cube = m_board.cube_at(x, y);
    const KostkyBoard::Roll smer = m_board.band(cube, x, y);
    if (cube < 0 || smer == KostkyBoard::Roll::None)
        return;
    const int button = a.button == int(MouseButton::Left) ? 1 : a.button == int(MouseButton::Right) ? 2 : 3;
    m_board.roll(cube, smer, button);
    // The right button turns the cube but keeps its face: the roll shows it upright.
    rotuj_kostku(smer, cube, part_of(m_board.front(cube), cube));
    if (m_board.angle(cube) != 0)
        nakresli_kostku(cube);
    if (m_board.solved())
        win();
}

void FrmKostky::rotuj_kostku(KostkyBoard::Roll smer, int cube, const Surface& new_face)
{
    auto& app = ui::App::get();
    const Rect r = m_board.cube_rect(cube);
    const Point at{kPictureArea.x + r.x, kPictureArea.y + r.y};
    const Surface old_face = screen.crop({at.x, at.y, r.w, r.h});
    Surface frame(r.w, r.h);
    const int step = m_level == 1 ? 4 : 2;
    prehraj_zvuk(game_path("\\SVIST.WAV"));
    // The new face pushes in from one side while the old one is squeezed out at the other.
    auto show = [&](const Rect& new_part, const Rect& old_part) {
        const uint32_t t = app.now();
        if (!new_part.empty())
            frame.stretch(new_face, new_face.rect(), new_part);
        if (!old_part.empty())
            frame.stretch(old_face, old_face.rect(), old_part);
        draw_screen(frame, at.x, at.y);
        app.sleep_until(t + kFrameMs);
    };
    switch (smer) {
    case KostkyBoard::Roll::Right:
        for (int i = 0; i <= r.w && !app.quitting(); i += step)
            show({0, 0, i, r.h}, {i, 0, r.w - i, r.h});
        break;
    case KostkyBoard::Roll::Left:
        for (int i = r.w; i >= 0 && !app.quitting(); i -= step)
            show({i, 0, r.w - i, r.h}, {0, 0, i, r.h});
        break;
    case KostkyBoard::Roll::Down:
        for (int i = 0; i <= r.h && !app.quitting(); i += step)
            show({0, 0, r.w, i}, {0, i, r.w, r.h - i});
        break;
    case KostkyBoard::Roll::Up:
        for (int i = 0; i <= r.h && !app.quitting(); i += step)
            show({0, r.h - i, r.w, i}, {0, 0, r.w, r.h - i});
        break;
    case KostkyBoard::Roll::None: break;
    }
    draw_both(new_face, at.x, at.y);
}

}  // namespace bafo

#include "menus/frm_sel_pic.h"

#include "menus/frm_select.h"
#include "menus/game_screens.h"
#include "platform/bitmap_file.h"
#include "platform/trace.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "ui/app.h"

namespace bafo {

namespace {
std::string album(const std::string& name)
{
    return data_path("\\BAFO_CS\\ALBUM\\" + name);
}
}  // namespace

Point FrmSelPic::thumbnail_at(int i)
{
    if (i <= 3)
        return {113, 84 + 151 * (i - 1)};
    if (i <= 7)
        return {314, 9 + 151 * (i - 4)};
    return {515, 84 + 151 * (i - 8)};
}

std::string FrmSelPic::thumbnail_path(int set, int i, bool painting)
{
    const std::string n = std::to_string(set), k = std::to_string(i);
    return painting ? album(n + "CB\\" + k + ".BMP") : album(n + "\\POZADI" + k + ".BMP");
}

std::string FrmSelPic::picture_path(int set, int i, bool painting)
{
    const std::string n = std::to_string(set), k = std::to_string(i);
    return painting ? data_path("\\BAFO_CS\\OMALKY\\" + n + "\\" + k + ".BMP")
                    : data_path("\\BAFO_CS\\ANIM\\" + n + "\\POZADI" + k + ".BMP");
}

FrmSelPic::FrmSelPic() : ui::Form("frm_sel_pic")
{
    for (int k = 0; k < 12; ++k) {
        auto& a = add<ui::HotArea>("klik_ico", k);
        a.set_rect(kAreas[k]);
        a.on_click = [this, k] { klik_ico_Click(k); };
        a.on_mouse_move = [this, k](const ui::MouseArgs& m) { klik_ico_MouseMove(k, m); };
        klik_ico[size_t(k)] = &a;
    }
}

bool FrmSelPic::painting() const
{
    return vybrana_hra == "OMALKY";
}

void FrmSelPic::on_load()
{
    caption = "Bafolino";
    load_bitmap(album("BG.BMP"), m_bg);
    if (m_bg.width() != 800 || m_bg.height() != 600)
        m_bg = Surface(800, 600, 0x8FD3F4);
    set_picture(m_bg);
    for (int n = 0; n < 6; ++n)
        load_bitmap(album("SEL_" + std::to_string(n + 1) + ".BMP"), m_wheels[size_t(n)]);
    std::vector<Highlighter::Icon> icons(12);
    icons[0] = {album("ZPET.BMP"), kBackLit.x, kBackLit.y};
    icons[11] = {album("SEL.BMP"), kWheel.x, kWheel.y};
    // Thumbnails never light up: their entries name no bitmap.
    for (int i = 1; i <= 10; ++i)
        icons[size_t(i)] = {"", thumbnail_at(i).x, thumbnail_at(i).y};
    m_highlight = std::make_unique<Highlighter>(*this, std::vector<ui::HotArea*>(klik_ico.begin(), klik_ico.end()), icons);
    for (auto* a : klik_ico) {
        a->pointer = ui::App::get().hot_pointer;
        a->marked = false;
    }
    if (sada_obrazku < 1 || sada_obrazku > 6)
        sada_obrazku = 1;
    vykresli_kolecko();
}

void FrmSelPic::on_activate()
{
    vybrany_obrazek.clear();
    vykresli_nahledy();
    ui::App::get().dispatch_pending();
    ui::App::get().set_screen_pointer(std::nullopt);
}

void FrmSelPic::vykresli_nahledy()
{
    Surface thumb;
    for (int i = 1; i <= 10; ++i) {
        const Point at = thumbnail_at(i);
        if (load_bitmap(thumbnail_path(sada_obrazku, i, painting()), thumb) == kBitmapOk)
            image.blit(thumb, at.x, at.y);
        else  // a missing thumbnail leaves an empty frame, not the last set's picture
            image.blit(m_bg, {at.x, at.y, kThumbW, kThumbH}, at.x, at.y);
    }
    repaint();
}

void FrmSelPic::vykresli_kolecko()
{
    const Surface& wheel = m_wheels[size_t(sada_obrazku - 1)];
    draw_both(wheel, kWheel.x, kWheel.y);
    // A later restore of the lit wheel must show this set, not the one before.
    m_highlight->replace_backup(11, wheel);
}

void FrmSelPic::klik_ico_MouseMove(int k, const ui::MouseArgs& a)
{
    if (a.buttons)
        return;
    if (k == 0 || k == 11)
        m_highlight->highlight(size_t(k));
    else
        m_highlight->smaz_aktivni_plochy();
}

void FrmSelPic::on_mouse_move(const ui::MouseArgs& a)
{
    if (!a.buttons)
        m_highlight->smaz_aktivni_plochy();
}

void FrmSelPic::klik_ico_Click(int k)
{
    auto& app = ui::App::get();
    zvuk_kliknuti();
    if (k == 0) {
        app.show(app.form<FrmSelect>());
        app.hide(*this);
        return;
    }
    if (k == 11) {
        sada_obrazku = sada_obrazku % 6 + 1;
        vykresli_nahledy();
        vykresli_kolecko();
        return;
    }
    vybrany_obrazek = picture_path(sada_obrazku, k, painting());
    trace("chosen " + vybrany_obrazek);
    app.set_screen_pointer(CursorKind::Busy);
    if (ui::Form* game = open_game_screen(vybrana_hra); game && !app.quitting()) {
        app.show(*game);
        app.hide(*this);
        return;
    }
    // No screen for this game yet: the choice is kept and the chooser stays.
    app.set_screen_pointer(std::nullopt);
}

}  // namespace bafo

#include "menus/frm_pex_sel.h"

#include "menus/frm_select.h"
#include "menus/game_screens.h"
#include "platform/bitmap_file.h"
#include "platform/trace.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "ui/app.h"

namespace bafo {

FrmPexSel::FrmPexSel() : ui::Form("frm_pex_sel")
{
    for (int k = 0; k < 5; ++k) {
        auto& a = add<ui::HotArea>("klik_ico", k);
        a.set_rect(kAreas[k]);
        a.on_click = [this, k] { klik_ico_Click(k); };
        a.on_mouse_move = [this, k](const ui::MouseArgs& m) {
            if (!m.buttons)
                m_highlight->highlight(size_t(k));
        };
        klik_ico[size_t(k)] = &a;
    }
}

void FrmPexSel::on_load()
{
    caption = "Bafolino";
    Surface bg;
    if (load_bitmap(data_path("\\BAFO_CS\\PEXESO\\SEL\\SEL_BG.BMP"), bg) != kBitmapOk)
        bg = Surface(800, 600, 0x8FD3F4);
    set_picture(bg);
    std::vector<Highlighter::Icon> icons{{data_path("\\BAFO_CS\\PEXESO\\ZPET.BMP"), kLit[0].x, kLit[0].y}};
    for (int i = 1; i <= 4; ++i)
        icons.push_back({data_path("\\BAFO_CS\\PEXESO\\SEL\\SEL_" + std::to_string(i) + ".BMP"), kLit[i].x, kLit[i].y});
    m_highlight = std::make_unique<Highlighter>(*this, std::vector<ui::HotArea*>(klik_ico.begin(), klik_ico.end()), icons);
    for (auto* a : klik_ico) {
        a->pointer = ui::App::get().hot_pointer;
        a->marked = false;
    }
    vybrana_sada = 0;
}

void FrmPexSel::on_activate()
{
    ui::App::get().dispatch_pending();
    ui::App::get().set_screen_pointer(std::nullopt);
}

void FrmPexSel::on_mouse_move(const ui::MouseArgs& a)
{
    if (!a.buttons)
        m_highlight->smaz_aktivni_plochy();
}

void FrmPexSel::klik_ico_Click(int k)
{
    auto& app = ui::App::get();
    zvuk_kliknuti();
    if (k == 0) {
        app.show(app.form<FrmSelect>());
        app.unload(*this);
        return;
    }
    vybrana_sada = k;
    trace("chosen set " + std::to_string(k));
    app.set_screen_pointer(CursorKind::Busy);
    if (ui::Form* game = open_game_screen("PEXESO"); game && !app.quitting()) {
        app.show(*game);
        app.unload(*this);
        return;
    }
    // No memory game yet: the set is kept and the chooser stays.
    app.set_screen_pointer(std::nullopt);
}

}  // namespace bafo

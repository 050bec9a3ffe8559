#include "shell/frm_black.h"

#include "menus/frm_select.h"
#include "platform/bitmap_file.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "services/sound.h"
#include "shell/first_run.h"
#include "shell/settings.h"
#include "ui/app.h"

namespace bafo {

FrmBlack::FrmBlack()
    : ui::Form("frm_black"),
      obrazek(add<ui::PictureBox>("obrazek")),
      casovac(add_timer(10000, [this] { konec_uvodu(); }))
{
    set_picture(Surface(800, 600, 0));
    obrazek.on_click = [this] { konec_uvodu(); };
}

void FrmBlack::on_load()
{
    auto& app = ui::App::get();
    caption = "Bafolino";
    if (platform().another_instance_running()) {
        app.quit(0);
        return;
    }
    // An installed copy started for the first time sets the user up; with no
    // settings and nothing installed, the message below says so.
    if (!konec_hry)
        first_run();
    nacti_nastaveni();
    if (cesta_hry == "ERROR" || cesta_dat == "ERROR") {
        zprava(texty::neni_instalace, "", MessageIcon::Warning);
        app.quit(1);
        return;
    }
    obrazek.move(0, 0);
    Surface picture;
    int err;
    if (konec_hry) {
        err = load_bitmap(data_path("\\BAFO_CS\\SELECT\\EXIT.BMP"), picture);
    } else {
        hraj_wave(data_path("\\BAFO_CS\\SELECT\\MEL.WAV"));
        err = load_bitmap(data_path("\\BAFO_CS\\SELECT\\ENTER.BMP"), picture);
    }
    if (err != kBitmapOk) {
        zastav_wave();
        zprava(texty::chyba_disku(err), "", MessageIcon::Warning);
        app.quit(1);
        return;
    }
    obrazek.set_picture(picture);
}

void FrmBlack::on_activate()
{
    auto& app = ui::App::get();
    if (!konec_hry && !nastav_rozliseni()) {
        zprava(texty::okno, texty::okno_titulek, MessageIcon::None);
        // Straight to the menu, and this screen goes: its timer must not
        // bring the menu back over a game ten seconds later.
        konec_uvodu();
        return;
    }
    obrazek.move((width() - 800) / 2, (height() - 600) / 2);
    app.dispatch_pending();
    if (app.is_loaded(*this))
        casovac.set_enabled(true);
}

void FrmBlack::konec_uvodu()
{
    auto& app = ui::App::get();
    if (!app.is_loaded(*this))
        return;
    casovac.set_enabled(false);
    if (!konec_hry) {
        FrmSelect& menu = app.form<FrmSelect>();
        if (app.quitting())
            return;
        app.show(menu);
        app.hide(*this);
        app.unload(*this);
        return;
    }
    if (!obnov_rozliseni()) {
        zprava(texty::obnova, texty::obnova_titulek, MessageIcon::None);
        app.unload(*this);
        app.quit(1);
        return;
    }
    app.unload(*this);
    app.quit(0);
}

}  // namespace bafo

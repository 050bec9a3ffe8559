#include "shell/program.h"

#include "games/game_list.h"
#include "platform/platform.h"
#include "platform/trace.h"
#include "services/globals.h"
#include "shell/frm_black.h"
#include "shell/settings.h"
#include "ui/app.h"

namespace bafo {

int run_program(const Options& o)
{
    auto& app = ui::App::get();
    app.reset();
    reset_globals();
    jen_v_okne = o.window;
    register_all_games();
    // The start screen loads before any window opens: a missing
    // installation is reported without touching the display.
    FrmBlack& black = app.form<FrmBlack>();
    if (app.quitting())
        return app.exit_code();
    if (!platform().open_window("Bafolino", false)) {
        app.quit(1);
        return 1;
    }
    app.show(black);
    int code = app.run();
    app.reset();
    return code;
}

}  // namespace bafo

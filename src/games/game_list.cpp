#include "games/game_list.h"

#include "games/frm_15.h"
#include "games/frm_colorize.h"
#include "games/frm_kostky.h"
#include "games/frm_pexeso.h"
#include "games/frm_puzzle.h"
#include "games/frm_tetris.h"
#include "menus/game_screens.h"
#include "paint/frm_malovani.h"
#include "ui/app.h"

namespace bafo {

void register_all_games()
{
    register_game_screen("15", []() -> ui::Form& { return ui::App::get().form<Frm15>(); });
    register_game_screen("KOSTKY", []() -> ui::Form& { return ui::App::get().form<FrmKostky>(); });
    register_game_screen("COLORIZE", []() -> ui::Form& { return ui::App::get().form<FrmColorize>(); });
    register_game_screen("PUZZLE", []() -> ui::Form& { return ui::App::get().form<FrmPuzzle>(); });
    register_game_screen("TETRIS", []() -> ui::Form& { return ui::App::get().form<FrmTetris>(); });
    register_game_screen("PEXESO", []() -> ui::Form& { return ui::App::get().form<FrmPexeso>(); });
    register_game_screen("OMALKY", []() -> ui::Form& { return ui::App::get().form<FrmMalovani>(); });
}

}  // namespace bafo

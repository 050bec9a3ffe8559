#include "menus/game_screens.h"

#include <map>

namespace bafo {

namespace {
std::map<std::string, ScreenOpener>& screens()
{
    static std::map<std::string, ScreenOpener> all;
    return all;
}
}  // namespace

void register_game_screen(const std::string& tag, ScreenOpener open)
{
    screens()[tag] = std::move(open);
}

ui::Form* open_game_screen(const std::string& tag)
{
    auto it = screens().find(tag);
    return it == screens().end() ? nullptr : &it->second();
}

}  // namespace bafo

// The first start of an installed copy: the user gets a directory of their own
// that links to the installed tree and takes everything the program writes,
// and a settings file that names it.
#pragma once

#include <string>

namespace bafo {

// "/usr/games/../share/x" as "/usr/share/x": "." and "name/.." taken out.
std::string without_dots(const std::string& path);

// The installed tree for the program at `exe`: `relative` from the program's
// directory, when it holds BAFO_CS; "" otherwise.
std::string installed_tree(const std::string& exe, const std::string& relative);

// Where the user's own directory goes: $XDG_DATA_HOME/bafolino, else ~/.local/share/bafolino.
std::string user_data_directory();

enum class FirstRun {
    SettingsThere,  // nothing to do
    NoTree,         // no settings and nothing installed: the program says so and ends
    Made,           // the directory and the settings are there now
    Failed,         // could not make them; the program says the installation is missing
};

// With no file at `ini`: makes `user_dir`, links every entry of `tree` into it
// (names already there are left alone) and writes `ini` naming `user_dir`.
// An existing `ini` is never touched, not even when it appears meanwhile.
FirstRun prepare_first_run(const std::string& ini, const std::string& tree, const std::string& user_dir);

// prepare_first_run for this user and the tree installed beside the running program.
FirstRun first_run();

}  // namespace bafo

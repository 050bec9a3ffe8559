#include "shell/first_run.h"

#include "platform/files.h"
#include "platform/trace.h"
#include "shell/settings.h"

#include <cstdlib>
#include <vector>

#ifndef BAFO_TREE_FROM_PROGRAM
#define BAFO_TREE_FROM_PROGRAM "../share/games/bafolino"
#endif

namespace bafo {

std::string without_dots(const std::string& path)
{
    std::vector<std::string> parts;
    size_t at = 0;
    while (at <= path.size()) {
        size_t end = path.find('/', at);
        if (end == std::string::npos)
            end = path.size();
        const std::string part = path.substr(at, end - at);
        if (part == "..") {
            if (!parts.empty() && parts.back() != "..")
                parts.pop_back();
            else if (path.empty() || path[0] != '/')
                parts.push_back(part);  // above a relative start: kept
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        at = end + 1;
    }
    std::string out = !path.empty() && path[0] == '/' ? "/" : "";
    for (size_t i = 0; i < parts.size(); ++i)
        out += (i ? "/" : "") + parts[i];
    return out.empty() ? "." : out;
}

std::string installed_tree(const std::string& exe, const std::string& relative)
{
    const size_t slash = exe.rfind('/');
    if (exe.empty() || slash == std::string::npos)
        return {};
    // The kernel's name of the program has no links in it, so ".." can go by the letters.
    const std::string tree = without_dots(join_path(exe.substr(0, slash == 0 ? 1 : slash), relative));
    return is_directory(join_path(tree, "BAFO_CS")) ? tree : std::string();
}

std::string user_data_directory()
{
    if (const char* x = std::getenv("XDG_DATA_HOME"); x && *x == '/')
        return join_path(x, "bafolino");
    const char* home = std::getenv("HOME");
    return join_path(join_path(home && *home ? home : ".", ".local/share"), "bafolino");
}

FirstRun prepare_first_run(const std::string& ini, const std::string& tree, const std::string& user_dir)
{
    if (path_taken(ini))
        return FirstRun::SettingsThere;
    if (tree.empty() || !is_directory(join_path(tree, "BAFO_CS")))
        return FirstRun::NoTree;
    if (!make_directories(user_dir))
        return FirstRun::Failed;
    // Links, not copies: the tree stays where the package put it, and what the
    // program writes beside it lands in the user's directory.
    for (const std::string& name : directory_names(tree)) {
        if (name.empty() || name[0] == '.')
            continue;
        const std::string at = join_path(user_dir, name);
        if (path_taken(at))
            continue;  // the user's own file, or a link from an earlier start
        if (!make_symlink(join_path(tree, name), at))
            return FirstRun::Failed;
    }
    if (!path_taken(join_path(user_dir, "BAFO_CS")))
        return FirstRun::Failed;
    const size_t slash = ini.rfind('/');
    if (slash != std::string::npos && slash > 0 && !make_directories(ini.substr(0, slash)))
        return FirstRun::Failed;
    if (!write_file_new(ini, "[BAFO_CS]\nHD=" + user_dir + "\n"))
        return path_taken(ini) ? FirstRun::SettingsThere : FirstRun::Failed;
    trace("first_run " + user_dir);
    return FirstRun::Made;
}

FirstRun first_run()
{
    const std::string ini = ini_file();
    if (path_taken(ini))
        return FirstRun::SettingsThere;
    return prepare_first_run(ini, installed_tree(running_executable(), BAFO_TREE_FROM_PROGRAM),
                             user_data_directory());
}

}  // namespace bafo

#include "services/helpers.h"

#include "platform/files.h"
#include "platform/trace.h"
#include "services/globals.h"

#include <cstdio>

namespace bafo {

std::string data_path(const std::string& rel)
{
    return join_path(cesta_dat, rel);
}

std::string game_path(const std::string& rel)
{
    return join_path(cesta_hry, rel);
}

bool soubor_existuje(const std::string& path)
{
    return file_exists(path);
}

int pocet_bitmap(const std::string& dir)
{
    return count_files(join_path(dir, ""), "*.BMP");
}

std::string jmeno_souboru(const std::string& path)
{
    return file_name_of(path);
}

void zprava(const std::string& text, const std::string& title, MessageIcon icon)
{
    std::fprintf(stderr, "bafolino: %s%s%s\n", title.c_str(), title.empty() ? "" : ": ", text.c_str());
    trace("message " + text);
    platform().message_box(text, title, icon);
}

}  // namespace bafo

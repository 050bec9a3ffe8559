// The program's icon: Bafo's face, for the desktop's menus and launchers.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace datagen {

// The sizes the hicolor theme looks for.
inline const std::vector<int> kIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// A PNG of the icon, size x size with a transparent background.
std::string icon_png(int size);
// The same drawing as SVG.
std::string icon_svg();
// DIR/hicolor/NxN/apps/bafolino.png for every size and DIR/hicolor/scalable/apps/bafolino.svg.
void write_icons(const std::filesystem::path& dir);

}  // namespace datagen

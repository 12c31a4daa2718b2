// The theme's menu bar and drop-down box: pictures, and the entries they add to the description file.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "Generator.h"

namespace gen {

// Key of the bar group and the picture it names, in the description file's order.
std::vector<std::pair<std::string, std::string>> menuPieceFiles();
// Key and red, green, blue of the menu colours.
std::vector<std::pair<std::string, std::array<int, 3>>> menuColours();
// Paints the bar's three pieces and the box's nine.
void genMenuPieces(const Context& ctx);

}  // namespace gen

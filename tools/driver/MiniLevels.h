// The driver's --level for the mini-games' level files: the level is handed to its screen and what a
// script needs to play it is printed.
#pragma once

#include <string>

// The screen that plays the mini-game level at `path` (a route, chest or jigsaw level), with the level
// handed to it; empty when `path` is not a mini-game level, "END" when its screen is missing or the level
// cannot be played.
std::string startMiniLevel(const std::string& path);

// What the mini-game screens share: their pictures, the in-game menu, the level title and the record of a
// solved or skipped level.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/Engine.h"

class TEkran;
class TFlowLevel;

// Sine and cosine of an angle in degrees, as the screens' animations use them.
inline float fsin(float degrees) {
    return static_cast<float>(eng::Sin(degrees));
}
inline float fcos(float degrees) {
    return static_cast<float>(eng::Cos(degrees));
}

// A picture below the program folder (a message when it is missing), optionally mid-handled.
eng::Image miniPicture(const std::string& path, bool mid = false);

// The options screen over `screen`; the answer that leaves the level ("MAIN-MENU", "RESTART-LEVEL",
// "MAPA") or empty to play on.
std::string miniGameMenu(TEkran& screen);

// The level's title centred at the top: a soft black shadow, then gold.
void drawMiniTitle(const eng::ImageFont& font, const std::string& title, float y);

// Solved or skipped: the profile keeps the level as passed (so the stage screen opens what follows) and
// forgets it as the level in progress.
void recordMiniWin(const std::shared_ptr<TFlowLevel>& level, int seconds);

// Text on the main game screen.
#include "nonogram/HudText.h"

#include <cmath>

#include "engine/Engine.h"

using namespace eng;

void drawTextFloor(const std::string& text, float x, float y) {
    DrawText(text, std::floor(x), std::floor(y));
}

void drawTextBacking(const std::string& text, float x, float y, float shadow) {
    SetColor(0, 0, 0);
    SetAlpha(0.5f);
    drawTextFloor(text, x + shadow, y + shadow);
    SetAlpha(1);
    for (int dx : {-1, 1})
        for (int dy : {-1, 1}) drawTextFloor(text, x + dx, y + dy);
}

// Text on the main game screen: drawn on whole pixels, with a black backing that keeps it readable on any
// picture.
#pragma once

#include <string>

void drawTextFloor(const std::string& text, float x, float y);
// Black under the text: a half-transparent shadow `shadow` pixels down and right, and a one-pixel outline at
// the four diagonals. The caller then sets the colour and draws the text itself.
void drawTextBacking(const std::string& text, float x, float y, float shadow);

// Word-wrapped text in a box, with left, right, centred or justified lines.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/Engine.h"

// One piece of text to draw with its top-left corner at (x, y).
struct TextBoxPiece {
    std::string text;
    float x = 0;
    int y = 0;
};

struct TextBoxLayout {
    std::vector<TextBoxPiece> pieces;  // empty texts are left out
    int lines = 0;
    int height = 0;  // line height x lines
};

// Measures the width of a text in pixels.
using TextMeasure = std::function<int(const std::string&)>;

// Lays `text` out word by word in a box `width` wide whose top-left corner is (x, y). `align` is
// "LEFT", "RIGHT", "CENTER" or "JUSTIFY" (letter case and surrounding blanks ignored; anything else
// is left). A word too wide for the box gets a line of its own. Without `measure`, the current
// font measures.
TextBoxLayout layoutTextBox(const std::string& text, int x, int y, float width, const std::string& align,
                            int lineH, const TextMeasure& measure = {});

// Draws `text` laid out as above in `font` (null keeps the current font), lines TextHeight("A") +
// `spacing` apart, and returns the height of the block. `ignored` has no effect.
int drawTextBox(const std::string& text, int x, int y, float width, const std::string& align = "LEFT",
                int ignored = 0, const eng::ImageFont& font = nullptr, int spacing = 0);

// Centred, shadowed captions.
#include "progress/ScreenText.h"

using namespace eng;

float shadowedText(const ImageFont& font, const std::string& text, float cx, float y, float offset,
                   float alpha, int r, int g, int b) {
    SetImageFont(font);
    const float x = cx - TextWidth(text) / 2.0f;
    SetColor(0, 0, 0);
    SetAlpha(0.5f * alpha);
    DrawText(text, x + offset, y + offset);
    SetColor(r, g, b);
    SetAlpha(alpha);
    DrawText(text, x, y);
    return x;
}

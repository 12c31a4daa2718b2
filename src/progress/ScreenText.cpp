// Centred, shadowed captions and outlined text.
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

void outlinedText(const std::string& text, float x, float y, float shadow, float alpha, int r, int g, int b,
                  float shadowAlpha) {
    SetColor(0, 0, 0);
    SetAlpha(shadowAlpha * alpha);
    DrawText(text, x + shadow, y + shadow);
    SetAlpha(alpha);
    for (float dx : {-1.0f, 1.0f})
        for (float dy : {-1.0f, 1.0f}) DrawText(text, x + dx, y + dy);
    SetColor(r, g, b);
    DrawText(text, x, y);
}

// The found object's banner.
#include "minigames/PEFoundScreen.h"

#include <algorithm>

#include "core/DrawState.h"
#include "core/Globals.h"
#include "files/TxtFile.h"
#include "gui/MyFont.h"
#include "minigames/MiniGame.h"

using namespace eng;

void TPEFoundScreen::setup() {
    banner = miniPicture("gfx/miniGames/puzzleExpress/found.png", true);
    font = getFont(programPrefix + "gfx/fonts/berry.ttf", 22);
    caption = getLine(loadTxtFile(programPrefix + "txt/#LANG#/puzzleExpress.txt"), 1);
    if (caption.empty()) caption = "You found %s";
}

void TPEFoundScreen::draw(const std::string& name, float x, float y, float alpha) const {
    if (name.empty() || alpha <= 0) return;
    std::string text = caption;
    const size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, name);
    SetImageFont(font);
    const float w = TextWidth(text), h = TextHeight(text);
    resetDrawState();
    SetAlpha(alpha);
    // The ribbon stretches to hold a long name, its notched tails clear of the text.
    if (banner) {
        SetScale(std::max(1.0f, (w + 170) / static_cast<float>(ImageWidth(banner))), 1);
        DrawImage(banner, x, y);
        SetScale(1, 1);
    }
    SetColor(46, 21, 8);
    DrawText(text, x - w / 2 + 1, y - h / 2 + 2);
    SetColor(255, 236, 180);
    DrawText(text, x - w / 2, y - h / 2);
    resetDrawState();
}

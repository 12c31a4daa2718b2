// The title screen as it stands before the menus exist: title, fade in, Escape to leave.
#include "progress/MainMenu.h"

#include "core/DrawState.h"
#include "core/Globals.h"
#include "gui/MyFont.h"
#include "progress/Options.h"
#include "screen/FrameServices.h"

using namespace eng;

TMainMenu* mainMenu = nullptr;

void TMainMenu::setup() {
    titleFont = getFont(programPrefix + "gfx/fonts/font.ttf", 40);
}

void TMainMenu::prepare() {
    alpha = 0;
    dAlpha = 1;
    fade = 0;
    dFade = 0;
    wynik.clear();
    if (options) options->setupMouse();
}

void TMainMenu::afterFrame() {
    if (KeyHit(27)) {
        wynik = "END";
        dAlpha = 0;
    }
}

void TMainMenu::update() {
    updateSystem(this, 0);
    _updateFade();
    _updateAlpha();
}

void TMainMenu::draw() {
    resetDrawState();
    DrawImage(back, 0, 0);
    DrawImage(bars, 0, 0);
    // A soft dark band behind the title keeps it readable on any background.
    SetColor(20, 28, 52);
    SetAlpha(0.55f * alpha);
    DrawRect(0, 300, 1024, 170);
    const std::string title = AppTitle();
    SetImageFont(titleFont);
    SetColor(0, 0, 0);
    SetAlpha(0.6f * alpha);
    DrawText(title, static_cast<float>(512 - TextWidth(title) / 2 + 3), 343.0f);
    SetColor(246, 214, 120);
    SetAlpha(alpha);
    DrawText(title, static_cast<float>(512 - TextWidth(title) / 2), 340.0f);
    _drawFade();
    _drawMouse();
}

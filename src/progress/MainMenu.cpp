// The title screen as it stands before the menus exist: title, fade in, Escape to leave.
#include "progress/MainMenu.h"

#include "core/DrawState.h"
#include "core/Globals.h"
#include "gui/MyFont.h"
#include "progress/Options.h"
#include "progress/ProfileManager.h"
#include "screen/FrameServices.h"

using namespace eng;

TMainMenu* mainMenu = nullptr;

void TMainMenu::setup() {
    titleFont = getFont(programPrefix + "gfx/fonts/font.ttf", 44);
    subtitleFont = getFont(programPrefix + "gfx/fonts/font.ttf", 26);
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
    // A first start asks for the player's name as soon as the title is shown.
    if (alpha == 1 && profileManager) profileManager->check(this);
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
    // The window's name, "Name: subtitle", set in two lines like the logo: the name, the subtitle below.
    const std::string full = AppTitle();
    const size_t colon = full.find(": ");
    const std::string name = full.substr(0, colon);
    const std::string subtitle = colon == std::string::npos ? std::string() : full.substr(colon + 2);
    auto centred = [&](const eng::ImageFont& font, const std::string& text, float y) {
        SetImageFont(font);
        const float x = static_cast<float>(512 - TextWidth(text) / 2);
        SetColor(0, 0, 0);
        SetAlpha(0.6f * alpha);
        DrawText(text, x + 3, y + 3);
        SetColor(246, 214, 120);
        SetAlpha(alpha);
        DrawText(text, x, y);
    };
    centred(titleFont, name, subtitle.empty() ? 360.0f : 335.0f);
    if (!subtitle.empty()) centred(subtitleFont, subtitle, 395.0f);
    _drawFade();
    _drawMouse();
}

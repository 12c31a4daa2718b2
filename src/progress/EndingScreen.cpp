// The ending screen: a finished journey starts the player afresh; a flow cut short keeps their progress.
#include "progress/EndingScreen.h"

#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/TextBox.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "progress/ProfileManager.h"
#include "progress/ScreenText.h"
#include "screen/FrameServices.h"

using namespace eng;

TEndingScreen* endingScreen = nullptr;

namespace {
const char* const kDone[2] = {
    "Your journey is complete!",
    "Every picture stone has given up its secret. Start a new journey from the title "
    "whenever you like."};
const char* const kCut[2] = {
    "The road ends here for now",
    "The rest of this journey could not be read. Your progress is kept, so you can go on "
    "once it is back."};
}  // namespace

void TEndingScreen::setup() {
    back = loadImageOrWarn(programPrefix + "gfx/gui/credits/credits.jpg");
    bigFont = getFont(programPrefix + "gfx/fonts/berry.ttf", 42);
    font = getFont(programPrefix + "gfx/fonts/berry.ttf", 24);
}

void TEndingScreen::prepare() {
    fade = 1;
    dFade = 0;
    alpha = dAlpha = 1;
    wynik = "MAIN-MENU";
    const auto& p = profileManager ? profileManager->profile : nullptr;
    journeyDone = p && p->flowFinished();
    FlushKeys();
    FlushMouse();
    if (mouse) mouse->clear();
}

void TEndingScreen::finish() {
    // Only a journey played to its end starts afresh; a broken or empty flow never costs the player anything.
    const auto& p = profileManager ? profileManager->profile : nullptr;
    if (p && journeyDone) {
        p->resetProfile();
        profileManager->save();
    }
}

void TEndingScreen::update() {
    updateSystem(this, 0);
    _updateFade();
}

void TEndingScreen::afterFrame() {
    if (fade == 0 && ((mouse && mouse->leftPressed) || KeyHit(27) || KeyHit(13) || KeyHit(32))) dFade = 1;
}

void TEndingScreen::draw() {
    resetDrawState();
    DrawImage(back, 0, 0);
    const char* const* text = journeyDone ? kDone : kCut;
    shadowedText(bigFont, text[0], 512, 280, 3, 1, 247, 222, 113);
    SetColor(255, 236, 180);
    drawTextBox(text[1], 212, 360, 600, "CENTER", 0, font);
    resetDrawState();
    _drawFade();
    _drawMouse();
}

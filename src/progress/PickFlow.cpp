// The flow choice: fades in over the title inside the carved frame; the choice sets the player's flow.
#include "progress/PickFlow.h"

#include "audio/GlobalSnd.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "progress/PopUpFrame.h"
#include "progress/ProfileManager.h"
#include "screen/FrameServices.h"

using namespace eng;

TPickFlow* pickFlow = nullptr;

void TPickFlow::setup() {
    loadPopUpFrame();
    Gui = loadGui(programPrefix + "gfx/gui/pickFlow/pickFlow.gui");
}

std::string TPickFlow::mainLoop(TEkran* menu) {
    behind = menu;
    alpha = 0;
    dAlpha = 1;
    fade = dFade = 0;
    wynik.clear();
    if (Gui) Gui->clearClicked();
    FlushKeys();
    FlushMouse();
    runLoop();
    // Chosen: the title stays dark behind the new game.
    if (behind && !wynik.empty()) behind->fade = behind->dFade = 1;
    behind = nullptr;
    if (mouse) mouse->clear();
    return wynik;
}

bool TPickFlow::finished() const {
    return wynik.empty() ? alpha == 0 && dAlpha == 0 : fade == 1 && dFade == 1;
}

void TPickFlow::_choose(const char* flowType) {
    if (profileManager && profileManager->profile) profileManager->profile->flowType = flowType;
    if (globalSnd) globalSnd->musicGoDown();
    wynik = "START-NEW-GAME";
    dFade = 1;
}

void TPickFlow::update() {
    updateSystem(this, 0);
    _updateAlpha();
    _updateFade();
    _updateGui();
}

void TPickFlow::afterFrame() {
    if (alpha < 1 || dFade > 0) return;
    if (KeyHit(27)) {
        dAlpha = 0;  // not now: back to the title
        return;
    }
    if (!Gui) return;
    if (Gui->clickedItem("casual")) _choose("CASUAL");
    if (Gui->clickedItem("hard")) _choose("HARD");
}

void TPickFlow::draw() {
    if (behind) behind->draw();
    resetDrawState();
    SetAlpha(alpha);
    drawPopUpFrame(250, 190, 3, 2);
    _drawGui();
    _drawFade();
    _drawMouse();
}

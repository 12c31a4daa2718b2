// The cutscenes' shared frame loop, skip button, frame picture and dialogs.
#include "story/Cutscene.h"

#include <algorithm>

#include "audio/GlobalSnd.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "progress/IntroScreen.h"
#include "screen/FrameServices.h"
#include "story/DialogBox.h"

using namespace eng;

void TCutscene::setup() {
    Gui = loadGui(programPrefix + "gfx/story/story.gui");
    if (introScreen) panele = introScreen->panele;
}

std::string TCutscene::mainLoop() {
    prepare();
    runLoop();
    Finish();
    FlushMouse();
    FlushKeys();
    if (mouse) mouse->clear();
    wynik = next();
    return wynik;
}

void TCutscene::prepare() {
    setup();
    alpha = dAlpha = 1;
    fade = 0;
    start();
    dFade = 0;
    if (globalSnd) globalSnd->playMyMusic("Cutscene-" + std::to_string(Rand(1, 3)));
    _prepareDelta();
}

void TCutscene::update() {
    updateSystem(this, 0);
    _updateBack();
    _updateGui();
    _updateFade();
}

void TCutscene::draw() {
    _drawBack();
    _drawGui();
    _drawMouse();
    _drawFade();
}

void TCutscene::afterFrame() {
    if (!Gui || !Gui->clickedItem("skip")) return;
    dFade = 1;
    // The click that skipped is not taken for anything else.
    FlushMouse();
    FlushKeys();
    if (mouse) mouse->clear();
}

void TCutscene::RunDialog(int n) {
    if (dFade >= 1) return;
    if (dialogs)
        dialogs(*this, n);
    else if (dialogBox)
        dialogBox->mainLoop(this, n, 0);
}

float TCutscene::motionLeft(int ms) const {
    if (ms <= 0) return 0;
    return std::clamp(static_cast<float>(backTime - MilliSecs()) / ms, 0.0f, 1.0f);
}

void TCutscene::drawPanele() const {
    resetDrawState();
    if (!panele) return;
    if (panelCopies == 1) {
        DrawImage(panele, 0, 0);
        return;
    }
    for (float x : {-1024.0f, 0.0f, 1024.0f}) DrawImage(panele, x, 0);
}

void TCutscene::drawScaled(const Image& img, float x, float y, float scale, float alpha) {
    if (!img) return;
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetRotation(0);
    SetScale(scale, scale);
    SetAlpha(alpha);
    DrawImage(img, x, y);
}

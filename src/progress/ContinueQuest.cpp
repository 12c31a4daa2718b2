// The resume question: it grows into place over the dimmed title and answers one of its three buttons.
#include "progress/ContinueQuest.h"

#include "core/DrawState.h"
#include "core/Globals.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "progress/PopUp.h"
#include "progress/PopUpFrame.h"
#include "screen/FrameServices.h"

using namespace eng;

TContinueQuest* continueQuest = nullptr;

void TContinueQuest::setup() {
    loadPopUpFrame();
    Gui = loadGui(programPrefix + "gfx/gui/continueQuest/continue.gui");
}

std::string TContinueQuest::mainLoop(TEkran* menu, const std::string& areYouSure) {
    behind = menu;
    question = areYouSure;
    alpha = 0;
    dAlpha = 1;
    wynik.clear();
    if (behind) behind->dFade = 0.5f;
    if (Gui) Gui->clearClicked();
    FlushKeys();
    FlushMouse();
    runLoop();
    if (behind && wynik.empty()) behind->dFade = 0;
    behind = nullptr;
    if (mouse) mouse->clear();
    return wynik;
}

void TContinueQuest::_answer(const std::string& answer) {
    wynik = answer;
    dAlpha = 0;
}

void TContinueQuest::update() {
    updateSystem(this, 0);
    _updateAlpha();
    if (behind) behind->_updateFade();
    _updateGui();
}

void TContinueQuest::afterFrame() {
    if (alpha < 1 || dAlpha < 1) return;
    if (KeyHit(27)) return _answer("");
    if (!Gui) return;
    if (Gui->clickedItem("resume")) _answer("CONTINUE");
    if (Gui->clickedItem("exit")) _answer("");
    if (Gui->clickedItem("new") && askYesNo(question, this)) _answer("NEW");
}

void TContinueQuest::draw() {
    if (behind) behind->draw();
    resetDrawState();
    // The frame and its buttons grow from 0.7 to full size with the alpha, about the frame's centre.
    const float s = 0.7f + 0.3f * alpha;
    float w = 0, h = 0;
    popUpFrameSize(3, 2, w, h);
    const float cx = 250 + w / 2, cy = 193 + h / 2;
    SetAlpha(alpha);
    drawPopUpFrame(cx - w / 2 * s, cy - h / 2 * s, 3, 2, s);
    _drawGui();
    _drawMouse();
}

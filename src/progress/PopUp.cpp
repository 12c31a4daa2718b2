// The message box: fades in over the screen behind, answers by its buttons, Enter or Escape, fades out.
#include "progress/PopUp.h"

#include "core/DrawState.h"
#include "core/Globals.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "gui/Text.h"
#include "progress/PopUpFrame.h"
#include "screen/FrameServices.h"

using namespace eng;

TPopUp* popUp = nullptr;

namespace {
constexpr int kEnter = 13, kEscape = 27;
}

void TPopUp::setup() {
    loadPopUpFrame();
    _font = getFont(programPrefix + "gfx/fonts/bluehigh.ttf", 14);
    Gui = loadGui(programPrefix + "gfx/gui/popUp/popUp.gui");
    if (auto yes = Gui ? Gui->getItem("yes") : nullptr) yesX = yes->dim->x;
}

int TPopUp::mainLoop(const std::string& text, TEkran* screen, int flag) {
    behind = screen;
    txt = text;
    answer = 0;
    alpha = 0;
    dAlpha = 1;
    fade = dFade = 0;
    if (Gui) {
        if (auto t = std::dynamic_pointer_cast<TText>(Gui->getItem("t1"))) t->_txt = text;
        if (auto no = Gui->getItem("no")) no->setState(flag ? 1 : 0, flag ? 1 : 0);
        placeButtonPair(*Gui, "yes", "no", yesX);
        Gui->clearClicked();
    }
    FlushKeys();
    FlushMouse();
    if (mouse) mouse->clear();
    runLoop();
    FlushKeys();
    FlushMouse();
    if (mouse) mouse->clear();
    behind = nullptr;
    return answer;
}

void TPopUp::_answer(int value) {
    if (dAlpha == 0) return;
    answer = value;
    dAlpha = 0;
}

void TPopUp::update() {
    updateSystem(this, 0);
    _updateAlpha();
    _updateGui();
}

void TPopUp::afterFrame() {
    if (KeyHit(kEnter)) _answer(1);
    if (KeyHit(kEscape)) _answer(0);
    if (!Gui || alpha < 1) return;
    if (Gui->clickedItem("yes")) _answer(1);
    if (Gui->clickedItem("no")) _answer(0);
}

void TPopUp::draw() {
    if (behind) behind->draw();
    resetDrawState();
    SetAlpha(alpha);
    drawPopUpFrame(250, 193, 3, 2);
    _drawGui();
    _drawMouse();
}

void placeButtonPair(TGui& gui, const std::string& first, const std::string& second, float firstX) {
    auto a = gui.getItem(first), b = gui.getItem(second);
    if (a && b) a->setPosition(b->_v ? firstX : (firstX + b->dim->x) / 2, a->dim->y);
}

int askYesNo(const std::string& text, TEkran* screen) {
    return popUp ? popUp->mainLoop(text, screen, 1) : 0;
}

int showMessage(const std::string& text, TEkran* screen) {
    return popUp ? popUp->mainLoop(text, screen, 0) : 0;
}

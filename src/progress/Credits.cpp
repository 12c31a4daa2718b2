// The credits: read once, scrolled up by one pixel per frame step, over the screen that opened them.
#include "progress/Credits.h"

#include <utility>

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/TxtFile.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "progress/MainMenu.h"
#include "progress/ScreenText.h"
#include "screen/FrameServices.h"

using namespace eng;

TCredits* credits = nullptr;

TCreditData TCredits::parseLine(const std::string& line) {
    TCreditData d{line, 0};
    if (!d.txt.empty() && d.txt[0] == '#') {
        d.txt.erase(0, 1);
        d.font = 1;
    }
    if (!d.txt.empty() && d.txt[0] == '$') {
        d.txt.erase(0, 1);
        d.font = 2;
    }
    return d;
}

void TCredits::setup() {
    img = loadImageOrWarn(programPrefix + "gfx/gui/credits/credits.jpg");
    const std::string font = programPrefix + "gfx/fonts/berry.ttf";
    fonts = {getFont(font, 26), getFont(font, 42), getFont(font, 60)};
    lista.clear();
    const auto txt = loadTxtFile(programPrefix + "txt/#LANG#/credits.txt");
    if (txt)
        for (int i = 1; i <= txt->lines(); ++i) lista.push_back(parseLine(getLine(txt, i)));
}

std::string TCredits::mainLoop() {
    wynik = "NONE";
    const std::string after = std::exchange(leadsTo, "MAIN-MENU");
    mainLoop(mainMenu);
    if (wynik == "MAIN-MENU") wynik = after;
    return wynik;
}

std::string TCredits::mainLoop(TEkran* behind) {
    behind_ = behind;
    alpha = 0;
    dAlpha = 1;
    fade = dFade = 0;
    y = 768;
    FlushKeys();
    FlushMouse();
    runLoop();
    if (wynik == "NONE") wynik = "MAIN-MENU";
    behind_ = nullptr;
    if (mouse) mouse->clear();
    return wynik;
}

void TCredits::update() {
    updateSystem(this, 0);
    _updateAlpha();
    y -= frameDelta;
    float bottom = y;
    for (const TCreditData& d : lista) {
        SetImageFont(fonts[d.font]);
        bottom += TextHeight("A") + 2;
    }
    if (bottom < 0) y = 800;  // the last line has gone: from the start again
}

void TCredits::afterFrame() {
    if (dAlpha == 0) return;
    if ((mouse && mouse->leftPressed) || KeyHit(13) || KeyHit(32) || KeyHit(27)) dAlpha = 0;
}

void TCredits::draw() {
    if (behind_) behind_->draw();
    resetDrawState();
    SetAlpha(alpha);
    DrawImage(img, 0, 0);
    float line = y;
    for (const TCreditData& d : lista) {
        shadowedText(fonts[d.font], d.txt, 512, line, 3, alpha, 247, 222, 113);
        line += TextHeight("A") + 2;
    }
    resetDrawState();
    _drawMouse();
}

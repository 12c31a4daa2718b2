// The screen base's shared drawing and animation steps.
#include "screen/Ekran.h"

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "screen/FrameServices.h"

using namespace eng;

void TEkran::_drawFade() {
    resetDrawState();
    SetAlpha(fade);
    SetColor(0, 0, 0);
    DrawRect(0, 0, VirtualResolutionWidth(), VirtualResolutionHeight());
}

void TEkran::_drawGui() {
    if (Gui) Gui->draw();
}

void TEkran::_drawMouse() {
    if (mouse) mouse->draw();
}

void TEkran::_updateGui() {
    if (!Gui) return;
    for (auto& item : Gui->_listaObiektow) {
        item->_alpha = alpha;
        item->_dAlpha = alpha;
    }
    Gui->update();
}

void TEkran::_updatePer() {
    approach(p, dp, pSpeed);
}
void TEkran::_updateFade() {
    approach(fade, dFade, fSpeed);
}
void TEkran::_updateAlpha() {
    approach(alpha, dAlpha, aSpeed);
}

Pixmap TEkran::_getMyScreen() {
    Cls();
    draw();
    return GrabPixmap(0, 0, static_cast<int>(VirtualResolutionWidth()) - 1,
                      static_cast<int>(VirtualResolutionHeight()) - 1);
}

void TEkran::STANDARD_DATA() {
    alpha = 1;
    dAlpha = 1;
    fade = 0;
    dFade = 0;
}

void TEkran::_prepareDelta() {
    for (int i = 0; i < 25; ++i) updateTiming();
}

std::string TEkran::mainLoop() {
    prepare();
    runLoop();
    finish();
    return wynik;
}

std::string TEkran::runLoop() {
    do {
        Cls();
        update();
        draw();
        endFrame(1, this);
        afterFrame();
    } while (!finished());
    return wynik;
}

std::string TEkran::runModal(TEkran* below) {
    auto dropInput = [] {
        FlushKeys();
        FlushMouse();
        if (mouse) mouse->clear();
    };
    dropInput();
    if (below)
        runOverlay(*below);
    else
        runLoop();
    dropInput();
    return wynik;
}

std::string TEkran::runOverlay(TEkran& below) {
    TEkran* const previous = ekran;
    ekran = &below;
    do {
        Cls();
        update();
        below.draw();
        draw();
        endFrame(1, this);
        afterFrame();
    } while (!finished());
    ekran = previous;
    return wynik;
}

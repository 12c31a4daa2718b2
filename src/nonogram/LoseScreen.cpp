// The lose screen: its panel and buttons slide down as it fades in and up as it fades out.
#include "nonogram/LoseScreen.h"

#include <algorithm>
#include <cmath>

#include "audio/GlobalSnd.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/TextBox.h"
#include "files/TxtFile.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "nonogram/MainGame.h"
#include "progress/Options.h"
#include "progress/Profile.h"
#include "screen/FrameServices.h"

using namespace eng;

TLoseScreen* loseScreen = nullptr;

void TLoseScreen::setup() {
    panel = loadImageOrWarn(programPrefix + "gfx/gui/loseScreen/panel.png");
    if (panel) MidHandleImage(panel);
    auto texts = loadTxtFile(programPrefix + "txt/#LANG#/loseScreen.txt");
    txtInfo1 = getLine(texts, 4);
    txtInfo2 = getLine(texts, 5);
    font = getFont(programPrefix + "gfx/fonts/berry.ttf", 32);
    Gui = loadGui(programPrefix + "gfx/gui/loseScreen/loseScreen.gui");
}

void TLoseScreen::prepare(TEkran& behind) {
    ekran = &behind;
    alpha = 0;
    dAlpha = 1;
    fade = 0;
    dFade = 0.5f;
    wynik.clear();
    txtInfo = txtInfo1;
    if (Gui) {
        // The way back to the map is there once the game has a map.
        const int map = options && options->mapAvailable ? 1 : 0;
        if (auto item = Gui->getItem("mapa")) item->setState(map, map);
        Gui->clearClicked();
    }
    if (globalSnd) globalSnd->playMySound("lose");
}

std::string TLoseScreen::mainLoop(TEkran& behind) {
    prepare(behind);
    runLoop();
    FlushMouse();
    FlushKeys();
    if (mouse) mouse->clear();
    if ((wynik == "MAIN-MENU" || wynik == "MAPA") && mainGame) mainGame->profile().restartLevel();
    return wynik;
}

void TLoseScreen::_answer(const std::string& result) {
    wynik = result;
    dAlpha = 0;
    dFade = 0;
    if (mainGame) mainGame->fx.stones.clear();
}

void TLoseScreen::afterFrame() {
    if (!Gui || !wynik.empty()) return;
    const std::string clicked = Gui->_clicked;
    if (clicked == "restart") goRestart();
    if (clicked == "mapa") goMap();
    if (clicked == "mainMenu") goMainMenu();
}

void TLoseScreen::update() {
    updateSystem(this, 0);
    _updateAlpha();
    _updateFade();
    if (mainGame) {
        mainGame->fx.stones.update();
        mainGame->fx.debris.update();
    }
    _updateGUI();
}

// The buttons stand one under another, 70 pixels apart, and slide with the panel; fewer than three (no map
// yet) stand in the middle of the room of three.
void TLoseScreen::_updateGUI() {
    if (!Gui) return;
    const float b = static_cast<float>(Sin(90 * alpha));
    int shown = 0;
    for (auto& item : Gui->_listaObiektow)
        if (item->_v) ++shown;
    const float top = 360 + 35.0f * (3 - std::min(shown, 3));
    int k = 0;
    for (auto& item : Gui->_listaObiektow) {
        if (!item->_v) continue;
        item->setPosition(item->dim->x, top + 70 * k - 400 * (1 - b));
        ++k;
    }
    _updateGui();
}

void TLoseScreen::draw() {
    if (ekran) ekran->draw();
    resetDrawState();
    SetAlpha(alpha);
    SetColor(0, 0, 0);
    SetAlpha(fade);
    DrawRect(0, 0, 1024, 768);
    _drawPanel();
    _drawGui();
    _drawMouse();
}

void TLoseScreen::_drawPanel() const {
    resetDrawState();
    SetAlpha(alpha);
    const float b = static_cast<float>(Sin(90 * alpha));
    const float y = 384 - (1 - b) * 400;
    if (panel) DrawImage(panel, 512, y);
    const float w = panel ? static_cast<float>(ImageWidth(panel)) : 500;
    const int left = static_cast<int>(512 - (w / 2 - 60));
    SetColor(0, 0, 0);
    SetAlpha(0.5f * alpha);
    drawTextBox(txtInfo, left + 4, static_cast<int>(y - 130 + 4), w - 120, "CENTER", 0, font, 1);
    SetColor(247, 222, 113);
    SetAlpha(alpha);
    drawTextBox(txtInfo, left, static_cast<int>(y - 130), w - 120, "CENTER", 0, font, 1);
    resetDrawState();
}

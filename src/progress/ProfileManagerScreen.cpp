// The profiles screen: the panel slides up over the title, shows the players and reacts to its buttons.
#include <cmath>

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/TxtFile.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "progress/ProfileManager.h"
#include "progress/SaveAll.h"
#include "progress/ScreenText.h"
#include "screen/FrameServices.h"

using namespace eng;

namespace {

// Text with a soft shadow and a one-pixel black outline, then the face in the current colour.
void outlinedText(const std::string& text, float x, float y, float a, int r, int g, int b) {
    SetColor(0, 0, 0);
    SetAlpha(0.4f * a);
    DrawText(text, x + 3, y + 3);
    SetAlpha(a);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx || dy) DrawText(text, x + dx, y + dy);
    SetColor(r, g, b);
    DrawText(text, x, y);
}

}  // namespace

void TProfileManager::setup() {
    const auto txt = loadTxtFile(programPrefix + "txt/#LANG#/profileManager.txt");
    txtEnterName = getLine(txt, 5);
    txtProfilIstnieje = getLine(txt, 6);
    txtCzySkasowac = getLine(txt, 7);
    txtProfilesNames = getLine(txt, 8);
    panel = loadImageOrWarn(programPrefix + "gfx/gui/profileManager/panel.png");
    MidHandleImage(panel);
    Gui = loadGui(programPrefix + "gfx/gui/profileManager/profileManager.gui");
    font = getFont(programPrefix + "gfx/fonts/berry.ttf", 32);
    font2 = getFont(programPrefix + "gfx/fonts/berry.ttf", 26);
}

void TProfileManager::mainLoop(TEkran* below) {
    below_ = below;
    prepare();
    runLoop();
    saveAll();
    FlushMouse();
    if (mouse) mouse->clear();
    below_ = nullptr;
}

void TProfileManager::prepare() {
    alpha = 0;
    per = 0;
    dPer = 1;
    if (!profile) profile = findProfile();
    rebuildAktLista();
    if (Gui) Gui->clearClicked();
    FlushKeys();
    FlushMouse();
}

float TProfileManager::_rowY(int i) const {
    // The rows follow the panel's inset: a name's height plus a little air.
    SetImageFont(font);
    return startY + 96 + i * (TextHeight("A") + 2);
}

void TProfileManager::update() {
    updateSystem(this, 0);
    approach(per, dPer, 0.05f);
    const float s = static_cast<float>(Sin(90 * per));
    startY = 150 + 600 * (1 - s);
    alpha = s;
    updateButtonStates();
    if (Gui) {
        // The buttons ride with the panel: they are moved by the change of its offset.
        const float down = 600 * (1 - s);
        for (auto& item : Gui->_listaObiektow) item->move(0, down - guiShift);
        guiShift = down;
        // A button that cannot be used now is drawn faint.
        for (auto& item : Gui->_listaObiektow)
            item->_alpha = item->_dAlpha = alpha * (item->_a ? 1.0f : 0.4f);
        Gui->update();
    }
    _updateOver();
}

void TProfileManager::_updateOver() {
    over = nullptr;
    if (!mouse || per < 1) return;
    SetImageFont(font);
    for (size_t i = 0; i < aktLista.size(); ++i) {
        const float w = static_cast<float>(TextWidth(aktLista[i]->name));
        const float y = _rowY(static_cast<int>(i));
        if (mouse->inRect(512 - w / 2 - 25, y, w + 50, static_cast<float>(TextHeight("A"))))
            over = aktLista[i];
    }
}

void TProfileManager::afterFrame() {
    if (per < 1 || dPer < 1) return;
    if (KeyHit(27)) {
        goOk();
        return;
    }
    if (over && mouse && mouse->leftPressed) choose(over);
    if (!Gui || Gui->_clicked.empty()) return;
    if (Gui->clickedItem("up")) goUp();
    if (Gui->clickedItem("down")) goDown();
    if (Gui->clickedItem("new")) goNew();
    if (Gui->clickedItem("delete")) goDelete();
    if (Gui->clickedItem("rename")) goRename();
    if (Gui->clickedItem("ok")) goOk();
}

void TProfileManager::draw() {
    const float s = static_cast<float>(Sin(90 * per));
    if (below_) below_->draw();
    resetDrawState();
    SetColor(0, 0, 0);
    SetAlpha(0.5f * s);
    DrawRect(0, 0, 1024, 768);
    resetDrawState();
    SetAlpha(alpha);
    DrawImage(panel, 512, startY + 250);
    shadowedText(font2, txtProfilesNames, 512, startY + 34, 2, alpha, 247, 222, 113);
    SetImageFont(font);
    for (size_t i = 0; i < aktLista.size(); ++i) {
        const auto& p = aktLista[i];
        const std::string text = p->unreadable ? p->name + " (?)" : p->name;
        const float x = 512 - TextWidth(text) / 2.0f, y = _rowY(static_cast<int>(i));
        const bool active = p == profile;
        outlinedText(text, x, y, alpha * (p->unreadable ? 0.5f : 1.0f), active ? 255 : 255, active ? 80 : 255,
                     active ? 60 : 255);
        if (p == over && !active) {
            SetColor(255, 255, 0);
            SetAlpha(0.6f * alpha);
            DrawText(text, x, y);
        }
    }
    resetDrawState();
    _drawGui();
    _drawMouse();
}

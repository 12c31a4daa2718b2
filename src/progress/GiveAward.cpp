// The award panels: the new award and the award's description.
#include "progress/GiveAward.h"

#include <cmath>

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/TextBox.h"
#include "files/TxtFile.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "progress/Award.h"
#include "progress/ScreenText.h"
#include "screen/FrameServices.h"

using namespace eng;

TGiveAward* giveAward = nullptr;
TShowAward* showAward = nullptr;

void TAwardPanel::_load(const std::string& folder) {
    const std::string dir = programPrefix + "gfx/gui/" + folder + "/";
    panel = loadImageOrWarn(dir + "panel.png");
    if (panel) MidHandleImage(panel);
    const std::string berry = programPrefix + "gfx/fonts/berry.ttf";
    font = getFont(berry, 24);
    font2 = getFont(berry, 18);
    Gui = loadGui(dir + folder + ".gui");
    if (Gui)
        for (const auto& item : Gui->_listaObiektow) itemY_.push_back(item->dim->y);
}

void TAwardPanel::run(const TAward* shown, TEkran& behind) {
    if (!shown) return;
    award = shown;
    alpha = 0;
    dAlpha = 1;
    fade = dFade = 0;
    if (Gui) Gui->clearClicked();
    runModal(&behind);
    award = nullptr;
}

float TAwardPanel::_py() const {
    return 384 - 400 * (1 - static_cast<float>(Sin(90 * alpha)));
}

void TAwardPanel::update() {
    updateSystem(this, 0);
    _updateAlpha();
    if (Gui)
        for (size_t i = 0; i < Gui->_listaObiektow.size() && i < itemY_.size(); ++i) {
            auto& item = Gui->_listaObiektow[i];
            item->setPosition(item->dim->x, itemY_[i] + _py() - 384);
        }
    _updateGui();
}

void TAwardPanel::afterFrame() {
    if (dAlpha == 0 || alpha < 1) return;
    const bool ok = Gui && Gui->clickedItem("ok");
    if (ok || (mouse && mouse->leftPressed) || KeyHit(13) || KeyHit(27)) dAlpha = 0;
}

// ---------------------------------------------------------------- a new award

void TGiveAward::setup() {
    _load("giveAward");
    auto texts = loadTxtFile(programPrefix + "txt/#LANG#/giveAward.txt");
    txtGrats = getLine(texts, 2);
    txtYouReceived = getLine(texts, 3);
}

void TGiveAward::draw() {
    const float py = _py();
    resetDrawState();
    SetAlpha(alpha);
    if (panel) DrawImage(panel, 400, py);
    if (award && award->img) DrawImage(award->img, 400, py);
    SetImageFont(font);
    outlinedText(txtGrats, 400 - TextWidth(txtGrats) / 2.0f, py - 190, 3, alpha, 255, 255, 255);
    SetColor(0, 0, 0);
    SetAlpha(0.5f * alpha);
    drawTextBox(txtYouReceived, 275, static_cast<int>(py - 148), 247, "CENTER", 0, font2, 0);
    SetAlpha(alpha);
    drawTextBox(txtYouReceived, 276, static_cast<int>(py - 149), 244, "CENTER", 0, font2, 0);
    drawTextBox(txtYouReceived, 274, static_cast<int>(py - 151), 246, "CENTER", 0, font2, 0);
    SetColor(255, 255, 255);
    drawTextBox(txtYouReceived, 275, static_cast<int>(py - 150), 245, "CENTER", 0, font2, 0);
    if (award) {
        SetImageFont(font2);
        outlinedText(award->title, 400 - TextWidth(award->title) / 2.0f, py - 120, 3, alpha, 255, 255, 0);
    }
    resetDrawState();
    _drawGui();
    _drawMouse();
}

// ---------------------------------------------------------------- an award's description

void TShowAward::setup() {
    _load("showAward");
}

void TShowAward::draw() {
    const float py = _py();
    resetDrawState();
    SetAlpha(alpha);
    if (panel) DrawImage(panel, 512, py);
    if (award && award->img) {
        SetAlpha(alpha * (owned ? 1.0f : 0.5f));
        DrawImage(award->img, 512, py - 40);
        SetAlpha(alpha);
    }
    if (award) {
        SetImageFont(font2);
        outlinedText(award->title, 512 - TextWidth(award->title) / 2.0f, py - 120, 3, alpha, 255, 255, 0);
        SetColor(255, 255, 255);
        drawTextBox(award->opis, 382, static_cast<int>(py + 40), 262, "CENTER", 0, font2, 1);
    }
    resetDrawState();
    _drawGui();
    _drawMouse();
}

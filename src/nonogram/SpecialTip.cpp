// The tip balloon of the tutorial cells.
#include "nonogram/SpecialTip.h"

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/TextBox.h"
#include "files/TxtFile.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "nonogram/Tile.h"

using namespace eng;

namespace {

// The text box is narrower than the balloon: 50 pixels in from its left edge, 40 from its right.
float boxWidth() {
    return static_cast<float>(ImageWidth(TSpecialTip::tipBack) - 90);
}

}  // namespace

void TSpecialTip::setup() {
    tipBack = loadImageOrWarn(programPrefix + "gfx/gui/specialTip/back.png");
    if (tipBack) MidHandleImage(tipBack);
    auto texts = loadTxtFile(programPrefix + "txt/#LANG#/specialTip.txt");
    tipTexts = {getLine(texts, 1), getLine(texts, 2)};
    tipFont = getFont(programPrefix + "gfx/fonts/berry.ttf", 18);
}

std::shared_ptr<TSpecialTip> openSpecialTip(const TTile& tile, int textN) {
    auto tip = std::make_shared<TSpecialTip>();
    tip->textN = textN;
    tip->time = MilliSecs() + 4000;
    tip->countPosition(tile);
    tip->countTextPosition();
    return tip;
}

// The balloon stands in the cell's quarter of the screen.
void TSpecialTip::countPosition(const TTile& tile) {
    const float at[4][2] = {{170, 170}, {750, 170}, {170, 600}, {750, 600}};
    const int q = tile.checkCwiartka();
    x = at[q][0];
    y = at[q][1];
}

// The text is measured in its own font and box, so it stands centred in the balloon.
void TSpecialTip::countTextPosition() {
    const int w = ImageWidth(tipBack);
    tx = x - w / 2 + 50;
    SetImageFont(tipFont);
    const TextBoxLayout layout =
        layoutTextBox(tipTexts[textN], 0, 0, boxWidth(), "CENTER", TextHeight("A") + 1);
    ty = y - layout.height / 2.0f;
}

bool TSpecialTip::update() {
    if (MilliSecs() > time || (mouse && mouse->leftPressed)) dAlpha = 0;
    approach(alpha, dAlpha, 0.05f);
    return !(alpha == 0 && dAlpha == 0);
}

void TSpecialTip::draw() const {
    resetDrawState();
    SetAlpha(alpha);
    if (tipBack) DrawImage(tipBack, x, y);
    const std::string& text = tipTexts[textN];
    SetColor(0, 0, 0);
    drawTextBox(text, static_cast<int>(tx + 2), static_cast<int>(ty + 2), boxWidth(), "CENTER", -1, tipFont,
                1);
    SetColor(247, 222, 113);
    drawTextBox(text, static_cast<int>(tx), static_cast<int>(ty), boxWidth(), "CENTER", -1, tipFont, 1);
    resetDrawState();
}

// The rules screen: fades in over the screen that opened it; a click closes it.
#include "progress/RulesScreen.h"

#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/TextBox.h"
#include "files/TxtFile.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "screen/FrameServices.h"

using namespace eng;

TRulesScreen* rulesScreen = nullptr;

void TRulesScreen::setup() {
    const std::string dir = programPrefix + "gfx/gui/rulesScreen/";
    back = loadImageOrWarn(dir + "back.jpg");
    pomoc1 = loadImageOrWarn(dir + "pomoc1.png");
    pomoc2 = loadImageOrWarn(dir + "pomoc2.png");
    txtFont1 = getFont(programPrefix + "gfx/fonts/bluehigh.ttf", 16);
    txtFont2 = getFont(programPrefix + "gfx/fonts/berry.ttf", 26);
    txtRules.clear();
    const auto txt = loadTxtFile(programPrefix + "txt/#LANG#/Rules.txt");
    if (txt)
        for (int i = 1; i <= txt->lines(); ++i) txtRules.push_back(getLine(txt, i));
}

std::string TRulesScreen::line(int n) const {
    return n >= 1 && n <= static_cast<int>(txtRules.size()) ? txtRules[n - 1] : "";
}

int TRulesScreen::mainloop(TEkran* screen) {
    TEkran* const previous = ekran;
    ekran = screen;
    alpha = 0;
    dAlpha = 1;
    FlushMouse();
    runLoop();
    ekran = previous;
    if (mouse) mouse->clear();
    FlushMouse();
    return 1;
}

void TRulesScreen::update() {
    updateSystem(this, 0);
    _updateAlpha();
}

void TRulesScreen::afterFrame() {
    if (alpha == 1 && ((mouse && mouse->leftPressed) || KeyHit(27))) dAlpha = 0;
}

void TRulesScreen::draw() {
    if (ekran) ekran->draw();
    resetDrawState();
    SetAlpha(alpha);
    DrawImage(back, 0, 0);
    SetColor(0, 0, 0);
    drawTextBox(line(2), 100, 100, 390, "LEFT", 0, txtFont1);
    drawTextBox(line(3), 550, 500, 390, "LEFT", 0, txtFont1);
    SetImageFont(txtFont1);
    DrawText(line(5), 280 - TextWidth(line(5)) / 2.0f, 690);
    DrawText(line(5), 775 - TextWidth(line(5)) / 2.0f, 690);
    SetColor(255, 255, 255);
    DrawImage(pomoc1, 90, 270);
    DrawImage(pomoc2, 560, 100);
    resetDrawState();
    _drawMouse();
}

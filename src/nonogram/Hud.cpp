// The main game's head-up display.
#include "nonogram/Hud.h"

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "files/TxtFile.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "nonogram/HudText.h"
#include "nonogram/MainGame.h"
#include "nonogram/MainGamePictures.h"
#include "progress/Profile.h"

using namespace eng;

namespace {
constexpr int kGold[3] = {247, 222, 113};
constexpr int KEY_SPACE = 32;
}  // namespace

void THud::setupTexts() {
    auto texts = loadTxtFile(programPrefix + "txt/#LANG#/mainGame.txt");
    txtDim = getLine(texts, 1);
    txtX = getLine(texts, 2);
    txtLevel.clear();
    txtHints = getLine(texts, 5);
    txtMist = getLine(texts, 6);
}

void THud::setupImages() {
    panel = mainGamePicture("gui.png");
    klepsydra = mainGamePicture("klepsydra.png");
    gwiazda = mainGamePicture("gwiazda.png", true);
    pwrUpBack = mainGamePicture("ramka-powerup.png");
    const char* states[3] = {"over", "click", "normal"};
    for (int i = 0; i < 3; ++i) {
        rekaImg[i] = mainGamePicture(std::string("reka-") + states[i] + ".png", true);
        hakImg[i] = mainGamePicture(std::string("hak-") + states[i] + ".png", true);
    }
}

void THud::setupFonts() {
    const std::string berry = programPrefix + "gfx/fonts/berry.ttf";
    const std::string font = programPrefix + "gfx/fonts/font.ttf";
    timeFont = getFont(berry, 30);
    dimFont = getFont(font, 26);
    scoreFont = getFont(berry, 26);
    levelFont = getFont(berry, 20);
    hintFont = mistFont = mnoznikFont = getFont(berry, 16);
    debugFont = getFont(font, 12);
}

void THud::_updateHandPick() {
    if (!mouse || game_.state != TGameState::NORMAL) return;
    handOver = mouse->inRect(812, 248, 60, 55);
    hakOver = mouse->inRect(920, 248, 60, 55);
    if (mouse->leftPressed && handOver) game_.setHand(TTool::HAND);
    if (mouse->leftPressed && hakOver) game_.setHand(TTool::HOOK);
    if (KeyHit(KEY_SPACE) && (game_.hand == TTool::HAND || game_.hand == TTool::HOOK))
        game_.setHand(game_.hand == TTool::HAND ? TTool::HOOK : TTool::HAND);
}

void THud::_updateBlink() {
    if (mistakeSpecA >= 1) dMistakeSpecA = 0;
    if (mistakeSpecA <= 0) dMistakeSpecA = 1;
    approach(mistakeSpecA, dMistakeSpecA, 0.05f);
}

void THud::_drawTextShadowed(const std::string& text, float cx, float cy, const ImageFont& font,
                             int shadow) const {
    SetImageFont(font);
    const float x = cx - TextWidth(text) / 2.0f, y = cy - TextHeight(text) / 2.0f;
    SetColor(0, 0, 0);
    SetAlpha(0.5f);
    drawTextFloor(text, x + shadow, y + shadow);
    SetAlpha(1);
    SetColor(kGold[0], kGold[1], kGold[2]);
    drawTextFloor(text, x, y);
}

void THud::drawPanel() const {
    resetDrawState();
    const TProfile& p = game_.profile();
    if (panel) DrawImage(panel, 0, 0);
    if (const auto& level = game_.level)
        _drawTextShadowed(std::to_string(level->cols) + " " + txtX + " " + std::to_string(level->rows), 390,
                          20, dimFont, 2);
    _drawTextShadowed(std::to_string(p.numerStageu) + " - " + std::to_string(p.numerLevelu), 890, 112,
                      levelFont, 2);
    resetDrawState();
    auto icon = [](const std::array<Image, 3>& img, bool chosen, bool over, float x, float y) {
        const Image& base = img[chosen ? 1 : 2];
        if (base) DrawImage(base, x, y);
        if (over && img[0]) DrawImage(img[0], x, y);
    };
    icon(rekaImg, game_.hand == TTool::HAND, handOver, 840, 280);
    icon(hakImg, game_.hand == TTool::HOOK, hakOver, 943, 280);
    for (int k = 0; k < 6; ++k)
        if (p.unlocked[k] && pwrUpBack) DrawImage(pwrUpBack, 120 + 100 * k, 686);
}

void THud::drawScore() const {
    const std::string text = game_.getScoreString();
    SetImageFont(scoreFont);
    const float w = TextWidth(text), h = TextHeight(text);
    SetColor(0, 0, 0);
    SetAlpha(0.5f);
    drawTextFloor(text, 889 - w / 2, 164 - h / 2);
    SetAlpha(1);
    SetColor(kGold[0], kGold[1], kGold[2]);
    drawTextFloor(text, 888 - w / 2, 163 - h / 2);
    resetDrawState();
}

void THud::drawTime() const {
    const std::string t = TMainGame::getTimeString(game_.level ? game_.level->czas : 0);
    const std::string minutes = t.substr(0, t.find(':')), seconds = t.substr(t.find(':') + 1);
    SetImageFont(timeFont);
    SetColor(kGold[0], kGold[1], kGold[2]);
    SetAlpha(1);
    // Centred in the room right of the hourglass (x 869 to 988), the colon in the middle.
    const float h = TextHeight("0"), mid = 929;
    drawTextFloor(":", mid - TextWidth(":") / 2.0f, 65 - h / 2);
    drawTextFloor(minutes, mid - 5 - TextWidth(minutes), 65 - h / 2);
    drawTextFloor(seconds, mid + 5, 65 - h / 2);
    resetDrawState();
    if (klepsydra) DrawImage(klepsydra, 832, 42);
}

void THud::drawMistakes() const {
    const TProfile& p = game_.profile();
    const int tolerance = game_.level ? game_.level->maxMistakes : 1;
    const bool bag = game_.bagOwned();
    const int used = p.mistakes + (bag ? p.kamienieWWorku : 0);
    const int allowed = tolerance + (bag ? 3 : 0);
    const std::string text = txtMist + std::to_string(used) + "/" + std::to_string(allowed);
    SetImageFont(mistFont);
    const float x = 890 - TextWidth(text) / 2.0f, y = 367 - TextHeight(text) / 2.0f;
    drawTextBacking(text, x, y, 3);
    SetColor(kGold[0], kGold[1], kGold[2]);
    drawTextFloor(text, x, y);
    if (used == allowed) {
        SetBlend(LIGHTBLEND);
        SetColor(255, 255, 255);
        SetAlpha(mistakeSpecA);
        drawTextFloor(text, x, y);
    }
    resetDrawState();
}

void THud::drawHintsLabel() const {
    SetImageFont(hintFont);
    const float x = 885 - TextWidth(txtHints) / 2.0f, y = 590 - TextHeight(txtHints) / 2.0f;
    drawTextBacking(txtHints, x, y, 3);
    SetColor(kGold[0], kGold[1], kGold[2]);
    drawTextFloor(txtHints, x, y);
    resetDrawState();
}

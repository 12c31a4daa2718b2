// The win screen: its set-up, the bookkeeping of a won level, the picture's flight, the score count-up and
// the ways on.
#include "nonogram/WinScreen.h"

#include <algorithm>

#include "audio/GlobalSnd.h"
#include "core/Curve.h"
#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/TxtFile.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/MainGame.h"
#include "progress/LevelManager.h"
#include "progress/PopUp.h"
#include "progress/Profile.h"
#include "screen/FrameServices.h"

using namespace eng;

TWinScreen* winScreen = nullptr;

int summaryDelay(int k, int n) {
    if (n <= 0) return 0;
    const int spread = n < 5 ? 1000 : n < 15 ? 1500 : n < 25 ? 2000 : 3000;
    return static_cast<int>(static_cast<double>(spread) / n * k);
}

void TWinScreen::setup() {
    auto texts = loadTxtFile(programPrefix + "txt/#LANG#/winScreen.txt");
    std::string* lines[9] = {&txtTotalScore, &txtShowStats, &txtHideStats, &txtLevel,    &txtStage,
                             &txtLevelScore, &txtMaxCombo,  &txtMistakes,  &txtLevelTime};
    for (int i = 0; i < 9; ++i) *lines[i] = getLine(texts, i + 1);
    const std::string face = programPrefix + "gfx/fonts/font.ttf";
    font = getFont(face, 28);
    font2 = getFont(face, 36);
    nameFont = getFont(face, 26);
    img = loadImageOrWarn(programPrefix + "gfx/gui/winScreen/panel.png");
    if (img) MidHandleImage(img);
    Gui = loadGui(programPrefix + "gfx/gui/winScreen/winScreen.gui");
    if (Gui)
        if (auto play = Gui->getItem("play")) playX_ = play->dim->x;
}

// ---------------------------------------------------------------- preparation

std::string TWinScreen::mainLoop() {
    if (!mainGame || !mainGame->level) return wynik;
    prepare();
    mainGame->particlesOnTop = true;
    runLoop();
    mainGame->particlesOnTop = false;
    return wynik;
}

void TWinScreen::prepare() {
    TProfile& p = mainGame->profile();
    _prepareScores(p);
    _prepareSelf(p);
    _prepareTilesCopy();
    _prepareLevel();
    if (globalSnd) globalSnd->playMySound("win");
}

// The won level enters the profile's statistics. The total before it is the profile's own.
void TWinScreen::_prepareScores(TProfile& p) {
    const TLevel& level = *mainGame->level;
    const auto record = p.getProfLevelData(p.numerLevelu);
    playTimes = record ? record->ileRazy : 0;
    levelScore = level.score;
    mistakes = p.mistakes + p.kamienieWWorku;
    p.allLivings += level.livingsCount;
    levelTime = level.czas;
    bonusy = mainGame->useLivingsN;
    p.lastScore = p.score;
    if (p.mistakes == 0) p.noMistakesOnLevel += 1;
    p.score += levelScore;
    totalScore = static_cast<float>(p.score);
}

void TWinScreen::_prepareSelf(TProfile& p) {
    goAhead = 0;
    alpha = dAlpha = 0;
    awardsChecked = 0;
    aSpeed = 0.01f;
    endAlpha = dEndAlpha = 1;
    setState("BEGIN");
    fade = dFade = 0;
    fade2 = 0;
    dFade2 = 0.5f;
    scoreA = dScoreA = 0;
    showA = dShowA = 1;
    overA = dOverA = 0;
    dGSpecAlpha = 1;
    maxTresures = std::max<float>(1, static_cast<float>(mainGame->level->flyingTresures.size()));
    p.useOfSkull += p.tempUseOfSkull;
    p.useOfSword += p.tempUseOfSword;
    p.useOfMedalion += p.tempUseOfMedalion;
    p.useOfEye += p.tempUseOfEye;
    p.useOfMap += p.tempUseOfMap;
    wynik.clear();
    if (Gui) {
        if (auto awards = Gui->getItem("awards")) awards->setState(awardScreen ? 1 : 0, awardScreen ? 1 : 0);
        placeButtonPair(*Gui, "play", "awards", playX_);
        Gui->clearClicked();
    }
}

void TWinScreen::_prepareTilesCopy() {
    tab = copyLevelPicture(*mainGame->level);
}

void TWinScreen::_prepareLevel() {
    mainGame->level->hideNumbers();
    const auto data = levelManager.getActualLevelData();
    txtName = data ? levelManager.getNameByLevelData(data->actualLevelNumber) : std::string();
}

void TWinScreen::setState(const std::string& name) {
    state = Upper(name);
}

float TWinScreen::setProperScaleForTab() const {
    return tab ? properScaleForTab(tab->width, tab->height) : 1.0f;
}

// ---------------------------------------------------------------- per frame

void TWinScreen::update() {
    updateSystem(this, 0);
    _updateState();
    if (tab) tab->update();
    TLevel& level = *mainGame->level;
    updateFlyingTresures(level);
    int inSummary = 0;
    for (const auto& t : level.flyingTresures)
        if (t->summary) ++inSummary;
    _updateAlpha();
    mainGame->fx.particles.update();
    approach(endAlpha, dEndAlpha, 0.05f);
    _updateFade();
    _updateGui();
    _updateScoreAlpha(inSummary);
    approach(fade2, dFade2, 0.025f);
    level.updateNumbers();
    _updateShowStats();
    // One tutorial update a frame: the level's own tips after a tutorial level, the general ones otherwise.
    level.tutorialLevel ? tutorialUpdate() : tutorialUpdateGeneral();
}

void TWinScreen::_updateState() {
    if (state == "BEGIN") {
        if (tab) tab->dgs = 1;
        setState("FLY");
        x1 = tab ? tab->xo : 403;
        y1 = tab ? tab->yo : 311;
        x2 = 403;
        y2 = 311;
        mx = 403;
        my = y1;
        per = 0;
        if (tab) tab->dgs = setProperScaleForTab();
    } else if (state == "FLY") {
        dAlpha = 1;
        per = std::min(per + 0.05f * frameDelta, 1.0f);
        if (tab) {
            tab->xo = bezier(x1, mx, x2, per);
            tab->yo = bezier(y1, my, y2, per);
        }
        if (per >= 1) {
            setState("NEXT");
            _sendTreasuresToSummary();
        }
    } else if (state == "NEXT") {
        if (alpha == 1) dScoreA = 1;
    }
}

void TWinScreen::_sendTreasuresToSummary() {
    TLevel& level = *mainGame->level;
    const auto list = level.flyingTresures;
    const int n = static_cast<int>(list.size());
    for (int k = 0; k < n; ++k) list[k]->flyToSummary(summaryDelay(k, n));
}

// The level score shown is full until the treasures start, then counts up as they arrive.
void TWinScreen::_updateScoreAlpha(int inSummary) {
    approach(scoreA, dScoreA, 0.05f);
    printScore = (1 - static_cast<float>(inSummary) / maxTresures) * static_cast<float>(levelScore);
}

void TWinScreen::_updateShowStats() {
    approach(overA, dOverA, 0.05f);
    approach(showA, dShowA, 0.05f);
    showOver = alpha == 1 && mouse && mouse->inRect(330, 560, 170, 40) ? 1 : 0;
    dOverA = static_cast<float>(showOver);
    if (showOver && mouse->leftPressed) show_hide_stats();
}

void TWinScreen::_updateGui() {
    if (!awardsChecked && showA * alpha * scoreA == 1) {
        awardsChecked = 1;
        checkAwards();
    }
    approach(gSpecAlpha, dGSpecAlpha, 0.05f);
    if (!Gui) return;
    for (auto& item : Gui->_listaObiektow) item->_alpha = item->_dAlpha = alpha * scoreA * gSpecAlpha;
    Gui->update();
}

void TWinScreen::checkAwards() {
    if (mainGame->level->tutorialLevel) return;
    if (checkAwardsHook) checkAwardsHook(*this);
}

// ---------------------------------------------------------------- the ways on

void TWinScreen::afterFrame() {
    const std::string clicked = Gui ? Gui->_clicked : std::string();
    if (clicked == "awards") goAwards();
    if (clicked == "play") goExit();
    const bool overStats = mouse && mouse->inRect(330, 560, 170, 40);
    if (mouse && mouse->leftPressed && alpha * scoreA == 1 && !overStats) dGSpecAlpha = 0;
    if (gSpecAlpha == 0 && dGSpecAlpha == 0 && dEndAlpha != 0) goExit();
    if (endAlpha == 0 && dEndAlpha == 0 && dFade == 0) {
        checkDialogs("END");
        dFade = 1;
    }
}

void TWinScreen::goExit() {
    dEndAlpha = dFade2 = dAlpha = dScoreA = dShowA = dOverA = 0;
    aSpeed = 0.05f;
    mainGame->fx.stones.clear();
}

void TWinScreen::goAwards() {
    if (mouse) mouse->clear();
    if (awardScreen) awardScreen(*this);
    _prepareDelta();
}

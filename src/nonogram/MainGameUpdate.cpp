// The main game's frame update: the play states, the tools, drags, the win and the burst chest.
#include <algorithm>
#include <cmath>

#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "effects/Emitter.h"
#include "effects/ParticleEffects.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "nonogram/Caption.h"
#include "nonogram/Debris.h"
#include "nonogram/FlyingTile.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/MainGame.h"
#include "nonogram/Plate.h"
#include "nonogram/Stone.h"
#include "progress/Profile.h"
#include "screen/FrameServices.h"

using namespace eng;

namespace {

constexpr int KEY_ESCAPE = 27, KEY_SPACE = 32, KEY_LCONTROL = 162, KEY_F5 = 116;

bool leftHeld() {
    return mouse && mouse->leftHolded;
}
bool rightHeld() {
    return mouse && mouse->rightHolded;
}

}  // namespace

void TMainGame::update() {
    updateSystem(this, 0);
    _updateState();
    if (level) updateFlyingTresures(*level);
    approach(numberBacks, dNumberBacks, 0.05f);
    updateEmitters(nullptr);
    updateParticles(nullptr);
    updateParticles(&particleSkarbu);
    _updateEfekty();
    _updateTime();
    _updateFade();
    _updateGUI();
    updateStones();
    _updateWorek();
    updateDebris();
    if (level) level->updateNumbers();
    _updateHandPick();
    if (level) level->updateBack();
    approach(gridA, dGridA, 0.05f);
    updatePlates();
    updateCaptions();
}

void TMainGame::_updateState() {
    if (!level) return;
    if (state == "BEGIN") {
        if (fade == 0) setState("BEGIN-FLY");
    } else if (state == "BEGIN-FLY") {
        updateFlyingTiles();
        if (flyingTileList.empty()) {
            setState("NORMAL");
            level->showNumbers();
            dGridA = 1;
        }
    } else if (state == "NORMAL") {
        _updateHand();
        level->updateTiles();
        overTile = level->updateOver();
        if (leftHeld() || rightHeld()) {
            if (!clickedTile) clickedTile = overTile;
        } else {
            clickedTile = nullptr;
        }
        _updateTilesPlay();
        if (!leftHeld() && !rightHeld() && !(mouse && (mouse->leftPressed || mouse->rightPressed)))
            toDraw = nullptr;
        if (level->levelCompleted) WIN();
    } else if (state == "WIN-1") {
        level->updateTiles();
        if (captionList.empty()) {
            setState("WIN");
            // The win screen joins here; until then the level is over once its caption has gone.
            fade = dFade = 1;
            wynik = "GET-NEXT-LEVEL";
        }
    } else if (state == "LOSE") {
        if (dFade != 1 && treasuresFalling(*level) == 0 && debrisList.empty()) {
            // The lose screen joins here; until then the level starts again.
            setState("LOSE-END");
            dFade = 1;
            wynik = "RESTART-LEVEL";
        }
    }
}

// Every 500 ms each treasure lying in the chest may sparkle.
void TMainGame::_updateEfekty() {
    const int64_t now = MilliSecs();
    if (!level || now < efektTime) return;
    efektTime = now + 500;
    for (const auto& t : level->flyingTresures)
        if (t->myEnd && Rand(1, 10) == 1)
            treasureSparkle(t->x + Rand(-10, 10), t->y + Rand(-10, 10), &particleSkarbu);
}

void TMainGame::_updateHand() {
    if (!mouse || hand > 1) return;
    const bool hook = (hand == 1) != rightHeld();
    mouse->setCursor(hook ? "HOOK" : "HAND");
}

void TMainGame::_cancelDrag() {
    if (mouse) mouse->clear();
    FlushMouse();
    holding.clear();
    tilesyHolded.clear();
    overTile = clickedTile = startTile = toDraw = nullptr;
    firstHoldedTile = lastHoldedTile = nullptr;
    holdedCounter = 0;
}

void TMainGame::_updateTilesPlay() {
    if ((leftHeld() && rightHeld()) || KeyHit(KEY_ESCAPE)) {
        _cancelDrag();
        dragCancelled_ = true;
        return;
    }
    // After a cancel the buttons must come up before a new drag can start.
    if (dragCancelled_) {
        if (leftHeld() || rightHeld()) return;
        dragCancelled_ = false;
    }
    // Ctrl held swaps the hand and the hook for as long as it is held.
    const bool ctrl = KeyDown(KEY_LCONTROL);
    if (ctrl != (isControlHolded != 0)) {
        isControlHolded = ctrl ? 1 : 0;
        if (hand == 0 || hand == 1) setHand(1 - hand);
    }
    if (overTile && (leftHeld() || rightHeld()) && (hand == 0 || hand == 1)) {
        holding = leftHeld() ? "LEFT" : "RIGHT";
        holdOn(overTile);
    }
    if (!leftHeld() && !rightHeld() && startTile) {
        if (releaseUncovers())
            holdOffLeft();
        else
            holdOffRight();
        holding.clear();
    }
}

void TMainGame::holdOn(const std::shared_ptr<TTile>& tile) {
    if (!tile) return;
    if (!startTile) startTile = tile;
    const bool horizontal =
        std::fabs(tile->dim.x - startTile->dim.x) > std::fabs(tile->dim.y - startTile->dim.y);
    tilesyHolded.clear();
    if (horizontal) {
        for (int c = std::min(startTile->c, tile->c); c <= std::max(startTile->c, tile->c); ++c)
            tilesyHolded.push_back(level->tile[startTile->r][c]);
        lastHoldedTile = level->tile[startTile->r][tile->c];
    } else {
        for (int r = std::min(startTile->r, tile->r); r <= std::max(startTile->r, tile->r); ++r)
            tilesyHolded.push_back(level->tile[r][startTile->c]);
        lastHoldedTile = level->tile[tile->r][startTile->c];
    }
    firstHoldedTile = startTile;
    toDraw = lastHoldedTile;
    holdedCounter = static_cast<int>(tilesyHolded.size());
}

// The cells of a line start one after another, 50 ms apart; cleared cells add no delay.
void TMainGame::holdOffLeft() {
    int delay = 0;
    for (auto& t : tilesyHolded) delay += t->odkryj(delay);
    tilesyHolded.clear();
    startTile = nullptr;
}

void TMainGame::holdOffRight() {
    int delay = 0;
    for (auto& t : tilesyHolded) delay += t->rozbij(delay);
    tilesyHolded.clear();
    startTile = nullptr;
}

void TMainGame::WIN() {
    // Points still on their way are paid now, so the recorded score is the score shown; the empty
    // cells broken open below pay nothing.
    for (auto& row : level->tile)
        for (auto& t : row)
            if (t->punktuj && !t->punktowane) {
                addScore(25, t->dim.x, t->dim.y);
                t->punktowane = 1;
            }
    for (auto& row : level->tile)
        for (auto& t : row)
            if (t->td && t->td->id == 0 && !t->isUncovered() && t->rozbij(0)) t->punktowane = 1;
    toDraw = overTile = nullptr;
    tilesyHolded.clear();
    startTile = nullptr;
    setHand(0);
    showLevelCompleted();
    dGridA = 0;
    setState("WIN-1");
    TProfile& p = profile();
    p.updateLevelData(p.numerLevelu, 1, level->score, level->czas, p.mistakes, static_cast<int>(mnoznik));
}

void TMainGame::LOSE() {
    for (int i = 0; i < 19; ++i) {
        const float x = chestDim[i].x, y = chestDim[i].y;
        const bool low = Rand(0, 1) == 1;
        startChestPiece(chestFallImg[i], x, y, x - 200, y + 700, low ? x : x - 200, low ? y + 700 : y, 0);
    }
    setState("LOSE");
    setHand(0);
    toDraw = overTile = nullptr;
    tilesyHolded.clear();
    startTile = nullptr;
    if (level) sendAllDown(*level);
}

void TMainGame::_updateHandPick() {
    if (!mouse || state != "NORMAL") return;
    handOver = mouse->inRect(812, 248, 60, 55);
    hakOver = mouse->inRect(920, 248, 60, 55);
    if (mouse->leftPressed && handOver) setHand(0);
    if (mouse->leftPressed && hakOver) setHand(1);
    if (KeyHit(KEY_SPACE) && hand <= 1) setHand(1 - hand);
}

// The GUI follows the screen's fade; a power-up button shows only once the profile has unlocked it.
void TMainGame::_updateGUI() {
    if (!Gui) return;
    for (int k = 1; k <= 5; ++k)
        if (auto b = Gui->getItem("bonus" + std::to_string(k)))
            b->setState(profile().unlocked[k - 1] ? 1 : 0, 1);
    _updateGui();
}

void TMainGame::_controlGUI() {
    if (!Gui || Gui->_clicked.empty()) return;
    const std::string clicked = Gui->_clicked;
    if (state == "NORMAL") {
        const int kinds[6] = {0, 2, 3, 5, 4, 6};
        for (int k = 1; k <= 5; ++k)
            if (clicked == "bonus" + std::to_string(k)) useBonus(kinds[k]);
        if (clicked == "menu") goMenu();
    }
    if (clicked == "skip") goSkipTutorial();
}

// The in-game menu joins with the options screen; until then the menu button leaves to the title.
void TMainGame::goMenu() {
    if (mouse) mouse->setCursor("HAND");
    wynik = "MAIN-MENU";
    dFade = 1;
}

void TMainGame::goSkipTutorial() {
    profile().tutorialOn = 0;
    if (level) level->freeFromTutorial();
    if (Gui)
        if (auto skip = Gui->getItem("skip")) skip->setState(0, 0);
}

void TMainGame::_controlKeyBoard() {
    if (!cheatsOn) return;
    const int keys[5] = {'1', '2', '3', '4', KEY_F5};
    for (int i = 0; i < 5; ++i)
        if (KeyHit(keys[i])) profile().czas[i] = 0;
    if (KeyHit('W') && state == "NORMAL") WIN();
    if (KeyHit('M')) addMultiplier(1);
}

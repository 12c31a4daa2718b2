// The main game's frame update: the play states, the tools, drags, the win and the burst chest.
#include <algorithm>
#include <cmath>

#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/LoseScreen.h"
#include "nonogram/MainGame.h"
#include "nonogram/WinScreen.h"
#include "progress/Options.h"
#include "progress/Profile.h"
#include "screen/FrameServices.h"

using namespace eng;

namespace {

constexpr int KEY_ESCAPE = 27, KEY_LCONTROL = 162, KEY_F5 = 116;

bool leftHeld() {
    return mouse && mouse->leftHolded;
}
bool rightHeld() {
    return mouse && mouse->rightHolded;
}

}  // namespace

void TMainGame::update() {
    updateSystem(this, 0);
    // Tips turned off in the options: a tutorial level is played freely from now on.
    if (level && level->tutorialLevel && !profile().tutorialOn && !tutorialSkipped) goSkipTutorial();
    // Before the grid takes the click: a tip that a click ends keeps that click for itself.
    if (fade == 0 && level) level->tutorialLevel ? tutorialUpdate() : tutorialUpdateGeneral();
    _updateState();
    if (level) updateFlyingTresures(*level);
    approach(numberBacks, dNumberBacks, 0.05f);
    hints.flying.update();
    fx.emitters.update();
    fx.particles.update();
    chest.particleSkarbu.update();
    chest._updateEfekty();
    _updateTime();
    _updateFade();
    hints._updateHints();
    _updateGUI();
    powerUps._updateMiecz();
    fx.stones.update();
    chest._updateWorek();
    fx.debris.update();
    if (level) level->updateNumbers();
    hud._updateHandPick();
    powerUps._updatePowerUpStan();
    if (level) level->updateBack();
    _updateSpecialTip();
    if (state == TGameState::NORMAL) updateLeafSpawners(leafSpawners, fx.weather);
    updateWeather(fx.weather);
    approach(gridA, dGridA, 0.05f);
    fx.plates.update();
    powerUps.flying.update();
    fx.captions.update();
}

void TMainGame::_updateSpecialTip() {
    if (specialTip && !specialTip->update()) specialTip = nullptr;
}

void TMainGame::_updateState() {
    if (!level) return;
    switch (state) {
        case TGameState::BEGIN:
            if (fade == 0) {
                checkDialogs("BEGIN");
                setState(TGameState::BEGIN_FLY);
            }
            break;
        case TGameState::BEGIN_FLY:
            fx.flyingTiles.update();
            if (fx.flyingTiles.empty()) {
                setState(TGameState::NORMAL);
                level->showNumbers();
                dGridA = 1;
            }
            break;
        case TGameState::NORMAL:
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
                drag.toDraw = nullptr;
            if (level->levelCompleted) WIN();
            break;
        case TGameState::WIN_1:
            level->updateTiles();
            if (fx.captions.empty()) {
                setState(TGameState::WIN);
                if (winScreen) winScreen->mainLoop();
                fade = dFade = 1;
                wynik = "GET-NEXT-LEVEL";
            }
            break;
        case TGameState::LOSE:
            if (dFade != 1 && treasuresFalling(*level) == 0 && fx.debris.empty()) _runLoseScreen();
            break;
        default:
            break;
    }
}

// The lose screen over the burst chest; its answer leaves the level.
void TMainGame::_runLoseScreen() {
    const std::string answer = loseScreen ? loseScreen->mainLoop(*this) : "RESTART";
    _prepareDelta();
    dFade = 1;
    if (answer == "RESTART") {
        setState(TGameState::LOSE_END);
        wynik = "RESTART-LEVEL";
    } else {
        wynik = answer;
    }
}

// While a mouse button is held the cursor shows the tool the release would use; the eye, the map and the
// skull wait for a click of their own.
void TMainGame::_updateHand() {
    if (hand != TTool::HAND && hand != TTool::HOOK) {
        powerUps._updateHeldTool();
        return;
    }
    if (!mouse) return;
    const bool hook = (hand == TTool::HOOK) != rightHeld();
    mouse->setCursor(hook ? "HOOK" : "HAND");
}

void TMainGame::_cancelDrag() {
    if (mouse) mouse->clear();
    FlushMouse();
    overTile = clickedTile = nullptr;
    drag.cancel();
}

// A level starts from the key's real state: Ctrl let go during the win or the opening flight must not
// leave the hook in hand, and Ctrl held from the start gives the hook until it is let go.
void TMainGame::_takeCtrlState() {
    isControlHolded = KeyDown(KEY_LCONTROL) ? 1 : 0;
    setHand(isControlHolded ? TTool::HOOK : TTool::HAND);
}

void TMainGame::_updateTilesPlay() {
    if ((leftHeld() && rightHeld()) || KeyHit(KEY_ESCAPE)) {
        _cancelDrag();
        return;
    }
    // After a cancel the buttons must come up before a new drag can start.
    if (drag.waitingForRelease(leftHeld() || rightHeld())) return;
    // Ctrl held swaps the hand and the hook for as long as it is held.
    const bool ctrl = KeyDown(KEY_LCONTROL);
    if (ctrl != (isControlHolded != 0)) {
        isControlHolded = ctrl ? 1 : 0;
        if (hand == TTool::HAND || hand == TTool::HOOK)
            setHand(hand == TTool::HAND ? TTool::HOOK : TTool::HAND);
    }
    if (overTile && (leftHeld() || rightHeld()) && (hand == TTool::HAND || hand == TTool::HOOK)) {
        drag.holding = leftHeld() ? TDragButton::LEFT : TDragButton::RIGHT;
        drag.holdOn(*level, overTile);
    }
    if (!leftHeld() && !rightHeld() && drag.startTile) drag.release(hand);
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
    overTile = nullptr;
    drag.clear();
    setHand(TTool::HAND);
    showLevelCompleted(fx.captions);
    dGridA = 0;
    setState(TGameState::WIN_1);
    TProfile& p = profile();
    p.updateLevelData(p.numerLevelu, 1, level->score, level->czas, p.mistakes, static_cast<int>(mnoznik));
    // The result is recorded: the level can no longer be resumed (and scored again).
    if (p.actLevel == level) p.levelFinished();
}

void TMainGame::LOSE() {
    chest.burst();
    setState(TGameState::LOSE);
    setHand(TTool::HAND);
    overTile = nullptr;
    drag.clear();
    if (level) sendAllDown(*level);
}

// The GUI follows the screen's fade; then the power-up buttons take clicks when unlocked and charged.
void TMainGame::_updateGUI() {
    if (!Gui) return;
    // The menu answers only while the level is played (not during the opening flight or the end).
    if (auto menu = Gui->getItem("menu")) menu->_a = state == TGameState::NORMAL ? 1 : 0;
    _updateGui();
    powerUps._updateButtons();
}

void TMainGame::_controlGUI() {
    if (!Gui || Gui->_clicked.empty()) return;
    const std::string clicked = Gui->_clicked;
    if (state == TGameState::NORMAL) {
        const int kinds[6] = {0, 2, 3, 5, 4, 6};
        for (int k = 1; k <= 5; ++k)
            if (clicked == "bonus" + std::to_string(k)) useBonus(kinds[k]);
        if (clicked == "menu") goMenu();
    }
    if (clicked == "skip") goSkipTutorial();
}

// The in-game menu is the options screen over the level: the clocks stand still meanwhile, and its answer
// may leave the level.
void TMainGame::goMenu() {
    if (mouse) mouse->setCursor("HAND");
    if (!options) return;
    PauseMyGame();
    const std::string answer = options->mainLoop(this);
    ResumeMyGame();
    gameTime = MilliSecs() + 1000;
    _prepareDelta();
    if (mouse) mouse->clear();
    FlushMouse();
    const std::string next = answer == "RESTART" ? "RESTART-LEVEL" : answer;
    if (next.empty()) return;
    wynik = next;
    dFade = 1;
}

void TMainGame::goSkipTutorial() {
    tutorialSkipped = true;
    profile().tutorialOn = 0;
    if (level) level->freeFromTutorial();
    hideTutorial();
    if (Gui)
        if (auto skip = Gui->getItem("skip")) skip->setState(0, 0);
}

void TMainGame::_controlKeyBoard() {
    if (!cheatsOn) return;
    const int keys[5] = {'1', '2', '3', '4', KEY_F5};
    for (int i = 0; i < 5; ++i)
        if (KeyHit(keys[i])) profile().czas[i] = 0;
    if (KeyHit('W') && state == TGameState::NORMAL) WIN();
    if (KeyHit('M')) addMultiplier(1);
}

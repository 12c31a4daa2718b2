// The find-route puzzle's screen: set-up, the states, turning blocks, the route test, the lightning, the
// skip gauge and the drawing.
#include "minigames/FindRoutePuzzle.h"

#include <algorithm>

#include "audio/GlobalSnd.h"
#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "minigames/MiniGame.h"
#include "progress/LevelManager.h"
#include "progress/Options.h"
#include "progress/ProfileManager.h"
#include "screen/FrameServices.h"

using namespace eng;

TFindRoutePuzzle* findRoutePuzzle = nullptr;

namespace {

constexpr int KEY_F1 = 112;

}  // namespace

void TFindRoutePuzzle::setup() {
    gauge.setup();
    leftPan = miniPicture("gfx/miniGames/routeFind/left.png");
    leftPower = miniPicture("gfx/miniGames/routeFind/left-power.png");
    rightPan = miniPicture("gfx/miniGames/routeFind/right.png");
    rightPower = miniPicture("gfx/miniGames/routeFind/right-power.png");
    panelGui = miniPicture("gfx/minigames/gornyPanel.png");
    for (int i = 0; i < 5; ++i)
        frBlockImages[i] = miniPicture("gfx/minigames/routeFind/block" + std::to_string(i) + ".png", true);
    Gui = loadGui(programPrefix + "gfx/miniGames/puzzleExpress/puzzleExpress.gui");
    const std::string berry = programPrefix + "gfx/fonts/berry.ttf";
    font = getFont(berry, 18);
    font2 = getFont(berry, 26);
    loadLightningImages();
}

// ---------------------------------------------------------------- a visit

std::string TFindRoutePuzzle::mainLoop() {
    if (!level) return "GET-NEXT-LEVEL";
    prepare();
    runLoop();
    bolts.clear();
    hideTutorial();
    return wynik;
}

void TFindRoutePuzzle::prepare() {
    dFade = 0;
    fade = 1;
    alpha = dAlpha = 1;
    state = "BEGIN";
    wynik.clear();
    powerAlpha = dPowerAlpha = {0, 0};
    gauge.start();
    winPoints.clear();
    bolts.clear();
    boltN = 0;
    boltA = 0;
    check = 0;
    overBlock = nullptr;
    TProfile* p = activeProfile();
    if (p) p->gameType = "FINDROUTE-PUZZLE";
    if (globalSnd && p) globalSnd->playLevelMusic(p->numerStageu);
    background = loadImageOrWarn(programPrefix + levelManager.getBackgroundUrl());
    if (Gui) Gui->clearClicked();
    FlushMouse();
    if (mouse) mouse->clear();
    _prepareDelta();
}

void TFindRoutePuzzle::update() {
    updateSystem(this, 0);
    tutorialUpdate();
    _updateState();
    _updateAlpha();
    for (int i = 0; i < 2; ++i) approach(powerAlpha[i], dPowerAlpha[i], 0.05f);
    _updateGui();
    gauge.update(true, true);
    _updateFade();
}

void TFindRoutePuzzle::_updateState() {
    if (state == "BEGIN") {
        if (fade == 0) {
            state = "NORMAL";
            checkDialogs("BEGIN");
        }
    } else if (state == "NORMAL") {
        _updateBlocks();
    } else if (state == "END") {
        // The bolt runs one segment of the route every four frames.
        boltA += 0.25f * frameDelta;
        while (boltA > 1) {
            boltA -= 1;
            boltN += 1;
        }
        if (MilliSecs() > waitTime) _finishLevel();
    }
}

// Solved or skipped: the profile keeps the level as passed, so the stage screen opens the next one.
void TFindRoutePuzzle::_finishLevel() {
    wynik = "GET-NEXT-LEVEL";
    checkDialogs("END");
    state = "END-TWO";
    dFade = 1;
    recordMiniWin(level, static_cast<int>((MilliSecs() - gauge.skipTime) / 1000));
}

void TFindRoutePuzzle::_updateBlocks() {
    if (!level || wynik == "RESTART-LEVEL") return;
    overBlock = nullptr;
    for (auto& row : level->blocks)
        for (auto& b : row)
            if (b.update(static_cast<float>(level->drawX), static_cast<float>(level->drawY))) overBlock = &b;
    if (overBlock && mouse && mouse->leftPressed) {
        overBlock->Rotate();
        check = 1;
    }
    if (check && nothingIsHappening()) {
        check = 0;
        _updateCheckWin();
    }
}

bool TFindRoutePuzzle::nothingIsHappening() const {
    for (const auto& row : level->blocks)
        for (const auto& b : row)
            if (!b.nothing()) return false;
    return true;
}

void TFindRoutePuzzle::_updateCheckWin() {
    if (!level) return;
    const std::vector<TFRBlock*> route = findRoute(*level);
    if (route.empty()) return;
    level->CountPositions();
    boltA = 0;
    boltN = 0;
    dPowerAlpha[0] = 1;
    winPoints.clear();
    auto point = [](int x, int y) {
        TDim d;
        d.x = static_cast<float>(x);
        d.y = static_cast<float>(y);
        return d;
    };
    winPoints.push_back(point(level->entryX, level->entryY));
    for (const TFRBlock* b : route) winPoints.push_back(point(b->drawX, b->drawY));
    winPoints.push_back(point(level->endX, level->endY));
    Win();
}

void TFindRoutePuzzle::Win() {
    state = "END";
    waitTime = MilliSecs() + 4000;
}

void TFindRoutePuzzle::afterFrame() {
    if (dFade == 1) return;
    if (Gui && Gui->clickedItem("menu")) {
        wynik = miniGameMenu(*this);
        if (!wynik.empty()) dFade = 1;
        return;
    }
    if (gauge.ready() && mouse && mouse->leftPressed) SkipWin();
    if (cheatsOn && KeyHit(KEY_F1)) {
        wynik = "RESTART-LEVEL";
        dFade = 1;
    }
    if (cheatsOn && KeyHit('S')) gauge.skipTime -= 2000;
}

// ---------------------------------------------------------------- the lightning

void TFindRoutePuzzle::CreateBolts() {
    bolts.clear();
    if (boltN >= static_cast<int>(winPoints.size())) dPowerAlpha[1] = 1;
    for (int i = 0; i + 1 < static_cast<int>(winPoints.size()); ++i) {
        const TDim& a = winPoints[i];
        const TDim& b = winPoints[i + 1];
        if (i < boltN) {
            bolts.push_back(createLightningBolt(static_cast<int>(a.x), static_cast<int>(a.y),
                                                static_cast<int>(b.x), static_cast<int>(b.y), 0.4f, 0.4f, 255,
                                                255, 255));
        } else {
            const float ex = a.x + (b.x - a.x) * boltA, ey = a.y + (b.y - a.y) * boltA;
            bolts.push_back(createLightningBolt(static_cast<int>(a.x), static_cast<int>(a.y),
                                                static_cast<int>(ex), static_cast<int>(ey), 0.4f, 0.4f, 255,
                                                255, 255));
            break;
        }
    }
}

// ---------------------------------------------------------------- drawing

void TFindRoutePuzzle::draw() {
    resetDrawState();
    if (background) DrawImage(background, 0, 0);
    _drawGame();
    resetDrawState();
    if (panelGui) DrawImage(panelGui, 0, 0);
    _drawGui();
    gauge.draw();
    if (level) drawMiniTitle(font2, level->title, 8);
    tutorialDraw();
    _drawFade();
    _drawMouse();
}

void TFindRoutePuzzle::_drawGame() {
    if (!level) return;
    const float x0 = static_cast<float>(level->drawX), y0 = static_cast<float>(level->drawY);
    // The source left of the start block and the receiver right of the end block, with their lights.
    for (auto& row : level->blocks)
        for (auto& b : row) {
            b.drawX = static_cast<int>(b.x + x0);
            b.drawY = static_cast<int>(b.y + y0);
        }
    resetDrawState();
    if (const TFRBlock* s = level->startBlock) {
        if (leftPan) DrawImage(leftPan, s->drawX - 123.0f, s->drawY - 51.0f);
        if (leftPower && powerAlpha[0] != 0) {
            SetAlpha(powerAlpha[0]);
            DrawImage(leftPower, s->drawX - 123.0f + 15, s->drawY - 51.0f + 12);
            SetAlpha(1);
        }
    }
    if (const TFRBlock* e = level->endBlock) {
        if (rightPan) DrawImage(rightPan, e->drawX + 49.0f, e->drawY - 51.0f);
        if (rightPower && powerAlpha[1] != 0) {
            SetAlpha(powerAlpha[1]);
            DrawImage(rightPower, e->drawX + 49.0f, e->drawY - 51.0f + 29);
            SetAlpha(1);
        }
    }
    // Turning blocks lie on top of the others.
    for (int turning = 0; turning < 2; ++turning)
        for (auto& row : level->blocks)
            for (auto& b : row)
                if (b.state == turning) b.draw(x0, y0);
    if (state == "END" || state == "END-TWO") {
        if (MilliSecs() > nextBoltTime) {
            nextBoltTime = MilliSecs() + 50;
            CreateBolts();
        }
        resetDrawState();
        SetBlend(LIGHTBLEND);
        for (auto& bolt : bolts) bolt.draw();
        resetDrawState();
    }
}

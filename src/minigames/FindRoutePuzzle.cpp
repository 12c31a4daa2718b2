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
#include "progress/LevelManager.h"
#include "progress/Options.h"
#include "progress/ProfileManager.h"
#include "screen/FrameServices.h"

using namespace eng;

TFindRoutePuzzle* findRoutePuzzle = nullptr;

namespace {

constexpr int KEY_F1 = 112;

Image picture(const std::string& path, bool mid = false) {
    Image img = loadImageOrWarn(programPrefix + path);
    if (img && mid) MidHandleImage(img);
    return img;
}

}  // namespace

void TFindRoutePuzzle::setup() {
    skipFront = picture("gfx/miniGames/puzzleExpress/hints_front.png");
    skipBack = picture("gfx/miniGames/puzzleExpress/hints_back.png");
    skip = picture("gfx/miniGames/puzzleExpress/hint.png");
    leftPan = picture("gfx/miniGames/routeFind/left.png");
    leftPower = picture("gfx/miniGames/routeFind/left-power.png");
    rightPan = picture("gfx/miniGames/routeFind/right.png");
    rightPower = picture("gfx/miniGames/routeFind/right-power.png");
    panelGui = picture("gfx/minigames/gornyPanel.png");
    pasek = picture("gfx/minigames/pasek.png");
    nakrycie = picture("gfx/minigames/nakrycie.png");
    for (int i = 0; i < 5; ++i)
        frBlockImages[i] = picture("gfx/minigames/routeFind/block" + std::to_string(i) + ".png", true);
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
    return wynik;
}

void TFindRoutePuzzle::prepare() {
    dFade = 0;
    fade = 1;
    alpha = dAlpha = 1;
    state = "BEGIN";
    wynik.clear();
    powerAlpha = dPowerAlpha = {0, 0};
    skipTime = MilliSecs();
    skipA = dSkipA = 0;
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
    _updateState();
    _updateAlpha();
    for (int i = 0; i < 2; ++i) approach(powerAlpha[i], dPowerAlpha[i], 0.05f);
    _updateGui();
    _updateSkip();
    _updateFade();
}

void TFindRoutePuzzle::_updateState() {
    if (state == "BEGIN") {
        if (fade == 0) state = "NORMAL";
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
    state = "END-TWO";
    dFade = 1;
    if (TProfile* p = activeProfile()) {
        p->updateLevelData(p->numerLevelu, 1, 0, static_cast<int>((MilliSecs() - skipTime) / 1000), 0, 1);
        if (p->actLevel == level) p->levelFinished();
    }
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

float TFindRoutePuzzle::skipCharge() const {
    return std::clamp(static_cast<float>(MilliSecs() - skipTime) / maxTimeSkip, 0.0f, 1.0f);
}

void TFindRoutePuzzle::_updateSkip() {
    const float q = skipCharge();
    const float w = skip ? static_cast<float>(ImageWidth(skip)) : 70,
                h = skip ? static_cast<float>(ImageHeight(skip)) : 48;
    const bool over = mouse && mouse->inRect(940, static_cast<float>(static_cast<int>((1 - q) * 40)), w, h);
    dSkipA = q == 1 && over ? 1.0f : 0.0f;
    if (skipA < dSkipA)
        skipA = std::min(skipA + 0.05f * frameDelta, dSkipA);
    else
        skipA = std::max(skipA - 0.1f * frameDelta, dSkipA);
}

void TFindRoutePuzzle::afterFrame() {
    if (dFade == 1) return;
    if (Gui && Gui->clickedItem("menu")) {
        goMenu();
        return;
    }
    if (dSkipA != 0 && mouse && mouse->leftPressed) SkipWin();
    if (cheatsOn && KeyHit(KEY_F1)) {
        wynik = "RESTART-LEVEL";
        dFade = 1;
    }
    if (cheatsOn && KeyHit('S')) skipTime -= 2000;
}

// The options screen over the puzzle; its answer may leave the level.
void TFindRoutePuzzle::goMenu() {
    if (!options) return;
    const std::string answer = options->mainLoop(this);
    _prepareDelta();
    FlushMouse();
    if (mouse) mouse->clear();
    if (answer == "MAIN-MENU" || answer == "MAPA") wynik = answer;
    if (answer == "RESTART") wynik = "RESTART-LEVEL";
    if (!wynik.empty()) dFade = 1;
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
    _drawSkip();
    _drawInfo();
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

void TFindRoutePuzzle::_drawSkip() const {
    resetDrawState();
    const float q = skipCharge();
    if (pasek) {
        const float w = static_cast<float>(ImageWidth(pasek)), h = static_cast<float>(ImageHeight(pasek));
        if (q > 0) DrawSubImageRect(pasek, 946, 7, w * q, h, 0, 0, w * q, h, 0, 0, 0);
        SetBlend(LIGHTBLEND);
        SetAlpha(0.4f * skipA);
        DrawImage(pasek, 942, 4);
        resetDrawState();
    }
    if (nakrycie) DrawImage(nakrycie, 941, 3);
}

void TFindRoutePuzzle::_drawInfo() const {
    if (!level || level->title.empty()) return;
    SetImageFont(font2);
    const float x = static_cast<float>(512 - static_cast<int>(TextWidth(level->title)) / 2);
    SetColor(0, 0, 0);
    SetAlpha(0.5f);
    DrawText(level->title, x + 2, 10);
    SetAlpha(1);
    SetColor(247, 222, 113);
    DrawText(level->title, x, 8);
    resetDrawState();
}

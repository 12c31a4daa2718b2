// The chest puzzle's screen: set-up, a visit, the states, carrying and turning blocks, and the win.
#include "minigames/PuzzleExpress.h"

#include <cmath>

#include "audio/GlobalSnd.h"
#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "minigames/MiniGame.h"
#include "progress/LevelManager.h"
#include "progress/ProfileManager.h"
#include "screen/FrameServices.h"

using namespace eng;

TPuzzleExpress* puzzleExpress = nullptr;

namespace {
constexpr int KEY_SPACE = 32, KEY_LEFT = 37, KEY_RIGHT = 39, KEY_CTRL = 17;

void playSound(const char* id) {
    if (globalSnd) globalSnd->playMySound(id);
}
}  // namespace

void TPuzzleExpress::setup() {
    const std::string dir = "gfx/miniGames/puzzleExpress/";
    panel = miniPicture("gfx/minigames/gornyPanel.png");
    chest = miniPicture(dir + "chest.png");
    chestCover = miniPicture(dir + "chest-Cover.png");
    if (chestCover) SetImageHandle(chestCover, -62, -46);
    listwa = miniPicture(dir + "papier.png");
    gauge.setup();
    titleFont = getFont(programPrefix + "gfx/fonts/font.ttf", 22);
    Gui = loadGui(programPrefix + dir + "puzzleExpress.gui");
    found.setup();
    peData.load();
}

// ---------------------------------------------------------------- a visit

std::string TPuzzleExpress::mainLoop() {
    if (!level) return "GET-NEXT-LEVEL";
    prepare();
    runLoop();
    overBlock = clickedBlock = nullptr;
    hideTutorial();
    return wynik;
}

void TPuzzleExpress::prepare() {
    fade = 1;
    dFade = 0;
    wynik.clear();
    lp = 0;
    listwaX = 1100;
    listwaY = 616;
    coverP = 0;
    objA = dObjA = 0;
    gauge.start();
    input.reset();
    overBlock = clickedBlock = nullptr;
    time = MilliSecs() + 1000;
    TProfile* p = activeProfile();
    if (p) p->gameType = "PUZZLE-EXPRESS";
    if (globalSnd && p) globalSnd->playLevelMusic(p->numerStageu);
    state = "BEGIN";
    level->p = 0;
    level->alpha = level->dAlpha = 0;
    level->setPosition(kBoardX, 680);
    // A block still on the mouse when the level was left lies where it was.
    for (auto& b : level->blocks) {
        b->clickedA = b->dClickedA = b->overA = b->dOverA = 0;
        b->dir = b->dDir;
    }
    level->backUrl = levelManager.getBackgroundUrl();
    level->backGround = loadImageOrWarn(programPrefix + level->backUrl);
    if (Gui) Gui->clearClicked();
    FlushMouse();
    if (mouse) mouse->clear();
    _prepareDelta();
}

void TPuzzleExpress::update() {
    updateSystem(this, 0);
    tutorialUpdate();
    _updateGui();
    _updateFade();
    _updateState();
    gauge.update(state == "NORMAL", false);
    approach(objA, dObjA, 0.02f);
    approach(level->alpha, level->dAlpha, 0.01f);
    if (MilliSecs() > time) {
        level->time += 1;
        time = MilliSecs() + 1000;
    }
}

void TPuzzleExpress::_updateState() {
    if (state == "BEGIN") {
        level->p = std::min(level->p + 0.02f * frameDelta, 1.0f);
        level->setPosition(kBoardX, 680 - 600 * fsin(90 * level->p));
        if (level->p == 1) state = "BEGIN-2";
    } else if (state == "BEGIN-2") {
        lp = std::min(lp + 0.02f * frameDelta, 1.0f);
        listwaX = 950 - (listwa ? static_cast<float>(ImageWidth(listwa)) : 900) * fsin(90 * lp);
        if (lp == 1) {
            checkDialogs("BEGIN");
            state = "NORMAL";
            level->dAlpha = 1;
        }
    } else if (state == "NORMAL") {
        _updatePlay();
    } else if (state == "WIN-1") {
        level->dAlpha = 0;
        if (level->alpha == 0) {
            state = "WIN-2";
            coverP = 0;
            playSound("puzzles_end_level");
        }
    } else if (state == "WIN-2") {
        coverP = std::min(coverP + 0.007f * frameDelta, 1.0f);
        if (coverP == 1) state = "WIN-3";
    } else if (state == "WIN-3") {
        dObjA = 1;
        if (objA == 1) {
            // The end dialogs run once, with or without an object in the chest.
            checkDialogs("END");
            wynik = "GET-NEXT-LEVEL";
            dFade = 1;
            state = "WIN-4";
        }
    }
}

void TPuzzleExpress::_updatePlay() {
    overBlock = nullptr;
    for (auto& b : level->blocks) {
        if (b->update()) {
            if (!clickedBlock || clickedBlock == b.get()) {
                overBlock = b.get();
                b->dOverA = 1;
            }
        } else {
            b->dOverA = 0;
        }
    }
    const bool ctrl = KeyDown(KEY_CTRL) || KeyDown(162) || KeyDown(163);
    switch (input.step(clickedBlock != nullptr, overBlock != nullptr, ctrl, true)) {
        case TCarryInput::PICK_UP:
            useClick(overBlock);
            break;
        case TCarryInput::SECOND_PRESS:
            rotate();
            return;
        case TCarryInput::DROP:
            useClick(clickedBlock);
            FlushKeys();
            FlushMouse();
            if (mouse) mouse->clear();
            break;
        case TCarryInput::NONE:
            break;
    }
    if (level->allCovered()) WIN();
}

void TPuzzleExpress::useClick(TBlock* block) {
    if (!block || !mouse) return;
    const float mx = static_cast<float>(mouse->x), my = static_cast<float>(mouse->y);
    if (clickedBlock) {
        TBlock* b = clickedBlock;
        b->click(0, mx, my);
        b->dOverA = 0;
        if (level->checkPut(*b)) playSound("put");
        clickedBlock = nullptr;
    } else {
        level->cleanTileFromBlock(*block);
        level->toTop(*block);
        clickedBlock = block;
        block->click(1, mx, my);
    }
    mouse->leftPressed = 0;
}

void TPuzzleExpress::rotate2(int d) {
    if (!clickedBlock || clickedBlock->turning() || (d != 1 && d != -1)) return;
    playSound("rotate");
    clickedBlock->dDir += 90.0f * static_cast<float>(d);
}

void TPuzzleExpress::WIN() {
    if (state.rfind("WIN", 0) == 0) return;
    state = "WIN-1";
    if (clickedBlock) {
        clickedBlock->click(0, 0, 0);
        clickedBlock = nullptr;
    }
    recordMiniWin(level, level->time);
}

void TPuzzleExpress::afterFrame() {
    if (dFade == 1 || !mouse) return;
    if (mouse->rightPressed || KeyHit(KEY_SPACE)) rotate();
    if (mouse->vz != 0) rotate2(mouse->vz > 0 ? 1 : -1);
    if (KeyHit(KEY_LEFT)) rotate2(-1);
    if (KeyHit(KEY_RIGHT)) rotate2(1);
    if (gauge.ready() && mouse->leftPressed) WIN();
    if (cheatsOn) {
        if (KeyHit('S')) gauge.skipTime -= 2000;
        if (KeyHit('W') && state == "NORMAL") WIN();
        if (KeyHit('R')) {
            wynik = "RESTART-LEVEL";
            fade = dFade = 1;
        }
    }
    if (Gui && Gui->clickedItem("menu")) {
        wynik = miniGameMenu(*this);
        if (!wynik.empty()) dFade = 1;
    }
}

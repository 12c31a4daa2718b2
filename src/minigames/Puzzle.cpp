// The jigsaw's screen: set-up, a visit, the states, carrying pieces, the skip flights and the drawing.
#include "minigames/Puzzle.h"

#include <algorithm>

#include "audio/GlobalSnd.h"
#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "minigames/LevelFileCheck.h"
#include "minigames/MiniGame.h"
#include "progress/LevelData.h"
#include "progress/LevelManager.h"
#include "progress/ProfileManager.h"
#include "screen/FrameServices.h"

using namespace eng;

TPuzzle* puzzle = nullptr;

namespace {
constexpr int KEY_F1 = 112;
}

void TPuzzle::setup() {
    podkladka = miniPicture("gfx/miniGames/Puzzle/podklad.png", true);
    panel = miniPicture("gfx/minigames/gornyPanel.png");
    gauge.setup();
    font = getFont(programPrefix + "gfx/fonts/font.ttf", 24);
    Gui = loadGui(programPrefix + "gfx/miniGames/puzzleExpress/puzzleExpress.gui");
}

void TPuzzle::SetLevel(const std::shared_ptr<TPuzzleLevel>& l) {
    level = l;
    background = loadImageOrWarn(programPrefix + levelManager.getBackgroundUrl());
}

// ---------------------------------------------------------------- a visit

std::string TPuzzle::mainLoop() {
    // A level that could not be read is passed over rather than sending the player back to it for ever.
    if (!level) {
        Warn("the jigsaw level cannot be played; going on to the next entry");
        return "GET-NEXT-LEVEL";
    }
    prepare();
    runLoop();
    over = clicked = nullptr;
    hideTutorial();
    return wynik;
}

void TPuzzle::prepare() {
    if (!background) background = loadImageOrWarn(programPrefix + levelManager.getBackgroundUrl());
    dFade = 0;
    fade = 1;
    wynik.clear();
    state = "BEGIN";
    gauge.start();
    input.reset();
    over = clicked = nullptr;
    for (auto& p : level->puzzles) {
        p->holded = 0;
        p->ha = p->dha = 0;
    }
    TProfile* p = activeProfile();
    if (p) p->gameType = "PUZZLE";
    if (globalSnd && p) globalSnd->playLevelMusic(p->numerStageu);
    if (Gui) Gui->clearClicked();
    FlushMouse();
    if (mouse) mouse->clear();
    _prepareDelta();
}

void TPuzzle::update() {
    updateSystem(this, 0);
    tutorialUpdate();
    _updateState();
    _updateFade();
    gauge.update(state == "GAME", true);
    _updateGui();
    _updateCheckWin();
}

void TPuzzle::_updateState() {
    if (state == "BEGIN") {
        if (fade == 0) {
            state = "GAME";
            checkDialogs("BEGIN");
        }
    } else if (state == "GAME") {
        _updatePuzzles(0);
    } else if (state == "SKIP") {
        _updatePuzzles(1);
    } else if (state == "END") {
        // The end is final: the dialogs run once and the screen fades out.
        if (fade == 0) {
            state = "DONE";
            checkDialogs("END");
            dFade = 1;
        }
    }
}

void TPuzzle::_updatePuzzles(int blocked) {
    over = nullptr;
    for (auto& p : level->puzzles)
        if (p->isOver()) over = p.get();
    if (blocked) {
        over = nullptr;
        return;
    }
    switch (input.step(clicked != nullptr, over != nullptr, false, false)) {
        case TCarryInput::PICK_UP:
            useClick(over);
            break;
        case TCarryInput::DROP:
            useClick(clicked);
            FlushKeys();
            FlushMouse();
            if (mouse) mouse->clear();
            break;
        default:
            break;
    }
}

void TPuzzle::useClick(TPuzzleElement* piece) {
    if (mouse) mouse->leftPressed = 0;
    const int mx = mouse ? mouse->x : 0, my = mouse ? mouse->y : 0;
    if (clicked) {
        TPuzzleElement* c = clicked;
        clicked = nullptr;
        c->click(0, mx, my);
        SortPuzzles();
        return;
    }
    if (!piece) return;
    clicked = piece;
    piece->click(1, mx, my);
    auto it = std::find_if(level->puzzles.begin(), level->puzzles.end(),
                           [&](const auto& q) { return q.get() == piece; });
    if (it != level->puzzles.end()) std::rotate(it, it + 1, level->puzzles.end());
}

void TPuzzle::SortPuzzles() {
    std::stable_partition(level->puzzles.begin(), level->puzzles.end(),
                          [](const auto& p) { return p->putOk; });
    const auto firstLoose =
        std::find_if(level->puzzles.begin(), level->puzzles.end(), [](const auto& p) { return !p->putOk; });
    std::stable_sort(level->puzzles.begin(), firstLoose,
                     [](const auto& a, const auto& b) { return a->CountZ() < b->CountZ(); });
}

void TPuzzle::_updateCheckWin() {
    if (state == "END" || state == "DONE" || !level->allInPosition()) return;
    Win();
}

void TPuzzle::Win() {
    if (state == "END" || state == "DONE") return;
    wynik = "GET-NEXT-LEVEL";
    state = "END";
    if (clicked) {
        clicked->holded = 0;
        clicked = nullptr;
    }
    recordMiniWin(level, level->time);
}

void TPuzzle::SkipWIN() {
    if (state != "GAME") return;
    if (clicked) {
        clicked->holded = 0;
        clicked = nullptr;
    }
    for (auto& p : level->puzzles) p->MoveToPosition(Rand(0, 1) == 1);
    state = "SKIP";
}

void TPuzzle::afterFrame() {
    if (dFade == 1) return;
    if (Gui && Gui->clickedItem("menu")) {
        wynik = miniGameMenu(*this);
        if (!wynik.empty()) dFade = 1;
        return;
    }
    if (gauge.ready() && mouse && mouse->leftPressed) SkipWIN();
    if (cheatsOn) {
        if (KeyHit(KEY_F1)) {
            wynik = "RESTART-LEVEL";
            fade = dFade = 1;
        }
        if (KeyHit('W')) Win();
        if (KeyHit('S')) gauge.skipTime -= 2000;
    }
}

// ---------------------------------------------------------------- drawing

void TPuzzle::draw() {
    resetDrawState();
    if (background) DrawImage(background, 0, 0);
    if (panel) DrawImage(panel, 0, 0);
    if (podkladka) DrawImage(podkladka, 512, 384);
    for (const auto& p : level->puzzles) p->drawMeShodowed();
    resetDrawState();
    _drawGui();
    resetDrawState();
    for (const auto& p : level->puzzles) p->draw();
    gauge.draw();
    drawMiniTitle(font, level->title, 8);
    tutorialDraw();
    _drawFade();
    _drawMouse();
}

// ---------------------------------------------------------------- the level flow

void registerPuzzleKind() {
    TLevelKind kind;
    kind.start = [](const TLevelData& entry) -> std::shared_ptr<TFlowLevel> {
        auto level = loadPuzzleLevel(entry.url);
        if (level && puzzle) puzzle->SetLevel(level);
        return level;
    };
    kind.load = [](const std::string& path) {
        return loadSavedLevel(path, [](const std::string& saved) { return loadPuzzleLevel(saved); });
    };
    kind.resume = [](const std::shared_ptr<TFlowLevel>& saved) {
        auto level = std::dynamic_pointer_cast<TPuzzleLevel>(saved);
        if (level && puzzle) puzzle->SetLevel(level);
    };
    registerLevelKind("PUZZLE", kind);
}

// The level scene: a level with its numbers on an empty screen, played with the mouse.
#include "LevelScene.h"

#include <cstdio>

#include "effects/Emitter.h"
#include "effects/Particle.h"
#include "gui/Mouse.h"
#include "nonogram/Caption.h"
#include "nonogram/FlyingTile.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/Level.h"
#include "nonogram/MainGame.h"
#include "nonogram/Plate.h"
#include "screen/FrameServices.h"

using namespace eng;

std::string TLevelScene::mainLoop() {
    level_ = loadLevel(path_, 1);
    if (!level_) return "END";
    return TEkran::mainLoop();
}

void TLevelScene::finish() {
    clearFlyingTiles();
    clearPlates();
    clearCaptions();
    clearParticles();
}

void TLevelScene::afterFrame() {
    if (KeyHit(27)) {
        wynik = "END";
        dAlpha = 0;
    }
}

void TLevelScene::prepare() {
    if (!mainGame) mainGame = std::make_shared<TMainGame>();
    mainGame->level = level_;
    mainGame->setState("BEGIN-FLY");
    level_->freeFromTutorial();  // no tutorial runs here: every cell takes the tools
    level_->setProperPosition();
    level_->InitNumberBack();
    level_->setNumbersAlpha(0);
    level_->hideNumbers();
    startOpeningFlight(*level_);
    flying_ = true;
    completed_ = false;
    alpha = dAlpha = 1;
    wynik.clear();
}

void TLevelScene::update() {
    updateSystem(this, 0);
    _updateAlpha();
    updateFlyingTresures(*level_);
    updateEmitters(nullptr);
    updateParticles(nullptr);
    if (flying_) {
        updateFlyingTiles();
        if (flyingTileList.empty()) {
            flying_ = false;
            mainGame->setState("NORMAL");
            level_->showNumbers();
            // Where the cells are, so a script can aim at them: the centre of cell (r, c) is
            // (x0 + c * w + 4 * (c / 5), y0 + r * h + 4 * (r / 5)).
            const auto& first = level_->tile[0][0]->dim;
            std::printf("scene: cells landed; cell 0,0 at %d,%d; pitch %d x %d\n", static_cast<int>(first.x),
                        static_cast<int>(first.y), level_->singleW, level_->singleH);
            std::fflush(stdout);
        }
    }
    level_->updateNumbers();
    if (!flying_) {
        mainGame->overTile = level_->updateOver();
        if (mainGame->overTile && mouse) {
            if (mouse->leftPressed) mainGame->overTile->odkryj(0);
            if (mouse->rightPressed) mainGame->overTile->rozbij(0);
        }
    }
    level_->updateTiles();
    if (level_->levelCompleted && !completed_) {
        completed_ = true;
        std::printf("scene: level completed\n");
        showLevelCompleted();
    }
    if (KeyHit(83)) std::printf("scene: score %d\n", level_->score);  // S
    updatePlates();
    updateCaptions();
}

void TLevelScene::_drawBackdrop() const {
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetRotation(0);
    SetAlpha(1);
    for (int i = 0; i < 16; ++i) {
        SetColor(28 + i * 2, 40 + i * 3, 70 + i * 3);
        DrawRect(0, i * 48.0f, 1024, 48);
    }
    // The number panels and the grid field, so the clues and cells read as in the game.
    SetColor(18, 30, 58);
    SetAlpha(0.55f);
    DrawRect(level_->leftX, level_->leftY, level_->leftW, level_->leftH);
    DrawRect(level_->upX, level_->upY, level_->upW, level_->upH);
    SetAlpha(1);
    SetColor(255, 255, 255);
}

void TLevelScene::draw() {
    _drawBackdrop();
    level_->drawTiles();
    drawFlyingTiles();
    if (!flying_ && mainGame->overTile) level_->drawOver(mainGame->overTile.get());
    level_->drawNumbers();
    drawFlyingTresures(*level_);
    drawParticles(nullptr);
    drawPlates();
    drawCaptions();
    SetBlend(ALPHABLEND);
    SetAlpha(1);
    SetScale(1, 1);
    SetRotation(0);
    SetColor(255, 255, 255);
    _drawMouse();
}

// The level scene: a level with its numbers on an empty screen, played with the mouse.
#include "LevelScene.h"

#include <cstdio>

#include "Backdrop.h"
#include "core/DrawState.h"
#include "gui/Mouse.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/Level.h"
#include "screen/FrameServices.h"

using namespace eng;

std::string TLevelScene::mainLoop() {
    level_ = loadLevel(path_, 1);
    if (!level_) return "END";
    return TEkran::mainLoop();
}

void TLevelScene::finish() {
    fx_.clear();
    over_ = nullptr;
}

void TLevelScene::afterFrame() {
    if (KeyHit(27)) {
        wynik = "END";
        dAlpha = 0;
    }
}

void TLevelScene::prepare() {
    level_->host = this;
    level_->freeFromTutorial();  // no tutorial runs here: every cell takes the tools
    level_->setProperPosition();
    level_->InitNumberBack();
    level_->setNumbersAlpha(0);
    level_->hideNumbers();
    startOpeningFlight(*level_, fx_.flyingTiles);
    flying_ = true;
    completed_ = false;
    alpha = dAlpha = 1;
    wynik.clear();
}

void TLevelScene::addScore(float points, float x, float y) {
    startScorePopup(0, static_cast<int>(points), x, y, 0, level_->size, fx_.captions);
    level_->score = static_cast<int>(level_->score + points);
}

void TLevelScene::wyslijKamien(TTile& tile) {
    startStone(*this, 0, tile.dim.x, tile.dim.y, 1100, 800, level_->size);
}

void TLevelScene::update() {
    updateSystem(this, 0);
    _updateAlpha();
    updateFlyingTresures(*level_);
    fx_.emitters.update();
    fx_.particles.update();
    if (flying_) {
        fx_.flyingTiles.update();
        if (fx_.flyingTiles.empty()) {
            flying_ = false;
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
        over_ = level_->updateOver();
        if (over_ && mouse) {
            if (mouse->leftPressed) over_->odkryj(0);
            if (mouse->rightPressed) over_->rozbij(0);
        }
    }
    level_->updateTiles();
    if (level_->levelCompleted && !completed_) {
        completed_ = true;
        std::printf("scene: level completed\n");
        showLevelCompleted(fx_.captions);
    }
    if (KeyHit(83)) std::printf("scene: score %d\n", level_->score);  // S
    fx_.stones.update();
    fx_.plates.update();
    fx_.captions.update();
}

void TLevelScene::_drawBackdrop() const {
    drawDeveloperBackdrop();
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
    fx_.flyingTiles.draw();
    if (!flying_ && over_) level_->drawOver(over_.get());
    level_->drawNumbers();
    drawFlyingTresures(*level_);
    fx_.particles.draw();
    fx_.plates.draw();
    fx_.stones.draw();
    fx_.captions.draw();
    resetDrawState();
    _drawMouse();
}

// The main game's drawing, back to front: background, flying cells, grid and numbers, drag labels, the
// panel with time, score, tools, chest, bag and mistakes, then the effects, captions, fade and cursor.
#include <algorithm>
#include <cmath>

#include "core/DrawState.h"
#include "core/Globals.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/MainGame.h"

using namespace eng;

namespace {

constexpr int KEY_V = 86;

}  // namespace

void TMainGame::draw() {
    _drawBack();
    drawWeather(fx.weather);
    fx.flyingTiles.draw();
    _drawLevel();
    if (level) drag.draw(*level, hand);
    hud.drawPanel();
    hud.drawScore();
    hud.drawTime();
    hints._drawHints();
    chest.drawBack();
    if (level) drawFlyingTresures(*level);
    chest.particleSkarbu.draw();
    resetDrawState();
    chest.drawFront();
    _drawGui();
    resetDrawState();
    chest.drawWorek();
    chest.drawCover();
    hud.drawMistakes();
    fx.debris.draw();
    powerUps._drawMiecz();
    if (!particlesOnTop) fx.particles.draw();
    resetDrawState();
    fx.plates.draw();
    fx.stones.draw();
    powerUps.flying.draw();
    fx.captions.draw();
    resetDrawState();
    if (specialTip) specialTip->draw();
    tutorialDraw();
    _drawFade();
    resetDrawState();
    _drawMouse();
}

void TMainGame::_drawBack() {
    SetRotation(0);
    if (level) level->drawBack();
}

// ---------------------------------------------------------------- the grid and its numbers

void TMainGame::_drawLevel() {
    if (!level || level->tile.empty()) return;
    resetDrawState();
    const float ts = tileSizes[std::clamp(level->size, 0, TILE_SIZES - 1)];
    const TDim& first = level->tile[0][0]->dim;
    if (backImg) {
        SetAlpha(numberBacks * gridA);
        DrawImageRect(backImg, first.x - ts / 2, first.y - ts / 2, ts * level->cols + 4 * level->podzialkiY,
                      ts * level->rows + 4 * level->podzialkiX);
    }
    _drawGridSteps();
    if (state != TGameState::WIN) {
        _drawGrid();
        level->drawTiles();
    }
    _drawNumbersBack();
    level->drawNumbers();
    resetDrawState();
    if (state == TGameState::NORMAL && (overTile || clickedTile)) {
        if (hand == TTool::EYE)
            level->drawOverOko(overTile.get());
        else if (hand == TTool::MAP)
            level->drawOverMapa(overTile.get());
        else if (hand == TTool::SKULL)
            level->drawOverCzacha(overTile.get());
        else
            level->drawOver(clickedTile ? clickedTile.get() : overTile.get());
    }
    resetDrawState();
    level->drawDebug();
    resetDrawState();
}

// A dark line in the gap between every two blocks of five rows and of five columns.
void TMainGame::_drawGridSteps() {
    const float ts = tileSizes[std::clamp(level->size, 0, TILE_SIZES - 1)];
    const TDim& first = level->tile[0][0]->dim;
    const TDim& last = level->tile[level->rows - 1][level->cols - 1]->dim;
    const float left = first.x - ts / 2, top = first.y - ts / 2;
    const float right = last.x + ts / 2, bottom = last.y + ts / 2;
    SetColor(0, 0, 0);
    SetAlpha(gridA * 0.75f);
    for (int c = 5; c < level->cols; c += 5)
        DrawRect(level->tile[0][c]->dim.x - ts / 2 - 3, top, 2, bottom - top);
    for (int r = 5; r < level->rows; r += 5)
        DrawRect(left, level->tile[r][0]->dim.y - ts / 2 - 3, right - left, 2);
    resetDrawState();
}

void TMainGame::_drawGrid() {
    if (cheatsOn && KeyDown(KEY_V)) return;
    const Image& img = gridImg[std::clamp(level->size, 0, 4)];
    if (!img) return;
    SetColor(0, 0, 0);
    SetAlpha(0.8f * gridA);
    for (auto& row : level->tile)
        for (auto& t : row) DrawImage(img, t->dim.x, t->dim.y);
    resetDrawState();
}

void TMainGame::_drawNumbersBack() {
    const float a = numberBacks * gridA;
    if (a <= 0) return;
    const TLevel& L = *level;
    SetAlpha(a);
    if (gradientUp) DrawImageRect(gradientUp, L.upX, L.upY, L.upW, L.upH);
    if (gradientLeft) DrawImageRect(gradientLeft, L.leftX, L.leftY, L.leftW, L.leftH);
    // The row and column under the mouse light up in their panels.
    const int s = std::clamp(L.size, 0, 4);
    const float ow = overImg[s] ? ImageWidth(overImg[s]) : tileSizes[s];
    const float oh = overImg[s] ? ImageHeight(overImg[s]) : tileSizes[s];
    SetBlend(LIGHTBLEND);
    SetAlpha(0.25f * a);
    SetColor(120, 200, 220);
    const int row = getOverLeft2(), col = getOverUp2();
    if (row >= 0 && row < L.rows) DrawRect(L.leftX, L.tile[row][0]->dim.y - oh / 2, L.leftW, oh);
    if (col >= 0 && col < L.cols) DrawRect(L.tile[0][col]->dim.x - ow / 2, L.upY, ow, L.upH);
    resetDrawState();
    _drawNumberFrames();
}

// The gold trim around the two number panels: corners, stretched edges, a tick at every row and
// column on the grid side, end caps and the joint where both panels meet the grid's corner.
void TMainGame::_drawNumberFrames() {
    const TLevel& L = *level;
    const int s = std::clamp(L.size, 0, 4);
    auto piece = [this](int i, float x, float y) {
        if (backFrame[i]) DrawImage(backFrame[i], x, y);
    };
    auto stretch = [this](int i, float x, float y, float w, float h) {
        if (backFrame[i]) DrawImageRect(backFrame[i], x, y, w, h);
    };
    SetAlpha(numberBacks * gridA);
    const float ux = L.upX, uy = L.upY, uw = L.upW, uh = L.upH;
    const float lx = L.leftX, ly = L.leftY, lw = L.leftW, lh = L.leftH;
    // The column panel above the grid.
    stretch(4, ux + 16, uy, uw - 32, 4);
    stretch(6, ux, uy + 16, 4, uh - 16);
    stretch(7, ux + uw - 4, uy + 16, 4, uh - 16);
    piece(0, ux, uy);
    piece(1, ux + uw - 16, uy);
    // The row panel left of the grid.
    stretch(4, lx + 16, ly, lw - 16, 4);
    stretch(6, lx, ly + 16, 4, lh - 32);
    stretch(5, lx + 16, ly + lh - 4, lw - 32, 4);
    piece(0, lx, ly);
    piece(2, lx, ly + lh - 16);
    piece(3, lx + lw - 16, ly + lh - 16);
    for (int r = 0; r < L.rows; ++r) {
        const Image& tick = backFrame[8 + s];
        if (tick) DrawImage(tick, lx + lw - 3, L.tile[r][0]->dim.y);
    }
    for (int c = 0; c < L.cols; ++c) {
        const Image& tick = backFrame[13 + s];
        if (tick) DrawImage(tick, L.tile[0][c]->dim.x, uy + uh - 3);
    }
    piece(18, lx + lw - 3, ly + lh - 2);
    piece(19, ux + uw - 2, uy + uh - 3);
    // The rosette sits in the corner where the two panels' frames meet, outside the grid's first cell.
    if (backFrame[20])
        piece(20, ux - static_cast<float>(ImageWidth(backFrame[20])) + 3,
              ly - static_cast<float>(ImageHeight(backFrame[20])) + 3);
    resetDrawState();
}

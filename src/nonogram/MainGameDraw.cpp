// The main game's drawing, back to front: background, flying cells, grid and numbers, drag labels, the
// panel with time, score, tools, chest, bag and mistakes, then the effects, captions, fade and cursor.
#include <algorithm>
#include <cmath>

#include "core/Globals.h"
#include "effects/Particle.h"
#include "gui/Gui.h"
#include "nonogram/Caption.h"
#include "nonogram/Debris.h"
#include "nonogram/FlyingTile.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/MainGame.h"
#include "nonogram/Plate.h"
#include "nonogram/Stone.h"
#include "progress/Profile.h"

using namespace eng;

namespace {

constexpr int kGold[3] = {247, 222, 113};
constexpr int KEY_V = 86;

void resetState() {
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetRotation(0);
    SetAlpha(1);
    SetColor(255, 255, 255);
}

void drawText(const std::string& text, float x, float y) {
    DrawText(text, std::floor(x), std::floor(y));
}

// Black under the text: a half-transparent shadow `shadow` pixels down and right, and a one-pixel outline
// at the four diagonals. The caller then sets the colour and draws the text itself.
void drawTextBacking(const std::string& text, float x, float y, float shadow) {
    SetColor(0, 0, 0);
    SetAlpha(0.5f);
    drawText(text, x + shadow, y + shadow);
    SetAlpha(1);
    for (int dx : {-1, 1})
        for (int dy : {-1, 1}) drawText(text, x + dx, y + dy);
}

}  // namespace

void TMainGame::draw() {
    _drawBack();
    drawFlyingTiles();
    _drawLevel();
    _drawHoldedTiles();
    _drawPanel();
    _drawScore();
    _drawTime();
    _drawChestBack();
    if (level) drawFlyingTresures(*level);
    drawParticles(&particleSkarbu);
    resetState();
    _drawChestFront();
    _drawGui();
    resetState();
    _drawWorek();
    _drawCover();
    drawDebris();
    drawParticles(nullptr);
    resetState();
    drawPlates();
    drawStones();
    drawCaptions();
    resetState();
    _drawFade();
    resetState();
    _drawMouse();
}

void TMainGame::_drawBack() {
    SetRotation(0);
    if (level) level->drawBack();
}

// ---------------------------------------------------------------- the grid and its numbers

void TMainGame::_drawLevel() {
    if (!level || level->tile.empty()) return;
    resetState();
    const float ts = tileSizes[std::clamp(level->size, 0, TILE_SIZES - 1)];
    const TDim& first = level->tile[0][0]->dim;
    if (backImg) {
        SetAlpha(numberBacks * gridA);
        DrawImageRect(backImg, first.x - ts / 2, first.y - ts / 2, ts * level->cols + 4 * level->podzialkiY,
                      ts * level->rows + 4 * level->podzialkiX);
    }
    _drawGridSteps();
    if (state != "WIN") {
        _drawGrid();
        level->drawTiles();
    }
    _drawNumbersBack();
    level->drawNumbers();
    resetState();
    if (state == "NORMAL" && (overTile || clickedTile)) {
        if (hand == 4)
            level->drawOverOko(overTile.get());
        else if (hand == 5)
            level->drawOverMapa(overTile.get());
        else if (hand == 6)
            level->drawOverCzacha(overTile.get());
        else
            level->drawOver(clickedTile ? clickedTile.get() : overTile.get());
    }
    resetState();
    level->drawDebug();
    resetState();
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
    resetState();
}

void TMainGame::_drawGrid() {
    if (cheatsOn && KeyDown(KEY_V)) return;
    const Image& img = gridImg[std::clamp(level->size, 0, 4)];
    if (!img) return;
    SetColor(0, 0, 0);
    SetAlpha(0.8f * gridA);
    for (auto& row : level->tile)
        for (auto& t : row) DrawImage(img, t->dim.x, t->dim.y);
    resetState();
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
    resetState();
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
    piece(20, ux, ly);
    resetState();
}

// The cells of a drag: a shade and their order from the start cell, white when the release uncovers,
// red when it breaks.
void TMainGame::_drawHoldedTiles() {
    if (!toDraw || !startTile || tilesyHolded.empty()) return;
    const int s = std::clamp(level->size, 0, 4);
    const bool uncovers = releaseUncovers();
    SetImageFont(numFont[s]);
    for (const auto& t : tilesyHolded) {
        resetState();
        if (darker[s]) DrawImage(darker[s], t->dim.x, t->dim.y);
        const int n = std::abs(t->r - startTile->r) + std::abs(t->c - startTile->c) + 1;
        const std::string label = std::to_string(n);
        const float x = t->dim.x - TextWidth(label) / 2.0f, y = t->dim.y - TextHeight(label) / 2.0f;
        drawTextBacking(label, x, y, 2);
        if (uncovers)
            SetColor(255, 255, 255);
        else
            SetColor(255, 0, 0);
        drawText(label, x, y);
    }
    resetState();
}

// ---------------------------------------------------------------- the panel

void TMainGame::_drawTextShadowed(const std::string& text, float cx, float cy, const ImageFont& font,
                                  int shadow) const {
    SetImageFont(font);
    const float x = cx - TextWidth(text) / 2.0f, y = cy - TextHeight(text) / 2.0f;
    SetColor(0, 0, 0);
    SetAlpha(0.5f);
    drawText(text, x + shadow, y + shadow);
    SetAlpha(1);
    SetColor(kGold[0], kGold[1], kGold[2]);
    drawText(text, x, y);
}

void TMainGame::_drawPanel() {
    resetState();
    const TProfile& p = profile();
    if (p.tutorialOn && Gui && (p.numerStageu < 2 || (p.numerStageu == 2 && p.numerLevelu < 4)))
        if (auto skip = Gui->getItem("skip"); skip && skip->_v && skip->_a) {
            SetColor(0, 0, 0);
            SetAlpha(0.6f);
            DrawRect(skip->dim->x1 - 6, skip->dim->y1 - 20, skip->dim->w + 12, skip->dim->h + 40);
            resetState();
        }
    if (panel) DrawImage(panel, 0, 0);
    if (level)
        _drawTextShadowed(std::to_string(level->cols) + " " + txtX + " " + std::to_string(level->rows), 390,
                          20, dimFont, 2);
    _drawTextShadowed(std::to_string(p.numerStageu) + " - " + std::to_string(p.numerLevelu), 890, 112,
                      levelFont, 2);
    resetState();
    auto icon = [](const std::array<Image, 3>& img, bool chosen, bool over, float x, float y) {
        const Image& base = img[chosen ? 1 : 2];
        if (base) DrawImage(base, x, y);
        if (over && img[0]) DrawImage(img[0], x, y);
    };
    icon(rekaImg, hand == 0, handOver, 840, 280);
    icon(hakImg, hand == 1, hakOver, 943, 280);
    for (int k = 0; k < 6; ++k)
        if (p.unlocked[k] && pwrUpBack) DrawImage(pwrUpBack, 120 + 100 * k, 686);
}

void TMainGame::_drawScore() {
    const std::string text = getScoreString();
    SetImageFont(scoreFont);
    const float w = TextWidth(text), h = TextHeight(text);
    SetColor(0, 0, 0);
    SetAlpha(0.5f);
    drawText(text, 889 - w / 2, 164 - h / 2);
    SetAlpha(1);
    SetColor(kGold[0], kGold[1], kGold[2]);
    drawText(text, 888 - w / 2, 163 - h / 2);
    resetState();
}

void TMainGame::_drawTime() {
    const std::string t = getTimeString(level ? level->czas : 0);
    const std::string minutes = t.substr(0, t.find(':')), seconds = t.substr(t.find(':') + 1);
    SetImageFont(timeFont);
    SetColor(kGold[0], kGold[1], kGold[2]);
    SetAlpha(1);
    const float h = TextHeight("0");
    drawText(":", 910 - TextWidth(":") / 2.0f, 65 - h / 2);
    drawText(minutes, 905 - TextWidth(minutes), 65 - h / 2);
    drawText(seconds, 915, 65 - h / 2);
    resetState();
    if (klepsydra) DrawImage(klepsydra, 832, 42);
}

void TMainGame::_drawChestBack() {
    if (state.rfind("LOSE", 0) == 0) return;
    resetState();
    drawClampedFrame(chest[0], 822, 413, getChestFrame());
}

void TMainGame::_drawChestFront() {
    if (state.rfind("LOSE", 0) == 0) return;
    drawClampedFrame(chest[1], 822, 467, getChestFrame());
}

void TMainGame::_drawWorek() {
    auto bag = Gui ? Gui->getItem("bonus6") : nullptr;
    const int stones = profile().kamienieWWorku;
    if (!_bagOwned() || stones > 3 || !bag || !bag->_v) return;
    const float x = bagX(), y = getWorekY();
    if (worek) DrawImage(worek, x, y);
    for (int i = 1; i <= maxKamieni - stones; ++i)
        if (worekPoint) DrawImage(worekPoint, x - 23 + i * 12, y + 30);
}

void TMainGame::_drawCover() {
    resetState();
    if (chestCover) DrawImage(chestCover, 816, 467);
    _drawMistakes();
}

void TMainGame::_drawMistakes() {
    const TProfile& p = profile();
    const int tolerance = level ? level->maxMistakes : 1;
    const bool bag = _bagOwned();
    const int used = p.mistakes + (bag ? p.kamienieWWorku : 0);
    const int allowed = tolerance + (bag ? 3 : 0);
    const std::string text = txtMist + std::to_string(used) + "/" + std::to_string(allowed);
    SetImageFont(mistFont);
    const float x = 890 - TextWidth(text) / 2.0f, y = 367 - TextHeight(text) / 2.0f;
    drawTextBacking(text, x, y, 3);
    SetColor(kGold[0], kGold[1], kGold[2]);
    drawText(text, x, y);
    if (used == allowed) {
        SetBlend(LIGHTBLEND);
        SetColor(255, 255, 255);
        SetAlpha(mistakeSpecA);
        drawText(text, x, y);
    }
    resetState();
}

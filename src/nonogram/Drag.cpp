// A drag on the grid: the line, its release and its labels.
#include "nonogram/Drag.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/DrawState.h"
#include "core/Globals.h"
#include "gui/MyFont.h"
#include "nonogram/HudText.h"
#include "nonogram/Level.h"
#include "nonogram/MainGamePictures.h"

using namespace eng;

void TDrag::setupImages() {
    for (int i = 0; i < 5; ++i) darker[i] = mainGamePicture("darker" + std::to_string(i) + ".png", true);
}

void TDrag::setupFonts() {
    const int sizes[5] = {26, 22, 18, 16, 14};
    for (int i = 0; i < 5; ++i) numFont[i] = getFont(programPrefix + "gfx/fonts/font.ttf", sizes[i]);
}

void TDrag::clear() {
    holding = TDragButton::NONE;
    tilesyHolded.clear();
    startTile = toDraw = nullptr;
    firstHoldedTile = lastHoldedTile = nullptr;
    holdedCounter = 0;
}

bool TDrag::waitingForRelease(bool buttonDown) {
    if (!cancelled_) return false;
    if (buttonDown) return true;
    cancelled_ = false;
    return false;
}

void TDrag::holdOn(TLevel& level, const std::shared_ptr<TTile>& tile) {
    if (!tile) return;
    if (!startTile) startTile = tile;
    const bool horizontal =
        std::fabs(tile->dim.x - startTile->dim.x) > std::fabs(tile->dim.y - startTile->dim.y);
    tilesyHolded.clear();
    if (horizontal) {
        for (int c = std::min(startTile->c, tile->c); c <= std::max(startTile->c, tile->c); ++c)
            tilesyHolded.push_back(level.tile[startTile->r][c]);
        lastHoldedTile = level.tile[startTile->r][tile->c];
    } else {
        for (int r = std::min(startTile->r, tile->r); r <= std::max(startTile->r, tile->r); ++r)
            tilesyHolded.push_back(level.tile[r][startTile->c]);
        lastHoldedTile = level.tile[tile->r][startTile->c];
    }
    firstHoldedTile = startTile;
    toDraw = lastHoldedTile;
    holdedCounter = static_cast<int>(tilesyHolded.size());
}

void TDrag::release(TTool hand) {
    if (releaseUncovers(hand))
        holdOffLeft();
    else
        holdOffRight();
    holding = TDragButton::NONE;
}

// Cleared cells add no delay.
void TDrag::holdOffLeft() {
    int delay = 0;
    for (auto& t : tilesyHolded) delay += t->odkryj(delay);
    tilesyHolded.clear();
    startTile = nullptr;
}

void TDrag::holdOffRight() {
    int delay = 0;
    for (auto& t : tilesyHolded) delay += t->rozbij(delay);
    tilesyHolded.clear();
    startTile = nullptr;
}

int TDrag::isHoldedPionowo() const {
    return (firstHoldedTile && lastHoldedTile && firstHoldedTile->r != lastHoldedTile->r) ? 1 : 0;
}

void TDrag::draw(const TLevel& level, TTool hand) const {
    if (!toDraw || !startTile || tilesyHolded.empty()) return;
    const int s = std::clamp(level.size, 0, 4);
    const bool uncovers = releaseUncovers(hand);
    SetImageFont(numFont[s]);
    for (const auto& t : tilesyHolded) {
        resetDrawState();
        if (darker[s]) DrawImage(darker[s], t->dim.x, t->dim.y);
        const int n = std::abs(t->r - startTile->r) + std::abs(t->c - startTile->c) + 1;
        const std::string label = std::to_string(n);
        const float x = t->dim.x - TextWidth(label) / 2.0f, y = t->dim.y - TextHeight(label) / 2.0f;
        drawTextBacking(label, x, y, 2);
        if (uncovers)
            SetColor(255, 255, 255);
        else
            SetColor(255, 0, 0);
        drawTextFloor(label, x, y);
    }
    resetDrawState();
}

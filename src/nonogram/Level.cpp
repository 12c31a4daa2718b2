// A nonogram level: its cells, the per-frame update and drawing, and the level-wide queries.
#include "nonogram/Level.h"

#include <algorithm>

#include "audio/GlobalSnd.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/LevelHost.h"
#include "nonogram/NumberLine.h"
#include "progress/ProfileManager.h"

using namespace eng;

TLevel::~TLevel() = default;

int blockStyleIndex(int count) {
    switch (count) {
        case 5:
            return 0;
        case 10:
            return 1;
        case 15:
            return 2;
        case 20:
            return 3;
        case 25:
            return 4;
        default:
            return 0;
    }
}

std::shared_ptr<TTile> TLevel::tileAt(int row, int col) const {
    if (row < 0 || col < 0 || row >= static_cast<int>(tile.size())) return nullptr;
    if (col >= static_cast<int>(tile[row].size())) return nullptr;
    return tile[row][col];
}

void TLevel::createTilesTab() {
    tile.assign(rows, {});
    for (int r = 0; r < rows; ++r) {
        tile[r].resize(cols);
        for (int c = 0; c < cols; ++c) {
            auto t = std::make_shared<TTile>();
            t->_level = this;
            t->r = r;
            t->c = c;
            tile[r][c] = t;
        }
    }
}

void TLevel::freeFromTutorial() {
    for (auto& row : tile)
        for (auto& t : row) {
            t->turnoff = 0;
            t->zadanie.clear();
            t->poZadaniu.clear();
            t->lightMeDown();
        }
}

void TLevel::playMusic() {
    if (!globalSnd) return;
    const auto& p = profileManager ? profileManager->profile : nullptr;
    globalSnd->playLevelMusic(p ? p->numerStageu : 1);
}

void TLevel::drawStripes() {}  // the background stripes belong to the ambience effects
void TLevel::updateBack() {}

void TLevel::drawBack() {
    resetDrawState();
    if (background) DrawImage(background, 0, 0);
    drawStripes();
}

void TLevel::drawTiles() {
    for (auto& row : tile)
        for (auto& t : row) t->draw();
    resetDrawState();
}

void TLevel::drawDebug() {
    constexpr int KEY_D = 68;
    if (!cheatsOn || !KeyDown(KEY_D)) return;
    resetDrawState();
    SetColor(255, 0, 255);
    auto outline = [](float x, float y, float w, float h) {
        DrawLine(x, y, x + w, y);
        DrawLine(x + w, y, x + w, y + h);
        DrawLine(x + w, y + h, x, y + h);
        DrawLine(x, y + h, x, y);
    };
    for (auto& row : tile)
        for (auto& t : row)
            if (t->isPicture())
                outline(t->dim.x - singleW / 2.0f, t->dim.y - singleH / 2.0f, singleW, singleH);
    SetColor(0, 255, 255);
    for (int r = 0; r < rows; r += 5)
        for (int c = 0; c < cols; c += 5) {
            const auto a = tile[r][c];
            const auto b = tile[std::min(r + 4, rows - 1)][std::min(c + 4, cols - 1)];
            outline(a->dim.x - singleW / 2.0f, a->dim.y - singleH / 2.0f, b->dim.x - a->dim.x + singleW,
                    b->dim.y - a->dim.y + singleH);
        }
    SetColor(255, 255, 255);
}

void TLevel::drawOver(const TTile* t) {
    if (!t) return;
    // The row and column light up once; the cell itself clearly brightest, with the hover frame.
    for (int r = 0; r < rows; ++r)
        if (r != t->r) tile[r][t->c]->drawOverBlend();
    for (int c = 0; c < cols; ++c)
        if (c != t->c) tile[t->r][c]->drawOverBlend();
    t->drawOverBlend(3);
    if (!t->isAnimating()) {
        SetBlend(LIGHTBLEND);
        SetColor(255, 236, 170);
        SetAlpha(0.8f * t->alpha);
        SetScale(1, 1);
        drawClampedFrame(overImg[t->sizeIndex()], t->dim.x, t->dim.y, 0);
    }
    resetDrawState();
}

void TLevel::drawOverOko(const TTile* t) {
    if (!t || t->isDone()) return;
    for (int r = 0; r < rows; ++r) tile[r][t->c]->drawOverBlend();
    resetDrawState();
}

void TLevel::drawOverCzacha(const TTile* t) {
    if (!t || t->isDone()) return;
    for (int c = 0; c < cols; ++c) tile[t->r][c]->drawOverBlend();
    resetDrawState();
}

void TLevel::drawOverMapa(const TTile* t) {
    if (!t || t->isDone2()) return;
    for (int r = std::max(t->r - 1, 0); r <= std::min(t->r + 1, rows - 1); ++r)
        for (int c = std::max(t->c - 1, 0); c <= std::min(t->c + 1, cols - 1); ++c)
            tile[r][c]->drawOverBlend();
    resetDrawState();
}

void TLevel::getBackEffectsByBackground(const std::string& name) {
    const std::string n = Upper(name);
    banki = (n == "BACKGROUND-2" || n == "BACKGROUND-11" || n == "BACKGROUND-15") ? 5000 : 0;
}

void TLevel::setHideTile(const std::shared_ptr<TTileHideGFX>& hide) {
    for (auto& row : tile)
        for (auto& t : row) t->setTileHideData(hide);
}

int TLevel::rowClear(int r) const {
    if (r < 0 || r >= rows) return 0;
    for (int c = 0; c < cols; ++c)
        if (!tile[r][c]->odkryty && !tile[r][c]->broken) return 0;
    return 1;
}

int TLevel::colClear(int c) const {
    if (c < 0 || c >= cols) return 0;
    for (int r = 0; r < rows; ++r)
        if (!tile[r][c]->odkryty && !tile[r][c]->broken) return 0;
    return 1;
}

std::shared_ptr<TTile> TLevel::updateOver() {
    for (auto& row : tile)
        for (auto& t : row) {
            if (!t->updateOver()) continue;
            const TTool tool = host ? host->tool() : TTool::HAND;
            if (tool == TTool::EYE) generateOko(t->c);
            if (tool == TTool::MAP) generateMapa(t->r, t->c);
            if (tool == TTool::SKULL) generateCzaszka(t->r);
            return t;
        }
    return nullptr;
}

void TLevel::updateTiles() {
    int done = 1;
    for (auto& row : tile)
        for (auto& t : row) {
            t->update();
            if (tutorialLevel) t->updateTutorial();
            if (!t->isDone()) done = 0;
        }
    levelCompleted = done;
    if (levelCompleted) hideNumbers();
}

void TLevel::generateOko(int c) {
    if (!host || !host->getOverTile() || c < 0 || c >= cols) return;
    for (int r = 0; r < rows; ++r) tile[r][c]->generateOko();
}

void TLevel::generateCzaszka(int r) {
    if (!host || !host->getOverTile() || r < 0 || r >= rows) return;
    for (int c = 0; c < cols; ++c) tile[r][c]->generateOko();
}

void TLevel::generateMapa(int r, int c) {
    if (!host || !host->getOverTile()) return;
    for (int i = std::max(r - 1, 0); i <= std::min(r + 1, rows - 1); ++i)
        for (int j = std::max(c - 1, 0); j <= std::min(c + 1, cols - 1); ++j) tile[i][j]->generateOko();
}

void TLevel::init() {
    countNumbersDims();
}

int TLevel::checkCompleted() const {
    for (const auto& row : tile)
        for (const auto& t : row)
            if (!t->isClearedForCaptions()) return 0;
    return 1;
}

void TLevel::turnOffAll() {
    for (auto& row : tile)
        for (auto& t : row) t->turnoff = 1;
}

void TLevel::turnOnAll() {
    for (auto& row : tile)
        for (auto& t : row) t->turnoff = 0;
}

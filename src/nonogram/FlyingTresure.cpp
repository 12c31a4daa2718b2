// A collected treasure: its flight from the cell into the chest, its place there, its flight to the win
// summary and its fall out of a burst chest.
#include "nonogram/FlyingTresure.h"

#include <algorithm>

#include "audio/GlobalSnd.h"
#include "core/Curve.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "effects/ParticleEffects.h"
#include "nonogram/Level.h"
#include "nonogram/LevelHost.h"
#include "nonogram/PlayEffects.h"

using namespace eng;

namespace {

void playSound(const std::string& id) {
    if (globalSnd) globalSnd->playMySound(id);
}

}  // namespace

void chestPlace(const TLevel& level, float& x, float& y) {
    const int k = static_cast<int>(level.flyingTresures.size()) / 10;
    x = static_cast<float>(Rand(860 + k, 970));
    y = static_cast<float>(Rand(475 - k, 485));
}

std::shared_ptr<TFlyingTresure> startFlyingTresure(std::shared_ptr<TTresureData> tresure, int size, int f,
                                                   float x, float y, std::shared_ptr<TTile> tile) {
    auto t = std::make_shared<TFlyingTresure>();
    t->tresure = std::move(tresure);
    t->size = size;
    t->f = f;
    t->x = t->x1 = x;
    t->y = t->y1 = y;
    t->level = tile ? tile->_level : nullptr;
    t->tile = std::move(tile);
    if (t->level) chestPlace(*t->level, t->x2, t->y2);
    t->mx = (t->x1 + t->x2) / 2;
    t->my = 0;
    if (t->level) t->level->flyingTresures.push_back(t);
    return t;
}

void TFlyingTresure::_bezier(float t) {
    x = bezier(x1, mx, x2, t);
    y = bezier(y1, my, y2, t);
}

// The cell stops waiting for its treasure once it has landed, falls or leaves: the cell must never keep a
// pointer to a treasure that is gone.
void TFlyingTresure::_freeCell() {
    if (tile && tile->_myTresure == this) tile->_myTresure = nullptr;
}

void TFlyingTresure::_leaveList() {
    _freeCell();
    if (!level) return;
    auto& list = level->flyingTresures;
    list.erase(std::remove_if(list.begin(), list.end(), [this](const auto& p) { return p.get() == this; }),
               list.end());
}

void TFlyingTresure::update() {
    if (summary) {
        updateSummary();
        return;
    }
    if (goingDown) {
        updateGoingDown();
        return;
    }
    if (myEnd) return;
    _bezier(per);
    generate();
    if (y > 830) per = 1;
    const bool wasAtEnd = per >= 1;
    per += 0.02f * frameDelta;
    if (per >= 1) {
        if (wasAtEnd) {
            lieDown();
            return;
        }
        per = 1;
    }
    s = 1 - 0.6f * per;
}

void TFlyingTresure::lieDown() {
    playSound("coin_" + std::to_string(Rand(1, 2)));
    myEnd = 1;
    _freeCell();
}

void TFlyingTresure::generate() {
    const int64_t now = MilliSecs();
    if (now < time) return;
    time = now + 25;
    if (level && level->host) treasureTrail(x, y, level->host->effects().particles);
}

void TFlyingTresure::flyToSummary(int delay) {
    x = x1 = x2;
    y = y1 = y2;
    x2 = 408;
    y2 = 631;
    mx = static_cast<float>(700 + Rand(-50, 50));
    my = static_cast<float>(150 + Rand(-50, 50));
    per = 0;
    timeSummary = MilliSecs() + delay;
    summary = 1;
}

void TFlyingTresure::updateSummary() {
    if (MilliSecs() < timeSummary) return;
    if (!sounded) {
        if (globalSnd) globalSnd->playCoins();
        sounded = 1;
    }
    per = std::min(per + 0.02f * frameDelta, 1.0f);
    if (per > 0.8f) {
        const float w = 1 - (per - 0.8f) / 0.2f;
        a = static_cast<float>(Sin(90 * w));
        s = 0.6f + 0.4f * static_cast<float>(Sin(90 * w));
    }
    _bezier(per);
    generate();
    if (per >= 1) _leaveList();
}

void TFlyingTresure::sendDown() {
    x1 = x;
    y1 = y;
    x2 = x + Rand(-150, 150);
    y2 = y + 700;
    mx = x2;
    my = y1;
    per = 0;
    downSpeed = static_cast<float>(Rnd(0.005, 0.015));
    goingDown = 1;
    _freeCell();
}

void TFlyingTresure::updateGoingDown() {
    per = std::min(per + downSpeed * frameDelta, 1.0f);
    if (per > 0.8f) {
        const float w = 1 - (per - 0.8f) / 0.2f;
        a = static_cast<float>(Sin(90 * w));
        s = 0.6f + 0.4f * static_cast<float>(Sin(90 * w));
    }
    _bezier(static_cast<float>(Sin(90 * per)));
    generate();
    if (per >= 1) _leaveList();
}

void TFlyingTresure::draw() const {
    if (!tresure) return;
    SetColor(255, 255, 255);
    SetBlend(ALPHABLEND);
    SetAlpha(a);
    SetScale(s, s);
    SetRotation(360 * per);
    drawClampedFrame(tresure->normalImg[std::clamp(size, 0, TILE_SIZES - 1)], x, y, 0);
    resetDrawState();
}

void updateFlyingTresures(TLevel& level) {
    const auto copy = level.flyingTresures;
    for (const auto& t : copy) t->update();
}

void drawFlyingTresures(const TLevel& level) {
    for (const auto& t : level.flyingTresures)
        if (!t->summary || t->per <= 0.1f) t->draw();
}

void drawSummaryTresures(const TLevel& level) {
    for (const auto& t : level.flyingTresures)
        if (t->summary && t->per > 0.1f) t->draw();
}

void sendAllDown(TLevel& level) {
    for (const auto& t : level.flyingTresures) t->sendDown();
}

void placeAllInChest(TLevel& level) {
    const auto copy = level.flyingTresures;
    for (const auto& t : copy) {
        t->per = 1;
        t->update();
        t->update();
    }
}

int treasuresFalling(const TLevel& level) {
    return static_cast<int>(std::count_if(level.flyingTresures.begin(), level.flyingTresures.end(),
                                          [](const auto& t) { return t->goingDown == 1; }));
}

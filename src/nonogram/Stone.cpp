// A stone thrown by a wrong move: it pops up over the cell, then flies into the bag or against the chest,
// from which it bounces off the bottom of the screen.
#include "nonogram/Stone.h"

#include <algorithm>

#include "core/Curve.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "effects/ParticleEffects.h"
#include "nonogram/LevelHost.h"
#include "nonogram/PlayEffects.h"
#include "nonogram/TileData.h"

using namespace eng;

namespace {

const Image& pictureOf(int size) {
    return rockImg[static_cast<size_t>(std::clamp(size, 0, TILE_SIZES - 1))];
}

}  // namespace

void TKamien::draw() const {
    SetColor(255, 255, 255);
    SetBlend(ALPHABLEND);
    SetAlpha(a);
    SetRotation(rot);
    SetScale(s, s);
    DrawImage(pictureOf(size), x, y, 0);
    resetDrawState();
}

void TKamien::generate() {
    const int64_t now = MilliSecs();
    if (now < kurzTime) return;
    kurzTime = now + 25;
    const float r = static_cast<float>(ImageWidth(pictureOf(size))) / 4;
    if (!host) return;
    for (int i = 0; i < 7 - size; ++i) stoneTrail(x, y, r, host->effects().particles);
}

void TKamien::_updateStart() {
    per = std::min(per + 0.05f * frameDelta, 1.0f);
    s = 1 + 0.3f * static_cast<float>(Sin(90 * per));
    a = 1;
    if (per >= 1) {
        state = TStoneState::HIDE;
        per = 0;
    }
}

void TKamien::_updateHide() {
    per = std::min(per + 0.05f * frameDelta, 1.0f);
    s = 1.3f - 0.3f * static_cast<float>(Sin(90 * per));
    if (per < 1) return;
    // The throw: a high arc from where it popped up.
    x1 = x;
    y1 = y;
    if (gotoworek) {
        x2 = host ? host->bagX() : dx;
        y2 = host ? host->getWorekY() : dy;
        state = TStoneState::FLY_TO_WOREK;
    } else {
        x2 = dx;
        y2 = dy;
        state = TStoneState::FLY;
    }
    mx = (x1 + x2) / 2;
    my = y1 - static_cast<float>(Rand(100, 150));
    per = 0;
}

bool TKamien::_flyStep() {
    per = std::min(per + 0.02f * speed * frameDelta, 1.0f);
    rot = 1440 * per;
    x = bezier(x1, mx, x2, per);
    y = bezier(y1, my, y2, per);
    generate();
    return per >= 1;
}

void TKamien::_updateFlyToWorek() {
    if (host) y2 = host->getWorekY();  // the bag rises to catch it
    if (!_flyStep()) return;
    destroy();
    if (host) host->stoneInBag();
}

void TKamien::_updateFly() {
    if (_flyStep()) odbij();
}

void TKamien::_updateFlyDown() {
    if (_flyStep()) destroy();
}

void TKamien::update() {
    switch (state) {
        case TStoneState::START:
            _updateStart();
            break;
        case TStoneState::HIDE:
            _updateHide();
            break;
        case TStoneState::FLY:
            _updateFly();
            break;
        case TStoneState::FLY_TO_WOREK:
            _updateFlyToWorek();
            break;
        case TStoneState::FLY_DOWN:
            _updateFlyDown();
            break;
    }
}

void TKamien::destroy() {
    if (list) list->remove(this);
}

void TKamien::odbij() {
    if (host) host->uszkodzSkrzynie();
    x1 = x2;
    y1 = y2;
    x2 = static_cast<float>(Rand(400, 800));
    y2 = 800;
    mx = (x1 + x2) / 2;
    my = y1 - static_cast<float>(Rand(50, 150));
    per = 0;
    state = TStoneState::FLY_DOWN;
    if (host)
        for (int i = 0; i < 50; ++i) splinter(x, y, host->effects().particles);
}

std::shared_ptr<TKamien> startStone(TLevelHost& host, int n, float x, float y, float tx, float ty, int size) {
    auto k = std::make_shared<TKamien>();
    k->n = n;
    k->size = size;
    k->x = k->x1 = x;
    k->y = k->y1 = y;
    k->dx = tx;
    k->dy = ty;
    k->per = 0;
    k->speed = static_cast<float>(Rnd(0.5, 1));
    k->state = TStoneState::START;
    k->host = &host;
    host.effects().stones.add(k);
    return k;
}

int stonesFlyingToBag(const TKamienList& list) {
    return static_cast<int>(
        std::count_if(list.begin(), list.end(), [](const auto& k) { return k->gotoworek == 1; }));
}

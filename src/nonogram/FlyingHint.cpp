// A hint flying to its cell, or a charge flying to its slot, with its trail of sparks.
#include "nonogram/FlyingHint.h"

#include <algorithm>

#include "core/Curve.h"
#include "core/Globals.h"
#include "nonogram/Hints.h"
#include "nonogram/Tile.h"

using namespace eng;

namespace {

std::shared_ptr<TFlyingHint> startFlight(float x1, float y1, float x2, float y2, TFlyingHintList& list,
                                         TParticleList& particles) {
    auto h = std::make_shared<TFlyingHint>();
    h->x = h->lastX = h->x1 = x1;
    h->y = h->lastY = h->y1 = y1;
    h->x2 = x2;
    h->y2 = y2;
    h->mx = static_cast<float>(Rand(0, 1024));
    h->my = static_cast<float>(Rand(0, 768));
    h->particles = &particles;
    return h;
}

}  // namespace

std::shared_ptr<TFlyingHint> startHintFlight(const std::shared_ptr<TTile>& tile, float x1, float y1, float tx,
                                             float ty, TFlyingHintList& list, TParticleList& particles) {
    auto h = startFlight(x1, y1, tx, ty, list, particles);
    h->tile = tile;
    if (tile) tile->noHintLoad = 1;
    list.add(h);
    return h;
}

std::shared_ptr<TFlyingHint> startHintCharge(float x1, float y1, float x2, float y2, int slot, THints& hints,
                                             TFlyingHintList& list, TParticleList& particles) {
    auto h = startFlight(x1, y1, x2, y2, list, particles);
    h->hintN = slot;
    h->reverse = 1;
    h->hints = &hints;
    list.add(h);
    return h;
}

void TFlyingHint::update() {
    const bool arrived = per >= 1;
    per = std::min(per + 0.025f * frameDelta, 1.0f);
    if (arrived) {
        if (reverse)
            loadUpHint();
        else
            useMyHint();
        return;
    }
    if (lastX == 0) lastX = x;
    if (lastY == 0) lastY = y;
    countPosition();
    generateParticles();
}

void TFlyingHint::countPosition() {
    x = bezier(x1, mx, x2, per);
    y = bezier(y1, my, y2, per);
}

// Every 20 ms, 25 sparks laid along the way covered since the last ones.
void TFlyingHint::generateParticles() {
    if (MilliSecs() <= time || !particles) return;
    constexpr int kSparks = 25;
    for (int i = 1; i <= kSparks; ++i) {
        const float f0 = static_cast<float>(i - 1) / kSparks, f1 = static_cast<float>(i) / kSparks;
        const float ax = x + (lastX - x) * f0, ay = y + (lastY - y) * f0;
        const float bx = x + (lastX - x) * f1, by = y + (lastY - y) * f1;
        const TRGB rgb = Rand(0, 1) == 1 ? TRGB{0, 255, 0} : TRGB{255, 255, 0};
        createParticle(Rand(0, 3), ax, ay, bx, by, (ax + bx) / 2, (ay + by) / 2, rgb, 1, 0, 0.25f, 0.25f, 0,
                       360, LIGHTBLEND, 0, 150, *particles);
    }
    lastX = x;
    lastY = y;
    time = MilliSecs() + 20;
}

void TFlyingHint::useMyHint() {
    const auto keep = tile;
    if (list) list->remove(this);
    if (keep) keep->uncoverSafe();
}

void TFlyingHint::loadUpHint() {
    if (hints) hints->loadUpHint(hintN);
    if (list) list->remove(this);
}

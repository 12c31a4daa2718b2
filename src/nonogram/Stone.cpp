// A stone thrown by a wrong move: it pops up over the cell, then flies into the bag or against the chest,
// from which it bounces off the bottom of the screen.
#include "nonogram/Stone.h"

#include <algorithm>
#include <vector>

#include "core/Globals.h"
#include "effects/ParticleEffects.h"
#include "nonogram/MainGame.h"
#include "nonogram/TileData.h"

using namespace eng;

TKamienList stoneList;

namespace {

// Written with (1 - t) so that t = 1 lands exactly on the end point.
float bezier(float a, float m, float b, float t) {
    const float u = 1 - t;
    return u * u * a + 2 * u * t * m + t * t * b;
}

const Image& pictureOf(int size) {
    return rockImg[static_cast<size_t>(std::clamp(size, 0, TILE_SIZES - 1))];
}

bool listed(const TKamien* k) {
    return std::any_of(stoneList.begin(), stoneList.end(), [k](const auto& p) { return p.get() == k; });
}

}  // namespace

void TKamien::draw() const {
    SetColor(255, 255, 255);
    SetBlend(ALPHABLEND);
    SetAlpha(a);
    SetRotation(rot);
    SetScale(s, s);
    DrawImage(pictureOf(size), x, y, 0);
    SetScale(1, 1);
    SetRotation(0);
    SetAlpha(1);
}

void TKamien::generate() {
    const int64_t now = MilliSecs();
    if (now < kurzTime) return;
    kurzTime = now + 25;
    const float r = static_cast<float>(ImageWidth(pictureOf(size))) / 4;
    for (int i = 0; i < 7 - size; ++i) stoneTrail(x, y, r);
}

void TKamien::_updateStart() {
    per = std::min(per + 0.05f * frameDelta, 1.0f);
    s = 1 + 0.3f * static_cast<float>(Sin(90 * per));
    a = 1;
    if (per >= 1) {
        state = "HIDE";
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
        x2 = mainGame ? mainGame->bagX() : dx;
        y2 = mainGame ? mainGame->getWorekY() : dy;
        state = "FLY-TO-WOREK";
    } else {
        x2 = dx;
        y2 = dy;
        state = "FLY";
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
    if (mainGame) y2 = mainGame->getWorekY();  // the bag rises to catch it
    if (!_flyStep()) return;
    destroy();
    if (mainGame) mainGame->stoneInBag();
}

void TKamien::_updateFly() {
    if (_flyStep()) odbij();
}

void TKamien::_updateFlyDown() {
    if (_flyStep()) destroy();
}

void TKamien::update() {
    if (state == "START")
        _updateStart();
    else if (state == "HIDE")
        _updateHide();
    else if (state == "FLY")
        _updateFly();
    else if (state == "FLY-TO-WOREK")
        _updateFlyToWorek();
    else if (state == "FLY-DOWN")
        _updateFlyDown();
}

void TKamien::destroy() {
    stoneList.remove_if([this](const std::shared_ptr<TKamien>& k) { return k.get() == this; });
}

void TKamien::odbij() {
    if (mainGame) mainGame->uszkodzSkrzynie();
    x1 = x2;
    y1 = y2;
    x2 = static_cast<float>(Rand(400, 800));
    y2 = 800;
    mx = (x1 + x2) / 2;
    my = y1 - static_cast<float>(Rand(50, 150));
    per = 0;
    state = "FLY-DOWN";
    for (int i = 0; i < 50; ++i) splinter(x, y);
}

std::shared_ptr<TKamien> startStone(int n, float x, float y, float tx, float ty, int size) {
    auto k = std::make_shared<TKamien>();
    k->n = n;
    k->size = size;
    k->x = k->x1 = x;
    k->y = k->y1 = y;
    k->dx = tx;
    k->dy = ty;
    k->per = 0;
    k->speed = static_cast<float>(Rnd(0.5, 1));
    k->state = "START";
    stoneList.push_back(k);
    return k;
}

void updateStones() {
    // A snapshot: stones leave the list during their update, and a chest hit may even clear it.
    const std::vector<std::shared_ptr<TKamien>> stones(stoneList.begin(), stoneList.end());
    for (const auto& k : stones)
        if (listed(k.get())) k->update();
}

void drawStones() {
    for (const auto& k : stoneList) k->draw();
}

void clearStones() {
    stoneList.clear();
}

int stonesFlyingToBag() {
    return static_cast<int>(
        std::count_if(stoneList.begin(), stoneList.end(), [](const auto& k) { return k->gotoworek == 1; }));
}

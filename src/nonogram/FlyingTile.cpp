// A cell's flying copy: the opening animation of a level flies every cell into place.
#include "nonogram/FlyingTile.h"

#include <algorithm>

#include "core/Curve.h"
#include "core/Globals.h"
#include "engine/Engine.h"
#include "nonogram/Level.h"
#include "nonogram/Tile.h"

using namespace eng;

namespace {

int sizeOf(const TTile& t) {
    return t._level ? std::clamp(t._level->size, 0, TILE_SIZES - 1) : 0;
}

float ease(float per) {
    return static_cast<float>(Sin(90.0 * per));
}

}  // namespace

TFlyingTile::~TFlyingTile() {
    releaseTile();
}

void TFlyingTile::releaseTile() {
    if (tile && tile->_flyingTile == this) tile->_flyingTile = nullptr;
}

void TFlyingTile::startFrom(float fromX, float fromY, int delay) {
    time = MilliSecs() + delay;
    x = x1 = fromX;
    y = y1 = fromY;
    x2 = tile ? tile->dim.x : 0;
    y2 = tile ? tile->dim.y : 0;
    mx = (x1 + x2) / 2;
    my = (y1 + y2) / 2;
    per = 0;
}

void TFlyingTile::startFromRandomPosition(int delay) {
    float fromX = 0, fromY = 0;
    switch (Rand(1, 4)) {
        case 1:
            fromX = static_cast<float>(Rand(-200, -50));
            fromY = static_cast<float>(Rand(-100, 900));
            break;
        case 2:
            fromX = static_cast<float>(Rand(-50, 1200));
            fromY = static_cast<float>(Rand(-200, -100));
            break;
        case 3:
            fromX = static_cast<float>(Rand(1150, 1300));
            fromY = static_cast<float>(Rand(-100, 900));
            break;
        default:
            fromX = static_cast<float>(Rand(-50, 1200));
            fromY = static_cast<float>(Rand(900, 1000));
            break;
    }
    startFrom(fromX, fromY, delay);
    if (Rand(0, 1) == 0) {
        mx = x1;
        my = y2;
    } else {
        mx = x2;
        my = y1;
    }
}

void TFlyingTile::drawHiden() const {
    const int s = sizeOf(*tile);
    if (tile->broken) {
        if (tile->td) tile->td->drawBroke(x, y, s, tile->animTime);
    } else if (tile->tdHide) {
        drawClampedFrame(tile->tdHide->hideImg[s], x, y, tile->animTime);
    }
}

void TFlyingTile::drawOdkryty() const {
    const int s = sizeOf(*tile);
    if (!tile->td) return;
    if (tile->broken) {
        tile->td->drawBroke(x, y, s, tile->animTime);
        return;
    }
    tile->td->draw(x, y, s, tile->animTime);
    if (tile->tresure) tile->tresure->draw(x, y, s, tile->animTime);
}

void TFlyingTile::draw() const {
    if (!tile || MilliSecs() < time) return;
    const float e = ease(per);
    SetBlend(ALPHABLEND);
    SetAlpha(e);
    SetScale(1, 1);
    SetRotation(rotate == 1 ? 360 * e : 0);
    SetColor(255, 255, 255);
    if (tile->odkryty)
        drawOdkryty();
    else
        drawHiden();
}

void TFlyingTile::update() {
    if (MilliSecs() < time) return;
    if (per >= 1) {
        destroy();
        return;
    }
    per = std::min(1.0f, per + perSpeed * frameDelta);
    const float e = ease(per);
    x = bezier(x1, mx, x2, e);
    y = bezier(y1, my, y2, e);
}

void TFlyingTile::destroy() {
    releaseTile();
    if (list) list->remove(this);
}

std::shared_ptr<TFlyingTile> makeFlyingTile(std::shared_ptr<TTile> tile) {
    auto f = std::make_shared<TFlyingTile>();
    f->tile = std::move(tile);
    if (f->tile) f->tile->_flyingTile = f.get();
    return f;
}

void startOpeningFlight(TLevel& level, TFlyingTileList& list) {
    list.clear();
    int n = 0;
    for (auto& row : level.tile)
        for (auto& t : row) {
            auto f = makeFlyingTile(t);
            f->rotate = 0;
            f->perSpeed = 0.02f;
            f->startFrom(t->dim.x, t->dim.y + 800, 500 + 5 * n++);
            list.add(f);
        }
}

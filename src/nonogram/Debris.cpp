// A falling piece of debris: the pieces of a burst chest and the bag that flies away once full.
#include "nonogram/Debris.h"

#include <algorithm>

#include "core/Curve.h"
#include "core/DrawState.h"
#include "core/Globals.h"

using namespace eng;

void TOdpad::update() {
    per = std::min(per + 0.02f * speed * frameDelta, 1.0f);
    s = a = 1;
    rot = obr * per;
    x = bezier(x1, mx, x2, per);
    y = bezier(y1, my, y2, per);
    if (y > 830) per = 1;
    if (per >= 1) destroy();
}

void TOdpad::draw() const {
    SetColor(255, 255, 255);
    SetAlpha(a);
    SetScale(s, s);
    SetBlend(ALPHABLEND);
    SetRotation(rot);
    DrawImage(img, x, y, static_cast<int>(frame));
    resetDrawState();
}

void TOdpad::destroy() {
    if (list) list->remove(this);
}

std::shared_ptr<TOdpad> startDebris(Image img, float x1, float y1, float x2, float y2, float mx, float my,
                                    float frame, TOdpadList& list) {
    auto d = std::make_shared<TOdpad>();
    d->img = std::move(img);
    d->x = d->x1 = x1;
    d->y = d->y1 = y1;
    d->x2 = x2;
    d->y2 = y2;
    d->mx = mx;
    d->my = my;
    d->frame = frame;
    return list.add(d);
}

std::shared_ptr<TOdpad> startChestPiece(Image img, float x1, float y1, float x2, float y2, float mx, float my,
                                        int delay, TOdpadList& list) {
    auto d = startDebris(std::move(img), x1, y1, x2, y2, mx, my, 0, list);
    d->obr = 25;
    d->speed = 0.45f;
    d->startTime = delay;
    return d;
}

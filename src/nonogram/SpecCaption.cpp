// Praise and level-completed captions: the picture wobbles in, holds, and fades away.
#include "nonogram/SpecCaption.h"

#include <algorithm>

#include "core/DeltaTime.h"
#include "core/Globals.h"

using namespace eng;

TSpecCaption::TSpecCaption() {
    rSpeed = 0;
    aSpeed = 0.02f;
}

void TSpecCaption::_updateStandardData() {
    approach(s, ds, sSpeed);
    if ((a == 0 && da == 0) || (s == 0 && ds == 0)) destroy();
    x += ax * frameDelta;
    y += ay * frameDelta;
    r += rSpeed * frameDelta;
}

void TSpecCaption::_updateStart() {
    a = std::min(1.0f, a + aSpeed * frameDelta);
    if (a <= 0) return;
    per = std::min(1.0f, per + perSpeed * frameDelta);
    const float fade = (1 - per) * sc;
    sy = sts + 0.2f * static_cast<float>(Cos(360.0 * per * sc)) * fade;
    sx = sts + 0.4f * static_cast<float>(Sin(450.0 * per * sc)) * fade;
    if (per == 1) {
        state = "NEXT";
        per = 0;
        da = 0;
    }
}

void TSpecCaption::_updateNext() {
    per += 0.015f * frameDelta;
    if (per <= 0.5f)
        a = std::min(1.0f, a + aSpeed * frameDelta);
    else
        a = std::max(0.0f, a - aSpeed * frameDelta);
}

void TSpecCaption::update() {
    _updateStandardData();
    if (state == "START")
        _updateStart();
    else if (state == "NEXT")
        _updateNext();
}

std::shared_ptr<TSpecCaption> startPraise(int kind, float x, float y, TCaptionList& list) {
    auto c = std::make_shared<TSpecCaption>();
    c->n = kind;
    c->x = x;
    c->y = y;
    c->state = "START";
    c->per = 0;
    c->a = 0;
    c->da = 1;
    c->s = 0;
    c->ds = 0.6f;
    c->sts = 0.6f;
    c->ax = 0;
    c->ay = -0.1f;
    c->perSpeed = 0.03f;
    if (kind == 5) {
        c->sts = 1;
        c->perSpeed = 0.015f;
    }
    c->rgb = TRGB{};
    list.add(c);
    return c;
}

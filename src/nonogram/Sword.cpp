// The sword power-up's flight, spiral, trails and fading.
#include "nonogram/Sword.h"

#include <algorithm>
#include <cmath>

#include "core/Curve.h"
#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "nonogram/Level.h"
#include "nonogram/PlayEffects.h"
#include "nonogram/RevealEmitter.h"

using namespace eng;

Image swordImage;

void loadSwordImage() {
    swordImage = loadImageOrWarn(programPrefix + "gfx/efekty/miecz.png");
    if (swordImage) MidHandleImage(swordImage);
}

std::shared_ptr<TMiecz> startSword(std::vector<std::shared_ptr<TTile>> cells, float sx, float sy,
                                   const std::shared_ptr<TLevel>& level, TPlayEffects& fx) {
    auto m = std::make_shared<TMiecz>(level, fx);
    m->lista = std::move(cells);
    m->x = m->x1 = sx;
    m->y = m->y1 = sy;
    const TDim target = level ? level->getCentralDim() : TDim{};
    m->x2 = target.x;
    m->y2 = target.y;
    m->mx = m->x2;
    m->my = m->y1;
    return m;
}

void TMiecz::update() {
    _update_fly();
    _update_DNA();
    _update_ma();
    if (state == "BOOM")
        _update_boom();
    else if (state == "WAIT")
        _update_wait();
}

void TMiecz::_update_fly() {
    per = std::min(per + 0.02f * frameDelta, 1.0f);
    const float d = static_cast<float>(Sin(90 * per));
    rot = 360 * d;
    x = bezier(x1, mx, x2, d);
    y = bezier(y1, my, y2, d);
}

// Two streams of sparks spiral down from 450 pixels above the grid's centre onto it.
void TMiecz::_update_DNA() {
    if (state != "FLY") return;
    dnaP = std::min(dnaP + 0.015f * frameDelta, 1.0f);
    const float s = static_cast<float>(Sin(90 * dnaP));
    const float swing = 100 * static_cast<float>(Cos(450 * s));
    const float ey = y2 - 450 + 450 * s;
    createEmitter(10, x2 - 20 + swing, ey, 0, 20, 250, TRGB{}, fx_.emitters, fx_.particles);
    createEmitter(11, x2 - 20 - swing, ey, 0, 20, 250, TRGB{}, fx_.emitters, fx_.particles);
    if (dnaP >= 1) {
        state = "BOOM";
        dma = 0;
    }
}

void TMiecz::_update_boom() {
    const auto level = level_.lock();
    if (level) {
        int k = 0;
        for (const auto& cell : lista)
            swordTrail(x2 - 20, y2, cell->dim.x, cell->dim.y, k++, level, *cell, fx_.emitters, fx_.particles);
    }
    state = "WAIT";
    time = MilliSecs() + 1000;
}

void TMiecz::_update_wait() {
    if (MilliSecs() > time) state = "HIDE";
}

void TMiecz::_update_ma() {
    approach(ma, dma, 0.01f);
}

void TMiecz::draw() const {
    if (!swordImage) return;
    resetDrawState();
    SetAlpha(ma);
    const float s = static_cast<float>(Sin(90 * per));
    SetScale(s, s);
    SetRotation(rot);
    DrawImage(swordImage, x, y);
    resetDrawState();
}

// Emitters that reveal a cell of the level when they expire.
#include "nonogram/RevealEmitter.h"

#include <algorithm>

#include "core/Curve.h"
#include "core/Globals.h"
#include "effects/ParticleEffects.h"
#include "nonogram/Level.h"

std::shared_ptr<TEmitter> createRevealEmitter(const std::shared_ptr<TLevel>& level, int r, int c, int typ,
                                              float x, float y, int delay, int interval, int duration,
                                              TEmitterList& list, TParticleList& sparkles) {
    auto e = createEmitter(typ, x, y, delay, interval, duration, TRGB{}, list, sparkles);
    e->useString = "REVEAL_TILE";
    e->useDataR = r;
    e->useDataC = c;
    e->onExpire = [weak = std::weak_ptr<TLevel>(level)](const TEmitter& self) {
        const auto lvl = weak.lock();
        const std::shared_ptr<TTile> tile = lvl ? lvl->tileAt(self.useDataR, self.useDataC) : nullptr;
        if (!tile || !self.particles) return;
        tile->reveal();
        lightFlash(TRGB{}, tile->dim.x, tile->dim.y, 0.5f, 0.1f, *self.particles);
    };
    return e;
}

void revealTrail(int typ, float x1, float y1, float x2, float y2, int delay,
                 const std::shared_ptr<TLevel>& level, const TTile& cell, TEmitterList& list,
                 TParticleList& sparkles) {
    float mx = x2, my = y1;
    if (eng::Rand(0, 1) == 1) {
        mx = x1;
        my = y2;
    }
    int e = delay;
    createEmitter(typ, x1, y1, e, 25, 400, TRGB{}, list, sparkles);
    // One emitter every 10 ms of delay along the curve; the step follows this frame's delta, as the cells'
    // own animations do.
    const float step = std::max(0.01f * frameDelta, 0.001f);
    for (float f = 0; f <= 1; f += step) {
        e += 10;
        const float t = static_cast<float>(eng::Sin(90 * f));
        createEmitter(typ, bezier(x1, mx, x2, t), bezier(y1, my, y2, t), e, 25, 400, TRGB{}, list, sparkles);
    }
    createRevealEmitter(level, cell.r, cell.c, typ, x2, y2, e, 25, 400, list, sparkles);
}

void medallionTrail(float x1, float y1, float x2, float y2, int delay, const std::shared_ptr<TLevel>& level,
                    const TTile& cell, TEmitterList& list, TParticleList& sparkles) {
    revealTrail(1, x1, y1, x2, y2, delay, level, cell, list, sparkles);
}

void swordTrail(float x1, float y1, float x2, float y2, int delay, const std::shared_ptr<TLevel>& level,
                const TTile& cell, TEmitterList& list, TParticleList& sparkles) {
    revealTrail(12, x1, y1, x2, y2, delay, level, cell, list, sparkles);
}

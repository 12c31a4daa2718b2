// Emitters that reveal a cell of the level when they expire.
#include "nonogram/RevealEmitter.h"

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

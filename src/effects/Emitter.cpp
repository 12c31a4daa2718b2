// Emitters: timed particle sources at a point that sparkle at a fixed interval until they expire.
#include "effects/Emitter.h"

#include "effects/ParticleEffects.h"
#include "engine/Engine.h"

using namespace eng;

void TEmitter::update() {
    const int64_t now = MilliSecs();
    if (now < startTime) return;
    if (waitTime < now) {
        waitTime = now + inter;
        generate();
    }
    if (endTime < now) destroy();
}

void TEmitter::generate() {
    if (!particles) return;
    auto v = [] { return Rand(200, 255); };
    switch (typ) {
        case 1:
            for (int i = 0; i < 2; ++i)
                emitterSparkle(x, y, TRGB{Rand(245, 255), Rand(145, 155), Rand(23, 27)}, *particles);
            emitterSparkle(x, y, TRGB{}, *particles);
            break;
        case 10:
            emitterSparkle(x, y, TRGB{v(), 0, 0}, *particles);
            emitterSparkle(x, y, TRGB{}, *particles);
            break;
        case 11:
        case 12: {
            const int c = v();
            emitterSparkle(x, y, TRGB{0, c, c}, *particles);
            emitterSparkle(x, y, TRGB{0, 0, v()}, *particles);
            emitterSparkle(x, y, TRGB{}, *particles);
            break;
        }
        default:
            break;
    }
}

void TEmitter::destroy() {
    if (lista) lista->remove(this);
    if (onExpire) onExpire(*this);
}

std::shared_ptr<TEmitter> createEmitter(int typ, float x, float y, int delay, int interval, int duration,
                                        const TRGB& rgb, TEmitterList& list, TParticleList& sparkles) {
    auto e = std::make_shared<TEmitter>();
    e->x = x;
    e->y = y;
    e->typ = typ;
    const int64_t now = MilliSecs();
    e->startTime = now + delay;
    e->inter = interval;
    e->endTime = now + delay + duration;
    e->particles = &sparkles;
    return list.add(e);
}

// Emitters: timed particle sources at a point that sparkle at a fixed interval until they expire.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/Dim.h"
#include "effects/EffectList.h"
#include "effects/Particle.h"

class TEmitter;
using TEmitterList = TEffectList<TEmitter>;

class TEmitter {
  public:
    float x = 0, y = 0;
    int64_t startTime = 0;  // first emission
    int64_t endTime = 0;    // expiry
    int64_t waitTime = 0;   // next emission
    int inter = 0;          // emission interval in ms
    TEmitterList* lista = nullptr;
    TParticleList* particles = nullptr;  // where its sparkles go
    int typ = 0;                         // 1 orange, 10 red, 11 and 12 blue; others emit nothing
    std::string useString;               // "REVEAL_TILE": reveal the cell (useDataR, useDataC) on expiry
    int useDataR = 0, useDataC = 0;
    std::function<void(const TEmitter&)> onExpire;  // what its expiry does (the game sets it with useString)

    void update();
    void generate();
    void destroy();
};

// The emitter keeps its list in `lista`.
inline void joinEffectList(TEmitter& item, TEmitterList* list) {
    item.lista = list;
}

// An emitter starting after `delay` ms and expiring `duration` ms later, appended to `list`, sparkling into
// `sparkles`. The colour is not kept: the type chooses the colours.
std::shared_ptr<TEmitter> createEmitter(int typ, float x, float y, int delay, int interval, int duration,
                                        const TRGB& rgb, TEmitterList& list, TParticleList& sparkles);

// A hint on its way: from a scarab slot to the cell it clears, or a charge from an uncovered treasure to the
// slot it fills. It has no picture; a trail of green and yellow sparks shows it.
#pragma once

#include <cstdint>
#include <memory>

#include "effects/EffectList.h"
#include "effects/Particle.h"

class TTile;
class THints;
class TFlyingHint;
using TFlyingHintList = TEffectList<TFlyingHint>;

class TFlyingHint {
  public:
    float x = 0, y = 0;
    float x1 = 0, y1 = 0;
    float x2 = 0, y2 = 0;
    float mx = 0, my = 0;
    float per = 0;
    int64_t time = 0;             // next trail
    std::shared_ptr<TTile> tile;  // the cell a hint clears; null for a charge
    float lastX = 0, lastY = 0;
    int hintN = 0;    // the slot a charge fills
    int reverse = 0;  // 1: a charge flying to a slot
    TFlyingHintList* list = nullptr;
    THints* hints = nullptr;             // the slots a charge fills
    TParticleList* particles = nullptr;  // where its trail goes

    void update();
    void generateParticles();
    void useMyHint();
    void countPosition();
    void loadUpHint();
};

// A hint from the slot centre (x1, y1) to the cell at (tx, ty): uncovering the cell will charge no slot.
std::shared_ptr<TFlyingHint> startHintFlight(const std::shared_ptr<TTile>& tile, float x1, float y1, float tx,
                                             float ty, TFlyingHintList& list, TParticleList& particles);
// A charge from the cell at (x1, y1) to the centre (x2, y2) of `slot`.
std::shared_ptr<TFlyingHint> startHintCharge(float x1, float y1, float x2, float y2, int slot, THints& hints,
                                             TFlyingHintList& list, TParticleList& particles);

// A hint in a hidden-object scene: sparkles circling one hidden object for four seconds.
#pragma once

#include <cstdint>

#include "effects/Particle.h"

class THOHint {
  public:
    float cx = 0, cy = 0;  // the object circled
    float angle = 0;       // degrees, falling by 3 a frame
    float radius = 60;
    int64_t startTime = 0, nextSparkle = 0;

    THOHint(float x, float y);
    // One frame: moves on and sparkles every 25 ms; false once its four seconds are over.
    bool update(TParticleList& sparkles);
    float x() const;
    float y() const;
};

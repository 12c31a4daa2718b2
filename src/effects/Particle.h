// Particles: short-lived sprites that interpolate from their birth to their death values and leave their
// list.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/Dim.h"
#include "effects/EffectList.h"
#include "engine/Engine.h"

class TParticle;
using TParticleList = TEffectList<TParticle>;

class TParticle {
  public:
    float startA = 1, startS = 1, startR = 0;
    float a = 1, da = 0;
    float s = 1, ds = 1;
    float r = 0, dr = 0;
    int n = 0;  // picture index into particleImages
    TRGB rgb;
    float x = 0, y = 0;
    int blend = eng::LIGHTBLEND;
    int64_t startTime = 0;  // creation time + delay
    int64_t bornTime = 0;   // the first update at or after startTime
    int lifeTime = 1;
    float lifePer = 0;
    int giveBonusC = 0;
    int getBack = 0;  // the alpha rises to da at half life and falls back to startA
    float x1 = 0, y1 = 0;
    float x2 = 0, y2 = 0;
    float per = 0;
    float mx = 0, my = 0;  // control point of the quadratic path
    TParticleList* list = nullptr;

    // Reads "data/particles.dat" into particleImages.
    static void setup();
    void _updateTime();
    void _updateAlpha();
    void _updateScale();
    void _updatePosition();  // the rotation
    void _updateMove();
    void update();
    void draw() const;
    void destroy();

  private:
    bool _born = false;
};

extern std::vector<eng::Image> particleImages;

// A particle on the path (x1, y1) → (x2, y2) bent by (mx, my), appended to `list`.
std::shared_ptr<TParticle> createParticle(int n, float x1, float y1, float x2, float y2, float mx, float my,
                                          const TRGB& rgb, float a0, float a1, float s0, float s1, float r0,
                                          float r1, int blend, int delay, int life, TParticleList& list);

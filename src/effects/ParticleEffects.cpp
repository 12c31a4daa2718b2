// The game's particle effects: flashes, sparkles, trails, splinters and bursts, each a few ready-made
// particles.
#include "effects/ParticleEffects.h"

#include "engine/Engine.h"

using namespace eng;

namespace {

// Picture numbers in "data/particles.dat".
constexpr int kStar = 0;
constexpr int kSplinter = 6;
constexpr int kDust = 10;
constexpr int kFlash = 11;

float rnd(int lo, int hi) {
    return static_cast<float>(Rand(lo, hi));
}

// A particle from (x1, y1) to (x2, y2) bent through the point halfway between the effect's origin and the
// end.
std::shared_ptr<TParticle> fromOrigin(int n, float ox, float oy, float x1, float y1, float x2, float y2,
                                      const TRGB& rgb, float a0, float a1, float s0, float s1, float r0,
                                      float r1, int blend, int life, TParticleList& list) {
    return createParticle(n, x1, y1, x2, y2, (ox + x2) / 2, (oy + y2) / 2, rgb, a0, a1, s0, s1, r0, r1, blend,
                          0, life, list);
}

// A particle resting at (x, y).
std::shared_ptr<TParticle> fixedAt(int n, float x, float y, const TRGB& rgb, float a0, float a1, float s0,
                                   float s1, float r0, float r1, int blend, int life, TParticleList& list) {
    return createParticle(n, x, y, x, y, x, y, rgb, a0, a1, s0, s1, r0, r1, blend, 0, life, list);
}

// A particle curling out of (x, y) through a point r2 away to a point r1 away, in random directions.
std::shared_ptr<TParticle> curl(int n, float x, float y, float r1, float r2, const TRGB& rgb, float s1,
                                int life, TParticleList& list) {
    const float t1 = rnd(0, 360), t2 = rnd(0, 360);
    return createParticle(n, x, y, x + r1 * static_cast<float>(Cos(t1)), y + r1 * static_cast<float>(Sin(t1)),
                          x + r2 * static_cast<float>(Cos(t2)), y + r2 * static_cast<float>(Sin(t2)), rgb, 1,
                          0, 1, s1, 0, 360, LIGHTBLEND, 0, life, list);
}

// Cyan or deep blue, even odds.
TRGB blueOrCyan() {
    const int v = Rand(150, 255);
    return Rand(0, 1) == 1 ? TRGB{0, v, v} : TRGB{0, 0, v};
}

}  // namespace

void lightFlash(const TRGB& rgb, float x, float y, float size, float s0, TParticleList& list) {
    fixedAt(kFlash, x, y, rgb, 1, 0, s0, 1.5f * size, 0, 360, ALPHABLEND, 400, list);
    fixedAt(kFlash, x, y, rgb, 0.3f, 0, s0, 1.5f * size, 0, 360, LIGHTBLEND, 400, list);
}

std::shared_ptr<TParticle> treasureTrail(float x, float y, TParticleList& list) {
    const TRGB gold{247 + Rand(-7, 7), 222 + Rand(-7, 7), 113 + Rand(-7, 7)};
    return fromOrigin(Rand(0, 1), x, y, x + rnd(-10, 10), y + rnd(-10, 10), x + rnd(-5, 5), y + rnd(50, 80),
                      gold, 1, 0, 0.5f, 0.3f, 0, 360, LIGHTBLEND, 400, list);
}

std::shared_ptr<TParticle> treasureSparkle(float x, float y, TParticleList& list) {
    const int v = Rand(200, 255);
    return fixedAt(kStar, x, y, TRGB{v, v, 0}, 1, 0, 0, 1, 0, 30, LIGHTBLEND, 1000, list);
}

std::shared_ptr<TParticle> menuSparkle(float x, float y, TParticleList& list) {
    return fixedAt(kStar, x, y, TRGB{}, 1, 0, 0.5f, 2, 0, 90, LIGHTBLEND, 1000, list);
}

std::shared_ptr<TParticle> emitterSparkle(float x, float y, const TRGB& rgb, TParticleList& list) {
    return fromOrigin(kStar, x, y, x + rnd(-10, 10), y + rnd(-10, 10), x + rnd(-5, 5), y + rnd(-10, 10), rgb,
                      1, 0, 0.5f, 0.3f, 1, 360, LIGHTBLEND, 400, list);
}

std::shared_ptr<TParticle> previewSparkle(float x, float y, float w, float h, TParticleList& list) {
    const int hw = static_cast<int>(w / 2), hh = static_cast<int>(h / 2);
    const int v = Rand(150, 255);
    const float sx = x + rnd(-hw, hw), sy = y + rnd(-hh, hh);
    const float ex = x + rnd(-hw, hw), ey = y + rnd(-hh, hh);
    return fromOrigin(Rand(0, 1), x, y, sx, sy, ex, ey, TRGB{0, v, v}, 1, 0, 0.5f, 0.3f, 0, 360, LIGHTBLEND,
                      400, list);
}

std::shared_ptr<TParticle> splinter(float x, float y, TParticleList& list) {
    return fromOrigin(Rand(kSplinter, kSplinter + 1), x, y, x + rnd(-10, 10), y + rnd(-10, 10),
                      x + rnd(-30, 30), y + rnd(-30, 30), TRGB{}, 1, 0, 0.5f, 0.3f, 0, 720, ALPHABLEND,
                      Rand(2, 6) * 200, list);
}

std::shared_ptr<TParticle> stoneTrail(float x, float y, float r, TParticleList& list) {
    const int ri = static_cast<int>(r), half = ri / 2;
    const int g = Rand(150, 255);
    return fromOrigin(kDust, x, y, x + rnd(-ri, ri), y + rnd(-ri, ri), x + rnd(-half, half), y + rnd(70, 120),
                      TRGB{g, g, g}, 0.6f, 0, 1, 1, 0, 360, ALPHABLEND, Rand(1, 3) * 200, list);
}

std::shared_ptr<TParticle> hintSparkleSmall(float x, float y, TParticleList& list) {
    const float r1 = rnd(5, 10), r2 = rnd(5, 10);
    return curl(Rand(0, 1), x, y, r1, r2, blueOrCyan(), 1.3f, 2000, list);
}

std::shared_ptr<TParticle> hintSparkle(float x, float y, TParticleList& list) {
    const float r1 = rnd(10, 25), r2 = rnd(10, 20);
    return curl(Rand(0, 1), x, y, r1, r2, blueOrCyan(), 1.3f, 2000, list);
}

std::shared_ptr<TParticle> blueBurst(float x, float y, TParticleList& list) {
    const float r1 = rnd(15, 40), r2 = rnd(20, 30);
    return curl(Rand(0, 1), x, y, r1, r2, blueOrCyan(), 1.3f, 500, list);
}

std::shared_ptr<TParticle> goldBurst(float x, float y, TParticleList& list) {
    const float r1 = rnd(15, 40), r2 = rnd(20, 30);
    const int v = Rand(150, 255);
    const TRGB rgb = Rand(0, 1) == 1 ? TRGB{v, v, 0} : TRGB{};
    return curl(Rand(0, 1), x, y, r1, r2, rgb, 1.3f, 500, list);
}

std::shared_ptr<TParticle> mapSparkle(float x, float y, const TRGB& rgb, TParticleList& list) {
    return fromOrigin(kStar, x, y, x + rnd(-5, 5), y + rnd(-5, 5), x + rnd(-5, 5), y + rnd(-5, 5), rgb, 1, 0,
                      0.5f, 0.3f, 1, 360, LIGHTBLEND, 1500, list);
}

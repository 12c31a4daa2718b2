// Seeded, platform-independent randomness: a small generator, value noise and fractal (fbm) noise.
#pragma once

#include <cstdint>

namespace paint {

// Integer hash of a lattice point, the base of all noise here.
uint32_t hash3(int x, int y, uint32_t seed);

// A tiny deterministic random generator (splitmix), for scattering stars, grains and ornaments.
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint32_t next();
    float uniform();                  // 0 ≤ v < 1
    float range(float lo, float hi);  // lo ≤ v < hi

  private:
    uint64_t state_;
};

class Noise {
  public:
    explicit Noise(uint32_t seed) : seed_(seed) {}
    // Smooth value noise in 0..1 with features about one unit apart.
    float value(float x, float y) const;
    // Sum of octaves of value noise, normalised to 0..1.
    float fbm(float x, float y, int octaves = 5, float lacunarity = 2.0f, float gain = 0.5f) const;
    // Grain in −1..1 per integer pixel (white noise).
    float grain(int x, int y) const;

  private:
    uint32_t seed_;
};

}  // namespace paint

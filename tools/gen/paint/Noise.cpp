// Hash-based value noise with quintic smoothing, and its fractal sum.
#include "paint/Noise.h"

#include <cmath>

namespace paint {

uint32_t hash3(int x, int y, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<uint32_t>(x) * 0x85EBCA6Bu;
    h = (h ^ (h >> 13)) * 0xC2B2AE35u;
    h ^= static_cast<uint32_t>(y) * 0x27D4EB2Fu;
    h = (h ^ (h >> 15)) * 0x165667B1u;
    return h ^ (h >> 16);
}

uint32_t Rng::next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

float Rng::uniform() {
    return static_cast<float>(next() >> 8) / 16777216.0f;
}
float Rng::range(float lo, float hi) {
    return lo + (hi - lo) * uniform();
}

namespace {
float unit(uint32_t h) {
    return static_cast<float>(h >> 8) / 16777215.0f;
}
float quintic(float t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}
}  // namespace

float Noise::value(float x, float y) const {
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const float tx = quintic(x - fx), ty = quintic(y - fy);
    const float a = unit(hash3(ix, iy, seed_)), b = unit(hash3(ix + 1, iy, seed_));
    const float c = unit(hash3(ix, iy + 1, seed_)), d = unit(hash3(ix + 1, iy + 1, seed_));
    const float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float Noise::fbm(float x, float y, int octaves, float lacunarity, float gain) const {
    float sum = 0, amp = 1, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        // Each octave is shifted so lattice lines of different octaves do not line up.
        sum += amp * Noise(seed_ + 977u * static_cast<uint32_t>(i)).value(x + 17.3f * i, y - 9.1f * i);
        norm += amp;
        amp *= gain;
        x *= lacunarity;
        y *= lacunarity;
    }
    return sum / norm;
}

float Noise::grain(int x, int y) const {
    return unit(hash3(x, y, seed_ ^ 0xA5A5A5u)) * 2.0f - 1.0f;
}

}  // namespace paint

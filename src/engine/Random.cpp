// Seeded random numbers and the degree-based mathematics helpers.
#include <cmath>

#include "engine/Engine.h"

namespace eng {

namespace {

// A small 64-bit generator (splitmix64): fast, seedable, the same sequence on every machine.
uint64_t rngState = 0x2545F4914F6CDD1DULL;

uint64_t next() {
    uint64_t z = (rngState += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double unit() {
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

}  // namespace

void SeedRnd(uint64_t seed) {
    rngState = seed;
}

int Rand(int min, int max) {
    if (min > max) std::swap(min, max);
    const uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(max) - min) + 1;
    return static_cast<int>(min + static_cast<int64_t>(next() % span));
}

int Rand(int max) {
    return Rand(1, max);
}

double Rnd(double min, double max) {
    if (min > max) std::swap(min, max);
    return min + (max - min) * unit();
}

double Rnd(double max) {
    return Rnd(0.0, max);
}

double Sin(double degrees) {
    return std::sin(degrees * M_PI / 180.0);
}
double Cos(double degrees) {
    return std::cos(degrees * M_PI / 180.0);
}
double ATan2(double y, double x) {
    return std::atan2(y, x) * 180.0 / M_PI;
}
double Sqr(double v) {
    return std::sqrt(v);
}
double Abs(double v) {
    return std::fabs(v);
}
int Sgn(double v) {
    return (v > 0) - (v < 0);
}

}  // namespace eng

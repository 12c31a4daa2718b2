// Sound synthesis building blocks: random numbers, oscillators, envelopes, filters, strings and reverb.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace snd {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
using Wave = std::vector<float>;

// A small seeded generator: the same numbers on every machine.
struct Rng {
    uint64_t s;
    explicit Rng(uint64_t seed) : s(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) {}
    uint64_t next() {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return s;
    }
    double uni() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }  // 0..1
    double range(double a, double b) { return a + (b - a) * uni(); }
    float bipolar() { return static_cast<float>(uni() * 2 - 1); }
    int below(int n) { return n > 0 ? static_cast<int>(next() % static_cast<uint64_t>(n)) : 0; }
    bool chance(double p) { return uni() < p; }
};

inline double noteHz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}
inline int samples(double seconds) {
    return static_cast<int>(std::lround(seconds * kRate));
}
inline double dbGain(double db) {
    return std::pow(10.0, db / 20.0);
}

// Second-order filters after the well-known cookbook formulas.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, z1 = 0, z2 = 0;
    static Biquad lowpass(double hz, double q);
    static Biquad highpass(double hz, double q);
    static Biquad bandpass(double hz, double q);  // 0 dB at the centre
    static Biquad peak(double hz, double q, double db);
    void retune(const Biquad& other) {  // new coefficients, same state
        b0 = other.b0, b1 = other.b1, b2 = other.b2, a1 = other.a1, a2 = other.a2;
    }
    float operator()(float x) {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return static_cast<float>(y);
    }
};

struct OnePole {
    double a = 1, z = 0;
    static OnePole lowpass(double hz) { return OnePole{1 - std::exp(-2 * kPi * hz / kRate), 0}; }
    float operator()(float x) {
        z += a * (x - z);
        return static_cast<float>(z);
    }
};

float fastSine(double phase01);  // sin(2 pi phase)

// Oscillators keep their phase so the pitch may change from sample to sample.
struct Osc {
    double phase = 0;  // 0..1
    float sine(double hz);
    float saw(double hz);  // band-limited
    float square(double hz, double width = 0.5);
    float triangle(double hz);
};

// Attack, decay to sustain, hold until `hold` seconds, then release; 0..1.
float adsr(double t, double attack, double decay, double sustain, double hold, double release);

// A plucked string: `decay` seconds to fall by 1/e, `bright` 0 (soft) .. 1 (bright), `pick` the plucking
// point 0..0.5 (0: none), muted `release` seconds after `hold`.
Wave pluckString(double hz, double hold, double decay, double bright, double pick, double release, Rng& rng);

// Stereo reverb of parallel damped combs and serial allpasses.
class Reverb {
  public:
    Reverb(double room, double damp, double width);
    void process(float in, float& left, float& right);

  private:
    struct Comb {
        std::vector<float> buf;
        size_t i = 0;
        float store = 0;
    };
    struct Allpass {
        std::vector<float> buf;
        size_t i = 0;
    };
    Comb _combs[2][8];
    Allpass _passes[2][4];
    float _feedback, _damp, _wet1, _wet2;
};

// Adds `src` × `gain` into `dst` from `at`, wrapping around the end when `wrap` (loops).
void mixInto(Wave& dst, const Wave& src, long at, float gain, bool wrap);
float peakOf(const Wave& w);

}  // namespace snd

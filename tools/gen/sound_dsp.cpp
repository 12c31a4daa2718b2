// Oscillators, envelopes, filters, the plucked string and the reverb of the sound generator.
#include "sound_dsp.h"

#include <algorithm>

namespace snd {

namespace {
double polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1;
    }
    if (t > 1 - dt) {
        t = (t - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}
struct Coeffs {
    double w, cw, alpha;
};
Coeffs coeffs(double hz, double q) {
    const double w = 2 * kPi * std::min(hz, kRate * 0.45) / kRate;
    return {w, std::cos(w), std::sin(w) / (2 * q)};
}
Biquad normalized(double b0, double b1, double b2, double a0, double a1, double a2) {
    Biquad f;
    f.b0 = b0 / a0, f.b1 = b1 / a0, f.b2 = b2 / a0, f.a1 = a1 / a0, f.a2 = a2 / a0;
    return f;
}
}  // namespace

Biquad Biquad::lowpass(double hz, double q) {
    const Coeffs c = coeffs(hz, q);
    return normalized((1 - c.cw) / 2, 1 - c.cw, (1 - c.cw) / 2, 1 + c.alpha, -2 * c.cw, 1 - c.alpha);
}
Biquad Biquad::highpass(double hz, double q) {
    const Coeffs c = coeffs(hz, q);
    return normalized((1 + c.cw) / 2, -(1 + c.cw), (1 + c.cw) / 2, 1 + c.alpha, -2 * c.cw, 1 - c.alpha);
}
Biquad Biquad::bandpass(double hz, double q) {
    const Coeffs c = coeffs(hz, q);
    return normalized(c.alpha, 0, -c.alpha, 1 + c.alpha, -2 * c.cw, 1 - c.alpha);
}
Biquad Biquad::peak(double hz, double q, double db) {
    const Coeffs c = coeffs(hz, q);
    const double a = std::pow(10.0, db / 40);
    return normalized(1 + c.alpha * a, -2 * c.cw, 1 - c.alpha * a, 1 + c.alpha / a, -2 * c.cw,
                      1 - c.alpha / a);
}

// A sine from a table with linear interpolation: far cheaper than std::sin and exact to about -140 dB.
float fastSine(double phase01) {
    constexpr int kSize = 4096;
    static const std::vector<float> table = [] {
        std::vector<float> t(kSize + 1);
        for (int i = 0; i <= kSize; ++i) t[i] = static_cast<float>(std::sin(2 * kPi * i / kSize));
        return t;
    }();
    const double x = (phase01 - std::floor(phase01)) * kSize;
    const int i = static_cast<int>(x);
    const float f = static_cast<float>(x - i);
    return table[i] + f * (table[i + 1] - table[i]);
}

float Osc::sine(double hz) {
    const float v = fastSine(phase);
    phase += hz / kRate;
    phase -= std::floor(phase);
    return v;
}
float Osc::saw(double hz) {
    const double dt = hz / kRate;
    const double v = 2 * phase - 1 - polyBlep(phase, dt);
    phase += dt;
    phase -= std::floor(phase);
    return static_cast<float>(v);
}
float Osc::square(double hz, double width) {
    const double dt = hz / kRate;
    double v = phase < width ? 1.0 : -1.0;
    v += polyBlep(phase, dt);
    double shifted = phase + 1 - width;
    shifted -= std::floor(shifted);
    v -= polyBlep(shifted, dt);
    phase += dt;
    phase -= std::floor(phase);
    return static_cast<float>(v);
}
float Osc::triangle(double hz) {
    const float v = static_cast<float>(phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase);
    phase += hz / kRate;
    phase -= std::floor(phase);
    return v;
}

float adsr(double t, double attack, double decay, double sustain, double hold, double release) {
    auto level = [&](double u) {
        if (u < attack) return u / attack;
        if (u < attack + decay) return 1 - (1 - sustain) * (u - attack) / decay;
        return sustain;
    };
    if (t < 0) return 0;
    if (t < hold) return static_cast<float>(level(t));
    const double r = (t - hold) / release;
    return r >= 1 ? 0.0f : static_cast<float>(level(hold) * (1 - r) * (1 - r));
}

Wave pluckString(double hz, double hold, double decay, double bright, double pick, double release, Rng& rng) {
    const double period = kRate / hz;
    const double lossDelay = 0.5 * (1 - bright * 0.8);  // the loss filter's own delay in samples
    int len = static_cast<int>(std::floor(period - lossDelay - 0.2));
    len = std::max(len, 2);
    const double frac = period - lossDelay - len;
    const double ap = (1 - frac) / (1 + frac);
    const double g = std::exp(-1.0 / (hz * decay));
    // The excitation: a burst of noise, softened for a dull pluck, with a comb notch for the pick point.
    std::vector<float> line(len);
    OnePole soft = OnePole::lowpass(600 + 9000 * bright * bright);
    for (float& v : line) v = soft(rng.bipolar());
    if (pick > 0) {
        const int notch = std::max(1, static_cast<int>(len * pick));
        std::vector<float> orig = line;
        for (int i = 0; i < len; ++i) line[i] = orig[i] - 0.8f * orig[(i + notch) % len];
    }
    double mean = 0;
    for (float v : line) mean += v;
    mean /= len;
    for (float& v : line) v -= static_cast<float>(mean);

    const int n = samples(hold + release);
    const int holdN = samples(hold);
    Wave out(n);
    const double w = lossDelay;
    float last = 0, apIn = 0, apOut = 0;
    int p = 0;
    for (int i = 0; i < n; ++i) {
        const float y = line[p];
        const float lossy = static_cast<float>(g * ((1 - w) * y + w * last));
        last = y;
        apOut = static_cast<float>(ap * lossy + apIn - ap * apOut);
        apIn = lossy;
        line[p] = apOut;
        p = (p + 1) % len;
        float env = 1;
        if (i > holdN) {
            const double r = static_cast<double>(i - holdN) / (n - holdN);
            env = static_cast<float>((1 - r) * (1 - r));
        }
        out[i] = y * env;
    }
    return out;
}

Reverb::Reverb(double room, double damp, double width) {
    static const int combLen[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static const int passLen[4] = {556, 441, 341, 225};
    for (int ch = 0; ch < 2; ++ch) {
        for (int k = 0; k < 8; ++k) _combs[ch][k].buf.assign(combLen[k] + ch * 23, 0.0f);
        for (int k = 0; k < 4; ++k) _passes[ch][k].buf.assign(passLen[k] + ch * 23, 0.0f);
    }
    _feedback = static_cast<float>(room * 0.28 + 0.7);
    _damp = static_cast<float>(damp * 0.4);
    _wet1 = static_cast<float>(width / 2 + 0.5);
    _wet2 = static_cast<float>((1 - width) / 2);
}

void Reverb::process(float in, float& left, float& right) {
    float out[2];
    const float x = in * 0.015f;
    for (int ch = 0; ch < 2; ++ch) {
        float sum = 0;
        for (Comb& c : _combs[ch]) {
            const float y = c.buf[c.i];
            c.store = y * (1 - _damp) + c.store * _damp;
            c.buf[c.i] = x + c.store * _feedback;
            if (++c.i == c.buf.size()) c.i = 0;
            sum += y;
        }
        for (Allpass& a : _passes[ch]) {
            const float b = a.buf[a.i];
            a.buf[a.i] = sum + b * 0.5f;
            if (++a.i == a.buf.size()) a.i = 0;
            sum = b - sum;
        }
        out[ch] = sum;
    }
    left = out[0] * _wet1 + out[1] * _wet2;
    right = out[1] * _wet1 + out[0] * _wet2;
}

void mixInto(Wave& dst, const Wave& src, long at, float gain, bool wrap) {
    const long n = static_cast<long>(dst.size());
    if (n == 0) return;
    for (size_t i = 0; i < src.size(); ++i) {
        long j = at + static_cast<long>(i);
        if (wrap) {
            j %= n;
            if (j < 0) j += n;
        } else if (j < 0 || j >= n) {
            continue;
        }
        dst[j] += src[i] * gain;
    }
}

float peakOf(const Wave& w) {
    float p = 0;
    for (float v : w) p = std::max(p, std::abs(v));
    return p;
}

}  // namespace snd

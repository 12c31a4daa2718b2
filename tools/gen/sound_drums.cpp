// Percussion: hand drums, frame drums, big drums, shakers, woodblocks and small cymbals.
#include <algorithm>

#include "sound_instruments.h"

namespace snd {

namespace {

// A membrane: a sine gliding from `from` to `to` Hz within `glide` seconds, decaying with `decay`,
// plus its first inharmonic mode.
Wave membrane(double from, double to, double glide, double decay, double modeAmp, double seconds) {
    Wave w(samples(seconds));
    Osc o, m;
    const double fall = std::exp(-1.0 / (decay * kRate)), modeFall = std::exp(-1.0 / (decay * 0.4 * kRate));
    double env = 1, modeEnv = modeAmp, hz = from;
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        if (i % 16 == 0) hz = to + (from - to) * std::exp(-t / glide);
        const double attack = std::min(1.0, t / 0.0015);
        w[i] = static_cast<float>(attack * (env * o.sine(hz) + modeEnv * m.sine(hz * 1.59)));
        env *= fall;
        modeEnv *= modeFall;
    }
    return w;
}

// Noise through a band filter with a fast attack and an exponential decay.
Wave noiseHit(double hz, double q, double decay, double seconds, Rng& rng, double attack = 0.0008) {
    Wave w(samples(seconds));
    Biquad band = Biquad::bandpass(hz, q);
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        w[i] =
            static_cast<float>(std::min(1.0, t / attack) * std::exp(-t / decay) * band(rng.bipolar()) * 2.0);
    }
    return w;
}

void add(Wave& dst, const Wave& src, double gain, double at = 0) {
    if (dst.size() < src.size() + samples(at)) dst.resize(src.size() + samples(at), 0.0f);
    mixInto(dst, src, samples(at), static_cast<float>(gain), false);
}

Wave scaled(Wave w, double vel) {
    for (float& v : w) v *= static_cast<float>(vel);
    // Every hit ends in silence, whatever its decay.
    const size_t tail = std::min(w.size(), static_cast<size_t>(samples(0.02)));
    for (size_t i = 0; i < tail; ++i) w[w.size() - 1 - i] *= static_cast<float>(i) / tail;
    return w;
}

}  // namespace

Wave drumDoum(const NoteSpec& n, Rng& rng) {
    Wave w = membrane(115, 76, 0.03, 0.28, 0.35, 0.9);
    add(w, noiseHit(900, 1.2, 0.004, 0.03, rng), 0.25);
    return scaled(w, n.vel);
}

Wave drumTek(const NoteSpec& n, Rng& rng) {
    Wave w = noiseHit(4500, 1.3, 0.022, 0.15, rng);
    add(w, modal(640, {{1, 0.6, 0.05}, {1.72, 0.35, 0.03}}, 0.0005, 0.15, rng), 0.6);
    return scaled(w, n.vel);
}

Wave drumKa(const NoteSpec& n, Rng& rng) {
    Wave w = noiseHit(3200, 1.5, 0.016, 0.1, rng);
    add(w, modal(720, {{1, 0.4, 0.03}}, 0.0005, 0.1, rng), 0.4);
    return scaled(w, n.vel);
}

Wave drumDaf(const NoteSpec& n, Rng& rng) {
    Wave w = membrane(95, 72, 0.02, 0.2, 0.2, 0.6);
    for (int k = 0; k < 6; ++k) {  // the rings inside the frame rattle after the stroke
        Wave j = noiseHit(8500, 1.0, 0.012, 0.06, rng);
        add(j, modal(5200 + 400 * k, {{1, 0.15, 0.05}, {1.37, 0.1, 0.04}}, 0.0005, 0.08, rng), 1.0);
        add(w, j, 0.35 * std::exp(-k * 0.35), 0.006 * k + 0.002 * rng.uni());
    }
    return scaled(w, n.vel);
}

Wave drumTombak(const NoteSpec& n, Rng& rng) {
    Wave w = membrane(105, 82, 0.025, 0.3, 0.4, 0.9);
    add(w, noiseHit(1400, 1.0, 0.005, 0.03, rng), 0.2);
    return scaled(w, n.vel);
}

Wave drumTombakTek(const NoteSpec& n, Rng& rng) {
    Wave w = noiseHit(3800, 1.6, 0.018, 0.12, rng);
    add(w, modal(480, {{1, 0.7, 0.06}, {2.1, 0.3, 0.03}}, 0.0005, 0.15, rng), 0.7);
    return scaled(w, n.vel);
}

Wave drumNga(const NoteSpec& n, Rng& rng) {
    Wave w = membrane(72, 50, 0.06, 0.8, 0.25, 2.2);
    Wave thud = noiseHit(220, 0.8, 0.05, 0.2, rng, 0.004);
    add(w, thud, 0.5);
    return scaled(w, n.vel);
}

Wave drumKick(const NoteSpec& n, Rng& rng) {
    Wave w = membrane(135, 48, 0.035, 0.22, 0.0, 0.6);
    add(w, noiseHit(2500, 1.0, 0.003, 0.02, rng), 0.15);
    return scaled(w, n.vel);
}

Wave drumTimpani(const NoteSpec& n, Rng& rng) {
    const double hz = noteHz(n.midi);
    Wave w = modal(hz, {{1, 1, 1.4}, {1.5, 0.5, 1.0}, {1.98, 0.3, 0.7}, {2.44, 0.15, 0.4}}, 0.003, 2.6, rng);
    add(w, noiseHit(300, 0.7, 0.02, 0.1, rng, 0.002), 0.4);
    return scaled(w, n.vel);
}

Wave drumShaker(const NoteSpec& n, Rng& rng) {
    Wave w = noiseHit(6500, 0.9, 0.045, 0.2, rng, 0.012);
    return scaled(w, n.vel);
}

Wave drumSnap(const NoteSpec& n, Rng& rng) {
    Wave w(samples(0.2));
    for (int k = 0; k < 3; ++k) add(w, noiseHit(1800, 1.4, k < 2 ? 0.006 : 0.04, 0.15, rng), 0.8, 0.009 * k);
    return scaled(w, n.vel);
}

Wave drumWoodblock(const NoteSpec& n, Rng& rng) {
    Wave w = modal(880, {{1, 1, 0.045}, {2.8, 0.35, 0.02}}, 0.0005, 0.15, rng);
    add(w, noiseHit(3000, 1.5, 0.002, 0.01, rng), 0.2);
    return scaled(w, n.vel);
}

Wave drumTingsha(const NoteSpec& n, Rng& rng) {
    Wave w = modal(2310, {{1, 0.5, 2.8}, {2.55, 0.3, 1.9}, {4.1, 0.15, 1.1}}, 0.0008, 3.2, rng, 3.0);
    add(w, noiseHit(7000, 1.0, 0.002, 0.01, rng), 0.2);
    return scaled(w, n.vel);
}

Wave drumZill(const NoteSpec& n, Rng& rng) {
    Wave w = modal(3500, {{1, 0.5, 0.5}, {2.26, 0.3, 0.35}}, 0.0005, 0.8, rng, 6.0);
    add(w, noiseHit(8000, 1.0, 0.003, 0.02, rng), 0.25);
    return scaled(w, n.vel);
}

}  // namespace snd

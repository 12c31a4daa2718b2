// Melodic instruments: plucked and struck strings, winds, bowed strings, pads, bells and drones.
#include "sound_instruments.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace snd {

namespace {

// Pitch in Hz at time t of a note that slides up from `scoop` semitones below and wavers by `vib`
// semitones at `rate` Hz once `vibDelay` seconds have passed.
double pitchAt(const NoteSpec& n, double t, double vib, double rate, double vibDelay) {
    double m = n.midi;
    if (n.scoop > 0) m -= n.scoop * std::exp(-t / 0.045);
    if (vib > 0 && t > vibDelay) {
        const double depth = vib * std::min(1.0, (t - vibDelay) / 0.3);
        m += depth * std::sin(2 * kPi * rate * t);
    }
    return noteHz(m);
}

void filter(Wave& w, Biquad f) {
    for (float& v : w) v = f(v);
}

Wave plucked(const NoteSpec& n, Rng& rng, double decay, double bright, double pick, double release) {
    Wave w = pluckString(noteHz(n.midi), n.hold, decay, bright * (0.7 + 0.3 * n.vel), pick, release, rng);
    for (float& v : w) v *= static_cast<float>(n.vel);
    return w;
}

Wave oud(const NoteSpec& n, Rng& rng) {
    Wave w = plucked(n, rng, 0.9, 0.55, 0.13, 0.07);
    filter(w, Biquad::peak(220, 1.2, 5));
    filter(w, Biquad::peak(950, 1.5, 3));
    filter(w, Biquad::highpass(90, 0.7));
    return w;
}

Wave santurStrike(const NoteSpec& n, Rng& rng) {
    NoteSpec a = n, b = n;
    a.midi += 0.03;
    b.midi -= 0.03;
    Wave w = plucked(a, rng, 1.6, 0.85, 0.09, 0.25);
    Wave w2 = plucked(b, rng, 1.6, 0.85, 0.11, 0.25);
    for (size_t i = 0; i < w.size() && i < w2.size(); ++i) w[i] = 0.5f * (w[i] + w2[i]);
    filter(w, Biquad::peak(2500, 1.0, 3));
    return w;
}

// Long santur notes are played as a tremolo of quick strikes.
Wave santur(const NoteSpec& n, Rng& rng) {
    if (n.hold < 0.5) return santurStrike(n, rng);
    Wave out(samples(n.hold + 0.6));
    const double step = 0.085;
    for (double t = 0; t < n.hold; t += step) {
        NoteSpec s = n;
        s.hold = step * 1.5;
        s.vel = n.vel * (t == 0 ? 1.0 : 0.55 + 0.1 * rng.uni());
        mixInto(out, santurStrike(s, rng), samples(t), 1.0f, false);
    }
    return out;
}

Wave harp(const NoteSpec& n, Rng& rng) {
    Wave w = plucked(n, rng, 2.2, 0.45, 0.0, 0.4);
    filter(w, Biquad::peak(300, 1.0, 3));
    return w;
}

Wave guitar(const NoteSpec& n, Rng& rng) {
    Wave w = plucked(n, rng, 1.6, 0.4, 0.18, 0.15);
    filter(w, Biquad::peak(200, 1.0, 4));
    filter(w, Biquad::lowpass(5000, 0.7));
    return w;
}

Wave dranyen(const NoteSpec& n, Rng& rng) {
    Wave w = plucked(n, rng, 0.8, 0.7, 0.1, 0.06);
    filter(w, Biquad::peak(1500, 1.2, 4));
    filter(w, Biquad::highpass(120, 0.7));
    return w;
}

Wave bass(const NoteSpec& n, Rng& rng) {
    Wave w = plucked(n, rng, 1.4, 0.2, 0.25, 0.08);
    Osc o;
    const double hz = noteHz(n.midi);
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        w[i] += static_cast<float>(0.6 * n.vel * o.sine(hz) * std::exp(-t / 0.7) *
                                   adsr(t, 0.004, 0, 1, n.hold, 0.08));
    }
    filter(w, Biquad::lowpass(1200, 0.7));
    return w;
}

// A wind voice: a few harmonics, breath noise around the second harmonic, delayed vibrato.
Wave wind(const NoteSpec& n, Rng& rng, double breath, double h2, double h3, double attack, double vib) {
    const double release = 0.12;
    Wave w(samples(n.hold + release));
    Osc f1, f2, f3;
    Biquad band = Biquad::bandpass(noteHz(n.midi) * 2, 2.5);
    Biquad air = Biquad::bandpass(noteHz(n.midi) * 5, 1.5);
    double hz = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        if (i % 16 == 0) hz = pitchAt(n, t, vib, 5.0, 0.25);
        const double env = adsr(t, attack, 0.1, 0.85, n.hold, release);
        const float noise = rng.bipolar();
        const double tone = f1.sine(hz) + h2 * f2.sine(hz * 2) + h3 * f3.sine(hz * 3);
        const double puff = breath * (band(noise) * 2.0 + 0.3 * air(noise)) * (0.5 + 0.5 * env);
        w[i] = static_cast<float>(n.vel * env * (tone + puff));
    }
    return w;
}

Wave ney(const NoteSpec& n, Rng& rng) {
    return wind(n, rng, 0.35, 0.25, 0.08, 0.09, 0.22);
}
Wave flute(const NoteSpec& n, Rng& rng) {
    return wind(n, rng, 0.15, 0.12, 0.05, 0.05, 0.15);
}

// A bowed string: a saw through the body's resonances, with vibrato and a little bow noise.
Wave bowed(const NoteSpec& n, Rng& rng, double attack, double vib, double cutoff, int voices) {
    const double release = 0.25;
    Wave w(samples(n.hold + release));
    std::vector<Osc> osc(voices);
    for (auto& o : osc) o.phase = rng.uni();
    Biquad lp = Biquad::lowpass(cutoff, 0.8);
    Biquad body1 = Biquad::peak(520, 1.5, 5), body2 = Biquad::peak(1700, 2, 4);
    double hz = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        if (i % 16 == 0) hz = pitchAt(n, t, vib, 5.8, 0.15);
        double v = 0;
        for (int k = 0; k < voices; ++k) v += osc[k].saw(hz * (1 + 0.0035 * (k - (voices - 1) / 2.0)));
        v = v / voices + 0.04 * rng.bipolar();
        const double env = adsr(t, attack, 0.2, 0.8, n.hold, release);
        w[i] = static_cast<float>(n.vel * env * body2(body1(lp(static_cast<float>(v)))));
    }
    return w;
}

Wave kamancheh(const NoteSpec& n, Rng& rng) {
    return bowed(n, rng, 0.1, 0.22, 3200, 1);
}
Wave strings(const NoteSpec& n, Rng& rng) {
    return bowed(n, rng, 0.35, 0.08, 2200, 3);
}

Wave pad(const NoteSpec& n, Rng& rng) {
    const double release = 1.0;
    Wave w(samples(n.hold + release));
    Osc a, b, c;
    a.phase = rng.uni(), b.phase = rng.uni();
    Biquad lp = Biquad::lowpass(1100, 0.7);
    const double hz = noteHz(n.midi);
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double v = 0.5 * a.saw(hz * 1.004) + 0.5 * b.saw(hz * 0.996) + 0.6 * c.triangle(hz * 0.5);
        w[i] =
            static_cast<float>(n.vel * adsr(t, 0.6, 0.3, 0.8, n.hold, release) * lp(static_cast<float>(v)));
    }
    return w;
}

// A soft choir on "ah": detuned saws through three vowel formants.
Wave choir(const NoteSpec& n, Rng& rng) {
    const double release = 0.8;
    Wave w(samples(n.hold + release));
    Osc o[3];
    for (auto& x : o) x.phase = rng.uni();
    Biquad f1 = Biquad::bandpass(760, 6), f2 = Biquad::bandpass(1150, 7), f3 = Biquad::bandpass(2800, 8);
    double hz = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        if (i % 16 == 0) hz = pitchAt(n, t, 0.12, 4.7, 0.3);
        const float v = static_cast<float>((o[0].saw(hz * 0.997) + o[1].saw(hz) + o[2].saw(hz * 1.003)) / 3);
        const double shaped = 1.2 * f1(v) + 0.8 * f2(v) + 0.35 * f3(v);
        w[i] = static_cast<float>(n.vel * adsr(t, 0.4, 0.2, 0.85, n.hold, release) * shaped * 2.2);
    }
    return w;
}

// The low chant drone: a saw through vowel formants and one sharp moving resonance that sings an overtone.
Wave drone(const NoteSpec& n, Rng& rng) {
    const double release = 1.5;
    Wave w(samples(n.hold + release));
    Osc o, sub;
    const double hz = noteHz(n.midi);
    Biquad f1 = Biquad::bandpass(420, 4), f2 = Biquad::bandpass(850, 5);
    Biquad whistle = Biquad::bandpass(hz * 8, 25);
    const double drift = rng.range(0, 2 * kPi);
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        if (i % 64 == 0) {
            const double harmonic = 9 + 2 * std::sin(2 * kPi * 0.07 * t + drift);
            whistle.retune(Biquad::bandpass(hz * std::round(harmonic), 25));
        }
        const float v = o.saw(hz * (1 + 0.002 * std::sin(2 * kPi * 0.3 * t)));
        const double shaped = f1(v) + 0.6 * f2(v) + 0.5 * whistle(v) + 0.3 * sub.sine(hz);
        w[i] = static_cast<float>(n.vel * adsr(t, 1.2, 0.5, 0.9, n.hold, release) * shaped);
    }
    return w;
}

// The long horn: rough low brass that opens up as it swells.
Wave horn(const NoteSpec& n, Rng& rng) {
    const double release = 0.6;
    Wave w(samples(n.hold + release));
    Osc a, b;
    Biquad lp = Biquad::lowpass(200, 1.2);
    double hz = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double env = adsr(t, 0.5, 0.3, 0.85, n.hold, release);
        if (i % 64 == 0) {
            lp.retune(Biquad::lowpass(180 + 900 * env, 1.2));
            hz = pitchAt(n, t, 0.06, 3.1, 0.4);
        }
        const float v =
            static_cast<float>(0.7 * a.saw(hz) + 0.3 * b.square(hz * 1.001, 0.3) + 0.05 * rng.bipolar());
        w[i] = static_cast<float>(n.vel * env * lp(v) * 1.6);
    }
    return w;
}

Wave kalimba(const NoteSpec& n, Rng& rng) {
    return modal(noteHz(n.midi), {{1, 1, 1.1}, {5.4, 0.28, 0.12}, {11.1, 0.08, 0.05}}, 0.002, n.hold + 1.2,
                 rng);
}
Wave marimba(const NoteSpec& n, Rng& rng) {
    Wave w = modal(noteHz(n.midi), {{1, 1, 0.8}, {3.93, 0.35, 0.22}, {9.25, 0.08, 0.06}}, 0.003, n.hold + 0.9,
                   rng);
    for (float& v : w) v *= static_cast<float>(n.vel);
    return w;
}
Wave bell(const NoteSpec& n, Rng& rng) {
    Wave w = modal(noteHz(n.midi), {{1, 1, 2.4}, {2.76, 0.45, 1.1}, {5.4, 0.25, 0.5}, {8.93, 0.12, 0.3}},
                   0.001, n.hold + 2.5, rng, 0.4);
    for (float& v : w) v *= static_cast<float>(n.vel);
    return w;
}
Wave bowl(const NoteSpec& n, Rng& rng) {
    Wave w = modal(noteHz(n.midi), {{1, 1, 6.5}, {2.71, 0.55, 4.2}, {5.05, 0.25, 2.4}, {8.3, 0.1, 1.4}}, 0.02,
                   std::max(n.hold, 7.0), rng, 1.1);
    for (float& v : w) v *= static_cast<float>(n.vel);
    return w;
}

const Instrument kInstruments[] = {
    {"oud", oud, 1.3},
    {"santur", santur, 1.2},
    {"harp", harp, 1.2},
    {"guitar", guitar, 1.2},
    {"dranyen", dranyen, 1.2},
    {"bass", bass, 1.3},
    {"ney", ney, 0.45},
    {"flute", flute, 0.5},
    {"kamancheh", kamancheh, 0.9},
    {"strings", strings, 0.8},
    {"pad", pad, 0.45},
    {"choir", choir, 0.7},
    {"drone", drone, 0.9},
    {"horn", horn, 0.6},
    {"kalimba", kalimba, 0.6},
    {"marimba", marimba, 0.65},
    {"bell", bell, 0.35},
    {"bowl", bowl, 0.35},
    {"doum", drumDoum, 1.0},
    {"tek", drumTek, 0.8},
    {"ka", drumKa, 0.5},
    {"daf", drumDaf, 0.9},
    {"tombak", drumTombak, 1.0},
    {"tombaktek", drumTombakTek, 0.7},
    {"nga", drumNga, 1.1},
    {"kick", drumKick, 1.0},
    {"timpani", drumTimpani, 0.9},
    {"shaker", drumShaker, 0.35},
    {"snap", drumSnap, 0.5},
    {"woodblock", drumWoodblock, 0.5},
    {"tingsha", drumTingsha, 0.3},
    {"zill", drumZill, 0.3},
};

}  // namespace

Wave modal(double hz, std::initializer_list<Partial> partials, double attack, double seconds, Rng& rng,
           double detuneHz) {
    Wave w(samples(seconds));
    const size_t attackN = std::max<size_t>(1, static_cast<size_t>(attack * kRate));
    for (const Partial& p : partials) {
        const double f = hz * p.ratio;
        if (f > kRate * 0.45) continue;
        // A struck body rings in pairs of nearly equal modes; their beating gives it life.
        const int pair = detuneHz > 0 ? 2 : 1;
        for (int k = 0; k < pair; ++k) {
            const double fk = k == 0 ? f : f + detuneHz * rng.range(0.6, 1.4);
            const double phase = 2 * kPi * rng.uni(), step = 2 * kPi * fk / kRate;
            // A rotating phasor shrinking by the decay each sample: no sine per sample.
            const double shrink = std::exp(-1.0 / (p.decay * kRate));
            const double c = std::cos(step) * shrink, s = std::sin(step) * shrink;
            double x = std::cos(phase) * p.amp / pair, y = std::sin(phase) * p.amp / pair;
            for (size_t i = 0; i < w.size(); ++i) {
                const double env = i < attackN ? static_cast<double>(i) / attackN : 1.0;
                w[i] += static_cast<float>(env * y);
                const double nx = x * c - y * s;
                y = x * s + y * c;
                x = nx;
            }
        }
    }
    const size_t tail = std::min(w.size(), static_cast<size_t>(samples(0.05)));
    for (size_t i = 0; i < tail; ++i) w[w.size() - 1 - i] *= static_cast<float>(i) / tail;
    return w;
}

const Instrument& instrument(const std::string& name) {
    for (const Instrument& i : kInstruments)
        if (name == i.name) return i;
    throw std::runtime_error("unknown instrument \"" + name + "\"");
}

}  // namespace snd

// Sound effects from their recipes: layers of tones, filtered noise, struck modes and instrument notes.
#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "sound_files.h"
#include "sound_gen.h"
#include "sound_instruments.h"

namespace snd {

namespace {

constexpr double kTargetLoud = 0.18;  // RMS of the loudest 50 ms of an effect at gain 0 dB
constexpr double kPeakLimit = 0.89;   // -1 dBFS

struct Layer {
    std::string kind;
    std::map<std::string, std::string> opt;
    double num(const std::string& k, double fallback) const {
        auto it = opt.find(k);
        return it == opt.end() ? fallback : std::stod(it->second);
    }
    std::vector<double> list(const std::string& k) const {
        std::vector<double> v;
        auto it = opt.find(k);
        if (it == opt.end()) return v;
        std::stringstream s(it->second);
        for (std::string item; std::getline(s, item, ',');) v.push_back(std::stod(item));
        return v;
    }
};

struct Effect {
    std::string id;
    double gainDb = 0, verb = 0, room = 0.5;
    double maxLen = 1.2;  // seconds; longer rings fade out before this
    std::vector<Layer> layers;
};

// The amplitude envelope of a layer: a linear attack, then either an exponential decay or a hold and a
// quick release at `len`.
double envelope(const Layer& l, double t, double len) {
    const double attack = l.num("attack", 0.002), decay = l.num("decay", 0);
    if (t < 0 || t >= len) return 0;
    double e = std::min(1.0, t / attack);
    if (decay > 0) e *= std::exp(-(t - std::min(t, attack)) / decay);
    const double release = std::min(l.num("release", 0.01), len);
    if (t > len - release) e *= (len - t) / release;
    return e;
}

double glide(double from, double to, double u) {
    return from * std::pow(to / from, std::clamp(u, 0.0, 1.0));
}

Wave renderLayer(const Layer& l, Rng& rng) {
    const double len = l.num("len", 0.2), amp = l.num("amp", 1);
    if (l.kind == "note") {
        const Instrument& inst = instrument(l.opt.at("inst"));
        std::vector<double> notes = l.list("notes");
        if (notes.empty()) notes.push_back(l.num("n", 72));
        const double step = l.num("step", 0.08);
        Wave out;
        for (size_t i = 0; i < notes.size(); ++i) {
            NoteSpec n{notes[i], l.num("hold", 0.2), l.num("vel", 0.9) * std::pow(l.num("fall", 1), i), 0};
            Wave w = inst.voice(n, rng);
            const long at = samples(step * i);
            if (out.size() < w.size() + at) out.resize(w.size() + at);
            mixInto(out, w, at, static_cast<float>(amp * inst.gain), false);
        }
        return out;
    }
    Wave w(samples(len));
    if (l.kind == "modal") {
        const std::vector<double> p = l.list("partials");  // ratio, amplitude, decay; repeated
        const double hz = l.num("f", 1000);
        for (size_t k = 0; k + 2 < p.size(); k += 3) {
            Wave m =
                modal(hz, {{p[k], p[k + 1], p[k + 2]}}, l.num("attack", 0.001), len, rng, l.num("beat", 0));
            mixInto(w, m, 0, static_cast<float>(amp), false);
        }
        return w;
    }
    const double f = l.num("f", 440), to = l.num("to", f);
    const double band = l.num("band", 0), bandTo = l.num("bandto", band), q = l.num("q", 1);
    const double lp = l.num("lp", 0), hp = l.num("hp", 0);
    const double vib = l.num("vib", 0), rate = l.num("rate", 6);
    const std::string wave = l.opt.count("wave") ? l.opt.at("wave") : "sine";
    const double grains = l.num("grains", 0);
    std::vector<double> grainAt;  // crackles: short bursts at random times
    for (int g = 0; g < static_cast<int>(grains * len); ++g) grainAt.push_back(rng.uni() * len);
    std::sort(grainAt.begin(), grainAt.end());
    Osc osc;
    Biquad bp = Biquad::bandpass(std::max(band, 20.0), q), lpf = Biquad::lowpass(lp > 0 ? lp : 20000, 0.7),
           hpf = Biquad::highpass(hp > 0 ? hp : 10, 0.7);
    size_t nextGrain = 0;
    double grainEnd = -1, grainAmp = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / kRate, u = t / len;
        double v;
        if (l.kind == "noise") {
            if (band > 0 && i % 32 == 0) bp.retune(Biquad::bandpass(glide(band, bandTo, u), q));
            v = rng.bipolar();
            if (band > 0) v = bp(static_cast<float>(v)) * std::sqrt(q) * 1.5;
            if (!grainAt.empty()) {
                while (nextGrain < grainAt.size() && grainAt[nextGrain] <= t) {
                    grainEnd = t + rng.range(0.002, 0.008);
                    grainAmp = rng.range(0.3, 1.0);
                    ++nextGrain;
                }
                v *= t < grainEnd ? grainAmp : 0.0;
            }
        } else {
            const double hz = glide(f, to, u) * std::pow(2.0, vib * std::sin(2 * kPi * rate * t) / 12);
            v = wave == "saw"      ? osc.saw(hz)
                : wave == "square" ? osc.square(hz)
                : wave == "tri"    ? osc.triangle(hz)
                                   : osc.sine(hz);
        }
        if (lp > 0) v = lpf(static_cast<float>(v));
        if (hp > 0) v = hpf(static_cast<float>(v));
        w[i] = static_cast<float>(amp * envelope(l, t, len) * v);
    }
    return w;
}

std::vector<Effect> readEffects(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<Effect> effects;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (const size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string word;
        if (!(words >> word)) continue;
        auto options = [&] {
            std::map<std::string, std::string> o;
            for (std::string w; words >> w;) {
                const size_t eq = w.find('=');
                if (eq == std::string::npos)
                    throw std::runtime_error(path + ":" + std::to_string(number) + ": " + w);
                o[w.substr(0, eq)] = w.substr(eq + 1);
            }
            return o;
        };
        if (word == "effect") {
            Effect e;
            words >> e.id;
            Layer head{"", options()};
            e.gainDb = head.num("gain", 0);
            e.verb = head.num("verb", 0);
            e.room = head.num("room", 0.5);
            e.maxLen = head.num("max", 1.2);
            effects.push_back(e);
        } else if (effects.empty()) {
            throw std::runtime_error(path + ":" + std::to_string(number) + ": a layer before any effect");
        } else {
            effects.back().layers.push_back({word, options()});
        }
    }
    return effects;
}

Wave renderEffect(const Effect& e, uint64_t seed) {
    Rng rng(seed);
    Wave dry;
    for (const Layer& l : e.layers) {
        const Wave w = renderLayer(l, rng);
        const long at = samples(l.num("t", 0));
        if (dry.size() < w.size() + at) dry.resize(w.size() + at);
        mixInto(dry, w, at, 1.0f, false);
    }
    if (e.verb > 0) {  // room for the tail, then the reverb mixed in
        dry.resize(dry.size() + samples(0.6 + e.room));
        Reverb reverb(e.room, 0.5, 0.5);
        for (float& v : dry) {
            float l, r;
            reverb.process(v, l, r);
            v += static_cast<float>(e.verb * 1.5 * (l + r));
        }
    }
    // Level-match on the loudest 50 ms, keep a dB of headroom.
    const size_t win = samples(0.05);
    double loud = 0, acc = 0;
    for (size_t i = 0; i < dry.size(); ++i) {
        acc += dry[i] * dry[i];
        if (i >= win) acc -= dry[i - win] * dry[i - win];
        loud = std::max(loud, acc);
    }
    loud = std::sqrt(std::max(loud, 0.0) / win);
    const double gain = std::min(kTargetLoud * dbGain(e.gainDb) / std::max(loud, 1e-9),
                                 kPeakLimit / std::max<double>(peakOf(dry), 1e-9));
    for (float& v : dry) v *= static_cast<float>(gain);
    // Trim the silent tail; a ring longer than the effect may last fades out smoothly.
    size_t end = dry.size();
    while (end > 0 && std::abs(dry[end - 1]) < 1e-3f) --end;
    dry.resize(std::max<size_t>(end, samples(0.01)));
    if (dry.size() > static_cast<size_t>(samples(e.maxLen))) {
        dry.resize(samples(e.maxLen));
        const size_t fade = samples(std::min(0.4, e.maxLen / 3));
        for (size_t i = 0; i < fade; ++i)
            dry[dry.size() - fade + i] *= static_cast<float>(0.5 + 0.5 * std::cos(kPi * i / fade));
    }
    // The last 5 ms and the first 1 ms fade, so that nothing clicks.
    const size_t fadeOut = std::min(dry.size(), static_cast<size_t>(samples(0.005)));
    for (size_t i = 0; i < fadeOut; ++i) dry[dry.size() - 1 - i] *= static_cast<float>(i) / fadeOut;
    const size_t fadeIn = std::min(dry.size(), static_cast<size_t>(samples(0.001)));
    for (size_t i = 0; i < fadeIn; ++i) dry[i] *= static_cast<float>(i) / fadeIn;
    return dry;
}

}  // namespace

void writeEffects(const gen::Context& c) {
    const std::vector<Effect> effects = readEffects((c.contentDir / "sound" / "effects.txt").string());
    for (const Effect& e : effects) {
        uint64_t seed = 1469598103934665603ull;  // each effect's noise depends on its id alone
        for (char ch : e.id) seed = (seed ^ static_cast<uint8_t>(ch)) * 1099511628211ull;
        writeWav(renderEffect(e, seed), c.out("sfx/" + e.id + ".wav"));
    }
}

}  // namespace snd

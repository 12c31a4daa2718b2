// Composing a piece: section melodies by a guided walk over the mode, and bass, chords, arpeggios and drums.
#include <algorithm>
#include <cmath>
#include <map>

#include "sound_score.h"

namespace snd {

namespace {

// Degrees count steps of the mode from the tonic; 7 is the octave of a seven-note mode.
struct Scale {
    double key;
    std::vector<double> mode;
    int size() const { return static_cast<int>(mode.size()); }
    double pitch(int deg) const {
        const int n = size();
        const int oct = deg >= 0 ? deg / n : -((-deg + n - 1) / n);
        return key + 12.0 * oct + mode[deg - oct * n];
    }
    // The chord on `root`: the root and the degrees a third and a fifth above it.
    std::vector<int> chord(int root) const {
        std::vector<int> tones{root};
        for (int d = root + 1; d < root + size(); ++d) {
            const double iv = pitch(d) - pitch(root);
            if ((iv > 2.4 && iv < 4.6 && tones.size() == 1) || (iv > 6.4 && iv < 7.6)) tones.push_back(d);
        }
        return tones;
    }
    bool inChord(int deg, int root) const {
        const int n = size();
        for (int t : chord(root))
            if (((deg - t) % n + n) % n == 0) return true;
        return false;
    }
    int nearestChordTone(int deg, int root) const {
        for (int r = 0; r < size(); ++r) {
            if (inChord(deg - r, root)) return deg - r;
            if (inChord(deg + r, root)) return deg + r;
        }
        return deg;
    }
};

struct MelodyNote {
    int step;  // from the start of the section
    int len;   // in steps
    int deg;
};

std::vector<std::pair<int, int>> onsets(const std::string& rhythm) {
    std::vector<std::pair<int, int>> notes;  // step, length
    for (int i = 0; i < static_cast<int>(rhythm.size()); ++i) {
        if (rhythm[i] == 'x')
            notes.push_back({i, 1});
        else if (rhythm[i] == '-' && !notes.empty() && notes.back().first + notes.back().second == i)
            ++notes.back().second;
    }
    return notes;
}

int walk(Rng& rng, int deg, int low, int high) {
    static const int deltas[] = {-3, -2, -1, 0, 1, 2, 3};
    double w[] = {0.04, 0.13, 0.3, 0.06, 0.3, 0.13, 0.04};
    const int centre = (low + high) / 2;
    for (int i = 0; i < 7; ++i) {
        if (deg > centre + 2 && deltas[i] < 0) w[i] *= 1.8;
        if (deg < centre - 2 && deltas[i] > 0) w[i] *= 1.8;
        if (deg + deltas[i] < low || deg + deltas[i] > high) w[i] = 0;
    }
    double sum = 0;
    for (double x : w) sum += x;
    double r = rng.uni() * sum;
    for (int i = 0; i < 7; ++i) {
        if ((r -= w[i]) <= 0) return deg + deltas[i];
    }
    return deg;
}

// One section's melody: bars 1 and 3 share a rhythm and a contour, the last bar cadences on its chord's root.
std::vector<MelodyNote> sectionMelody(const Piece& p, const Scale& sc, const std::vector<int>& chords,
                                      Rng& rng, bool toTonic) {
    const int spb = p.stepsPerBar();
    const int free = static_cast<int>(p.rhythms.size()) - 1;
    const int a = rng.below(free), b = rng.below(free), c = rng.below(free);
    const int low = -2, high = sc.size() + 2;
    // The first bar's figure comes back on another chord moved by the smallest step that fits.
    auto shift = [&](int d) {
        const int n = sc.size();
        d = ((d % n) + n) % n;
        return d > n / 2 ? d - n : d;
    };
    std::vector<MelodyNote> out;
    std::vector<int> motif;  // the steps between the notes of the first bar
    int deg = sc.nearestChordTone(sc.size() / 2 + rng.below(3), chords[0] - 1);
    for (int bar = 0; bar < p.bars; ++bar) {
        const bool last = bar == p.bars - 1;
        const int pick = last ? free : bar % 2 == 0 ? a : bar % 4 == 1 ? b : c;
        const auto notes = onsets(p.rhythms[pick]);
        const int root = chords[bar] - 1;
        const bool repeat = bar % 2 == 0 && bar > 0 && motif.size() + 1 == notes.size();
        for (size_t k = 0; k < notes.size(); ++k) {
            const auto [step, len] = notes[k];
            if (k == 0 && bar > 0) {
                deg = repeat ? sc.nearestChordTone(out[0].deg + shift(root - (chords[0] - 1)), root)
                             : walk(rng, deg, low, high);
            } else if (k > 0) {
                deg = repeat ? std::clamp(deg + motif[k - 1], low, high) : walk(rng, deg, low, high);
            }
            if (step % p.steps == 0) deg = sc.nearestChordTone(deg, root);
            if (last && k + 1 == notes.size()) {
                const int target = toTonic ? 0 : root;
                const int n = sc.size();
                deg = target + n * static_cast<int>(std::lround(static_cast<double>(deg - target) / n));
                while (deg < low) deg += n;  // whole octaves, so it stays on the root
                while (deg > high + 2) deg -= n;
            }
            if (bar == 0 && k > 0) motif.push_back(deg - out.back().deg);
            out.push_back({bar * spb + step, len, deg});
        }
    }
    return out;
}

bool plays(const VoiceLine& v, const std::string& letter, int section) {
    const std::string in = v.text("in", "");
    if (!in.empty() && in.find(letter) == std::string::npos) return false;
    return section + 1 >= static_cast<int>(v.num("from", 1));
}

double velOf(char c) {
    return c == 'X' ? 1.0 : c == 'x' ? 0.75 : c == 'o' ? 0.45 : 0.0;
}

}  // namespace

std::vector<Event> compose(const Piece& p) {
    const Scale sc{p.key, p.mode};
    const double step = p.stepSeconds();
    const int spb = p.stepsPerBar();
    std::vector<Event> events;
    std::map<std::string, std::vector<MelodyNote>> melodies;
    std::map<std::string, int> heard;
    for (size_t s = 0; s < p.form.size(); ++s) {
        const std::string& letter = p.form[s];
        const bool lastSection = s + 1 == p.form.size();
        const std::string key = letter + (lastSection ? "!" : "");
        if (!melodies.count(key)) {
            Rng mr(p.seed * 131 + static_cast<uint64_t>(letter[0]));
            melodies[key] = sectionMelody(p, sc, p.chords.at(letter), mr, lastSection);
        }
        const int occurrence = heard[letter]++;
        const double t0 = static_cast<double>(s) * p.bars * spb * step;
        const std::vector<int>& chords = p.chords.at(letter);
        for (size_t vi = 0; vi < p.voices.size(); ++vi) {
            const VoiceLine& v = p.voices[vi];
            if (!plays(v, letter, static_cast<int>(s))) continue;
            Rng rng(p.seed * 7919 + s * 104729 + vi * 31);
            const Instrument* inst = &instrument(v.instrument);
            const float gain = static_cast<float>(v.num("gain", 1) * inst->gain);
            const float pan = static_cast<float>(v.num("pan", 0)),
                        verb = static_cast<float>(v.num("verb", 0.25));
            const double oct = 12 * v.num("octave", 0);
            const double vel = v.num("vel", 0.8);
            auto add = [&](const Instrument* in, double midi, double time, double hold, double velocity,
                           double scoop = 0) {
                NoteSpec n{midi, hold, std::clamp(velocity, 0.0, 1.0), scoop};
                events.push_back({in, n, t0 + time, gain, pan, verb});
            };
            if (v.role == "melody") {
                if (occurrence % 2 == 1 && v.options.count("alt")) inst = &instrument(v.text("alt", ""));
                const double grace = v.num("grace", 0), scoop = v.num("scoop", 0),
                             legato = v.num("legato", 0.95);
                for (const MelodyNote& m : melodies[key]) {
                    const double time = m.step * step + rng.range(-0.005, 0.005);
                    const double velocity = vel * rng.range(0.85, 1.0) * (m.step % p.steps == 0 ? 1.0 : 0.88);
                    if (m.len >= 2 && rng.chance(grace)) {  // a quick upper neighbour before the note
                        add(inst, sc.pitch(m.deg + 1) + oct, time - step / 3, step / 3, velocity * 0.7);
                    }
                    add(inst, sc.pitch(m.deg) + oct, time, m.len * step * legato, velocity,
                        rng.chance(scoop) ? 0.7 : 0.0);
                }
            } else if (v.role == "drone") {
                const double length = p.bars * spb * step;
                add(inst, sc.pitch(0) + oct, 0, length + 0.3, vel);
                if (v.num("fifth", 0) > 0) add(inst, sc.pitch(0) + oct + 7, 0, length + 0.3, vel * 0.6);
            } else {
                const std::string pattern = v.text("pattern", "x" + std::string(spb - 1, '-'));
                const std::string fill = v.text("fill", "");
                for (int bar = 0; bar < p.bars; ++bar) {
                    const int root = chords[bar] - 1;
                    const std::vector<int> tones = sc.chord(root);
                    const bool useFill = !fill.empty() && bar == p.bars - 1;
                    const std::string& pat = useFill ? fill : pattern;
                    const int offset = useFill ? 0 : (bar * spb) % static_cast<int>(pat.size());
                    int arpIndex = 0;
                    for (int i = 0; i < spb; ++i) {
                        const char ch = pat[(offset + i) % pat.size()];
                        if (ch == '.' || ch == '-') continue;
                        int len = 1;
                        while (i + len < spb && pat[(offset + i + len) % pat.size()] == '-') ++len;
                        const double time = (bar * spb + i) * step;
                        const double hold = len * step * 0.95;
                        if (v.role == "bass") {
                            const int fifth =
                                sc.pitch(tones.back()) - sc.pitch(root) > 6.4 ? tones.back() : root;
                            const int deg = (ch == 'f' ? fifth : root) - (ch == 'o' ? 0 : sc.size());
                            add(inst, sc.pitch(deg) + oct, time, hold, vel * rng.range(0.9, 1.0));
                        } else if (v.role == "chord") {
                            for (size_t k = 0; k < tones.size() && k < 3; ++k)
                                add(inst, sc.pitch(tones[k]) + oct, time, hold, vel * 0.8);
                        } else if (v.role == "arp") {
                            const int k = arpIndex++;
                            const int n = static_cast<int>(tones.size());
                            const int deg = tones[k % n] + sc.size() * ((k / n) % 2);
                            add(inst, sc.pitch(deg) + oct, time, hold, vel * (k == 0 ? 1.0 : 0.8));
                        } else if (v.role == "drums") {
                            const double midi = v.num("pitched", 0) > 0 ? sc.pitch(root) + oct : 60;
                            add(inst, midi, time + rng.range(-0.003, 0.003), hold,
                                velOf(ch) * vel * rng.range(0.9, 1.05));
                        }
                    }
                }
            }
        }
    }
    return events;
}

}  // namespace snd

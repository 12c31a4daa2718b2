// Reading a piece of music from its text file.
#include "sound_score.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace snd {

double VoiceLine::num(const std::string& key, double fallback) const {
    auto it = options.find(key);
    return it == options.end() ? fallback : std::stod(it->second);
}

std::string VoiceLine::text(const std::string& key, const std::string& fallback) const {
    auto it = options.find(key);
    return it == options.end() ? fallback : it->second;
}

Piece readPiece(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    Piece p;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (const size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string word;
        if (!(words >> word)) continue;
        auto fail = [&](const std::string& why) {
            throw std::runtime_error(path + ":" + std::to_string(number) + ": " + why);
        };
        try {
            if (word == "tempo") {
                words >> p.tempo;
            } else if (word == "meter") {
                words >> p.beats >> p.steps;
            } else if (word == "key") {
                words >> p.key;
            } else if (word == "mode") {
                for (double v; words >> v;) p.mode.push_back(v);
            } else if (word == "seed") {
                words >> p.seed;
            } else if (word == "bars") {
                words >> p.bars;
            } else if (word == "form") {
                for (std::string s; words >> s;) p.form.push_back(s);
            } else if (word == "chords") {
                std::string letter;
                words >> letter;
                for (int d; words >> d;) p.chords[letter].push_back(d);
                if (static_cast<int>(p.chords[letter].size()) != p.bars) fail("one chord per bar is needed");
            } else if (word == "rhythm") {
                std::string r;
                words >> r;
                if (static_cast<int>(r.size()) != p.stepsPerBar()) fail("a rhythm is one bar of steps");
                p.rhythms.push_back(r);
            } else if (word == "reverb") {
                words >> p.room >> p.damp >> p.width;
            } else if (word == "voice") {
                VoiceLine v;
                words >> v.role >> v.instrument;
                instrument(v.instrument);  // known?
                for (std::string opt; words >> opt;) {
                    const size_t eq = opt.find('=');
                    if (eq == std::string::npos) fail("expected key=value, got " + opt);
                    v.options[opt.substr(0, eq)] = opt.substr(eq + 1);
                }
                p.voices.push_back(v);
            } else {
                fail("unknown word " + word);
            }
        } catch (const std::invalid_argument&) {
            fail("not a number");
        }
        if (words.fail() && !words.eof()) fail("bad value");
    }
    if (p.mode.empty() || p.form.empty() || p.rhythms.size() < 2)
        throw std::runtime_error(path + ": incomplete");
    for (const std::string& s : p.form)
        if (!p.chords.count(s)) throw std::runtime_error(path + ": no chords for section " + s);
    return p;
}

}  // namespace snd

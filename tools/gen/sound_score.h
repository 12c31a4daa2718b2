// A piece of music as written in content/sound/music/*.txt, and the notes composed from it.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sound_instruments.h"

namespace snd {

// One line `voice ROLE INSTRUMENT key=value...` of a piece.
struct VoiceLine {
    std::string role;        // melody, bass, chord, arp, drone, drums
    std::string instrument;  // a name known to `instrument`
    std::map<std::string, std::string> options;

    double num(const std::string& key, double fallback) const;
    std::string text(const std::string& key, const std::string& fallback) const;
};

struct Piece {
    std::string name;
    double tempo = 100;        // beats per minute
    int beats = 4, steps = 4;  // beats per bar, steps per beat
    double key = 60;           // the tonic as a MIDI note
    std::vector<double> mode;  // the scale, semitones above the tonic
    uint64_t seed = 1;
    int bars = 4;                                    // bars per section
    std::vector<std::string> form;                   // section letters in playing order
    std::map<std::string, std::vector<int>> chords;  // per section letter: the chord root degree of each bar
    std::vector<std::string> rhythms;                // one-bar melody rhythms; the last ends a section
    std::vector<VoiceLine> voices;
    double room = 0.75, damp = 0.5, width = 0.9;  // the reverb

    double stepSeconds() const { return 60.0 / tempo / steps; }
    int stepsPerBar() const { return beats * steps; }
    int totalBars() const { return static_cast<int>(form.size()) * bars; }
    double seconds() const { return totalBars() * stepsPerBar() * stepSeconds(); }
};

// Reads a piece; throws with the file and line on a mistake.
Piece readPiece(const std::string& path);

// One note of the arrangement.
struct Event {
    const Instrument* inst;
    NoteSpec note;
    double time;  // seconds from the start of the loop
    float gain, pan, verb;
};

// Composes the melody, the harmony and the rhythm of every voice: the same piece gives the same notes.
std::vector<Event> compose(const Piece& piece);

}  // namespace snd

// The generator's instruments: each one renders a single note or hit into a mono wave.
#pragma once

#include <string>

#include "sound_dsp.h"

namespace snd {

struct NoteSpec {
    double midi = 60;    // pitch, fractions for the quarter tones of some modes
    double hold = 0.25;  // seconds until the note is released
    double vel = 1;      // 0..1
    double scoop = 0;    // semitones below the pitch that the note slides up from
};

// A voice renders a note from its onset; the wave includes the note's own release and ring.
using Voice = Wave (*)(const NoteSpec& note, Rng& rng);

struct Instrument {
    const char* name;
    Voice voice;
    double gain;  // brings the instruments to about the same loudness
};

// The instrument of this name (melodic ones and percussion); throws for an unknown name.
const Instrument& instrument(const std::string& name);

// A sum of decaying sine partials (ratio to the fundamental, amplitude, decay time in seconds).
struct Partial {
    double ratio, amp, decay;
};
Wave modal(double hz, std::initializer_list<Partial> partials, double attack, double seconds, Rng& rng,
           double detuneHz = 0);

// Percussion voices (sound_drums.cpp), looked up by `instrument` as well.
Wave drumDoum(const NoteSpec&, Rng&);
Wave drumTek(const NoteSpec&, Rng&);
Wave drumKa(const NoteSpec&, Rng&);
Wave drumDaf(const NoteSpec&, Rng&);
Wave drumTombak(const NoteSpec&, Rng&);
Wave drumTombakTek(const NoteSpec&, Rng&);
Wave drumNga(const NoteSpec&, Rng&);
Wave drumKick(const NoteSpec&, Rng&);
Wave drumTimpani(const NoteSpec&, Rng&);
Wave drumShaker(const NoteSpec&, Rng&);
Wave drumSnap(const NoteSpec&, Rng&);
Wave drumWoodblock(const NoteSpec&, Rng&);
Wave drumTingsha(const NoteSpec&, Rng&);
Wave drumZill(const NoteSpec&, Rng&);

}  // namespace snd

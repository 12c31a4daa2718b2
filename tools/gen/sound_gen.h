// The sound generator's halves: effects from content/sound/effects.txt, music from content/sound/music/.
#pragma once

#include <string>

#include "Generator.h"
#include "sound_dsp.h"

namespace snd {

struct Stereo {
    Wave left, right;
};

void writeEffects(const gen::Context& c);
void writeMusic(const gen::Context& c);

// The finished loop of one piece file, ready to be encoded.
Stereo renderPieceFile(const std::string& path);

}  // namespace snd

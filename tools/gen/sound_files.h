// Writing generated sounds: 16-bit WAV files and Ogg Vorbis files.
#pragma once

#include <string>

#include "sound_dsp.h"

namespace snd {

// Mono, 16 bits, kRate; samples are clamped to -1..1.
void writeWav(const Wave& mono, const std::string& path);
// Stereo Ogg Vorbis at `quality` (0..10) with a fixed stream serial, so that the bytes repeat from run to
// run.
void writeOgg(const Wave& left, const Wave& right, double quality, const std::string& path);

}  // namespace snd

// One sound effect: its id, file, loaded sound, the channels of its plays and its repeat guard.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "audio/SoundOutput.h"

class TSoundData {
  public:
    static constexpr int kSlots = 10;         // plays of one effect that may sound at once
    static constexpr int64_t kRepeatMs = 25;  // a second play within this time is dropped

    std::string id;                   // matched without regard to letter case
    std::string url;                  // the game folder + the path from the data file
    std::shared_ptr<TSoundClip> snd;  // null when the file could not be loaded
    std::array<std::shared_ptr<TSoundChannel>, kSlots> chn;
    int64_t lastTime = INT64_MIN / 2;  // MilliSecs of the last play let through; long ago at first

    // One play at `volume`, unless it repeats within the guard time (the cell sounds may) or every slot
    // is still sounding.
    void playMe(float volume);
    // Frees the slots of plays that have ended.
    void update();
};

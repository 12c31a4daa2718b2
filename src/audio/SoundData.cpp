// Playing one sound effect on a free slot, with the repeat guard, and freeing finished slots.
#include "audio/SoundData.h"

#include "engine/Engine.h"

namespace {
// The cell sounds follow every cell of a dragged line, so they may repeat without a pause.
bool mayRepeat(const std::string& id) {
    const std::string up = eng::Upper(id);
    return up == "TILE_RIGHT" || up == "TILE_WRONG";
}
}  // namespace

void TSoundData::playMe(float volume) {
    const int64_t now = eng::MilliSecs();
    if (now - lastTime < kRepeatMs && !mayRepeat(id)) return;
    lastTime = now;
    if (!snd) return;
    for (auto& slot : chn) {
        if (slot) continue;
        slot = snd->cue();
        if (!slot) return;
        slot->setVolume(volume);
        slot->resume();
        return;
    }
}

void TSoundData::update() {
    for (auto& slot : chn)
        if (slot && !slot->playing()) slot = nullptr;
}

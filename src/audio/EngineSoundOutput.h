// The sound output of the game: the engine's channels (silent ones when no audio device could be opened).
#pragma once

#include "audio/SoundOutput.h"

class TEngineSoundOutput : public TSoundOutput {
  public:
    std::shared_ptr<TSoundClip> load(const std::string& path, int flags) override;
};

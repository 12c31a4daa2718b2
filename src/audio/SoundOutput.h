// The channel layer under the sound manager: loaded sounds and the channels that play them.
#pragma once

#include <memory>
#include <string>

// One play of a sound. A fresh channel waits paused until `resume`; a stopped one stays stopped.
class TSoundChannel {
  public:
    virtual ~TSoundChannel() = default;
    virtual void resume() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual bool playing() const = 0;  // started, not paused, not stopped and not run to its end
    virtual void setVolume(float volume) = 0;
};

// A sound decoded into memory, ready to be played on any number of channels at once.
class TSoundClip {
  public:
    virtual ~TSoundClip() = default;
    virtual std::shared_ptr<TSoundChannel> cue() = 0;  // a fresh paused channel
};

// Where sounds come from: the engine's audio output in the game, a recorder in the tests.
class TSoundOutput {
  public:
    virtual ~TSoundOutput() = default;
    // The sound in the file at `path`, looping when `flags` has bit 1 set; null when it cannot be read.
    virtual std::shared_ptr<TSoundClip> load(const std::string& path, int flags) = 0;
};

// The engine's sounds and channels behind the sound manager's channel layer.
#include "audio/EngineSoundOutput.h"

#include "engine/Engine.h"

namespace {

class EngineChannel : public TSoundChannel {
  public:
    explicit EngineChannel(eng::Channel channel) : _channel(std::move(channel)) {}
    void resume() override { eng::ResumeChannel(_channel); }
    void pause() override { eng::PauseChannel(_channel); }
    void stop() override { eng::StopChannel(_channel); }
    bool playing() const override { return eng::ChannelPlaying(_channel); }
    void setVolume(float volume) override { eng::SetChannelVolume(_channel, volume); }

  private:
    eng::Channel _channel;
};

class EngineClip : public TSoundClip {
  public:
    explicit EngineClip(eng::Sound sound) : _sound(std::move(sound)) {}
    std::shared_ptr<TSoundChannel> cue() override {
        eng::Channel channel = eng::CueSound(_sound);
        return channel ? std::make_shared<EngineChannel>(std::move(channel)) : nullptr;
    }

  private:
    eng::Sound _sound;
};

}  // namespace

std::shared_ptr<TSoundClip> TEngineSoundOutput::load(const std::string& path, int flags) {
    eng::Sound sound = eng::LoadSound(path, flags);
    return sound ? std::make_shared<EngineClip>(std::move(sound)) : nullptr;
}

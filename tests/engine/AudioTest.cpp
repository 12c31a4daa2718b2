// Sound loading and channels without an audio device: the channel follows the clock silently.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "engine/Engine.h"

namespace {

// A mono 16-bit WAV file of `ms` milliseconds at 8000 Hz.
std::string writeWav(const std::string& path, int ms) {
    const uint32_t samples = 8 * ms, dataBytes = samples * 2;
    std::string b = "RIFF";
    auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto u16 = [&](uint16_t v) {
        b += static_cast<char>(v & 0xFF);
        b += static_cast<char>(v >> 8);
    };
    u32(36 + dataBytes);
    b += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(16000);
    u16(2);
    u16(16);
    b += "data";
    u32(dataBytes);
    for (uint32_t i = 0; i < samples; ++i) u16(static_cast<uint16_t>((i % 16) * 1000));
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(b.data(), 1, b.size(), f);
    std::fclose(f);
    return path;
}

}  // namespace

TEST(Audio, SilentChannelsFollowTheClock) {
    eng::SetHeadless(eng::HeadlessConfig{});  // no device: every channel is silent
    const std::string dir = std::filesystem::temp_directory_path().string();
    const std::string path = writeWav(dir + "/engine-audio-test.wav", 100);
    eng::Sound once = eng::LoadSound(path, 0);
    eng::Sound loop = eng::LoadSound(path, 1);
    ASSERT_TRUE(once && loop);
    EXPECT_FALSE(eng::LoadSound(dir + "/no-such-sound.wav", 0));

    eng::Channel c = eng::CueSound(once);
    EXPECT_FALSE(eng::ChannelPlaying(c));  // cued sounds wait paused
    eng::ResumeChannel(c);
    EXPECT_TRUE(eng::ChannelPlaying(c));
    for (int i = 0; i < 3; ++i) eng::Flip(-1);  // 50 ms of the virtual clock
    eng::PauseChannel(c);
    EXPECT_FALSE(eng::ChannelPlaying(c));
    for (int i = 0; i < 30; ++i) eng::Flip(-1);  // time passes while paused
    eng::ResumeChannel(c);
    EXPECT_TRUE(eng::ChannelPlaying(c));
    for (int i = 0; i < 4; ++i) eng::Flip(-1);  // the remaining 50 ms
    EXPECT_FALSE(eng::ChannelPlaying(c));

    eng::Channel l = eng::PlaySound(loop);
    for (int i = 0; i < 30; ++i) eng::Flip(-1);
    EXPECT_TRUE(eng::ChannelPlaying(l));
    eng::SetChannelVolume(l, 0.3f);
    eng::StopChannel(l);
    EXPECT_FALSE(eng::ChannelPlaying(l));
    eng::ResumeChannel(l);  // a stopped channel stays stopped
    EXPECT_FALSE(eng::ChannelPlaying(l));
    EXPECT_FALSE(eng::ChannelPlaying(nullptr));
    std::remove(path.c_str());
}

// A sound manager over a recording channel layer, set up from small data files in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../files/TempDir.h"
#include "RecordingOutput.h"
#include "audio/GlobalSnd.h"
#include "core/Globals.h"
#include "engine/Engine.h"

class AudioFixture : public ::testing::Test {
  protected:
    TempDir dir;
    std::shared_ptr<RecordingOutput> out = std::make_shared<RecordingOutput>();
    TGlobalSnd snd{out};

    static inline const std::vector<std::string> kMusics = {"title",   "Egypt-1",   "Egypt-2",   "Iran-1",
                                                            "Iran-2",  "Tibet-1",   "Tibet-2",   "Tibet-3",
                                                            "Tibet-4", "Neutral-1", "Neutral-2", "broken"};
    static inline const std::vector<std::string> kSounds = {
        "click", "put", "tile_right", "tile_wrong", "coin_1", "coin_2", "coin_3", "coin_4", "missing"};

    void SetUp() override {
        eng::SetHeadless(eng::HeadlessConfig{});
        frameDelta = 1.0f;
        writeData();
        snd.folder = dir.path.string() + "/";
        out->broken = {snd.folder + "music/broken.ogg", snd.folder + "sfx/missing.wav"};
        testing::internal::CaptureStdout();
        snd.setup();
        setupOutput = testing::internal::GetCapturedStdout();
        snd.setMusicVol(0.8f);
        snd.setSoundVol(0.5f);
    }

    // What setup printed (the message boxes of headless runs).
    std::string setupOutput;

    // The channels of one music or sound, by the file name it was given.
    std::vector<std::shared_ptr<RecordedChannel>> music(const std::string& id) const {
        return out->channelsOf("/music/" + id + ".ogg");
    }
    std::vector<std::shared_ptr<RecordedChannel>> sound(const std::string& id) const {
        return out->channelsOf("/sfx/" + id + ".wav");
    }
    // Music id of the newest channel cued since `before` channels, or "" when none was.
    std::string newestMusic(size_t before) const {
        if (out->channels.size() == before) return "";
        const std::string& p = out->channels.back()->path;
        const size_t slash = p.rfind('/');
        return p.substr(slash + 1, p.size() - slash - 5);
    }
    // The manager's current and previous music channels as recorded.
    std::shared_ptr<RecordedChannel> current() const {
        return std::static_pointer_cast<RecordedChannel>(snd.newMusicCHN);
    }
    std::shared_ptr<RecordedChannel> previous() const {
        return std::static_pointer_cast<RecordedChannel>(snd.oldMusicCHN);
    }
    // Every channel so far has run to its end and is forgotten; the manager frees their slots.
    void endAll() {
        for (auto& ch : out->channels) ch->ended = true;
        snd.update();
        out->channels.clear();
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) snd.update();
    }

  private:
    void writeData() {
        // Entries before groups, as the data files need.
        std::string g = "globalSnd {\n\tmusics = " + std::to_string(kMusics.size()) +
                        "\n\tsounds = " + std::to_string(kSounds.size()) + "\n";
        for (size_t i = 0; i < kMusics.size(); ++i) {
            const bool level = kMusics[i] != "title" && kMusics[i] != "broken";
            g += "\tmusic" + std::to_string(i + 1) + " {\n\t\tid = \"" + kMusics[i] +
                 "\"\n\t\turl = \"music/" + kMusics[i] + ".ogg\"\n\t\tlevelMusic = " + (level ? "1" : "0") +
                 "\n\t\tloop = 1\n\t}\n";
        }
        for (size_t i = 0; i < kSounds.size(); ++i)
            g += "\tsnd" + std::to_string(i + 1) + " {\n\t\tid = \"" + kSounds[i] + "\"\n\t\turl = \"sfx/" +
                 kSounds[i] + ".wav\"\n\t}\n";
        g += "}\n";
        // Stage 1 has three pieces, stage 2 none; level 3 of stage 1 has its own.
        const std::string q =
            "musics {\n\tstages = 2\n"
            "\tstage1 {\n\t\ti = 3\n\t\tmusic1 = \"Egypt-1\"\n\t\tmusic2 = \"Egypt-2\"\n\t\tmusic3 = "
            "\"Neutral-1\"\n\t}\n"
            "\tstage2 {\n\t\ti = 0\n\t}\n"
            "\tspecialLevels {\n\t\ti = 1\n"
            "\t\tlvl1 {\n\t\t\tlevel = 3\n\t\t\tstage = 1\n\t\t\tmusic = \"title\"\n\t\t}\n\t}\n}\n";
        std::filesystem::create_directories(dir.path / "data");
        writeBytes(dir.file("data/globalSnd.dat"), g);
        writeBytes(dir.file("data/musicQ.txt"), q);
    }
};

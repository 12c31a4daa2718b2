// The built sound content: every listed sound loads, every id the game plays is listed, the files are
// clean (no clipping, no click where a music loops), and they play on a real output.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include "DecodedSound.h"
#include "audio/GlobalSnd.h"
#include "core/Globals.h"
#include "engine/Engine.h"

namespace fs = std::filesystem;

namespace {

// The ids the game plays, built from pieces by the code (numbers drawn at random) or named by its screens.
const char* kSoundIds[] = {"click",        "hint",        "begin",
                           "bonus_loadup", "bonus_sword", "bonus_medalion",
                           "bonus_map",    "bonus_eye",   "bonus_skull",
                           "chest_hit_1",  "chest_hit_2", "chest_hit_3",
                           "chest_blow",   "tile_right",  "tile_wrong",
                           "break_right",  "break_wrong", "win",
                           "lose",         "coin_1",      "coin_2",
                           "coin_3",       "coin_4",      "bonus_bag",
                           "put",          "rotate",      "puzzles_end_level",
                           "HO_ok",        "HO_bad",      "HO_hint"};
const char* kMusicIds[] = {"title",   "intro",   "Outro",     "Cutscene-1", "Cutscene-2", "Cutscene-3",
                           "Egypt-1", "Egypt-2", "Iran-1",    "Iran-2",     "Tibet-1",    "Tibet-2",
                           "Tibet-3", "Tibet-4", "Neutral-1", "Neutral-2"};

// The loading screen preloads these numbers: the title's and the first levels' pieces.
const std::set<std::string> kEarlyMusics = {"title", "intro", "Egypt-1", "Egypt-2", "Neutral-1", "Neutral-2"};

// Ids the game's sources pass to the manager as string literals.
std::set<std::string> idsInSources(const std::string& call) {
    std::set<std::string> ids;
    const std::regex literal(call + "\\(\\s*\"([^\"]+)\"\\s*\\)");
    for (const auto& entry : fs::recursive_directory_iterator(SOURCE_DIR "/src")) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path());
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        for (std::sregex_iterator it(text.begin(), text.end(), literal), end; it != end; ++it)
            ids.insert((*it)[1]);
    }
    return ids;
}

class SoundContent : public ::testing::Test {
  protected:
    std::unique_ptr<TGlobalSnd> snd;

    void SetUp() override {
        // OpenAL's null output: a real device that mixes without speakers.
        setenv("ALSOFT_DRIVERS", "null", 1);
        eng::HeadlessConfig config;
        config.audio = true;
        eng::SetHeadless(config);
        snd = std::make_unique<TGlobalSnd>();
        snd->folder = GAME_DIR "/";
        testing::internal::CaptureStdout();
        snd->setup();
        setupOutput = testing::internal::GetCapturedStdout();
    }
    std::string setupOutput;
};

}  // namespace

TEST_F(SoundContent, EveryListedSoundLoadsAndEveryIdTheGamePlaysIsListed) {
    EXPECT_EQ(setupOutput.find("NO SOUND FILE"), std::string::npos) << setupOutput;
    ASSERT_FALSE(snd->sounds.empty());
    for (const auto& s : snd->sounds) EXPECT_TRUE(s->snd) << s->id << " " << s->url;
    for (const auto& m : snd->musics) {
        snd->_setupExactMusicByNR(m->numer);
        EXPECT_TRUE(m->snd) << m->id << " " << m->url;
        EXPECT_NE(m->loop, 0) << m->id;
    }
    std::set<std::string> sounds(std::begin(kSoundIds), std::end(kSoundIds)),
        musics(std::begin(kMusicIds), std::end(kMusicIds));
    for (const std::string& id : idsInSources("playMySound")) sounds.insert(id);
    for (const std::string& id : idsInSources("playMyMusic")) musics.insert(id);
    for (const std::string& id : sounds) EXPECT_TRUE(snd->getSoundData(id)) << "sound " << id;
    for (const std::string& id : musics) EXPECT_TRUE(snd->getMusicData(id)) << "music " << id;
    for (int n = 5; n <= 9; ++n) EXPECT_TRUE(kEarlyMusics.count(snd->musics.at(n - 1)->id)) << "music " << n;
    EXPECT_EQ(snd->levelMusics.size(), 10u);
    ASSERT_EQ(snd->musicsQ.size(), 5u);
    for (const TStageQ& q : snd->musicsQ) {
        EXPECT_FALSE(q.list.empty()) << "stage " << q.stageN;
        for (const std::string& id : q.list) EXPECT_TRUE(snd->getMusicData(id)) << id;
    }
    for (const TSpecLevelMusic& s : snd->specLevelsMusic) EXPECT_TRUE(snd->getMusicData(s.music)) << s.music;
}

TEST_F(SoundContent, NoClippingAndNoClickWhereAMusicLoops) {
    for (const auto& m : snd->musics) {
        const DecodedSound d = decodeSound(m->url);
        ASSERT_EQ(d.channels, 2) << m->id;
        EXPECT_GE(d.seconds(), 60) << m->id;
        EXPECT_LE(d.seconds(), 120) << m->id;
        for (int c = 0; c < d.channels; ++c) {
            const std::vector<float>& x = d.samples[c];
            float peak = 0;
            for (float v : x) peak = std::max(peak, std::abs(v));
            EXPECT_LT(peak, 0.95f) << m->id;
            // The step from the last sample to the first is no bigger than the steps around it.
            float local = 0;
            for (size_t i = 1; i < 200; ++i) {
                local = std::max(
                    {local, std::abs(x[i] - x[i - 1]), std::abs(x[x.size() - i] - x[x.size() - i - 1])});
            }
            EXPECT_LE(std::abs(x.front() - x.back()), 1.5f * local + 0.002f) << m->id << " channel " << c;
        }
    }
    for (const auto& s : snd->sounds) {
        const DecodedSound d = decodeSound(s->url);
        ASSERT_EQ(d.channels, 1) << s->id;
        const std::vector<float>& x = d.samples[0];
        float peak = 0;
        for (float v : x) peak = std::max(peak, std::abs(v));
        EXPECT_LT(peak, 0.95f) << s->id;
        EXPECT_GT(peak, 0.1f) << s->id;
        EXPECT_LE(d.seconds(), 2.5) << s->id;            // effects are short
        EXPECT_LT(std::abs(x.front()), 0.01f) << s->id;  // starts and ends without a click
        EXPECT_LT(std::abs(x.back()), 0.01f) << s->id;
    }
}

TEST_F(SoundContent, PreloadedMusicsAndEffectsPlayOnARealOutput) {
    ASSERT_TRUE(eng::AudioAvailable()) << "OpenAL's null output could not be opened";
    snd->setSoundVol(0.5f);
    snd->setMusicVol(0.5f);
    for (int n : {6, 7, 8, 9, 5}) snd->_setupExactMusicByNR(n);
    snd->playMyMusic("title");
    for (int i = 0; i < 30; ++i) snd->update();
    EXPECT_EQ(snd->mustPlayNewMusic(), 0);
    snd->playLevelMusic(1);
    for (const auto& s : snd->sounds) {
        snd->playMySound(s);
        EXPECT_TRUE(s->chn[0] && s->chn[0]->playing()) << s->id;
    }
    snd->stopAllSounds();
    EXPECT_EQ(snd->mustPlayNewMusic(), 1);
    snd->resumeAllSounds();
    EXPECT_EQ(snd->mustPlayNewMusic(), 0);
    snd->musicGoDown();
    for (int i = 0; i < 25; ++i) snd->update();
    EXPECT_EQ(snd->mustPlayNewMusic(), 1);
    EXPECT_FALSE(snd->oldMusicCHN);
}

// Sound effects through the manager: reading, the repeat guard, the slots, coins and the sound volume.
#include <set>
#include <tuple>

#include "AudioFixture.h"

using Effects = AudioFixture;

TEST_F(Effects, SetupLoadsEveryEffectAndNoMusicAndReportsAMissingFileOnce) {
    EXPECT_EQ(snd.sounds.size(), kSounds.size());
    EXPECT_EQ(snd.musics.size(), kMusics.size());
    EXPECT_EQ(snd.levelMusics.size(), 10u);
    EXPECT_GE(snd.aktLevelMusic, 1);
    EXPECT_LE(snd.aktLevelMusic, 10);
    // Effects load at once without the loop flag; musics wait for their first use.
    EXPECT_EQ(out->loads.size(), kSounds.size());
    EXPECT_EQ(out->loads.front(), snd.folder + "sfx/click.wav|0");
    const std::string message = "NO SOUND FILE: " + snd.folder + "sfx/missing.wav  FileType = 0 !";
    EXPECT_NE(setupOutput.find(message), std::string::npos) << setupOutput;
    EXPECT_EQ(setupOutput.find("NO SOUND FILE"), setupOutput.rfind("NO SOUND FILE"));
    ASSERT_TRUE(snd.getSoundData("MISSING"));
    snd.playMySound("missing");
    EXPECT_TRUE(out->channels.empty());
}

TEST_F(Effects, RepeatGuard) {
    struct Case {
        const char* first;
        const char* second;
        int gapMs;
        size_t plays;
    } cases[] = {
        {"put", "put", 0, 1},
        {"put", "put", 24, 1},
        {"put", "PUT", 25, 2},
        {"put", "put", 30, 2},
        {"tile_right", "tile_right", 0, 2},
        {"Tile_Right", "TILE_RIGHT", 1, 2},
        {"tile_wrong", "tile_wrong", 0, 2},
        {"put", "click", 0, 2},
        {"put", "nothing", 0, 1},
        {"", "", 0, 0},
    };
    for (const Case& c : cases) {
        endAll();
        eng::Delay(1000);  // well past any earlier play
        snd.playMySound(c.first);
        eng::Delay(c.gapMs);
        snd.playMySound(c.second);
        EXPECT_EQ(out->channels.size(), c.plays) << c.first << " then " << c.second << " after " << c.gapMs;
        for (const auto& ch : out->channels) {
            EXPECT_TRUE(ch->playing());
            EXPECT_FLOAT_EQ(ch->volume, 0.5f);
        }
    }
}

TEST_F(Effects, TenSlotsPerEffectFreedWhenThePlaysEnd) {
    for (int i = 0; i < 12; ++i) snd.playMySound("tile_right");
    EXPECT_EQ(sound("tile_right").size(), 10u);  // the eleventh and twelfth find no free slot
    snd.update();
    snd.playMySound("tile_right");
    EXPECT_EQ(sound("tile_right").size(), 10u);  // all ten still sounding
    for (auto& ch : out->channels) ch->ended = true;
    snd.update();
    snd.playMySound("tile_right");
    EXPECT_EQ(sound("tile_right").size(), 11u);
    EXPECT_EQ(snd.getSoundData("tile_right")->chn[0], out->channels.back());
}

TEST_F(Effects, SoundVolumeZeroOpensNoChannel) {
    struct Case {
        float volume;
        size_t channels;
    } cases[] = {{0.0f, 0}, {-5.0f / 395, 0}, {0.005f, 1}, {0.5f, 1}, {1.0f, 1}};
    for (const Case& c : cases) {
        endAll();
        eng::Delay(100);
        snd.setSoundVol(c.volume);
        snd.playMySound("put");
        snd.click();
        snd.over();  // hovering is silent
        ASSERT_EQ(out->channels.size(), 2 * c.channels) << c.volume;
        for (const auto& ch : out->channels) EXPECT_FLOAT_EQ(ch->volume, c.volume);
    }
}

TEST_F(Effects, CoinsAtMostOneEveryHundredMilliseconds) {
    struct Case {
        int stepMs;
        int calls;
        size_t plays;
    } cases[] = {{1, 1000, 10}, {17, 60, 10}, {50, 20, 10}, {99, 10, 5}, {100, 10, 10}, {150, 10, 10}};
    for (const Case& c : cases) {
        endAll();
        eng::Delay(1000);
        for (int i = 0; i < c.calls; ++i) {
            snd.playCoins();
            eng::Delay(c.stepMs);
        }
        EXPECT_EQ(out->channels.size(), c.plays) << "a call every " << c.stepMs << " ms";
    }
    // Over many plays every one of the four coins sounds.
    std::set<std::string> used;
    for (int i = 0; i < 100; ++i) {
        endAll();
        snd.playCoins();
        ASSERT_EQ(out->channels.size(), 1u);
        used.insert(out->channels[0]->path.substr(out->channels[0]->path.rfind('/') + 1));
        eng::Delay(100);
    }
    EXPECT_EQ(used, (std::set<std::string>{"coin_1.wav", "coin_2.wav", "coin_3.wav", "coin_4.wav"}));
}

TEST_F(Effects, CountsInTheSoundFilesNeverOutnumberTheirEntries) {
    // Absurd counts (a hang of the loading screen before) read only the entries that are there.
    std::string g, q;
    eng::ReadFileBytes(snd.folder + "data/globalSnd.dat", g);
    eng::ReadFileBytes(snd.folder + "data/musicQ.txt", q);
    for (const auto& [text, from, to] :
         {std::tuple{&g, "musics = 12", "musics = 2000000000"}, std::tuple{&g, "sounds = 9", "sounds = 1e30"},
          std::tuple{&q, "stages = 2", "stages = 2000000000"}, std::tuple{&q, "i = 3", "i = 2000000000"}}) {
        ASSERT_NE(text->find(from), std::string::npos) << from;
        text->replace(text->find(from), std::string(from).size(), to);
    }
    writeBytes(snd.folder + "data/globalSnd.dat", g);
    writeBytes(snd.folder + "data/musicQ.txt", q);
    TGlobalSnd again{out};
    again.folder = snd.folder;
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    again.setup();
    testing::internal::GetCapturedStdout();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(again.musics.size(), kMusics.size());
    EXPECT_EQ(again.sounds.size(), kSounds.size());
    ASSERT_EQ(again.musicsQ.size(), 2u);
    EXPECT_EQ(again.musicsQ[0].list.size(), 3u);
    EXPECT_NE(said.find("items of \"globalSnd::music\" are declared and 12 found"), std::string::npos)
        << said;
    EXPECT_NE(said.find("globalSnd::sounds: 1.000000015e+30 is out of range"), std::string::npos) << said;
}

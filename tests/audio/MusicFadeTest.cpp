// Music through the manager: fade-in, cross-fade and fade-down frame by frame, volumes and the pause.
#include <algorithm>

#include "AudioFixture.h"

using Music = AudioFixture;

namespace {
constexpr float kVol = 0.8f;  // the fixture's music volume
constexpr float kEps = 1e-5f;
}  // namespace

TEST_F(Music, FadeInThenCrossFadeFrameByFrame) {
    snd.playMyMusic("egypt-1");  // ids match in any letter case
    ASSERT_EQ(music("Egypt-1").size(), 1u);
    auto first = music("Egypt-1")[0];
    EXPECT_EQ(out->loads.back(), snd.folder + "music/Egypt-1.ogg|1");  // loaded on first use, looping
    EXPECT_TRUE(first->playing());
    EXPECT_FLOAT_EQ(first->volume, 0.0f);
    for (int k = 1; k <= 25; ++k) {
        snd.update();
        EXPECT_NEAR(first->volume, kVol * std::min(1.0f, 0.05f * k), kEps) << "fade-in frame " << k;
    }
    EXPECT_EQ(snd.mustPlayNewMusic(), 0);

    // The same piece again: a second copy cross-fades in.
    snd.playMyMusic("Egypt-1");
    ASSERT_EQ(music("Egypt-1").size(), 2u);
    auto second = music("Egypt-1")[1];
    EXPECT_EQ(snd.oldMusicCHN, first);
    EXPECT_EQ(snd.newMusicCHN, second);
    for (int k = 1; k <= 22; ++k) {
        snd.update();
        EXPECT_NEAR(second->volume, kVol * std::min(1.0f, 0.05f * k), kEps) << "cross-fade in, frame " << k;
        if (k < 20) {
            EXPECT_NEAR(first->volume, kVol * (1 - 0.05f * k), kEps) << "cross-fade out, frame " << k;
            EXPECT_TRUE(first->playing());
        } else {
            EXPECT_TRUE(first->stopped) << "frame " << k;
            EXPECT_FALSE(snd.oldMusicCHN);
        }
    }
}

TEST_F(Music, FadeDownStopsAfterFifteenFramesAndTheNextPieceFadesIn) {
    snd.playMyMusic("Iran-1");
    frames(20);
    auto piece = current();
    snd.musicGoDown();
    for (int k = 1; k <= 14; ++k) {
        snd.update();
        EXPECT_NEAR(piece->volume, kVol * (1 - 0.07f * k), kEps) << "fade-down frame " << k;
        EXPECT_TRUE(piece->playing());
    }
    snd.update();
    EXPECT_TRUE(piece->stopped);
    EXPECT_FALSE(snd.newMusicCHN);
    EXPECT_EQ(snd.mustPlayNewMusic(), 1);
    snd.playMyMusic("Iran-2");
    EXPECT_FALSE(snd.oldMusicCHN);  // a fresh start, no cross-fade
    snd.update();
    EXPECT_NEAR(current()->volume, kVol * 0.05f, kEps);
}

TEST_F(Music, FadeDownBeforeTheFadeInHasBegunEndsThePieceAtOnce) {
    snd.playMyMusic("Iran-1");
    auto silent = current();
    snd.musicGoDown();
    snd.update();
    EXPECT_TRUE(silent->stopped);
    EXPECT_FALSE(snd.newMusicCHN);
    snd.playMyMusic("Iran-2");  // a fresh fade-in, not a cross-fade from a piece nobody heard
    EXPECT_FALSE(snd.oldMusicCHN);
}

TEST_F(Music, PlayDuringFadeDownTakesTheFadingPieceAsPreviousAtFullLevel) {
    snd.playMyMusic("Iran-1");
    frames(20);
    auto fading = current();
    snd.musicGoDown();
    frames(10);
    snd.playMyMusic("Iran-2");
    EXPECT_EQ(snd.oldMusicCHN, fading);
    snd.update();
    EXPECT_NEAR(fading->volume, kVol * 0.95f, kEps);
    EXPECT_NEAR(current()->volume, kVol * 0.05f, kEps);
}

TEST_F(Music, CrossFadeDuringACrossFadeStopsThePieceItReplaces) {
    snd.playMyMusic("Tibet-1");
    frames(20);
    snd.playMyMusic("Tibet-2");
    frames(5);
    auto a = music("Tibet-1")[0], b = music("Tibet-2")[0];
    snd.playMyMusic("Tibet-3");
    EXPECT_TRUE(a->stopped);  // not left sounding without anyone to stop it
    EXPECT_EQ(snd.oldMusicCHN, b);
    EXPECT_FLOAT_EQ(snd.oldPer, 1.0f);
    EXPECT_FALSE(b->stopped);
}

TEST_F(Music, AnUnreadablePieceChangesNothing) {
    snd.playMyMusic("broken");
    EXPECT_TRUE(out->channels.empty());
    EXPECT_FALSE(snd.newMusicData);
    snd.playMyMusic("Neutral-1");
    frames(20);
    auto playing = current();
    for (const char* id : {"broken", "no such piece", ""}) {
        snd.playMyMusic(id);
        EXPECT_EQ(snd.newMusicCHN, playing) << id;
        EXPECT_FALSE(snd.oldMusicCHN) << id;
    }
    snd.playMyMusic(std::shared_ptr<TMusicData>());
    EXPECT_EQ(out->channels.size(), 1u);
    EXPECT_TRUE(playing->playing());
}

TEST_F(Music, SetMusicVolStopsAtZeroAndRestartsWithAFadeIn) {
    snd.playMyMusic("Egypt-2");
    frames(25);
    auto before = current();
    snd.setMusicVol(0.3f);
    EXPECT_NEAR(before->volume, 0.3f, kEps);  // at once, without waiting for a frame
    snd.setMusicVol(0.004f);                  // below 0.01 counts as silence
    EXPECT_TRUE(before->stopped);
    EXPECT_FALSE(snd.newMusicCHN);
    EXPECT_EQ(snd.musicVol, 0.0f);
    frames(5);
    EXPECT_EQ(out->channels.size(), 1u);
    snd.setMusicVol(0.5f);
    ASSERT_EQ(music("Egypt-2").size(), 2u);
    auto again = music("Egypt-2")[1];
    EXPECT_EQ(snd.newMusicCHN, again);
    EXPECT_FLOAT_EQ(again->volume, 0.0f);
    for (int k = 1; k <= 20; ++k) {
        snd.update();
        EXPECT_NEAR(again->volume, 0.5f * 0.05f * k, kEps) << "frame " << k;
    }
    // A second raise while playing only changes the volume.
    snd.setMusicVol(0.7f);
    EXPECT_EQ(out->channels.size(), 2u);
    EXPECT_NEAR(again->volume, 0.7f, kEps);
}

TEST_F(Music, PauseAndResumeAroundTheSuspensionLeaveEffectsAlone) {
    snd.playMyMusic("Neutral-1");
    frames(20);
    snd.playMyMusic("Neutral-2");
    frames(5);
    snd.playMySound("put");
    auto oldCh = previous(), newCh = current(), effect = sound("put")[0];
    snd.stopAllSounds();
    EXPECT_FALSE(oldCh->playing());
    EXPECT_FALSE(newCh->playing());
    EXPECT_TRUE(effect->playing());
    snd.resumeAllSounds();
    EXPECT_TRUE(oldCh->playing());
    EXPECT_TRUE(newCh->playing());
    EXPECT_FALSE(oldCh->stopped || newCh->stopped);
}

TEST_F(Music, PreloadsByNumberAndByExactId) {
    snd._setupExactMusicByNR(2);
    EXPECT_EQ(out->loads.back(), snd.folder + "music/Egypt-1.ogg|1");
    ASSERT_TRUE(snd.musics[1]->snd);
    const size_t loads = out->loads.size();
    snd._setupExactMusicByNR(0);
    snd._setupExactMusicByNR(99);
    snd._setupExactMusic("TITLE");  // exact: no match
    EXPECT_EQ(out->loads.size(), loads);
    snd._setupExactMusic("title");
    EXPECT_EQ(out->loads.back(), snd.folder + "music/title.ogg|1");
    snd.playMyMusic("Egypt-1");  // already loaded: not read again
    EXPECT_EQ(out->loads.size(), loads + 1);
}

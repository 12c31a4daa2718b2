// The sound manager: every sound effect and music of the game, cross-fades, fades and volumes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/MusicData.h"
#include "audio/SoundData.h"
#include "audio/SoundOutput.h"
#include "screen/Ekran.h"

// Never shown as a screen: only `setup` and `update` of the screen protocol matter.
class TGlobalSnd : public TEkran {
  public:
    std::vector<std::shared_ptr<TMusicData>> musics;       // every music, in file order
    std::vector<std::shared_ptr<TSoundData>> sounds;       // every sound effect, in file order
    std::vector<std::shared_ptr<TMusicData>> levelMusics;  // the musics marked as level musics
    std::vector<TStageQ> musicsQ;                          // per-stage music lists
    std::vector<TSpecLevelMusic> specLevelsMusic;          // musics fixed for single levels

    std::shared_ptr<TSoundChannel> newMusicCHN;  // the current music (fading in or playing)
    std::shared_ptr<TSoundChannel> oldMusicCHN;  // the previous music while it fades out
    std::shared_ptr<TMusicData> oldMusicData;
    std::shared_ptr<TMusicData> newMusicData;
    float newPer = 0, oldPer = 0;      // levels 0..1 of the current and the previous music
    float dNewPer = 0, dOldPer = 0;    // the levels they move toward
    float musicVol = 0;                // the last music volume given to setMusicVol
    float soundVol = 0;                // the last sound volume given to setSoundVol
    int aktLevelMusic = 0;             // a level music index drawn once at setup (1..count)
    int64_t coinTime = INT64_MIN / 2;  // MilliSecs of the last coin sound; long ago at first
    std::string lastMusic;             // the last music started from a stage list

    std::string folder;  // the game folder the data files and sound paths are read from

    static constexpr float kFadeIn = 0.05f;    // level per frame of a fade-in and a cross-fade's fade-out
    static constexpr float kFadeDown = 0.07f;  // level per frame of musicGoDown
    static constexpr int64_t kCoinMs = 100;    // at most one coin sound in this time

    // Plays through `output`; without one, through the engine's channels.
    explicit TGlobalSnd(std::shared_ptr<TSoundOutput> output = nullptr);

    // Reads the musics, the sound effects (loading every effect) and the stage lists.
    void setup() override;
    void _setupMusic();
    void _setupSounds();
    void _setupMusicsQue();
    void _setupExactMusicByNR(int n);              // loads the n-th music of the data file
    void _setupExactMusic(const std::string& id);  // loads the musics with exactly this id

    void playMySound(const std::string& id);
    void playMySound(const std::shared_ptr<TSoundData>& sound);
    void playMyMusic(const std::string& id);
    void playMyMusic(const std::shared_ptr<TMusicData>& music);

    void playLevelMusic(int stage);
    void playRandomLevelMusic();
    // The music the stage lists choose for this level of this stage (the profile's numbers).
    void playExactMusic(int numerLevelu, int numerStageu);
    void playMusicFromStageQ(const TStageQ& q);
    const TSpecLevelMusic* getSpecLevel(int numerLevelu, int numerStageu) const;

    std::shared_ptr<TMusicData> getMusicData(const std::string& id) const;
    std::shared_ptr<TSoundData> getSoundData(const std::string& id) const;

    void playCoins();
    void click();
    void over();

    void musicGoDown();
    void musicGoUp();
    int mustPlayNewMusic() const;
    void setMusicVol(float v);
    void setSoundVol(float v);
    // Pause and resume the music around the suspension pause; sound effects go on.
    void stopAllSounds();
    void resumeAllSounds();

    // Once per frame: the music fades, and the slots of finished sound effects.
    void update() override;

    void _loadMusic(TMusicData& music);

  private:
    std::shared_ptr<TSoundOutput> _output;
    void _startMusic(const std::shared_ptr<TMusicData>& music);
};

extern TGlobalSnd* globalSnd;

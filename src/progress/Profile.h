// The player profile: the flow chosen and the place reached in it, per-level results, statistics,
// power-up timers and unlocks, and the level in progress.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "progress/FlowLevel.h"
#include "progress/LevelData.h"

// One level's last recorded result.
struct TProfLevelData {
    int numerLevelu = 0;
    int passed = 0;
    int flowSequence = 0;
    int stageN = 0;
    int score = 0;
    int time = 0;
    int mistakes = 0;
    int mnoznik = 0;
    int ileRazy = 0;  // how many results were recorded
};

// The main game's counters of the nonogram level in progress, kept with the profile that plays it.
struct TGameData {
    int useMedalionN = 0, useMieczN = 0, useOkoN = 0, useCzaszkaN = 0, useMapaN = 0, useHintsN = 0,
        allLivingsN = 0, useLivingsN = 0;
    std::array<int, 4> hintUsed{};
    std::array<int, 5> powerUpUse{};
    float mnoznik = 1;
};

class TProfile {
  public:
    std::string id;
    std::string name;
    std::vector<int> awardy;  // ids of the awards received, in order
    std::vector<std::shared_ptr<TProfLevelData>> levele;
    std::vector<std::string> lekcjeTutoriala;  // ids of the tutorial tips still to show
    int flowSequence = 0;
    int numerLevelu = 1;
    int numerStageu = 1;
    int maxLevel = 0;
    std::string gameType;
    int allLivings = 0;
    std::shared_ptr<TFlowLevel> actLevel;  // the level of the entry in progress, or null
    std::string flowType;                  // "CASUAL" or "HARD"
    int mistakes = 0;
    int kamienieWWorku = 0;
    int score = 0;
    int noMistakesOnLevel = 0;
    int lastScore = 0;
    int hintsUsedOnLevel = 0;
    int hintsUsed = 0;
    int noMistakedLevels = 0;
    int useOfSkull = 0, useOfSword = 0, useOfMedalion = 0, useOfEye = 0, useOfMap = 0;
    int tempUseOfSkull = 0, tempUseOfSword = 0, tempUseOfMedalion = 0, tempUseOfEye = 0, tempUseOfMap = 0;
    std::array<int64_t, 6> czas{};  // when each power-up slot's recharge started (MilliSecs)
    std::array<int, 6> unlocked{};
    int bylAwardsScreen = 0;
    int tutorialOn = 1;
    int64_t powerUpsPomTime = 0;  // when the timers were frozen
    int paused = 0;
    TGameData gameData;
    // The stage reached at the last map stop when nothing had been played in it yet (else 0): the map
    // presents it as newly opened until the next stop.
    int newStageN = 0;
    // The story being seen again from the stage screen, while it plays; empty otherwise.
    std::string storyReplay;
    // Set when the profile's file could not be read: the profile keeps its place in the list and its folder
    // is never written over.
    bool unreadable = false;

    // Full recharge time of each power-up slot in milliseconds (set by the main game).
    static inline std::array<int, 6> maxCzasPowerUpow{};
    // Where in the flow each power-up slot opens (the main game reads them with the recharge times). The
    // defaults suit long stages: the sword late in stage 1, one slot per stage, the skull and the bag in
    // stage 5.
    struct TUnlockAt {
        int stage = 0, level = 0;
    };
    static inline std::array<TUnlockAt, 6> unlockAt{{{1, 24}, {2, 28}, {3, 31}, {4, 39}, {5, 12}, {5, 24}}};

    // ---- records and queries
    std::shared_ptr<TProfLevelData> getProfLevelData(int numer) const;
    std::shared_ptr<TProfLevelData> getProfLevelData2(int numer, int stage) const;
    int updateLevelData(int numer, int passed, int score, int time, int mistakes, int mnoznik);
    int addActLevelData();
    int checkMaxLevel();
    std::shared_ptr<TLevelData> getMyLevelData() const;
    int getStageNumber() const;
    std::vector<std::shared_ptr<TLevelData>> getLeveleForStage(int stage) const;
    int isStageAvailable(int stage) const;
    int getHighestStage() const;
    int getMaxStage() const { return getHighestStage(); }
    int getHighestLevel(int stage) const;
    int getMaxLevel(int stage) const { return getHighestLevel(stage); }
    int checkPowerUpUnlocked();

    // ---- the flow: each answers the screen to go to next
    std::string startNewGame();
    std::string getNextLevel();
    std::string restartLevel();
    std::string ContinueGame();
    // 1 when there is a journey to resume: a level in progress, a result, or a place past the start.
    int canContinue() const;
    // Where the map's "play on" leads: the entry in progress, or the journey's next entry.
    std::string playOn();
    // The nr of the furthest flow entry the journey has reached. The place in the flow goes back when an
    // earlier level is replayed from the stage screen; the results kept show how far the journey went.
    int furthestReached() const;
    // Whether the story `story` that just played was being seen again from the stage screen (then the map
    // comes back after it); the replay ends either way.
    bool endStoryReplay(const std::string& story);
    // 0 when a pending tutorial tip has this id (any letter case), else 1.
    int IDontHaveTip(const std::string& id) const;
    // A tutorial level starts: its remembered tips that are not pending become pending again.
    void resetTutorialForLevel();
    // Every tip of the tutorial is pending (a new journey).
    void armAllTips();
    // A level picked on the stage screen: the journey moves to it and goes on after it.
    std::string setLevel(const TLevelData& levelData);
    // A story picked on the stage screen is only seen again: the journey keeps its place and its level in
    // progress, and the map comes back after it. Answers the story's screen.
    std::string replayStory(const TLevelData& story);
    int setProperLevel(const TLevelData& levelData);
    // True when the flow has been played through its last entry (not ended by a gap or an empty flow).
    bool flowFinished() const;
    // The level just played was won: its result is recorded, so it is no longer in progress.
    void levelFinished();

    // ---- the rest
    void resetProfile();
    std::string getId();
    // Writes the profile's folder; false when it could not be written (or the profile is unreadable).
    bool save();
    std::string folder() const;
    void pausePowerUps();
    void pausePowerUps2();
    void ResumePowerUps();
    void resetPowerUp(int k);
    void usePowerUp(int k) { resetPowerUp(k); }
    void restartPowerUpN(int k);
};

// The per-user folders and files of the profiles.
std::string profilesFolder();
std::string profilesListPath();
// Reads a profile file; a missing or unreadable one gives a default profile marked unreadable.
std::shared_ptr<TProfile> loadProfile(const std::string& path);
std::shared_ptr<TProfile> newProfileNamed(const std::string& name);
// The id of a name: the decimal code of every character followed by "-" ("AB" gives "65-66-").
std::string profileIdOf(const std::string& name);
// True for ids of the form the game writes (digits and "-"), safe as a folder name.
bool isProfileId(const std::string& id);

// The player profile record: the flow chosen, the place reached in it and the counters of the level played.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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

class TProfile {
  public:
    std::string id;
    std::string name;
    int flowSequence = 0;
    int numerLevelu = 1;
    int numerStageu = 1;
    int maxLevel = 0;
    std::string gameType;
    int allLivings = 0;
    std::vector<std::shared_ptr<TProfLevelData>> levele;
    std::string flowType;  // "CASUAL" or "HARD"
    int mistakes = 0;
    int kamienieWWorku = 0;
    int score = 0;
    int noMistakesOnLevel = 0;
    int lastScore = 0;
    int hintsUsedOnLevel = 0;
    int hintsUsed = 0;
    int noMistakedLevels = 0;
    std::array<int64_t, 6> czas{};
    std::array<int, 6> unlocked{};
    int tutorialOn = 1;
    int64_t powerUpsPomTime = 0;
    int paused = 0;

    // The record of level `numer` of the current stage, or null.
    std::shared_ptr<TProfLevelData> getProfLevelData(int numer) const;
    std::shared_ptr<TProfLevelData> getProfLevelData2(int numer, int stage) const;
    // Writes a level's result into its record (made when missing); answers 1.
    int updateLevelData(int numer, int passed, int score, int time, int mistakes, int mnoznik);
};

// The player profile record: the flow chosen, the place reached in it and the counters of the level played.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

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
};

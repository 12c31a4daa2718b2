// One entry of a level flow (a nonogram, a mini-game, a story or a stop on the map) and one stage's levels.
#pragma once

#include <string>
#include <vector>

// One entry of the casual or the hard flow.
class TLevelData {
  public:
    int nr = 0;                   // 1-based position in its flow; the profile's flowSequence points at it
    int numer = 0;                // level number within its stage
    std::string gameType;         // kind of entry, upper case; also the screen that plays it
    std::string url;              // program folder prefix + the level file path
    int stageN = 0;               // stage number
    int backgroundNr = 1;         // background picture of nonogram and mini-game screens
    int actualLevelNumber = 0;    // 1-based index of the entry's name in the flow's name list
    float overA = 0, dOverA = 0;  // hover highlight on the stage screen and its target

    // 1 unless the entry is a stop on the map.
    int playable() const;
    // True for the story cutscenes ("STORY-...").
    bool isStory() const;
    // Moves the hover highlight toward its target.
    void update();
};

// The level numbers of one stage of the hard flow, in order of first appearance.
class TStageData {
  public:
    int id = 0;
    std::vector<std::string> levels;

    // 1 when the active profile has passed some level of this stage.
    int isAtLeastOneLevelPassed() const;
    // 1 when the active profile has passed every level of this stage.
    int areAllLevelsFinished() const;
};

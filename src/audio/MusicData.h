// One piece of music, a stage's list of musics and a music fixed for one level.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "audio/SoundOutput.h"

class TGlobalSnd;

class TMusicData {
  public:
    std::string id;                   // matched without regard to letter case
    std::string url;                  // the game folder + the path from the data file
    std::shared_ptr<TSoundClip> snd;  // null until loaded (on first use or by a preload)
    int levelMusic = 0;               // non-zero: one of the level musics
    int loop = 0;                     // non-zero: loaded as a looping sound
    int numer = 0;                    // 1-based position in the data file
    TGlobalSnd* owner = nullptr;      // the manager that loads it

    // Asks the manager to load this piece by its position.
    void loadMe();
};

// A stage's musics, from "data/musicQ.txt".
struct TStageQ {
    std::vector<std::string> list;  // music ids in file order
    int stageN = 0;                 // the stage number, from 1
};

// A music fixed for one level of one stage.
struct TSpecLevelMusic {
    int lvl = 0;  // the level number within the stage
    int stg = 0;  // the stage number
    std::string music;
};

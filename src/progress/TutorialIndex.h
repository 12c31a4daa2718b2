// What the player's profile knows of the tutorial's tips: each tip's id, the level it belongs to and whether
// it comes back whenever its level starts. The tutorial fills it when it reads its tips.
#pragma once

#include <string>
#include <vector>

struct TTipInfo {
    std::string id;  // upper case
    int level = 0;   // the level number it belongs to; 0: a general tip
    int rememberMe = 0;
};

class TTutorialIndex {
  public:
    std::vector<TTipInfo> tips;  // the level-bound tips, then the general ones, each in file order

    // The tip with this id (any letter case), or null.
    const TTipInfo* find(const std::string& id) const;
};

extern TTutorialIndex tutorialIndex;

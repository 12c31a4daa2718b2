// The award table and what a profile has received: awards come in families whose tiers are the same
// trophy in another metal; the checks after a won level decide which are earned.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/Engine.h"

class TProfile;

class TAward {
  public:
    int id = 0;
    int typ = 0;    // family
    int level = 0;  // tier within the family, 1 the lowest
    std::string title, opis, opisReceive;
    eng::Image img;
    float x = 0, y = 0;   // place on the award screen
    int wielorazowy = 0;  // may be received again
    int value = 0;        // the threshold of its condition
    float overA = 0, dOverA = 0, toolA = 0, dToolA = 0;
    int licznik = 0;  // how often the active profile has it
};

// Read from "data/awards.dat" and the award texts once, during loading.
extern std::vector<std::shared_ptr<TAward>> awardTable;
void loadAwardTable(bool withPictures = true);
std::shared_ptr<TAward> findAward(int id);

int countAward(const TProfile& p, int id);
bool hasAward(const TProfile& p, int id);
// The profile's best tier of a family (the first of equal ones), or null.
std::shared_ptr<TAward> getHighestAwardByTyp(const TProfile& p, int typ);

// What the checks need to know of the level just won.
struct TAwardFacts {
    bool tutorial = false;
    int maxMistakes = 0;  // the level's tolerance
    int bagRoom = 0;      // stones the bag holds, when the profile owns it
};

// The award `id` if the profile earns it now, else null (an award received once that may not be received
// again never is).
std::shared_ptr<TAward> checkAward(int id, const TProfile& p, const TAwardFacts& f);
// The checks after a won level, highest tiers first: each award earned is appended to the profile at once
// (so a lower tier of the same family is not given in the same pass) and handed to `announce`. Answers the
// awards given; nothing for a tutorial level.
std::vector<std::shared_ptr<TAward>> runAwardChecks(TProfile& p, const TAwardFacts& f,
                                                    const std::function<void(const TAward&)>& announce);

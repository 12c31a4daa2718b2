// The profiles screen and the holder of the active profile, which the whole game reads and changes.
#pragma once

#include <memory>
#include <vector>

#include "progress/Profile.h"
#include "screen/Ekran.h"

class TProfileManager : public TEkran {
  public:
    std::shared_ptr<TProfile> profile;  // the active profile, or null before a player is chosen
    std::vector<std::shared_ptr<TProfile>> listaProfili;

    TProfileManager() { id = "Profile Manager"; }
};

extern std::shared_ptr<TProfileManager> profileManager;

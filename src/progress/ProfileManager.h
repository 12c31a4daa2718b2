// The profiles screen and the holder of the active profile, which the whole game reads and changes.
#pragma once

#include <memory>
#include <vector>

#include "app/Ekran.h"
#include "progress/Profile.h"

class TProfileManager : public TEkran {
  public:
    std::shared_ptr<TProfile> profile;  // the active profile, or null before a player is chosen
    std::vector<std::shared_ptr<TProfile>> listaProfili;

    TProfileManager() { id = "Profile Manager"; }
};

extern std::shared_ptr<TProfileManager> profileManager;

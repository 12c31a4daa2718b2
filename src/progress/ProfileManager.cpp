// The holder of the active profile.
#include "progress/ProfileManager.h"

std::shared_ptr<TProfileManager> profileManager;

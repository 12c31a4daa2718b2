// The profile's index of the tutorial's tips.
#include "progress/TutorialIndex.h"

#include "engine/Engine.h"

TTutorialIndex tutorialIndex;

const TTipInfo* TTutorialIndex::find(const std::string& id) const {
    const std::string key = eng::Upper(id);
    for (const TTipInfo& t : tips)
        if (t.id == key) return &t;
    return nullptr;
}

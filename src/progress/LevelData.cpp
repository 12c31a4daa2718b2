// Flow entries and stage tables.
#include "progress/LevelData.h"

#include <cstdlib>

#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "progress/ProfileManager.h"

int TLevelData::playable() const {
    return eng::Upper(gameType) == "MAPA" ? 0 : 1;
}

bool TLevelData::isStory() const {
    return eng::Upper(gameType).rfind("STORY", 0) == 0;
}

void TLevelData::update() {
    approach(overA, dOverA, 0.05f);
}

namespace {

bool passedInStage(int stage, const std::string& level) {
    const auto& p = profileManager ? profileManager->profile : nullptr;
    if (!p) return false;
    const auto record = p->getProfLevelData2(std::atoi(level.c_str()), stage);
    return record && record->passed != 0;
}

}  // namespace

int TStageData::isAtLeastOneLevelPassed() const {
    for (const std::string& level : levels)
        if (passedInStage(id, level)) return 1;
    return 0;
}

int TStageData::areAllLevelsFinished() const {
    for (const std::string& level : levels)
        if (!passedInStage(id, level)) return 0;
    return 1;
}

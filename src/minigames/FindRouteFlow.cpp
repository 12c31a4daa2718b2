// The route puzzles of the level flow: a fresh level from its file, one saved in progress, a resumed one.
#include "minigames/FindRoutePuzzle.h"
#include "minigames/LevelFileCheck.h"
#include "progress/LevelData.h"

void registerFindRouteKind() {
    TLevelKind kind;
    kind.start = [](const TLevelData& entry) -> std::shared_ptr<TFlowLevel> {
        auto level = loadFRLevel(entry.url);
        if (level && findRoutePuzzle) findRoutePuzzle->SetLevel(level);
        return level;
    };
    kind.load = [](const std::string& path) {
        return loadSavedLevel(path, [](const std::string& saved) { return loadFRLevel(saved); });
    };
    kind.resume = [](const std::shared_ptr<TFlowLevel>& saved) {
        auto level = std::dynamic_pointer_cast<TFRLevel>(saved);
        if (level && findRoutePuzzle) findRoutePuzzle->SetLevel(level);
    };
    registerLevelKind("FINDROUTE-PUZZLE", kind);
}

// The chest puzzles of the level flow: a fresh level from its file, one saved in progress, a resumed one.
#include "engine/Engine.h"
#include "minigames/LevelFileCheck.h"
#include "minigames/PuzzleExpress.h"
#include "progress/LevelData.h"

void registerPuzzleExpressKind() {
    TLevelKind kind;
    kind.start = [](const TLevelData& entry) -> std::shared_ptr<TFlowLevel> {
        auto level = loadPELevel(entry.url);
        if (level && puzzleExpress) puzzleExpress->setLevel(level);
        return level;
    };
    kind.load = [](const std::string& path) {
        return loadSavedLevel(path, [](const std::string& saved) { return loadPELevel(saved); });
    };
    kind.resume = [](const std::shared_ptr<TFlowLevel>& saved) {
        auto level = std::dynamic_pointer_cast<TPELevel>(saved);
        if (level && puzzleExpress) puzzleExpress->setLevel(level);
    };
    registerLevelKind("PUZZLE-EXPRESS", kind);
}

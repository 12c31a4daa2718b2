// The nonogram entries of the level flow: a fresh level from its file, a saved one, and a resumed one.
#include "nonogram/MainGameFlow.h"

#include "core/Globals.h"
#include "nonogram/MainGame.h"
#include "progress/Profile.h"
#include "progress/SaveAll.h"

using namespace eng;

void registerMainGameKind() {
    TLevelKind kind;
    kind.start = [](const TLevelData& entry) -> std::shared_ptr<TFlowLevel> {
        auto level = loadLevel(entry.url, 1);
        if (!level || !mainGame) return nullptr;
        level->url = entry.url;
        level->backGroundUrl = "gfx/backgrounds/background-" + std::to_string(entry.backgroundNr) + ".jpg";
        level->score = 0;
        mainGame->setLevel(level);
        mainGame->mnoznik = 1;
        mainGame->chest.restartWorek();
        return level;
    };
    kind.load = [](const std::string& path) -> std::shared_ptr<TFlowLevel> {
        auto level = loadLevel(path, 0);
        if (level) level->url = path;
        return level;
    };
    kind.resume = [](const std::shared_ptr<TFlowLevel>& saved) {
        auto level = std::dynamic_pointer_cast<TLevel>(saved);
        if (!level || !mainGame) return;
        mainGame->setLevel(level);
        mainGame->takeGameData();
    };
    registerLevelKind("MAIN-GAME", kind);
    // The counters of the level in progress are written with the profile that plays it.
    onSaveAll([] {
        if (mainGame) mainGame->keepGameData();
    });
}

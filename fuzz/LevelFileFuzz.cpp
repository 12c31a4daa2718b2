// Fuzz target: the level loader, with a few tile kinds, covers and treasures made in memory.
#include "FuzzInput.h"
#include "engine/Engine.h"
#include "nonogram/Level.h"
#include "nonogram/TileData.h"

namespace {

void makeKinds() {
    for (int id = 0; id < 10; ++id) {
        auto kind = std::make_shared<TTileData>();
        kind->id = id;
        kind->frames = 1;
        tileDataList.push_back(kind);
    }
    for (int id = 1; id <= 3; ++id) {
        auto cover = std::make_shared<TTileHideGFX>();
        cover->id = id;
        cover->hideFrames = 12;
        tileHideList.push_back(cover);
    }
    for (int id = 1; id <= 3; ++id) {
        auto treasure = std::make_shared<TTresureData>();
        treasure->id = id;
        treasure->frames = 1;
        tresureDataList.push_back(treasure);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        eng::SetHeadless(eng::HeadlessConfig{});
        makeKinds();
        return true;
    }();
    (void)ready;
    FuzzFile input("level.lvl", data, size);
    // The first byte picks a saved game (its treasures) or a fresh level (random treasures).
    const int randomTreasures = size > 0 && (data[0] & 1) ? 1 : 0;
    auto level = loadLevel(input.path(), randomTreasures);
    if (level) {
        FuzzFile saved("saved.lvl");
        fuzzCheck(saveLevel(*level, saved.path(), 0), "a level read cannot be saved");
        fuzzCheck(loadLevel(saved.path(), 0) != nullptr, "a saved level cannot be read");
    }
    return 0;
}

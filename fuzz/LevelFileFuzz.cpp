// Fuzz target: the level loader, with a few tile kinds, covers and treasures made in memory. A level read
// is saved with its play state and read back; saving that again gives the same text.
#include "FuzzInput.h"
#include "NonogramKinds.h"
#include "engine/Engine.h"
#include "nonogram/Level.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        eng::SetHeadless(eng::HeadlessConfig{});
        makeNonogramKinds();
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
        auto back = loadLevel(saved.path(), 0);
        fuzzCheck(back != nullptr, "a saved level cannot be read");
        FuzzFile again("again.lvl");
        fuzzCheck(saveLevel(*back, again.path(), 0), "a level read back cannot be saved");
        const std::string first = fuzzReadFile(saved.path()), second = fuzzReadFile(again.path());
        fuzzCheck(second == first, "a saved level reads back otherwise, " + fuzzDifference(first, second));
    }
    return 0;
}

// A small program folder for the mini-game levels: the chest puzzle's shapes from the game's content, and
// one picture "p.png" that the seeds' hidden objects and jigsaw pieces use.
#include "MiniProgram.h"

#include "FuzzInput.h"
#include "core/Globals.h"
#include "minigames/PEData.h"

const std::string& miniProgramFolder() {
    static const FuzzFolder folder("program");
    static const bool ready = [] {
        fuzzCheck(fuzzHeadlessScreen(), "no headless renderer");
        for (const char* table : {"data/puzzleExpress-tiles.dat", "data/puzzleExpress-blocks.dat"}) {
            const std::string text = fuzzReadFile(std::string(FUZZ_CONTENT_DIR "/") + table);
            fuzzCheck(!text.empty(), std::string("the game's content has no ") + table);
            folder.write(table, text);
        }
        fuzzPicture(folder.path() + "p.png");
        programPrefix = folder.path();
        peData.load(false);
        return true;
    }();
    (void)ready;
    return folder.path();
}

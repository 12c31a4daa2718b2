// Fuzz target: the game's tables and the per-user settings and best scores. The first byte picks the file,
// the rest is its text: 0 settings, 1 best scores, 2 casual flow, 3 hard flow, 4 map stages, 5 awards,
// 6 power-ups, 7 tutorial, 8 dialogs, 9 opening story, 10 sounds and musics, 11 music lists. Each is read
// from its own place in a program folder or per-user folder of the target's own; what is read keeps the
// reader's promises, and the settings and best scores read back as they were saved.
#include "FuzzInput.h"
#include "TablesChecks.h"
#include "core/Globals.h"

namespace {

struct Table {
    const char* path;  // below the program folder, or below the per-user folder for the player's files
    bool perUser;
    void (*check)();
};

const Table kTables[] = {
    {"Data/settings.dat", true, checkSettings},       {"Data/localHighScores.dat", true, checkHighScores},
    {"data/flow_casual.dat", false, checkCasualFlow}, {"data/flow_hard.dat", false, checkHardFlow},
    {"data/mapStages.dat", false, checkMapStages},    {"data/awards.dat", false, checkAwards},
    {"data/powerUps.dat", false, checkPowerUps},      {"data/tutorial.dat", false, checkTutorial},
    {"data/dialogs.dat", false, checkDialogs},        {"data/Story-start.dat", false, checkStory},
    {"data/globalSnd.dat", false, checkSounds},       {"data/musicQ.txt", false, checkSounds},
};
constexpr size_t kCount = sizeof kTables / sizeof kTables[0];

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzFolder program("tables"), user("tables-user");
    static const bool ready = [] {
        fuzzCheck(fuzzHeadlessScreen(), "no headless renderer");
        programPrefix = program.path();
        userFolder = user.path() + "user";
        prepareTableChecks();
        return true;
    }();
    (void)ready;
    if (size == 0) return 0;
    const Table& table = kTables[data[0] % kCount];
    program.clear();
    user.clear();
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    (table.perUser ? user : program)
        .write(table.perUser ? std::string("user/") + table.path : table.path, text);
    table.check();
    return 0;
}

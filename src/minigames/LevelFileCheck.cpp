// The checks every mini-game level reader makes before it builds a level.
#include "minigames/LevelFileCheck.h"

#include "engine/Engine.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"

int cappedList(const TRCMFile& file, const std::string& countKey, const std::string& base, int cap) {
    // A list longer than the cap is not walked to its end: a million items are refused as fast as cap + 1.
    int n = 0;
    while (n <= cap && hasKey(file, base + std::to_string(n + 1))) ++n;
    if (n > cap) return -1;
    return countItems(file, base, 1, readInt(file, countKey));
}

void refuseLevel(const std::string& path, const std::string& what, const std::string& why) {
    eng::Warn("The level file " + path + " cannot be played as " + what + ": " + why + ".");
}

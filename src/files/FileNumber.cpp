// Whole numbers and list lengths read from data files, kept in range and reported when they are not.
#include "files/FileNumber.h"

#include <cmath>
#include <cstdio>

#include "engine/Engine.h"
#include "files/DataFile.h"

int checkedInt(double value, const std::string& where) {
    if (std::isnan(value)) {
        eng::Warn(where + ": not a number; 0 is used.");
        return 0;
    }
    if (value > kFileIntLimit || value < -kFileIntLimit) {
        const int clamped = value > 0 ? kFileIntLimit : -kFileIntLimit;
        char text[32];
        std::snprintf(text, sizeof text, "%.10g", value);
        eng::Warn(where + ": " + text + " is out of range; " + std::to_string(clamped) + " is used.");
        return clamped;
    }
    return static_cast<int>(value);
}

int readInt(const TRCMFile& file, const std::string& path, int index) {
    return checkedInt(file.getFloat(path, index), file._path + ": " + path);
}

bool hasKey(const TRCMFile& file, const std::string& path) {
    const std::vector<std::string> parts = splitText(path, "::");
    if (parts.empty()) return false;
    const auto group = file.getGroup(parts);
    return group && (group->getEntry(parts.back()) || group->getGroup(parts.back()));
}

int countItems(const TRCMFile& file, const std::string& base, int first, int declared) {
    int found = 0;
    // The file's own count never drives the loop: a count of two billion must not hang the game.
    while (hasKey(file, base + std::to_string(first + found))) ++found;
    if (found != declared)
        eng::Warn(file._path + ": " + std::to_string(declared) + " items of \"" + base +
                  "\" are declared and " + std::to_string(found) + " found; the " + std::to_string(found) +
                  " found are used.");
    return found;
}

// A bot for the mini-games: it asks the driver for a level's play lines (a run of the level alone) and
// writes the script that carries them out.
#pragma once

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "DriverRun.h"

// The driver's play lines for a level: every match of `pattern` with its numbers.
inline std::vector<std::vector<int>> playLines(const std::string& level, const std::string& screen,
                                               const std::string& pattern, TempDir& user, TempDir& out) {
    DriverRun look = runDriverWith("waitscreen " + screen + "\nquit\n", user, out, " --level " + level);
    std::vector<std::vector<int>> lines;
    const std::regex re(pattern);
    for (std::sregex_iterator it(look.output.begin(), look.output.end(), re), end; it != end; ++it) {
        std::vector<int> v;
        for (size_t i = 1; i < it->size(); ++i) v.push_back(std::stoi((*it)[i]));
        lines.push_back(v);
    }
    return lines;
}

// The chest puzzle's blocks as the driver prints them: grab point, quarter turns, drop point.
inline std::vector<std::vector<int>> chestBlocks(const std::string& level, TempDir& user, TempDir& out) {
    return playLines(level, "PUZZLE-EXPRESS", R"(grab (\d+),(\d+) turns (\d+) drop (\d+),(\d+))", user, out);
}

// The script that puts every block of the driver's chest lines on its sockets: a short click keeps the
// block on the mouse, right clicks turn it, a click lets it go.
inline std::string placeBlocks(const std::vector<std::vector<int>>& blocks) {
    std::ostringstream s;
    for (const auto& b : blocks) {
        s << "click " << b[0] << " " << b[1] << "\nwait 10\n";
        for (int t = 0; t < b[2]; ++t) s << "click " << b[0] << " " << b[1] << " right\nwait 25\n";
        s << "move " << b[3] << " " << b[4] << "\nwait 3\nclick " << b[3] << " " << b[4] << "\nwait 15\n";
    }
    return s.str();
}

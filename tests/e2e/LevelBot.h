// A bot that plays shipped levels through the driver's dialogue: it reads the level line the driver prints
// when a level starts and clicks the picture cells from the level's source.
#pragma once

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "DriverDialogue.h"
#include "DriverRun.h"
#include "Grabs.h"

struct LevelLine {
    std::string name;  // the level file's name without folder and extension
    int rows = 0, cols = 0;
    CellGrid grid;
};

inline bool readLevelLine(const std::string& output, LevelLine& out) {
    std::smatch m;
    const std::regex line(
        R"(level: data/levels/(\w+)\.lvl; dims (\d+) x (\d+); cell 0,0 at (\d+),(\d+); pitch (\d+) x (\d+))");
    if (!std::regex_search(output, m, line)) return false;
    out = {m[1], std::stoi(m[2]), std::stoi(m[3]),
           CellGrid{std::stoi(m[4]), std::stoi(m[5]), std::stoi(m[6]), std::stoi(m[7])}};
    return true;
}

// Waits for the main game and reads the level line it printed since `seen` (moved past it).
inline LevelLine nextLevel(DriverDialogue& d, size_t& seen) {
    // The main game may already be the switcher's screen (a level follows a level): wait for the line.
    size_t at = std::string::npos;
    for (int i = 0; i < 300 && at == std::string::npos; ++i) {
        at = d.transcript().find("level: ", seen);
        if (at == std::string::npos) d.must("wait 10");
    }
    d.must("wait 2");
    LevelLine l;
    EXPECT_NE(at, std::string::npos) << d.transcript();
    if (at == std::string::npos) return l;
    seen = at + 1;
    EXPECT_TRUE(readLevelLine(d.transcript().substr(at), l)) << d.transcript();
    d.must("wait 240");  // the cells fly in
    return l;
}

// Uncovers the picture cells of the level, the first `limit` of them (all when negative).
inline int uncover(DriverDialogue& d, const LevelLine& l, int limit,
                   std::vector<std::pair<int, int>>* cells = nullptr) {
    const auto picture = levelPicture(l.name);
    EXPECT_EQ(static_cast<int>(picture.size()), l.rows) << l.name;
    int n = 0;
    for (int r = 0; r < l.rows && r < static_cast<int>(picture.size()); ++r)
        for (int c = 0; c < l.cols && c < static_cast<int>(picture[r].size()); ++c) {
            if (picture[r][c] == '.' || (limit >= 0 && n >= limit)) continue;
            d.must("click " + std::to_string(l.grid.x(c)) + " " + std::to_string(l.grid.y(r)));
            if (cells) cells->push_back({r, c});
            ++n;
        }
    return n;
}

// Level sources in content/levels: the legend of picture kinds and one small text file per level.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace gen::levels {

// What a level source says: its header and its picture as tile kind ids ([row][col], 0 = empty cell).
struct LevelSource {
    std::string path;        // the source file, for messages
    std::string name;        // the level file is data/levels/<name>.lvl
    std::string difficulty;  // "tutorial", "casual" or "hard"
    int cover = 0;           // cover id of every cell
    int mistakes = 0;        // mistakes the level tolerates
    std::vector<std::vector<int>> kinds;
};

// The legend "kinds.txt": picture character → tile kind id. '.' is always the empty cell.
std::map<char, int> readKinds(const std::filesystem::path& file);

// Reads one level source; throws std::runtime_error naming the file and line of any fault.
LevelSource readLevelSource(const std::filesystem::path& file, const std::map<char, int>& kinds);

}  // namespace gen::levels

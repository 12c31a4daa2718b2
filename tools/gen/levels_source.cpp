// Level sources in content/levels: the legend of picture kinds and one small text file per level.
#include "levels_source.h"

#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

namespace gen::levels {

namespace {

constexpr int kMarkerKind = 16;  // drawn by the game over cells; never part of a picture

[[noreturn]] void fail(const std::filesystem::path& file, int line, const std::string& what) {
    throw std::runtime_error(file.string() + ":" + std::to_string(line) + ": " + what);
}

std::vector<std::string> readLines(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string trim(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

int positiveNumber(const std::filesystem::path& file, int line, const std::string& text) {
    size_t used = 0;
    int n = 0;
    try {
        n = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || n < 1)
        fail(file, line, "expected a whole number from 1, got \"" + text + "\"");
    return n;
}

}  // namespace

std::map<char, int> readKinds(const std::filesystem::path& file) {
    std::map<char, int> kinds;
    std::set<int> ids;
    const std::vector<std::string> lines = readLines(file);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string line = trim(lines[i]);
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string symbol;
        int id = 0;
        if (!(words >> symbol >> id) || symbol.size() != 1)
            fail(file, static_cast<int>(i + 1), "expected a character and a kind id");
        if (symbol == "." || kinds.count(symbol[0]))
            fail(file, static_cast<int>(i + 1), "character used twice");
        if (id < 1 || id == kMarkerKind || !ids.insert(id).second)
            fail(file, static_cast<int>(i + 1), "kind id must be unique, from 1, and not the marker kind 16");
        kinds[symbol[0]] = id;
    }
    kinds['.'] = 0;
    return kinds;
}

LevelSource readLevelSource(const std::filesystem::path& file, const std::map<char, int>& kinds) {
    LevelSource level;
    level.path = file.string();
    const std::vector<std::string> lines = readLines(file);
    size_t i = 0;
    // The header: "key = value" lines and comments, up to the first blank line.
    std::set<std::string> seen;
    for (; i < lines.size() && !trim(lines[i]).empty(); ++i) {
        const int at = static_cast<int>(i + 1);
        const std::string line = trim(lines[i]);
        if (line[0] == '#') continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos) fail(file, at, "expected \"key = value\"");
        const std::string key = trim(line.substr(0, eq)), value = trim(line.substr(eq + 1));
        if (!seen.insert(key).second) fail(file, at, "\"" + key + "\" given twice");
        if (key == "name")
            level.name = value;
        else if (key == "difficulty")
            level.difficulty = value;
        else if (key == "cover")
            level.cover = positiveNumber(file, at, value);
        else if (key == "mistakes")
            level.mistakes = positiveNumber(file, at, value);
        else
            fail(file, at, "unknown key \"" + key + "\"");
    }
    for (const char* key : {"name", "difficulty", "cover", "mistakes"})
        if (!seen.count(key)) fail(file, 1, std::string("the header has no \"") + key + "\"");
    if (level.name != file.stem().string())
        fail(file, 1, "the name \"" + level.name + "\" differs from the file name");
    if (level.difficulty != "tutorial" && level.difficulty != "casual" && level.difficulty != "hard")
        fail(file, 1, "difficulty must be tutorial, casual or hard");

    // The picture: every further non-blank line, one character per cell.
    for (; i < lines.size(); ++i) {
        const std::string line = trim(lines[i]);
        if (line.empty()) continue;
        std::vector<int>& row = level.kinds.emplace_back();
        for (char ch : line) {
            const auto kind = kinds.find(ch);
            if (kind == kinds.end())
                fail(file, static_cast<int>(i + 1), std::string("'") + ch + "' is not in the kinds legend");
            row.push_back(kind->second);
        }
        if (row.size() != level.kinds.front().size())
            fail(file, static_cast<int>(i + 1), "picture rows differ in length");
    }
    const size_t rows = level.kinds.size(), cols = rows ? level.kinds[0].size() : 0;
    if (rows < 5 || rows > 25 || cols < 5 || cols > 25)
        fail(file, 1,
             "the picture is " + std::to_string(rows) + " × " + std::to_string(cols) +
                 "; rows and columns must be 5 to 25");
    return level;
}

}  // namespace gen::levels

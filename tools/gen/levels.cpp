// Nonogram levels: content/levels/<name>.level → data/levels/<name>.lvl, each checked by the solver.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "Entries.h"
#include "levels_source.h"
#include "nonogram/NonogramSolver.h"

namespace fs = std::filesystem;

namespace gen {

namespace {

using levels::LevelSource;

// Tile pitch by size index, and the size of the clue digit "0" (gfx/numbers/0-<size>.png), whose
// advance is 0.8 of its width.
constexpr int kTileSize[5] = {50, 36, 30, 24, 20};
constexpr int kDigitW[5] = {25, 20, 18, 16, 14};
constexpr int kDigitH[5] = {28, 22, 20, 17, 15};
constexpr int kBoxW = 690, kBoxH = 630;  // grid and numbers must fit this box

size_t mostBlocks(const Clues& clues) {
    size_t most = 1;  // a blank line still shows its "0"
    for (const Clue& c : clues) most = std::max(most, c.size());
    return most;
}

// Width and height of the grid with its clue numbers at a size index, laid out as the game does.
std::pair<double, double> boxAt(int size, int rows, int cols, const Clues& r, const Clues& c) {
    const double rowNumbers = (size == 0 || size == 4 ? 20 : 15) + (0.8 * kDigitW[size] + 10) * mostBlocks(r);
    const double colNumbers =
        (size == 0 ? 15 : 10) + kDigitH[size] * (size == 4 ? 1.2 : 1.5) * mostBlocks(c) + 4;
    return {kTileSize[size] * cols + cols + rowNumbers, kTileSize[size] * rows + rows + colNumbers};
}

// The largest tiles at which the grid and its numbers fit: 5 → 0 … 25 → 4 unless the numbers need
// more room.
int chooseSize(const LevelSource& level, const Clues& r, const Clues& c) {
    const int rows = static_cast<int>(level.kinds.size()), cols = static_cast<int>(level.kinds[0].size());
    for (int size = (std::max(rows, cols) - 1) / 5; size < 5; ++size) {
        const auto [w, h] = boxAt(size, rows, cols, r, c);
        if (w <= kBoxW && h <= kBoxH) return size;
    }
    const auto [w, h] = boxAt(4, rows, cols, r, c);
    throw std::runtime_error(level.path + ": grid and numbers need " + std::to_string(int(w)) + " × " +
                             std::to_string(int(h)) + " even with the smallest tiles; fewer blocks per line");
}

std::string drawGrid(const std::vector<std::vector<char>>& cells) {
    std::string text;
    for (const auto& row : cells) text += "    " + std::string(row.begin(), row.end()) + "\n";
    return text;
}

// Refuses a picture that other pictures share its clues with, or that an easy level's player could
// not finish without guessing.
void checkSolvable(const LevelSource& level, const Picture& picture) {
    const SolveResult result = solveNonogram(rowClues(picture), colClues(picture));
    const size_t rows = picture.size(), cols = picture[0].size();
    std::vector<std::vector<char>> cells(rows, std::vector<char>(cols));
    if (result.solutions == 0) throw std::runtime_error(level.path + ": the solver finds no picture at all");
    if (result.solutions == 2) {
        const Picture& other = result.solution != picture ? result.solution : result.otherSolution;
        for (size_t r = 0; r < rows; ++r)
            for (size_t c = 0; c < cols; ++c)
                cells[r][c] = other[r][c] != picture[r][c] ? '*' : picture[r][c] ? '#' : '.';
        throw std::runtime_error(level.path + ": another picture fits the same clues; it differs at '*':\n" +
                                 drawGrid(cells));
    }
    if (level.difficulty != "hard" && !result.lineSolvable) {
        for (size_t r = 0; r < rows; ++r)
            for (size_t c = 0; c < cols; ++c) {
                const CellState s = result.lineLogic[r][c];
                cells[r][c] = s == CellState::Filled ? '#' : s == CellState::Empty ? '.' : '?';
            }
        throw std::runtime_error(level.path + ": a " + level.difficulty +
                                 " level must be solvable line by line; line logic stops at '?':\n" +
                                 drawGrid(cells));
    }
}

std::string values(size_t n, const std::string& value) {
    std::string text;
    for (size_t i = 0; i < n; ++i) text += (i ? ", " : "") + value;
    return text;
}

// One group of rows "row0 = …" in the layout the game's data files are saved in.
std::string rowGroup(const std::string& name, size_t rows, const std::function<std::string(size_t)>& row) {
    std::string text = "\t" + name + " {\n";
    for (size_t r = 0; r < rows; ++r) text += "\t\trow" + std::to_string(r) + " = " + row(r) + "\n";
    return text + "\t}\n\n";
}

// A fresh level file: the keys and order the game's own level saver writes, every cell covered.
std::string levelText(const LevelSource& level, int size) {
    const size_t rows = level.kinds.size(), cols = level.kinds[0].size();
    std::string text = "level {\n\ttype = 1\n\tdata {\n";
    text += "\t\tdims = " + std::to_string(rows) + ", " + std::to_string(cols) + "\n";
    auto data = [&](const std::string& key, int value) {
        text += "\t\t" + key + " = " + std::to_string(value) + "\n";
    };
    data("size", size);
    data("czas", 0);
    data("score", 0);
    data("tutorialLevel", level.difficulty == "tutorial");
    data("byloZwierzatko", 0);
    data("rozbitoZwierzatko", 0);
    data("addedMistakes", 0);
    data("mistakes", level.mistakes);
    data("livingsCount", 0);
    for (int hint = 0; hint < 4; ++hint) data("hint" + std::to_string(hint), 0);
    text += "\t}\n\n\tbackground {\n\t\tgfx = \"\"\n\t\tbanki = 0\n\t}\n\n";
    text += rowGroup("tiles", rows, [&](size_t r) {
        std::string ids;
        for (size_t c = 0; c < cols; ++c) ids += (c ? ", " : "") + std::to_string(level.kinds[r][c]);
        return ids;
    });
    text += rowGroup("stateData", rows, [&](size_t) { return values(cols, "\"0 0\""); });
    text += rowGroup("tilesHide", rows, [&](size_t) { return values(cols, std::to_string(level.cover)); });
    text += rowGroup("tresures", rows, [&](size_t) { return values(cols, "0"); });
    text += "\tcollectedTresures {\n\t\ti = 0\n\t}\n\n}\n\n";
    return text;
}

}  // namespace

void genLevels(const Context& c) {
    const fs::path dir = c.contentDir / "levels";
    if (!fs::is_directory(dir)) return;
    const auto kinds = levels::readKinds(dir / "kinds.txt");
    std::vector<fs::path> sources;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().extension() == ".level") sources.push_back(e.path());
    std::sort(sources.begin(), sources.end());

    std::string refused;
    std::set<std::string> written;
    for (const fs::path& source : sources) {
        try {
            const LevelSource level = levels::readLevelSource(source, kinds);
            Picture picture;
            for (const auto& row : level.kinds) {
                picture.emplace_back();
                for (int kind : row) picture.back().push_back(kind != 0);
            }
            checkSolvable(level, picture);
            const int size = chooseSize(level, rowClues(picture), colClues(picture));
            const std::string name = "data/levels/" + level.name + ".lvl";
            std::ofstream file(c.out(name), std::ios::binary);
            file << levelText(level, size);
            if (!file) throw std::runtime_error("cannot write " + name);
            written.insert(level.name + ".lvl");
        } catch (const std::runtime_error& e) {
            refused += std::string(e.what()) + "\n";
        }
    }
    // A level whose source is gone, or was refused, must not stay playable.
    const fs::path out = c.gameDir / "data/levels";
    if (fs::is_directory(out))
        for (const auto& e : fs::directory_iterator(out))
            if (e.path().extension() == ".lvl" && !written.count(e.path().filename().string()))
                fs::remove(e.path());
    if (!refused.empty()) throw std::runtime_error("levels refused:\n" + refused);
}

}  // namespace gen

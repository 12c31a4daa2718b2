// Every shipped level file: well formed, exactly its own picture fits its clues, easy levels need no guess.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "files/DataFile.h"
#include "nonogram/NonogramSolver.h"

namespace fs = std::filesystem;

namespace {

struct ShippedLevel {
    std::string name;
    std::shared_ptr<TRCMFile> file;
    int rows = 0, cols = 0;
    Picture kinds;           // tile kind ids, [row][col]
    std::string difficulty;  // from the level's source: tutorial, casual or hard
};

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string difficultyOf(const std::string& name) {
    std::istringstream source(readText(fs::path(SOURCE_DIR) / "content/levels" / (name + ".level")));
    for (std::string line; std::getline(source, line);)
        if (line.rfind("difficulty = ", 0) == 0) return line.substr(13);
    return "";
}

// The ids of the entries of a tile data file ("tiles" or "tilesHide"), entries `first`..count.
std::set<int> idsIn(const std::string& file, const std::string& group, const std::string& prefix, int first) {
    const auto data = loadDataFile(std::string(GAME_DIR) + "/data/" + file);
    std::set<int> ids;
    const int count = static_cast<int>(data->getFloat(group + "::i"));
    for (int i = first; i <= count; ++i)
        ids.insert(static_cast<int>(data->getFloat(group + "::" + prefix + std::to_string(i) + "::id")));
    return ids;
}

// Width and height of a PNG picture, from its header.
std::pair<int, int> pngSize(const fs::path& path) {
    const std::string head = readText(path).substr(0, 24);
    if (head.size() < 24) return {0, 0};
    auto word = [&](size_t at) {
        int n = 0;
        for (size_t i = at; i < at + 4; ++i) n = n * 256 + static_cast<unsigned char>(head[i]);
        return n;
    };
    return {word(16), word(20)};
}

size_t mostBlocks(const Clues& clues) {
    size_t most = 1;  // a blank line shows "0"
    for (const Clue& c : clues) most = std::max(most, c.size());
    return most;
}

// Width and height of grid and clue numbers at a size index, laid out as the game places the numbers,
// with the digit pictures the game loads.
std::pair<double, double> boxAt(int size, const Picture& kinds) {
    static const int tile[5] = {50, 36, 30, 24, 20};
    const auto [digitW, digitH] =
        pngSize(fs::path(GAME_DIR) / "gfx/numbers" / ("0-" + std::to_string(tile[size]) + ".png"));
    const double rowNumbers =
        (size == 0 || size == 4 ? 20 : 15) + (0.8 * digitW + 10) * mostBlocks(rowClues(kinds));
    const double colNumbers =
        (size == 0 ? 15 : 10) + digitH * (size == 4 ? 1.2 : 1.5) * mostBlocks(colClues(kinds)) + 4;
    const double rows = static_cast<double>(kinds.size()), cols = static_cast<double>(kinds[0].size());
    return {(tile[size] + 1) * cols + rowNumbers, (tile[size] + 1) * rows + colNumbers};
}

const std::vector<ShippedLevel>& shippedLevels() {
    static const std::vector<ShippedLevel> levels = [] {
        std::vector<fs::path> paths;
        const fs::path dir = fs::path(GAME_DIR) / "data/levels";
        if (fs::is_directory(dir))
            for (const auto& e : fs::directory_iterator(dir))
                if (e.path().extension() == ".lvl") paths.push_back(e.path());
        std::sort(paths.begin(), paths.end());
        std::vector<ShippedLevel> out;
        for (const fs::path& path : paths) {
            ShippedLevel level;
            level.name = path.stem().string();
            level.file = loadDataFile(path.string());
            level.rows = static_cast<int>(level.file->getFloat("level::data::dims", 0));
            level.cols = static_cast<int>(level.file->getFloat("level::data::dims", 1));
            for (int r = 0; r < level.rows; ++r) {
                level.kinds.emplace_back();
                for (int c = 0; c < level.cols; ++c)
                    level.kinds.back().push_back(static_cast<uint8_t>(
                        level.file->getFloat("level::tiles::row" + std::to_string(r), c)));
            }
            level.difficulty = difficultyOf(level.name);
            out.push_back(level);
        }
        return out;
    }();
    return levels;
}

}  // namespace

TEST(ShippedLevels, CoverEveryGridSizeAndEverySource) {
    const auto& levels = shippedLevels();
    EXPECT_GE(levels.size(), 12u);
    std::set<int> squares;
    int oblong = 0;
    for (const ShippedLevel& level : levels) {
        if (level.rows == level.cols) squares.insert(level.rows);
        oblong += level.rows != level.cols;
    }
    EXPECT_EQ(squares, (std::set<int>{5, 10, 15, 20, 25}));
    EXPECT_GE(oblong, 2);
    // Every source became a level file: the generator refuses rather than skips.
    for (const auto& e : fs::directory_iterator(fs::path(SOURCE_DIR) / "content/levels"))
        if (e.path().extension() == ".level") {
            EXPECT_TRUE(fs::exists(fs::path(GAME_DIR) / "data/levels" / (e.path().stem().string() + ".lvl")))
                << e.path();
        }
}

TEST(ShippedLevels, AreWellFormedFreshLevels) {
    const std::set<int> tileKinds = idsIn("tiles.dat", "tiles", "tile", 0);
    const std::set<int> covers = idsIn("tilesHide.dat", "tilesHide", "th", 1);
    for (const ShippedLevel& level : shippedLevels()) {
        SCOPED_TRACE(level.name);
        const TRCMFile& f = *level.file;
        ASSERT_GE(level.rows, 5);
        ASSERT_LE(level.rows, 25);
        ASSERT_GE(level.cols, 5);
        ASSERT_LE(level.cols, 25);
        // Grids of up to 5 lines get index 0, up to 10 index 1 …; more numbers may need smaller tiles.
        const int size = static_cast<int>(f.getFloat("level::data::size"));
        EXPECT_GE(size, (std::max(level.rows, level.cols) - 1) / 5);
        EXPECT_LE(size, 4);
        EXPECT_GE(f.getFloat("level::data::mistakes"), 1.0f);
        EXPECT_EQ(f.getFloat("level::data::tutorialLevel"), level.difficulty == "tutorial" ? 1.0f : 0.0f);
        EXPECT_EQ(f.getFloat("level::data::score"), 0.0f);
        EXPECT_EQ(f.getFloat("level::collectedTresures::i"), 0.0f);
        const int cover = static_cast<int>(f.getFloat("level::tilesHide::row0"));
        EXPECT_TRUE(covers.count(cover)) << "cover " << cover;
        for (int r = 0; r < level.rows; ++r) {
            const std::string row = std::to_string(r);
            for (const char* group : {"tiles", "tilesHide", "tresures", "stateData"}) {
                const std::string key = std::string("level::") + group + "::row" + row;
                EXPECT_NE(f.getString(key, level.cols - 1), "") << key;
                EXPECT_EQ(f.getString(key, level.cols), "") << key << " has more values than columns";
            }
            for (int c = 0; c < level.cols; ++c) {
                const int kind = level.kinds[r][c];
                EXPECT_TRUE(kind == 0 || (kind != 16 && tileKinds.count(kind))) << "kind " << kind;
                EXPECT_EQ(f.getFloat("level::tilesHide::row" + row, c), cover);
                EXPECT_EQ(f.getFloat("level::tresures::row" + row, c), 0.0f);
                EXPECT_EQ(f.getString("level::stateData::row" + row, c), "0 0");
            }
        }
        // Written exactly as the game's data files are saved.
        const fs::path copy = fs::temp_directory_path() / ("levels_test_" + level.name + ".lvl");
        ASSERT_TRUE(f.save(copy.string()));
        EXPECT_EQ(readText(copy), readText(fs::path(GAME_DIR) / "data/levels" / (level.name + ".lvl")));
        fs::remove(copy);
    }
}

TEST(ShippedLevels, ExactlyTheirOwnPictureFitsTheClues) {
    for (const ShippedLevel& level : shippedLevels()) {
        SCOPED_TRACE(level.name);
        ASSERT_TRUE(level.difficulty == "tutorial" || level.difficulty == "casual" ||
                    level.difficulty == "hard")
            << "difficulty \"" << level.difficulty << "\"";
        // A cell is part of the picture when its kind is not 0.
        const SolveResult result = solveNonogram(rowClues(level.kinds), colClues(level.kinds));
        EXPECT_EQ(result.solutions, 1);
        Picture picture = level.kinds;
        for (auto& row : picture)
            for (auto& cell : row) cell = cell != 0;
        EXPECT_EQ(result.solution, picture);
        if (level.difficulty != "hard") {
            EXPECT_TRUE(result.lineSolvable);
        }
    }
}

TEST(ShippedLevels, GridAndNumbersFitTheBoxWithTheLargestTilesPossible) {
    for (const ShippedLevel& level : shippedLevels()) {
        SCOPED_TRACE(level.name);
        const int size = static_cast<int>(level.file->getFloat("level::data::size"));
        ASSERT_TRUE(size >= 0 && size <= 4);
        const auto [w, h] = boxAt(size, level.kinds);
        EXPECT_GT(w, 0);
        EXPECT_LE(w, 690);
        EXPECT_LE(h, 630);
        // Smaller tiles than the grid size asks for only when the larger ones would not fit.
        if (size > (std::max(level.rows, level.cols) - 1) / 5) {
            const auto [largerW, largerH] = boxAt(size - 1, level.kinds);
            EXPECT_TRUE(largerW > 690 || largerH > 630);
        }
    }
}

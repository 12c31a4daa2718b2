// The route puzzle: the lines of each block kind, the route test (with a line that only points at its
// neighbour), damaged level files, saving a level in progress, the skip gauge, and the shipped levels'
// solvability.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

#include "../files/TempDir.h"
#include "core/Globals.h"
#include "engine/Engine.h"
#include "files/DataFile.h"
#include "files/SplitText.h"
#include "minigames/FindRoutePuzzle.h"

namespace {

// A level file with one row string per entry.
std::string levelText(const std::vector<std::string>& rows, int cols, std::pair<int, int> start,
                      std::pair<int, int> end) {
    std::string s = "level {\n\ttitle = 1\n\tdata {\n\t\tdims = " + std::to_string(rows.size()) + ", " +
                    std::to_string(cols) +
                    "\n\t\tdrawXY = 300, 300\n\t\tstart = " + std::to_string(start.first) + ", " +
                    std::to_string(start.second) + "\n\t\tend = " + std::to_string(end.first) + ", " +
                    std::to_string(end.second) + "\n\t}\n\tblocks {\n";
    for (size_t r = 0; r < rows.size(); ++r) s += "\t\trow" + std::to_string(r) + " = \"" + rows[r] + "\"\n";
    return s + "\t}\n}\n";
}

std::shared_ptr<TFRLevel> level(const TempDir& dir, const std::string& text) {
    const std::string path = (dir.path / "level.dat").string();
    eng::SaveText(text, path);
    return loadFRLevel(path);
}

// Whether some turning of the blocks joins the source to the receiver: a path of blocks, each turned so
// that it has a line back to where the path came from and one on to where it goes.
bool canBeSolved(TFRLevel& l) {
    if (!l.startBlock || !l.endBlock) return false;
    std::set<const TFRBlock*> used;
    std::function<bool(TFRBlock*, int, int)> walk = [&](TFRBlock* b, int fromR, int fromC) {
        used.insert(b);
        for (int rot = 1; rot <= 4; ++rot) {
            const auto& lines = blockLines(b->n, rot);
            if (std::find(lines.begin(), lines.end(), std::array<int, 2>{fromR, fromC}) == lines.end())
                continue;
            for (const auto& out : lines) {
                if (out == std::array<int, 2>{fromR, fromC}) continue;
                if (b == l.endBlock && out == std::array<int, 2>{0, 1}) return true;
                TFRBlock* next = l.blockAt(b->r + out[0], b->c + out[1]);
                if (next && next->n && !used.count(next) && walk(next, -out[0], -out[1])) return true;
            }
        }
        used.erase(b);
        return false;
    };
    return walk(l.startBlock, 0, -1);
}

}  // namespace

TEST(FindRoute, BlocksTurnAQuarterAtATime) {
    TFRBlock corner;
    corner.n = 4;
    corner.rot = 1;
    EXPECT_TRUE(corner.HaveLineAtDir(0, -1) && corner.HaveLineAtDir(1, 0));
    corner.Rotate();
    EXPECT_TRUE(corner.HaveLineAtDir(0, -1) && corner.HaveLineAtDir(-1, 0)) << "left and up after one turn";
    EXPECT_FALSE(corner.HaveLineAtDir(1, 0));
    for (int n = 1; n <= 5; ++n) {
        TFRBlock b;
        b.n = n;
        const auto before = blockLines(n, b.rot);
        for (int i = 0; i < 4; ++i) b.Rotate();
        EXPECT_EQ(b.rot, 1);
        EXPECT_EQ(blockLines(n, b.rot), before) << "four turns bring kind " << n << " back";
    }
}

TEST(FindRoute, ARouteNeedsLinesThatMeetBothWays) {
    TempDir dir;
    const struct {
        const char* name;
        std::vector<std::string> rows;
        int cols;
        bool route;
        size_t blocks;
    } cases[] = {
        {"a straight row", {"1|2 1|2 1|2"}, 3, true, 3},
        {"one block turned across", {"1|2 1|1 1|2"}, 3, false, 0},
        {"a cross joins only a line that points back", {"1|2 2|1 1|2"}, 3, true, 3},
        // The middle block points at the end block, which has a line to the receiver but none back to it.
        {"a line that only points at its neighbour", {"1|2 1|2 4|3"}, 3, false, 0},
        {"the start without a line to the source", {"4|3 1|2 1|2"}, 3, false, 0},
        {"the end without a line to the receiver", {"1|2 1|2 4|1"}, 3, false, 0},
        {"down and round a corner", {"4|1 1|1 1|1", "4|3 1|2 1|2"}, 3, true, 4},
    };
    for (const auto& c : cases) {
        const bool twoRows = c.rows.size() == 2;
        auto l = level(dir, levelText(c.rows, c.cols, {0, 0}, {twoRows ? 1 : 0, c.cols - 1}));
        const auto route = findRoute(*l);
        EXPECT_EQ(!route.empty(), c.route) << c.name;
        EXPECT_EQ(route.size(), c.blocks) << c.name;
        if (!route.empty()) {
            EXPECT_EQ(route.front(), l->startBlock) << c.name;
            EXPECT_EQ(route.back(), l->endBlock) << c.name;
        }
    }
}

TEST(FindRoute, DamagedLevelFilesAreMendedAndReported) {
    TempDir dir;
    testing::internal::CaptureStderr();
    // Bad tokens, an orientation out of range, a short row, an 8 x 8 grid.
    auto l = level(dir, levelText({"1|2 x 3|7 2|-1", "4|1"}, 4, {0, 0}, {0, 3}));
    EXPECT_EQ(l->blocks[0][1].n, 0) << "a token that is no block is an empty place";
    EXPECT_EQ(l->blocks[0][2].rot, 3);
    EXPECT_EQ(l->blocks[0][3].rot, 3);
    EXPECT_EQ(l->blocks[1][0].n, 4);
    EXPECT_EQ(l->blocks[1][3].n, 0) << "a short row is filled with empty places";
    std::vector<std::string> big(8, "1|1 1|1 1|1 1|1 1|1 1|1 1|1 1|1");
    auto cut = level(dir, levelText(big, 8, {0, 0}, {5, 5}));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->rows, 6);
    EXPECT_EQ(cut->cols, 6);
    EXPECT_EQ(level(dir, levelText(big, 8, {0, 0}, {7, 7})), nullptr) << "its end lay outside what is kept";
    EXPECT_EQ(loadFRLevel((dir.path / "nothing.dat").string()), nullptr);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("left empty"), std::string::npos) << err;
    EXPECT_NE(err.find("cut to at most 6 x 6"), std::string::npos) << err;
    EXPECT_NE(err.find("its start or its end is not on a block of the grid"), std::string::npos) << err;
}

TEST(FindRoute, ALevelInProgressComesBackAsItWasTurned) {
    TempDir dir;
    auto l = level(dir, levelText({"1|1 1|1 1|1", "4|2 3|1 5|3"}, 3, {0, 0}, {0, 2}));
    l->blocks[0][0].Rotate();
    l->blocks[1][1].Rotate();
    l->blocks[1][1].Rotate();
    const std::string saved = (dir.path / "Level.lvl").string();
    ASSERT_TRUE(l->saveProgress(saved));
    auto back = loadFRLevel(saved);
    ASSERT_EQ(back->rows, 2);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(back->blocks[r][c].n, l->blocks[r][c].n);
            EXPECT_EQ(back->blocks[r][c].rot, l->blocks[r][c].rot) << r << "," << c;
        }
    EXPECT_EQ(back->startBlock, &back->blocks[0][0]);
    EXPECT_EQ(back->endBlock, &back->blocks[0][2]);
}

TEST(FindRoute, EveryShippedLevelCanBeSolved) {
    programPrefix = std::string(GAME_DIR) + "/";
    int seen = 0;
    for (const auto& e : std::filesystem::directory_iterator(std::string(GAME_DIR) + "/data/routes")) {
        auto l = loadFRLevel(e.path().string());
        EXPECT_TRUE(canBeSolved(*l)) << e.path();
        EXPECT_TRUE(findRoute(*l).empty()) << e.path() << " starts solved";
        EXPECT_FALSE(l->title.empty()) << e.path();
        ++seen;
    }
    EXPECT_GE(seen, 3);
}

// Each shipped level carries one solution ("level::solution::row R": the orientation of every block); the
// driver's bot plays it. It must be a route.
TEST(FindRoute, TheShippedSolutionsAreRoutes) {
    programPrefix = std::string(GAME_DIR) + "/";
    for (const auto& e : std::filesystem::directory_iterator(std::string(GAME_DIR) + "/data/routes")) {
        auto l = loadFRLevel(e.path().string());
        TRCMFile file;
        ASSERT_TRUE(file.Load(e.path().string()));
        for (int r = 0; r < l->rows; ++r) {
            const auto rots = splitText(file.getString("level::solution::row" + std::to_string(r)), " ");
            ASSERT_EQ(static_cast<int>(rots.size()), l->cols) << e.path();
            for (int c = 0; c < l->cols; ++c) l->blocks[r][c].rot = std::stoi(rots[c]);
        }
        for (auto& row : l->blocks)
            for (auto& b : row) b.FindSasiedzi();
        EXPECT_FALSE(findRoute(*l).empty()) << e.path();
    }
}

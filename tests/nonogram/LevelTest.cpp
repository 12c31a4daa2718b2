// Level files in and out, the grid's place on the screen and the level-wide queries.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "../files/TempDir.h"
#include "LevelFixture.h"
#include "PlayFixture.h"
#include "core/Globals.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/TileData.h"

namespace {

// The shipped tile, cover and treasure data, loaded once with a renderer open.
class ShippedData : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        eng::SetHeadless(eng::HeadlessConfig{});
        ASSERT_TRUE(eng::Graphics(320, 240, 0, 60, 0));
        programPrefix = std::string(GAME_DIR) + "/";
        loadTileData();
        loadTileHide();
        loadTresures();
    }
    static std::string levelPath(const char* name) { return std::string(GAME_DIR) + "/data/levels/" + name; }
};

// A 5 x 5 level file: picture rows ('#' kind 1), cover 1, and extra lines for the data group.
std::string levelText(const std::string& data, const std::vector<std::string>& rows = {},
                      const std::string& extra = "") {
    std::string t = "level {\n\tdata {\n" + data + "\n\t}\n\ttiles {\n";
    const std::vector<std::string> pic = rows.empty() ? std::vector<std::string>(5, "#.#.#") : rows;
    std::string hide = "\ttilesHide {\n";
    for (size_t r = 0; r < pic.size(); ++r) {
        std::string values, covers;
        for (size_t c = 0; c < pic[r].size(); ++c) {
            values += std::string(c ? ", " : "") + (pic[r][c] == '#' ? "1" : pic[r][c] == '?' ? "99" : "0");
            covers += std::string(c ? ", " : "") + "1";
        }
        t += "\t\trow" + std::to_string(r) + " = " + values + "\n";
        hide += "\t\trow" + std::to_string(r) + " = " + covers + "\n";
    }
    return t + "\t}\n" + hide + "\t}\n" + extra + "}\n";
}

void write(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
}

TEST_F(ShippedData, AShippedLevelGetsATreasureUnderEveryPictureCellAndNowhereElse) {
    auto level = loadLevel(levelPath("cat.lvl"), 1);
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->rows, 10);
    int pictures = 0;
    for (auto& row : level->tile)
        for (auto& t : row) {
            ASSERT_NE(t->td, nullptr);
            ASSERT_NE(t->tdHide, nullptr);
            EXPECT_EQ(t->tresure != nullptr, t->td->id != 0);
            pictures += t->td->id != 0;
            EXPECT_EQ(t->state, TTileState::NONE);
        }
    EXPECT_GT(pictures, 0);
    EXPECT_EQ(level->numbersHList.size(), 10u);
    EXPECT_EQ(level->numbersVList.size(), 10u);
}

TEST_F(ShippedData, ALevelInProgressComesBackAsItWasSaved) {
    auto level = loadLevel(levelPath("cat.lvl"), 1);
    ASSERT_NE(level, nullptr);
    auto game = fixture::play(level);
    level->setProperPosition();
    // Play a little: uncover the first picture cells found, break an empty one, break a picture.
    std::vector<std::shared_ptr<TTile>> pictures, empties;
    for (auto& row : level->tile)
        for (auto& t : row) (t->td->id ? pictures : empties).push_back(t);
    ASSERT_GE(pictures.size(), 3u);
    pictures[0]->odkryj(0);
    pictures[1]->rozbij(0);
    empties[0]->rozbij(0);
    empties[1]->odkryj(0);
    for (int i = 0; i < 40; ++i) {
        eng::Delay(17);
        updateFlyingTresures(*level);
        level->updateTiles();
    }
    ASSERT_EQ(level->flyingTresures.size(), 1u);
    EXPECT_EQ(level->flyingTresures[0]->myEnd, 0) << "saved while still flying to the chest";
    level->czas = 75;
    level->hintUsed = {1, 0, 1, 0};
    level->musicId = "tune";
    TempDir dir;
    ASSERT_TRUE(saveLevel(*level, dir.file("Level.lvl"), 0));

    auto back = loadLevel(dir.file("level.lvl"), 0);  // the per-user folder ignores letter case
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->czas, 75);
    EXPECT_EQ(back->score, level->score);
    EXPECT_EQ(back->score, 50);
    EXPECT_EQ(back->hintUsed, level->hintUsed);
    EXPECT_EQ(back->maxMistakes, level->maxMistakes);
    EXPECT_EQ(back->musicId, "") << "the music id is not written back";
    for (int r = 0; r < level->rows; ++r)
        for (int c = 0; c < level->cols; ++c) {
            const TTile& a = *level->tile[r][c];
            const TTile& b = *back->tile[r][c];
            SCOPED_TRACE(std::to_string(r) + "," + std::to_string(c));
            EXPECT_EQ(b.td->id, a.td->id);
            EXPECT_EQ(b.tdHide->id, a.tdHide->id);
            EXPECT_EQ(b.tresure, a.tresure);
            EXPECT_EQ(b.getSaveStateData(), a.getSaveStateData());
        }
    EXPECT_EQ(back->tile[pictures[0]->r][pictures[0]->c]->state, TTileState::ODKRYTY);
    EXPECT_EQ(back->tile[pictures[1]->r][pictures[1]->c]->state, TTileState::ROZBITY);
    EXPECT_EQ(back->tile[empties[0]->r][empties[0]->c]->state, TTileState::ODKRYTY);
    EXPECT_EQ(back->tile[empties[1]->r][empties[1]->c]->state, TTileState::ROZBITY);
    ASSERT_EQ(back->flyingTresures.size(), 1u);
    const TFlyingTresure& saved = *level->flyingTresures[0];
    const TFlyingTresure& lying = *back->flyingTresures[0];
    EXPECT_EQ(lying.myEnd, 1);
    EXPECT_EQ(lying.tresure, saved.tresure);
    EXPECT_FLOAT_EQ(lying.x, saved.x2) << "it lies in its place in the chest";
    EXPECT_FLOAT_EQ(lying.y, saved.y2);
    EXPECT_FLOAT_EQ(lying.s, 0.4f);
}

TEST_F(ShippedData, BrokenLevelFilesAreRefused) {
    const std::string ok = "\t\tdims = 5, 5\n\t\tsize = 0\n\t\tmistakes = 3";
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"no grid", levelText("\t\tsize = 0")},
        {"too small", levelText("\t\tdims = 4, 5\n\t\tsize = 0", std::vector<std::string>(4, "#.#.#"))},
        {"too large", levelText("\t\tdims = 5, 26\n\t\tsize = 0")},
        {"size index", levelText("\t\tdims = 5, 5\n\t\tsize = 5")},
        {"short row", levelText(ok, {"#.#.#", "#.#.#", "#.#", "#.#.#", "#.#.#"})},
        {"missing row", levelText(ok, {"#.#.#", "#.#.#", "#.#.#", "#.#.#"})},
        {"unknown kind", levelText(ok, {"#.#.#", "#.?.#", "#.#.#", "#.#.#", "#.#.#"})},
        {"treasure count", levelText(ok, {}, "\tcollectedTresures {\n\t\ti = 26\n\t}\n")},
        {"negative count", levelText(ok, {}, "\tcollectedTresures {\n\t\ti = -1\n\t}\n")},
        {"broken braces", levelText(ok) + "}\n"},
    };
    TempDir dir;
    EXPECT_EQ(loadLevel(dir.file("missing.lvl"), 1), nullptr);
    for (const auto& c : cases) {
        write(dir.file("bad.lvl"), c.text);
        EXPECT_EQ(loadLevel(dir.file("bad.lvl"), 1), nullptr) << c.name;
    }
    write(dir.file("good.lvl"), levelText(ok));
    auto good = loadLevel(dir.file("good.lvl"), 1);
    ASSERT_NE(good, nullptr);
    EXPECT_EQ(good->maxMistakes, 3);
}

// A chest puzzle or a route listed as a nonogram level is said to be of another kind.
TEST_F(ShippedData, AFileOfAnotherKindIsNotANonogramLevel) {
    TempDir dir;
    const char* others[] = {
        "PELevel {\n\tdims = 5, 5\n\tblocks {\n\t\ti = 0\n\t}\n}\n",
        "level {\n\tdata {\n\t\tdims = 5, 5\n\t}\n\tblocks {\n\t\trow0 = \"1|1 1|1\"\n\t}\n}\n"};
    for (const char* text : others) {
        write(dir.file("other.lvl"), text);
        testing::internal::CaptureStderr();
        EXPECT_EQ(loadLevel(dir.file("other.lvl"), 1), nullptr) << text;
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("cannot be played as a nonogram level"), std::string::npos) << said;
    }
}

TEST_F(ShippedData, OutOfRangeNumbersAndCountsAreKeptInRangeAndReported) {
    TempDir dir;
    std::string text =
        levelText("\t\tdims = 5, 5\n\t\tsize = 0\n\t\tscore = 1e30", {},
                  "\tstateData {\n\t\trow0 = \"1e30 0\", \"0 -1e30\"\n\t}\n"
                  "\tcollectedTresures {\n\t\ti = 3\n\t\tt1 = 1, 0, 0, 0, 0, 0, 0, 0, 0, 0\n\t}\n");
    write(dir.file("l.lvl"), text);
    testing::internal::CaptureStderr();
    auto level = loadLevel(dir.file("l.lvl"), 0);
    const std::string said = testing::internal::GetCapturedStderr();
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->score, 1000000000);
    EXPECT_EQ(level->tile[0][0]->odkryty, 1000000000);
    EXPECT_EQ(level->tile[0][1]->broken, -1000000000);
    EXPECT_EQ(level->flyingTresures.size(), 1u);
    for (const char* what :
         {"level::data::score", "level::stateData::row0 value 0", "level::stateData::row0 value 1",
          "3 items of \"level::collectedTresures::t\" are declared and 1 found"})
        EXPECT_NE(said.find(what), std::string::npos) << what << " in " << said;
}

TEST_F(ShippedData, AMissingToleranceBecomesOneAndAnUnknownCoverGetsAPlainOne) {
    TempDir dir;
    std::string text = levelText("\t\tdims = 5, 5\n\t\tsize = 2");
    text.replace(text.rfind("row4 = 1"), 8, "row4 = 7");  // cover 7 does not exist
    write(dir.file("l.lvl"), text);
    auto level = loadLevel(dir.file("l.lvl"), 0);
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->maxMistakes, 1);
    ASSERT_NE(level->tile[4][0]->tdHide, nullptr);
    EXPECT_EQ(level->tile[4][0]->tdHide->hideFrames, 1);
    EXPECT_EQ(level->tile[4][1]->tdHide->id, 1);
    EXPECT_EQ(level->tile[0][0]->tresure, nullptr) << "a saved level takes its treasures from the file";
}

TEST_F(ShippedData, NoTreasureIsPlacedWhenNoTreasureKindsAreLoaded) {
    const auto kinds = tresureDataList;
    tresureDataList.clear();
    auto level = loadLevel(levelPath("cat.lvl"), 1);
    tresureDataList = kinds;
    ASSERT_NE(level, nullptr);
    for (auto& row : level->tile)
        for (auto& t : row) EXPECT_EQ(t->tresure, nullptr);
}

TEST_F(ShippedData, PictureStripsAreCutIntoTheirFrames) {
    const auto floor = getTileDataById(0);
    const auto stone = getTileDataById(1);
    ASSERT_TRUE(floor && stone);
    for (int s = 0; s < TILE_SIZES; ++s) {
        EXPECT_EQ(eng::ImageFrames(floor->gfx[s]), floor->frames);
        EXPECT_EQ(eng::ImageWidth(floor->gfx[s]), static_cast<int>(tileSizes[s]));
        EXPECT_EQ(eng::ImageFrames(stone->gfx[s]), 1);
        EXPECT_EQ(eng::ImageWidth(stone->gfx[s]), static_cast<int>(tileSizes[s]));
    }
    EXPECT_GT(floor->frames, 1);
    ASSERT_FALSE(tileHideList.empty());
    EXPECT_EQ(eng::ImageFrames(tileHideList[0]->hideImg[0]), static_cast<int>(tileHideList[0]->hideFrames));
}

TEST(LevelGeometry, BlocksOfFiveAreFourPixelsApartAndTheBoxIsCentred) {
    for (int size = 0; size < TILE_SIZES; ++size) {
        auto level = fixture::pictureLevel(std::vector<std::string>(15, "##.##.#####..#."), size);
        level->setProperPosition();
        const float pitch = tileSizes[size];
        for (int c = 1; c < 15; ++c) {
            const float step = level->tile[0][c]->dim.x - level->tile[0][c - 1]->dim.x;
            EXPECT_EQ(step, c % 5 == 0 ? pitch + 4 : pitch) << "size " << size << " column " << c;
            EXPECT_EQ(level->tile[c][0]->dim.y - level->tile[c - 1][0]->dim.y, step);
        }
        EXPECT_NEAR(level->tile[0][0]->dim.x, level->stx, 1);
        EXPECT_NEAR(level->tile[0][0]->dim.y, level->sty, 1);
        EXPECT_NEAR(level->lx + level->width / 2, 390, 1) << "size " << size;
        EXPECT_NEAR(level->ly + level->height / 2, 394, 1);
        EXPECT_GT(level->moveW, 0);
        EXPECT_GT(level->moveH, 0);
        EXPECT_FLOAT_EQ(level->stx - level->lx, level->moveW);
    }
}

TEST(LevelQueries, RowsAndColumnsClearOnlyWhenEveryCellIsOpenOrBroken) {
    auto level = fixture::pictureLevel({"##...", "#....", ".....", ".....", "....."});
    auto game = fixture::play(level);
    for (int c = 0; c < 5; ++c) (c < 2 ? level->tile[0][c]->odkryj(0) : level->tile[0][c]->rozbij(0));
    EXPECT_EQ(level->rowClear(0), 0) << "still animating";
    fixture::frames(*level, 80);
    EXPECT_EQ(level->rowClear(0), 1);
    EXPECT_EQ(level->rowClear(1), 0);
    EXPECT_EQ(level->colClear(0), 0);
    EXPECT_EQ(level->checkCompleted(), 0);
    level->tile[1][0]->odkryj(0);
    EXPECT_EQ(level->checkCompleted(), 1) << "empty cells need not be broken for the captions";
    EXPECT_EQ(level->levelCompleted, 0);
    fixture::frames(*level, 1);
    EXPECT_EQ(level->levelCompleted, 1) << "the last right move completes the level at once";
}

TEST(LevelQueries, TurningCellsOffAndFreeingThemFromTheTutorial) {
    auto level = fixture::pictureLevel({"##...", ".....", ".....", ".....", "....."});
    fixture::play(level);
    level->turnOffAll();
    EXPECT_EQ(level->tile[0][0]->odkryj(0), 0);
    level->tile[0][1]->setZadanie("UNCOVER", "LIGHT-DOWN");
    level->tile[0][1]->lightMeUp();
    level->freeFromTutorial();
    EXPECT_EQ(level->tile[0][1]->zadanie, "");
    EXPECT_EQ(level->tile[0][1]->dLightUpA, 0);
    EXPECT_EQ(level->tile[0][0]->odkryj(0), 50);
}

}  // namespace

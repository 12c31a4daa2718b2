// Mini-game level files that are damaged, huge or of another kind: a count of a billion reads only the items
// the file holds, sizes beyond what a screen can play are refused, and each reader refuses a file of another
// kind or one with nothing to play, saying why.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "MiniGameFixture.h"
#include "minigames/FindRoutePuzzle.h"
#include "minigames/HiddenObject.h"
#include "minigames/PESolution.h"
#include "minigames/Puzzle.h"
#include "minigames/PuzzleExpress.h"

namespace {

const std::string kTile = "gfx/miniGames/puzzleExpress/tiles/tile1.png";  // an opaque square
const std::string kBillion = "1000000000";

std::string write(const std::string& name, const std::string& text) {
    const std::string path = testing::TempDir() + name;
    std::ofstream(path) << text;
    return path;
}

// A count that says `count` over `n` numbered items made by `item`.
std::string list(const std::string& count, int n, const std::function<std::string(int)>& item) {
    std::string s = "  i = " + count + "\n";
    for (int k = 1; k <= n; ++k) s += item(k);
    return s;
}

// A chest puzzle with a field of `dims` whose first row is `row0`, and `n` blocks of `shape` (1: a domino)
// under `count`.
std::string chest(const std::string& dims, const std::string& count, int n, const std::string& row0 = "1, 1",
                  const std::string& shape = "1") {
    return "PELevel {\n dims = " + dims + "\n title = 4\n blocks {\n" +
           list(count, n,
                [&](int k) {
                    return "  bl" + std::to_string(k) + " = " + shape + ", 100, 100, 0, " +
                           std::to_string(k) + "\n";
                }) +
           " }\n field {\n  row0 = " + row0 + "\n }\n solution {\n  row0 = 1, 1\n }\n}\n";
}

// A jigsaw of `n` pieces under `count`.
std::string jigsaw(const std::string& count, int n, const std::string& piece = kTile) {
    return "puzzleLevel {\n img = \"" + kTile + "\"\n" +
           list(count, n,
                [&](int k) {
                    const std::string i = std::to_string(k);
                    return "  puzzle" + i + " {\n   id = " + i + "\n   url = \"" + piece +
                           "\"\n   position = 300, " + std::to_string(100 + 60 * k) +
                           "\n   dim = 700, 300\n  }\n";
                }) +
           "}\n";
}

// A scene where every list holds one item, except `which`, which holds `n` under `count`.
std::string scene(const std::string& which, const std::string& count, int n,
                  const std::string& picture = kTile) {
    auto group = [&](const std::string& name, const std::function<std::string(int)>& item) {
        const bool it = name == which;
        return " " + name + " {\n" + list(it ? count : "1", it ? n : 1, item) + " }\n";
    };
    const std::string k = "  ", kk = "   ";
    return "level {\n background = \"gfx/backgrounds/background-1.jpg\"\n" +
           group("objects",
                 [&](int i) {
                     return k + "ob" + std::to_string(i) + " {\n" + kk + "id = " + std::to_string(i) + "\n" +
                            kk + "imgUkryty = \"" + picture + "\"\n" + kk + "ukrytyDim = 300, 300\n" + k +
                            "}\n";
                 }) +
           group("lights",
                 [&](int i) {
                     return k + "light" + std::to_string(i) + " {\n" + kk + "img = \"" + kTile + "\"\n" + kk +
                            "position = 10, 10\n" + k + "}\n";
                 }) +
           group("group", [&](int i) { return k + "obj" + std::to_string(i) + " = 1\n"; }) +
           group("maska",
                 [&](int i) {
                     return k + "maska" + std::to_string(i) + " = \"" + kTile + "\"\n" + k + "maska" +
                            std::to_string(i) + "dim = 5, 5\n";
                 }) +
           group("obiektyTla",
                 [&](int i) {
                     return k + "obj" + std::to_string(i) + " {\n" + kk + "img = \"" + kTile + "\"\n" + kk +
                            "typ = \"fish\"\n" + kk + "dims = 80, 560, 900, 620\n" + k + "}\n";
                 }) +
           group("leaves",
                 [&](int i) { return k + "leaf" + std::to_string(i) + " = 10, 20, 30, 40, 2000\n"; }) +
           "}\n";
}

// What a reader made of a file: the number of its items of one list, or -1 for no level.
using Reading = std::function<int(const std::string& path)>;

template <class Level>
Reading counting(std::shared_ptr<Level> (*load)(const std::string&), std::function<size_t(const Level&)> n) {
    return [load, n](const std::string& path) {
        const auto l = load(path);
        return l ? static_cast<int>(n(*l)) : -1;
    };
}

const Reading kChestBlocks =
    counting<TPELevel>(loadPELevel, [](const TPELevel& l) { return l.blocks.size(); });
const Reading kPieces =
    counting<TPuzzleLevel>(loadPuzzleLevel, [](const TPuzzleLevel& l) { return l.puzzles.size(); });
const Reading kRoute = counting<TFRLevel>(loadFRLevel, [](const TFRLevel& l) { return l.rows * l.cols; });
const Reading kObjects = counting<THOLevel>(loadHOLevel, [](const THOLevel& l) { return l.objects.size(); });
const Reading kLights = counting<THOLevel>(loadHOLevel, [](const THOLevel& l) { return l.lights.size(); });
const Reading kFamily =
    counting<THOLevel>(loadHOLevel, [](const THOLevel& l) { return l.group.objects.size(); });
const Reading kMasks = counting<THOLevel>(loadHOLevel, [](const THOLevel& l) { return l.masks.size(); });
const Reading kScenery =
    counting<THOLevel>(loadHOLevel, [](const THOLevel& l) { return l.obiektyTla.size(); });
const Reading kLeaves = counting<THOLevel>(loadHOLevel, [](const THOLevel& l) { return l.leaves.size(); });

struct Case {
    const char* name;
    std::string text;
    Reading read;
    int expected;      // items read, or -1: refused
    const char* said;  // a part of what the reader said
};

class LevelFileLimits : public MiniGameTest {
  protected:
    static void SetUpTestSuite() {
        MiniGameTest::SetUpTestSuite();
        peData.load(false);
    }

    static void check(const Case& c) {
        const std::string path = write("limits.dat", c.text);
        testing::internal::CaptureStderr();
        const int got = c.read(path);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(got, c.expected) << c.name << "\n" << said;
        EXPECT_NE(said.find(c.said), std::string::npos) << c.name << "\n" << said;
    }
};

}  // namespace

TEST_F(LevelFileLimits, ACountOfABillionReadsOnlyTheItemsTheFileHolds) {
    const char* said = "1000000000 items of";
    const Case cases[] = {
        {"chest blocks", chest("1, 2", kBillion, 3), kChestBlocks, 3, said},
        {"jigsaw pieces", jigsaw(kBillion, 3), kPieces, 3, said},
        {"scene objects", scene("objects", kBillion, 3), kObjects, 3, said},
        {"scene lights", scene("lights", kBillion, 3), kLights, 3, said},
        {"scene family", scene("group", kBillion, 3), kFamily, 3, said},
        {"scene masks", scene("maska", kBillion, 3), kMasks, 3, said},
        {"scene scenery", scene("obiektyTla", kBillion, 3), kScenery, 3, said},
        {"scene leaves", scene("leaves", kBillion, 3), kLeaves, 3, said},
        {"a negative count", scene("objects", "-5", 2), kObjects, 2, "-5 items of"},
    };
    for (const Case& c : cases) check(c);
}

TEST_F(LevelFileLimits, SizesBeyondWhatAScreenPlaysAreRefused) {
    const Case cases[] = {
        {"a huge field", chest("40000, 40000", "1", 1), kChestBlocks, -1, "its field is 40000 x 40000"},
        {"a negative field", chest("-3, 4", "1", 1), kChestBlocks, -1, "its field is -3 x 4"},
        {"too many blocks", chest("1, 2", "3", 101), kChestBlocks, -1, "more than 100 blocks"},
        {"too many pieces", jigsaw("3", 401), kPieces, -1, "more than 400 pieces"},
        {"too many objects", scene("objects", "3", 201), kObjects, -1, "more than 200 objects"},
        {"too many lights", scene("lights", "3", 101), kObjects, -1, "more than 100 lights"},
        {"too many masks", scene("maska", "3", 101), kObjects, -1, "more than 100 lights, masks"},
        {"too many leaf spawners", scene("leaves", "40", 40), kLeaves, 32, "first 32 leaf spawners"},
    };
    for (const Case& c : cases) check(c);
}

// The driver reads a chest level's stored solution with the level's own size: a field the level refuses
// gives no solution instead of ending the program.
TEST_F(LevelFileLimits, AStoredSolutionOfAFieldNoLevelCanHaveIsEmpty) {
    for (const char* dims : {"-3, 4", "2, -1", "40000, 40000", "0, 0"})
        EXPECT_TRUE(readPESolution(write("solution.dat", chest(dims, "1", 1))).empty()) << dims;
    EXPECT_EQ(readPESolution(write("solution.dat", chest("1, 2", "1", 1))).size(), 1u);
}

TEST_F(LevelFileLimits, EachReaderTakesOnlyItsOwnKindOfFile) {
    const std::string data = programPrefix + "data/";
    const struct {
        const char* what;
        Reading read;
        std::string own;
    } readers[] = {{"a chest puzzle", kChestBlocks, data + "puzzleExpress/pe1.dat"},
                   {"a jigsaw", kPieces, data + "puzzles/puzzle1.dat"},
                   {"a route puzzle", kRoute, data + "routes/route1.dat"},
                   {"a hidden-object scene", kObjects, data + "hiddenObjects/ho1.hol"}};
    const std::string nonogram = data + "levels/ankh.lvl";
    for (const auto& r : readers) {
        for (const auto& other : readers) {
            testing::internal::CaptureStderr();
            const int got = r.read(other.own);
            const std::string said = testing::internal::GetCapturedStderr();
            if (&other == &r) {
                EXPECT_GT(got, 0) << r.what << " reads its own kind\n" << said;
                continue;
            }
            EXPECT_EQ(got, -1) << r.what << " reads " << other.own;
            EXPECT_NE(said.find("cannot be played as " + std::string(r.what)), std::string::npos) << said;
        }
        testing::internal::CaptureStderr();
        EXPECT_EQ(r.read(nonogram), -1) << r.what << " reads a nonogram level";
        testing::internal::GetCapturedStderr();
    }
}

TEST_F(LevelFileLimits, ALevelWithNothingToPlayIsRefused) {
    const std::string route =
        "level {\n data {\n  dims = 1, 2\n  start = 0, 0\n  end = 0, 5\n }\n blocks {\n"
        "  row0 = \"1|2 1|2\"\n }\n}\n";
    const Case cases[] = {
        {"no socket", chest("1, 2", "1", 1, "0, 0"), kChestBlocks, -1, "no socket"},
        {"only unknown shapes", chest("1, 2", "1", 1, "1, 1", "77"), kChestBlocks, -1,
         "no block of a known shape"},
        {"no pieces", "puzzleLevel {\n img = \"" + kTile + "\"\n i = 0\n}\n", kPieces, -1,
         "so it is not one"},
        {"pieces without pictures", jigsaw("2", 2, "gfx/nothing-here.png"), kPieces, -1,
         "none of its pieces has a picture"},
        {"an empty object list", "level {\n objects {\n  i = 0\n }\n}\n", kObjects, -1, "no object to find"},
        {"objects without pictures", scene("objects", "2", 2, "gfx/nothing-here.png"), kObjects, -1,
         "no object to find"},
        {"an end off the grid", route, kRoute, -1, "its start or its end is not on a block"},
        {"an empty grid", "level {\n data {\n  dims = 0, 0\n }\n blocks {\n }\n}\n", kRoute, -1,
         "its grid is 0 x 0"},
    };
    for (const Case& c : cases) check(c);
    for (const Reading& read : {kChestBlocks, kPieces, kRoute, kObjects}) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(read(testing::TempDir() + "no-such-level.dat"), -1);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("cannot be read"), std::string::npos) << said;
    }
}

// The chest puzzles' tables: a count of a billion reads the shapes that exist, and a shape larger than any
// block could be is left out with a message.
TEST_F(LevelFileLimits, TheShapesTableIsReadAsFarAsItsShapesExistAndWithinTheirCap) {
    const std::string game = programPrefix, folder = testing::TempDir() + "pe-tables/";
    std::filesystem::create_directories(folder + "data");
    std::ofstream(folder + "data/puzzleExpress-tiles.dat")
        << "peTiles {\n i = 1000000000\n petile1 {\n  id = 1\n }\n}\n";
    std::ofstream(folder + "data/puzzleExpress-blocks.dat")
        << "blocks {\n i = 1000000000\n block1 {\n  id = 1\n  tabDim = 1, 2\n  tab0 = 1, 1\n }\n"
           " block2 {\n  id = 2\n  tabDim = 40000, 40000\n }\n}\n";
    programPrefix = folder;
    testing::internal::CaptureStderr();
    peData.load(false);
    const std::string said = testing::internal::GetCapturedStderr();
    const size_t tiles = peData.peTilesData.size(), shapes = peData.blocksData.size();
    const int first = shapes ? peData.blocksData[0]->id : 0;
    programPrefix = game;
    peData.load(false);  // the shipped tables again for the other tests
    EXPECT_EQ(tiles, 1u) << said;
    EXPECT_EQ(shapes, 1u) << said;
    EXPECT_EQ(first, 1);
    EXPECT_NE(said.find("the shape 2 is 40000 x 40000"), std::string::npos) << said;
}

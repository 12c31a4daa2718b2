// The chest puzzle, the jigsaw and a hidden-object scene through the driver: a bot plays the lines the
// driver prints (each block picked up, turned and dropped on its sockets; each piece carried to its place;
// each object clicked) and the level is won; other levels are passed with the full skip gauge; a chest level
// the game cannot play ends the run with a message.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "DriverRun.h"
#include "Grabs.h"
#include "MiniBot.h"

namespace {

const Rect kChestInside{330, 150, 340, 260};

}  // namespace

TEST(ChestPlay, TheBotCoversEverySocketAndTheChestOpensOnItsTreasure) {
    TempDir user{"chest-user"}, out{"chest-grabs", true};
    const std::string level = "data/puzzleExpress/pe1.dat";
    const auto blocks = chestBlocks(level, user, out);
    ASSERT_EQ(blocks.size(), 4u);
    std::ostringstream s;
    s << "waitscreen PUZZLE-EXPRESS\nwait 200\ngrab chest-start\n";
    s << placeBlocks(blocks);
    s << "grab chest-covered\nwait 270\ngrab chest-found\nwaitscreen GET-NEXT-LEVEL 600\n";
    DriverRun run = runDriverWith(s.str(), user, out, " --level " + level);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("screen: GET-NEXT-LEVEL")) << run.output;
    const auto start = loadGrab(out, "chest-start"), covered = loadGrab(out, "chest-covered"),
               found = loadGrab(out, "chest-found");
    ASSERT_TRUE(start && covered && found);
    // The lid's empty sockets filled with tiles, then the lid gone: the velvet and the mask show.
    EXPECT_GT(meanDifference(start, covered, kChestInside), 10);
    EXPECT_GT(meanDifference(covered, found, kChestInside), 20);
}

TEST(ChestPlay, AFullGaugeOpensTheChest) {
    TempDir user{"chest-user"}, out{"chest-skip", true};
    DriverRun run = runDriverWith(
        "waitscreen PUZZLE-EXPRESS\nwait 200\nclick 975 24\nwait 30\ngrab not-yet\nwait 5400\ngrab "
        "gauge-full\n"
        "click 975 24\nwaitscreen GET-NEXT-LEVEL 900\n",
        user, out, " --level data/puzzleExpress/pe3.dat");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("screen: GET-NEXT-LEVEL")) << run.output;
    EXPECT_GT(run.output.find("screen: GET-NEXT-LEVEL"), run.output.find("gauge-full.png"))
        << "not before the gauge filled";
}

// A chest level whose field has a negative size is refused with a message; the run ends as a game does.
TEST(ChestPlay, ALevelWithANegativeFieldIsRefusedAndTheRunEnds) {
    TempDir user{"chest-user"}, out{"chest-negative"};
    const std::string folder = out / "data/puzzleExpress";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/negative.dat")
        << "PELevel {\n dims = -3, 4\n blocks {\n  i = 1\n  bl1 = 1, 100, 100, 0, "
           "1\n }\n solution {\n  row0 = 1, 1\n }\n}\n";
    DriverRun run =
        runDriverWith("waitscreen PUZZLE-EXPRESS\n", user, out, " --level " + folder + "/negative.dat");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("cannot be played as a chest puzzle: its field is -3 x 4")) << run.output;
    EXPECT_TRUE(run.has("end: game")) << run.output;
}

TEST(JigsawPlay, TheBotCarriesEveryPieceToItsPlace) {
    TempDir user{"jigsaw-user"}, out{"jigsaw-grabs", true};
    const std::string level = "data/puzzles/puzzle1.dat";
    const auto pieces =
        playLines(level, "PUZZLE", R"(jigsaw piece \d+: grab (\d+),(\d+) drop (\d+),(\d+))", user, out);
    ASSERT_EQ(pieces.size(), 12u);
    std::ostringstream s;
    s << "waitscreen PUZZLE\nwait 60\ngrab jigsaw-start\n";
    for (size_t i = 0; i < pieces.size(); ++i) {
        const auto& p = pieces[i];
        // Half by a click that keeps the piece on the mouse, half dragged.
        if (i % 2)
            s << "click " << p[0] << " " << p[1] << "\nwait 5\nmove " << p[2] << " " << p[3]
              << "\nwait 3\nclick " << p[2] << " " << p[3] << "\nwait 12\n";
        else
            s << "drag " << p[0] << " " << p[1] << " " << p[2] << " " << p[3] << " 30\nwait 5\n";
        if (i == pieces.size() - 2) s << "grab jigsaw-last-but-one\n";
    }
    s << "waitscreen GET-NEXT-LEVEL 600\n";
    DriverRun run = runDriverWith(s.str(), user, out, " --level " + level);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("screen: GET-NEXT-LEVEL")) << run.output;
    const auto start = loadGrab(out, "jigsaw-start"), almost = loadGrab(out, "jigsaw-last-but-one");
    ASSERT_TRUE(start && almost);
    const Rect board{272, 204, 480, 360};
    EXPECT_GT(meanDifference(start, almost, board), 20) << "the picture stands on the board";
}

TEST(JigsawPlay, AFullGaugeFliesEveryPieceHome) {
    TempDir user{"jigsaw-user"}, out{"jigsaw-skip", true};
    DriverRun run = runDriverWith(
        "waitscreen PUZZLE\nwait 60\nclick 975 24\nwait 10\ngrab not-yet\nwait 3600\ngrab gauge-full\n"
        "click 975 24\nwait 50\ngrab flying\nwaitscreen GET-NEXT-LEVEL 600\n",
        user, out, " --level data/puzzles/puzzle3.dat");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("screen: GET-NEXT-LEVEL")) << run.output;
    EXPECT_GT(run.output.find("screen: GET-NEXT-LEVEL"), run.output.find("flying.png"))
        << "the pieces fly before the level ends";
}

TEST(ScenePlay, TheBotAsksForAHintAndFindsEveryObject) {
    TempDir user{"scene-user"}, out{"scene-grabs", true};
    const std::string level = "data/hiddenObjects/ho1.hol";
    const auto objects =
        playLines(level, "HIDDEN-OBJECT", R"(hidden object \d+: click (\d+),(\d+))", user, out);
    ASSERT_GE(objects.size(), 10u);
    std::ostringstream s;
    s << "waitscreen HIDDEN-OBJECT\nwait 60\ngrab scene\nmove 975 40\nwait 5\nclick 975 40\nwait 30\ngrab "
         "hint\n";
    for (size_t i = 0; i < objects.size(); ++i) {
        s << "click " << objects[i][0] << " " << objects[i][1] << "\nwait 12\n";
        if (i == 0) s << "wait 40\ngrab flying\n";
    }
    s << "wait 90\ngrab found-all\nwaitscreen GET-NEXT-LEVEL 600\n";
    DriverRun run = runDriverWith(s.str(), user, out, " --level " + level);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("screen: GET-NEXT-LEVEL")) << run.output;
    const auto scene = loadGrab(out, "scene"), done = loadGrab(out, "found-all");
    ASSERT_TRUE(scene && done);
    // The panel's pictures have turned from sepia to colour.
    const Rect panel{50, 676, 924, 72};
    EXPECT_GT(meanDifference(scene, done, panel), 8);
}

TEST(ChestPlay, TheStorySpeaksAtTheStartAndTheEndOfTheLevelItBelongsTo) {
    TempDir user{"chest-user"}, out{"chest-dialogs", true};
    const std::string options = " --level data/puzzleExpress/pe1.dat --at 1 4";
    const auto blocks = chestBlocks("data/puzzleExpress/pe1.dat", user, out);
    ASSERT_EQ(blocks.size(), 4u);
    std::ostringstream s;
    // Four lines at the start, a click each.
    s << "waitscreen PUZZLE-EXPRESS\nwait 200\ngrab dialog-begin\n";
    for (int i = 0; i < 4; ++i) s << "click 500 400\nwait 30\n";
    s << "wait 120\ngrab playing\n";
    s << placeBlocks(blocks);
    // The chest opens, then two lines at the end.
    s << "wait 340\ngrab dialog-end\nclick 500 400\nwait 30\nclick 500 400\nwaitscreen GET-NEXT-LEVEL 600\n";
    DriverRun run = runDriverWith(s.str(), user, out, options);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("screen: GET-NEXT-LEVEL")) << run.output;
    const auto begin = loadGrab(out, "dialog-begin"), playing = loadGrab(out, "playing"),
               end = loadGrab(out, "dialog-end");
    ASSERT_TRUE(begin && playing && end);
    // The black bars close over the top of the screen while a dialog is up.
    const Rect top{0, 0, 1024, 150};
    EXPECT_LT(meanBrightness(begin, top), 10);
    EXPECT_LT(meanBrightness(end, top), 10);
    EXPECT_GT(meanBrightness(playing, top), 60);
}

// The map and the stage screen through the driver: a story seen again from the stage screen leaves the
// journey where it was, the title then offers to resume it, and each map stop presents the stage it reaches.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "DriverDialogue.h"
#include "DriverRun.h"
#include "Grabs.h"
#include "LevelBot.h"
#include "MiniBot.h"

namespace {

// Where the stage screen puts entry `index` (from 0): seven to a row from (160, 120).
std::string entryAt(int index) {
    return std::to_string(160 + 120 * (index % 7)) + " " + std::to_string(120 + 86 * (index / 7));
}
// The icon of entry `index` of the first row.
Rect iconAt(int index) {
    return {130 + 120 * index, 95, 60, 50};
}

// The points of the first three stage markers on the map (a click 10 below one lands on its marker), and
// the map's bottom panel with the player's place.
constexpr int kStage1X = 170, kStage1Y = 470, kStage2X = 300, kStage2Y = 300, kStage3X = 500, kStage3Y = 430;
const Rect kPanel{300, 700, 480, 60};

// The per-user folder of a casual player "BOT" whose file is `profile` (the groups inside "profile").
void writePlayer(const std::string& user, const std::string& profile) {
    const std::string dir = user + "/Orelund/Tazmira-Zerav-2/Profiles";
    std::filesystem::create_directories(dir + "/66-79-84-");
    std::ofstream(dir + "/profiles.dat")
        << "profiles {\n\ti = 1\n\tactProfile = \"66-79-84-\"\n\tprof1 {\n\t\tid = \"66-79-84-\"\n"
           "\t\tname = \"BOT\"\n\t}\n}\n";
    std::ofstream(dir + "/66-79-84-/profile.dat") << "profile {\n" << profile << "}\n";
}

// A square around a map marker's point, the arrow above it left out: the sparkles of a new stage fly there.
Rect aroundMarker(int x, int y) {
    return {x - 75, y - 20, 150, 95};
}

}  // namespace

TEST(MapPlay, AStorySeenAgainLeavesTheJourneyWhereItWasAndTheTitleResumesIt) {
    TempDir user{"map-user"}, out{"map-story-grabs", true};
    DriverDialogue d(user, out);
    size_t seen = 0;
    d.must("waitscreen MAIN-MENU");
    d.must("wait 60");
    d.must("type bot");
    d.must("item ok");
    d.must("wait 150");
    d.must("item play");
    d.must("item casual");
    d.must("item skip 600");  // the opening story
    d.must("waitscreen MAPA 3000");
    d.must("wait 120");  // the map has faded in
    d.must("grab first-stop");
    d.must("click " + std::to_string(kStage1X) + " " + std::to_string(kStage1Y + 10));
    d.must("wait 60");
    d.must("grab stage-one");
    // The stage's last story lies ahead of the journey: a click on it does nothing.
    d.must("click " + entryAt(6));
    d.must("wait 90");
    EXPECT_EQ(d.transcript().find("screen: ", d.transcript().rfind("grab: ")), std::string::npos)
        << d.transcript();
    // The opening story, seen again, leads back to the map without the journey moving on.
    d.must("click " + entryAt(0));
    d.must("waitscreen STORY-START 300");
    d.must("item skip 600");
    d.must("waitscreen MAPA 600");
    const std::string afterStory = d.transcript().substr(d.transcript().rfind("screen: STORY-START"));
    EXPECT_EQ(afterStory.find("GET-NEXT-LEVEL"), std::string::npos) << afterStory;
    d.must("wait 120");
    d.must("grab back-on-map");
    // On the title the journey is offered to be resumed, and goes on with its first picture.
    d.must("item menu");
    d.must("waitscreen MAIN-MENU");
    d.must("item play");
    d.must("wait 40");
    d.must("grab resume-question");
    d.must("item resume 300");
    d.must("waitscreen MAPA 600");
    d.must("item playnext");
    const LevelLine first = nextLevel(d, seen);
    EXPECT_EQ(first.name, "ankh");
    d.say("quit");

    const auto stage = loadGrab(out, "stage-one"), before = loadGrab(out, "first-stop"),
               after = loadGrab(out, "back-on-map");
    ASSERT_TRUE(stage && before && after);
    // The opening story opens; the two stories ahead are dimmed, faded into the sheet like the level 2 icon.
    for (int ahead : {4, 6}) {
        EXPECT_GT(meanBrightness(stage, iconAt(ahead)) - meanBrightness(stage, iconAt(0)), 20) << ahead;
        EXPECT_NEAR(meanBrightness(stage, iconAt(ahead)), meanBrightness(stage, iconAt(2)), 15) << ahead;
    }
    EXPECT_LT(meanDifference(before, after, kPanel), 2) << "the panel still reads stage 1, level 1";
}

// A player who stands at the first map stop, the chest puzzle of the first stage reached but no picture won
// yet, replays the chest puzzle from the stage screen and the journey goes on to the second map stop.
TEST(MapPlay, EachMapStopPresentsTheStageItReaches) {
    TempDir user{"map-user"}, out{"map-stops-grabs", true};
    const auto blocks = chestBlocks("data/puzzleExpress/pe1.dat", user, out);
    ASSERT_EQ(blocks.size(), 4u);
    writePlayer(
        user,
        "\tstandards {\n\t\tname = \"BOT\"\n\t\tnumerLevelu = 1\n\t\tnumerStageu = 1\n"
        "\t\tflowSequence = 2\n\t\tgameType = \"MAPA\"\n\t\tflowType = \"CASUAL\"\n\t\ttutorialOn = 0\n"
        "\t}\n\tlevele {\n\t\ti = 1\n\t\tlevel1 = 4, 0, 7, 1, 0, 1, 0, 1, 1\n\t}\n");
    DriverDialogue d(user, out);
    d.must("waitscreen MAIN-MENU");
    d.must("wait 150");
    d.must("item play");
    d.must("item resume 300");
    d.must("waitscreen MAPA 600");
    d.must("wait 30");
    d.must("grab first-stop");
    d.must("click " + std::to_string(kStage1X) + " " + std::to_string(kStage1Y + 10));
    d.must("wait 60");
    d.must("click " + entryAt(5));  // the chest puzzle
    d.must("waitscreen PUZZLE-EXPRESS 300");
    std::ostringstream chest;
    chest << "wait 200\n";
    for (int i = 0; i < 4; ++i) chest << "click 500 400\nwait 30\n";  // the lines at its start
    chest << "wait 120\n" << placeBlocks(blocks) << "wait 340\nclick 500 400\nwait 30\nclick 500 400\n";
    std::istringstream lines(chest.str());
    for (std::string line; std::getline(lines, line);) d.must(line);
    d.must("waitscreen STORY-CAMP 600");
    d.must("item skip 600");
    d.must("waitscreen MAPA 600");
    d.must("wait 30");
    d.must("grab second-stop");
    d.must("wait 300");  // the sparkles are over
    d.must("grab second-stop-later");
    // The stage just reached takes a click and opens.
    d.must("click " + std::to_string(kStage2X) + " " + std::to_string(kStage2Y + 10));
    d.must("item back 120");
    d.say("quit");

    const auto first = loadGrab(out, "first-stop"), second = loadGrab(out, "second-stop"),
               later = loadGrab(out, "second-stop-later");
    ASSERT_TRUE(first && second && later);
    // The first stop presented the first stage; the second presents the second stage and no longer the first.
    EXPECT_GT(meanDifference(first, later, aroundMarker(kStage1X, kStage1Y)), 3);
    EXPECT_GT(meanDifference(second, later, aroundMarker(kStage2X, kStage2Y)), 3);
    EXPECT_LT(meanDifference(second, later, aroundMarker(kStage1X, kStage1Y)), 1);
    // The new stage's marker is drawn in full like the first stage's, not faint like the third's.
    auto marker = [&](int x, int y) { return meanBrightness(later, Rect{x - 15, y - 5, 30, 30}); };
    EXPECT_NEAR(marker(kStage2X, kStage2Y), marker(kStage1X, kStage1Y), 10);
    EXPECT_GT(std::abs(marker(kStage2X, kStage2Y) - marker(kStage3X, kStage3Y)), 25);
}

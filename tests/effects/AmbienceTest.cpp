// Falling leaves and swimming scenery on the headless clock: a leaf's life from fading in to leaving its
// list, the spawners' timing and how they are read from a file, and a fish crossing its band both ways.
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "effects/BackElement.h"
#include "effects/Pogoda.h"
#include "files/DataFile.h"

namespace {

class Ambience : public testing::Test {
  protected:
    void SetUp() override {
        eng::SetHeadless(eng::HeadlessConfig{});
        frameDelta = 1;
    }
};

TEST_F(Ambience, ALeafFadesInFallsTurnsAndLeavesItsListWhenItsTimeIsOver) {
    TWeatherList list;
    spawnLeaf(200, 100, list);
    ASSERT_EQ(list.size(), 1u);
    const TPogoda& leaf = *list.front();
    EXPECT_GE(leaf.ay, 1.5f);
    EXPECT_LE(leaf.ay, 3.0f);
    EXPECT_GE(leaf.n, 2);
    EXPECT_LE(leaf.n, 4);
    for (int i = 0; i < 101; ++i) updateWeather(list);
    EXPECT_FLOAT_EQ(leaf.alpha, 1) << "faded in over a hundred frames";
    EXPECT_GT(leaf.y, 100 + 100 * 1.5f - 1);
    EXPECT_NE(leaf.rot, 0);
    EXPECT_EQ(leaf.scale, 0.5f);
    // Still there before its time is over, gone about a hundred frames after.
    eng::Delay(4000);
    updateWeather(list);
    EXPECT_EQ(list.size(), 1u);
    eng::Delay(7000);
    int frames = 0;
    while (list.size() > 0 && frames < 500) {
        updateWeather(list);
        ++frames;
    }
    EXPECT_EQ(list.size(), 0u);
    EXPECT_NEAR(frames, 100, 2);
}

TEST_F(Ambience, ASpawnerLetsALeafFallInItsRectangleOncePerInterval) {
    TWeatherList list;
    TDim s;
    s.x = 100;
    s.y = 50;
    s.w = 40;
    s.h = 20;
    s.x1 = 1000;
    std::vector<TDim> spawners{s};
    updateLeafSpawners(spawners, list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_GE(list.front()->x, 100);
    EXPECT_LE(list.front()->x, 140);
    EXPECT_GE(list.front()->y, 50);
    EXPECT_LE(list.front()->y, 70);
    eng::Delay(500);
    updateLeafSpawners(spawners, list);
    EXPECT_EQ(list.size(), 1u);
    eng::Delay(600);
    updateLeafSpawners(spawners, list);
    EXPECT_EQ(list.size(), 2u);
}

// A background's spawners as the file gives them: as many as exist (whatever the count says, at most 32),
// each with its rectangle near the screen and at least 100 ms between its leaves.
TEST_F(Ambience, SpawnersAreReadAsFarAsTheyExistAndKeptWithinReach) {
    const std::string path = testing::TempDir() + "leaves.dat";
    std::string text =
        "back {\n\ti = 1000000000\n\tleaf1 = 1e30, -5, -40, 20, 0\n\tleaf2 = 10, 20, 30, 40, 2000\n}\n";
    text += "many {\n\ti = 40\n";
    for (int i = 1; i <= 40; ++i) text += "\tleaf" + std::to_string(i) + " = 10, 20, 30, 40, 2000\n";
    text += "}\n";
    ASSERT_TRUE(eng::SaveText(text, path));
    TRCMFile file;
    ASSERT_TRUE(file.Load(path));
    testing::internal::CaptureStderr();
    const auto back = readLeafSpawners(file, "back");
    const auto many = readLeafSpawners(file, "many");
    const std::string said = testing::internal::GetCapturedStderr();
    ASSERT_EQ(back.size(), 2u) << said;
    EXPECT_EQ(back[0].x, 4096);
    EXPECT_EQ(back[0].y, -5);
    EXPECT_EQ(back[0].w, 0);
    EXPECT_EQ(back[0].h, 20);
    EXPECT_EQ(back[0].x1, 100);
    EXPECT_EQ(back[1].x1, 2000);
    EXPECT_EQ(many.size(), 32u);
    EXPECT_NE(said.find("1000000000 items of \"back::leaf\""), std::string::npos) << said;
    EXPECT_NE(said.find("only the first 32 leaf spawners of many"), std::string::npos) << said;
}

TEST_F(Ambience, AFishCrossesItsBandAndComesBackFromEitherSideAtANewHeight) {
    TBackElement fish;
    fish.typ = "fish";
    fish.x1 = 100;
    fish.x2 = 400;
    fish.y1 = 500;
    fish.y2 = 540;
    fish.reset();
    EXPECT_EQ(fish.typ, "FISH");
    // Over many crossings it keeps to its band, starts each crossing at one end, swims both ways, right
    // at 1 to 1.5 pixels a frame and left at 1.5, and is drawn mirrored going left.
    int leftward = 0, rightward = 0;
    for (int frame = 0; frame < 6000; ++frame) {
        const float ax = fish.ax;
        fish.update();
        ASSERT_GE(fish.x, fish.x1 - 1.5f);
        ASSERT_LE(fish.x, fish.x2 + 1.5f);
        ASSERT_GE(fish.y, 500);
        ASSERT_LE(fish.y, 540);
        if (fish.ax != ax) {  // a new crossing
            EXPECT_EQ(fish.x, fish.ax > 0 ? fish.x1 : fish.x2);
            if (fish.ax > 0) {
                EXPECT_GE(fish.ax, 1);
                EXPECT_LE(fish.ax, 1.5);
                ++rightward;
            } else {
                EXPECT_EQ(fish.ax, -1.5f);
                ++leftward;
            }
        }
    }
    EXPECT_GT(leftward, 2);
    EXPECT_GT(rightward, 2);
    // Any other kind stands still and unseen.
    TBackElement statue;
    statue.typ = "statue";
    statue.reset();
    EXPECT_EQ(statue.ax, 0);
}

}  // namespace

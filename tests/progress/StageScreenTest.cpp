// The map's stages and the stage screen's rules: which stages and entries open, where the entries stand,
// what "play" chooses, and the room of a stage.
#include <gtest/gtest.h>

#include "FlowFixture.h"
#include "progress/Mapa.h"
#include "progress/StageScreen.h"

namespace {

class StageScreenTest : public FlowFixture {
  protected:
    void SetUp() override {
        FlowFixture::SetUp();
        writeFlow("flow_hard.dat", {{"STORY-START", "", 1, 0},
                                    {"MAPA", "", 1, 1},
                                    {"MAIN-GAME", "a.lvl", 1, 1},
                                    {"MAIN-GAME", "b.lvl", 1, 2},
                                    {"MAIN-GAME", "c.lvl", 1, 3},
                                    {"MAPA", "", 2, 1},
                                    {"MAIN-GAME", "d.lvl", 2, 1}});
        writeFlow("flow_casual.dat", {{"MAIN-GAME", "a.lvl", 1, 1}});
        levelManager.setup();
        p = player("HARD");
        mapStage->id = 1;
        screen.stage = mapStage;
        screen.listaLeveli = p->getLeveleForStage(1);
    }
    // Which entries of stage 1 may be opened, in list order (the story first).
    std::vector<int> openable() const {
        std::vector<int> out;
        const TLevelData* previous = nullptr;
        for (const auto& l : screen.listaLeveli) {
            out.push_back(screen.levelPlayableDraw(*l, previous));
            if (!l->isStory()) previous = l.get();
        }
        return out;
    }
    std::shared_ptr<TProfile> p;
    std::shared_ptr<TMapStage> mapStage = std::make_shared<TMapStage>();
    TStageScreen screen;
};

}  // namespace

TEST(StageGrid, SevenToARowAndTheSeventhRowFromTheThirdColumn) {
    const struct {
        int index;
        float x, y;
    } cases[] = {{0, 160, 120}, {6, 880, 120}, {7, 160, 206}, {41, 880, 550}, {42, 400, 636}, {46, 880, 636}};
    for (const auto& c : cases) {
        float x = 0, y = 0;
        stageGridPlace(c.index, x, y);
        EXPECT_EQ(x, c.x) << "entry " << c.index + 1;
        EXPECT_EQ(y, c.y) << "entry " << c.index + 1;
    }
}

TEST_F(StageScreenTest, EntriesOpenOnceReachedAndPlayTakesTheFirstNotPassed) {
    ASSERT_EQ(screen.listaLeveli.size(), 4u) << "the story and three levels; the map stop is no entry";
    // Nothing played: the story and level 1 open.
    EXPECT_EQ(openable(), (std::vector<int>{1, 1, 0, 0}));
    EXPECT_EQ(screen.getFirstUnplayedLevel()->numer, 1);
    // Level 1 passed, level 2 started: both open, level 3 waits.
    p->numerStageu = 1;
    p->updateLevelData(1, 1, 100, 10, 0, 1);
    p->updateLevelData(2, 0, 0, 1, 0, 1);
    EXPECT_EQ(openable(), (std::vector<int>{1, 1, 1, 0}));
    EXPECT_EQ(screen.getFirstUnplayedLevel()->numer, 2);
    p->updateLevelData(2, 1, 100, 10, 0, 1);
    EXPECT_EQ(openable(), (std::vector<int>{1, 1, 1, 1}));
    EXPECT_EQ(screen.getFirstUnplayedLevel()->numer, 3);
    // All passed: "play" replays the first level.
    p->updateLevelData(3, 1, 100, 10, 0, 1);
    EXPECT_EQ(screen.getFirstUnplayedLevel()->numer, 1);
    EXPECT_FALSE(screen.getFirstUnplayedLevel()->isStory());
}

TEST_F(StageScreenTest, TheMapOpensReachedStagesAndPresentsANewOne) {
    TMapa map;
    for (int id : {1, 2, 3}) {
        auto s = std::make_shared<TMapStage>();
        s->id = id;
        map.mapStages.push_back(s);
    }
    p->numerStageu = 1;
    map.prepare();
    EXPECT_EQ(map.newStage, map.getMapStage(1)) << "no level of stage 1 passed yet";
    EXPECT_EQ(map.getMapStage(1)->isAvailable, 1);
    EXPECT_EQ(map.getMapStage(2)->isAvailable, 0);
    EXPECT_GT(map.getMapStage(1)->newTime, eng::MilliSecs());
    EXPECT_EQ(map.arX, map.getMapStage(1)->x);

    // Stage 1 played: it stays open and is no longer new once presented.
    p->updateLevelData(1, 1, 100, 10, 0, 1);
    map.newStage = nullptr;
    map.prepare();
    EXPECT_FALSE(map.newStage);
    EXPECT_EQ(map.getMapStage(1)->isAvailable, 1);

    // Stage 3 is not in the stage table: it reads as a stage with no level passed.
    p->numerStageu = 3;
    map.prepare();
    EXPECT_EQ(map.newStage, map.getMapStage(3));
    EXPECT_EQ(map.getMapStage(3)->isAvailable, 1);
    // A place off the map: no arrow, nothing presented.
    p->numerStageu = 9;
    map.prepare();
    EXPECT_FALSE(map.newStage);
    EXPECT_LT(map.arX, 0);
}

TEST_F(StageScreenTest, AStageLongerThanTheScreenHoldsIsReported) {
    std::vector<Entry> entries;
    for (int i = 1; i <= 48; ++i) entries.push_back({"MAIN-GAME", "x.lvl", 1, i});
    writeFlow("flow_hard.dat", entries);
    testing::internal::CaptureStderr();
    levelManager.setup();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("stage 1 has more than 47 entries"), std::string::npos) << err;
    screen.prepare(mapStage);
    EXPECT_EQ(screen.listaLeveli.size(), 47u);
}

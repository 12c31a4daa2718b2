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
        // Two stages as the journey has them: stories before, between and after the levels, and the next
        // stage's first story before its map stop.
        writeFlow("flow_hard.dat", {{"STORY-START", "", 1, 0},
                                    {"MAPA", "", 1, 1},
                                    {"MAIN-GAME", "a.lvl", 1, 1},
                                    {"MAIN-GAME", "b.lvl", 1, 2},
                                    {"STORY-TABLET-READ", "", 1, 0},
                                    {"MAIN-GAME", "c.lvl", 1, 3},
                                    {"STORY-CAMP", "", 1, 0},
                                    {"STORY-GO-TO-IRAK", "", 2, 0},
                                    {"MAPA", "", 2, 1},
                                    {"MAIN-GAME", "d.lvl", 2, 1}});
        writeFlow("flow_casual.dat", {{"MAIN-GAME", "a.lvl", 1, 1}});
        levelManager.setup();
        p = player("HARD");
        mapStage->id = 1;
        screen.stage = mapStage;
        screen.listaLeveli = p->getLeveleForStage(1);
    }
    // Which entries of a stage may be opened, in list order.
    std::vector<int> openable(int stage = 1) {
        mapStage->id = stage;
        screen.listaLeveli = p->getLeveleForStage(stage);
        std::vector<int> out;
        const TLevelData* previous = nullptr;
        for (const auto& l : screen.listaLeveli) {
            out.push_back(screen.levelPlayableDraw(*l, previous));
            if (!l->isStory()) previous = l.get();
        }
        return out;
    }
    // The result of a level as the profile keeps it.
    void record(int stage, int numer, int passed) {
        auto r = std::make_shared<TProfLevelData>();
        r->stageN = stage;
        r->numerLevelu = numer;
        r->passed = passed;
        p->levele.push_back(r);
    }
    std::shared_ptr<TProfile> p;
    std::shared_ptr<TMapStage> mapStage = std::make_shared<TMapStage>();
    TStageScreen screen;
};

// The stage the map presents as new (0: none).
int newStageOf(const TMapa& map) {
    return map.newStage ? map.newStage->id : 0;
}

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
    ASSERT_EQ(screen.listaLeveli.size(), 6u) << "three stories and three levels; the map stop is no entry";
    p->flowSequence = 2;  // at the first map stop
    // Nothing played: the opening story and level 1 open.
    EXPECT_EQ(openable(), (std::vector<int>{1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(screen.getFirstUnplayedLevel()->numer, 1);
    // Level 1 passed, level 2 started: both open, level 3 waits.
    p->numerStageu = 1;
    p->flowSequence = 4;
    p->updateLevelData(1, 1, 100, 10, 0, 1);
    p->updateLevelData(2, 0, 0, 1, 0, 1);
    EXPECT_EQ(openable(), (std::vector<int>{1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(screen.getFirstUnplayedLevel()->numer, 2);
    p->updateLevelData(2, 1, 100, 10, 0, 1);
    EXPECT_EQ(openable(), (std::vector<int>{1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(screen.getFirstUnplayedLevel()->numer, 3);
    // All passed: "play" replays the first level.
    p->updateLevelData(3, 1, 100, 10, 0, 1);
    EXPECT_EQ(screen.getFirstUnplayedLevel()->numer, 1);
    EXPECT_FALSE(screen.getFirstUnplayedLevel()->isStory());
}

// A story opens once the journey has reached it: the player stands at it or past it, a level after it has
// been played, or the level before it has been won (the journey then went on through it). A level replayed
// from the stage screen takes the player's place back, but not what the journey has reached.
TEST_F(StageScreenTest, AStoryOpensOnceTheJourneyHasReachedIt) {
    struct Record {
        int stage, numer, passed;
    };
    struct Case {
        const char* what;
        int flowSequence;
        std::vector<Record> records;
        std::vector<int> stage1, stage2;  // opening story, a, b, tablet, c, camp; road to stage 2, d
    };
    // The first level of a stage always opens (the map keeps a stage not reached closed).
    const Case cases[] = {
        {"in the opening story", 1, {}, {1, 1, 0, 0, 0, 0}, {0, 1}},
        {"at the first map stop", 2, {}, {1, 1, 0, 0, 0, 0}, {0, 1}},
        {"level 2 started", 4, {{1, 1, 1}, {1, 2, 0}}, {1, 1, 1, 0, 0, 0}, {0, 1}},
        {"level 2 won, closed on its win screen", 4, {{1, 1, 1}, {1, 2, 1}}, {1, 1, 1, 1, 1, 0}, {0, 1}},
        {"level 1 replayed during level 3", 3, {{1, 1, 1}, {1, 2, 1}, {1, 3, 0}}, {1, 1, 1, 1, 1, 0}, {0, 1}},
        {"at the second map stop", 9, {{1, 1, 1}, {1, 2, 1}, {1, 3, 1}}, {1, 1, 1, 1, 1, 1}, {1, 1}},
        {"level 1 replayed from the second map stop",
         3,
         {{1, 1, 1}, {1, 2, 1}, {1, 3, 1}},
         {1, 1, 1, 1, 1, 1},
         {1, 1}},
        {"level 2 replayed during the second stage's level 1",
         4,
         {{1, 1, 1}, {1, 2, 1}, {1, 3, 1}, {2, 1, 0}},
         {1, 1, 1, 1, 1, 1},
         {1, 1}},
    };
    for (const Case& c : cases) {
        p->levele.clear();
        for (const Record& r : c.records) record(r.stage, r.numer, r.passed);
        p->flowSequence = c.flowSequence;
        EXPECT_EQ(openable(1), c.stage1) << c.what;
        EXPECT_EQ(openable(2), c.stage2) << c.what;
    }
}

TEST_F(StageScreenTest, TheMapPresentsEachStageAsTheJourneyReachesIt) {
    TMapa map;
    for (int id : {1, 2, 3}) {
        auto s = std::make_shared<TMapStage>();
        s->id = id;
        s->x = 100.0f * id;
        map.mapStages.push_back(s);
    }
    const auto stage1 = map.getMapStage(1), stage2 = map.getMapStage(2), stage3 = map.getMapStage(3);
    p->startNewGame();
    ASSERT_EQ(p->getNextLevel(), "STORY-START");
    ASSERT_EQ(p->getNextLevel(), "MAPA");
    map.prepare();
    EXPECT_EQ(newStageOf(map), 1) << "the first stop presents the first stage";
    EXPECT_EQ(stage1->isAvailable, 1);
    EXPECT_EQ(stage2->isAvailable, 0);
    EXPECT_GT(stage1->newTime, eng::MilliSecs());
    EXPECT_EQ(map.arX, stage1->x);

    // The stage's levels won one after the other, and on to the next stop.
    for (std::string kind = p->getNextLevel(); kind != "MAPA"; kind = p->getNextLevel()) {
        ASSERT_NE(kind, "END-OF-LEVELS");
        if (kind == "MAIN-GAME") p->updateLevelData(p->numerLevelu, 1, 100, 10, 0, 1);
        p->levelFinished();
    }
    const int64_t stage1Sparkles = stage1->newTime;
    map.prepare();
    EXPECT_EQ(newStageOf(map), 2) << "the stage just reached is the new one";
    EXPECT_EQ(stage2->isAvailable, 1) << "it takes clicks before any of its levels is passed";
    EXPECT_EQ(stage1->isAvailable, 1);
    EXPECT_EQ(stage1->newTime, stage1Sparkles) << "the first stage sparkles no more";
    EXPECT_EQ(map.arX, stage2->x);

    // A level of the first stage replayed: the second stage stays the new one while the player is away.
    EXPECT_EQ(p->setLevel(*levelManager.hardLevels[2]), "MAIN-GAME");
    map.prepare();
    EXPECT_EQ(newStageOf(map), 2);
    EXPECT_EQ(map.arX, stage1->x);

    // A stage not in the stage table reads as a stage with no level passed; a place off the map shows no
    // arrow and presents nothing.
    p->numerStageu = 3;
    map.prepare();
    EXPECT_EQ(newStageOf(map), 2);
    EXPECT_EQ(stage3->isAvailable, 0);
    p->numerStageu = 9;
    map.prepare();
    EXPECT_EQ(newStageOf(map), 0);
    EXPECT_LT(map.arX, 0);
}

// A story picked on the stage screen is only seen again: the journey keeps its place and its level in
// progress, and the map comes back after it. A level picked there moves the journey to it, and the flow goes
// on after it.
TEST_F(StageScreenTest, AStorySeenAgainLeavesTheJourneyWhereItWas) {
    p->startNewGame();
    while (p->gameType != "MAIN-GAME") p->getNextLevel();  // the first level, in progress
    const auto level = p->actLevel;
    ASSERT_TRUE(level);
    const auto story = levelManager.getHardLevelData(1, 0);
    ASSERT_TRUE(story && story->isStory());

    EXPECT_EQ(p->replayStory(*story), "STORY-START");
    EXPECT_EQ(p->flowSequence, 3);
    EXPECT_EQ(p->gameType, "MAIN-GAME");
    EXPECT_EQ(p->numerStageu, 1);
    EXPECT_EQ(p->numerLevelu, 1);
    EXPECT_EQ(p->actLevel, level) << "the level stays in progress";
    EXPECT_TRUE(p->endStoryReplay("STORY-START")) << "the story leads back to the map";
    EXPECT_FALSE(p->endStoryReplay("STORY-START")) << "once";

    // The same through the map, which fades out for the story.
    TMapa map;
    map.playPicked(*story);
    EXPECT_EQ(map.wynik, "STORY-START");
    EXPECT_EQ(map.dFade, 1);
    EXPECT_EQ(p->flowSequence, 3);
    EXPECT_EQ(p->numerLevelu, 1);
    EXPECT_EQ(p->actLevel, level);
    // The flow moving on ends a story replay that never played.
    p->getNextLevel();
    EXPECT_FALSE(p->endStoryReplay("STORY-START"));

    map.playPicked(*levelManager.hardLevels[2]);  // the first level
    EXPECT_EQ(map.wynik, "MAIN-GAME");
    EXPECT_EQ(p->flowSequence, 3);
    EXPECT_EQ(p->getNextLevel(), "MAIN-GAME");
    EXPECT_EQ(p->numerLevelu, 2);
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

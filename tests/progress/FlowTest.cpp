// The level flows: reading and numbering, and the profile's way through them.
#include <gtest/gtest.h>

#include "FlowFixture.h"
#include "progress/Profile.h"

namespace {

using Flow = FlowFixture;

const std::vector<Entry> kThree = {{"MAIN-GAME", "data/a.lvl", 1, 1},
                                   {"MAPA", "", 2, 1},
                                   {"story-start", "", 1, 1},
                                   {"MAIN-GAME", "data/b.lvl", 2, 1},
                                   {"FINDROUTE-PUZZLE", "data/f.lvl", 2, 2},
                                   {"main-game", "data/c.lvl", 2, 3}};

}  // namespace

TEST_F(Flow, NamesAreNumberedAsEachFlowCountsItsEntries) {
    writeFlow("flow_casual.dat", kThree);
    writeFlow("flow_hard.dat", kThree);
    levelManager.setup();
    // Casual: stories and find-route puzzles are named; hard: only the four played kinds. A map stop takes
    // the number of the next named entry.
    const int casual[] = {1, 2, 2, 3, 4, 5};
    const int hard[] = {1, 2, 2, 2, 3, 3};
    ASSERT_EQ(levelManager.casualLevels.size(), 6u);
    ASSERT_EQ(levelManager.hardLevels.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(levelManager.casualLevels[i]->actualLevelNumber, casual[i]) << "casual entry " << i + 1;
        EXPECT_EQ(levelManager.hardLevels[i]->actualLevelNumber, hard[i]) << "hard entry " << i + 1;
        EXPECT_EQ(levelManager.casualLevels[i]->nr, i + 1);
    }
    EXPECT_EQ(levelManager.casualLevels[2]->gameType, "STORY-START");
    EXPECT_EQ(levelManager.casualLevels[0]->url, programPrefix + "data/a.lvl");
    EXPECT_EQ(levelManager.casualLevels[0]->backgroundNr, 2);
    // Only the hard flow fills the stage table, each level number once, in order of appearance.
    ASSERT_EQ(levelManager.stagesList.size(), 2u);
    EXPECT_EQ(levelManager.stagesList[0]->levels, (std::vector<std::string>{"1"}));
    EXPECT_EQ(levelManager.stagesList[1]->levels, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(levelManager.getStageNumberByLevel("HARD", 1), 1);  // the first entry with that number
    EXPECT_EQ(levelManager.getStageNumberByLevel("HARD", 3), 2);
    EXPECT_EQ(levelManager.getStageNumberByLevel("", 1), 0);
    EXPECT_EQ(levelManager.getCasualLevelsByStage(2).size(), 3u);  // the map stop is not playable
}

TEST_F(Flow, ATestingFileReplacesOnlyItsOwnFlow) {
    writeFlow("flow_casual.dat", {{"MAIN-GAME", "data/a.lvl", 1, 1}});
    writeFlow("flow_hard.dat", {{"MAIN-GAME", "data/a.lvl", 1, 1}});
    writeFlow("_testing_flow_hard.dat",
              {{"MAIN-GAME", "data/t.lvl", 4, 1}, {"MAIN-GAME", "data/u.lvl", 4, 2}});
    levelManager.setup();
    EXPECT_EQ(levelManager.casualLevels.size(), 1u);
    ASSERT_EQ(levelManager.hardLevels.size(), 2u);
    EXPECT_EQ(levelManager.hardLevels[0]->url, programPrefix + "data/t.lvl");
    ASSERT_EQ(levelManager.stagesList.size(), 1u);
    EXPECT_EQ(levelManager.stagesList[0]->id, 4);
}

TEST_F(Flow, NewGameNextLevelRestartAndTheEndOfTheFlow) {
    writeFlow("flow_casual.dat", {{"MAIN-GAME", "data/a.lvl", 1, 1}, {"MAIN-GAME", "data/b.lvl", 1, 2}});
    levelManager.setup();
    auto p = player();
    p->score = 500;
    EXPECT_EQ(p->startNewGame(), "GET-NEXT-LEVEL");
    EXPECT_EQ(p->score, 0);
    EXPECT_EQ(p->canContinue(), 0);
    EXPECT_EQ(p->getNextLevel(), "MAIN-GAME");
    EXPECT_EQ(p->flowSequence, 1);
    EXPECT_TRUE(std::filesystem::exists(p->folder() + "/profile.dat")) << "moving on saves the profile";
    EXPECT_TRUE(std::filesystem::exists(p->folder() + "/Level.lvl")) << "with the level in progress";
    EXPECT_EQ(p->canContinue(), 1);
    ASSERT_TRUE(p->getProfLevelData(1));

    // A restart of a level not passed counts the try and plays it again from its file.
    EXPECT_EQ(p->restartLevel(), "MAIN-GAME");
    EXPECT_EQ(p->flowSequence, 1);
    EXPECT_EQ(p->getProfLevelData(1)->passed, 0);
    EXPECT_EQ(p->getProfLevelData(1)->ileRazy, 1);
    EXPECT_EQ(started, (std::vector<std::string>{"data/a.lvl", "data/a.lvl"}));

    // Won: the result is kept; a restart now only counts the try.
    p->updateLevelData(1, 1, 900, 42, 2, 3);
    p->levelFinished();
    EXPECT_EQ(p->restartLevel(), "MAIN-GAME");
    const auto record = p->getProfLevelData(1);
    EXPECT_EQ(record->passed, 1);
    EXPECT_EQ(record->score, 900);
    EXPECT_EQ(record->time, 42);
    EXPECT_EQ(record->ileRazy, 3);

    EXPECT_EQ(p->getNextLevel(), "MAIN-GAME");
    EXPECT_EQ(p->numerLevelu, 2);
    EXPECT_FALSE(p->flowFinished());
    testing::internal::CaptureStdout();
    EXPECT_EQ(p->getNextLevel(), "END-OF-LEVELS");
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Couldn't find flowSequence: 3"),
              std::string::npos);
    EXPECT_EQ(p->flowSequence, 2) << "the place stays on the last entry";
    EXPECT_TRUE(p->flowFinished());
}

TEST_F(Flow, AGapInTheFlowOrAnEmptyOneIsNotAFinishedJourney) {
    writeFlow(
        "flow_casual.dat",
        {{"MAIN-GAME", "data/a.lvl", 1, 1}, {"", "data/lost.lvl", 1, 2}, {"MAIN-GAME", "data/c.lvl", 1, 3}});
    levelManager.setup();
    auto p = player();
    p->startNewGame();
    EXPECT_EQ(p->getNextLevel(), "MAIN-GAME");
    testing::internal::CaptureStdout();
    EXPECT_EQ(p->getNextLevel(), "END-OF-LEVELS");
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(p->flowSequence, 1);
    EXPECT_FALSE(p->flowFinished());
    auto nobody = player("", "BOB");  // no flow chosen
    testing::internal::CaptureStdout();
    EXPECT_EQ(nobody->getNextLevel(), "END-OF-LEVELS");
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(nobody->flowFinished());
}

TEST_F(Flow, ContinueResumesPicksAndReplays) {
    writeFlow("flow_casual.dat", {{"MAIN-GAME", "data/tutorial.lvl", 1, 1},
                                  {"MAIN-GAME", "data/b.lvl", 1, 2},
                                  {"STORY-CAMP", "", 1, 0},
                                  {"MAIN-GAME", "data/c.lvl", 1, 3}});
    levelManager.setup();
    auto p = player();
    p->startNewGame();
    p->getNextLevel();
    EXPECT_EQ(p->ContinueGame(), "RESTART-LEVEL") << "a tutorial level is replayed from its start";
    p->getNextLevel();
    EXPECT_EQ(p->ContinueGame(), "MAIN-GAME");
    EXPECT_EQ(resumed, (std::vector<std::string>{"data/b.lvl"}));
    // Nothing in progress: a won level goes on, any other is played again.
    p->updateLevelData(2, 1, 10, 10, 0, 1);
    p->levelFinished();
    EXPECT_EQ(p->ContinueGame(), "GET-NEXT-LEVEL");
    p->getProfLevelData(2)->passed = 0;
    EXPECT_EQ(p->ContinueGame(), "RESTART-LEVEL");

    // A level picked on the stage screen: the flow goes on after it.
    EXPECT_EQ(p->setLevel(*levelManager.casualLevels[0]), "MAIN-GAME");
    EXPECT_EQ(p->flowSequence, 1);
    EXPECT_EQ(p->getNextLevel(), "MAIN-GAME");
    EXPECT_EQ(p->numerLevelu, 2);
    EXPECT_EQ(p->getNextLevel(), "STORY-CAMP");
    EXPECT_EQ(p->numerLevelu, 2) << "a story keeps the place";
    EXPECT_EQ(p->ContinueGame(), "STORY-CAMP");
}

TEST_F(Flow, PowerUpsUnlockWithTheStageAndLevelReached) {
    struct Case {
        int stage, level;
        std::array<int, 6> unlocked;
    };
    const Case cases[] = {
        {0, 0, {0, 0, 0, 0, 0, 0}},  {1, 23, {0, 0, 0, 0, 0, 0}}, {1, 24, {1, 0, 0, 0, 0, 0}},
        {2, 1, {1, 0, 0, 0, 0, 0}},  {2, 28, {1, 1, 0, 0, 0, 0}}, {3, 30, {1, 1, 0, 0, 0, 0}},
        {3, 31, {1, 1, 1, 0, 0, 0}}, {4, 39, {1, 1, 1, 1, 0, 0}}, {5, 11, {1, 1, 1, 1, 0, 0}},
        {5, 12, {1, 1, 1, 1, 1, 0}}, {5, 24, {1, 1, 1, 1, 1, 1}}, {6, 99, {0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        TProfile p;
        p.unlocked.fill(1);
        if (c.stage > 0) {
            p.numerStageu = c.stage;
            p.updateLevelData(c.level, 0, 0, 0, 0, 1);
            p.numerStageu = 1;
            p.updateLevelData(30, 1, 0, 0, 0, 1);  // a lower stage's level never counts for the highest
        }
        if (c.stage == 1) p.levele.pop_back();
        p.checkPowerUpUnlocked();
        EXPECT_EQ(p.unlocked, c.unlocked) << "stage " << c.stage << ", level " << c.level;
    }
}

// Back on the title, every journey begun is offered to be resumed, and "resume" takes the player back into
// it: the story they were in, the map stop they stood at, or the level after one they had won.
TEST_F(Flow, AJourneyBegunIsResumedFromWhereverThePlayerLeftIt) {
    writeFlow("flow_casual.dat", {{"STORY-START", "", 1, 0},
                                  {"MAPA", "", 1, 1},
                                  {"MAIN-GAME", "data/tutorial.lvl", 1, 1},
                                  {"MAIN-GAME", "data/b.lvl", 1, 2}});
    levelManager.setup();
    auto p = player();
    // What the title offers now and what "resume" answers, also after the game was closed and started again.
    auto resumes = [&](const char* what, const std::string& answer) {
        ASSERT_TRUE(p->save());
        const auto again = loadProfile(p->folder() + "/profile.dat");
        for (TProfile* q : {p.get(), again.get()}) {
            EXPECT_EQ(q->canContinue(), 1) << what;
            EXPECT_EQ(q->ContinueGame(), answer) << what;
        }
    };
    p->startNewGame();
    EXPECT_EQ(p->canContinue(), 0) << "a journey chosen but not begun";
    p->getNextLevel();
    resumes("in the opening story", "STORY-START");
    p->getNextLevel();
    resumes("at the first map stop", "MAPA");
    p->replayStory(*levelManager.casualLevels[0]);
    resumes("at the first map stop after seeing the opening story again", "MAPA");
    // The first level picked on the stage screen, won, and the game left on its win screen.
    p->setLevel(*levelManager.casualLevels[2]);
    p->updateLevelData(1, 1, 100, 10, 0, 1);
    p->levelFinished();
    resumes("the first level won, nothing in progress", "GET-NEXT-LEVEL");
    EXPECT_EQ(p->getNextLevel(), "MAIN-GAME");
    EXPECT_EQ(p->numerLevelu, 2) << "the journey goes on with the level after it";
}

// The map's "play on": the level in progress, that level again when its saved state was lost, or the
// journey's next entry after a map stop or a story; a player without a known journey has nothing to resume.
TEST_F(Flow, PlayOnGoesOnWithTheEntryInProgressOrTheNextOne) {
    writeFlow("flow_casual.dat", {{"MAPA", "", 1, 1},
                                  {"MAIN-GAME", "data/a.lvl", 1, 1},
                                  {"STORY-CAMP", "", 1, 0},
                                  {"MAIN-GAME", "data/b.lvl", 1, 2}});
    levelManager.setup();
    auto p = player();
    p->startNewGame();
    EXPECT_EQ(p->getNextLevel(), "MAPA");
    EXPECT_EQ(p->playOn(), "GET-NEXT-LEVEL");
    EXPECT_EQ(p->getNextLevel(), "MAIN-GAME");
    EXPECT_EQ(p->playOn(), "MAIN-GAME");
    p->actLevel = nullptr;  // its saved state could not be read
    EXPECT_EQ(p->playOn(), "RESTART-LEVEL");
    p->updateLevelData(1, 1, 10, 10, 0, 1);
    EXPECT_EQ(p->playOn(), "GET-NEXT-LEVEL") << "a won level goes on";
    EXPECT_EQ(p->getNextLevel(), "STORY-CAMP");
    EXPECT_EQ(p->playOn(), "GET-NEXT-LEVEL");
    EXPECT_EQ(p->canContinue(), 1);
    p->flowType = "";
    EXPECT_EQ(p->canContinue(), 0) << "no journey to go back to";
}

// An entry whose level its screen cannot make leaves the player's place and records as they were.
TEST_F(Flow, AnEntryWhoseLevelCannotBeMadeLeavesThePlaceAlone) {
    TLevelKind refusing;
    refusing.start = [](const TLevelData&) { return std::shared_ptr<TFlowLevel>(); };
    registerLevelKind("PUZZLE", refusing);
    writeFlow("flow_casual.dat", {{"MAIN-GAME", "data/a.lvl", 1, 1}, {"PUZZLE", "data/a.lvl", 1, 2}});
    levelManager.setup();
    auto p = player();
    p->startNewGame();
    p->getNextLevel();
    EXPECT_EQ(p->getNextLevel(), "PUZZLE");
    EXPECT_FALSE(p->actLevel);
    EXPECT_EQ(std::tie(p->numerLevelu, p->flowSequence), std::make_tuple(1, 2));
    EXPECT_EQ(p->levele.size(), 1u) << "no record for a level nobody could play";
}

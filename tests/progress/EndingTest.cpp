// The ending screen starts the player afresh only after a journey played to its end, and saves it so.
#include <gtest/gtest.h>

#include "FlowFixture.h"
#include "progress/EndingScreen.h"
#include "progress/Profile.h"

namespace {

using Ending = FlowFixture;

// Plays the player's flow from its start until the flow answers that it has ended.
void playToTheEnd(TProfile& p) {
    testing::internal::CaptureStdout();
    p.startNewGame();
    for (int i = 0; i < 10 && p.getNextLevel() != "END-OF-LEVELS"; ++i) {
        p.updateLevelData(p.numerLevelu, 1, 900, 42, 2, 3);
        p.levelFinished();
    }
    testing::internal::GetCapturedStdout();
}

}  // namespace

TEST_F(Ending, OnlyAJourneyPlayedToItsEndStartsAfreshAndIsSavedSo) {
    const struct {
        const char* name;
        std::vector<Entry> flow;
        bool reset;
    } cases[] = {
        {"played to the last entry",
         {{"MAIN-GAME", "data/a.lvl", 1, 1}, {"MAIN-GAME", "data/b.lvl", 1, 2}},
         true},
        {"cut short by an entry that cannot be read",
         {{"MAIN-GAME", "data/a.lvl", 1, 1}, {"", "data/lost.lvl", 1, 2}, {"MAIN-GAME", "data/c.lvl", 1, 3}},
         false},
        {"an empty flow", {}, false},
    };
    for (const auto& c : cases) {
        writeFlow("flow_casual.dat", c.flow);
        levelManager = TLevelManager();
        levelManager.setup();
        profileManager->listaProfili.clear();
        auto p = player();
        playToTheEnd(*p);
        p->score = 1234;
        const int reached = p->flowSequence;
        ASSERT_TRUE(p->save()) << c.name;
        TEndingScreen ending;
        ending.prepare();
        EXPECT_EQ(ending.journeyDone, c.reset) << c.name;
        ending.finish();
        const auto saved = loadProfile(p->folder() + "/profile.dat");
        for (const TProfile* q : {p.get(), saved.get()}) {
            EXPECT_EQ(q->score, c.reset ? 0 : 1234) << c.name;
            EXPECT_EQ(q->flowSequence, c.reset ? 0 : reached) << c.name;
        }
    }
}

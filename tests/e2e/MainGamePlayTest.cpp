// A shipped level played on the main game screen through the driver: solved with clicks and drags to
// the next level, or lost by wrong moves until the chest bursts.
#include <gtest/gtest.h>

#include <sstream>

#include "DriverRun.h"
#include "Grabs.h"

namespace {

class MainGamePlay : public ::testing::Test {
  protected:
    void SetUp() override {
        DriverRun look = runDriverWith("waitscreen MAIN-GAME\nquit\n", user, out, options);
        ASSERT_TRUE(findCellGrid(look.output, g)) << look.output;
    }
    TempDir user{"play-user"};
    TempDir out{std::string("play-") + ::testing::UnitTest::GetInstance()->current_test_info()->name(), true};
    std::string options = " --level data/levels/cat.lvl";
    CellGrid g;
};

TEST_F(MainGamePlay, SolvingTheLevelWithClicksAndDragsLeadsToTheNextLevel) {
    const auto picture = levelPicture("cat");
    std::ostringstream s;
    s << "waitscreen MAIN-GAME\nwait 48\ngrab opening-flight\nwait 175\n";
    for (int r = 0; r < static_cast<int>(picture.size()); ++r) {
        // Each run of equal cells: one click, or one drag along the run (left uncovers, right breaks).
        for (int c = 0; c < static_cast<int>(picture[r].size());) {
            const bool filled = picture[r][c] != '.';
            int end = c;
            while (end + 1 < static_cast<int>(picture[r].size()) && (picture[r][end + 1] != '.') == filled)
                ++end;
            const char* button = filled ? "left" : "right";
            if (end == c) {
                s << "click " << g.x(c) << " " << g.y(r) << " " << button << "\n";
            } else if (r == 3) {  // one drag held still for a picture of its labels
                s << "move " << g.x(c) << " " << g.y(r) << "\npress " << button << "\nmove " << g.x(end)
                  << " " << g.y(r) << "\nwait 2\ngrab drag-labels\nrelease " << button << "\n";
            } else {
                s << "drag " << g.x(c) << " " << g.y(r) << " " << g.x(end) << " " << g.y(r) << " 6 " << button
                  << "\n";
            }
            c = end + 1;
        }
    }
    s << "wait 30\ngrab finished-picture\nwaitscreen GET-NEXT-LEVEL 1200\n";
    DriverRun run = runDriverWith(s.str(), user, out, options);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("screen: GET-NEXT-LEVEL")) << run.output;
    EXPECT_FALSE(run.has("screen: RESTART-LEVEL"));
}

TEST_F(MainGamePlay, WrongMovesBurstTheChestAndTheLevelStartsAgain) {
    // Five mistakes are tolerated: the sixth wrong move bursts the chest. The hand on empty cells.
    const auto picture = levelPicture("cat");
    std::ostringstream s;
    s << "waitscreen MAIN-GAME\nwait 200\n";
    int wrong = 0;
    for (int r = 0; r < 10 && wrong < 6; ++r)
        for (int c = 0; c < 10 && wrong < 6; ++c)
            if (picture[r][c] == '.') {
                s << "click " << g.x(c) << " " << g.y(r) << " left\nwait 40\n";
                if (++wrong == 1) s << "wait 95\ngrab stone-hits-chest\n";
            }
    s << "waitscreen RESTART-LEVEL 1200\n";
    DriverRun run = runDriverWith(s.str(), user, out, options);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("screen: RESTART-LEVEL")) << run.output;
}

}  // namespace

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
    // All the cells, with the gaps between their blocks of five.
    Rect grid() const { return span(g.cell(0, 0, 0), g.cell(9, 9, 0)); }
    TempDir user{"play-user"};
    TempDir out{std::string("play-") + ::testing::UnitTest::GetInstance()->current_test_info()->name(), true};
    std::string options = " --level data/levels/cat.lvl";
    CellGrid g;
};

// The chest on the panel, and the number of mistakes above it.
constexpr Rect kChest{815, 400, 180, 170}, kMistakeCount{900, 356, 30, 24};

TEST_F(MainGamePlay, SolvingTheLevelWithClicksAndDragsLeadsToTheNextLevel) {
    const auto picture = levelPicture("cat");
    ASSERT_EQ(picture.size(), 10u);
    std::ostringstream s;
    s << "waitscreen MAIN-GAME\nwait 48\ngrab opening-flight\nwait 175\ngrab covered\n";
    for (int r = 0; r < 10; ++r) {
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
                s << "grab before-drag\nmove " << g.x(c) << " " << g.y(r) << "\npress " << button << "\nmove "
                  << g.x(end) << " " << g.y(r) << "\nwait 2\ngrab drag-labels\nrelease " << button << "\n";
            } else {
                s << "drag " << g.x(c) << " " << g.y(r) << " " << g.x(end) << " " << g.y(r) << " 6 " << button
                  << "\n";
            }
            c = end + 1;
        }
    }
    s << "wait 30\ngrab finished-picture\nitem play 1200\nwaitscreen GET-NEXT-LEVEL 1200\n";
    DriverRun run = runDriverWith(s.str(), user, out, options);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("screen: GET-NEXT-LEVEL")) << run.output;
    EXPECT_FALSE(run.has("screen: RESTART-LEVEL"));

    auto flight = loadGrab(out, "opening-flight"), covered = loadGrab(out, "covered");
    auto beforeDrag = loadGrab(out, "before-drag"), drag = loadGrab(out, "drag-labels");
    auto finished = loadGrab(out, "finished-picture");
    ASSERT_TRUE(flight && covered && beforeDrag && drag && finished);

    // The cells are still on their way: the grid is not laid yet, and they rise from the floor below it.
    const Rect floor{grid().x, grid().y + grid().h - 15, grid().w, 90};
    EXPECT_GT(meanDifference(flight, covered, grid()), 20);
    EXPECT_GT(meanDifference(flight, covered, floor), 5);

    // While the drag along row 3 is held, each of its cells carries its count.
    for (int c = 0; c < 10; ++c) EXPECT_GT(meanDifference(beforeDrag, drag, g.cell(3, c, 6)), 15) << c;
    // The row below has none. Its end columns are left out: the column where the drag began, or the one
    // under the pointer, is lit.
    EXPECT_LT(meanDifference(beforeDrag, drag, span(g.cell(4, 1, 6), g.cell(4, 8, 6))), 1.0);

    // Covered, the cells of the picture look like the empty ones; finished, the cat's black cells stand
    // dark among the light empty ones. Floating scores and sparkles cross some cells, so the two kinds are
    // compared on average.
    auto meanOf = [&](const eng::Pixmap& grab, char kind) {
        double sum = 0;
        int n = 0;
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 10; ++c)
                if (picture[r][c] == kind) {
                    sum += meanBrightness(grab, g.cell(r, c, 6));
                    ++n;
                }
        return sum / n;
    };
    EXPECT_NEAR(meanOf(covered, 'K'), meanOf(covered, '.'), 5);
    EXPECT_GT(meanOf(finished, '.'), meanOf(finished, 'K') + 50);
}

TEST_F(MainGamePlay, WrongMovesBurstTheChestAndTheLevelStartsAgain) {
    // Five mistakes are tolerated: the sixth wrong move bursts the chest. The hand on empty cells.
    const auto picture = levelPicture("cat");
    std::ostringstream s;
    s << "waitscreen MAIN-GAME\nwait 200\ngrab before-mistake\n";
    int wrong = 0;
    for (int r = 0; r < 10 && wrong < 6; ++r)
        for (int c = 0; c < 10 && wrong < 6; ++c)
            if (picture[r][c] == '.') {
                s << "click " << g.x(c) << " " << g.y(r) << " left\nwait 40\n";
                if (++wrong == 1) s << "wait 95\ngrab stone-hits-chest\n";
            }
    s << "item restart 1200\nwaitscreen RESTART-LEVEL 1200\n";
    DriverRun run = runDriverWith(s.str(), user, out, options);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("screen: RESTART-LEVEL")) << run.output;

    // The first mistake's stone has struck the chest, and the count of mistakes has gone up. The chest
    // stands still otherwise, so the little its cracks and the fallen chips change is enough.
    auto before = loadGrab(out, "before-mistake"), hit = loadGrab(out, "stone-hits-chest");
    ASSERT_TRUE(before && hit);
    EXPECT_GT(meanDifference(before, hit, kChest), 0.6);
    EXPECT_GT(meanDifference(before, hit, kMistakeCount), 8);
}

}  // namespace

// A level played through the driver by a profile far enough in its flow to own every power-up: each of
// the six is used, two hints are taken, the level is won and the win screen's statistics are looked at;
// and a burst chest answered with the way to the title.
#include <gtest/gtest.h>

#include <sstream>

#include "DriverRun.h"
#include "Grabs.h"

namespace {

class PowerUpPlay : public ::testing::Test {
  protected:
    void SetUp() override {
        DriverRun look = runDriverWith("waitscreen MAIN-GAME\nquit\n", user, out, options);
        ASSERT_TRUE(findCellGrid(look.output, g)) << look.output;
    }
    std::string at(int r, int c) const { return std::to_string(g.x(c)) + " " + std::to_string(g.y(r)); }
    TempDir user{"powerup-user"};
    TempDir out{std::string("powerup-") + ::testing::UnitTest::GetInstance()->current_test_info()->name(),
                true};
    std::string options = " --level data/levels/cat.lvl --at 5 1";
    CellGrid g;
};

// The win screen's panel, where the result or the statistics stand.
constexpr Rect kPanelText{180, 150, 440, 450};

size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

TEST_F(PowerUpPlay, EverySixPowerUpsAndTwoHintsThenTheWinScreen) {
    const auto picture = levelPicture("cat");
    ASSERT_EQ(picture.size(), 10u);
    std::ostringstream s;
    s << "waitscreen MAIN-GAME\nwait 230\ngrab covered\n";
    s << "item bonus1\nwait 25\ngrab sword\nwait 200\n";
    s << "item bonus2\nwait 30\ngrab medallion\nwait 150\n";
    s << "item bonus3\nmove " << at(3, 5) << "\nwait 10\ngrab map\nclick " << at(3, 5) << "\nwait 60\n";
    s << "item bonus4\nmove " << at(5, 2) << "\nwait 10\ngrab eye\nclick " << at(5, 2) << " right\nwait 8\n"
      << "grab eye-back\nwait 40\nitem bonus4\nclick " << at(5, 2) << "\nwait 60\n";
    s << "item bonus5\nclick " << at(8, 5) << "\nwait 60\n";
    // A wrong move: its stone drops into the bag.
    s << "click " << at(0, 4) << "\nwait 120\ngrab bag\n";
    s << "click 840 630\nwait 12\ngrab hint\nwait 60\nclick 945 630\nwait 60\n";
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 10; ++c)
            if (picture[r][c] != '.') s << "click " << at(r, c) << "\n";
    // The trophies this win earns (a level without a mistake, a level played again, every power-up, the
    // last stage reached), then the award screen that opens by itself the first time.
    s << "wait 280\ngrab win-rollup\n";
    for (int i = 0; i < 4; ++i) s << "item ok 900\n";
    s << "item OK 900\nwait 60\ngrab win-result\n";
    s << "click 415 578\nwait 50\ngrab win-statistics\nclick 415 578\nwait 50\ngrab win-result-again\n";
    s << "item play 600\nwaitscreen GET-NEXT-LEVEL 600\n";
    DriverRun run = runDriverWith(s.str(), user, out, options);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("screen: GET-NEXT-LEVEL")) << run.output;
    EXPECT_FALSE(run.has("screen: RESTART-LEVEL"));

    const auto covered = loadGrab(out, "covered"), map = loadGrab(out, "map"), eye = loadGrab(out, "eye");
    const auto result = loadGrab(out, "win-result"), stats = loadGrab(out, "win-statistics");
    const auto again = loadGrab(out, "win-result-again");
    ASSERT_TRUE(covered && map && eye && result && stats && again);
    // A held tool lights the cells it would reveal.
    EXPECT_GT(meanBrightness(map, g.cell(3, 5, 4)), meanBrightness(covered, g.cell(3, 5, 4)) + 10);
    EXPECT_GT(meanBrightness(eye, g.cell(0, 2, 4)), meanBrightness(covered, g.cell(0, 2, 4)) + 10);
    // The text toggles the statistics and back.
    EXPECT_GT(meanDifference(result, stats, kPanelText), 4);
    EXPECT_LT(meanDifference(result, again, kPanelText), meanDifference(result, stats, kPanelText) / 2);
}

TEST_F(PowerUpPlay, ABurstChestAnsweredWithTheTitleLeavesTheLevel) {
    std::ostringstream s;
    s << "waitscreen MAIN-GAME\nwait 230\n";
    // Nine wrong moves: five for the chest, three for the bag, one more bursts it.
    const int empties[9][2] = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6}, {0, 7}, {0, 8}, {1, 2}};
    for (const auto& e : empties) s << "click " << at(e[0], e[1]) << "\nwait 40\n";
    s << "item mainMenu 1500\nwait 60\n";
    DriverRun run = runDriverWith(s.str(), user, out, options);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(count(run.output, "screen: MAIN-MENU"), 2u) << run.output;
    EXPECT_FALSE(run.has("screen: RESTART-LEVEL"));
}

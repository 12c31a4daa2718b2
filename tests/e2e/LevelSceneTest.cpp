// A shipped level played by mouse clicks on the driver's level scene, from the opening flight to the end.
#include <gtest/gtest.h>

#include <sstream>

#include "DriverRun.h"
#include "Grabs.h"

namespace {

TEST(LevelScene, ALevelPlayedByClicksEndsWithItsPictureAndEveryPointPaid) {
    const TempDir user("scene-user"), out("scene-out", true);
    const std::string level = " --scene data/levels/ankh.lvl";
    // First run: where the cells land.
    DriverRun look = runDriverWith("waitscreen MAIN-MENU\nwait 120\nquit\n", user, out, level);
    CellGrid g;
    ASSERT_TRUE(findCellGrid(look.output, g)) << look.output;

    // Second run: the hand on every picture cell, the hook on every empty one, one wrong move first.
    const auto picture = levelPicture("ankh");
    ASSERT_EQ(picture.size(), 5u);
    std::ostringstream script;
    script << "waitscreen MAIN-MENU\nwait 120\n";
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) {
            const bool filled = picture[r][c] != '.';
            const bool wrong = r == 0 && c == 0;  // an empty cell uncovered by hand
            script << "click " << g.x(c) << " " << g.y(r) << " " << ((filled != wrong) ? "left" : "right")
                   << "\n";
        }
    script << "wait 250\ngrab ankh-finished\nkey s\nwait 2\nquit\n";  // once the completion caption has gone
    DriverRun play = runDriverWith(script.str(), user, out, level);
    EXPECT_EQ(play.exitCode, 0) << play.output;
    EXPECT_TRUE(play.has("scene: level completed")) << play.output;
    EXPECT_TRUE(play.has("scene: score 600")) << play.output;  // 24 right moves of 25

    // The picture stands in gold and the empty cells, the wrongly uncovered one too, are gone: the blue
    // background shows. Gold is yellow: its green lies two thirds of the way from blue up to red. A covered
    // cell's brown is as warm, but its green lies below halfway, however brightly it is lit.
    auto finished = loadGrab(out, "ankh-finished");
    ASSERT_TRUE(finished);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) {
            const Colour cell = meanColour(finished, g.cell(r, c, 8));
            const bool gold = cell.r > cell.b + 50 && cell.g - cell.b > 0.57 * (cell.r - cell.b);
            const bool background = cell.b > cell.r + 20;
            EXPECT_TRUE(picture[r][c] != '.' ? gold : background)
                << "cell " << r << "," << c << ": " << cell.r << " " << cell.g << " " << cell.b;
        }
}

}  // namespace

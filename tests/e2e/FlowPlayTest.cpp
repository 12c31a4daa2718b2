// A new player from a fresh per-user folder: names themselves, chooses the casual journey, solves its levels
// with a bot that reads each level's file, quits from the in-game menu, and on the next start resumes the
// level in progress with the cells they had uncovered.
#include <gtest/gtest.h>

#include "DriverDialogue.h"
#include "DriverRun.h"
#include "Grabs.h"
#include "LevelBot.h"

namespace {

double brightness(const eng::Pixmap& pm, const CellGrid& g, int r, int c) {
    return meanColour(pm, g.cell(r, c, 8)).brightness();
}

}  // namespace

TEST(FlowPlay, ANewPlayerPlaysTheCasualJourneyQuitsAndResumesTheLevelInProgress) {
    TempDir user{"flow-user"}, out{"flow-grabs", true};
    LevelLine third;
    std::vector<std::pair<int, int>> uncovered;
    {
        DriverDialogue d(user, out);
        size_t seen = 0;
        d.must("waitscreen MAIN-MENU");
        d.must("wait 60");
        d.must("type bot");
        d.must("grab name-entry");
        d.must("item ok");
        d.must("wait 150");
        d.must("grab title");
        d.must("item play");
        d.must("wait 40");
        d.must("grab flow-choice");
        d.must("item casual");
        d.must("item skip 600");  // the opening story
        // The journey's first stop is the map; from there the flow goes on.
        d.must("waitscreen MAPA 3000");
        d.must("item playnext");
        // The first two pictures are the tutorial's; each is solved, and the next one opens.
        for (int level = 0; level < 2; ++level) {
            const LevelLine l = nextLevel(d, seen);
            // This bot knows the game: it turns the tutorial's tips off on the first picture.
            if (level == 0) d.must("item skip 300");
            EXPECT_GT(uncover(d, l, -1), 0);
            d.must("item play 1200");  // the win screen
            EXPECT_NE(d.say("waitscreen GET-NEXT-LEVEL 1200").find("screen: GET-NEXT-LEVEL"),
                      std::string::npos)
                << d.transcript();
        }
        third = nextLevel(d, seen);
        EXPECT_EQ(uncover(d, third, 3, &uncovered), 3);
        d.must("move 700 700");  // no cell lit by the pointer
        d.must("wait 150");      // the uncovered cells and their treasures settle
        d.must("grab before-quit");
        d.must("item menu");
        d.must("wait 30");
        d.must("grab options-over-game");
        d.must("item mainMenu");
        d.must("waitscreen MAIN-MENU");
        d.must("item exit");
        d.must("wait 30");
        d.must("grab exit-question");
        d.must("item yes");
        d.say("wait 300");  // the game ends by itself meanwhile
        EXPECT_EQ(d.finish(), 0) << d.transcript();
        EXPECT_NE(d.transcript().find("end: game"), std::string::npos) << d.transcript();
    }
    {
        DriverDialogue d(user, out);
        size_t seen = 0;
        d.must("waitscreen MAIN-MENU");
        d.must("wait 150");
        d.must("grab title-again");
        d.must("item play");
        d.must("wait 40");
        d.must("grab resume-question");
        d.must("item resume");
        const LevelLine l = nextLevel(d, seen);
        EXPECT_EQ(l.name, third.name) << "the level in progress comes back";
        d.must("move 700 700");
        d.must("wait 2");
        d.must("grab resumed");
        d.say("quit");
    }
    // The cells uncovered before quitting are uncovered again; the rest of the picture is still covered.
    const auto before = loadGrab(out, "before-quit"), after = loadGrab(out, "resumed");
    ASSERT_TRUE(before && after);
    const auto picture = levelPicture(third.name);
    int covered = -1;
    for (int c = 0; c < third.cols && covered < 0; ++c)
        if (picture[third.rows - 1][c] != '.') covered = c;
    ASSERT_GE(covered, 0);
    const double coveredLook = brightness(after, third.grid, third.rows - 1, covered);
    for (auto [r, c] : uncovered) {
        EXPECT_NEAR(brightness(after, third.grid, r, c), brightness(before, third.grid, r, c), 12)
            << r << "," << c;
        EXPECT_GT(std::abs(brightness(after, third.grid, r, c) - coveredLook), 12) << r << "," << c;
    }
}

// The tutorial played through the driver: a new player follows every tip of the first picture, doing what
// each asks, until the picture is complete; a second run with the same player shows that those tips stay
// gone and the picture is played freely.
#include <gtest/gtest.h>

#include <string>

#include "DriverDialogue.h"
#include "DriverRun.h"
#include "Grabs.h"

namespace {

// The centre of cell (r, c) of the golden ankh, as the driver reports its grid.
std::string at(int r, int c) {
    return std::to_string(304 + 50 * c) + " " + std::to_string(319 + 50 * r);
}

}  // namespace

TEST(TutorialPlay, ANewPlayerFollowsTheTipsOfTheFirstPictureAndSeenTipsStayGone) {
    TempDir user{"tutorial-user"}, out{"tutorial-grabs", true};
    {
        DriverDialogue d(user, out, {"--level", "data/levels/ankh.lvl", "--tips"});
        d.must("waitscreen MAIN-GAME");
        d.must("wait 200");
        d.must("grab tip-welcome");
        d.must("click 640 160");  // "click anywhere"
        d.must("wait 60");
        d.must("grab tip-row");
        for (int c = 0; c < 5; ++c) d.must("click " + at(2, c)), d.must("wait 8");
        d.must("wait 90");
        d.must("grab tip-hook");
        for (int c : {0, 4})
            for (int r : {0, 1, 3, 4}) d.must("click " + at(r, c) + " right"), d.must("wait 8");
        d.must("wait 150");
        d.must("grab tip-example");
        d.must("wait 240");
        d.must("grab tip-three");
        for (int c = 1; c <= 3; ++c) d.must("click " + at(0, c)), d.must("wait 8");
        d.must("wait 90");
        d.must("grab tip-gap");
        d.must("click " + at(1, 1));
        d.must("click " + at(1, 3));
        d.must("click " + at(1, 2) + " right");
        d.must("wait 90");
        d.must("grab tip-finish");
        d.must("click 640 160");
        d.must("wait 40");
        for (int r : {3, 4}) {
            d.must("click " + at(r, 2));
            d.must("click " + at(r, 1) + " right");
            d.must("click " + at(r, 3) + " right");
        }
        // The win screen has a word of its own for a first picture; the click on "play" goes on.
        d.must("wait 300");
        d.must("grab tip-first-win");
        d.must("item play 1200");
        const std::string won = d.say("waitscreen GET-NEXT-LEVEL 600");
        EXPECT_NE(won.find("screen: GET-NEXT-LEVEL"), std::string::npos) << d.transcript();
        d.say("wait 30");
        EXPECT_EQ(d.finish(), 0) << d.transcript();
    }
    // Each tip showed its band at the top while it was on.
    const Rect band{40, 62, 760, 56};
    for (const char* grab : {"tip-row", "tip-hook", "tip-three", "tip-gap", "tip-finish"}) {
        const auto pm = loadGrab(out, grab);
        ASSERT_TRUE(pm) << grab;
        EXPECT_LT(meanBrightness(pm, band), 110) << grab << ": the dark band of a tip";
    }
    // The same player again: the tips seen are gone, and the picture is played freely at once.
    {
        DriverDialogue d(user, out, {"--level", "data/levels/ankh.lvl"});
        d.must("waitscreen MAIN-GAME");
        d.must("wait 200");
        d.must("grab second-visit");
        d.must("click " + at(2, 2));
        d.must("wait 60");
        d.must("grab second-visit-played");
        d.say("quit");
    }
    const auto first = loadGrab(out, "tip-welcome"), second = loadGrab(out, "second-visit");
    ASSERT_TRUE(first && second);
    EXPECT_GT(meanBrightness(second, band), meanBrightness(first, band) + 15)
        << "no tip band the second time";
    EXPECT_GT(meanDifference(loadGrab(out, "second-visit"), loadGrab(out, "second-visit-played"),
                             Rect{379, 394, 50, 50}),
              10)
        << "a cell takes a click without any tip";
}

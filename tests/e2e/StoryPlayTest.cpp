// The story played through the driver: the opening slide show hurried by clicks, a cutscene with its
// dialogs handing over to the level it belongs before, and the outro through the credits to the ending.
#include <gtest/gtest.h>

#include "DriverDialogue.h"
#include "DriverRun.h"
#include "Grabs.h"

namespace {

// Clicks (away from the skip button) until the driver names `screen`, at most `tries` times; whether it did.
bool clickUntil(DriverDialogue& d, const std::string& screen, int tries) {
    for (int i = 0; i < tries; ++i) {
        if (d.say("click 512 200").find("screen: " + screen) != std::string::npos) return true;
        if (d.say("wait 40").find("screen: " + screen) != std::string::npos) return true;
    }
    return false;
}

}  // namespace

TEST(StoryPlay, TheOpeningStoryIsHurriedByClicksAndLeadsToTheMap) {
    TempDir user{"story-user"}, out{"story-grabs", true};
    DriverDialogue d(user, out, {"--story", "STORY-START"});
    d.must("waitscreen STORY-START");
    d.must("wait 120");
    d.must("grab opening-1");
    d.must("wait 400");
    d.must("grab opening-1-later");
    // Each click completes the picture that is running and starts the next; a click on the last one starts
    // the next part at once.
    for (int clicks : {2, 5}) {
        for (int i = 0; i < clicks; ++i) d.must("click 512 200"), d.must("wait 20");
        d.must("wait 100");
        d.must("grab opening-" + std::to_string(clicks == 2 ? 2 : 3));
    }
    EXPECT_TRUE(clickUntil(d, "MAPA", 40)) << d.transcript();
    d.say("quit");
    for (const char* grab : {"opening-1", "opening-1-later", "opening-2", "opening-3"}) {
        const auto pm = loadGrab(out, grab);
        ASSERT_TRUE(pm) << grab;
        EXPECT_GT(meanBrightness(pm, Rect{60, 60, 904, 580}), 25) << grab << ": a picture, not black";
    }
    EXPECT_GT(meanDifference(loadGrab(out, "opening-1"), loadGrab(out, "opening-3")), 10)
        << "the parts show different pictures";
}

TEST(StoryPlay, ACutsceneSpeaksOverItsPicturesAndTheLevelAfterItStartsWithItsOwnDialog) {
    TempDir user{"story-user"}, out{"cutscene-grabs", true};
    DriverDialogue d(user, out, {"--story", "STORY-TABLET-READ"});
    d.must("waitscreen STORY-TABLET-READ");
    d.must("wait 30");
    d.must("grab tablet");
    d.must("wait 70");
    d.must("wait 40");
    d.must("grab tablet-dialog");
    EXPECT_TRUE(clickUntil(d, "PUZZLE-EXPRESS", 12)) << d.transcript();
    // The chest puzzle of the same stage opens with the conversation bound to its start.
    d.must("wait 120");
    d.must("grab chest-dialog");
    d.say("quit");
    const auto picture = loadGrab(out, "tablet"), spoken = loadGrab(out, "tablet-dialog");
    ASSERT_TRUE(picture && spoken);
    EXPECT_GT(meanBrightness(picture, Rect{60, 60, 904, 520}), 25);
    const Rect band{56, 606, 912, 100};
    EXPECT_LT(meanBrightness(spoken, band), meanBrightness(picture, band)) << "the line's dark band";
    EXPECT_TRUE(loadGrab(out, "chest-dialog"));
}

TEST(StoryPlay, TheOutroEndsTheJourneyWithTheCreditsAndTheEnding) {
    TempDir user{"story-user"}, out{"outro-grabs", true};
    DriverDialogue d(user, out, {"--story", "STORY-OUTRO"});
    d.must("waitscreen STORY-OUTRO");
    d.must("wait 90");
    d.must("grab outro-slides");
    EXPECT_TRUE(clickUntil(d, "CREDITS", 120)) << d.transcript();
    d.must("wait 120");
    d.must("grab credits");
    d.must("click 512 400");
    d.must("waitscreen END-OF-LEVELS 300");
    d.must("wait 60");
    d.must("grab ending");
    d.must("click 512 400");
    d.say("wait 200");
    EXPECT_EQ(d.finish(), 0) << d.transcript();
    const std::string& t = d.transcript();
    EXPECT_LT(t.find("screen: CREDITS"), t.find("screen: END-OF-LEVELS")) << t;
    EXPECT_NE(t.find("end: game"), std::string::npos) << "the title ends the driver's story run\n" << t;
}

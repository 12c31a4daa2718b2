// The screen switcher: its flow operations, upper-casing, and the safe answer to names it cannot run.
#include <gtest/gtest.h>

#include "app/Control.h"
#include "app/ScreenRegistry.h"
#include "engine/Engine.h"
#include "progress/ProfileManager.h"
#include "screen/Ekran.h"

TEST(Control, NamesAreUpperCasedAndUnknownOnesGoToTheTitle) {
    TScreenSwitcher c;
    std::vector<std::string> ran;
    c.table = {{"MAIN-MENU",
                [&] {
                    ran.push_back("menu");
                    return std::string("story-unwritten");
                }},
               {"STORY-UNWRITTEN", nullptr},
               {"MAPA", [&] {
                    ran.push_back("map");
                    return std::string("END");
                }}};
    c.setWhere("mapa");
    EXPECT_EQ(c.where, "MAPA");
    EXPECT_TRUE(c.step());
    EXPECT_EQ(c.where, "END");

    c.setWhere("Main-Menu");
    EXPECT_TRUE(c.step());
    EXPECT_EQ(c.where, "STORY-UNWRITTEN");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(c.step());  // a screen without an object yet
    EXPECT_EQ(c.where, "MAIN-MENU");
    c.setWhere("NO-SUCH-SCREEN");
    EXPECT_FALSE(c.step());
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(c.where, "MAIN-MENU");
    EXPECT_NE(out.find("NO-SUCH-SCREEN"), std::string::npos);
    EXPECT_EQ(ran, (std::vector<std::string>{"map", "menu"}));
}

TEST(Control, SwitchingFlushesPendingInput) {
    TScreenSwitcher c;
    eng::InjectKey(27, true);
    eng::InjectKey(27, false);
    eng::InjectMouseButton(1, true);
    eng::InjectMouseButton(1, false);
    c.setWhere("MAIN-MENU");
    EXPECT_EQ(eng::KeyHit(27), 0);
    EXPECT_EQ(eng::MouseHit(1), 0);
}

TEST(Control, LevelNamesWithoutAProfileGoToTheTitle) {
    TScreenSwitcher c;
    for (const char* name : {"START-NEW-GAME", "GET-NEXT-LEVEL", "RESTART-LEVEL"}) {
        c.setWhere(name);
        c.step();
        EXPECT_EQ(c.where, "MAIN-MENU") << name;
    }
}

TEST(Control, WithoutATitleScreenTheGameEndsInsteadOfLooping) {
    TScreenSwitcher c;
    c.table.clear();
    c.setWhere("MAIN-MENU");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(c.step());
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(c.where, "END");
}

namespace {

// A story that ends at once with what the opening story answers.
struct QuickStory : TEkran {
    int runs = 0;
    std::string mainLoop() override {
        ++runs;
        return "GET-NEXT-LEVEL";
    }
};

}  // namespace

// A story picked on the stage screen plays and leads back to the map, the journey where it was; the
// journey's own stories go on with its next entry. Both kinds of story: a cutscene made for its visit and the
// opening story's screen.
TEST(Control, AStorySeenAgainFromTheMapLeadsBackToTheMap) {
    QuickStory opening;
    int cutsceneRuns = 0;
    TScreenEntry* camp = nullptr;
    TScreenEntry* start = nullptr;
    for (TScreenEntry& e : screens.entries) {
        if (e.name == "STORY-CAMP") camp = &e;
        if (e.name == "STORY-START") start = &e;
    }
    ASSERT_TRUE(camp && start);
    const auto campMake = camp->make;
    TEkran* const startScreen = start->screen;
    camp->make = [&] {
        ++cutsceneRuns;
        return new QuickStory();
    };
    start->screen = &opening;
    profileManager = std::make_shared<TProfileManager>();
    auto p = std::make_shared<TProfile>();
    profileManager->profile = p;
    p->flowSequence = 2;
    p->gameType = "MAPA";

    TScreenSwitcher c;
    for (const char* name : {"STORY-CAMP", "STORY-START"}) {
        TLevelData story;
        story.nr = 8;
        story.gameType = name;
        story.stageN = 1;
        p->replayStory(story);
        c.setWhere(name);
        EXPECT_TRUE(c.step());
        EXPECT_EQ(c.where, "MAPA") << name << " seen again";
        EXPECT_EQ(p->flowSequence, 2) << name;
        EXPECT_EQ(p->gameType, "MAPA") << name;
        c.setWhere(name);
        EXPECT_TRUE(c.step());
        EXPECT_EQ(c.where, "GET-NEXT-LEVEL") << name << " on the journey";
    }
    EXPECT_EQ(cutsceneRuns, 2);
    EXPECT_EQ(opening.runs, 2);
    camp->make = campMake;
    start->screen = startScreen;
    profileManager = nullptr;
}

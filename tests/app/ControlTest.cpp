// The screen switcher: its flow operations, upper-casing, and the safe answer to names it cannot run.
#include <gtest/gtest.h>

#include "app/Control.h"
#include "engine/Engine.h"

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

// The title's logo bounce and the credits' line markers.
#include <gtest/gtest.h>

#include "progress/Credits.h"
#include "progress/MainMenu.h"

TEST(Title, TheLogoBouncesLowerEachTimeUntilItRests) {
    TMainMenu menu;
    menu._prepareLogoJump();
    std::vector<float> heights{menu.jump};
    for (int i = 0; i < 8; ++i) {
        menu.cutJump();
        heights.push_back(menu.jump);
    }
    const std::vector<float> expected{400, 160, 64, 25.6f, 10.24f, 4.096f, 1.6384f, 0, 0};
    ASSERT_EQ(heights.size(), expected.size());
    for (size_t i = 0; i < heights.size(); ++i) EXPECT_NEAR(heights[i], expected[i], 1e-3) << i;
    EXPECT_FLOAT_EQ(menu.jSpeed, 1.0f) << "the bounce quickens, at most one step per frame";
}

TEST(Title, CreditLinesTakeTheirSizeFromTheirMarkers) {
    const struct {
        const char* line;
        const char* text;
        int font;
    } cases[] = {{"Programming", "Programming", 0},
                 {"#Fonts", "Fonts", 1},
                 {"$Tazmira", "Tazmira", 2},
                 {"#$Both", "Both", 2},
                 {"", "", 0},
                 {"$#Kept", "#Kept", 2}};
    for (const auto& c : cases) {
        const TCreditData d = TCredits::parseLine(c.line);
        EXPECT_EQ(d.txt, c.text) << c.line;
        EXPECT_EQ(d.font, c.font) << c.line;
    }
}

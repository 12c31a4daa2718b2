// The title's logo bounce, its buttons sliding in, and the credits' line markers.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ScreenFixture.h"
#include "core/Globals.h"
#include "progress/Credits.h"
#include "progress/MainMenu.h"

namespace {

// Frames at exactly 60 per second.
struct SteadyFrames {
    float saved = frameDelta;
    SteadyFrames() { frameDelta = 1; }
    ~SteadyFrames() { frameDelta = saved; }
};

// The title set up from the program folder, with or without an award screen to offer.
struct ShownTitle {
    TMainMenu menu;
    explicit ShownTitle(bool awards) {
        fixture::headlessGame();
        fixture::releaseInput();
        if (awards) TMainMenu::awardScreen = [](TEkran&) {};
        menu.setup();
        menu.prepare();
    }
    ~ShownTitle() { TMainMenu::awardScreen = nullptr; }
    // Runs frames until the logo's drop, when the buttons start to slide in.
    void untilTheDrop() {
        for (int i = 0; i < 200 && eng::MilliSecs() < menu.logoStart; ++i) fixture::frame(menu);
        ASSERT_GE(eng::MilliSecs(), menu.logoStart);
    }
    std::vector<float> shownRows() const {
        std::vector<float> rows;
        for (const auto& item : menu.Gui->_listaObiektow)
            if (item->_v) rows.push_back(item->dim->y);
        return rows;
    }
};

}  // namespace

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

TEST(Title, TheLogoDropsAndEachBounceTopsOutTwoAndAHalfTimesLowerUntilItRests) {
    SteadyFrames steady;
    TMainMenu menu;
    menu._prepareLogoJump();
    const float drop = menu.jump;
    menu.logoStart = eng::MilliSecs();  // the drop starts at once
    std::vector<float> tops;            // the height at the start of the drop and at every bounce's top
    menu._updateLogo();
    tops.push_back(menu.jumpH);
    float lowest = menu.jumpH, before = menu.jumpH;
    bool rising = false;
    for (int i = 0; i < 2000; ++i) {
        menu._updateLogo();
        if (menu.jumpH > before) rising = true;
        if (rising && menu.jumpH < before) {
            tops.push_back(before);
            rising = false;
        }
        lowest = std::min(lowest, menu.jumpH);
        before = menu.jumpH;
    }
    ASSERT_GE(tops.size(), 5u);
    EXPECT_NEAR(tops[0], drop, drop * 0.01f) << "the drop starts from the top";
    EXPECT_NEAR(tops[1], drop / 2.5f, 1e-3);
    for (size_t k = 2; k < tops.size(); ++k) EXPECT_NEAR(tops[k], tops[k - 1] / 2.5f, 1e-3) << "bounce " << k;
    EXPECT_EQ(lowest, 0) << "it touches the ground and never sinks below it";
    EXPECT_EQ(menu.jump, 0);
    EXPECT_EQ(menu.jumpH, 0);
}

TEST(Title, ButtonsSlideInFromTheRightOneAfterAnotherInTheFileOrder) {
    ShownTitle title(true);
    const auto& items = title.menu.Gui->_listaObiektow;
    ASSERT_EQ(items.size(), 4u);
    const std::vector<float> rows = title.shownRows();
    constexpr float kHome = 705, kOut = 705 + 550;
    // Before the logo drops, the buttons wait off the screen from the first frame on.
    for (int f = 0; f < 3; ++f) {
        fixture::frame(title.menu);
        for (const auto& item : items) EXPECT_EQ(item->dim->x, kOut) << item->_id << ", frame " << f;
    }
    title.untilTheDrop();
    std::vector<int> started(items.size(), -1), arrived(items.size(), -1);
    for (int f = 0; f < 150; ++f) {
        fixture::frame(title.menu);
        for (size_t i = 0; i < items.size(); ++i) {
            const float x = items[i]->dim->x;
            EXPECT_GE(x, kHome) << items[i]->_id << ", frame " << f;
            EXPECT_LE(x, kOut) << items[i]->_id << ", frame " << f;
            if (started[i] < 0 && x < kOut) started[i] = f;
            if (arrived[i] < 0 && x == kHome) arrived[i] = f;
            if (i > 0) {
                EXPECT_GE(x, items[i - 1]->dim->x) << items[i]->_id << " passed the one above, frame " << f;
            }
        }
    }
    for (size_t i = 0; i < items.size(); ++i) {
        ASSERT_GE(arrived[i], 0) << items[i]->_id;
        if (i > 0) {
            EXPECT_GT(started[i], started[i - 1]) << items[i]->_id;
            EXPECT_GT(arrived[i], arrived[i - 1]) << items[i]->_id;
        }
    }
    EXPECT_EQ(title.shownRows(), rows) << "each button keeps its row";
}

TEST(Title, TheAwardsButtonShowsOnlyWithAnAwardScreenAndAHiddenOneLeavesNoGap) {
    ShownTitle title(false);
    const std::vector<float> rows = title.shownRows();
    ASSERT_EQ(rows.size(), 4u);
    auto awards = title.menu.Gui->getItem("awards");
    ASSERT_TRUE(awards);
    title.untilTheDrop();
    fixture::frame(title.menu, 90);
    EXPECT_EQ(awards->_v, 0);
    EXPECT_EQ(awards->_a, 0);
    EXPECT_EQ(title.shownRows(), std::vector<float>(rows.begin(), rows.begin() + 3))
        << "the buttons below move up into the empty row";
    TMainMenu::awardScreen = [](TEkran&) {};
    fixture::frame(title.menu, 2);
    EXPECT_EQ(awards->_v, 1);
    EXPECT_EQ(awards->_a, 1);
    EXPECT_EQ(title.shownRows(), rows);
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

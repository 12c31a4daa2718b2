// The options screen over its callers: the buttons it offers, what its ways out answer, the volume buttons,
// and the wide-screen check-box in a window.
#include <functional>
#include <string>
#include <utility>

#include "../files/TempDir.h"
#include "ScreenFixture.h"
#include "progress/Options.h"

namespace {

class OptionsScreen : public ::testing::Test {
  protected:
    TempDir dir;
    TOptions opt;
    fixture::Caller title{"MAIN-MENU"};

    void SetUp() override {
        fixture::headlessGame();
        userFolder = dir.path.string();
        opt.setup();
        ASSERT_TRUE(opt.Gui);
        fixture::releaseInput();
    }
    void TearDown() override { fixture::releaseInput(); }

    // Opens the screen over `caller` and lets it fade in.
    void open(TEkran& caller) {
        opt.prepare(&caller);
        for (int i = 0; i < 200 && opt.alpha < 1; ++i) fixture::frame(opt);
        ASSERT_EQ(opt.alpha, 1);
    }
    bool shown(const char* id) const {
        auto item = opt.Gui->getItem(id);
        return item && item->_v && item->_a;
    }
};

TEST_F(OptionsScreen, TheButtonsOfferedFollowTheCaller) {
    // Rules and credits share one place: exactly one of them is offered.
    const struct {
        const char* caller;  // null: opened over nothing
        bool map;
        bool rules, restart, mainMenu, backToMap, credits;
    } cases[] = {
        {"MAIN-MENU", true, false, false, false, false, true},
        {"MAPA", true, false, false, false, false, true},
        {nullptr, true, false, false, false, false, true},
        {"MAIN-GAME", false, true, true, true, false, false},
        {"MAIN-GAME", true, true, true, true, true, false},
        {"PUZZLE-EXPRESS", true, false, true, true, true, false},
        {"HIDDEN-OBJECT", false, false, true, true, false, false},
    };
    for (const auto& c : cases) {
        fixture::Caller caller{c.caller ? c.caller : ""};
        opt.mapAvailable = c.map;
        opt.prepare(c.caller ? &caller : nullptr);
        const std::string name =
            std::string(c.caller ? c.caller : "nothing") + (c.map ? " with the map" : "");
        EXPECT_EQ(shown("rules"), c.rules) << name;
        EXPECT_EQ(shown("restart"), c.restart) << name;
        EXPECT_EQ(shown("mainMenu"), c.mainMenu) << name;
        EXPECT_EQ(shown("backToMap"), c.backToMap) << name;
        EXPECT_EQ(shown("credits"), c.credits) << name;
    }
}

TEST_F(OptionsScreen, TheWaysOutAnswerWhereToGoAndClosingAnswersNothing) {
    fixture::Caller game{"MAIN-GAME"};
    opt.mapAvailable = true;
    const std::pair<std::function<void()>, std::string> cases[] = {
        {fixture::clickOn(opt, "restart"), "RESTART"},    {fixture::clickOn(opt, "backToMap"), "MAPA"},
        {fixture::clickOn(opt, "mainMenu"), "MAIN-MENU"}, {fixture::clickOn(opt, "ok"), ""},
        {[] { fixture::tapKey(fixture::kEscape); }, ""},
    };
    for (const auto& [input, expected] : cases) {
        // The click lands once the screen has faded in.
        const std::string answer = fixture::playing({{40, input}}, [&] { return opt.mainLoop(&game); });
        EXPECT_EQ(answer, expected);
    }
}

TEST_F(OptionsScreen, EachVolumeButtonStepsItsOwnVolumeAndStopsAtTheEnds) {
    const struct {
        const char* item;
        float music, sound;          // before
        float wantMusic, wantSound;  // after
    } cases[] = {
        {"plus1", 0.5f, 0.5f, 0.55f, 0.5f}, {"minus1", 0.5f, 0.5f, 0.45f, 0.5f},
        {"plus2", 0.5f, 0.5f, 0.5f, 0.55f}, {"minus2", 0.5f, 0.5f, 0.5f, 0.45f},
        {"plus1", 0.98f, 0.5f, 1.0f, 0.5f}, {"minus2", 0.5f, 0.03f, 0.5f, 0.0f},
        {"minus1", 0.0f, 0.5f, 0.0f, 0.5f}, {"plus2", 0.5f, 1.0f, 0.5f, 1.0f},
    };
    open(title);
    for (const auto& c : cases) {
        opt.musicVol = c.music;
        opt.soundVol = c.sound;
        fixture::click(opt, c.item);
        EXPECT_NEAR(opt.musicVol, c.wantMusic, 1e-5) << c.item << " from " << c.music << ", " << c.sound;
        EXPECT_NEAR(opt.soundVol, c.wantSound, 1e-5) << c.item << " from " << c.music << ", " << c.sound;
    }
}

TEST_F(OptionsScreen, WideScreenInAWindowChangesTheSettingWithoutReopeningTheMode) {
    // A window of another size than the game's own: opening the game's mode again would change it.
    ASSERT_TRUE(eng::Graphics(800, 600, 0, 60, 0));
    setVirtualResolution(1024, 768, 3);
    opt.fullScreen = 0;
    opt.wideScreen = 1;
    open(title);
    EXPECT_TRUE(shown("onW"));
    EXPECT_FALSE(shown("offW"));
    fixture::click(opt, "onW");
    EXPECT_EQ(opt.wideScreen, 0);
    EXPECT_EQ(eng::GraphicsWidth(), 800);
    fixture::frame(opt);
    EXPECT_TRUE(shown("offW"));
    EXPECT_FALSE(shown("onW"));
    ASSERT_TRUE(openGraphics(1024, 768, 0, 0));
}

}  // namespace

// The real game, headless: loading screen to the title, saving settings, bad data, the pause, repeatability.
#include <gtest/gtest.h>

#include "DriverRun.h"
#include "Grabs.h"
#include "engine/Engine.h"

namespace {

std::string readFile(const std::string& p) {
    std::string s;
    eng::ReadFileBytes(p, s);
    return s;
}

class Startup : public testing::Test {
  protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (the test command runs it under Xvfb)";
    }
    TempDir user{"e2e-user"}, out{"e2e-out", true};
    std::string settings() const { return user / "Orelund/Tazmira-Zerav-2/Data/settings.dat"; }
};

// The band across the middle of the loading screen that carries its logo, and the sky above it.
constexpr Rect kCaptionBand{0, 300, 1024, 170}, kSkyAbove{0, 200, 1024, 100};
// The title's heap of gold in the bottom-right corner, and the dark night of the loading screen there.
constexpr Rect kGoldHeap{720, 700, 60, 20};
// The two ends of the loading bar.
constexpr Rect kBarStart{270, 686, 60, 16}, kBarEnd{680, 686, 60, 16};

// The title screen is up: its golden heap shines in the bottom-right corner (dimmed a little while the
// first start asks for a name).
void expectTitle(const eng::Pixmap& menu) {
    ASSERT_TRUE(menu);
    const Colour gold = meanColour(menu, kGoldHeap);
    EXPECT_GT(gold.r, gold.b + 40);
    EXPECT_GT(gold.brightness(), 45);
}

const char* kLoading =
    "wait 25\n"
    "grab loading\n";
const char* kToMenu =
    "waitscreen MAIN-MENU 3000\n"
    "wait 40\n"
    "grab menu\n";

}  // namespace

TEST_F(Startup, LoadsToTheTitleAndEndsOnEscapeAnsweredYes) {
    // A first start names its player; then Escape asks whether to leave and Enter says yes.
    DriverRun run =
        runDriver(std::string(kLoading) + kToMenu +
                      "wait 30\ntype ann\nkey enter\nwait 60\nkey escape\nwait 40\nkey enter\nwait 120\n",
                  user, out);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("screen: MAIN-MENU")) << run.output;
    EXPECT_TRUE(run.has("end: game")) << run.output;  // the game ended itself, not the script running out
    EXPECT_TRUE(run.has("cpu per frame (ms): median")) << run.output;

    auto loading = loadGrab(out, "loading");
    auto menu = loadGrab(out, "menu");
    ASSERT_TRUE(loading && menu);
    EXPECT_EQ(loading->width, 1024);
    EXPECT_EQ(loading->height, 768);
    // The bar is part full: its left end is lit brighter than its right end.
    EXPECT_GT(meanBrightness(loading, kBarStart), meanBrightness(loading, kBarEnd) + 10);
    // The loading screen has its bright logo in the middle.
    EXPECT_GT(meanBrightness(loading, kCaptionBand), meanBrightness(loading, kSkyAbove));
    // The title screen has faded in over the loading background, and the bar's teal fill has gone with it.
    EXPECT_GT(meanBrightness(menu), 20);
    expectTitle(menu);
    const Colour filled = meanColour(loading, kBarStart), after = meanColour(menu, kBarStart);
    EXPECT_GT(filled.g, filled.r + 50);
    EXPECT_LT(after.g, after.r);

    // The first run wrote the settings; they are in the data folder for the next run.
    EXPECT_NE(readFile(settings()).find("settings {"), std::string::npos);
}

TEST_F(Startup, RunsRepeatExactly) {
    const std::string script = std::string(kLoading) + kToMenu;
    DriverRun first = runDriver(script, user, out);
    const std::string loading = readFile(out / "loading.png"), menu = readFile(out / "menu.png");
    DriverRun second = runDriver(script, user, out);
    ASSERT_EQ(first.exitCode, 0) << first.output;
    ASSERT_EQ(second.exitCode, 0) << second.output;
    EXPECT_FALSE(loading.empty());
    EXPECT_FALSE(menu.empty());
    EXPECT_EQ(loading, readFile(out / "loading.png"));
    EXPECT_EQ(menu, readFile(out / "menu.png"));
}

// Bad settings are reported, and the title screen still comes up.
TEST_F(Startup, MalformedSettingsAreReportedAndTheGameGoesOn) {
    std::filesystem::create_directories(user / "Orelund/Tazmira-Zerav-2/Data");
    std::ofstream(settings()) << "settings {\n\tfullScreen = 0\n";
    DriverRun run = runDriver(kToMenu, user, out);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("Napotkano problem : Blad nawiasow klamrowych!")) << run.output;
    EXPECT_TRUE(run.has("screen: MAIN-MENU")) << run.output;
    expectTitle(loadGrab(out, "menu"));
}

TEST_F(Startup, SettingsFolderInPlaceOfTheFileIsReported) {
    std::filesystem::create_directories(settings());
    DriverRun run = runDriver(kToMenu, user, out);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("Napotkano problem : Nie znaleziono pliku")) << run.output;
    EXPECT_TRUE(run.has("screen: MAIN-MENU")) << run.output;
    expectTitle(loadGrab(out, "menu"));
}

TEST_F(Startup, AMissingLanguageFileEndsTheGameWithAnErrorCode) {
    TempDir emptyGame{"e2e-game"};
    DriverRun run = runDriverWith(kToMenu, user, out, " --game " + std::string(emptyGame));
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_TRUE(run.has("txt/lang.txt")) << run.output;
}

TEST_F(Startup, InactiveWindowPausesOnADimmedPicture) {
    DriverRun run = runDriver(std::string(kToMenu) +
                                  "focus lost\nwait 10\ngrab paused\nfocus gained\nwait 5\n"
                                  "grab resumed\nclose\nwait 30\n",
                              user, out);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("end: game")) << run.output;  // the close request ended it
    auto menu = loadGrab(out, "menu");
    auto paused = loadGrab(out, "paused");
    auto resumed = loadGrab(out, "resumed");
    ASSERT_TRUE(menu && paused && resumed);
    EXPECT_LT(meanBrightness(paused), meanBrightness(menu) * 0.75);
    // The words stand on a light panel in the middle, not straight on the dimmed picture.
    constexpr Rect kPanelInside{228, 345, 20, 75};
    EXPECT_GT(meanBrightness(paused, kPanelInside), 180);
    EXPECT_NEAR(meanBrightness(resumed), meanBrightness(menu), 2.0);
}

TEST_F(Startup, AltEnterSwitchesScreenModeKeepingThePictureAndAltF4Ends) {
    DriverRun run = runDriver(std::string(kToMenu) +
                                  "keydown alt\nkey enter\nkeyup alt\nwait 5\ngrab windowed\n"
                                  "keydown alt\nkey enter\nkeyup alt\nwait 5\ngrab fullscreen\n"
                                  "keydown alt\nkey f4\nwait 30\n",
                              user, out);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("end: game")) << run.output;
    auto menu = loadGrab(out, "menu");
    auto windowed = loadGrab(out, "windowed");
    auto full = loadGrab(out, "fullscreen");
    ASSERT_TRUE(menu && windowed && full);
    // The window on this desktop is smaller, so its grab is resampled, but it shows the same picture.
    EXPECT_NEAR(meanBrightness(windowed), meanBrightness(menu), 4.0);
    EXPECT_NEAR(meanBrightness(full), meanBrightness(menu), 2.0);
}

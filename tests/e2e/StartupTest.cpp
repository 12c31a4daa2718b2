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

const char* kToMenu =
    "wait 25\n"
    "grab loading\n"
    "waitscreen MAIN-MENU 3000\n"
    "wait 40\n"
    "grab menu\n";

}  // namespace

TEST_F(Startup, LoadsToTheTitleAndEndsOnEscape) {
    DriverRun run = runDriver(std::string(kToMenu) + "key escape\nwait 120\n", user, out);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("screen: MAIN-MENU")) << run.output;
    EXPECT_TRUE(run.has("end: game")) << run.output;  // Escape ended the game, not the script running out
    EXPECT_TRUE(run.has("cpu per frame (ms): median")) << run.output;

    auto loading = eng::LoadPixmap(out / "loading.png");
    auto menu = eng::LoadPixmap(out / "menu.png");
    ASSERT_TRUE(loading && menu);
    EXPECT_EQ(loading->width, 1024);
    EXPECT_EQ(loading->height, 768);
    // The bar is part full: its left end is lit brighter than its right end.
    EXPECT_GT(meanBrightness(loading, {0, 690, 1024, 10}), 0);
    const uint8_t* left = &loading->rgba[(695 * 1024 + 300) * 4];
    const uint8_t* right = &loading->rgba[(695 * 1024 + 720) * 4];
    EXPECT_GT(left[0] + left[1] + left[2], right[0] + right[1] + right[2]);
    // The title screen has faded in over the loading background.
    EXPECT_GT(meanBrightness(menu), 20);

    // The first run wrote the settings; they are in the data folder for the next run.
    EXPECT_NE(readFile(settings()).find("settings {"), std::string::npos);
}

TEST_F(Startup, RunsRepeatExactly) {
    DriverRun first = runDriver(kToMenu, user, out);
    std::string a = readFile(out / "menu.png");
    DriverRun second = runDriver(kToMenu, user, out);
    std::string b = readFile(out / "menu.png");
    ASSERT_EQ(first.exitCode, 0) << first.output;
    ASSERT_EQ(second.exitCode, 0) << second.output;
    EXPECT_FALSE(a.empty());
    EXPECT_EQ(a, b);
}

TEST_F(Startup, MalformedSettingsAreReportedAndTheGameGoesOn) {
    std::filesystem::create_directories(user / "Orelund/Tazmira-Zerav-2/Data");
    std::ofstream(settings()) << "settings {\n\tfullScreen = 0\n";
    DriverRun run = runDriver(kToMenu, user, out);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("Napotkano problem : Blad nawiasow klamrowych!")) << run.output;
    EXPECT_TRUE(run.has("screen: MAIN-MENU")) << run.output;
}

TEST_F(Startup, SettingsFolderInPlaceOfTheFileIsReported) {
    std::filesystem::create_directories(settings());
    DriverRun run = runDriver(kToMenu, user, out);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("Napotkano problem : Nie znaleziono pliku")) << run.output;
    EXPECT_TRUE(run.has("screen: MAIN-MENU")) << run.output;
}

TEST_F(Startup, InactiveWindowPausesOnADimmedPicture) {
    DriverRun run = runDriver(std::string(kToMenu) +
                                  "focus lost\nwait 10\ngrab paused\nfocus gained\nwait 5\n"
                                  "grab resumed\nclose\nwait 30\n",
                              user, out);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("end: game")) << run.output;  // the close request ended it
    auto menu = eng::LoadPixmap(out / "menu.png");
    auto paused = eng::LoadPixmap(out / "paused.png");
    auto resumed = eng::LoadPixmap(out / "resumed.png");
    ASSERT_TRUE(menu && paused && resumed);
    EXPECT_LT(meanBrightness(paused), meanBrightness(menu) * 0.75);
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
    auto menu = eng::LoadPixmap(out / "menu.png");
    auto windowed = eng::LoadPixmap(out / "windowed.png");
    auto full = eng::LoadPixmap(out / "fullscreen.png");
    ASSERT_TRUE(menu && windowed && full);
    // The window on this desktop is smaller, so its grab is resampled, but it shows the same picture.
    EXPECT_NEAR(meanBrightness(windowed), meanBrightness(menu), 4.0);
    EXPECT_NEAR(meanBrightness(full), meanBrightness(menu), 2.0);
}

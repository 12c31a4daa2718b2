// The settings file: read back as saved, and a damaged one never mutes the game or goes unreported.
#include <gtest/gtest.h>

#include <filesystem>

#include "../files/TempDir.h"
#include "core/Globals.h"
#include "engine/Engine.h"
#include "files/DataFile.h"
#include "gui/Mouse.h"
#include "progress/Options.h"

namespace {

class Settings : public ::testing::Test {
  protected:
    TempDir dir;
    void SetUp() override {
        userFolder = dir.path.string();
        std::filesystem::create_directories(dir.path / "Data");
    }
    std::string path() const { return dir.file("Data/settings.dat"); }
    // Loads `text` as the settings file into fresh settings; gives what was said on standard error.
    std::string load(const std::string& text, TOptions& o) {
        writeBytes(path(), text);
        testing::internal::CaptureStderr();
        testing::internal::CaptureStdout();
        o.loadOptions();
        testing::internal::GetCapturedStdout();
        return testing::internal::GetCapturedStderr();
    }
};

void expectDefaults(const TOptions& o, const std::string& name) {
    EXPECT_EQ(o.fullScreen, 1) << name;
    EXPECT_EQ(o.wideScreen, 1) << name;
    EXPECT_EQ(o.customCursor, 0) << name;
    EXPECT_FLOAT_EQ(o.soundVol, 0.5f) << name;
    EXPECT_FLOAT_EQ(o.musicVol, 0.5f) << name;
}

}  // namespace

TEST_F(Settings, SavedSettingsReadBackAndAMissingFileIsWrittenWithTheStartValues) {
    TOptions first;
    testing::internal::CaptureStderr();
    first.loadOptions();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    expectDefaults(first, "first run");
    ASSERT_TRUE(std::filesystem::exists(path()));
    first.fullScreen = 0;
    first.customCursor = 1;
    first.soundVol = 0.25f;
    first.musicVol = 0.75f;
    first.saveOptions();
    TOptions second;
    second.loadOptions();
    EXPECT_EQ(second.fullScreen, 0);
    EXPECT_EQ(second.customCursor, 1);
    EXPECT_FLOAT_EQ(second.soundVol, 0.25f);
    EXPECT_FLOAT_EQ(second.musicVol, 0.75f);
}

TEST_F(Settings, ADamagedFileGivesTheDefaultsSaysSoAndIsRewritten) {
    const struct {
        const char* name;
        std::string text;
        const char* said;
    } cases[] = {
        {"random bytes", std::string("\x93{\x01z\xff\x00q}}", 9), "cannot be read"},
        {"no final brace", "settings {\n\tfullScreen = 0\n\tsoundVolume = 0.2\n", "cannot be read"},
        {"empty", "", "lacks a readable fullScreen, wideScreen, customCursor, soundVolume, musicVolume"},
        {"text for numbers", "settings {\n\tsoundVolume = \"loud\"\n\tmusicVolume = \"\"\n}\n",
         "lacks a readable fullScreen, wideScreen, customCursor, soundVolume, musicVolume"},
    };
    for (const auto& c : cases) {
        TOptions o;
        const std::string said = load(c.text, o);
        expectDefaults(o, c.name);
        EXPECT_NE(said.find(path()), std::string::npos) << c.name << ": " << said;
        EXPECT_NE(said.find(c.said), std::string::npos) << c.name << ": " << said;
        // The next save writes a readable file with the volumes.
        o.saveOptions();
        TRCMFile file;
        ASSERT_TRUE(file.Load(path())) << c.name;
        EXPECT_FLOAT_EQ(file.getFloat("settings::soundVolume"), 0.5f) << c.name;
        EXPECT_FLOAT_EQ(file.getFloat("settings::musicVolume"), 0.5f) << c.name;
    }
}

TEST_F(Settings, OutOfRangeValuesAreKeptInRange) {
    TOptions o;
    const std::string said = load(
        "settings {\n\tfullScreen = 1e30\n\twideScreen = -7\n\tcustomCursor = 0\n\tmusicVolume = 1e300\n"
        "\tsoundVolume = -3\n}\n",
        o);
    EXPECT_EQ(o.fullScreen, 1);
    EXPECT_EQ(o.wideScreen, 1);
    EXPECT_FLOAT_EQ(o.musicVol, 1.0f);
    EXPECT_FLOAT_EQ(o.soundVol, 0.0f);
    EXPECT_NE(said.find("settings::fullScreen"), std::string::npos) << said;
}

TEST_F(Settings, SwitchingTheScreenModeIsSavedAtOnce) {
    eng::SetHeadless(eng::HeadlessConfig{});
    TOptions o;
    o.loadOptions();
    for (int expected : {0, 1}) {
        o.switchScreen();
        TOptions again;
        again.loadOptions();
        EXPECT_EQ(again.fullScreen, expected);
    }
}

// The volume sliders: a drag keeps its slider wherever the pointer goes and never leaves 0..1.
TEST(OptionsSliders, ADragStaysOnItsSliderAndWithinTheEnds) {
    eng::SetHeadless(eng::HeadlessConfig{});
    eng::SetLogicalOffset(0, 0);
    eng::InjectMouseButton(1, false);
    eng::FlushMouse();
    TMouse pointer;
    TOptions o;
    o.alpha = 1;
    o.soundVol = 0.5f;
    // (x, y) the pointer goes through with the button held, from the music bar, and the music volume then
    // (the pointer stands on whole pixels: a volume is within 1/395 of its place).
    const struct {
        float x, y, music;
    } path[] = {{o.vx + 390.0f + 197.5f, 226, 0.5f},
                {o.vx + 390.0f, 226, 0},
                {-300, 226, 0},
                {2000, 226, 1},
                {o.vx + 500.0f, 305, 110 / 395.0f}};
    eng::InjectMouseButton(1, true);
    for (const auto& p : path) {
        eng::InjectMouseMove(p.x, p.y);
        pointer.update(1);
        o._updateGUIOperations();
        EXPECT_NEAR(o.musicVol, p.music, 3e-3) << p.x << "," << p.y;
        EXPECT_FLOAT_EQ(o.soundVol, 0.5f) << "the sound slider is not taken over by a music drag";
        eng::Flip(-1);
    }
    eng::InjectMouseButton(1, false);
    pointer.update(1);
    o._updateGUIOperations();
    EXPECT_EQ(o.holdedMusic, 0);
}

TEST(OptionsSliders, StepsOfTheButtonsEndAtTheEnds) {
    TOptions o;
    const struct {
        float start, step, end;
    } cases[] = {{0.98f, 0.05f, 1}, {0.03f, -0.05f, 0}, {0.5f, 0.05f, 0.55f}, {0.05f, -0.05f, 0}};
    for (const auto& c : cases) {
        o.musicVol = c.start + c.step;
        o.checkSoundStuff();
        EXPECT_NEAR(o.musicVol, c.end, 1e-6) << c.start << " " << c.step;
    }
}

TEST_F(Settings, AVolumeBelowTheSmallestStepLoadsAsSilence) {
    const std::pair<const char*, float> cases[] = {
        {"0.04", 0.0f}, {"0.05", 0.05f}, {"0", 0.0f}, {"0.7", 0.7f}};
    for (const auto& [stored, loaded] : cases) {
        TOptions o;
        load(std::string(
                 "settings {\n\tfullScreen = 0\n\twideScreen = 0\n\tcustomCursor = 0\n\tmusicVolume = ") +
                 stored + "\n\tsoundVolume = " + stored + "\n}\n",
             o);
        EXPECT_FLOAT_EQ(o.musicVol, loaded) << stored;
        EXPECT_FLOAT_EQ(o.soundVol, loaded) << stored;
    }
}

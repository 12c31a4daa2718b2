// The settings file: read back as saved, and a damaged one never mutes the game or goes unreported.
#include <gtest/gtest.h>

#include <filesystem>

#include "../files/TempDir.h"
#include "core/Globals.h"
#include "engine/Engine.h"
#include "files/DataFile.h"
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

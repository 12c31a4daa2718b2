// The per-user folder: made where it belongs, or a fallback that starts from what the player has.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "../files/TempDir.h"
#include "app/Startup.h"
#include "core/Globals.h"
#include "engine/Engine.h"

namespace {

class UserFolder : public ::testing::Test {
  protected:
    TempDir dir;
    std::string common = dir.file("common"), tmp = dir.file("tmp");
    std::string place = common + "/Orelund/Tazmira-Zerav-2";
    std::string fallback = tmp + "/Tazmira-Zerav-2-data/Orelund/Tazmira-Zerav-2";

    void SetUp() override {
        productName = "Tazmira-Zerav-2";
        commonFolderOverride = common;
        std::filesystem::create_directories(tmp);
        setenv("TMPDIR", tmp.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("TMPDIR");
        commonFolderOverride.clear();
    }
    // The folder cannot be written where it belongs: its Profiles folder is a file (the tests run as
    // root, whom permissions do not stop). Its settings can still be read.
    void blockThePlace(const std::string& settings) {
        std::filesystem::create_directories(place + "/Data");
        writeBytes(place + "/Data/settings.dat", settings);
        writeBytes(place + "/Profiles", "not a folder");
    }
    static std::string read(const std::string& path) {
        std::string s;
        eng::ReadFileBytes(path, s);
        return s;
    }
};

}  // namespace

TEST_F(UserFolder, IsMadeWhereItBelongsWithItsLog) {
    testing::internal::CaptureStderr();
    prepareUserFolder();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(userFolder, place);
    EXPECT_EQ(eng::FileType(place + "/Data"), 2);
    EXPECT_EQ(eng::FileType(place + "/Profiles"), 2);
    EXPECT_EQ(eng::FileType(place + "/Data/log.txt"), 1);
}

TEST_F(UserFolder, TheFallbackReadsWhatThePlayerHadAndSaysBothPaths) {
    blockThePlace("settings {\n\tmusicVolume = 0.25\n}\n");
    testing::internal::CaptureStderr();
    prepareUserFolder();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(userFolder, fallback);
    EXPECT_NE(said.find(place), std::string::npos) << said;
    EXPECT_NE(said.find(fallback), std::string::npos) << said;
    EXPECT_EQ(read(fallback + "/Data/settings.dat"), "settings {\n\tmusicVolume = 0.25\n}\n");
    // The message is in the log as well.
    EXPECT_NE(read(fallback + "/Data/log.txt").find(fallback), std::string::npos);

    // What the fallback saved later is newer than the old place's copy and is kept next time.
    writeBytes(fallback + "/Data/settings.dat", "newer");
    testing::internal::CaptureStderr();
    prepareUserFolder();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(read(fallback + "/Data/settings.dat"), "newer");
}

TEST_F(UserFolder, StopsWithAMessageWhenNeitherPlaceCanBeWritten) {
    blockThePlace("");
    writeBytes(tmp + "/Tazmira-Zerav-2-data", "not a folder");
    EXPECT_EXIT(prepareUserFolder(), testing::ExitedWithCode(1), "Neither the data folder .* can be written");
}

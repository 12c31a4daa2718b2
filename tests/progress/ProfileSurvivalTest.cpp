// Every per-user file a start reads, each in turn missing or damaged: the players' list, the active player's
// progress and their level in progress come back (a level whose own file is lost starts again), and the
// game says what it did.
#include <gtest/gtest.h>

#include <chrono>

#include "FlowFixture.h"
#include "progress/Highscores.h"
#include "progress/Options.h"

namespace {

namespace fs = std::filesystem;

class Survival : public FlowFixture {
  protected:
    TempDir pristine;

    // Two players saved twice, as a session leaves them: ANN active at the first level of the journey with
    // a level in progress, BOB further on.
    void SetUp() override {
        FlowFixture::SetUp();
        writeFlow("flow_casual.dat",
                  {{"MAPA", "", 1, 1}, {"MAIN-GAME", "data/a.lvl", 1, 1}, {"MAIN-GAME", "data/b.lvl", 1, 2}});
        levelManager.setup();
        auto bob = player("CASUAL", "BOB");
        bob->flowSequence = 3;
        bob->gameType = "MAIN-GAME";
        bob->score = 300;
        bob->levele.push_back(std::make_shared<TProfLevelData>(TProfLevelData{1, 1, 2, 1, 300, 1, 0, 9, 1}));
        auto ann = player("CASUAL", "ANN");
        ann->flowSequence = 2;
        ann->gameType = "MAIN-GAME";
        ann->levele.push_back(std::make_shared<TProfLevelData>(TProfLevelData{1, 0, 2, 1, 0, 1, 0, 0, 1}));
        auto level = std::make_shared<FakeLevel>();
        level->url = programPrefix + "data/a.lvl";
        level->played = 7;
        ann->actLevel = level;
        fs::create_directories(user.path / "Data");
        TOptions settings;
        settings.musicVol = 0.25f;
        settings.saveOptions();
        THighscores best;
        best.localHighScores.addNewEntry("CAT", 900, 3);
        ASSERT_TRUE(best.saveHighScores());
        profileManager->save();
        ann->score = 100;  // the last save differs from the one before in ANN's score
        profileManager->save();
        fs::copy(user.path, pristine.path,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }

    // The per-user folder as the session left it, then `file` damaged as `damage` says.
    void restore(const std::string& file, const std::string& damage) {
        fs::remove_all(user.path);
        fs::copy(pristine.path, user.path, fs::copy_options::recursive);
        const std::string path = user.file(file);
        const std::string bytes = readBytes(path);
        if (damage == "missing") fs::remove(path);
        if (damage == "empty") writeBytes(path, "");
        if (damage == "cut in half") writeBytes(path, bytes.substr(0, bytes.size() / 2));
        if (damage == "noise") writeBytes(path, "\x01\xff{{ }}} = \"\n\x7f");
        // BOB played before ANN.
        for (const char* name : {"profile.dat", "profile.bak"})
            if (const fs::path bob = user.path / "Profiles/66-79-66-" / name; fs::exists(bob))
                fs::last_write_time(bob, fs::file_time_type::clock::now() - std::chrono::hours(2));
    }
};

}  // namespace

TEST_F(Survival, PlayersProgressAndTheLevelInProgressOutliveAnySingleDamagedFile) {
    const char* const files[] = {"Profiles/profiles.dat",          "Profiles/65-78-78-/profile.dat",
                                 "Profiles/65-78-78-/profile.bak", "Profiles/65-78-78-/Level.lvl",
                                 "Profiles/66-79-66-/profile.dat", "Data/settings.dat",
                                 "Data/localHighScores.dat"};
    for (const std::string file : files)
        for (const std::string damage : {"missing", "empty", "cut in half", "noise"}) {
            const std::string what = file + " " + damage;
            restore(file, damage);
            testing::internal::CaptureStderr();
            TOptions settings;
            settings.loadOptions();
            THighscores best;
            best.loadHighScores(highScoresPath());
            profileManager = std::make_shared<TProfileManager>();
            profileManager->loadProfiles();
            const std::string said = testing::internal::GetCapturedStderr();

            ASSERT_EQ(profileManager->listaProfili.size(), 2u) << what << "\n" << said;
            const auto ann = profileManager->profile;
            ASSERT_TRUE(ann && ann->name == "ANN") << what << "\n" << said;
            const auto bob = profileManager->listaProfili[ann == profileManager->listaProfili[0] ? 1 : 0];
            EXPECT_EQ(std::tie(bob->name, bob->flowSequence, bob->score), std::make_tuple("BOB", 3, 300))
                << what;
            EXPECT_EQ(bob->levele.size(), 1u) << what;
            EXPECT_EQ(ann->flowSequence, 2) << what;
            ASSERT_EQ(ann->levele.size(), 1u) << what;
            // A damaged profile file gives its player the save before the last: ANN's score then was 0.
            EXPECT_EQ(ann->score, file == "Profiles/65-78-78-/profile.dat" ? 0 : 100) << what;
            const auto level = std::dynamic_pointer_cast<FakeLevel>(ann->actLevel);
            if (file == "Profiles/65-78-78-/Level.lvl") {
                EXPECT_FALSE(level) << what;
                EXPECT_EQ(ann->ContinueGame(), "RESTART-LEVEL") << what << ": the level starts again";
            } else {
                ASSERT_TRUE(level) << what << "\n" << said;
                EXPECT_EQ(level->played, 7) << what;
            }
            // Whatever had to be mended, the game said so. The save before the last is read only when the
            // last is damaged; a missing level file means no level was in progress, missing settings and best
            // scores those of a first start.
            const bool quiet = file == "Profiles/65-78-78-/profile.bak" ||
                               (damage == "missing" && file != "Profiles/profiles.dat" &&
                                file.find("profile.dat") == std::string::npos) ||
                               (damage == "empty" && file == "Data/localHighScores.dat");
            if (!quiet) {
                EXPECT_FALSE(said.empty()) << what;
            }
        }
    restore("Profiles/profiles.dat", "none");
    testing::internal::CaptureStderr();
    profileManager = std::make_shared<TProfileManager>();
    profileManager->loadProfiles();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "an intact folder reads without a word";
}

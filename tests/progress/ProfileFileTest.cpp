// The profile's folder: every key group read back as written, the level in progress, the timers, and a
// profile that survives the game being killed while it writes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "FlowFixture.h"
#include "files/DataFile.h"
#include "progress/Profile.h"

namespace {

using ProfileFile = FlowFixture;

std::shared_ptr<TProfile> filledProfile() {
    auto p = newProfileNamed("Ann");
    p->flowType = "HARD";
    p->gameType = "MAIN-GAME";
    p->numerLevelu = 4;
    p->numerStageu = 2;
    p->flowSequence = 9;
    p->mistakes = 3;
    p->kamienieWWorku = 2;
    p->tutorialOn = 0;
    p->bylAwardsScreen = 1;
    p->allLivings = 12;
    p->score = 12345;
    p->noMistakesOnLevel = 1;
    p->lastScore = 777;
    p->hintsUsedOnLevel = 2;
    p->hintsUsed = 8;
    p->useOfSkull = 1, p->useOfSword = 2, p->useOfMedalion = 3, p->useOfEye = 4, p->useOfMap = 5;
    p->tempUseOfSkull = 6, p->tempUseOfSword = 7, p->tempUseOfMedalion = 8, p->tempUseOfEye = 9;
    p->tempUseOfMap = 10;
    p->unlocked = {1, 1, 0, 1, 0, 1};
    p->awardy = {3, 7};
    p->lekcjeTutoriala = {"hand-1", "hook-2"};
    p->levele.push_back(std::make_shared<TProfLevelData>(TProfLevelData{4, 1, 9, 2, 900, 65, 1, 3, 2}));
    p->levele.push_back(std::make_shared<TProfLevelData>(TProfLevelData{5, 0, 10, 2, 0, 1, 0, 1, 1}));
    p->gameData.useMieczN = 2;
    p->gameData.useLivingsN = 5;
    p->gameData.hintUsed = {1, 0, 1, 0};
    p->gameData.powerUpUse = {0, 2, 0, 0, 1};
    p->gameData.mnoznik = 2.5f;
    return p;
}

}  // namespace

TEST_F(ProfileFile, EveryKeyGroupReadsBackAsWritten) {
    auto p = filledProfile();
    EXPECT_EQ(p->id, "65-78-78-");
    EXPECT_EQ(p->name, "ANN");
    auto level = std::make_shared<FakeLevel>();
    level->url = "data/b.lvl";
    level->played = 17;
    p->actLevel = level;
    ASSERT_TRUE(p->save());

    auto q = loadProfile(p->folder() + "/profile.dat");
    EXPECT_FALSE(q->unreadable);
    EXPECT_EQ(q->name, "ANN");
    EXPECT_EQ(q->flowType, "HARD");
    EXPECT_EQ(q->gameType, "MAIN-GAME");
    EXPECT_EQ(std::tie(q->numerLevelu, q->numerStageu, q->flowSequence, q->mistakes, q->kamienieWWorku),
              std::make_tuple(4, 2, 9, 3, 2));
    EXPECT_EQ(std::tie(q->tutorialOn, q->bylAwardsScreen, q->allLivings, q->score),
              std::make_tuple(0, 1, 12, 12345));
    EXPECT_EQ(std::tie(q->noMistakesOnLevel, q->lastScore, q->hintsUsedOnLevel, q->hintsUsed),
              std::make_tuple(1, 777, 2, 8));
    EXPECT_EQ(std::tie(q->useOfSkull, q->useOfSword, q->useOfMedalion, q->useOfEye, q->useOfMap),
              std::make_tuple(1, 2, 3, 4, 5));
    EXPECT_EQ(std::tie(q->tempUseOfSkull, q->tempUseOfSword, q->tempUseOfMedalion, q->tempUseOfEye,
                       q->tempUseOfMap),
              std::make_tuple(6, 7, 8, 9, 10));
    EXPECT_EQ(q->unlocked, p->unlocked);
    EXPECT_EQ(q->awardy, p->awardy);
    EXPECT_EQ(q->lekcjeTutoriala, p->lekcjeTutoriala);
    ASSERT_EQ(q->levele.size(), 2u);
    const TProfLevelData& r = *q->levele[0];
    EXPECT_EQ(std::tie(r.numerLevelu, r.passed, r.flowSequence, r.stageN, r.score, r.mnoznik, r.mistakes,
                       r.time, r.ileRazy),
              std::make_tuple(4, 1, 9, 2, 900, 3, 1, 65, 2));
    EXPECT_EQ(q->gameData.useMieczN, 2);
    EXPECT_EQ(q->gameData.useLivingsN, 5);
    EXPECT_EQ(q->gameData.hintUsed, p->gameData.hintUsed);
    EXPECT_EQ(q->gameData.powerUpUse, p->gameData.powerUpUse);
    EXPECT_FLOAT_EQ(q->gameData.mnoznik, 2.5f);
    auto back = std::dynamic_pointer_cast<FakeLevel>(q->actLevel);
    ASSERT_TRUE(back) << "the level in progress comes back";
    EXPECT_EQ(back->played, 17);

    // Once nothing is in progress the saved level goes, so a finished level is never resumed.
    q->levelFinished();
    ASSERT_TRUE(q->save());
    EXPECT_FALSE(std::filesystem::exists(q->folder() + "/Level.lvl"));
    EXPECT_FALSE(loadProfile(q->folder() + "/profile.dat")->actLevel);
}

TEST_F(ProfileFile, TimersKeepTheirAgeAndStayFrozenUntilResumed) {
    auto p = filledProfile();
    const int64_t now = eng::MilliSecs();
    p->czas = {now - 5000, now, now - 100000, 0, now + 60000, now - 1};
    ASSERT_TRUE(p->save());
    TRCMFile f;
    ASSERT_TRUE(f.Load(p->folder() + "/profile.dat"));
    EXPECT_NEAR(f.getFloat("profile::czasyBonusow::czas0"), -5000, 50);
    EXPECT_EQ(f.getFloat("profile::czasyBonusow::czas4"), 0)
        << "a start in the future counts as just started";

    auto q = loadProfile(p->folder() + "/profile.dat");
    const int64_t later = eng::MilliSecs();
    EXPECT_NEAR(static_cast<double>(later - q->czas[0]), 5000, 50);
    EXPECT_NEAR(static_cast<double>(later - q->czas[2]), 100000, 50);
    EXPECT_EQ(q->paused, 1);
    // Frozen timers: time spent paused does not count once they are resumed.
    q->powerUpsPomTime -= 3000;
    q->ResumePowerUps();
    EXPECT_NEAR(static_cast<double>(eng::MilliSecs() - q->czas[0]), 2000, 50);
    EXPECT_EQ(q->paused, 0);

    // A profile saved while frozen stores the age it had when it froze.
    q->pausePowerUps();
    q->powerUpsPomTime = q->czas[1] + 700;
    ASSERT_TRUE(q->save());
    ASSERT_TRUE(f.Load(q->folder() + "/profile.dat"));
    EXPECT_NEAR(f.getFloat("profile::czasyBonusow::czas1"), -700, 1);
}

TEST_F(ProfileFile, AMissingFileGivesADefaultProfileThatIsNeverWrittenOver) {
    testing::internal::CaptureStderr();
    auto p = loadProfile(user.file("Profiles/66-/profile.dat"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("No such file"), std::string::npos);
    EXPECT_TRUE(p->unreadable);
    p->name = "B";
    EXPECT_FALSE(p->save());
    EXPECT_FALSE(std::filesystem::exists(user.file("Profiles/66-")));
}

// The game killed at any moment while it writes a profile leaves the previous or the new profile, whole.
TEST_F(ProfileFile, AWriteKilledHalfwayLeavesAWholeProfile) {
    auto p = filledProfile();
    for (int i = 0; i < 300; ++i)
        p->levele.push_back(std::make_shared<TProfLevelData>(TProfLevelData{i, 1, i, 3, i * 10, 1, 0, 5, 1}));
    ASSERT_TRUE(p->save());
    const std::string path = p->folder() + "/profile.dat";
    for (int round = 0; round < 12; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int n = 0;; ++n) {
                p->score = n;
                p->save();
            }
        }
        usleep(2000 + 1500 * round);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        auto q = loadProfile(path);
        EXPECT_FALSE(q->unreadable) << "round " << round;
        EXPECT_EQ(q->levele.size(), p->levele.size()) << "round " << round;
        EXPECT_EQ(q->name, "ANN");
    }
}

TEST_F(ProfileFile, AnUnknownJourneyOrEntryKindIsReportedAndMendedFromTheFlow) {
    writeFlow("flow_casual.dat", {{"MAPA", "", 1, 1}, {"MAIN-GAME", "data/a.lvl", 1, 1}});
    writeFlow("flow_hard.dat", {{"MAIN-GAME", "data/h1.lvl", 1, 1}, {"MAIN-GAME", "data/h2.lvl", 1, 2}});
    levelManager.setup();
    struct Case {
        const char* flowType;
        const char* gameType;
        int flowSequence;
        bool hardRecord;  // one record made on the hard journey's second entry
        const char* wantFlow;
        const char* wantKind;
        bool said;
    } cases[] = {
        {"CASUAL", "MAIN-GAME", 2, false, "CASUAL", "MAIN-GAME", false},
        {"casual ", "MAIN-GAME", 2, false, "CASUAL", "MAIN-GAME", false},
        {"EXPERT", "MAIN-GAME", 2, true, "HARD", "MAIN-GAME", true},
        {"EXPERT", "MAIN-GAME", 2, false, "", "MAIN-GAME", true},
        {"CASUAL", "PUZZLE", 2, false, "CASUAL", "MAIN-GAME", true},
        {"CASUAL", "WHATEVER", 1, false, "CASUAL", "MAPA", true},
        {"", "", 0, false, "", "", false},
    };
    for (const Case& c : cases) {
        auto p = newProfileNamed("ANN");
        p->flowType = c.flowType;
        p->gameType = c.gameType;
        p->flowSequence = c.flowSequence;
        if (c.hardRecord)
            p->levele.push_back(std::make_shared<TProfLevelData>(TProfLevelData{2, 1, 2, 1, 50, 1, 0, 9, 1}));
        ASSERT_TRUE(p->save());
        testing::internal::CaptureStderr();
        auto q = loadProfile(p->folder() + "/profile.dat");
        const std::string said = testing::internal::GetCapturedStderr();
        const std::string what = std::string(c.flowType) + "/" + c.gameType;
        EXPECT_EQ(q->flowType, c.wantFlow) << what;
        EXPECT_EQ(q->gameType, c.wantKind) << what;
        EXPECT_EQ(said.find(p->folder()) != std::string::npos, c.said) << what << "\n" << said;
        std::filesystem::remove_all(p->folder());
    }
}

TEST_F(ProfileFile, ADamagedProfileGivesItsPlayerThePreviousSave) {
    auto p = filledProfile();
    ASSERT_TRUE(p->save());
    p->score = 20000;
    p->flowSequence = 10;
    ASSERT_TRUE(p->save());
    const std::string path = p->folder() + "/profile.dat";
    const std::pair<const char*, const char*> damages[] = {
        {"empty", ""},
        {"cut short", "profile {\n\tstandards {\n\t\tname = \"ANN\"\n"},
        {"no player", "profile {\n\tstandards {\n\t\tscore = 5\n\t}\n}\n"},
        {"missing", nullptr},
    };
    for (const auto& [what, text] : damages) {
        std::filesystem::remove(path);
        if (text) writeBytes(path, text);
        testing::internal::CaptureStderr();
        auto q = loadProfile(path);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(q->unreadable) << what;
        EXPECT_EQ(std::tie(q->score, q->flowSequence), std::make_tuple(12345, 9)) << what;
        EXPECT_EQ(q->levele.size(), 2u) << what;
        EXPECT_NE(said.find("previous save"), std::string::npos) << what << "\n" << said;
        // The damaged file is never saved over the good one kept beside it.
        ASSERT_TRUE(q->save()) << what;
        EXPECT_EQ(loadProfile(path)->score, 12345) << what;
    }
    // Without a save to fall back on, the player is kept as they are on disk, with a message.
    std::filesystem::remove(p->folder() + "/profile.bak");
    writeBytes(path, "");
    testing::internal::CaptureStderr();
    EXPECT_TRUE(loadProfile(path)->unreadable);
    EXPECT_NE(testing::internal::GetCapturedStderr().find(path), std::string::npos);
    EXPECT_EQ(readBytes(path), "");
}

// A nonogram level in progress is saved with its player and comes back with its cells and counters.
#include <gtest/gtest.h>

#include <filesystem>

#include "../files/TempDir.h"
#include "MainGameFixture.h"
#include "nonogram/MainGameFlow.h"
#include "progress/LevelManager.h"
#include "progress/SaveAll.h"

namespace {

class ProfileResume : public MainGameTest {
  protected:
    TempDir user;
    void SetUp() override {
        MainGameTest::SetUp();
        userFolder = user.path.string();
        std::filesystem::create_directories(user.path / "Profiles");
        registerMainGameKind();
        levelManager = TLevelManager();
        levelManager.setup();
    }
    void TearDown() override {
        unregisterLevelKinds();
        levelManager = TLevelManager();
    }
};

}  // namespace

TEST_F(ProfileResume, TheLevelInProgressAndTheGamesCountersComeBackForTheirOwnPlayer) {
    auto& p = profile();
    p.name = "ANN";
    p.flowType = "HARD";
    profileManager->listaProfili = {profileManager->profile};
    p.startNewGame();
    std::string kind;
    for (int i = 0; i < 10 && kind != "MAIN-GAME"; ++i) kind = p.getNextLevel();
    ASSERT_EQ(kind, "MAIN-GAME");
    auto level = std::dynamic_pointer_cast<TLevel>(p.actLevel);
    ASSERT_TRUE(level);
    ASSERT_EQ(game->level, level);
    const std::string file = level->url;
    game->prepare();
    for (int i = 0; i < 400 && game->state != TGameState::NORMAL; ++i) frame();
    // Uncover the first three picture cells of the grid.
    std::vector<std::pair<int, int>> uncovered;
    for (int r = 0; r < level->rows && uncovered.size() < 3; ++r)
        for (int c = 0; c < level->cols && uncovered.size() < 3; ++c)
            if (level->tile[r][c]->isPicture()) {
                moveTo(*level->tile[r][c]);
                button(1, true);
                button(1, false);
                frame(30);
                uncovered.push_back({r, c});
            }
    for (auto [r, c] : uncovered) ASSERT_TRUE(level->tile[r][c]->isUncovered());
    game->mnoznik = 3;
    game->useMieczN = 2;
    saveAll();

    // Another player on the title screen must not take these counters.
    auto bob = newProfileNamed("BOB");
    profileManager->listaProfili.push_back(bob);
    profileManager->profile = bob;
    saveAll();
    EXPECT_EQ(bob->gameData.mnoznik, 1);

    // The next start: the list is read again, Ann is chosen and resumes.
    game->mnoznik = 1;
    game->useMieczN = 0;
    profileManager = std::make_shared<TProfileManager>();
    profileManager->loadProfiles();
    ASSERT_EQ(profileManager->listaProfili.size(), 2u);
    profileManager->choose(profileManager->listaProfili[0]);
    TProfile& ann = *profileManager->profile;
    ASSERT_EQ(ann.name, "ANN");
    ASSERT_TRUE(ann.actLevel);
    EXPECT_EQ(ann.actLevel->url, file) << "the level keeps the name its flow gives it";
    EXPECT_EQ(ann.canContinue(), 1);
    EXPECT_EQ(ann.ContinueGame(), "MAIN-GAME");
    ASSERT_EQ(game->level, ann.actLevel);
    for (auto [r, c] : uncovered) EXPECT_TRUE(game->level->tile[r][c]->isUncovered()) << r << "," << c;
    EXPECT_FLOAT_EQ(game->mnoznik, 3);
    EXPECT_EQ(game->useMieczN, 2);
    EXPECT_EQ(game->level->backGroundUrl, level->backGroundUrl);
    EXPECT_FALSE(file.empty());
    release();
}

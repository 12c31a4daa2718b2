// Each mini-game's level in progress is saved with its player and comes back as it was left: the chest
// puzzle with its blocks and time, the jigsaw with its pieces, the route puzzle with its turned blocks, the
// hidden-object scene with its found objects; a saved level that cannot be used starts again from its flow
// file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <regex>

#include "../files/TempDir.h"
#include "MainGameFixture.h"
#include "minigames/FindRoutePuzzle.h"
#include "minigames/HiddenObject.h"
#include "minigames/Puzzle.h"
#include "minigames/PuzzleExpress.h"
#include "progress/LevelManager.h"
#include "progress/SaveAll.h"

namespace {

class MiniGameResume : public MainGameTest {
  protected:
    TempDir user;
    void SetUp() override {
        MainGameTest::SetUp();
        userFolder = user.path.string();
        std::filesystem::create_directories(user.path / "Profiles");
        if (!puzzleExpress) puzzleExpress = new TPuzzleExpress();
        if (!puzzle) puzzle = new TPuzzle();
        if (!findRoutePuzzle) findRoutePuzzle = new TFindRoutePuzzle();
        if (!hiddenObject) hiddenObject = new THiddenObject();
        peData.load(false);
        registerPuzzleExpressKind();
        registerPuzzleKind();
        registerFindRouteKind();
        registerHiddenObjectKind();
        levelManager = TLevelManager();
        levelManager.setup();
    }
    void TearDown() override {
        unregisterLevelKinds();
        levelManager = TLevelManager();
    }

    // A new casual journey played up to the first entry of `kind`; its level.
    std::shared_ptr<TFlowLevel> reach(const std::string& kind) {
        TProfile& p = profile();
        p.name = "ANN";
        p.flowType = "CASUAL";
        profileManager->listaProfili = {profileManager->profile};
        p.startNewGame();
        std::string k;
        for (int i = 0; i < 40 && k != kind; ++i) k = p.getNextLevel();
        EXPECT_EQ(k, kind);
        return p.actLevel;
    }

    // Saved, read back at the next start and continued: the kind the title goes on with.
    static std::string saveAndContinue() {
        saveAll();
        profileManager = std::make_shared<TProfileManager>();
        profileManager->loadProfiles();
        if (profileManager->listaProfili.empty()) return "";
        profileManager->choose(profileManager->listaProfili[0]);
        return profileManager->profile->ContinueGame();
    }
};

}  // namespace

TEST_F(MiniGameResume, TheChestPuzzleComesBackWithItsBlocksAndTime) {
    auto level = std::dynamic_pointer_cast<TPELevel>(reach("PUZZLE-EXPRESS"));
    ASSERT_TRUE(level);
    ASSERT_EQ(puzzleExpress->level, level);
    level->blocks[0]->x = 123;
    level->blocks[0]->dir = level->blocks[0]->dDir = 180;
    level->time = 42;
    const std::string url = level->url;
    ASSERT_EQ(saveAndContinue(), "PUZZLE-EXPRESS");
    auto back = puzzleExpress->level;
    ASSERT_TRUE(back);
    EXPECT_NE(back, level);
    EXPECT_EQ(back->url, url);
    EXPECT_EQ(back->time, 42);
    ASSERT_EQ(back->blocks.size(), level->blocks.size());
    EXPECT_EQ(back->blocks[0]->x, 123);
    EXPECT_EQ(back->blocks[0]->dir, 180);
}

TEST_F(MiniGameResume, TheJigsawComesBackWithItsPieces) {
    auto level = std::dynamic_pointer_cast<TPuzzleLevel>(reach("PUZZLE"));
    ASSERT_TRUE(level);
    ASSERT_EQ(puzzle->level, level);
    TPuzzleElement& p = *level->puzzles[3];
    p.x = p.dx;
    p.y = p.dy;
    p.putOk = 1;
    level->puzzles[4]->x = 500;
    ASSERT_EQ(saveAndContinue(), "PUZZLE");
    auto back = puzzle->level;
    ASSERT_TRUE(back);
    EXPECT_NE(back, level);
    ASSERT_EQ(back->puzzles.size(), level->puzzles.size());
    EXPECT_EQ(back->puzzles[3]->putOk, 1);
    EXPECT_EQ(back->puzzles[3]->x, p.dx);
    EXPECT_EQ(back->puzzles[4]->x, 500);
}

TEST_F(MiniGameResume, TheRoutePuzzleComesBackWithItsTurnedBlocks) {
    auto level = std::dynamic_pointer_cast<TFRLevel>(reach("FINDROUTE-PUZZLE"));
    ASSERT_TRUE(level);
    TFRBlock& b = level->blocks[1][1];
    b.rot = b.rot % 4 + 1;
    ASSERT_EQ(saveAndContinue(), "FINDROUTE-PUZZLE");
    auto back = findRoutePuzzle->level;
    ASSERT_TRUE(back);
    EXPECT_NE(back, level);
    EXPECT_EQ(back->blocks[1][1].rot, b.rot);
}

TEST_F(MiniGameResume, ASolvedOrSkippedMiniGameIsPassedInTheProfile) {
    const struct {
        const char* kind;
        std::function<void()> win;
    } cases[] = {
        {"PUZZLE-EXPRESS", [] { puzzleExpress->WIN(); }},
        {"PUZZLE", [] { puzzle->Win(); }},
        {"FINDROUTE-PUZZLE", [] { findRoutePuzzle->SkipWin(); }},
        {"HIDDEN-OBJECT", [] { hiddenObject->WIN(); }},
    };
    for (const auto& c : cases) {
        profileManager->profile = std::make_shared<TProfile>();
        ASSERT_TRUE(reach(c.kind)) << c.kind;
        TProfile& p = profile();
        c.win();
        if (std::string(c.kind) == "FINDROUTE-PUZZLE")  // the route ends once its lightning has run
            for (int i = 0; i < 400 && findRoutePuzzle->wynik.empty(); ++i) {
                eng::Delay(17);
                findRoutePuzzle->update();
            }
        const auto d = p.getProfLevelData(p.numerLevelu);
        ASSERT_TRUE(d) << c.kind;
        EXPECT_EQ(d->passed, 1) << c.kind;
        EXPECT_FALSE(p.actLevel) << c.kind << ": no longer the level in progress";
    }
}

TEST_F(MiniGameResume, TheSceneComesBackWithItsFoundObjects) {
    auto level = std::dynamic_pointer_cast<THOLevel>(reach("HIDDEN-OBJECT"));
    ASSERT_TRUE(level);
    ASSERT_EQ(hiddenObject->level, level);
    ASSERT_GE(level->objects.size(), 3u);
    level->objects[2]->state = "DONE";
    level->time = 33;
    ASSERT_EQ(saveAndContinue(), "HIDDEN-OBJECT");
    auto back = hiddenObject->level;
    ASSERT_TRUE(back);
    EXPECT_NE(back, level);
    ASSERT_EQ(back->objects.size(), level->objects.size());
    EXPECT_TRUE(back->objects[2]->done());
    EXPECT_TRUE(back->objects[1]->hidden());
    EXPECT_EQ(back->time, 33);
}

// A saved chest puzzle whose block count says a billion comes back with the blocks it holds; one whose field
// no level can have, or that is not a chest puzzle at all, is not resumed: the level starts again from the
// flow's own file, with a message.
TEST_F(MiniGameResume, ADamagedChestPuzzleInProgressStartsAgainFromItsFlowFile) {
    const struct {
        const char* name;
        std::function<std::string(const std::string&)> damage;
        const char* resumed;
    } cases[] = {
        {"a count of a billion",
         [](const std::string& t) {
             return std::regex_replace(t, std::regex(R"(\bi = \d+)"), "i = 1000000000");
         },
         "PUZZLE-EXPRESS"},
        {"a field of 40000 x 40000",
         [](const std::string& t) {
             return std::regex_replace(t, std::regex(R"(dims = \d+, \d+)"), "dims = 40000, 40000");
         },
         "RESTART-LEVEL"},
        {"a route puzzle",
         [](const std::string&) { return eng::LoadText(programPrefix + "data/routes/route1.dat"); },
         "RESTART-LEVEL"},
    };
    int n = 0;
    for (const auto& c : cases) {
        userFolder = (user.path / std::to_string(++n)).string();  // a player of its own for each case
        std::filesystem::create_directories(userFolder + "/Profiles");
        profileManager = std::make_shared<TProfileManager>();
        profileManager->profile = std::make_shared<TProfile>();
        auto level = std::dynamic_pointer_cast<TPELevel>(reach("PUZZLE-EXPRESS"));
        ASSERT_TRUE(level) << c.name;
        const std::string url = level->url;
        const size_t blocks = level->blocks.size();
        saveAll();
        const std::string saved = profile().folder() + "/Level.lvl";
        std::string text;
        ASSERT_TRUE(eng::TryLoadText(saved, text)) << c.name;
        ASSERT_TRUE(eng::SaveText(c.damage(text), saved)) << c.name;

        testing::internal::CaptureStderr();
        profileManager = std::make_shared<TProfileManager>();
        profileManager->loadProfiles();
        ASSERT_EQ(profileManager->listaProfili.size(), 1u) << c.name;
        profileManager->choose(profileManager->listaProfili[0]);
        TProfile& p = profile();
        const std::string answer = p.ContinueGame();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(answer, c.resumed) << c.name << "\n" << said;
        if (answer == "PUZZLE-EXPRESS") {
            ASSERT_TRUE(puzzleExpress->level) << c.name;
            EXPECT_EQ(puzzleExpress->level->blocks.size(), blocks) << c.name;
            continue;
        }
        EXPECT_FALSE(p.actLevel) << c.name;
        EXPECT_NE(said.find("cannot be resumed; it starts again from its flow file"), std::string::npos)
            << c.name << "\n"
            << said;
        EXPECT_EQ(p.restartLevel(), "PUZZLE-EXPRESS") << c.name;
        ASSERT_TRUE(p.actLevel) << c.name;
        EXPECT_EQ(p.actLevel->url, url) << c.name << ": the flow's own file";
    }
}

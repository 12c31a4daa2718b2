// A flow entry whose level file is of another kind (a nonogram level listed as a chest puzzle, a route as a
// hidden-object scene, ...) is not shown: the switcher says which entry and file, and goes on to the next.
#include <gtest/gtest.h>

#include <filesystem>

#include "../files/TempDir.h"
#include "MainGameFixture.h"
#include "app/Control.h"
#include "minigames/FindRoutePuzzle.h"
#include "minigames/HiddenObject.h"
#include "minigames/Puzzle.h"
#include "minigames/PuzzleExpress.h"
#include "nonogram/MainGameFlow.h"
#include "progress/LevelManager.h"

namespace {

class UnplayableEntry : public MainGameTest {
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
        registerMainGameKind();
        registerPuzzleExpressKind();
        registerPuzzleKind();
        registerFindRouteKind();
        registerHiddenObjectKind();
        levelManager = TLevelManager();
    }
    void TearDown() override {
        unregisterLevelKinds();
        levelManager = TLevelManager();
    }

    // The casual flow: one entry per (kind, file) in order, all of stage 1.
    static void flow(const std::vector<std::pair<std::string, std::string>>& entries) {
        for (const auto& [kind, file] : entries) {
            auto d = std::make_shared<TLevelData>();
            d->nr = static_cast<int>(levelManager.casualLevels.size()) + 1;
            d->numer = d->nr;
            d->stageN = 1;
            d->gameType = kind;
            d->url = programPrefix + file;
            levelManager.casualLevels.push_back(d);
        }
    }
};

}  // namespace

TEST_F(UnplayableEntry, EachEntryOfAnotherKindIsPassedOverWithItsFileAndTheGameGoesOn) {
    const std::vector<std::pair<std::string, std::string>> wrong = {
        {"PUZZLE-EXPRESS", "data/levels/ankh.lvl"},       {"HIDDEN-OBJECT", "data/routes/route1.dat"},
        {"FINDROUTE-PUZZLE", "data/puzzles/puzzle1.dat"}, {"PUZZLE", "data/hiddenObjects/ho1.hol"},
        {"MAIN-GAME", "data/puzzleExpress/pe1.dat"},      {"PUZZLE-EXPRESS", "data/nothing-here.dat"},
    };
    flow(wrong);
    flow({{"PUZZLE-EXPRESS", "data/puzzleExpress/pe2.dat"}});
    TProfile& p = profile();
    p.name = "ANN";
    p.flowType = "CASUAL";
    profileManager->listaProfili = {profileManager->profile};
    p.startNewGame();

    TScreenSwitcher switcher;
    switcher.setWhere("GET-NEXT-LEVEL");
    testing::internal::CaptureStderr();
    EXPECT_TRUE(switcher.step());
    const std::string said = testing::internal::GetCapturedStderr();

    EXPECT_EQ(switcher.where, "PUZZLE-EXPRESS") << said;
    EXPECT_EQ(p.flowSequence, 7) << said;
    ASSERT_TRUE(p.actLevel);
    EXPECT_EQ(p.actLevel->url, programPrefix + "data/puzzleExpress/pe2.dat");
    EXPECT_EQ(puzzleExpress->level, p.actLevel) << "the chest puzzle screen plays the entry that follows";
    for (size_t i = 0; i < wrong.size(); ++i) {
        const std::string line = "The flow entry " + std::to_string(i + 1) + " (" + wrong[i].first + ", " +
                                 programPrefix + wrong[i].second +
                                 ") cannot be played; going on to the next entry.";
        EXPECT_NE(said.find(line), std::string::npos) << line << "\n" << said;
    }
    EXPECT_NE(said.find("cannot be played as a nonogram level"), std::string::npos) << said;
}

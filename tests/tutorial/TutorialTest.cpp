// The tutorial: its start conditions and erase conditions as tables, actions run in order until one blocks,
// tips that end and leave the pending list, one update a frame, the pending tips kept with the profile, and
// a tutorial level's tips coming back when it starts again.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "common/HeadlessGame.h"
#include "core/Globals.h"
#include "engine/Engine.h"
#include "gui/Mouse.h"
#include "nonogram/Level.h"
#include "nonogram/TileData.h"
#include "progress/Profile.h"
#include "progress/TutorialIndex.h"
#include "screen/Ekran.h"
#include "tutorial/Tutorial.h"

namespace {

class Tutorial : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        startHeadlessGame();
        loadTileData();  // the tile kinds and covers the level's cells name
        loadTileHide();
    }
    void SetUp() override {
        level = loadLevel(programPrefix + "data/levels/ankh.lvl", 1);  // 5 x 5, every cell turned off
        ASSERT_TRUE(level);
        t.profile = [this] { return &player; };
        t.grid = [this] { return level.get(); };
        screen.id = "MAIN-GAME";
        t.ekr = &screen;
        player.numerLevelu = 1;
    }
    // A tip of level `lvl` (0: general) on the main game screen.
    static std::shared_ptr<TTutorialTip> tip(const std::string& id, int lvl, std::vector<TWords> actions,
                                             std::vector<TWords> erase = {}, std::vector<TWords> conds = {}) {
        auto p = std::make_shared<TTutorialTip>();
        p->id = id;
        p->numerLevelu = lvl;
        p->screen = "MAIN-GAME";
        p->allActions = std::move(actions);
        p->eraseConds = std::move(erase);
        p->conditions = std::move(conds);
        return p;
    }
    // The tips the tutorial knows and the index the profile reads; every one of them pending.
    void know(const std::vector<std::shared_ptr<TTutorialTip>>& tips) {
        t.levelTips.clear();
        t.generalTips.clear();
        tutorialIndex.tips.clear();
        player.lekcjeTutoriala.clear();
        for (const auto& p : tips) {
            (p->numerLevelu ? t.levelTips : t.generalTips).push_back(p);
            tutorialIndex.tips.push_back({p->id, p->numerLevelu, p->rememberMe});
            player.lekcjeTutoriala.push_back(p->id);
        }
    }
    // One frame of the screen: the clock moves on and the tutorial updates once.
    void frame(int ms = 17) {
        eng::Delay(ms);
        eng::Flip();
        t.update();
    }

    TTutorial t;
    TProfile player;
    TEkran screen;
    std::shared_ptr<TLevel> level;
};

TEST_F(Tutorial, ConditionsHoldAsTheirTableSays) {
    player.unlocked = {1, 0, 0, 0, 0, 1};
    player.lekcjeTutoriala = {"PENDING"};
    screen.fade = 0;
    const auto general = tip("G", 0, {}), bound = tip("B", 1, {}), elsewhere = tip("E", 5, {});
    const struct {
        const TTutorialTip* tip;
        TWords words;
        bool holds;
    } cases[] = {
        {general.get(), {}, true},
        {general.get(), {"FADE", "0"}, true},
        {general.get(), {"FADE", "1"}, false},
        {general.get(), {"TIP-EXECUTED", "pending"}, false},
        {general.get(), {"TIP-EXECUTED", "NEVER-PENDING"}, true},
        {general.get(), {"LEVEL", "1"}, true},
        {general.get(), {"LEVEL", "3"}, false},
        {general.get(), {"LEVEL"}, false},  // a missing word reads as 0
        {general.get(), {"POWER-UP-UNLOCKED", "0"}, true},
        {general.get(), {"POWER-UP-UNLOCKED", "1"}, false},
        {general.get(), {"POWER-UP-UNLOCKED", "5"}, true},
        {general.get(), {"POWER-UP-UNLOCKED", "-1"}, false},
        {general.get(), {"POWER-UP-UNLOCKED", "6"}, false},
        {general.get(), {"SOMETHING", "1"}, false},
        {bound.get(), {"FADE", "0"}, true},
        {elsewhere.get(), {"FADE", "0"}, false},  // a tip of level 5 waits for level 5
    };
    for (const auto& c : cases) {
        std::string text;
        for (const auto& w : c.words) text += w + " ";
        EXPECT_EQ(t.conditionHolds(*c.tip, c.words), c.holds) << c.tip->id << ": " << text;
    }
}

TEST_F(Tutorial, EraseConditionsReadTheGridAndAClickEndsOnlyItsTip) {
    level->tile[2][0]->odkryty = 1;
    for (int c = 0; c < 5; ++c) level->tile[1][c]->broken = 1;
    const struct {
        TWords words;
        bool holds;
    } cases[] = {
        {{"ROW-CLEAR", "1"}, true},   {{"ROW-CLEAR", "2"}, false},   {{"ROW-CLEAR", "9"}, false},
        {{"COL-CLEAR", "-1"}, false}, {{"CLEARED", "1", "3"}, true}, {{"CLEARED", "7", "7"}, false},
        {{"CLEARED"}, false},         {{"NOTHING"}, false},          {{"MOUSE"}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(t.eraseHolds(c.words), c.holds) << c.words[0];
    // Without a grid nothing of the grid holds.
    t.grid = [] { return nullptr; };
    EXPECT_FALSE(t.eraseHolds({"ROW-CLEAR", "1"}));
    // A left click ends a "MOUSE LEFT" tip and is used up: the grid does not see it this frame.
    mouse->leftPressed = 1;
    EXPECT_FALSE(t.eraseHolds({"MOUSE", "RIGHT"}));
    EXPECT_TRUE(t.eraseHolds({"MOUSE", "LEFT"}));
    EXPECT_EQ(mouse->leftPressed, 0);
}

TEST_F(Tutorial, ActionsRunInOrderUntilOneBlocksAndStayInsideTheGrid) {
    auto a = tip("A", 1,
                 {{"SHOW-ME"},
                  {"ARROW", "100", "200", "-90"},
                  {"TURN-ON-WITH-LIGHT", "2", "3"},
                  {"SET-ZADANIE", "2", "3", "uncover", "light-down"},
                  {"LIGHT-UP", "9", "9"},
                  {"TURN-ON", "-1", "2"},
                  {"WAIT", "300"},
                  {"SHOW-ROW-POSIBILITY", "0", "3_ROW", "200", "X", "1110000000", "0111000"},
                  {"HIDE-ME"}},
                 {{"ROW-CLEAR", "0"}});
    know({a});
    frame();  // chosen
    ASSERT_EQ(t.actTip, a);
    frame();  // its actions run
    EXPECT_EQ(a->dA, 1);
    ASSERT_EQ(a->arrows.size(), 1u);
    EXPECT_EQ(a->arrows[0].rot, -90);
    EXPECT_EQ(level->tile[2][3]->turnoff, 0);
    EXPECT_EQ(level->tile[2][3]->dLightUpA, 1);
    EXPECT_EQ(level->tile[2][3]->zadanie, "UNCOVER");
    EXPECT_EQ(level->tile[2][2]->turnoff, 1) << "only the cell named";
    EXPECT_EQ(a->actAction, (TWords{"WAIT", "300"}));
    frame(200);
    EXPECT_EQ(a->actAction[0], "WAIT") << "still waiting";
    frame(150);
    ASSERT_TRUE(a->actPosibility);
    EXPECT_EQ(a->actPosibility->pos[0], "11100") << "a pattern is cut to the grid";
    EXPECT_EQ(a->dA, 1) << "the example blocks the actions after it";
    for (int i = 0; i < 40 && a->actPosibility; ++i) frame(50);
    EXPECT_FALSE(a->actPosibility);
    EXPECT_EQ(a->dA, 0) << "after the example the next action ran";
    EXPECT_EQ(a->erase, 0) << "its row is not clear yet";
}

TEST_F(Tutorial, ATipWithoutEraseConditionsEndsWithItsActionsAndIsNotShownAgain) {
    auto shown = tip("SHOWN", 0, {{"SHOW-ME"}, {"WAIT", "3000"}});
    auto next = tip("NEXT", 0, {{"SHOW-ME"}}, {{"MOUSE"}}, {{"TIP-EXECUTED", "SHOWN"}});
    know({shown, next});
    frame();
    ASSERT_EQ(t.actTip, shown);
    for (int i = 0; i < 60; ++i) frame();
    EXPECT_EQ(shown->a, 1) << "faded in, and waiting";
    EXPECT_EQ(shown->erase, 0);
    frame(3000);
    EXPECT_EQ(shown->erase, 1);
    EXPECT_EQ(player.lekcjeTutoriala, std::vector<std::string>{"NEXT"});
    for (int i = 0; i < 30 && t.actTip; ++i) frame();
    EXPECT_FALSE(t.actTip) << "gone once faded out";
    frame();
    EXPECT_EQ(t.actTip, next) << "the tip that waited for it starts";
    // One update a frame, however many times a screen asks.
    const float alpha = next->a;
    t.update();
    t.update2();
    EXPECT_EQ(next->a, alpha);
}

TEST_F(Tutorial, ASkippableTipIsNotShownWhileTheTipsAreOffAndBlocksThoseBehindIt) {
    auto first = tip("FIRST", 0, {{"SHOW-ME"}});
    first->skipAble = 1;
    know({first, tip("SECOND", 0, {{"SHOW-ME"}})});
    player.tutorialOn = 0;
    frame();
    EXPECT_FALSE(t.actTip);
    player.tutorialOn = 1;
    frame();
    EXPECT_EQ(t.actTip, first);
    // A tip of another screen is not chosen here.
    t.hideTutorial();
    first->screen = "PUZZLE";
    frame();
    ASSERT_TRUE(t.actTip);
    EXPECT_EQ(t.actTip->id, "SECOND");
}

TEST_F(Tutorial, PendingTipsAreKeptWithTheProfileAndUnknownOnesDropped) {
    know({tip("A", 1, {}), tip("B", 0, {})});
    userFolder = testing::TempDir() + "tips-user";
    std::filesystem::remove_all(userFolder);
    player.name = "TIPS";
    player.lekcjeTutoriala = {"B", "GONE-FROM-THE-GAME", "A"};
    ASSERT_TRUE(player.save());
    const auto back = loadProfile(player.folder() + "/profile.dat");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->lekcjeTutoriala, (std::vector<std::string>{"B", "A"}));
    // A new journey has every tip pending, the level-bound ones first.
    back->armAllTips();
    EXPECT_EQ(back->lekcjeTutoriala, (std::vector<std::string>{"A", "B"}));
}

TEST_F(Tutorial, ATutorialLevelStartingAgainBringsBackItsRememberedTipsInOrder) {
    auto welcome = tip("WELCOME", 1, {{"SHOW-ME"}}, {{"MOUSE"}}, {{"FADE", "0"}});
    auto row = tip("ROW", 1, {{"SHOW-ME"}}, {{"MOUSE"}}, {{"TIP-EXECUTED", "WELCOME"}});
    auto later = tip("LATER", 1, {{"SHOW-ME"}}, {{"MOUSE"}}, {{"TIP-EXECUTED", "ROW"}});
    welcome->rememberMe = row->rememberMe = 1;
    know({welcome, row, later, tip("GENERAL", 0, {}, {}, {{"LEVEL", "3"}})});
    // Welcome and row were seen; the player left before the last tip.
    player.lekcjeTutoriala = {"LATER", "GENERAL"};
    player.resetTutorialForLevel();
    EXPECT_EQ(player.lekcjeTutoriala, (std::vector<std::string>{"LATER", "GENERAL", "WELCOME", "ROW"}));
    frame();
    EXPECT_EQ(t.actTip, welcome) << "the chain starts from its first tip again";
    // On another level nothing is re-armed.
    player.numerLevelu = 2;
    player.lekcjeTutoriala.clear();
    player.resetTutorialForLevel();
    EXPECT_TRUE(player.lekcjeTutoriala.empty());
}

}  // namespace

namespace {

TEST_F(Tutorial, EveryShippedTipReadsWithItsTextOnAScreenOfTheGame) {
    TTutorial shipped;
    shipped.setup();
    ASSERT_FALSE(shipped.levelTips.empty());
    ASSERT_FALSE(shipped.generalTips.empty());
    const std::set<std::string> screens = {"MAIN-GAME",     "WIN-SCREEN", "PUZZLE-EXPRESS",
                                           "HIDDEN-OBJECT", "FIND-ROUTE", "PUZZLE"};
    std::set<std::string> ids;
    for (const auto* list : {&shipped.levelTips, &shipped.generalTips})
        for (const auto& tip : *list) {
            EXPECT_TRUE(ids.insert(tip->id).second) << "twice: " << tip->id;
            EXPECT_TRUE(screens.count(tip->screen)) << tip->id << " on " << tip->screen;
            ASSERT_FALSE(tip->txts.empty()) << tip->id;
            EXPECT_LE(tip->txts.size(), 2u) << tip->id;
            // Each line fits the band of its tip.
            eng::SetImageFont(tip->font);
            for (const auto& line : tip->txts)
                EXPECT_LE(eng::TextWidth(line), tip->normalWidth ? 1004 : 820) << tip->id << ": " << line;
        }
    EXPECT_TRUE(shipped.arrowImages[0] && shipped.arrowImages[1]);
}

}  // namespace

// The main game screen played with the mouse and keys: drags and their release, cancelling, the tool
// swap, mistakes with and without the bag, scoring and time, the win and the burst chest.
#include <gtest/gtest.h>

#include "MainGameFixture.h"
#include "effects/Emitter.h"
#include "gui/Gui.h"
#include "nonogram/Caption.h"
#include "nonogram/Debris.h"
#include "nonogram/FlyingTile.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/Plate.h"
#include "nonogram/TextCaption.h"

namespace {

const std::vector<std::string> kFull(5, "#####");

// What became of each cell of a 5 x 5 grid: '.' untouched, 'u' uncovering, 'b' breaking.
std::string moves(const TLevel& l) {
    std::string out;
    for (int r = 0; r < l.rows; ++r) {
        for (int c = 0; c < l.cols; ++c) {
            const TTileState s = l.tile[r][c]->state;
            const std::string name = tileStateName(s);
            out += name.empty() ? '.' : (name.rfind("ODKRYJ", 0) == 0 || name == "ODKRYTY") ? 'u' : 'b';
        }
        if (r + 1 < l.rows) out += '/';
    }
    return out;
}

TEST_F(MainGameTest, ADragIsAStraightLineFromItsStartAndTheReleaseDecidesTheTool) {
    struct Case {
        int r1, c1, r2, c2;
        int button;  // 1 left, 2 right
        TTool tool;
        int labelCount;
        int highlightRow, highlightCol;  // the row / column lit while dragging
        const char* result;
    } cases[] = {
        {0, 0, 0, 3, 1, TTool::HAND, 4, 0, -1, "uuuu./...../...../...../....."},  // row, hand, left: uncover
        {4, 4, 4, 1, 2, TTool::HOOK, 4, 4, -1,
         "...../...../...../...../.uuuu"},  // right with the hook uncovers
        {0, 1, 3, 2, 1, TTool::HOOK, 4, -1, 1,
         ".b.../.b.../.b.../.b.../....."},  // mostly down: a column; hook breaks
        {2, 2, 2, 0, 2, TTool::HAND, 3, 2, -1,
         "...../...../bbb../...../....."},  // right with the hand breaks
        {1, 1, 2, 2, 1, TTool::HAND, 2, -1, 1,
         "...../.u.../.u.../...../....."},  // equal steps count as a column
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.r1) + "," + std::to_string(c.c1) + " -> " + std::to_string(c.r2) + "," +
                     std::to_string(c.c2));
        auto l = level(kFull);
        start(l);
        game->setHand(c.tool);
        dragTo(*l->tile[c.r1][c.c1], *l->tile[c.r2][c.c2], c.button);
        EXPECT_EQ(game->drag.holdedCounter, c.labelCount);
        EXPECT_EQ(game->drag.toDraw, game->drag.lastHoldedTile);
        EXPECT_EQ(game->drag.firstHoldedTile, l->tile[c.r1][c.c1]);
        EXPECT_EQ(game->getOverLeft2(), c.highlightRow);
        EXPECT_EQ(game->getOverUp2(), c.highlightCol);
        EXPECT_EQ(moves(*l), "...../...../...../...../.....") << "nothing happens before the release";
        button(c.button, false);
        EXPECT_EQ(moves(*l), c.result);
        EXPECT_TRUE(game->drag.tilesyHolded.empty());
        release();
    }
}

TEST_F(MainGameTest, BothButtonsOrEscapeCancelADrag) {
    auto l = level(kFull);
    start(l);
    dragTo(*l->tile[0][0], *l->tile[0][4]);
    button(2, true);  // both held: cancelled
    button(2, false);
    button(1, false);
    EXPECT_EQ(moves(*l), "...../...../...../...../.....");

    dragTo(*l->tile[1][0], *l->tile[1][4]);
    eng::InjectKey(27, true);
    frame();
    eng::InjectKey(27, false);
    button(1, false);
    EXPECT_EQ(moves(*l), "...../...../...../...../.....");
    EXPECT_EQ(game->drag.startTile, nullptr);

    // A plain click after a cancel still works.
    moveTo(*l->tile[2][2]);
    button(1, true);
    button(1, false);
    EXPECT_EQ(moves(*l), "...../...../..u../...../.....");
}

TEST_F(MainGameTest, CtrlSwapsTheToolsWhileHeld) {
    auto l = level(kFull);
    start(l);
    eng::InjectKey(162, true);
    frame();
    EXPECT_EQ(game->hand, TTool::HOOK);
    dragTo(*l->tile[0][0], *l->tile[0][2]);
    button(1, false);
    EXPECT_EQ(moves(*l), "bbb../...../...../...../.....");
    eng::InjectKey(162, false);
    frame();
    EXPECT_EQ(game->hand, TTool::HAND);
    moveTo(*l->tile[1][0]);
    button(1, true);
    button(1, false);
    EXPECT_EQ(moves(*l), "bbb../u..../...../...../.....");
}

TEST_F(MainGameTest, TheNextLevelStartsFromTheCtrlKeysRealState) {
    // Ctrl held through the winning move and let go before the next level: the hand, not the hook.
    auto first = level({"#....", ".....", ".....", ".....", "....."});
    start(first);
    eng::InjectKey(162, true);
    frame();
    ASSERT_EQ(game->hand, TTool::HOOK);
    game->setLevel(level(kFull));
    eng::InjectKey(162, false);
    game->prepare();
    for (int i = 0; i < 400 && game->state != TGameState::NORMAL; ++i) frame();
    EXPECT_EQ(game->hand, TTool::HAND);
    // Ctrl still held when a level starts gives the hook until it is let go.
    eng::InjectKey(162, true);
    start(level(kFull));
    EXPECT_EQ(game->hand, TTool::HOOK);
    eng::InjectKey(162, false);
    frame();
    EXPECT_EQ(game->hand, TTool::HAND);
}

TEST_F(MainGameTest, TheCellsOfADraggedLinePayIntoOnePopupThatShowsTheTotal) {
    auto l = level(kFull);
    start(l);
    dragTo(*l->tile[2][0], *l->tile[2][3]);
    button(1, false);
    frame(30);  // the four cells pay 50 ms apart
    std::vector<int> shown;
    for (const auto& c : game->fx.captions)
        if (auto* popup = dynamic_cast<const TTextCaption*>(c.get())) shown.push_back(popup->v);
    EXPECT_EQ(shown, std::vector<int>{100});
    // A move made later gets a popup of its own.
    frame(30);
    moveTo(*l->tile[4][4]);
    button(1, true);
    button(1, false);
    frame(10);
    shown.clear();
    for (const auto& c : game->fx.captions)
        if (auto* popup = dynamic_cast<const TTextCaption*>(c.get())) shown.push_back(popup->v);
    EXPECT_EQ(shown, (std::vector<int>{100, 25}));
}

// Wrong moves one after another, each stone landed before the next; what the counters say after each.
TEST_F(MainGameTest, MistakesFillTheBagThenDamageTheChestThenBurstIt) {
    struct Step {
        int mistakes, inBag;
        int chestFrame;
        bool bagShown;
        TGameState state;
    };
    struct Case {
        const char* name;
        bool bag;
        int tolerance;
        std::vector<Step> steps;
    } cases[] = {
        {"no bag, two tolerated",
         false,
         2,
         {{1, 0, 2, false, TGameState::NORMAL},
          {2, 0, 5, false, TGameState::NORMAL},
          {3, 0, 5, false, TGameState::LOSE}}},
        {"bag, one tolerated",
         true,
         1,
         {{0, 1, 0, true, TGameState::NORMAL},
          {0, 2, 0, true, TGameState::NORMAL},
          {0, 3, 0, false, TGameState::NORMAL},
          {1, 3, 5, false, TGameState::NORMAL},
          {2, 3, 5, false, TGameState::LOSE}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        profile().mistakes = profile().kamienieWWorku = 0;
        ownPowerUps(c.bag);
        auto l = level(kFull, c.tolerance);
        start(l);
        int n = 0;
        for (const auto& s : c.steps) {
            SCOPED_TRACE("wrong move " + std::to_string(n + 1));
            ASSERT_EQ(l->tile[n / 5][n % 5]->rozbij(0), 50);  // the hook on a picture cell
            ++n;
            frame(2);
            landStones();
            EXPECT_EQ(profile().mistakes, s.mistakes);
            EXPECT_EQ(profile().kamienieWWorku, s.inBag);
            EXPECT_EQ(static_cast<int>(game->chest.getChestFrame()), s.chestFrame);
            EXPECT_EQ(game->Gui->getItem("bonus6")->_v != 0, s.bagShown);
            // LOSE, or LOSE_END once everything fell
            EXPECT_TRUE(game->state == s.state ||
                        (s.state == TGameState::LOSE && game->state == TGameState::LOSE_END))
                << game->state;
        }
        for (int i = 0; i < 600 && game->wynik.empty(); ++i) frame();
        EXPECT_EQ(game->wynik, "RESTART-LEVEL");
        release();
    }
}

TEST_F(MainGameTest, AStoneFlyingToTheBagHoldsItsPlace) {
    profile().mistakes = 0;
    profile().kamienieWWorku = 2;
    ownPowerUps(true);
    auto l = level(kFull, 3);
    start(l);
    l->tile[0][0]->rozbij(0);
    l->tile[0][1]->rozbij(0);  // in the same frame: only one place is left in the bag
    frame(2);
    EXPECT_EQ(stonesFlyingToBag(game->fx.stones), 1);
    landStones();
    EXPECT_EQ(profile().kamienieWWorku, 3);
    EXPECT_EQ(profile().mistakes, 1);
}

TEST_F(MainGameTest, ScoreTimeAndMultiplierTexts) {
    EXPECT_EQ(TMainGame::getTimeString(59), "00:59");
    EXPECT_EQ(TMainGame::getTimeString(60), "01:00");
    EXPECT_EQ(TMainGame::getTimeString(600), "10:00");
    EXPECT_EQ(TMainGame::getTimeString(3725), "62:05");
    auto l = level(kFull);
    start(l);
    l->score = 1234;
    EXPECT_EQ(game->getScoreString(), "00001234");
    const struct {
        float m;
        const char* text;
    } multipliers[] = {{1, "1.0"}, {1.5f, "1.5"}, {2.25f, "2.2"}, {12, "12.0"}};
    for (const auto& m : multipliers) {
        game->mnoznik = m.m;
        EXPECT_EQ(game->getMnoznikString(), m.text);
    }
    // Points are multiplied and the sum truncated.
    l->score = 0;
    game->mnoznik = 1.5f;
    game->addScore(25, 100, 100);
    EXPECT_EQ(l->score, 37);
    game->addScore(25, 100, 100);
    EXPECT_EQ(l->score, 74);
}

TEST_F(MainGameTest, TheClockTicksOncePerSecond) {
    auto l = level(kFull);
    start(l);
    const int before = l->czas;
    const int64_t t0 = eng::MilliSecs();
    while (eng::MilliSecs() - t0 < 3000) frame();
    EXPECT_GE(l->czas - before, 2);
    EXPECT_LE(l->czas - before, 3);
}

TEST_F(MainGameTest, TheWinRecordsTheScoreShownAndBreaksTheRestForFree) {
    profile().numerLevelu = 3;
    profile().mistakes = 0;
    auto l = level({"###..", ".....", ".....", ".....", "....."});
    start(l);
    // The last line is dragged: its later cells have not paid yet when the picture is complete.
    dragTo(*l->tile[0][0], *l->tile[0][2]);
    button(1, false);
    frame();
    ASSERT_EQ(game->state, TGameState::WIN_1);
    ASSERT_EQ(profile().levele.size(), 1u);
    const auto& record = *profile().levele[0];
    EXPECT_EQ(record.score, 75);
    EXPECT_EQ(record.passed, 1);
    EXPECT_EQ(record.numerLevelu, 3);
    for (int c = 3; c < 5; ++c)
        EXPECT_EQ(l->tile[0][c]->state, TTileState::ODKRYJ_3) << "the empty cells break open";
    for (int i = 0; i < 900 && game->wynik.empty(); ++i) frame();
    EXPECT_EQ(game->wynik, "GET-NEXT-LEVEL");
    EXPECT_EQ(l->score, record.score) << "the shown score is the recorded one";
    release();
}

TEST_F(MainGameTest, AStoneLandingAfterTheWinChangesNothing) {
    profile().mistakes = 0;
    ownPowerUps(false);
    auto l = level({"##...", ".....", ".....", ".....", "....."}, 1);
    start(l);
    l->tile[4][4]->odkryj(0);  // a wrong move: its stone takes a while to reach the chest
    frame(30);
    ASSERT_FALSE(game->fx.stones.empty());
    l->tile[0][0]->odkryj(0);
    l->tile[0][1]->odkryj(0);
    frame(2);
    ASSERT_EQ(game->state, TGameState::WIN_1);
    landStones();
    EXPECT_EQ(profile().mistakes, 0);
    EXPECT_FALSE(game->lost());
    release();
}

TEST_F(MainGameTest, LeavingALevelRemovesEverythingThatActsOnCells) {
    auto l = level(kFull);
    game->setLevel(l);
    game->prepare();
    frame(5);  // still flying in
    TPlayEffects& fx = game->fx;
    ASSERT_FALSE(fx.flyingTiles.empty());
    l->tile[0][0]->rozbij(0);
    game->wyslijKamien(*l->tile[0][0]);
    breakIntoChips(0, 100, 100, fx.plates);
    createEmitter(1, 100, 100, 0, 50, 1000, TRGB{}, fx.emitters, fx.particles);
    game->finish();
    EXPECT_TRUE(fx.flyingTiles.empty());
    EXPECT_TRUE(fx.plates.empty());
    EXPECT_TRUE(fx.stones.empty());
    EXPECT_TRUE(fx.debris.empty());
    EXPECT_TRUE(fx.emitters.empty());
    EXPECT_TRUE(fx.captions.empty());
    for (auto& row : l->tile)
        for (auto& t : row) EXPECT_EQ(t->_flyingTile, nullptr);
}

}  // namespace

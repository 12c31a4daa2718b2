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

namespace {

const std::vector<std::string> kFull(5, "#####");

// What became of each cell of a 5 x 5 grid: '.' untouched, 'u' uncovering, 'b' breaking.
std::string moves(const TLevel& l) {
    std::string out;
    for (int r = 0; r < l.rows; ++r) {
        for (int c = 0; c < l.cols; ++c) {
            const std::string& s = l.tile[r][c]->state;
            out += s.empty() ? '.' : (s.rfind("ODKRYJ", 0) == 0 || s == "ODKRYTY") ? 'u' : 'b';
        }
        if (r + 1 < l.rows) out += '/';
    }
    return out;
}

TEST_F(MainGameTest, ADragIsAStraightLineFromItsStartAndTheReleaseDecidesTheTool) {
    struct Case {
        int r1, c1, r2, c2;
        int button;  // 1 left, 2 right
        int tool;    // 0 hand, 1 hook
        int labelCount;
        int highlightRow, highlightCol;  // the row / column lit while dragging
        const char* result;
    } cases[] = {
        {0, 0, 0, 3, 1, 0, 4, 0, -1, "uuuu./...../...../...../....."},  // row, hand, left: uncover
        {4, 4, 4, 1, 2, 1, 4, 4, -1, "...../...../...../...../.uuuu"},  // right with the hook uncovers
        {0, 1, 3, 2, 1, 1, 4, -1, 1, ".b.../.b.../.b.../.b.../....."},  // mostly down: a column; hook breaks
        {2, 2, 2, 0, 2, 0, 3, 2, -1, "...../...../bbb../...../....."},  // right with the hand breaks
        {1, 1, 2, 2, 1, 0, 2, -1, 1, "...../.u.../.u.../...../....."},  // equal steps count as a column
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.r1) + "," + std::to_string(c.c1) + " -> " + std::to_string(c.r2) + "," +
                     std::to_string(c.c2));
        auto l = level(kFull);
        start(l);
        game->setHand(c.tool);
        dragTo(*l->tile[c.r1][c.c1], *l->tile[c.r2][c.c2], c.button);
        EXPECT_EQ(game->holdedCounter, c.labelCount);
        EXPECT_EQ(game->toDraw, game->lastHoldedTile);
        EXPECT_EQ(game->firstHoldedTile, l->tile[c.r1][c.c1]);
        EXPECT_EQ(game->getOverLeft2(), c.highlightRow);
        EXPECT_EQ(game->getOverUp2(), c.highlightCol);
        EXPECT_EQ(moves(*l), "...../...../...../...../.....") << "nothing happens before the release";
        button(c.button, false);
        EXPECT_EQ(moves(*l), c.result);
        EXPECT_TRUE(game->tilesyHolded.empty());
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
    EXPECT_EQ(game->startTile, nullptr);

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
    EXPECT_EQ(game->hand, 1);
    dragTo(*l->tile[0][0], *l->tile[0][2]);
    button(1, false);
    EXPECT_EQ(moves(*l), "bbb../...../...../...../.....");
    eng::InjectKey(162, false);
    frame();
    EXPECT_EQ(game->hand, 0);
    moveTo(*l->tile[1][0]);
    button(1, true);
    button(1, false);
    EXPECT_EQ(moves(*l), "bbb../u..../...../...../.....");
}

// Wrong moves one after another, each stone landed before the next; what the counters say after each.
TEST_F(MainGameTest, MistakesFillTheBagThenDamageTheChestThenBurstIt) {
    struct Step {
        int mistakes, inBag;
        int chestFrame;
        bool bagShown;
        const char* state;
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
         {{1, 0, 2, false, "NORMAL"}, {2, 0, 5, false, "NORMAL"}, {3, 0, 5, false, "LOSE"}}},
        {"bag, one tolerated",
         true,
         1,
         {{0, 1, 0, true, "NORMAL"},
          {0, 2, 0, true, "NORMAL"},
          {0, 3, 0, false, "NORMAL"},
          {1, 3, 5, false, "NORMAL"},
          {2, 3, 5, false, "LOSE"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        profile().mistakes = profile().kamienieWWorku = 0;
        profile().unlocked[5] = c.bag ? 1 : 0;
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
            EXPECT_EQ(static_cast<int>(game->getChestFrame()), s.chestFrame);
            EXPECT_EQ(game->Gui->getItem("bonus6")->_v != 0, s.bagShown);
            EXPECT_EQ(game->state.rfind(s.state, 0), 0u) << game->state;  // LOSE, or LOSE-END once all fell
        }
        for (int i = 0; i < 600 && game->wynik.empty(); ++i) frame();
        EXPECT_EQ(game->wynik, "RESTART-LEVEL");
        release();
    }
}

TEST_F(MainGameTest, AStoneFlyingToTheBagHoldsItsPlace) {
    profile().mistakes = 0;
    profile().kamienieWWorku = 2;
    profile().unlocked[5] = 1;
    auto l = level(kFull, 3);
    start(l);
    l->tile[0][0]->rozbij(0);
    l->tile[0][1]->rozbij(0);  // in the same frame: only one place is left in the bag
    frame(2);
    EXPECT_EQ(stonesFlyingToBag(), 1);
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
    ASSERT_EQ(game->state, "WIN-1");
    ASSERT_EQ(profile().levele.size(), 1u);
    const auto& record = *profile().levele[0];
    EXPECT_EQ(record.score, 75);
    EXPECT_EQ(record.passed, 1);
    EXPECT_EQ(record.numerLevelu, 3);
    for (int c = 3; c < 5; ++c) EXPECT_EQ(l->tile[0][c]->state, "ODKRYJ-3") << "the empty cells break open";
    for (int i = 0; i < 900 && game->wynik.empty(); ++i) frame();
    EXPECT_EQ(game->wynik, "GET-NEXT-LEVEL");
    EXPECT_EQ(l->score, record.score) << "the shown score is the recorded one";
    release();
}

TEST_F(MainGameTest, AStoneLandingAfterTheWinChangesNothing) {
    profile().mistakes = 0;
    profile().unlocked[5] = 0;
    auto l = level({"##...", ".....", ".....", ".....", "....."}, 1);
    start(l);
    l->tile[4][4]->odkryj(0);  // a wrong move: its stone takes a while to reach the chest
    frame(30);
    ASSERT_FALSE(stoneList.empty());
    l->tile[0][0]->odkryj(0);
    l->tile[0][1]->odkryj(0);
    frame(2);
    ASSERT_EQ(game->state, "WIN-1");
    landStones();
    EXPECT_EQ(profile().mistakes, 0);
    EXPECT_NE(game->state, "LOSE");
    release();
}

TEST_F(MainGameTest, LeavingALevelRemovesEverythingThatActsOnCells) {
    auto l = level(kFull);
    game->setLevel(l);
    game->prepare();
    frame(5);  // still flying in
    ASSERT_FALSE(flyingTileList.empty());
    l->tile[0][0]->rozbij(0);
    game->wyslijKamien(*l->tile[0][0]);
    breakIntoChips(0, 100, 100);
    createEmitter(1, 100, 100, 0, 50, 1000, TRGB{}, nullptr);
    game->finish();
    EXPECT_TRUE(flyingTileList.empty());
    EXPECT_TRUE(plateList.empty());
    EXPECT_TRUE(stoneList.empty());
    EXPECT_TRUE(debrisList.empty());
    EXPECT_TRUE(emitterList.empty());
    EXPECT_TRUE(captionList.empty());
    for (auto& row : l->tile)
        for (auto& t : row) EXPECT_EQ(t->_flyingTile, nullptr);
}

}  // namespace

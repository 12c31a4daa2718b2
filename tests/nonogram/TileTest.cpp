// Cells under the hand and the hook: right and wrong moves, their animations, queries, delays and saving.
#include <gtest/gtest.h>

#include "LevelFixture.h"
#include "PlayFixture.h"
#include "nonogram/FlyingTresure.h"

namespace {

using S = TTileState;

struct MoveCase {
    const char* name;
    bool hook;     // false: the hand
    char cell;     // '#' picture, '.' empty
    int lastMove;  // 0 right, 1 wrong
    S first;       // state right after the move
    S last;        // state once the animation is over
    int odkryty, broken;
    int score, stones;
};

TEST(Tile, RightAndWrongMovesOfEachToolOnEachKind) {
    const MoveCase cases[] = {
        {"hand on picture", false, '#', 0, S::ODKRYJ_1, S::ODKRYTY, 1, 0, 25, 0},
        {"hand on empty", false, '.', 1, S::ROZBIJ_3, S::ROZBITY, 1, 1, 0, 1},
        {"hook on picture", true, '#', 1, S::ROZBIJ_1, S::ROZBITY, 0, 1, 0, 1},
        {"hook on empty", true, '.', 0, S::ODKRYJ_3, S::ODKRYTY, 1, 0, 25, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto level = fixture::pictureLevel({std::string(5, c.cell), ".....", ".....", ".....", "#####"});
        auto game = fixture::play(level);
        game->move = 1 - c.lastMove;
        TTile& t = *level->tile[0][2];
        EXPECT_EQ(c.hook ? t.rozbij(0) : t.odkryj(0), 50);
        EXPECT_EQ(t.state, c.first);
        EXPECT_EQ(game->move, c.lastMove);
        EXPECT_EQ(t.isCleared(), 1) << "a cell that was just played is cleared for the tools";
        EXPECT_EQ(c.hook ? t.rozbij(0) : t.odkryj(0), 0) << "a second move on it does nothing";
        EXPECT_EQ(c.hook ? t.odkryj(0) : t.rozbij(0), 0);
        fixture::frames(*level, 120);
        EXPECT_EQ(t.state, c.last);
        EXPECT_EQ(t.odkryty, c.odkryty);
        EXPECT_EQ(t.broken, c.broken);
        EXPECT_EQ(level->score, c.score);
        EXPECT_EQ(game->stones, c.stones);
        EXPECT_EQ(t.isDone(), 1);
    }
}

TEST(Tile, ARightBreakWaitingForItsStartCannotBeHitAgain) {
    auto level = fixture::pictureLevel({".....", ".....", ".....", ".....", "#####"});
    auto game = fixture::play(level);
    TTile& t = *level->tile[0][0];
    ASSERT_EQ(t.rozbij(300), 50);  // the last cell of a long drag: its animation starts later
    fixture::frames(*level, 3);
    EXPECT_EQ(t.state, S::ODKRYJ_3);
    EXPECT_EQ(t.animTime, 0) << "nothing moves before the start time";
    EXPECT_EQ(t.odkryj(0), 0);
    EXPECT_EQ(t.rozbij(0), 0);
    fixture::frames(*level, 60);
    EXPECT_EQ(t.state, S::ODKRYTY);
    EXPECT_EQ(game->stones, 0);
    EXPECT_EQ(level->score, 25);
}

TEST(Tile, ADraggedLineStartsFiftyMillisecondsApartAndPaysEachCellOnce) {
    auto level = fixture::pictureLevel({"#####", ".....", ".....", ".....", "....."});
    auto game = fixture::play(level);
    game->mnoznik = 2;
    int delay = 0;
    for (int c = 0; c < 5; ++c) delay += level->tile[0][c]->odkryj(delay);
    EXPECT_EQ(delay, 250);
    const int64_t start = eng::MilliSecs();
    for (int c = 0; c < 5; ++c) EXPECT_EQ(level->tile[0][c]->revTime, start + 50 * c);
    // Paid once the clock has passed each start time: frames of 17 ms.
    const struct {
        int frames, score;
    } steps[] = {{1, 50}, {2, 100}, {3, 150}, {3, 200}, {3, 250}, {60, 250}};
    for (const auto& s : steps) {
        fixture::frames(*level, s.frames);
        EXPECT_EQ(level->score, s.score) << "at +" << eng::MilliSecs() - start << " ms";
    }
}

TEST(Tile, QueriesInEveryState) {
    struct Case {
        char cell;
        S state;
        int odkryty, broken;
        int uncovered, cleared, forCaptions, done, done2, revealed;
    } cases[] = {
        {'#', S::NONE, 0, 0, 0, 0, 0, 0, 0, 0},         {'.', S::NONE, 0, 0, 0, 0, 1, 1, 0, 0},
        {'#', S::ODKRYJ_1, 0, 0, 1, 1, 1, 1, 1, 0},     {'#', S::ODKRYJ_2, 1, 0, 1, 1, 1, 1, 1, 0},
        {'#', S::ODKRYJ_TILES, 1, 0, 1, 1, 1, 0, 0, 0}, {'#', S::ODKRYTY, 1, 0, 1, 1, 1, 1, 1, 1},
        {'#', S::ROZBIJ_1, 0, 0, 1, 1, 1, 1, 1, 0},     {'#', S::ROZBITY, 0, 1, 0, 1, 1, 1, 1, 1},
        {'.', S::ODKRYJ_3, 0, 0, 0, 1, 1, 1, 0, 0},     {'.', S::ROZBIJ_3, 1, 1, 1, 1, 1, 1, 0, 0},
        {'.', S::ROZBITY, 1, 1, 1, 1, 1, 1, 1, 1},      {'.', S::ODKRYTY, 1, 0, 1, 1, 1, 1, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, c.cell) + " " + tileStateName(c.state));
        auto level = fixture::pictureLevel({std::string(5, c.cell), "#####", "#####", "#####", "#####"});
        TTile& t = *level->tile[0][0];
        t.state = c.state;
        t.odkryty = c.odkryty;
        t.broken = c.broken;
        EXPECT_EQ(t.isUncovered(), c.uncovered);
        EXPECT_EQ(t.isCleared(), c.cleared);
        EXPECT_EQ(t.isClearedForCaptions(), c.forCaptions);
        EXPECT_EQ(t.isDone(), c.done);
        EXPECT_EQ(t.isDone2(), c.done2);
        EXPECT_EQ(t.isRevealed(), c.revealed);
    }
}

TEST(Tile, ACellIsNotDoneWhileItsTreasureFlies) {
    auto level = fixture::pictureLevel({"#....", ".....", ".....", ".....", "....."});
    auto game = fixture::play(level);
    auto gem = std::make_shared<TTresureData>();
    gem->id = 1;
    gem->frames = 8;
    TTile& t = *level->tile[0][0];
    t.setTresure(gem);
    t.odkryj(0);
    fixture::frames(*level, 30);  // the cover is off: the treasure has left the cell
    ASSERT_EQ(level->flyingTresures.size(), 1u);
    EXPECT_EQ(t.tresure, nullptr);
    EXPECT_NE(t._myTresure, nullptr);
    EXPECT_EQ(t.isDone(), 0);
    EXPECT_EQ(level->levelCompleted, 0);
    for (int i = 0; i < 80 && !level->flyingTresures[0]->myEnd; ++i) {
        eng::Delay(17);
        updateFlyingTresures(*level);
        level->updateTiles();
    }
    EXPECT_EQ(level->flyingTresures[0]->myEnd, 1);
    EXPECT_EQ(t._myTresure, nullptr);
    fixture::frames(*level, 60);
    EXPECT_EQ(t.isDone(), 1);
    EXPECT_EQ(level->levelCompleted, 1);
}

TEST(Tile, TutorialTasksAndTurnedOffCellsRefuseTheTools) {
    auto level = fixture::pictureLevel({"#.#..", ".....", ".....", ".....", "....."});
    auto game = fixture::play(level);
    TTile& picture = *level->tile[0][0];
    TTile& empty = *level->tile[0][1];
    picture.setZadanie("broke", "light-down");
    EXPECT_EQ(picture.odkryj(0), 0);
    EXPECT_EQ(game->tipsToBroke, 1);
    empty.setZadanie("uncover", "");
    EXPECT_EQ(empty.rozbij(0), 0);
    EXPECT_EQ(game->tipsToUncover, 1);
    level->tile[0][2]->turnoff = 1;
    EXPECT_EQ(level->tile[0][2]->odkryj(0), 0);
    EXPECT_EQ(level->tile[0][2]->state, S::NONE);

    // The task ends when it is done; the light goes down after it.
    picture.lightMeUp();
    ASSERT_EQ(picture.rozbij(0), 50);
    level->tutorialLevel = 1;
    fixture::frames(*level, 30);
    EXPECT_EQ(picture.zadanie, "");
    EXPECT_EQ(picture.dLightUpA, 0);
}

TEST(Tile, RestoredFlagsGiveTheFinalStates) {
    const struct {
        int o, b;
        S state;
        int paid;
    } cases[] = {{0, 0, S::NONE, 0}, {1, 0, S::ODKRYTY, 1}, {0, 1, S::ROZBITY, 1}, {1, 1, S::ROZBITY, 1}};
    for (const auto& c : cases) {
        TTile t;
        t.setOdkrytyData(c.o, c.b);
        EXPECT_EQ(t.state, c.state);
        EXPECT_EQ(t.punktowane, c.paid);
        EXPECT_EQ(t.odkrA, 1);
        EXPECT_EQ(t.getSaveStateData(), std::to_string(c.o) + " " + std::to_string(c.b));
    }
}

TEST(Tile, RevealUncoversAnyKindButLeavesClearedCellsAlone) {
    auto level = fixture::pictureLevel({"#.#..", ".....", ".....", ".....", "....."});
    auto game = fixture::play(level);
    level->tile[0][1]->reveal();   // an empty cell under the eye: right, and paid
    level->tile[0][2]->rozbij(0);  // a wrong break: the picture is lost
    fixture::frames(*level, 5);
    level->tile[0][2]->reveal();
    fixture::frames(*level, 100);
    EXPECT_EQ(level->tile[0][1]->state, S::ODKRYTY);
    EXPECT_EQ(level->tile[0][2]->state, S::ROZBITY);
    EXPECT_EQ(level->score, 25);
    EXPECT_EQ(game->stones, 1);
}

}  // namespace

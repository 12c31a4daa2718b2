// The cells each power-up and hint may clear, the slots' charge, and the win screen's scale and spread.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "LevelFixture.h"
#include "nonogram/CopyTab.h"
#include "nonogram/Hints.h"
#include "nonogram/PowerUps.h"
#include "nonogram/WinScreen.h"

namespace {

using Cells = std::vector<std::shared_ptr<TTile>>;

std::set<std::pair<int, int>> places(const Cells& cells) {
    std::set<std::pair<int, int>> out;
    for (const auto& t : cells) out.insert({t->r, t->c});
    return out;
}

// 4 x 5: eight picture cells, twelve empty ones.
const std::vector<std::string> kPicture = {"##...", ".##..", "..##.", "...##"};

}  // namespace

TEST(PowerUpCells, EachToolClearsItsOwnCells) {
    auto level = fixture::pictureLevel(kPicture, 0, false);
    const struct {
        const char* name;
        TTool tool;
        int r, c;
        std::set<std::pair<int, int>> cells;
    } cases[] = {
        {"eye: the column", TTool::EYE, 2, 3, {{0, 3}, {1, 3}, {2, 3}, {3, 3}}},
        {"skull: the row", TTool::SKULL, 1, 0, {{1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}}},
        {"map: 3 x 3",
         TTool::MAP,
         1,
         1,
         {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}}},
        {"map at the top left corner", TTool::MAP, 0, 0, {{0, 0}, {0, 1}, {1, 0}, {1, 1}}},
        {"map at the bottom right corner", TTool::MAP, 3, 4, {{2, 3}, {2, 4}, {3, 3}, {3, 4}}},
    };
    for (const auto& c : cases) EXPECT_EQ(places(toolCells(*level, c.tool, c.r, c.c)), c.cells) << c.name;
}

TEST(PowerUpCells, TheSwordAndTheMedallionTakeAtMostSixUntouchedCellsOfTheirKind) {
    auto level = fixture::pictureLevel(kPicture, 0, false);
    // Touched cells are never candidates: one uncovered, one broken open, one lifting.
    level->tile[0][0]->setOdkrytyData(1, 0);
    level->tile[0][2]->setOdkrytyData(1, 1);
    level->tile[1][1]->setState(TTileState::ODKRYJ_1);
    const Cells empties = getXList(*level), pictures = getTilesList(*level);
    EXPECT_EQ(empties.size(), 11u);
    EXPECT_EQ(pictures.size(), 6u);
    for (const auto& t : empties) EXPECT_FALSE(t->isPicture());
    for (const auto& t : pictures) EXPECT_TRUE(t->isPicture());
    EXPECT_FALSE(places(empties).count({0, 2}));
    EXPECT_FALSE(places(pictures).count({0, 0}) || places(pictures).count({1, 1}));
    for (int run = 0; run < 20; ++run) {
        const Cells sword = getRandomTilesList(empties, 6);
        EXPECT_EQ(sword.size(), 6u);
        EXPECT_EQ(places(sword).size(), 6u) << "no cell is drawn twice";
    }
    // Fewer candidates than six: all of them.
    EXPECT_EQ(places(getRandomTilesList(Cells(empties.begin(), empties.begin() + 4), 6)),
              places(Cells(empties.begin(), empties.begin() + 4)));
    EXPECT_TRUE(getRandomTilesList({}, 6).empty());
}

TEST(PowerUpCells, AHintClearsTwoCellsThatNoOtherHintIsHeadingFor) {
    auto level = fixture::pictureLevel(kPicture, 0, false);
    TFlyingHintList flying;
    TParticleList particles;
    level->tile[0][0]->setOdkrytyData(1, 0);  // cleared
    startHintFlight(level->tile[0][1], 0, 0, 10, 10, flying, particles);
    Cells pictures, empties;
    hintCandidates(*level, flying, pictures, empties);
    EXPECT_EQ(pictures.size(), 6u);
    EXPECT_EQ(empties.size(), 12u);
    for (const auto& t : pictures) EXPECT_TRUE(t->r != 0 || t->c > 1) << "cleared or already targeted";
    for (int run = 0; run < 30; ++run) {
        Cells p = pictures, e = empties;
        const Cells chosen = chooseHintCells(p, e);
        ASSERT_EQ(chosen.size(), 2u);
        const auto n = std::count_if(chosen.begin(), chosen.end(), [](auto& t) { return t->isPicture(); });
        EXPECT_GE(n, 1);
        EXPECT_EQ(places(chosen).size(), 2u);
    }
    const struct {
        const char* name;
        size_t pictures, empties, chosen, chosenPictures;
    } cases[] = {
        {"no picture cell left: two empty ones", 0, 5, 2, 0},
        {"no empty cell left: two picture cells", 5, 0, 2, 2},
        {"one cell left", 1, 0, 1, 1},
        {"nothing left", 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        Cells p(pictures.begin(), pictures.begin() + c.pictures),
            e(empties.begin(), empties.begin() + c.empties);
        const Cells chosen = chooseHintCells(p, e);
        EXPECT_EQ(chosen.size(), c.chosen) << c.name;
        EXPECT_EQ(static_cast<size_t>(
                      std::count_if(chosen.begin(), chosen.end(), [](auto& t) { return t->isPicture(); })),
                  c.chosenPictures)
            << c.name;
    }
}

TEST(PowerUpCells, TheChargeOfASlot) {
    const struct {
        const char* name;
        int64_t start, now;
        int full;
        float charge;
    } cases[] = {
        {"just used", 1000, 1000, 60000, 0},
        {"half its time ago", 1000, 31000, 60000, 0.5f},
        {"its full time ago", 1000, 61000, 60000, 1},
        {"one and a half times ago", 1000, 91000, 60000, 1},
        {"a start in the future counts as just started", 50000, 1000, 60000, 0},
        {"no time: never charges", 1000, 91000, 0, 0},
        {"a negative time: never charges", 1000, 91000, -5, 0},
    };
    for (const auto& c : cases) EXPECT_FLOAT_EQ(powerUpCharge(c.start, c.now, c.full), c.charge) << c.name;
}

TEST(PowerUpCells, APutDownAreaIsTheButtonGrownByFivePixels) {
    TDim button;
    button.x = 464;  // centre
    button.y = 722;
    button.w = 64;
    button.h = 64;
    const TDim d = biggerDim(button);
    EXPECT_EQ(d.x, 427);
    EXPECT_EQ(d.y, 685);
    EXPECT_EQ(d.w, 74);
    EXPECT_EQ(d.h, 74);
}

TEST(WinScreenTables, ThePictureScaleAndTheTreasuresSpread) {
    const struct {
        float w, h, scale;
    } scales[] = {{120, 120, 1},    {280, 200, 1},   {324, 324, 280.0f / 324}, {480, 480, 280.0f / 480},
                  {400, 200, 0.7f}, {200, 350, 0.8f}};
    for (const auto& s : scales) EXPECT_FLOAT_EQ(properScaleForTab(s.w, s.h), s.scale) << s.w << " x " << s.h;
    const struct {
        int k, n, delay;
    } spread[] = {{0, 30, 0},   {1, 30, 100}, {29, 30, 2900}, {1, 3, 333}, {2, 3, 666},
                  {1, 10, 150}, {1, 20, 100}, {3, 4, 750},    {0, 0, 0}};
    for (const auto& s : spread) EXPECT_EQ(summaryDelay(s.k, s.n), s.delay) << s.k << " of " << s.n;
}

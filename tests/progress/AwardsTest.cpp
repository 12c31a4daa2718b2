// The award conditions, their order within one pass, the award screen's one entry per family, and the best
// scores table.
#include <gtest/gtest.h>

#include "../files/TempDir.h"
#include "core/Globals.h"
#include "progress/Award.h"
#include "progress/AwardScreen.h"
#include "progress/Highscores.h"
#include "progress/Profile.h"

namespace {

// A table like the shipped one: families of tiers with their thresholds.
void makeTable() {
    awardTable.clear();
    const struct {
        int id, typ, level, repeat, value;
    } rows[] = {{1, 1, 1, 0, 1},    {2, 1, 2, 0, 5},   {3, 1, 3, 0, 12},  {4, 2, 1, 0, 100},
                {5, 2, 2, 0, 300},  {6, 2, 3, 0, 600}, {7, 3, 1, 0, 2},   {8, 3, 2, 0, 4},
                {9, 3, 3, 0, 8},    {10, 4, 1, 0, 0},  {11, 5, 1, 0, 10}, {12, 6, 1, 1, 0},
                {13, 6, 2, 1, 3},   {14, 6, 3, 0, 2},  {15, 7, 1, 0, 2},  {16, 7, 2, 0, 4},
                {17, 7, 3, 0, 5},   {18, 8, 1, 1, 10}, {19, 9, 1, 1, 10}, {20, 10, 1, 1, 10},
                {21, 11, 1, 1, 10}, {22, 12, 1, 1, 10}};
    for (const auto& r : rows) {
        auto a = std::make_shared<TAward>();
        a->id = r.id;
        a->typ = r.typ;
        a->level = r.level;
        a->wielorazowy = r.repeat;
        a->value = r.value;
        a->title = "award " + std::to_string(r.id);
        awardTable.push_back(a);
    }
}

// A profile after a won level: no mistakes, a comfortable margin, stage 3 of the hard flow.
TProfile wonLevel() {
    TProfile p;
    p.flowType = "HARD";
    p.numerStageu = 3;
    p.numerLevelu = 1;
    p.mistakes = 1;
    return p;
}

std::vector<int> given(TProfile& p, const TAwardFacts& f = {false, 5, 0}) {
    std::vector<int> ids;
    for (const auto& a : runAwardChecks(p, f, nullptr)) ids.push_back(a->id);
    return ids;
}

}  // namespace

TEST(Awards, TheConditionsAndTheirOrder) {
    makeTable();
    const struct {
        const char* name;
        std::function<void(TProfile&)> set;
        std::vector<int> ids;
    } cases[] = {
        {"nothing special", [](TProfile&) {}, {}},
        {"a first level without mistakes", [](TProfile& p) { p.mistakes = 0, p.noMistakesOnLevel = 1; }, {1}},
        {"twelve of them at once: the best tier only",
         [](TProfile& p) { p.mistakes = 0, p.noMistakesOnLevel = 12; },
         {3}},
        {"a lower tier after a higher one: nothing",
         [](TProfile& p) { p.mistakes = 0, p.noMistakesOnLevel = 6, p.awardy = {3}; },
         {}},
        {"first casual stage: the first tier once only",
         [](TProfile& p) {
             p.mistakes = 0, p.noMistakesOnLevel = 5, p.awardy = {1}, p.numerStageu = 1,
             p.flowType = "CASUAL";
         },
         {}},
        {"score", [](TProfile& p) { p.score = 350; }, {5}},
        {"a level played four times",
         [](TProfile& p) { p.updateLevelData(1, 1, 0, 0, 0, 1), p.levele[0]->ileRazy = 4; },
         {8}},
        {"every power-up", [](TProfile& p) { p.unlocked.fill(1); }, {10}},
        {"hints", [](TProfile& p) { p.hintsUsed = 10; }, {11}},
        {"stage reached", [](TProfile& p) { p.numerStageu = 4; }, {16}},
        {"the skull", [](TProfile& p) { p.useOfSkull = 12; }, {18}},
    };
    for (const auto& c : cases) {
        TProfile p = wonLevel();
        c.set(p);
        EXPECT_EQ(given(p), c.ids) << c.name;
    }
    // A power-up award counts the uses afresh.
    TProfile p = wonLevel();
    p.useOfSkull = 12;
    given(p);
    EXPECT_EQ(p.useOfSkull, 0);
    EXPECT_EQ(given(p), std::vector<int>{});
}

TEST(Awards, NarrowWinsClimbTheirTiersAndTutorialLevelsGiveNothing) {
    makeTable();
    TProfile p = wonLevel();
    const TAwardFacts narrow{false, 3, 0};  // three tolerated, two mistakes made: one more would burst it
    p.mistakes = 2;
    // The first tier is given at every narrow win until the second tier arrives.
    EXPECT_EQ(given(p, narrow), std::vector<int>{12});
    EXPECT_EQ(given(p, narrow), std::vector<int>{12});
    EXPECT_EQ(given(p, narrow), std::vector<int>{12});
    EXPECT_EQ(given(p, narrow), std::vector<int>{13}) << "three of the first tier";
    EXPECT_EQ(given(p, narrow), std::vector<int>{13}) << "the first tier is over";
    EXPECT_EQ(given(p, narrow), std::vector<int>{14}) << "two of the second tier";
    EXPECT_EQ(given(p, narrow), std::vector<int>{});
    // The bag's room widens the margin.
    TProfile q = wonLevel();
    q.mistakes = 2;
    EXPECT_EQ(given(q, {false, 3, 3}), std::vector<int>{});
    // A tutorial level gives nothing at all.
    q.mistakes = 0;
    q.noMistakesOnLevel = 12;
    EXPECT_EQ(given(q, {true, 3, 0}), std::vector<int>{});
    EXPECT_TRUE(q.awardy.empty());
    // An award missing from the table is never given.
    awardTable.erase(awardTable.begin() + 2);  // award 3
    EXPECT_FALSE(checkAward(3, q, {}));
}

TEST(Awards, TheAwardScreenShowsOneTrophyPerFamily) {
    makeTable();
    TProfile p;
    p.awardy = {1, 2, 12, 12, 13, 19};
    TAwardScreen screen;
    screen.prepare(p);
    std::vector<int> shown, received;
    for (const auto& a : screen.listaDoZbadania) shown.push_back(a->id);
    for (const auto& a : screen.listaDoWyswietlenia) received.push_back(a->id);
    EXPECT_EQ(received, (std::vector<int>{2, 13, 19}));
    EXPECT_EQ(shown, (std::vector<int>{2, 4, 7, 10, 11, 13, 15, 18, 19, 20, 21, 22}));
    EXPECT_EQ(findAward(13)->licznik, 1);
    EXPECT_EQ(findAward(19)->licznik, 1);
}

TEST(Highscores, BestFirstFifteenAtMostAndBackFromTheFile) {
    TScoreTab tab;
    EXPECT_FALSE(tab.getLowestScoreData());
    EXPECT_FALSE(tab.addNewEntry("NOBODY", 0, 1)) << "no points, no place";
    for (int i = 1; i <= 15; ++i) ASSERT_TRUE(tab.addNewEntry("P" + std::to_string(i), i * 100, i));
    EXPECT_EQ(tab.list.front().score, 1500) << "rank 1 is the best";
    EXPECT_EQ(tab.list.back().score, 100);
    EXPECT_FALSE(tab.addNewEntry("LOW", 100, 1)) << "not better than the lowest of a full table";
    EXPECT_TRUE(tab.addNewEntry("MID", 750, 4));
    ASSERT_EQ(tab.list.size(), 15u);
    EXPECT_EQ(tab.getLowestScoreData()->score, 200) << "the lowest left";
    EXPECT_EQ(tab.list[8].user, "MID");
    EXPECT_EQ(tab.list[9].user, "P7") << "ahead of the lower score";
    EXPECT_TRUE(tab.addNewEntry("TOP", 9000, 5));
    EXPECT_EQ(tab.list.front().user, "TOP");

    TempDir user;
    userFolder = user.path.string();
    THighscores h;
    h.localHighScores = tab;
    ASSERT_TRUE(h.saveHighScores());
    THighscores back;
    ASSERT_TRUE(back.loadHighScores(highScoresPath()));
    ASSERT_EQ(back.localHighScores.list.size(), 15u);
    for (size_t i = 0; i < 15; ++i) {
        EXPECT_EQ(back.localHighScores.list[i].user, tab.list[i].user);
        EXPECT_EQ(back.localHighScores.list[i].score, tab.list[i].score);
        EXPECT_EQ(back.localHighScores.list[i].numerLevelu, tab.list[i].numerLevelu);
    }
    // A file in another order is read best first.
    eng::SaveText(
        "highScore {\n\ti = 3\n\thigh1 {\n\t\tuser = \"A\"\n\t\tscores = 5\n\t\tnumerLevelu = 1\n\t}\n"
        "\thigh2 {\n\t\tuser = \"B\"\n\t\tscores = 50\n\t\tnumerLevelu = 2\n\t}\n"
        "\thigh3 {\n\t\tuser = \"C\"\n\t\tscores = 20\n\t\tnumerLevelu = 3\n\t}\n}\n",
        highScoresPath());
    ASSERT_TRUE(back.loadHighScores(highScoresPath()));
    ASSERT_EQ(back.localHighScores.list.size(), 3u);
    EXPECT_EQ(back.localHighScores.list[0].user, "B");
    EXPECT_EQ(back.localHighScores.list[2].user, "A");
    // A profile's points enter when good enough.
    TProfile p;
    p.name = "ANN";
    p.score = 30;
    p.numerLevelu = 2;
    EXPECT_TRUE(back.checkHighScores(p));
    EXPECT_EQ(back.localHighScores.list[1].user, "ANN");
}

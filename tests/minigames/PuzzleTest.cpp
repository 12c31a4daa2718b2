// The jigsaw: the snap distance, which piece the mouse takes, the skip flights and the final end, a level
// saved in play and read back, and a level whose picture is missing.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "MiniGameFixture.h"
#include "minigames/MiniGame.h"
#include "minigames/Puzzle.h"

namespace {

class Jigsaw : public MiniGameTest {
  protected:
    std::shared_ptr<TPuzzleLevel> shipped(int n = 1) {
        auto l = loadPuzzleLevel(programPrefix + "data/puzzles/puzzle" + std::to_string(n) + ".dat");
        EXPECT_TRUE(l);
        return l;
    }
    // Runs the screen until the fade-in is over and play begins.
    void play(TPuzzle& screen, const std::shared_ptr<TPuzzleLevel>& l) {
        screen.SetLevel(l);
        screen.prepare();
        for (int i = 0; i < 200 && screen.state == "BEGIN"; ++i) frames(screen);
        ASSERT_EQ(screen.state, "GAME");
    }
    static void pressAt(TPuzzle& s, float x, float y) {
        moveTo(x, y);
        frames(s);
        button(s, 1, true);
        button(s, 1, false);
    }
};

TEST_F(Jigsaw, APieceDroppedNearerThanFifteenPixelsSnapsIn) {
    const struct {
        int ox, oy;
        bool snaps;
    } cases[] = {{0, 0, true},   {14, 0, true},   {0, -14, true}, {15, 0, false},
                 {10, 10, true}, {11, 11, false}, {-40, 3, false}};
    for (const auto& c : cases) {
        TPuzzleElement p;
        p.dx = 300;
        p.dy = 200;
        p.click(1, 0, 0);
        p.x = p.dx + c.ox;
        p.y = p.dy + c.oy;
        p.click(0, p.x, p.y);
        EXPECT_EQ(p.putOk, c.snaps ? 1 : 0) << c.ox << "," << c.oy;
        EXPECT_EQ(p.x, c.snaps ? p.dx : p.dx + c.ox) << c.ox << "," << c.oy;
        EXPECT_EQ(p.holded, 0);
    }
}

TEST_F(Jigsaw, TheMouseTakesTheTopmostLoosePieceAndNeverAPlacedOne) {
    TPuzzle screen;
    screen.setup();
    auto l = shipped();
    ASSERT_GE(l->puzzles.size(), 3u);
    TPuzzleElement &placed = *l->puzzles[0], &under = *l->puzzles[1], &top = *l->puzzles[2];
    placed.x = placed.dx;
    placed.y = placed.dy;
    placed.putOk = 1;
    // Both loose pieces lie over the placed one, the later drawn on top.
    under.x = top.x = placed.x;
    under.y = top.y = placed.y;
    play(screen, l);
    const float cx = placed.x + eng::ImageWidth(placed.img) / 2.0f,
                cy = placed.y + eng::ImageHeight(placed.img) / 2.0f;
    pressAt(screen, cx, cy);
    EXPECT_EQ(screen.clicked, &top);
    // A short press leaves it on the mouse; the next press drops it about 100 ms later, here away from
    // its place.
    moveTo(cx + 200, cy + 100);
    frames(screen, 3);
    EXPECT_EQ(top.x, static_cast<int>(cx) + 200 + top.vx);
    button(screen, 1, true);
    button(screen, 1, false);
    frames(screen, 8);
    EXPECT_EQ(screen.clicked, nullptr);
    EXPECT_EQ(top.putOk, 0);
    // Next the lower loose piece, and then nothing: the placed piece ignores the mouse.
    pressAt(screen, cx, cy);
    EXPECT_EQ(screen.clicked, &under);
    moveTo(cx - 200, cy + 100);
    button(screen, 1, true);
    button(screen, 1, false);
    frames(screen, 8);
    pressAt(screen, cx, cy);
    EXPECT_EQ(screen.clicked, nullptr);
    EXPECT_EQ(placed.x, placed.dx);
    // The placed piece lies under every loose one.
    EXPECT_EQ(l->puzzles.front().get(), &placed);
    // A piece early in the list, alone under the mouse, is the one taken: the pieces tested after it do
    // not answer for its pixels.
    TPuzzleElement& lone = *l->puzzles[1];
    ASSERT_EQ(lone.putOk, 0);
    lone.x = 300;
    lone.y = 560;
    for (size_t i = 2; i < l->puzzles.size(); ++i) {
        l->puzzles[i]->x = 800;
        l->puzzles[i]->y = 150;
    }
    const float lx = lone.x + eng::ImageWidth(lone.img) / 2.0f,
                ly = lone.y + eng::ImageHeight(lone.img) / 2.0f;
    pressAt(screen, lx, ly);
    EXPECT_EQ(screen.clicked, &lone);
}

TEST_F(Jigsaw, TheFullGaugeFliesEveryPieceHomeAndTheEndIsFinal) {
    int ends = 0;
    TEkran::dialogRunner = [&](TEkran&, const std::string& e, int) { return ends += e == "END", 0; };
    TPuzzle screen;
    screen.setup();
    auto l = shipped(2);
    play(screen, l);
    screen.gauge.skipTime -= 60000;
    moveTo(975, 24);
    frames(screen, 2);
    button(screen, 1, true);
    button(screen, 1, false);
    ASSERT_EQ(screen.state, "SKIP");
    int n = 0;
    for (; n < 300 && screen.state == "SKIP"; ++n) frames(screen);
    EXPECT_GT(n, 90);
    EXPECT_LT(n, 130) << "about a hundred frames of flight";
    EXPECT_TRUE(l->allInPosition());
    EXPECT_EQ(screen.wynik, "GET-NEXT-LEVEL");
    // While the screen fades out no piece can be taken any more and the end comes only once.
    const TPuzzleElement& p = *l->puzzles.back();
    pressAt(screen, p.x + eng::ImageWidth(p.img) / 2.0f, p.y + eng::ImageHeight(p.img) / 2.0f);
    for (int i = 0; i < 200 && !screen.finished(); ++i) frames(screen);
    EXPECT_TRUE(screen.finished());
    EXPECT_EQ(screen.clicked, nullptr);
    EXPECT_TRUE(l->allInPosition());
    EXPECT_EQ(ends, 1);
    TEkran::dialogRunner = nullptr;
}

TEST_F(Jigsaw, ALevelInPlayComesBackAsItWasLeft) {
    auto l = shipped(3);
    l->puzzles[0]->x = l->puzzles[0]->dx;
    l->puzzles[0]->y = l->puzzles[0]->dy;
    l->puzzles[0]->putOk = 1;
    l->puzzles[1]->x = 612;
    l->puzzles[1]->y = 95;
    l->puzzles[2]->MoveToPosition(true);  // caught in flight: kept at its place
    l->time = 12;
    const std::string path = testing::TempDir() + "jigsaw-saved.lvl";
    ASSERT_TRUE(l->saveProgress(path));
    auto back = loadPuzzleLevel(path);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->puzzles.size(), l->puzzles.size());
    EXPECT_EQ(back->time, 12);
    EXPECT_EQ(back->title, l->title);
    for (size_t i = 0; i < l->puzzles.size(); ++i) {
        const TPuzzleElement &a = *l->puzzles[i], &b = *back->puzzles[i];
        EXPECT_EQ(b.id, a.id);
        EXPECT_EQ(b.putOk, a.putOk);
        EXPECT_EQ(b.dx, a.dx);
        EXPECT_EQ(b.x, i == 2 ? a.dx : a.x) << "piece " << a.id;
        EXPECT_EQ(b.y, i == 2 ? a.dy : a.y) << "piece " << a.id;
    }
}

TEST_F(Jigsaw, ALevelWithoutItsPictureIsNotLoadedAndItsScreenGoesOn) {
    const std::string path = testing::TempDir() + "jigsaw-broken.dat";
    std::ofstream(path) << "puzzleLevel {\n img = \"gfx/nothing-here.png\"\n i = 1\n puzzle1 {\n  url = \""
                        << "gfx/miniGames/puzzleExpress/tiles/tile1.png\"\n }\n}\n";
    EXPECT_EQ(loadPuzzleLevel(path), nullptr);
    TPuzzle screen;
    screen.SetLevel(nullptr);
    EXPECT_EQ(screen.mainLoop(), "GET-NEXT-LEVEL");
}

TEST_F(Jigsaw, EveryShippedLevelHasItsPiecesAwayFromTheirPlaces) {
    for (int n = 1; n <= 3; ++n) {
        auto l = shipped(n);
        ASSERT_TRUE(l);
        EXPECT_FALSE(l->title.empty());
        EXPECT_GE(l->puzzles.size(), 12u);
        for (const auto& p : l->puzzles) {
            EXPECT_TRUE(p->img) << p->url;
            EXPECT_GE(std::hypot(p->x - p->dx, p->y - p->dy), TPuzzleElement::kSnap) << p->url;
            EXPECT_GE(p->x, 0);
            EXPECT_LE(p->x + eng::ImageWidth(p->img), 1024) << p->url;
            EXPECT_LE(p->y + eng::ImageHeight(p->img), 768) << p->url;
        }
    }
}

}  // namespace

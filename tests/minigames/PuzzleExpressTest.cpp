// The chest puzzle: which drops fit and how blocks snap, turning, picking up, the win and its end
// dialogs, damaged level files, and a level saved in play and read back.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>

#include "MiniGameFixture.h"
#include "minigames/MiniGame.h"
#include "minigames/PESolution.h"
#include "minigames/PuzzleExpress.h"

namespace {

class PuzzleExpress : public MiniGameTest {
  protected:
    static void SetUpTestSuite() {
        MiniGameTest::SetUpTestSuite();
        peData.load(false);
    }

    // A field at rest: '#' a socket, '.' none, 'x' a socket already covered by another block.
    static std::shared_ptr<TPELevel> field(const std::vector<std::string>& rows) {
        auto l = std::make_shared<TPELevel>();
        l->rows = static_cast<int>(rows.size());
        l->cols = static_cast<int>(rows[0].size());
        l->tile.assign(l->rows, std::vector<TPETile>(l->cols));
        auto other = std::make_unique<TBlock>();
        other->id = 99;
        for (int r = 0; r < l->rows; ++r)
            for (int c = 0; c < l->cols; ++c) {
                TPETile& t = l->tile[r][c];
                t.r = r;
                t.c = c;
                t.spot = rows[r][c] != '.';
                if (rows[r][c] == 'x') t.wskaznik = other.get();
            }
        l->blocks.push_back(std::move(other));
        l->setPosition(TPuzzleExpress::kBoardX, TPuzzleExpress::kBoardY);
        return l;
    }

    // A block of `shape` at angle `d` whose last tile lies on the centre of cell (r, c), moved by (ox, oy).
    static TBlock& blockOn(TPELevel& l, const TBlockData* shape, float d, int r, int c, float ox, float oy) {
        auto b = std::make_unique<TBlock>();
        b->bd = shape;
        b->id = static_cast<int>(l.blocks.size());
        b->dir = b->dDir = d;
        float lx = 0, ly = 0;
        for (int i = 0; i < shape->rows; ++i)
            for (int j = 0; j < shape->cols; ++j)
                if (shape->tab[i][j]) b->cellPos(i, j, lx, ly);
        b->x = l.tile[r][c].x - lx + ox;
        b->y = l.tile[r][c].y - ly + oy;
        l.blocks.push_back(std::move(b));
        return *l.blocks.back();
    }

    static int covered(const TPELevel& l, const TBlock& b) {
        int n = 0;
        for (const auto& row : l.tile)
            for (const TPETile& t : row) n += t.wskaznik == &b;
        return n;
    }
};

TEST_F(PuzzleExpress, ABlockFitsOnlyOnFreeSocketsWithinTwentyPixelsAndSnapsOntoThem) {
    TBlockData empty;
    empty.rows = 1;
    empty.cols = 2;
    empty.tab.assign(1, std::vector<const TPETileData*>(2, nullptr));
    empty.computePolar(peData.W, peData.H);
    const TBlockData* domino = peData.getBlockDataById(1);
    const TBlockData* corner = peData.getBlockDataById(3);
    ASSERT_TRUE(domino && corner);
    const struct {
        const char* name;
        const TBlockData* shape;
        float d;
        int r, c;
        float ox, oy;
        bool fits;
    } cases[] = {
        {"exactly on", domino, 0, 0, 0, 0, 0, true},
        {"19 px off", domino, 0, 0, 0, 19, 0, true},
        {"21 px off", domino, 0, 0, 0, 21, 0, false},
        {"19.8 px off diagonally", domino, 0, 0, 0, 14, 14, true},
        {"20.5 px off diagonally", domino, 0, 0, 0, 15, 14, false},
        {"one tile on a place without a socket", domino, 0, 0, 2, 0, 0, false},
        {"one tile on a covered socket", corner, 180, 2, 2, 0, 0, false},
        {"turned a quarter", corner, 90, 1, 1, 3, -4, true},
        {"turned back a quarter", domino, 270, 1, 0, 0, 0, true},
        {"off the field", domino, 0, 0, 0, -300, 0, false},
        {"a shape without tiles", &empty, 0, 0, 0, 0, 0, false},
    };
    for (const auto& k : cases) {
        auto l = field({"###.", "####", ".#x#"});
        TBlock& b = blockOn(*l, k.shape, k.d, k.r, k.c, k.ox, k.oy);
        const float x = b.x;
        EXPECT_EQ(l->checkPut(b), k.fits) << k.name;
        if (!k.fits) {
            EXPECT_EQ(covered(*l, b), 0) << k.name;
            EXPECT_EQ(b.onPlace, 0) << k.name;
            EXPECT_EQ(b.x, x) << k.name << ": a loose block stays where it was dropped";
            continue;
        }
        int tiles = 0;
        for (int i = 0; i < k.shape->rows; ++i)
            for (int j = 0; j < k.shape->cols; ++j) {
                if (!k.shape->tab[i][j]) continue;
                ++tiles;
                float px, py;
                b.cellPos(i, j, px, py);
                const TPETile* t = l->getRCFromXY(px, py);
                ASSERT_TRUE(t) << k.name;
                EXPECT_NEAR(px, t->x, 0.01f) << k.name;
                EXPECT_NEAR(py, t->y, 0.01f) << k.name;
                EXPECT_EQ(t->wskaznik, &b) << k.name;
            }
        EXPECT_EQ(covered(*l, b), tiles) << k.name;
        EXPECT_EQ(b.onPlace, 1) << k.name;
    }
}

TEST_F(PuzzleExpress, ThePointerFindsOnlyTheBlockWhoseTilesItTouches) {
    peData.load(true);  // the tile pictures: the test is pixel-exact
    auto l = field({"####"});
    TBlock& first = blockOn(*l, peData.getBlockDataById(1), 0, 0, 0, 0, 0);
    TBlock& second = blockOn(*l, peData.getBlockDataById(1), 90, 0, 0, 400, 200);
    float px, py;
    first.cellPos(0, 0, px, py);
    // The second block is tested after the first: the first's tiles must not answer for it.
    EXPECT_TRUE(first.isUnder(px, py));
    EXPECT_FALSE(second.isUnder(px, py));
    second.cellPos(0, 1, px, py);
    EXPECT_FALSE(first.isUnder(px, py));
    EXPECT_TRUE(second.isUnder(px, py));
    peData.load(false);
}

TEST_F(PuzzleExpress, ABlockDroppedWhileTurningIsPutAtTheAngleItTurnsTo) {
    auto l = field({"##", "##"});
    TBlock& b = blockOn(*l, peData.getBlockDataById(1), 90, 0, 0, 0, 0);
    b.dir = 45;  // halfway through the turn
    ASSERT_TRUE(l->checkPut(b));
    frameDelta = 1;
    for (int i = 0; i < 20; ++i) b.update();
    EXPECT_EQ(b.dir, 90);
    int px, py;
    b.getDim(0, 1, px, py);
    EXPECT_NE(l->getRCFromXY(static_cast<float>(px), static_cast<float>(py)), nullptr);
}

TEST_F(PuzzleExpress, TurningNeedsACarriedBlockAtRestAndStaysWithinATurn) {
    TPuzzleExpress screen;
    screen.level = field({"##"});
    TBlock& b = blockOn(*screen.level, peData.getBlockDataById(1), 0, 0, 0, 0, 0);
    screen.rotate();
    EXPECT_EQ(b.dDir, 0) << "nothing is carried";
    screen.clickedBlock = &b;
    screen.rotate2(2);
    EXPECT_EQ(b.dDir, 0) << "only a quarter turn either way";
    screen.rotate2(-1);
    EXPECT_EQ(b.dDir, -90);
    screen.rotate();
    EXPECT_EQ(b.dDir, -90) << "still turning";
    frameDelta = 1;
    for (int i = 0; i < 20; ++i) b.update();
    EXPECT_EQ(b.dir, 270);
    EXPECT_EQ(b.dDir, 270);
    screen.rotate();
    for (int i = 0; i < 20; ++i) b.update();
    EXPECT_EQ(b.dir, 360);
    screen.rotate();
    for (int i = 0; i < 20; ++i) b.update();
    EXPECT_EQ(b.dir, 90);
}

TEST_F(PuzzleExpress, PickingUpFreesTheSocketsAndTheLastSocketCoveredWinsOnceWithOneEndDialog) {
    int begins = 0, ends = 0;
    TEkran::dialogRunner = [&](TEkran&, const std::string& e, int) {
        return (e == "END" ? ends : begins) += 1, 0;
    };
    TPuzzleExpress screen;
    screen.setup();
    auto l = field({"##"});
    l->blocks.clear();  // no other block covers a socket
    TBlock& b = blockOn(*l, peData.getBlockDataById(1), 0, 0, 0, 0, 0);
    ASSERT_TRUE(l->checkPut(b));
    l->PEObj = TPEObj{};  // a chest without an object still opens and ends
    screen.setLevel(l);
    screen.prepare();
    for (int i = 0; i < 400 && screen.state.rfind("BEGIN", 0) == 0; ++i) frames(screen);
    frames(screen);
    ASSERT_EQ(screen.state, "WIN-1") << "a level that starts covered is won at once";
    screen.state = "NORMAL";
    screen.level->tile[0][0].wskaznik = nullptr;
    // Picked up: its sockets are free at once and nothing is won.
    float px, py;
    b.cellPos(0, 0, px, py);
    moveTo(px, py);
    button(screen, 1, true);
    ASSERT_EQ(screen.clickedBlock, &b);
    EXPECT_EQ(covered(*l, b), 0);
    EXPECT_EQ(screen.state, "NORMAL");
    // Let go where it was: it snaps back, the win follows in the same frame.
    button(screen, 1, false);
    button(screen, 1, true);
    button(screen, 1, false);
    for (int i = 0; i < 10 && screen.state == "NORMAL"; ++i) frames(screen);
    EXPECT_EQ(screen.state, "WIN-1");
    EXPECT_EQ(covered(*l, b), 2);
    for (int i = 0; i < 1200 && !screen.finished(); ++i) frames(screen);
    EXPECT_TRUE(screen.finished());
    EXPECT_EQ(screen.wynik, "GET-NEXT-LEVEL");
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(begins, 1);
    TEkran::dialogRunner = nullptr;
}

TEST_F(PuzzleExpress, DamagedLevelsLoseUnknownBlocksAndGetUniqueIds) {
    const std::string path = testing::TempDir() + "pe-damaged.dat";
    {
        std::ofstream f(path);
        f << "PELevel {\n dims = 1, 4\n blocks {\n  i = 4\n  bl1 = 1, 10, 10, 0, 5\n"
             "  bl2 = 77, 10, 10, 0, 6\n  bl3 = 1, 10, 10, 90, 5\n  bl4 = 2, 10, 10, 450, 0\n }\n"
             " field {\n  row0 = 1, 1, 1, 1\n }\n}\n";
    }
    auto l = loadPELevel(path);
    ASSERT_EQ(l->blocks.size(), 3u) << "the shape 77 does not exist";
    std::set<int> ids;
    for (const auto& b : l->blocks) ids.insert(b->id);
    EXPECT_EQ(ids.size(), 3u);
    EXPECT_EQ(l->blocks[0]->id, 5) << "the first keeps its id";
    EXPECT_EQ(loadPELevel(path + ".missing"), nullptr) << "a missing file is not played";
}

TEST_F(PuzzleExpress, ALevelInPlayComesBackWithItsPlacedBlocksTimeAndTargetAngles) {
    const std::string shipped = programPrefix + "data/puzzleExpress/pe2.dat";
    auto l = loadPELevel(shipped);
    l->setPosition(TPuzzleExpress::kBoardX, TPuzzleExpress::kBoardY);
    std::vector<TPEPlacement> places;
    ASSERT_TRUE(placeSolution(*l, readPESolution(shipped), places));
    TBlock& placed = *places[0].block;
    placed.x = places[0].x;
    placed.y = places[0].y;
    placed.dir = placed.dDir = places[0].dir;
    ASSERT_TRUE(l->checkPut(placed));
    TBlock& turning = *places[1].block;
    turning.dir = turning.dDir + 40;
    turning.dDir += 90;
    l->time = 37;
    const std::string path = testing::TempDir() + "pe-saved.lvl";
    ASSERT_TRUE(l->saveProgress(path));
    auto back = loadPELevel(path);
    ASSERT_EQ(back->blocks.size(), l->blocks.size());
    EXPECT_EQ(back->time, 37);
    EXPECT_EQ(back->title, l->title);
    EXPECT_EQ(back->PEObj.url, l->PEObj.url);
    for (size_t i = 0; i < l->blocks.size(); ++i) {
        const TBlock &a = *l->blocks[i], &b = *back->blocks[i];
        EXPECT_EQ(b.id, a.id);
        EXPECT_EQ(b.onPlace, a.onPlace) << "block " << a.id;
        EXPECT_NEAR(b.x, a.x, 0.01f);
        EXPECT_EQ(b.dir, std::fmod(a.dDir, 360.0f)) << "block " << a.id;
    }
    int sockets = 0;
    for (int r = 0; r < l->rows; ++r)
        for (int c = 0; c < l->cols; ++c) {
            const TPETile& t = back->tile[r][c];
            EXPECT_EQ(t.spot, l->tile[r][c].spot);
            if (t.wskaznik) {
                EXPECT_EQ(t.wskaznik->id, placed.id);
                ++sockets;
            }
        }
    EXPECT_EQ(sockets, covered(*l, placed));
}

TEST_F(PuzzleExpress, EveryShippedLevelIsSolvedByItsStoredSolution) {
    int seen = 0;
    for (const auto& e : std::filesystem::directory_iterator(programPrefix + "data/puzzleExpress")) {
        auto l = loadPELevel(e.path().string());
        l->setPosition(TPuzzleExpress::kBoardX, TPuzzleExpress::kBoardY);
        EXPECT_FALSE(l->allCovered()) << e.path() << " starts solved";
        EXPECT_FALSE(l->title.empty()) << e.path();
        std::vector<TPEPlacement> places;
        ASSERT_TRUE(placeSolution(*l, readPESolution(e.path().string()), places)) << e.path();
        for (const TPEPlacement& p : places) {
            p.block->x = p.x;
            p.block->y = p.y;
            p.block->dir = p.block->dDir = p.dir;
            EXPECT_TRUE(l->checkPut(*p.block)) << e.path() << " block " << p.block->id;
        }
        EXPECT_TRUE(l->allCovered()) << e.path();
        ++seen;
    }
    EXPECT_GE(seen, 3);
}

}  // namespace

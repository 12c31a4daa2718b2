// Clue numbers: derived from the picture, laid out beside the grid, struck as blocks finish, praise and
// hover.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "gui/Mouse.h"
#include "nonogram/Caption.h"
#include "nonogram/LevelFixture.h"
#include "nonogram/Number.h"
#include "nonogram/NumberLine.h"
#include "nonogram/PlayFixture.h"
#include "nonogram/SpecCaption.h"
#include "progress/ProfileManager.h"

namespace {

// The globals the numbers read: the frame delta and the player's flow.
class Numbers : public ::testing::Test {
  protected:
    void SetUp() override {
        eng::SetHeadless(eng::HeadlessConfig{});
        frameDelta = 1;
        setFlow("CASUAL");
    }
    void TearDown() override { profileManager = nullptr; }
    static void setFlow(const std::string& flow) {
        profileManager = std::make_shared<TProfileManager>();
        profileManager->profile = std::make_shared<TProfile>();
        profileManager->profile->flowType = flow;
    }
    static void frames(TLevel& level, int n) {
        for (int i = 0; i < n; ++i) level.updateNumbers();
    }
};

// The digit pictures of the built program folder.
void loadDigits() {
    const std::string prefix = programPrefix;
    programPrefix = std::string(GAME_DIR) + "/";
    loadNumberImages();
    programPrefix = prefix;
}

std::vector<std::string> transposed(const std::string& line) {
    std::vector<std::string> column;
    for (char ch : line) column.emplace_back(1, ch);
    return column;
}

// The one clue line of a single row ("row") or of the same cells stood up as a single column.
std::shared_ptr<TNumberLine> lineOf(const std::shared_ptr<TLevel>& level, bool column) {
    return column ? level->numbersVList[0] : level->numbersHList[0];
}

std::shared_ptr<TLevel> levelOf(const std::string& line, bool column, int size = 0) {
    return column ? fixture::pictureLevel(transposed(line), size) : fixture::pictureLevel({line}, size);
}

// Index of a cell in the number's line, -1 for none.
int indexIn(const TNumber& n, const std::shared_ptr<TTile>& t) {
    if (!t) return -1;
    const auto it = std::find(n.tilesLine.begin(), n.tilesLine.end(), t);
    return it == n.tilesLine.end() ? -2 : static_cast<int>(it - n.tilesLine.begin());
}

// Plays a line of moves: 'U' the hand, 'B' the hook, anything else leaves the cell alone.
void play(TNumberLine& line, const std::string& moves) {
    const auto& cells = line.lista[0]->tilesLine;
    for (size_t i = 0; i < moves.size(); ++i) {
        if (moves[i] == 'U') cells[i]->odkryj(0);
        if (moves[i] == 'B') cells[i]->rozbij(0);
    }
}

bool struck(const TNumber& n) {
    return n.dAlpha == NUMBER_DONE || n.dAlpha == NUMBER_LINE_DONE;
}

// ---------------------------------------------------------------- deriving the clues

struct ClueCase {
    const char* line;
    std::vector<int> values;  // nearest the grid first
    // Per number: index of tile1, of tile2 (-1 none), of the block's last cell; the two equal-value flags.
    std::vector<std::array<int, 5>> detail;
};

const ClueCase kClueCases[] = {
    {"###..#..", {1, 3}, {{4, 6, 5, 0, 0}, {-1, 3, 2, 0, 0}}},
    {"........", {0}, {{-1, -1, 7, 0, 0}}},
    {"##.##", {2, 2}, {{2, -1, 4, 1, 0}, {-1, 2, 1, 0, 1}}},
    {"#.##.#", {1, 2, 1}, {{4, -1, 5, 1, 0}, {1, 4, 3, 0, 0}, {-1, 1, 0, 0, 1}}},
    {"#####", {5}, {{-1, -1, 4, 0, 0}}},
};

TEST_F(Numbers, CluesOfARowAndOfAColumnNearestTheGridFirst) {
    for (const ClueCase& cc : kClueCases)
        for (bool column : {false, true}) {
            SCOPED_TRACE(std::string(cc.line) + (column ? " as a column" : " as a row"));
            const auto level = levelOf(cc.line, column, 2);
            const auto line = lineOf(level, column);
            const int length = static_cast<int>(std::string(cc.line).size());
            ASSERT_EQ(line->lista.size(), cc.values.size());
            for (size_t k = 0; k < cc.values.size(); ++k) {
                const TNumber& n = *line->lista[k];
                const auto& d = cc.detail[k];
                EXPECT_EQ(n.myValue, cc.values[k]);
                EXPECT_EQ(n.txt, std::to_string(cc.values[k]));
                EXPECT_EQ(n.dir, column ? "VERTICAL" : "HORIZONTAL");
                EXPECT_EQ(n.size, 2);
                EXPECT_EQ(n.myLine, line.get());
                EXPECT_EQ(indexIn(n, n.tile1), d[0]);
                EXPECT_EQ(indexIn(n, n.tile2), d[1]);
                EXPECT_EQ(n.myPosition, d[2]);
                EXPECT_EQ(n.przedemnaSaTezTakieJakJa, d[3]);
                EXPECT_EQ(n.zamnaSaTezTakieJakJa, d[4]);
                ASSERT_EQ(static_cast<int>(n.tilesLine.size()), length);
                // The block: the value's cells ending at myPosition; "0" covers the whole line.
                const int blockLength = n.myValue ? n.myValue : length;
                ASSERT_EQ(static_cast<int>(n.tilesy.size()), blockLength);
                for (int i = 0; i < blockLength; ++i)
                    EXPECT_EQ(indexIn(n, n.tilesy[i]), n.myPosition - blockLength + 1 + i);
                EXPECT_EQ(n.sasiadB, k > 0 ? line->lista[k - 1].get() : nullptr);
                EXPECT_EQ(n.sasiadA, k + 1 < line->lista.size() ? line->lista[k + 1].get() : nullptr);
                EXPECT_EQ(line->GetNumberByInd(static_cast<int>(k)).get(), &n);
            }
            EXPECT_EQ(line->GetNumberByInd(static_cast<int>(cc.values.size())), nullptr);
            EXPECT_EQ(line->GetNumberByInd(-1), nullptr);
        }
}

TEST_F(Numbers, EveryRowAndColumnGetsItsLineInGridOrder) {
    const auto level = fixture::pictureLevel({"#.#.", "####", "....", "##.#"});
    auto valuesOf = [](const TNumberLine& line) {
        std::vector<int> v;
        for (const auto& n : line.lista) v.push_back(n->myValue);
        return v;
    };
    const std::vector<std::vector<int>> rows = {{1, 1}, {4}, {0}, {1, 2}};
    const std::vector<std::vector<int>> cols = {{1, 2}, {1, 1}, {2}, {1, 1}};
    ASSERT_EQ(level->numbersHList.size(), 4u);
    ASSERT_EQ(level->numbersVList.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(valuesOf(*level->numbersHList[i]), rows[i]) << "row " << i;
        EXPECT_EQ(valuesOf(*level->numbersVList[i]), cols[i]) << "column " << i;
        for (const auto& n : level->numbersHList[i]->lista) EXPECT_EQ(n->v, i);
        for (const auto& n : level->numbersVList[i]->lista) EXPECT_EQ(n->v, i);
    }
    // Rebuilding replaces the lines.
    level->createNumbers();
    EXPECT_EQ(level->numbersHList.size(), 4u);
    EXPECT_EQ(level->numbersVList.size(), 4u);
}

// ---------------------------------------------------------------- layout

struct LayoutCase {
    int size;
    float rowGap;  // from the grid's left corner to the nearest row number, before one digit step
    float rowDy;   // row numbers sit this far below their row's centre line
    float colGap;  // from the grid's top corner to the nearest column number, before one digit step
    float colF;    // column numbers lie this many digit heights apart
    float colDx;   // column numbers sit this far right of their column's centre line
};
const LayoutCase kLayoutCases[] = {
    {0, 20, 0, 19, 1.5f, -2},
    {1, 15, -2, 14, 1.5f, -2},
    {4, 20, -2, 14, 1.2f, -1},
};

// Twelve rows and columns, no block longer than 9 (every number one digit), up to four numbers a line.
const std::vector<std::string> kLayoutPicture = {
    "#.#.#.#.....", "..........##", "#########...", "....#.......", "##.##.##.##.", "............",
    "#....#....#.", ".#.#.#.#....", "###.........", "....######..", "#.#.........", "...........#",
};

TEST_F(Numbers, RowNumbersLeftOfTheirRowsAndColumnNumbersAboveTheirColumns) {
    loadDigits();
    for (const LayoutCase& lc : kLayoutCases) {
        SCOPED_TRACE("size index " + std::to_string(lc.size));
        ASSERT_TRUE(numberImg[lc.size][0]) << "digit pictures missing from " << GAME_DIR;
        const auto level = fixture::pictureLevel(kLayoutPicture, lc.size);
        level->setProperPosition();
        const float w0 = 0.8f * static_cast<float>(eng::ImageWidth(numberImg[lc.size][0]));
        const float h0 = static_cast<float>(eng::ImageHeight(numberImg[lc.size][0]));
        const float half = tileSizes[lc.size] / 2;
        float lowestX = 1000, lowestY = 1000;
        // Left end and right end of a number's digits as the pen advances over them.
        auto extent = [&](const TNumber& n) {
            const float left = n.dim.x - TNumber::numWidth(n.txt, lc.size, 1) / 2 + 2;
            return std::make_pair(left, left + TNumber::numWidth(n.txt, lc.size, 1));
        };
        for (int r = 0; r < level->rows; ++r) {
            const TTile& cell = *level->tile[r][0];
            const auto& lista = level->numbersHList[r]->lista;
            for (size_t k = 1; k <= lista.size(); ++k) {
                const TNumber& n = *lista[k - 1];
                EXPECT_EQ(n.dim.y, cell.dim.y + lc.rowDy) << "row " << r;
                EXPECT_NEAR(n.dim.x, level->stx - lc.rowGap - (w0 + 10) * static_cast<float>(k), 1)
                    << "row " << r;
                EXPECT_LT(extent(n).second, cell.dim.x - half) << "row " << r << " covers the grid";
                if (k > 1) {
                    EXPECT_LT(extent(n).second, extent(*lista[k - 2]).first) << "row " << r;
                }
                lowestX = std::min(lowestX, n.dim.x);
                lowestY = std::min(lowestY, n.dim.y);
            }
        }
        for (int c = 0; c < level->cols; ++c) {
            const TTile& cell = *level->tile[0][c];
            const auto& line = level->numbersVList[c];
            for (size_t k = 1; k <= line->lista.size(); ++k) {
                const TNumber& n = *line->lista[k - 1];
                EXPECT_EQ(n.myLine, line.get());
                EXPECT_EQ(n.dim.x, cell.dim.x + lc.colDx) << "column " << c;
                EXPECT_NEAR(n.dim.y, level->sty - lc.colGap - lc.colF * h0 * static_cast<float>(k), 1)
                    << "column " << c;
                // Digits are centred on y and drawn 2 lower.
                EXPECT_LT(n.dim.y + 2 + h0 / 2, cell.dim.y - half) << "column " << c << " covers the grid";
                if (k > 1) {
                    EXPECT_LT(n.dim.y + 2 + h0 / 2, line->lista[k - 2]->dim.y + 2 - h0 / 2) << "column " << c;
                }
                lowestX = std::min(lowestX, n.dim.x);
                lowestY = std::min(lowestY, n.dim.y);
            }
        }
        EXPECT_EQ(level->GetLowestNumbersX(), lowestX);
        EXPECT_EQ(level->GetLowestNumbersY(), lowestY);
    }
}

// ---------------------------------------------------------------- striking finished blocks

struct StrikeCase {
    const char* flow;
    const char* line;
    const char* moves;        // 'U' hand, 'B' hook, '.' untouched
    std::vector<int> struck;  // per number, nearest the grid first
    const char* why;
};

const StrikeCase kStrikeCases[] = {
    {"CASUAL", "###..#..", "UUUB....", {0, 1}, "at the line's start a block needs only the cell after it"},
    {"CASUAL", "###..#..", "UUU.....", {0, 0}, "a block not closed off yet"},
    {"CASUAL", "###..#..", "....BUB.", {1, 0}, "a block closed off on both sides"},
    {"CASUAL", "#.#..", ".BUB.", {1, 0}, "casual play strikes a repeated value at once"},
    {"CASUAL", "........", "BBBBBBB.", {0}, "an empty line's 0 waits for its last cell"},
    {"CASUAL", "........", "BBBBBBBB", {1}, "an empty line's 0 once every cell is cleared"},
    {"HARD", "#.#..", ".BUB.", {0, 0}, "either 1 may be this block while cell 4 is open"},
    {"HARD", "#.#..", ".BUBB", {1, 0}, "no room for a 1 after it: the nearer 1"},
    {"HARD", "#.#..", "UBUB.", {1, 1}, "every block of the line finished"},
    {"HARD", "#.#....", "UB.....", {0, 1}, "nothing fits before the first block: the farther 1"},
    {"HARD", "#.#....", "..BUB..", {0, 0}, "the middle block could be either 1"},
    {"HARD", "##.#.", "..BUB", {1, 0}, "a value the line holds once strikes at once"},
    {"HARD", "##.#.", "UUB..", {0, 1}, "the same for the 2"},
    {"HARD", "##.##...", "..BUUB..", {0, 0}, "the 2 at 3-4 could be either 2"},
    {"HARD", "##.##...", "..BUUBBB", {1, 0}, "no room after it: the nearer 2"},
    {"HARD", "##.##...", "UUB.....", {0, 1}, "nothing fits before it: the farther 2"},
    {"HARD", "##.##...", "UUBUUB..", {1, 1}, "both 2s finished"},
    {"HARD", "........", "BBBBBBBB", {1}, "an empty line's 0"},
};

TEST_F(Numbers, FinishedBlocksStrikeTheirNumbersOnTheCasualFlowAndOnlyWithoutDoubtOnTheHardFlow) {
    for (const StrikeCase& sc : kStrikeCases)
        for (bool column : {false, true}) {
            SCOPED_TRACE(std::string(sc.flow) + " " + sc.line + " after " + sc.moves +
                         (column ? " (column)" : "") + ": " + sc.why);
            setFlow(sc.flow);
            const auto level = levelOf(sc.line, column);
            const auto line = lineOf(level, column);
            play(*line, sc.moves);
            frames(*level, 120);
            ASSERT_EQ(line->lista.size(), sc.struck.size());
            for (size_t k = 0; k < sc.struck.size(); ++k)
                EXPECT_EQ(struck(*line->lista[k]), sc.struck[k] == 1) << "number " << k;
        }
}

TEST_F(Numbers, NoProfileCountsAsCasual) {
    profileManager = nullptr;
    const auto level = levelOf("#.#..", false);
    play(*level->numbersHList[0], ".BUB.");
    frames(*level, 1);
    EXPECT_EQ(level->numbersHList[0]->lista[0]->dAlpha, NUMBER_DONE);
    profileManager = std::make_shared<TProfileManager>();  // and no active profile
    const auto again = levelOf("#.#..", false);
    play(*again->numbersHList[0], ".BUB.");
    frames(*again, 1);
    EXPECT_EQ(again->numbersHList[0]->lista[0]->dAlpha, NUMBER_DONE);
}

TEST_F(Numbers, StruckNumbersFadeToExactlyTheirTargetsAndAFinishedLineFadesOut) {
    const auto level = levelOf("###..#..", false);
    const auto line = level->numbersHList[0];
    TNumber& three = *line->lista[1];
    play(*line, "UUUB....");
    frames(*level, 30);
    EXPECT_EQ(three.dAlpha, NUMBER_DONE);
    EXPECT_FALSE(three.cleared()) << "still fading at alpha " << three.alpha;
    frames(*level, 10);
    EXPECT_EQ(three.alpha, NUMBER_DONE);
    EXPECT_TRUE(three.cleared());
    EXPECT_EQ(line->wszystkie, 0);

    play(*line, "....BUB.");
    frames(*level, 40);
    EXPECT_EQ(line->wszystkie, 1);
    for (const auto& n : line->lista) EXPECT_EQ(n->dAlpha, NUMBER_LINE_DONE);
    frames(*level, 100);
    for (const auto& n : line->lista) {
        EXPECT_EQ(n->alpha, NUMBER_LINE_DONE);
        EXPECT_TRUE(n->cleared());
    }
}

TEST_F(Numbers, BlocksFinishedBeforeTheNumbersAreBuiltAreDoneAtOnce) {
    // A continued game: row 0 was finished in the saved level, row 1 half done.
    const auto level = fixture::pictureLevel({"##.#.", "#.#..", "....."}, 0, false);
    const int saved[2][5] = {{1, 1, 1, 1, 1}, {1, 1, 0, 0, 0}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 5; ++c)
            if (saved[r][c]) level->tile[r][c]->setOdkrytyData(1, 0);
    level->createNumbers();
    const auto& row0 = *level->numbersHList[0];
    const auto& row1 = *level->numbersHList[1];
    EXPECT_EQ(row0.wszystkie, 1);
    for (const auto& n : row0.lista) EXPECT_TRUE(n->cleared());
    EXPECT_EQ(row1.wszystkie, 0);
    EXPECT_TRUE(row1.lista[1]->cleared()) << "the 1 at cell 0 is closed off by cell 1";
    EXPECT_EQ(row1.lista[0]->alpha, 1);
}

TEST_F(Numbers, ShowingAgainResetsTheTargetsAndFinishedBlocksStrikeAgain) {
    const auto level = fixture::pictureLevel({"##.#.", "#.#.."});
    const auto game = fixture::play(level);
    play(*level->numbersHList[0], "UUB..");
    frames(*level, 1);
    level->hideNumbers();
    EXPECT_EQ(game->numberBacks, 0);
    for (const auto* list : {&level->numbersHList, &level->numbersVList})
        for (const auto& line : *list)
            for (const auto& n : line->lista) {
                EXPECT_EQ(n->dMajorA, 0);
                EXPECT_EQ(n->dAlpha, 0);
            }
    level->showNumbers();
    EXPECT_EQ(game->numberBacks, 1);
    const TNumber& two = *level->numbersHList[0]->lista[1];
    const TNumber& one = *level->numbersHList[0]->lista[0];
    EXPECT_EQ(two.dAlpha, NUMBER_NORMAL);
    EXPECT_EQ(two.dMajorA, 1);
    frames(*level, 1);
    EXPECT_EQ(two.dAlpha, NUMBER_DONE);
    EXPECT_EQ(one.dAlpha, NUMBER_NORMAL);

    level->setGlobalAlpha(0.5f);
    EXPECT_EQ(one.alpha, 0.5f);
    EXPECT_EQ(one.majorA, 0.5f);
    level->setNumbersAlpha(0);
    EXPECT_EQ(one.alpha, 0);
    EXPECT_EQ(one.dAlpha, 0);
    EXPECT_EQ(one.majorA, 0.5f);
}

// ---------------------------------------------------------------- praise

struct PraiseCase {
    const char* moves;  // on row 0, in this order
    int praises;
    const char* why;
};

const PraiseCase kPraiseCases[] = {
    {"UUBUB", 1, "the last move was right"},
    {"UUBU.", 0, "the row is not finished"},
    {"UUBUU", 0, "the last move uncovered an empty cell"},
    {"UUB.B", 0, "cell 3 still covered"},
};

TEST_F(Numbers, AFinishedLineOffersPraiseOnceWhenTheMoveThatFinishedItWasRight) {
    for (const PraiseCase& pc : kPraiseCases) {
        SCOPED_TRACE(std::string(pc.moves) + ": " + pc.why);
        const auto level = fixture::pictureLevel({"##.#.", "#....", "....."});
        level->setProperPosition();
        const auto game = fixture::play(level);
        const auto& cells = level->numbersHList[0]->lista[0]->tilesLine;
        for (int i = 0; i < 5; ++i) {
            if (pc.moves[i] == 'U') cells[i]->odkryj(0);
            if (pc.moves[i] == 'B') cells[i]->rozbij(0);
        }
        // Each frame's captions are taken away, so a repeated offer would be counted again.
        int praises = 0;
        for (int f = 0; f < 200; ++f) {
            level->updateNumbers();
            for (const auto& c : game->fx.captions)
                if (dynamic_cast<TSpecCaption*>(c.get()) && c->n >= 0 && c->n <= 3) {
                    ++praises;
                    const TPraisePlace place =
                        praisePlace(*level, static_cast<float>(level->getGridXCenter()));
                    EXPECT_EQ(c->x, place.x);
                    EXPECT_EQ(c->y, place.y);
                }
            game->fx.captions.clear();
        }
        EXPECT_EQ(praises, pc.praises);
    }
}

TEST_F(Numbers, ALineAlreadyFinishedWhenBuiltOffersNoPraise) {
    const auto level = fixture::pictureLevel({"##.#.", "#....", "....."}, 0, false);
    for (int c = 0; c < 5; ++c) level->tile[0][c]->setOdkrytyData(1, 0);
    level->createNumbers();
    const auto game = fixture::play(level);
    game->move = 0;
    for (int f = 0; f < 100; ++f) level->updateNumbers();
    EXPECT_TRUE(game->fx.captions.empty());
}

// ---------------------------------------------------------------- hover

TEST_F(Numbers, HoveredNumbersGrowOnlyOnGridsLargerThanTenByTen) {
    loadDigits();
    ASSERT_TRUE(numberImg[0][0]);
    TMouse m;
    const struct {
        int rows, cols;
        float grown;
    } cases[] = {{5, 5, 1}, {10, 10, 1}, {10, 11, 1.4f}, {11, 10, 1.4f}, {15, 15, 1.4f}};
    for (const auto& hc : cases) {
        SCOPED_TRACE(std::to_string(hc.rows) + " x " + std::to_string(hc.cols));
        // Row 0 full (a two-digit number from 10 columns on), row 1 single cells.
        std::vector<std::string> picture(hc.rows, std::string(hc.cols, '.'));
        picture[0] = std::string(hc.cols, '#');
        for (int c = 0; c < hc.cols; c += 2) picture[1][c] = '#';
        const auto level = fixture::pictureLevel(picture, 2);
        level->setProperPosition();
        for (int row : {0, 1}) {
            const TNumber& hovered = *level->numbersHList[row]->lista[0];
            const TNumber& other = *level->numbersHList[2]->lista[0];
            // The digits are drawn around the number's position, 2 pixels lower and to the right.
            m.x = static_cast<int>(hovered.dim.x + 2);
            m.y = static_cast<int>(hovered.dim.y + 2);
            frames(*level, 60);
            EXPECT_FLOAT_EQ(hovered.sc, hc.grown) << hovered.txt;
            EXPECT_EQ(other.sc, 1);
            m.x = m.y = 0;
            frames(*level, 60);
            EXPECT_EQ(hovered.sc, 1);
        }
    }
}

// ---------------------------------------------------------------- drawing

TEST_F(Numbers, StruckNumbersShowARedStrokeAndHighlightedNumbersShineBrighter) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (the test command runs it under Xvfb)";
    loadDigits();
    ASSERT_TRUE(eng::Graphics(320, 240, 0, 60, 0));
    eng::SetVirtualResolution(320, 240);
    eng::SetViewport(0, 0, 320, 240);
    eng::SetOrigin(0, 0);
    eng::SetClsColor(0, 0, 0);
    const auto level = levelOf("#.#..", false);
    TNumber& n = *level->numbersHList[0]->lista[0];
    n.dim.x = 100;
    n.dim.y = 100;
    // Red pixels and the summed brightness of the box around the number.
    struct Look {
        int red = 0;
        long brightness = 0;
    };
    auto drawn = [&](int highlight) {
        eng::Cls();
        n.draw(highlight);
        eng::FlushDrawing();
        const auto px = eng::GrabPixmap(70, 70, 60, 60);
        Look look;
        for (size_t i = 0; i + 3 < px->rgba.size(); i += 4) {
            const int r = px->rgba[i], g = px->rgba[i + 1], b = px->rgba[i + 2];
            if (r > 50 && g < 25 && b < 25) ++look.red;
            look.brightness += r + g + b;
        }
        return look;
    };
    const Look plain = drawn(0);
    EXPECT_GT(plain.brightness, 0) << "the digit is drawn";
    EXPECT_EQ(plain.red, 0);
    EXPECT_GT(drawn(1).brightness, plain.brightness + plain.brightness / 4);

    n.dAlpha = n.alpha = NUMBER_DONE;
    EXPECT_GT(drawn(0).red, 10) << "struck";
    n.dAlpha = NUMBER_LINE_DONE;
    n.alpha = 0.2f;
    EXPECT_GT(drawn(0).red, 5) << "fading out with its line";
    n.alpha = NUMBER_LINE_DONE;
    EXPECT_EQ(drawn(0).brightness, 0) << "faded out";
}

}  // namespace

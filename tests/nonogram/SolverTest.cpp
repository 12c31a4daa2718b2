// The line solver and the grid solver against hand-made cases and against exhaustive search.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "nonogram/LineSolver.h"
#include "nonogram/NonogramSolver.h"

namespace {

// Lines as text: '_' open, '#' picture cell, '-' empty cell.
std::vector<CellState> cellsOf(const std::string& text) {
    std::vector<CellState> cells;
    for (char ch : text)
        cells.push_back(ch == '#' ? CellState::Filled : ch == '-' ? CellState::Empty : CellState::Unknown);
    return cells;
}

std::string textOf(const std::vector<CellState>& cells) {
    std::string text;
    for (CellState s : cells) text += s == CellState::Filled ? '#' : s == CellState::Empty ? '-' : '_';
    return text;
}

Picture pictureOf(const std::vector<std::string>& rows) {
    Picture p;
    for (const std::string& row : rows) {
        p.emplace_back();
        for (char ch : row) p.back().push_back(ch == '#');
    }
    return p;
}

Clue clueOfMask(unsigned mask, int n) {
    Clue clue;
    int run = 0;
    for (int i = 0; i < n; ++i) {
        if (mask >> i & 1) {
            ++run;
        } else if (run) {
            clue.push_back(run);
            run = 0;
        }
    }
    if (run) clue.push_back(run);
    return clue;
}

// Every line of length n with the given clue, as bit masks (bit i = cell i).
std::vector<unsigned> arrangements(const Clue& clue, int n) {
    std::vector<unsigned> out;
    for (unsigned mask = 0; mask < (1u << n); ++mask)
        if (clueOfMask(mask, n) == clue) out.push_back(mask);
    return out;
}

bool agrees(unsigned mask, const std::vector<CellState>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) {
        if (cells[i] == CellState::Filled && !(mask >> i & 1)) return false;
        if (cells[i] == CellState::Empty && (mask >> i & 1)) return false;
    }
    return true;
}

// Line logic by listing every arrangement; false when none agrees with the known cells.
bool enumerateLine(const Clue& clue, std::vector<CellState>& cells) {
    const int n = static_cast<int>(cells.size());
    unsigned all = ~0u, none = 0;
    bool any = false;
    for (unsigned mask : arrangements(clue, n)) {
        if (!agrees(mask, cells)) continue;
        any = true;
        all &= mask;
        none |= mask;
    }
    if (!any) return false;
    for (int i = 0; i < n; ++i) {
        if (all >> i & 1) cells[i] = CellState::Filled;
        if (!(none >> i & 1)) cells[i] = CellState::Empty;
    }
    return true;
}

// Every picture of the clues, rows chosen from their arrangements and the columns checked.
std::vector<Picture> allSolutions(const Clues& rows, const Clues& cols) {
    const int r = static_cast<int>(rows.size()), c = static_cast<int>(cols.size());
    std::vector<std::vector<unsigned>> options;
    for (const Clue& clue : rows) options.push_back(arrangements(clue, c));
    std::vector<Picture> found;
    std::vector<unsigned> pick(r);
    auto recurse = [&](auto& self, int row) -> void {
        if (row == r) {
            for (int col = 0; col < c; ++col) {
                unsigned mask = 0;
                for (int i = 0; i < r; ++i) mask |= (pick[i] >> col & 1u) << i;
                if (clueOfMask(mask, r) != cols[col]) return;
            }
            Picture p(r, std::vector<uint8_t>(c));
            for (int i = 0; i < r; ++i)
                for (int col = 0; col < c; ++col) p[i][col] = pick[i] >> col & 1;
            found.push_back(p);
            return;
        }
        for (unsigned mask : options[row]) {
            pick[row] = mask;
            self(self, row + 1);
        }
    };
    recurse(recurse, 0);
    return found;
}

// Line logic on the whole grid by enumeration: true when it decides every cell.
bool lineLogicDecidesAll(const Clues& rows, const Clues& cols) {
    const size_t r = rows.size(), c = cols.size();
    std::vector<std::vector<CellState>> g(r, std::vector<CellState>(c, CellState::Unknown));
    for (bool changed = true; changed;) {
        changed = false;
        for (size_t i = 0; i < r; ++i) {
            std::vector<CellState> line = g[i];
            if (!enumerateLine(rows[i], line)) return false;
            changed = changed || line != g[i];
            g[i] = line;
        }
        for (size_t j = 0; j < c; ++j) {
            std::vector<CellState> line;
            for (size_t i = 0; i < r; ++i) line.push_back(g[i][j]);
            if (!enumerateLine(cols[j], line)) return false;
            for (size_t i = 0; i < r; ++i) {
                changed = changed || line[i] != g[i][j];
                g[i][j] = line[i];
            }
        }
    }
    for (const auto& row : g)
        for (CellState s : row)
            if (s == CellState::Unknown) return false;
    return true;
}

}  // namespace

TEST(LineSolver, DecidesWhatEveryArrangementAgreesOn) {
    struct Case {
        Clue clue;
        const char* before;
        const char* after;  // nullptr: no arrangement fits
    };
    const Case cases[] = {
        {{3}, "_____", "__#__"},     {{5}, "_____", "#####"},      {{}, "_____", "-----"},
        {{1, 1}, "___", "#-#"},      {{3, 1}, "______", "_##___"}, {{2}, "_#___", "_#_--"},
        {{1}, "__#__", "--#--"},     {{2, 1}, "___-__", "_#_-__"}, {{1, 1}, "#____", "#-___"},
        {{4}, "__-____", "---####"}, {{1, 2}, "__#__", "#-##-"},   {{3}, "__-__", nullptr},
        {{1}, "#-#", nullptr},       {{2, 2}, "____", nullptr},    {{}, "__#", nullptr},
        {{2}, "#-#-", nullptr},
    };
    LineSolver solver;
    for (const Case& t : cases) {
        std::vector<CellState> cells = cellsOf(t.before);
        const bool ok = solver.solve(t.clue, cells.data(), static_cast<int>(cells.size()));
        EXPECT_EQ(ok, t.after != nullptr) << t.before;
        EXPECT_EQ(textOf(cells), ok ? t.after : t.before) << t.before;
    }
}

TEST(LineSolver, MatchesEnumerationOnRandomLines) {
    std::mt19937 rng(20240611);
    LineSolver solver;
    for (int round = 0; round < 5000; ++round) {
        const int n = 1 + static_cast<int>(rng() % 10);
        const Clue clue = clueOfMask(rng() % (1u << n), n);
        // Known cells from another random line, so that some lines contradict their clue.
        const unsigned other = rng() % (1u << n);
        std::vector<CellState> cells(n, CellState::Unknown);
        for (int i = 0; i < n; ++i)
            if (rng() % 3 == 0) cells[i] = (other >> i & 1) ? CellState::Filled : CellState::Empty;
        std::vector<CellState> expected = cells, got = cells;
        const bool expectOk = enumerateLine(clue, expected);
        ASSERT_EQ(solver.solve(clue, got.data(), n), expectOk) << textOf(cells);
        ASSERT_EQ(textOf(got), textOf(expectOk ? expected : cells)) << textOf(cells);
    }
}

TEST(NonogramSolver, CluesOfAPicture) {
    const Picture p = pictureOf({"##-#-", "-----", "#####"});
    EXPECT_EQ(rowClues(p), (Clues{{2, 1}, {}, {5}}));
    EXPECT_EQ(colClues(p), (Clues{{1, 1}, {1, 1}, {1}, {1, 1}, {1}}));
    Picture kinds = {{0, 3, 7}, {16, 0, 2}};  // any kind but 0 is a picture cell
    EXPECT_EQ(rowClues(kinds), (Clues{{2}, {1, 1}}));
    EXPECT_EQ(colClues(kinds), (Clues{{1}, {1}, {2}}));
}

TEST(NonogramSolver, KnownGrids) {
    struct Case {
        const char* name;
        Clues rows, cols;
        int solutions;
        bool lineSolvable;
    };
    const Case cases[] = {
        {"ankh", {{3}, {1, 1}, {5}, {1}, {1}}, {{1}, {3}, {1, 3}, {3}, {1}}, 1, true},
        {"diagonal", {{1}, {1}}, {{1}, {1}}, 2, false},
        {"blank", {{}, {}}, {{}, {0}, {}}, 1, true},
        {"full", {{3}, {3}}, {{2}, {2}, {2}}, 1, true},
        {"ring of four", {{1, 1}, {1, 1}, {}}, {{2}, {}, {2}}, 1, true},
        // "---#", "##--", "-##-", "--##": unique, but line logic alone decides no cell.
        {"needs a guess", {{1}, {2}, {2}, {2}}, {{1}, {2}, {2}, {1, 1}}, 1, false},
        {"sums differ", {{1}, {1}}, {{2}, {2}}, 0, false},
        {"clue too long", {{4}}, {{1}, {1}, {1}}, 0, false},
        {"contradiction with equal sums", {{2}, {}}, {{}, {2}}, 0, false},
        {"negative length", {{-1}}, {{1}}, 0, false},
        {"no columns", {{1}}, {}, 0, false},
    };
    for (const Case& t : cases) {
        const SolveResult result = solveNonogram(t.rows, t.cols);
        EXPECT_EQ(result.solutions, t.solutions) << t.name;
        EXPECT_EQ(result.lineSolvable, t.lineSolvable) << t.name;
        if (result.solutions >= 1) {
            EXPECT_EQ(rowClues(result.solution), t.rows) << t.name;
        }
    }
}

TEST(NonogramSolver, ReturnsTheUniquePictureOrTwoDifferentOnes) {
    const Picture cat = pictureOf({"#---#", "##-##", "#####", "#-#-#", "-###-"});
    const SolveResult unique = solveNonogram(rowClues(cat), colClues(cat));
    EXPECT_EQ(unique.solutions, 1);
    EXPECT_EQ(unique.solution, cat);
    EXPECT_TRUE(unique.otherSolution.empty());

    const SolveResult two =
        solveNonogram(rowClues(pictureOf({"#-", "-#"})), colClues(pictureOf({"#-", "-#"})));
    ASSERT_EQ(two.solutions, 2);
    EXPECT_NE(two.solution, two.otherSolution);
    for (const Picture& p : {two.solution, two.otherSolution}) {
        EXPECT_EQ(rowClues(p), (Clues{{1}, {1}}));
        EXPECT_EQ(colClues(p), (Clues{{1}, {1}}));
    }
}

TEST(NonogramSolver, LineLogicGridShowsTheOpenCells) {
    const SolveResult diagonal = solveNonogram({{1}, {1}}, {{1}, {1}});
    ASSERT_EQ(diagonal.lineLogic.size(), 2u);
    EXPECT_EQ(textOf(diagonal.lineLogic[0]) + textOf(diagonal.lineLogic[1]), "____");
    const SolveResult partial = solveNonogram({{3}, {1}, {1}}, {{1}, {3}, {1}});
    EXPECT_EQ(textOf(partial.lineLogic[0]), "###");
    EXPECT_TRUE(solveNonogram({{2}, {}}, {{}, {2}}).lineLogic.empty());
}

TEST(NonogramSolver, MatchesExhaustiveSearchOnSmallGrids) {
    std::mt19937 rng(7);
    int counts[3] = {0, 0, 0};
    int hardUnique = 0;
    for (int round = 0; round < 3000; ++round) {
        const int r = 1 + static_cast<int>(rng() % 5), c = 1 + static_cast<int>(rng() % 5);
        Clues rows, cols;
        if (round % 4 == 3) {
            // Clues picked line by line, so that many sets contradict each other.
            for (int i = 0; i < r; ++i) rows.push_back(clueOfMask(rng() % (1u << c), c));
            for (int j = 0; j < c; ++j) cols.push_back(clueOfMask(rng() % (1u << r), r));
        } else {
            const unsigned density = 1 + rng() % 9;
            Picture p(r, std::vector<uint8_t>(c));
            for (auto& row : p)
                for (auto& cell : row) cell = rng() % 10 < density;
            rows = rowClues(p);
            cols = colClues(p);
        }
        const std::vector<Picture> all = allSolutions(rows, cols);
        const int expected = std::min<int>(static_cast<int>(all.size()), 2);
        const SolveResult got = solveNonogram(rows, cols);
        ASSERT_EQ(got.solutions, expected) << "round " << round;
        ++counts[expected];
        if (expected == 1) {
            EXPECT_EQ(got.solution, all[0]) << "round " << round;
        }
        if (expected == 2) {
            EXPECT_NE(got.solution, got.otherSolution);
            for (const Picture& p : {got.solution, got.otherSolution})
                EXPECT_NE(std::find(all.begin(), all.end(), p), all.end()) << "round " << round;
        }
        const bool lineSolvable = expected > 0 && lineLogicDecidesAll(rows, cols);
        ASSERT_EQ(got.lineSolvable, lineSolvable) << "round " << round;
        hardUnique += expected == 1 && !lineSolvable;
    }
    // The random sets reach every answer, and unique grids that line logic cannot finish.
    EXPECT_GT(counts[0], 100);
    EXPECT_GT(counts[1], 100);
    EXPECT_GT(counts[2], 100);
    EXPECT_GT(hardUnique, 5);
}

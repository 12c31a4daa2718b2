// Counts the pictures that fit a nonogram's clues and tells whether line logic alone finds the picture.
#include "NonogramSolver.h"

#include <algorithm>
#include <utility>

#include "NonogramSearch.h"

namespace {

// Drops zero lengths; false when a length is negative.
bool normalize(const Clues& in, Clues& out) {
    out.clear();
    for (const Clue& clue : in) {
        Clue& kept = out.emplace_back();
        for (int n : clue) {
            if (n < 0) return false;
            if (n > 0) kept.push_back(n);
        }
    }
    return true;
}

Clue clueOf(const std::vector<uint8_t>& line) {
    Clue clue;
    int run = 0;
    for (uint8_t cell : line) {
        if (cell) {
            ++run;
        } else if (run > 0) {
            clue.push_back(run);
            run = 0;
        }
    }
    if (run > 0) clue.push_back(run);
    return clue;
}

}  // namespace

SolveResult solveNonogram(const Clues& rows, const Clues& cols) {
    SolveResult result;
    Clues r, c;
    if (rows.empty() || cols.empty() || !normalize(rows, r) || !normalize(cols, c)) return result;
    NonogramSearch search(r, c);
    NonogramGrid g = search.blank();
    if (!search.settleAll(g)) return result;
    result.lineLogic.assign(r.size(), {});
    for (size_t row = 0; row < r.size(); ++row)
        result.lineLogic[row].assign(g.begin() + row * c.size(), g.begin() + (row + 1) * c.size());
    result.lineSolvable = NonogramSearch::complete(g);
    search.count(std::move(g));
    result.solutions = std::min(search.found, 2);
    result.solution = std::move(search.first);
    result.otherSolution = std::move(search.second);
    return result;
}

Clues rowClues(const Picture& picture) {
    Clues clues;
    for (const auto& row : picture) clues.push_back(clueOf(row));
    return clues;
}

Clues colClues(const Picture& picture) {
    Clues clues;
    const size_t cols = picture.empty() ? 0 : picture[0].size();
    for (size_t c = 0; c < cols; ++c) {
        std::vector<uint8_t> column;
        for (const auto& row : picture) column.push_back(c < row.size() ? row[c] : 0);
        clues.push_back(clueOf(column));
    }
    return clues;
}

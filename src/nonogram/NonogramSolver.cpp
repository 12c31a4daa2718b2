// Counts the pictures that fit a nonogram's clues and tells whether line logic alone finds the picture.
#include "NonogramSolver.h"

#include <algorithm>
#include <utility>

namespace {

using Grid = std::vector<CellState>;  // row-major, rows × cols

// Line logic to a fixed point, probing (try both states of a cell and keep what both agree on, or
// the one that does not contradict), and a depth-first search that stops at the second picture.
class Search {
  public:
    Search(const Clues& rows, const Clues& cols)
        : _rows(rows), _cols(cols), _r(static_cast<int>(rows.size())), _c(static_cast<int>(cols.size())) {
        _rowDirty.assign(_r, 0);
        _colDirty.assign(_c, 0);
    }

    Grid blank() const { return Grid(static_cast<size_t>(_r) * _c, CellState::Unknown); }

    void markAll() {
        for (int r = 0; r < _r; ++r) markRow(r);
        for (int c = 0; c < _c; ++c) markCol(c);
    }

    // Runs line logic on every marked line, and on the lines it changes, until nothing changes.
    bool settle(Grid& g) {
        while (_pending > 0) {
            for (int r = 0; r < _r; ++r)
                if (_rowDirty[r] && !solveRow(g, r)) return fail();
            for (int c = 0; c < _c; ++c)
                if (_colDirty[c] && !solveCol(g, c)) return fail();
        }
        return true;
    }

    // Finds solutions below `g` (already settled) until two are known in total.
    void count(Grid g) {
        int branch = -1;
        if (!probe(g, branch)) return;
        if (branch < 0) {
            record(g);
            return;
        }
        for (CellState guess : {CellState::Filled, CellState::Empty}) {
            Grid h = g;
            if (set(h, branch, guess)) count(std::move(h));
            if (found >= 2) return;
        }
    }

    static bool complete(const Grid& g) {
        return std::none_of(g.begin(), g.end(), [](CellState s) { return s == CellState::Unknown; });
    }

    Picture picture(const Grid& g) const {
        Picture p(_r, std::vector<uint8_t>(_c));
        for (int r = 0; r < _r; ++r)
            for (int c = 0; c < _c; ++c) p[r][c] = g[r * _c + c] == CellState::Filled;
        return p;
    }

    int found = 0;
    Picture first, second;

  private:
    void markRow(int r) {
        if (!_rowDirty[r]) ++_pending;
        _rowDirty[r] = 1;
    }
    void markCol(int c) {
        if (!_colDirty[c]) ++_pending;
        _colDirty[c] = 1;
    }
    bool fail() {
        std::fill(_rowDirty.begin(), _rowDirty.end(), 0);
        std::fill(_colDirty.begin(), _colDirty.end(), 0);
        _pending = 0;
        return false;
    }

    bool solveRow(Grid& g, int r) {
        _rowDirty[r] = 0;
        --_pending;
        CellState* row = &g[static_cast<size_t>(r) * _c];
        _buffer.assign(row, row + _c);
        if (!_line.solve(_rows[r], _buffer.data(), _c)) return false;
        for (int c = 0; c < _c; ++c)
            if (_buffer[c] != row[c]) {
                row[c] = _buffer[c];
                markCol(c);
            }
        return true;
    }

    bool solveCol(Grid& g, int c) {
        _colDirty[c] = 0;
        --_pending;
        _buffer.resize(_r);
        for (int r = 0; r < _r; ++r) _buffer[r] = g[r * _c + c];
        if (!_line.solve(_cols[c], _buffer.data(), _r)) return false;
        for (int r = 0; r < _r; ++r)
            if (_buffer[r] != g[r * _c + c]) {
                g[r * _c + c] = _buffer[r];
                markRow(r);
            }
        return true;
    }

    // Sets one cell and settles; false on a contradiction.
    bool set(Grid& g, int cell, CellState s) {
        g[cell] = s;
        markRow(cell / _c);
        markCol(cell % _c);
        return settle(g);
    }

    // Probes every open cell until a whole round decides nothing more. False when the grid has no
    // solution; otherwise `branch` is the open cell whose probes decided the most, or -1 when the
    // grid is complete.
    bool probe(Grid& g, int& branch) {
        for (bool progress = true; progress;) {
            progress = false;
            branch = -1;
            long best = -1;
            for (int cell = 0; cell < static_cast<int>(g.size()); ++cell) {
                if (g[cell] != CellState::Unknown) continue;
                _filled = g;
                _empty = g;
                const bool canFill = set(_filled, cell, CellState::Filled);
                const bool canEmpty = set(_empty, cell, CellState::Empty);
                if (!canFill && !canEmpty) return false;
                if (!canFill || !canEmpty) {
                    g.swap(canFill ? _filled : _empty);
                    progress = true;
                    continue;
                }
                long decidedFilled = 0, decidedEmpty = 0;
                bool agreed = false;
                for (size_t i = 0; i < g.size(); ++i) {
                    if (g[i] != CellState::Unknown) continue;
                    decidedFilled += _filled[i] != CellState::Unknown;
                    decidedEmpty += _empty[i] != CellState::Unknown;
                    if (_filled[i] != CellState::Unknown && _filled[i] == _empty[i]) {
                        g[i] = _filled[i];
                        markRow(static_cast<int>(i) / _c);
                        markCol(static_cast<int>(i) % _c);
                        agreed = true;
                    }
                }
                if (agreed) {
                    if (!settle(g)) return false;
                    progress = true;
                } else if (std::min(decidedFilled, decidedEmpty) > best) {
                    best = std::min(decidedFilled, decidedEmpty);
                    branch = cell;
                }
            }
        }
        return true;
    }

    void record(const Grid& g) {
        (found == 0 ? first : second) = picture(g);
        ++found;
    }

    const Clues& _rows;
    const Clues& _cols;
    const int _r, _c;
    LineSolver _line;
    Grid _buffer, _filled, _empty;
    std::vector<uint8_t> _rowDirty, _colDirty;
    int _pending = 0;
};

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
    Search search(r, c);
    Grid g = search.blank();
    search.markAll();
    if (!search.settle(g)) return result;
    result.lineLogic.assign(r.size(), {});
    for (size_t row = 0; row < r.size(); ++row)
        result.lineLogic[row].assign(g.begin() + row * c.size(), g.begin() + (row + 1) * c.size());
    result.lineSolvable = Search::complete(g);
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

// The search behind solveNonogram: line logic to a fixed point, probing, and guessing.
#include "NonogramSearch.h"

#include <algorithm>
#include <utility>

NonogramSearch::NonogramSearch(const Clues& rows, const Clues& cols)
    : _rows(rows), _cols(cols), _r(static_cast<int>(rows.size())), _c(static_cast<int>(cols.size())) {
    _rowDirty.assign(_r, 0);
    _colDirty.assign(_c, 0);
}

NonogramGrid NonogramSearch::blank() const {
    return NonogramGrid(static_cast<size_t>(_r) * _c, CellState::Unknown);
}

bool NonogramSearch::settleAll(NonogramGrid& g) {
    for (int r = 0; r < _r; ++r) markRow(r);
    for (int c = 0; c < _c; ++c) markCol(c);
    return settle(g);
}

// Probing first; when it stalls, guess the cell whose probes told the most, both ways.
void NonogramSearch::count(NonogramGrid g) {
    int branch = -1;
    if (!probe(g, branch)) return;
    if (branch < 0) {
        record(g);
        return;
    }
    for (CellState guess : {CellState::Filled, CellState::Empty}) {
        NonogramGrid h = g;
        if (set(h, branch, guess)) count(std::move(h));
        if (found >= 2) return;
    }
}

bool NonogramSearch::complete(const NonogramGrid& g) {
    return std::none_of(g.begin(), g.end(), [](CellState s) { return s == CellState::Unknown; });
}

void NonogramSearch::markRow(int r) {
    if (!_rowDirty[r]) ++_pending;
    _rowDirty[r] = 1;
}

void NonogramSearch::markCol(int c) {
    if (!_colDirty[c]) ++_pending;
    _colDirty[c] = 1;
}

// Runs line logic on every marked line, and on the lines it changes, until nothing changes.
bool NonogramSearch::settle(NonogramGrid& g) {
    while (_pending > 0) {
        for (int r = 0; r < _r; ++r)
            if (_rowDirty[r] && !solveRow(g, r)) return fail();
        for (int c = 0; c < _c; ++c)
            if (_colDirty[c] && !solveCol(g, c)) return fail();
    }
    return true;
}

bool NonogramSearch::fail() {
    std::fill(_rowDirty.begin(), _rowDirty.end(), 0);
    std::fill(_colDirty.begin(), _colDirty.end(), 0);
    _pending = 0;
    return false;
}

bool NonogramSearch::solveRow(NonogramGrid& g, int r) {
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

bool NonogramSearch::solveCol(NonogramGrid& g, int c) {
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
bool NonogramSearch::set(NonogramGrid& g, int cell, CellState s) {
    g[cell] = s;
    markRow(cell / _c);
    markCol(cell % _c);
    return settle(g);
}

// Tries both states of every open cell: a state that contradicts gives the cell the other one, and
// cells that come out the same both ways take that state. Repeats until a whole round decides
// nothing. False when the grid has no solution; otherwise `branch` is the open cell whose two probes
// decided the most (counting the weaker side), or -1 when the grid is complete.
bool NonogramSearch::probe(NonogramGrid& g, int& branch) {
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

void NonogramSearch::record(const NonogramGrid& g) {
    Picture p(_r, std::vector<uint8_t>(_c));
    for (int r = 0; r < _r; ++r)
        for (int c = 0; c < _c; ++c) p[r][c] = g[static_cast<size_t>(r) * _c + c] == CellState::Filled;
    (found == 0 ? first : second) = std::move(p);
    ++found;
}

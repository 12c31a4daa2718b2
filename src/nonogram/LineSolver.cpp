// Exact logic on one nonogram line: the cells that every arrangement of the clue agrees on.
#include "LineSolver.h"

#include <algorithm>

// Two passes of dynamic programming over (block, cell): which prefixes the first blocks can cover
// and which suffixes the remaining blocks can cover. A block placement, or an empty cell, that joins
// a coverable prefix to a coverable suffix belongs to some arrangement. O(blocks × cells).
bool LineSolver::solve(const Clue& clue, CellState* cells, int n) {
    const int k = static_cast<int>(clue.size());
    const int w = n + 1;
    _empties.assign(w, 0);
    for (int i = 0; i < n; ++i) _empties[i + 1] = _empties[i] + (cells[i] == CellState::Empty);

    // Block j fits with its first cell at s: no known empty cell under it, no known picture cell
    // right after it. The next block may start after the cell that closes it.
    auto fits = [&](int j, int s) {
        const int e = s + clue[j];
        return e <= n && _empties[e] == _empties[s] && (e == n || cells[e] != CellState::Filled);
    };
    auto next = [&](int j, int s) { return std::min(s + clue[j] + 1, n); };

    _head.assign(static_cast<size_t>(k + 1) * w, 0);
    _head[0] = 1;
    for (int j = 0; j <= k; ++j) {
        uint8_t* row = &_head[static_cast<size_t>(j) * w];
        for (int i = 0; i < n; ++i) {
            if (!row[i]) continue;
            if (cells[i] != CellState::Filled) row[i + 1] = 1;
            if (j < k && fits(j, i)) _head[static_cast<size_t>(j + 1) * w + next(j, i)] = 1;
        }
    }
    if (!_head[static_cast<size_t>(k) * w + n]) return false;

    _tail.assign(static_cast<size_t>(k + 1) * w, 0);
    _tail[static_cast<size_t>(k) * w + n] = 1;
    for (int j = k; j >= 0; --j) {
        uint8_t* row = &_tail[static_cast<size_t>(j) * w];
        for (int i = n - 1; i >= 0; --i)
            row[i] = (cells[i] != CellState::Filled && row[i + 1]) ||
                     (j < k && fits(j, i) && _tail[static_cast<size_t>(j + 1) * w + next(j, i)]);
    }

    _canEmpty.assign(n, 0);
    _fillCoverage.assign(w, 0);
    for (int j = 0; j <= k; ++j) {
        const uint8_t* head = &_head[static_cast<size_t>(j) * w];
        const uint8_t* tail = &_tail[static_cast<size_t>(j) * w];
        for (int i = 0; i < n; ++i) {
            if (!head[i]) continue;
            if (cells[i] != CellState::Filled && tail[i + 1]) _canEmpty[i] = 1;
            if (j == k || !fits(j, i) || !_tail[static_cast<size_t>(j + 1) * w + next(j, i)]) continue;
            const int end = i + clue[j];
            ++_fillCoverage[i];
            --_fillCoverage[end];
            if (end < n) _canEmpty[end] = 1;
        }
    }

    int coverage = 0;
    for (int i = 0; i < n; ++i) {
        coverage += _fillCoverage[i];
        if (cells[i] != CellState::Unknown) continue;
        if (coverage == 0)
            cells[i] = CellState::Empty;
        else if (!_canEmpty[i])
            cells[i] = CellState::Filled;
    }
    return true;
}

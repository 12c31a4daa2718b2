// The search behind solveNonogram: line logic to a fixed point, probing, and guessing.
#pragma once

#include <cstdint>
#include <vector>

#include "LineSolver.h"
#include "NonogramSolver.h"

// A grid being solved, row-major, rows × cols.
using NonogramGrid = std::vector<CellState>;

class NonogramSearch {
  public:
    // Clue lengths must be positive (a blank line has an empty clue).
    NonogramSearch(const Clues& rows, const Clues& cols);

    // A grid of open cells.
    NonogramGrid blank() const;
    // Line logic on every line until nothing changes; false when some line has no arrangement.
    bool settleAll(NonogramGrid& g);
    // Collects the pictures that fit below a settled grid, stopping at the second one found in total.
    void count(NonogramGrid g);

    static bool complete(const NonogramGrid& g);

    int found = 0;          // pictures found so far (stops growing at 2)
    Picture first, second;  // the first two pictures found

  private:
    void markRow(int r);
    void markCol(int c);
    bool settle(NonogramGrid& g);
    bool fail();
    bool solveRow(NonogramGrid& g, int r);
    bool solveCol(NonogramGrid& g, int c);
    bool set(NonogramGrid& g, int cell, CellState s);
    bool probe(NonogramGrid& g, int& branch);
    void record(const NonogramGrid& g);

    const Clues& _rows;
    const Clues& _cols;
    const int _r, _c;
    LineSolver _line;
    NonogramGrid _buffer, _filled, _empty;      // one line; the two sides of a probe
    std::vector<uint8_t> _rowDirty, _colDirty;  // lines to run line logic on
    int _pending = 0;                           // how many are marked
};

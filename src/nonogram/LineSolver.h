// Exact logic on one nonogram line: the cells that every arrangement of the clue agrees on.
#pragma once

#include <cstdint>
#include <vector>

enum class CellState : uint8_t { Unknown, Filled, Empty };

// Block lengths of one row or column in grid order; an empty clue is a line without picture cells.
using Clue = std::vector<int>;

class LineSolver {
  public:
    // Decides every cell of `cells` (n cells) that has the same state in all arrangements of the
    // blocks of `clue` that agree with the cells already known. Returns false, leaving the cells
    // as they were, when no arrangement agrees. Block lengths must be positive.
    bool solve(const Clue& clue, CellState* cells, int n);

  private:
    std::vector<int> _empties;       // _empties[i]: known empty cells before cell i
    std::vector<uint8_t> _head;      // [block j][cell i]: blocks 0..j-1 fit cells 0..i-1
    std::vector<uint8_t> _tail;      // [block j][cell i]: blocks j.. fit cells i..n-1
    std::vector<uint8_t> _canEmpty;  // some arrangement leaves the cell empty
    std::vector<int> _fillCoverage;  // running sum gives the arrangements filling the cell
};

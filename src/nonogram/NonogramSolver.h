// Counts the pictures that fit a nonogram's clues and tells whether line logic alone finds the picture.
#pragma once

#include <cstdint>
#include <vector>

#include "LineSolver.h"

using Clues = std::vector<Clue>;
// A picture, [row][col]: 1 for a picture cell, 0 for an empty cell.
using Picture = std::vector<std::vector<uint8_t>>;

struct SolveResult {
    int solutions = 0;                              // 0, 1, or 2 for "two or more"
    bool lineSolvable = false;                      // line logic alone, without guessing, decides every cell
    Picture solution;                               // the first picture found; empty when there is none
    Picture otherSolution;                          // a second, different picture when solutions is 2
    std::vector<std::vector<CellState>> lineLogic;  // what line logic alone decides, [row][col]
};

// Solves the grid whose rows carry `rows` (top to bottom) and whose columns carry `cols` (left to
// right), each clue in grid order. Zeros in a clue are ignored, so {0} and {} are both a blank
// line; a negative length, or no rows or no columns, has no solution.
SolveResult solveNonogram(const Clues& rows, const Clues& cols);

// The clues of a picture: any non-zero cell is a picture cell (tile kinds may be passed as they are).
Clues rowClues(const Picture& picture);
Clues colClues(const Picture& picture);

// A find-route level: the grid of blocks between the power source and the receiver, read from and written
// to its data file, and the search for a route of lines that meet end to end.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "minigames/FRBlock.h"
#include "progress/FlowLevel.h"

class TFRLevel : public TFlowLevel {
  public:
    static constexpr int kMaxSide = 6;  // the screen has room for 6 x 6 blocks

    int rows = 0, cols = 0;
    std::vector<std::vector<TFRBlock>> blocks;  // [row][col]; never resized once read
    int drawX = 0, drawY = 0;
    TFRBlock* startBlock = nullptr;  // null only in a level made by hand: the reader refuses such a file
    TFRBlock* endBlock = nullptr;
    int entryX = 0, entryY = 0, endX = 0, endY = 0;
    int titleN = 0;
    std::string title;

    TFRLevel() = default;
    TFRLevel(const TFRLevel&) = delete;  // blocks point at each other and at the level
    TFRLevel& operator=(const TFRLevel&) = delete;

    // The level with its blocks as they are turned now.
    bool saveProgress(const std::string& path) const override;
    TFRBlock* blockAt(int r, int c);
    // Whether a route can exist at all (both ends on blocks of the grid).
    bool solvable() const { return startBlock && endBlock; }
    void CountPositions();
};

// Reads a level file. Faults are reported and mended: a token that is not a kind 1..5 with an orientation is
// an empty place, orientations are brought into 1..4, short rows are filled with empty places, and a grid
// over 6 x 6 is cut to 6 x 6. Null, with a message, for a file that cannot be played: missing, not a route
// puzzle, an empty grid, or a start or an end that is not on a block of the grid (no route could ever be
// made).
std::shared_ptr<TFRLevel> loadFRLevel(const std::string& path);

// The route from the start block to the end block through blocks whose lines meet both ways, shortest
// first in neighbour order; empty when there is none. Labels the blocks as it searches (`ozn`), each block
// at most once.
std::vector<TFRBlock*> findRoute(TFRLevel& level);

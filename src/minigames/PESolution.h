// The stored solution of a chest puzzle level (which block covers each socket) and where each block must
// lie, and at which angle, to cover its sockets: for checking the shipped levels and for the play bot.
#pragma once

#include <string>
#include <vector>

#include "minigames/PELevel.h"

struct TPEPlacement {
    TBlock* block = nullptr;
    float x = 0, y = 0, dir = 0;  // the block's position and angle on its sockets
};

// The solution rows of the level file at `path` ("solution::row<r>": block ids, 0 for none); empty when
// the file has none or its field's size is not one a level can have.
std::vector<std::vector<int>> readPESolution(const std::string& path);

// Where every block of `level` (laid out at rest) must go to cover the sockets the solution gives it; false
// when a block's shape cannot cover its sockets at any angle, or a socket is left to none.
bool placeSolution(TPELevel& level, const std::vector<std::vector<int>>& solution,
                   std::vector<TPEPlacement>& out);

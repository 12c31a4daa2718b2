// Shared pieces of the grid pictures: the number panels' gold frame pieces.
#pragma once

#include <vector>

#include "paint/Canvas.h"

namespace gen::grid {

// The 21 frame pieces "frame0" … "frame20" in order, for the five cell pitches (largest first):
// 0–3 outer corners (top-left, top-right, bottom-left, bottom-right, 16 × 16, the trim on their outer
// 4 pixels), 4–7 edges (top, bottom: 16 × 4; left, right: 4 × 16), 8–12 row ticks and 13–17 column ticks
// by pitch, 18 and 19 the end caps of the row and column panels (16 × 16), 20 the inner corner joint
// (24 × 24).
std::vector<paint::Canvas> framePieces(const int (&pitch)[5]);

}  // namespace gen::grid

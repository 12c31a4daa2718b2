// The rules screen's pictures: the parchment it is written on and the two explanations beside the text.
#pragma once

#include "paint/Canvas.h"

namespace gen::rules {

// rules_pictures.cpp, 400 × 360 each, transparent around the drawing:
// a 5 × 5 picture stone with its clues, the row "3" uncovered by the hand;
paint::Canvas uncoveringPicture();
// the pick breaking an empty cell's cover, and a mistake throwing a stone at the treasure chest.
paint::Canvas breakingPicture();

}  // namespace gen::rules

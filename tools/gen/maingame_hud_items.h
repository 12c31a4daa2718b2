// Pictures of the main game's panel that other pictures reuse: the bag, the scarab shell and a bead.
#pragma once

#include "paint/Canvas.h"
#include "paint/Geometry.h"

namespace gen::items {

// A leather bag tied with a cord, centred in a size×size picture and drawn `scale` times its 56-pixel size.
paint::Canvas bag(int size, float scale);
// The scarab shell of a hint slot (50×58); `glow` 0..1 lights it up, 1 is the highlighted shell.
paint::Canvas scarab(float glow);
// A small turquoise bead with a glint.
void bead(paint::Canvas& c, paint::Vec2 at, float r);

}  // namespace gen::items

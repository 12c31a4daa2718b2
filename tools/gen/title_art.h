// Pieces of the title screen's picture: the desert scene, the explorer's camp, the picture stone and the
// heap of treasure in the bottom-right corner where the title's sparkles glint.
#pragma once

#include "paint/Canvas.h"

namespace gen::title {

// title_scene.cpp: the whole title picture, 1024 × 768, opaque.
paint::Canvas titleBack();

// title_props.cpp: the explorer's tent with its pennant and crates, standing on the ground line `groundY`.
void paintCamp(paint::Canvas& c, float groundY);
// An upright picture stone with a 5 × 5 grid, some of its cells inlaid with gold; `box` is its face.
void paintPictureStone(paint::Canvas& c, float x, float y, float w, float h);

// title_treasure.cpp: coins, a gold urn, an idol and gems heaped in the bottom-right corner; the urn's rim
// lies at (876, 631) and the heap's gold at (864, 702) and (856, 722).
void paintTreasureHeap(paint::Canvas& c);

}  // namespace gen::title

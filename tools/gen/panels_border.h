// The game's framed dark panel: a gold rim, a lapis band set with studs and beads, a gold bead and the dark
// panel inside, with a medallion at every corner. The pop-up frame and the profile panels are cut from it.
#pragma once

#include "paint/Canvas.h"
#include "paint/Geometry.h"

namespace gen {

struct BorderLayout {
    int w = 0, h = 0;                // the picture
    float studsX = 13, studsY = 13;  // distance between a stud and the next bead along the top and the sides
    paint::Vec2 origin;              // a bead sits here along each edge; the others follow at whole steps
};

// Depths into the border from the picture's edge: the rim's outer edge (room for the shadow outside it),
// the band, the bead and the panel.
inline constexpr float kBorderRim = 6, kBorderBand = 14, kBorderBead = 31, kBorderPanel = 37;

paint::Canvas borderedPanel(const BorderLayout& layout);
// The rosette with a turquoise gem that sits on the border's corners, about 44 px across, centred at m.
void borderMedallion(paint::Canvas& c, paint::Vec2 m);

}  // namespace gen

// The power-up emblems painted on the bottom bar's buttons, each about 38 pixels across round a centre.
#pragma once

#include "paint/Canvas.h"
#include "paint/Geometry.h"

namespace gen::icons {

void sword(paint::Canvas& c, paint::Vec2 m);      // a straight sword with a gold hilt, point up and right
void medallion(paint::Canvas& c, paint::Vec2 m);  // a gold sun medallion on a ribbon
void map(paint::Canvas& c, paint::Vec2 m);        // a parchment map between two rolls, marked with a cross
void eye(paint::Canvas& c, paint::Vec2 m);        // the painted eye with its brow and the marks beneath
void skull(paint::Canvas& c, paint::Vec2 m);      // a skull over crossed bones

}  // namespace gen::icons

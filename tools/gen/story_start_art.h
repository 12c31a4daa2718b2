// The opening story's pictures: three painted backdrops (the professor's study on a rainy evening, his desk
// by lamplight, the Nile at dawn from the steamer's deck) and the cut-out pieces that move onto them.
#pragma once

#include "paint/Canvas.h"
#include "paint/Fill.h"
#include "paint/Geometry.h"
#include "paint/Mask.h"
#include "paint/Shape.h"

namespace gen::opening {

using namespace paint;

inline constexpr int kW = 1024, kH = 768;

// The figures stand behind the desk or the steamer's bulwark: a figure's picture ends exactly on that line,
// so it slides along it sideways and looks to stand behind it.
inline constexpr float kDeskLine = 470;  // the study desk's far edge
inline constexpr float kRailLine = 532;  // the top of the steamer's bulwark
inline constexpr int kFigure = 264;      // a figure's picture, square; painted in portrait units at 4×

// story_start_figures.cpp
Canvas professorFigure();           // holding up his magnifying glass
Canvas tazmiraFigure(bool waving);  // a crowbar on her shoulder, or waving at the river ahead

// story_start_study.cpp: the study, 1024 × 768, opaque.
Canvas study();
// story_start_tablet.cpp: the picture stone nested in straw, seen from a little above; and the stone's
// carved face on its own for the desk.
Canvas tabletInStraw();
void carveTablet(Canvas& c, Vec2 topLeft, float w, float h, float tilt, unsigned seed);

// story_start_desk.cpp: the desk by lamplight from above, 1024 × 768, opaque.
Canvas deskTop();
// story_start_papers.cpp: the journey map, the professor's letter and the rival's photograph.
Canvas routeMap();
Canvas letter();
Canvas rivalPhoto();

// story_start_nile.cpp: the Nile at dawn from the deck, 1024 × 768, opaque; a felucca and a flight of birds.
Canvas nileDawn();
Canvas passingFelucca();
Canvas birds();

// story_start.cpp: shared finishing of the pieces.
// Transparent margin round a picture, room for its shadow.
Canvas padded(const Canvas& c, int margin);
// A shape's coverage on a canvas of w × h (slightly soft edges, painted large or small).
Mask cover(const Shape& s, int w, int h);
// Wood with long grain running along x (features `along` pixels long), darker downwards and to the right.
Fill woodGrain(Color light, Color deep, float along, unsigned seed);
// The picture turned by `degrees` about its centre, on a canvas just big enough to hold it.
Canvas turned(const Canvas& c, float degrees);
// A shape in dark brown outline with its fill.
void inkedPart(Canvas& c, const Shape& s, const Fill& f, float outline = 1.6f);

}  // namespace gen::opening

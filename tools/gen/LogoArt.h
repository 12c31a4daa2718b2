// The logos' shared art (logo_art.cpp): their gold, the winged-gem emblem, arched lettering and the subtitle
// ribbon, used by the loading screen's logo, the title logo and the window icon.
#pragma once

#include <string>
#include <vector>

#include "paint/Canvas.h"
#include "paint/Field.h"
#include "paint/Geometry.h"
#include "paint/Style.h"
#include "paint/Text.h"

namespace gen {

// The logo's gold: pale at `top`, deep at `bottom`, with a dark outline `outline` wide.
paint::Style goldStyle(float top, float bottom, float outline);
// The emblem's gold wings around a gem centred on `gem`, `k` times their size in the logo (span 264,
// height 52), and the turquoise gem in its gold setting (radius 21 at k = 1).
void drawWings(paint::Canvas& c, paint::Vec2 gem, float k);
void drawGem(paint::Canvas& c, paint::Vec2 gem, float k);

// A piece of lettering at its own size: capitals may be set larger than the rest of their word.
struct LogoPiece {
    std::string text;
    float px;
};
// A line of pieces on one baseline, centred on centreX, its middle raised by `arch` pixels (a parabola
// reaching the baseline `halfWidth` either side of the centre).
struct ArchedLine {
    float centreX = 0, baseline = 0, tracking = 0, arch = 0, halfWidth = 300;
};
// The width of the pieces set side by side.
float piecesWidth(const paint::Font& f, const std::vector<LogoPiece>& pieces, float tracking);
// The distance field (w × h) of the pieces set on the arched line.
paint::Field archedText(const paint::Font& f, const std::vector<LogoPiece>& pieces, const ArchedLine& line,
                        int w, int h);

// A terracotta ribbon with folded swallowtail ends and gold seams, carrying a line of pale lettering.
struct Ribbon {
    float centreX = 0, top = 0, bottom = 0;
    float half = 200;           // half the band's width
    float arch = 6;             // how far its middle rises
    float archHalfWidth = 300;  // where the arch comes back to the band's line
    std::string text;
    float textPx = 23;
};
void drawRibbon(paint::Canvas& c, const paint::Font& font, const Ribbon& r);

}  // namespace gen

// The hidden-object scenes' shared pictures: the objects, drawn with a pen in 96 × 96 design units at any
// scale, the bottom panel with its slots, the tick mark and the weather's leaves, drops and seeds.
#pragma once

#include <initializer_list>
#include <vector>

#include "Palette.h"
#include "awards_art.h"
#include "paint/Canvas.h"
#include "paint/Fill.h"
#include "paint/Geometry.h"
#include "paint/Shape.h"

namespace gen::ho {

using namespace paint;

// The objects are drawn in a kBox-unit square; one unit is one pixel of the picture lying in a scene.
inline constexpr int kBox = 96;

// Draws an object's parts in design units onto a canvas painted kSuper times larger than `scale` asks
// for. Outlines keep the same width in screen pixels at every scale, so a shrunk object stays crisp.
class Pen {
  public:
    static constexpr int kSuper = 4;
    // Room round the design square for outlines and shadows, in design units.
    static constexpr float kMargin = 4;

    explicit Pen(float scale);
    Canvas& canvas() { return c_; }
    // A shape or a fill given in design units, placed on the big canvas.
    Shape big(const Shape& s) const;
    Fill big(const Fill& f) const;

    // One part: a dark-brown outline, its fill and a rounded bevel `depth` units deep.
    void part(const Shape& s, const Fill& fill, float depth = 2.0f, float highlight = 0.55f,
              float shadow = 0.45f);
    // Paints over what is already there, e.g. shade, stripes, highlights.
    void paint(const Shape& s, const Fill& fill, Blend mode = Blend::Inside);
    // Rounds a body already painted: light along its side towards p0, shade towards p1, kept inside s.
    void shade(const Shape& s, Vec2 p0, Vec2 p1, float strength = 1.0f);
    // A fine line cut into a part: a dark groove with a lit lower-right lip.
    void engrave(const Shape& cut, float strength = 1.0f);
    // A domed gold stud and a round cabochon with its glint.
    void stud(Vec2 m, float r);
    void gem(Vec2 m, float r, Color light, Color mid, Color deep);
    // A small four-pointed white glint.
    void glint(Vec2 m, float r, float strength = 1.0f);
    // The finished picture at `scale`: shrunk, with a short soft shadow, cropped to what is painted.
    Canvas finish() const;

  private:
    float scale_, k_;  // k_: big-canvas pixels per design unit
    Canvas c_;
};

// The middle of the design square; objects turn round it.
inline constexpr Vec2 kMid{48, 48};
Vec2 turned(Vec2 p, float degrees);

// Shapes in design units.
Shape poly(std::initializer_list<Vec2> pts);
Shape poly(const std::vector<Vec2>& pts);
// A smooth stroke through the points, tapering from width w0 to w1.
Shape curve(const std::vector<Vec2>& pts, float w0, float w1);
// A closed smooth outline through the points.
Shape blob(const std::vector<Vec2>& pts);
// A band along a bent spine: `width(t)` is its half width at t = 0..1; the ends come to points.
Shape ribbon(const std::vector<Vec2>& spine, float (*width)(float));
// `n` points along a smooth curve through `pts`.
std::vector<Vec2> along(const std::vector<Vec2>& pts, int n);

// Colours of the palette lit from the top left round design point m, radius r.
Fill turquoise(Vec2 m, float r);
Fill lapis(Vec2 m, float r);
Fill terracotta(Vec2 m, float r);
// Colours lit from the top left round design point m, radius r: light → mid → deep.
Fill lit(Color light, Color mid, Color deep, Vec2 m, float r);
Fill metal(const award::Metal& m, Vec2 at, float r);
inline Fill gold(Vec2 m, float r) {
    return metal(award::kGold, m, r);
}
inline Fill silver(Vec2 m, float r) {
    return metal(award::kSilver, m, r);
}
// Shading across a cylinder from p0 to p1: lit near its top-left side, dark at the far one.
Fill cylinder(Vec2 p0, Vec2 p1, Color light, Color mid, Color deep);

// The object pictures.
using Drawing = void (*)(Pen&);
struct Object {
    const char* name;
    Drawing draw;
};
// ho_items_egypt.cpp, ho_items_persia.cpp, ho_items_tibet.cpp: seven objects each.
const std::vector<Object>& egyptObjects();
const std::vector<Object>& persiaObjects();
const std::vector<Object>& tibetObjects();

// The object drawn at scale 1, and redrawn to fit the bottom panel's picture (kPanelW × kPanelH, the
// object within kFitW × kFitH) with its sepia copy.
inline constexpr int kPanelW = 68, kPanelH = 60, kFitW = 64, kFitH = 56;
Canvas objectPicture(Drawing d);
Canvas panelPicture(Drawing d);
Canvas sepia(const Canvas& c);

// ho_items_panel.cpp: the bottom panel (1024 × 112) and the tick mark.
inline constexpr int kSlots = 11;
Canvas bottomPanel();
Canvas tick();

// ho_items_weather.cpp: three falling leaves, a raindrop, a light ball and three seeds.
Canvas leaf(int kind);  // 0 palm leaflet, 1 fig leaf, 2 autumn maple leaf; 64 × 64
Canvas raindrop();      // 16 × 32
Canvas lightBall();     // 32 × 32
Canvas seed(int kind);  // 0..2, 16 × 16

}  // namespace gen::ho

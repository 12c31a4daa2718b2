// Drawing helpers shared by the mouse cursor pictures: outlined parts lit from the top left, at 1:1 size.
#pragma once

#include <vector>

#include "Generator.h"
#include "Palette.h"
#include "paint/Canvas.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Shape.h"
#include "paint/Style.h"

namespace gen {

// cursors_powerups.cpp: the eye, skull and map cursors at their five sizes.
void genPowerUpCursors(const Context& ctx);

// cursors.cpp: the gloved hand and the pick, k times their cursor size (30 and 32 pixels square), without
// the cursor's shadow; the rules screen shows them large.
paint::Canvas handPicture(float k);
paint::Canvas hookPicture(float k);

}  // namespace gen

namespace gen::cursor {

using namespace paint;

// One part of a picture: a dark outline `outline` px wide around it, its fill, and a rounded bevel.
inline void part(Canvas& c, const Shape& s, const Fill& fill, float outline = 1.0f, float depth = 2.0f,
                 float highlight = 0.45f, float shadow = 0.35f) {
    Style st;
    st.fill = fill;
    st.outline = outline;
    st.outlineFill = pal::kOutline;
    if (depth > 0) st.bevel = Bevel{depth, highlight, shadow, true};
    drawStyled(c, s.field(c.width(), c.height()), st);
}

// A thin line painted over what is there (creases, seams, stitches).
inline void ink(Canvas& c, const std::vector<Vec2>& pts, float width, Color color) {
    c.paint(Shape::stroke(pts, {width}), color, Blend::Inside);
}

// Puts a soft shadow one pixel down and to the right under the whole picture, so it reads on any ground.
inline Canvas shadowed(const Canvas& c, float opacity = 0.45f) {
    Canvas out(c.width(), c.height());
    Mask m = c.alpha().shifted(1, 1);
    m.blur(0.7f);
    out.paint(m, hex(0x120804, opacity));
    out.draw(c, 0, 0);
    return out;
}

}  // namespace gen::cursor

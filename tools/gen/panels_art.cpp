// Helpers shared by the pop-up, papyrus, options, profile and win/lose panel pictures.
#include "panels_art.h"

#include <algorithm>
#include <cmath>

#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"

namespace gen {

using namespace paint;

bool samePixel(const Pixel& a, const Pixel& b) {
    constexpr float kTolerance = 2.0f / 255.0f;
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b), std::abs(a.a - b.a)}) <=
           kTolerance;
}

bool sameImage(const Canvas& a, const Canvas& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (size_t i = 0; i < a.pixels().size(); ++i)
        if (!samePixel(a.pixels()[i], b.pixels()[i])) return false;
    return true;
}

void seeThroughShadow(Canvas& c, const Field& f, float distance, float blur, Color color) {
    const Vec2 off = lightDirection() * -distance;
    Mask cast = f.coverage().invert().shifted(static_cast<int>(std::lround(off.x)),
                                              static_cast<int>(std::lround(off.y)));
    cast.blur(blur);
    cast.multiply(f.coverage());
    c.paint(cast, color);
}

void headingFlourish(Canvas& c, float cx, float y, float gap, float length) {
    for (float s : {-1.0f, 1.0f}) {
        const float x0 = cx + s * gap, x1 = cx + s * (gap + length);
        const Shape line = Shape::line({x0, y}, {x1, y}, 2.0f);
        const Shape tip = Shape::star({x1 + s * 5, y}, 4, 5.5f, 2.2f);
        hud::styled(c, line | tip, hud::goldTrim(y - 5, y + 5, 0.9f), 4.0f);
    }
}

void recess(Canvas& c, const Shape& hole, const Fill& inside, float depth) {
    Style lip = hud::goldTrim(hole.bounds().y0 - 3, hole.bounds().y1 + 3, 1.0f);
    lip.bevel = Bevel{1.5f, 0.6f, 0.4f, true};
    hud::styled(c, hole.grown(3.0f), lip, 4.0f);
    hud::Layer l(c, hole.bounds().expanded(4));
    const Field f = l.field(hole);
    Canvas& lc = l.canvas();
    lc.paint(f.coverage(), l.local(inside));
    innerShadow(lc, f, depth, depth * 0.9f, hex(0x050101, 0.85f));
    innerGlow(lc, f, hex(0xffd8a0, 0.08f), 2.0f);
    lc.paint(f.band(-0.2f, 1.0f), pal::kOutline.fade(0.9f));
    l.put(c);
}

}  // namespace gen

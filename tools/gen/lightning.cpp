// The lightning's three pieces: a round start cap, a body one pixel long that the game stretches along a
// segment, and a round end cap; white (the game tints them), a bright core in a soft glow.
#include <algorithm>
#include <cmath>

#include "Entries.h"
#include "paint/Canvas.h"
#include "paint/ImageIO.h"

namespace gen {

using namespace paint;

namespace {

constexpr int kHeight = 32;

// Alpha at distance d (pixels) from the bolt's centre line: a hot core and a glow around it.
float glow(float d) {
    const float core = std::exp(-(d * d) / (2.0f * 2.2f * 2.2f));
    const float halo = std::exp(-(d * d) / (2.0f * 7.0f * 7.0f));
    return std::clamp(0.95f * core + 0.45f * halo, 0.0f, 1.0f);
}

// `side` -1: the half disc left of the picture's right edge (the start cap); 1: right of its left edge.
Canvas cap(int side) {
    const int w = kHeight / 2;
    Canvas c(w, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < w; ++x) {
            const float dx = side < 0 ? (w - 0.5f - x) : (x + 0.5f), dy = y + 0.5f - kHeight / 2.0f;
            const float a = glow(std::sqrt(dx * dx + dy * dy));
            c.at(x, y) = Pixel{a, a, a, a};  // white, premultiplied
        }
    return c;
}

Canvas body() {
    Canvas c(1, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        const float a = glow(std::fabs(y + 0.5f - kHeight / 2.0f));
        c.at(0, y) = Pixel{a, a, a, a};
    }
    return c;
}

}  // namespace

void genLightning(const Context& c) {
    writePng(cap(-1), c.out("gfx/efekty/line0.png"));
    writePng(body(), c.out("gfx/efekty/line1.png"));
    writePng(cap(1), c.out("gfx/efekty/line2.png"));
}

}  // namespace gen

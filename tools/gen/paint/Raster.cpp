// Sampling shapes onto pixel grids, skipping 8×8 tiles that lie wholly inside or outside.
#include <functional>

#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Shape.h"

namespace paint {

namespace {

constexpr int kTile = 8;
// Distances of combined and approximate shapes may change a little faster than one per pixel.
constexpr float kSafety = 1.5f;

// Calls sampleTile(tx, ty, centreDistance) for each tile that touches `box`, and perPixel for the
// pixels of tiles near the edge (within `margin` of it).
void forTiles(const Shape& s, int w, int h, Rect box, float margin,
              const std::function<void(int, int, int, int, float)>& wholeTile,
              const std::function<void(int, int, float)>& perPixel) {
    const int x0 = std::max(0, static_cast<int>(std::floor(box.x0)) / kTile * kTile);
    const int y0 = std::max(0, static_cast<int>(std::floor(box.y0)) / kTile * kTile);
    const int x1 = std::min(w, static_cast<int>(std::ceil(box.x1)));
    const int y1 = std::min(h, static_cast<int>(std::ceil(box.y1)));
    const float reach = kSafety * kTile * 0.7072f + margin;
    for (int ty = y0; ty < y1; ty += kTile)
        for (int tx = x0; tx < x1; tx += kTile) {
            const int tw = std::min(kTile, w - tx), th = std::min(kTile, h - ty);
            const float d = s.distance({tx + kTile * 0.5f, ty + kTile * 0.5f});
            if (std::abs(d) > reach) {
                wholeTile(tx, ty, tw, th, d);
                continue;
            }
            for (int y = ty; y < ty + th; ++y)
                for (int x = tx; x < tx + tw; ++x) perPixel(x, y, s.distance({x + 0.5f, y + 0.5f}));
        }
}

}  // namespace

Mask Shape::rasterize(int w, int h, float feather) const {
    Mask m(w, h);
    drawInto(m, feather);
    return m;
}

void Shape::drawInto(Mask& m, float feather) const {
    const Rect box = bounds().expanded(feather + 1.0f);
    if (box.empty()) return;
    forTiles(
        *this, m.width(), m.height(), box, feather,
        [&](int tx, int ty, int tw, int th, float d) {
            if (d > 0) return;
            for (int y = ty; y < ty + th; ++y)
                for (int x = tx; x < tx + tw; ++x) m.at(x, y) = 1.0f;
        },
        [&](int x, int y, float d) { m.at(x, y) = std::max(m.at(x, y), clamp01(0.5f - d / feather)); });
}

Field Shape::field(int w, int h, float band) const {
    Field f(w, h, 1e6f);
    forTiles(
        *this, w, h, Rect{0, 0, static_cast<float>(w), static_cast<float>(h)}, band,
        [&](int tx, int ty, int tw, int th, float d) {
            for (int y = ty; y < ty + th; ++y)
                for (int x = tx; x < tx + tw; ++x) f.at(x, y) = d;
        },
        [&](int x, int y, float d) { f.at(x, y) = d; });
    return f;
}

}  // namespace paint

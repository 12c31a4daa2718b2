// Pixel-accurate collision layers: images written with an id, later images tested against them.
#include <algorithm>
#include <cmath>

#include "engine/Internal.h"

namespace eng {

namespace {

struct Placed {
    Image image;
    int frame = 0;
    float x = 0, y = 0, sx = 1, sy = 1, c = 1, s = 0;
    float minX = 0, minY = 0, maxX = 0, maxY = 0;
    const void* id = nullptr;

    void toWorld(float lx, float ly, float& wx, float& wy) const {
        float px = (lx - image->hx) * sx, py = (ly - image->hy) * sy;
        wx = x + px * c - py * s;
        wy = y + px * s + py * c;
    }
    bool opaqueAt(float wx, float wy) const {
        float dx = wx - x, dy = wy - y;
        float rx = dx * c + dy * s, ry = -dx * s + dy * c;  // rotate back
        if (sx == 0 || sy == 0) return false;
        float lx = rx / sx + image->hx, ly = ry / sy + image->hy;
        if (lx < 0 || ly < 0 || lx >= image->width || ly >= image->height) return false;
        int ix = static_cast<int>(lx), iy = static_cast<int>(ly);
        return image->frames[frame][(static_cast<size_t>(iy) * image->width + ix) * 4 + 3] >= 128;
    }
};

std::vector<Placed> layers[32];

Placed place(const Image& image, float x, float y, int frame, const void* id) {
    Placed p;
    p.image = image;
    p.frame = std::clamp(frame, 0, static_cast<int>(image->frames.size()) - 1);
    p.x = x;
    p.y = y;
    GetScale(p.sx, p.sy);
    double rad = GetRotation() * M_PI / 180.0;
    p.c = static_cast<float>(std::cos(rad));
    p.s = static_cast<float>(std::sin(rad));
    p.id = id;
    float xs[4], ys[4];
    p.toWorld(0, 0, xs[0], ys[0]);
    p.toWorld(static_cast<float>(image->width), 0, xs[1], ys[1]);
    p.toWorld(static_cast<float>(image->width), static_cast<float>(image->height), xs[2], ys[2]);
    p.toWorld(0, static_cast<float>(image->height), xs[3], ys[3]);
    p.minX = *std::min_element(xs, xs + 4);
    p.maxX = *std::max_element(xs, xs + 4);
    p.minY = *std::min_element(ys, ys + 4);
    p.maxY = *std::max_element(ys, ys + 4);
    return p;
}

// Samples the opaque pixels of `a` (finer than one sample per pixel when it is scaled up) and
// tests each sample against `b`.
bool overlaps(const Placed& a, const Placed& b) {
    if (a.maxX < b.minX || b.maxX < a.minX || a.maxY < b.minY || b.maxY < a.minY) return false;
    const float zoom = std::max(std::fabs(a.sx), std::fabs(a.sy));
    const int sub = std::clamp(static_cast<int>(std::ceil(zoom)), 1, 4);
    const auto& px = a.image->frames[a.frame];
    for (int iy = 0; iy < a.image->height; ++iy)
        for (int ix = 0; ix < a.image->width; ++ix) {
            if (px[(static_cast<size_t>(iy) * a.image->width + ix) * 4 + 3] < 128) continue;
            for (int sy = 0; sy < sub; ++sy)
                for (int sx = 0; sx < sub; ++sx) {
                    float wx, wy;
                    a.toWorld(ix + (sx + 0.5f) / sub, iy + (sy + 0.5f) / sub, wx, wy);
                    if (b.opaqueAt(wx, wy)) return true;
                }
        }
    return false;
}

}  // namespace

void ResetCollisions(uint32_t mask) {
    for (int i = 0; i < 32; ++i)
        if (mask == 0 || (mask & (1u << i))) layers[i].clear();
}

std::vector<const void*> CollideImage(const Image& image, float x, float y, int frame, uint32_t collideMask,
                                      uint32_t writeMask, const void* id) {
    std::vector<const void*> hits;
    if (!image || image->frames.empty() || image->width <= 0 || image->height <= 0) return hits;
    Placed me = place(image, x, y, frame, id);
    for (int i = 0; i < 32; ++i) {
        if (!(collideMask & (1u << i))) continue;
        for (const Placed& other : layers[i]) {
            // Test from the side with fewer pixels.
            bool hit = (static_cast<long>(me.image->width) * me.image->height <=
                        static_cast<long>(other.image->width) * other.image->height)
                           ? overlaps(me, other)
                           : overlaps(other, me);
            if (hit && std::find(hits.begin(), hits.end(), other.id) == hits.end()) hits.push_back(other.id);
        }
    }
    for (int i = 0; i < 32; ++i)
        if (writeMask & (1u << i)) layers[i].push_back(me);
    return hits;
}

}  // namespace eng

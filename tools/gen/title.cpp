// The title screen's pictures in gfx/gui/mainMenu/: the painted scene, two drifting cloud layers, three
// sets of light beams and the name plate's three pieces (the logo is title_logo.cpp's).
#include <algorithm>
#include <cmath>
#include <string>

#include "Entries.h"
#include "backgrounds_art.h"
#include "paint/Canvas.h"
#include "paint/ImageIO.h"
#include "paint/Mask.h"
#include "paint/Noise.h"
#include "paint/Shape.h"
#include "title_art.h"

namespace gen {

using namespace paint;

namespace {

// The cloud layers are drawn at (120, 0) over the picture's sky.
constexpr int kCloudW = 1024 - 120, kCloudH = 360;

// Soft heaped clouds lit from the low sun on the left; the layer's edges melt away.
Canvas cloudLayer(float cover, uint32_t seed) {
    Canvas c(kCloudW, kCloudH);
    bg::puffyClouds(c, 30, 330, hex(0xe8a8a0, 0.42f), hex(0xffe2b8, 0.6f), cover, seed);
    for (int y = 0; y < kCloudH; ++y)
        for (int x = 0; x < kCloudW; ++x) {
            const float k = std::min({1.0f, x / 180.0f, (kCloudW - 1 - x) / 120.0f}) *
                            std::min(1.0f, (kCloudH - 1 - y) / 110.0f);
            Pixel& p = c.at(x, y);
            p = Pixel{p.r * k, p.g * k, p.b * k, p.a * k};
        }
    return c;
}

// God rays falling from beyond the top-left corner: each picture its own few rays, soft across, fading
// with distance and broken into gentle streaks. Drawn added onto the screen, so the rest stays empty.
Canvas beams(uint32_t seed) {
    constexpr int kW = 860, kH = 700;
    const Vec2 origin{-70, -110};
    struct Ray {
        float angle, width, strength;
    };
    Rng rng(seed);
    Ray rays[4];
    for (Ray& r : rays) r = {rng.range(30, 72), rng.range(1.6f, 4.2f), rng.range(0.5f, 1.0f)};
    const Noise n(seed);
    Canvas c(kW, kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const Vec2 d = Vec2{x + 0.5f, y + 0.5f} - origin;
            const float dist = length(d), angle = std::atan2(d.y, d.x) * 180.0f / kPi;
            float v = 0;
            for (const Ray& r : rays) {
                const float t = (angle - r.angle) / r.width;
                v += r.strength * std::exp(-t * t);
            }
            const float along = smoothstep(60, 260, dist) * (1 - smoothstep(380, 900, dist));
            const float streak = 0.75f + 0.25f * n.fbm(angle * 0.9f, dist / 240.0f, 3);
            const float a = std::min(0.5f, 0.3f * v * along * streak);
            const Color col = mixOklab(hex(0xfff2c8), hex(0xffb860), smoothstep(200, 800, dist));
            c.at(x, y) = Pixel{col.r * a, col.g * a, col.b * a, a};
        }
    return c;
}

// The name plate: a white cartouche band with a fine inner line (the game draws it black, half see-through);
// cut into a left cap, a middle column to be stretched and a right cap.
void namePlate(const Context& ctx) {
    constexpr int kH = 40, kCap = 24, kMid = 8, kW = 2 * kCap + kMid;
    Canvas whole(kW, kH);
    const Shape band = Shape::rect(2, 3, kW - 4, kH - 6, (kH - 6) / 2.0f);
    Mask plate = band.rasterize(kW, kH, 1.5f);
    Mask line = band.grown(-4).outline(1.3f).rasterize(kW, kH, 1.2f);
    plate.subtract(line.scale(0.6f));
    whole.paint(plate, hex(0xffffff, 0.85f));
    const std::string dir = "gfx/gui/mainMenu/";
    writePng(whole.cropped(0, 0, kCap, kH), ctx.out(dir + "podklad-left.png"));
    writePng(whole.cropped(kCap, 0, kMid, kH), ctx.out(dir + "podklad-mid.png"));
    writePng(whole.cropped(kCap + kMid, 0, kCap, kH), ctx.out(dir + "podklad-right.png"));
}

}  // namespace

void genTitleScreen(const Context& ctx) {
    const std::string dir = "gfx/gui/mainMenu/";
    Canvas back = title::titleBack();
    bg::finish(back, 170);
    writeJpeg(back, ctx.out(dir + "back.jpg"), 90);
    writePng(cloudLayer(0.5f, 171), ctx.out(dir + "cloud-1.png"));
    writePng(cloudLayer(0.42f, 172), ctx.out(dir + "cloud-2.png"));
    for (int i = 1; i <= 3; ++i)
        writePng(beams(180 + static_cast<uint32_t>(i)), ctx.out(dir + "beam-" + std::to_string(i) + ".png"));
    namePlate(ctx);
}

}  // namespace gen

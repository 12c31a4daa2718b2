// The bazaar's vaulted street seen straight down its length: brick walls and vaults cast by a ray through
// every pixel, carpets and shop fronts along the walls, lanterns under the arches and sunlight falling from
// the openings in the vaults.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "jigsaw_art.h"
#include "paint/Noise.h"
#include "story_slides_art.h"

namespace gen::slides {

using jigsaw::rast;

namespace {

constexpr Vec2 kVp{512, 392};   // where the street vanishes
constexpr float kEye = 300;     // the eye's height above the floor, in the street's units
constexpr float kHalf = 400;    // half the street's width
constexpr float kSpring = 250;  // where the vaults spring from the walls
constexpr float kBay = 1.3f;    // the length of one bay, in units of depth (1 = the screen plane)
constexpr float kEnd = 9.0f;    // the street's far end opens to daylight

// The colour of the wall, vault or floor the ray through (x, y) meets.
Color street(float x, float y, const Noise& n) {
    // With the eye at the origin, a point z deep shows at (dx, dy) = (X, -height) / z: each surface gives
    // its own 1 / z, and the ray meets the nearest.
    // Below the springing the street is a box; above it a round barrel vault.
    const float dx = x - kVp.x, dy = y - kVp.y;
    const float sFloor = dy / kEye, sWall = std::abs(dx) / kHalf;
    const float a = dx * dx + dy * dy, b = -2 * dy * (kEye - kSpring),
                cc = (kEye - kSpring) * (kEye - kSpring) - kHalf * kHalf;
    const float zc = (-b + std::sqrt(std::max(0.0f, b * b - 4 * a * cc))) / std::max(2 * a, 1e-6f);
    const bool vault = kEye - dy * zc >= kSpring;
    const float s = vault ? 1 / zc : std::max(sFloor, sWall);
    const int face = vault ? 2 : (sFloor > sWall ? 0 : 1);
    const float z = 1.0f / std::max(s, 1e-4f);
    if (z > kEnd) {
        // Daylight at the end of the street.
        return mixOklab(hex(0xfff4d8), hex(0xf0c890), clamp01((y - kVp.y + 60) / 140));
    }
    const float bayT = std::fmod(z, kBay) / kBay;
    const float fog = smoothstep(1.0f, kEnd, z);
    const float X = dx * z, Y = -dy * z + kEye;  // across the street, and height above the floor
    Color k;
    if (face == 0) {
        // Worn stone flags, and pools of sunlight below the openings in the vaults.
        const float u = X / 90.0f, v = z * 3.0f;
        const float joint = std::min(std::abs(u - std::round(u)), std::abs(v - std::round(v)) * 0.6f);
        k = mixOklab(hex(0x8a6a4a), hex(0xc8a070), n.fbm(X / 60.0f, z * 4.0f, 3));
        if (joint < 0.04f) k = darker(k, 0.35f);
        const float pool =
            std::exp(-std::pow((bayT - 0.5f) * 7.0f, 2.0f)) * std::exp(-std::pow(X / 180.0f, 2.0f));
        k = mixOklab(k, hex(0xffe0a0), 0.55f * pool);
    } else {
        // Brick in courses; the ribs of the arches stand out in paler brick.
        const float along =
            face == 1 ? Y : kSpring + kHalf * std::acos(std::clamp(std::abs(X) / kHalf, 0.0f, 1.0f));
        const float row = std::floor(along / 16.0f);
        const float brick = std::fmod(z * 12.0f + row * 0.5f, 1.0f);
        const float rib = std::min(bayT, 1 - bayT) * kBay;
        k = mixOklab(hex(0xa06a44), hex(0xd8a070), 0.4f + 0.5f * n.fbm(z * 6.0f, along / 40.0f, 3));
        if (std::fmod(along, 16.0f) < 1.8f || brick < 0.07f) k = darker(k, 0.3f);
        if (rib < 0.12f) k = mixOklab(hex(0xf0c890), hex(0xc89060), rib / 0.12f);
        if (face == 1) {
            // Shop fronts low on the walls; carpets hung between them.
            if (Y < 160 && bayT > 0.3f && bayT < 0.7f) {
                // Piles of cloth, pots and spice in the warm dark of each shop.
                const int slot = static_cast<int>(z * 14.0f), tier = static_cast<int>(Y / 40.0f);
                const bool shelf = std::fmod(Y, 40.0f) < 4;
                const float fill = (hash3(slot, tier, 7u) % 100) / 100.0f;
                k = shelf ? hex(0x6a3a1a)
                          : mixOklab(hex(0x3a1c0a), hex(0x7a4220), n.fbm(z * 9.0f, Y / 20.0f, 2));
                if (!shelf && std::fmod(Y, 40.0f) < 10 + 24 * fill && std::fmod(z * 14.0f, 1.0f) < 0.8f) {
                    const Color goods[] = {pal::kTerracotta, pal::kTurquoise, pal::kGold,
                                           pal::kBlue,       hex(0x8a2a50),   hex(0xe8e0c8)};
                    k = goods[hash3(slot, tier, 9u) % 6];
                    k = mixOklab(k, darker(k, 0.4f), std::fmod(z * 14.0f, 1.0f));
                }
            } else if (Y > 110 && Y < 240 && (bayT < 0.26f || bayT > 0.74f) &&
                       std::min(bayT, 1 - bayT) > 0.06f) {
                // Woven hangings with borders and a lozenge.
                const float cu = (std::min(bayT, 1 - bayT) - 0.06f) / 0.2f, cv = (Y - 110) / 130.0f;
                const bool border = cu < 0.15f || cu > 0.85f || cv < 0.12f || cv > 0.88f;
                const bool lozenge = std::abs(cu - 0.5f) + std::abs(cv - 0.5f) * 0.6f < 0.28f;
                k = border ? hex(0x1e2a5a) : (lozenge ? pal::kGoldLight : hex(0xa8281e));
                if (!border && (static_cast<int>(Y / 8) + static_cast<int>(cu * 8)) % 5 == 0)
                    k = hex(0x1e2a5a);
            }
        } else {
            // An opening at each vault's crown lets in the sun.
            if (std::abs(X) < 34 && std::abs(bayT - 0.5f) < 0.08f) k = hex(0xfff8e0);
        }
    }
    // Light: warmer near the lanterns by the ribs, darker in the depths of the vaults, fog at the far end.
    const float lamp = std::exp(-std::pow(std::min(bayT, 1 - bayT) * 6.0f, 2.0f));
    k = mixOklab(darker(k, 0.35f), k, 0.5f + 0.5f * lamp);
    if (face == 2) k = darker(k, 0.3f * clamp01((Y - kSpring) / kHalf));
    return mixOklab(k, hex(0xe8b880), fog * 0.85f);
}

}  // namespace

Canvas roadBazaar() {
    Canvas c(kW, kH);
    const Noise n(5801u);
    c.paint(bg::everywhere(), Fill([&](float x, float y) {
                // Four rays per pixel keep the far bricks from shimmering.
                Color sum{0, 0, 0, 0};
                for (int k = 0; k < 4; ++k) {
                    const Color s = street(x + (k % 2 - 0.5f) * 0.5f, y + (k / 2 - 0.5f) * 0.5f, n);
                    sum = {sum.r + s.r / 4, sum.g + s.g / 4, sum.b + s.b / 4, 1};
                }
                return sum;
            }));
    // Lanterns hanging under each arch, and the sun's shafts falling from the vaults' openings.
    for (float z = kBay; z < kEnd; z += kBay) {
        const float s = 1 / z;
        const Vec2 crown{kVp.x, kVp.y - (kSpring + kHalf - kEye) * s};
        lantern(c, crown + Vec2{0, 150 * s}, 60 * s, true);
    }
    for (float z = kBay * 0.5f; z < kEnd; z += kBay) {
        const float s = 1 / z;
        const Vec2 top{kVp.x, kVp.y - (kSpring + kHalf - kEye) * s}, foot{kVp.x, kVp.y + kEye * s};
        const Shape shaft = Shape::polygon(
            {top + Vec2{-26 * s, 0}, top + Vec2{26 * s, 0}, foot + Vec2{90 * s, 0}, foot + Vec2{-50 * s, 0}});
        Mask m = shaft.rasterize(kW, kH, 2);
        m.blur(6 * s + 1);
        c.paint(m, Fill::vertical(top.y, foot.y, {{0, hex(0xfff0c0, 0.5f)}, {1, hex(0xffe0a0, 0.12f)}}),
                Blend::Screen);
        motes(c, m, static_cast<int>(30 * s), hex(0xfff0c0, 0.8f), 5802u + static_cast<uint32_t>(z * 10));
    }
    // A few passers-by deep in the street.
    person(c, Who::Merchant, {440, 520}, 150, Pose::Standing, true);
    person(c, Who::Hamid, {610, 470}, 90, Pose::Standing, false);
    finishSlide(c, 0.45f, 5803u);
    return c;
}

}  // namespace gen::slides

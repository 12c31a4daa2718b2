// The open treasure chest seen from the front and a little from the right, at six stages of damage,
// and the closed chest.
#include <cmath>

#include "maingame_chest_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Path.h"

namespace gen::chest {

namespace {

const Fill kHoleDark = Fill::vertical(sp(0, 480).y, sp(0, 560).y, {{0, hex(0x2a1508)}, {1, hex(0x0c0502)}});

// The lid stands open behind the box: its hinge on the back edge, its domed front edge now on top.
std::vector<Vec2> lidOutline(float inset) {
    Path p;
    p.moveTo({846 + inset, 468})
        .lineTo({851 + inset, 422.5f + inset})
        .quadTo({918.5f, 418 + inset}, {986 - inset, 422.5f + inset})
        .lineTo({988 - inset, 468});
    return p.points();
}

void paintLid(Canvas& c, int damage, bool castShadow) {
    const int w = c.width(), h = c.height();
    const std::vector<Vec2> outer = lidOutline(0), inner = lidOutline(4);
    const Shape lid = poly(outer), face = poly(inner);
    // A soft shadow of the lid on the niche behind it.
    if (castShadow) dropShadow(c, lid.rasterize(w, h), {sl(1.5f), sl(1.0f)}, sl(2.0f), hex(0x1a0d05, 0.45f));
    goldPart(c, lid, {880, 425}, 80, 1.6f);
    // Three dark boards on the inside of the lid.
    const float seams[] = {421, 438, 453, 470};
    for (int i = 0; i < 3; ++i) {
        WoodLook look = kDarkWood;
        look.seed = 40u + i;
        plank(c, face & box(840, seams[i], 990, seams[i + 1]), look, 0.5f + 0.06f * (i - 1));
    }
    // The hollow of the dome is darker at the top; the light falls from the upper left.
    const Field ff = face.field(w, h);
    innerShadow(c, ff, sl(2.0f), sl(2.5f), hex(0x120602, 0.75f));
    c.paint(
        ff.coverage(),
        Fill::vertical(sp(0, 421).y, sp(0, 468).y, {{0, hex(0x120602, 0.35f)}, {0.5f, hex(0x120602, 0.0f)}}),
        Blend::Inside);
    // The hasp that closes over the lock, now pointing up.
    const Shape hasp = poly({{913, 417.4f}, {925, 417.4f}, {925, 427}, {919, 433}, {913, 427}});
    goldPart(c, hasp.grown(-sl(1)).grown(sl(1)), {917, 420}, 9, 1.4f);
    c.paint(box(917.2f, 422.5f, 920.8f, 428.5f, 1.6f).rasterize(w, h), hex(0x2a1406));
    for (Vec2 p : {Vec2{852, 427.5f}, Vec2{983.5f, 427.5f}, Vec2{850, 462}, Vec2{984.5f, 462}})
        rivet(c, p, 1.5f);

    if (damage >= 1) crack(c, {{866, 441}, {873, 444}, {879, 443}, {886, 447}}, 1.3f);
    if (damage >= 2) crack(c, {{931, 428.5f}, {938, 433.5f}, {946, 434.5f}, {955, 439.5f}}, 1.4f);
    if (damage >= 3) crack(c, {{890, 455}, {902, 458}, {916, 456}, {930, 460}, {940, 458}}, 1.6f);
    if (damage >= 4) {
        hole(c,
             {{930, 429},
              {940, 433},
              {948, 433.5f},
              {956, 438},
              {955, 440},
              {946, 437.5f},
              {937, 436.5f},
              {929, 431.5f}},
             kHoleDark);
    }
    if (damage >= 5) {
        hole(c,
             {{962, 427.5f},
              {970, 429.5f},
              {979, 428.5f},
              {980, 436.5f},
              {976, 440.5f},
              {969, 437.5f},
              {964, 439.5f},
              {960, 433.5f}},
             kHoleDark);
        crack(c, {{858, 431.5f}, {864, 436.5f}, {862, 442.5f}, {868, 447}}, 1.2f);
        crack(c, {{958, 441}, {965, 447}, {975, 446}, {981, 452}}, 1.3f);
    }
}

void paintInside(Canvas& c) {
    const int w = c.width(), h = c.height();
    const Shape opening = poly({{kLeft, 489}, {846, 467}, {988, 467}, {965, 489}});
    const Shape backWall = opening & box(849, 460, 995, 495);
    const Shape leftWall = opening & poly({{kLeft, 489}, {849, 464}, {849, 492}, {820, 492}});
    // The back wall: dark boards, lit near the top and sinking into shadow lower down.
    const float seams[] = {466, 475, 484, 492};
    for (int i = 0; i < 3; ++i) {
        WoodLook look = kInsideWood;
        look.seed = 50u + i;
        plank(c, backWall & box(840, seams[i], 995, seams[i + 1]), look, 0.62f - 0.08f * i);
    }
    WoodLook side = kInsideWood;
    side.grainDir = kDepth;
    side.brightness = 0.7f;
    side.seed = 55u;
    plank(c, leftWall, side, 0.4f);
    const Mask in = opening.rasterize(w, h);
    c.paint(in,
            Fill::vertical(sp(0, 467).y, sp(0, 490).y, {{0, hex(0x000000, 0.0f)}, {1, hex(0x050200, 0.8f)}}),
            Blend::Inside);
    // The left wall's top edge, catching the light.
    const Shape rim = poly({{kLeft, 489}, {846, 467}, {849.5f, 467}, {kLeft + 3.5f, 489}});
    WoodLook rimLook = kFrontWood;
    rimLook.grainDir = kDepth;
    rimLook.brightness = 1.15f;
    plank(c, rim, rimLook, 0.62f);
}

// The front face's boards, bands, straps, corner plates and lock.
void paintFrontFace(Canvas& c, int damage) {
    const int w = c.width(), h = c.height();
    const float seams[] = {494, 512, 530, 548};
    for (int i = 0; i < 3; ++i) {
        WoodLook look = kFrontWood;
        look.seed = 60u + i;
        plank(c, box(kLeft, seams[i], kRight, seams[i + 1]), look, 0.52f + 0.05f * (1 - i));
    }
    // Light from the upper left across the whole face.
    c.paint(box(kLeft, 489, kRight, kBottom).rasterize(w, h),
            Fill::linear(sp(kLeft, 489), sp(kRight, kBottom),
                         {{0, hex(0xfff0d8, 0.12f)}, {0.5f, hex(0x000000, 0.0f)}, {1, hex(0x1a0a02, 0.3f)}}),
            Blend::Inside);

    // Damage to the boards comes before the fittings, which stay on top.
    if (damage >= 1) {
        crack(c, {{851, 497}, {857, 501}, {863, 500}, {870, 505}}, 1.4f);
        crack(c, {{915, 533}, {922, 536}, {931, 537}, {937, 544}}, 1.4f);
    }
    if (damage >= 2) {
        crack(c, {{870, 522}, {877, 519}, {886, 524}}, 1.3f);
        hole(c, {{827, 494}, {832, 495}, {834, 498}, {831, 500}, {828, 499}}, kHoleDark);
    }
    if (damage >= 3) {
        hole(c, jagged({923, 501}, 8, 4.2f, 12, 71u), kHoleDark);
        crack(c, {{850, 516}, {858, 519}, {868, 520}, {879, 518}}, 1.5f);
    }
    if (damage >= 4) {
        // A board has lost a length between the lock and the right strap.
        hole(c, tornBoard(906, 936, 512.6f, 529.6f, 81u), kHoleDark);
        crack(c, {{852, 533}, {858, 537}, {868, 535}, {874, 541}}, 1.4f);
    }
    if (damage >= 5) {
        hole(c, tornBoard(913, 931, 529, 544, 83u, true), kHoleDark);
        crack(c, {{828, 535}, {835, 538}, {843, 537}}, 1.3f);
        crack(c, {{953, 497}, {956, 501}, {955, 506}, {960, 511}}, 1.3f);
        crack(c, {{868, 498}, {874, 503}, {880, 502}}, 1.2f);
    }

    // Gold bands along the top and bottom edges.
    goldPart(c, box(kLeft - 0.2f, 488.8f, kRight + 0.5f, 495, 1.0f), {850, 488}, 70, 1.6f);
    goldPart(c, box(kLeft - 0.2f, 547, kRight + 0.5f, kBottom, 1.0f), {850, 547}, 70, 1.6f);
    // Two upright straps, each held by three rivets.
    const float strapX[] = {838, 942};
    for (int i = 0; i < 2; ++i) {
        const float x = strapX[i];
        if (i == 1 && damage >= 5) {
            // The right strap has snapped; its lower half hangs askew.
            goldPart(c,
                     poly({{x, 486.5f},
                           {x + 8, 486.5f},
                           {x + 8, 523},
                           {x + 5.5f, 525},
                           {x + 3, 523.5f},
                           {x, 525.5f}}),
                     {x + 3, 495}, 18, 1.6f);
            goldPart(c,
                     poly({{x + 1.5f, 529},
                           {x + 4, 527.5f},
                           {x + 6.5f, 529.5f},
                           {x + 9.5f, 528.5f},
                           {x + 10.5f, 553},
                           {x + 2.5f, 553}}),
                     {x + 3, 532}, 16, 1.6f);
        } else {
            goldPart(c, box(x, 486.5f, x + 8, kBottom + 0.5f, 0.8f), {x + 2, 495}, 34, 1.6f);
        }
        for (float y : {503.0f, 521.0f, 539.0f}) {
            if (i == 1 && damage >= 3 && y == 521.0f) {
                // A rivet has sprung out and left its hole.
                c.paint(Shape::circle(sp(x + 4, y), sl(1.3f)).rasterize(w, h), hex(0x2a1406, 0.9f));
                continue;
            }
            const float dx = (i == 1 && damage >= 5 && y > 525) ? 1.8f : 0.0f;
            rivet(c, {x + 4 + dx, y}, 1.5f);
        }
    }
    if (damage >= 2) dent(c, {842, 522}, 3.2f, 5.5f);
    if (damage >= 4) dent(c, {946.5f, 540}, 3.0f, 4.5f);
    if (damage >= 5) dent(c, {841, 507}, 2.8f, 4.0f);
    // Corner plates.
    const float l = kLeft - 0.3f;
    for (const auto& corner :
         {std::vector<Vec2>{
              {l, 486.5f}, {l + 10, 486.5f}, {l + 10, 490}, {l + 3.5f, 497}, {l + 3.5f, 500}, {l, 500}},
          std::vector<Vec2>{
              {l, 553.5f}, {l + 10, 553.5f}, {l + 10, 550}, {l + 3.5f, 543}, {l + 3.5f, 540}, {l, 540}}}) {
        goldPart(c, poly(corner), corner[0], 10, 1.3f);
    }
    rivet(c, {l + 2.3f, 491}, 1.1f);
    rivet(c, {l + 2.3f, 549}, 1.1f);

    // The lock plate, a turquoise stone above the keyhole; it works loose as the chest takes blows.
    const float tilt = damage >= 5 ? 11.0f : damage >= 4 ? 5.0f : 0.0f;
    const Vec2 pivot = sp(884, 489);
    const Shape plate =
        poly({{883, 487}, {905, 487}, {905, 506}, {894, 519}, {883, 506}}).grown(-sl(1.2f)).grown(sl(1.2f));
    goldPart(c, plate.rotated(tilt, pivot), {888, 492}, 16, 1.8f);
    const Shape key =
        Shape::circle(sp(894, 503), sl(2.2f)) | poly({{893, 504}, {895, 504}, {896.3f, 511}, {891.7f, 511}});
    c.paint(key.rotated(tilt, pivot).rasterize(w, h, 1.2f), hex(0x1c0b03));
    const Shape gem = Shape::ellipse(sp(894, 494.5f), sl(3.2f), sl(2.6f)).rotated(tilt, pivot);
    Canvas g(w, h);
    const Field gf = gem.field(w, h);
    g.paint(gf.coverage(),
            Fill::radial(sp(892.8f, 493.3f), sl(4.2f),
                         {{0, pal::kTurquoiseLight}, {0.45f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}}));
    bevel(g, gf, Bevel{sl(1.2f), 0.5f, 0.5f, true});
    g.paint(gf.band(0, sl(0.6f)), pal::kOutline.fade(0.9f));
    c.draw(g, 0, 0);
    c.paint(Shape::circle(sp(892.6f, 493.6f), sl(0.8f)).rotated(tilt, pivot).rasterize(w, h, 1.0f),
            hex(0xffffff, 0.85f), Blend::Screen);
    rivet(c, {886, 490.5f}, 1.0f);
    if (damage < 5) rivet(c, {902, 490.5f}, 1.0f);
}

// The right side of the box, turned away from the light.
void paintSideFace(Canvas& c, int damage) {
    const float dx = kDepth.x, dy = kDepth.y;
    auto slab = [&](float y0, float y1) {
        return poly({{kRight, y0}, {kRight + dx, y0 + dy}, {kRight + dx, y1 + dy}, {kRight, y1}});
    };
    const float seams[] = {494, 512, 530, 548};
    for (int i = 0; i < 3; ++i) {
        WoodLook look = kFrontWood;
        look.grainDir = kDepth;
        look.brightness = 0.62f;
        look.seed = 70u + i;
        plank(c, slab(seams[i], seams[i + 1]), look, 0.5f);
    }
    if (damage >= 2) crack(c, {{969, 508}, {974, 505}, {978, 499}, {983, 496}}, 1.2f);
    if (damage >= 5)
        hole(c, {{975, 521}, {980, 516}, {986, 512}, {987.5f, 517}, {984, 523}, {979, 526}}, kHoleDark);
    goldPart(c, slab(488.8f, 495), {970, 485}, 20, 1.4f);
    goldPart(c, slab(547, kBottom), {970, 545}, 20, 1.4f);
    // An iron ring handle on the side.
    const Vec2 m = sp(977, 505);
    const Shape ring = Shape::ellipse(m, sl(3.2f), sl(5.2f)).outline(sl(1.4f));
    goldPart(c, ring, {976, 502}, 6, 0.8f);
    goldPart(c, Shape::circle(sp(977.5f, 499.5f), sl(1.8f)), {977, 499}, 2, 0.8f);
}

// The tops of the front and right walls, in front of whatever lies in the chest.
void paintRims(Canvas& c) {
    WoodLook look = kFrontWood;
    look.brightness = 1.2f;
    plank(c, poly({{kLeft, 489.5f}, {kRight, 489.5f}, {968, 486.2f}, {826, 486.2f}}), look, 0.6f);
    look.grainDir = kDepth;
    look.brightness = 1.05f;
    plank(c, poly({{kRight + 0.5f, 489.5f}, {988.5f, 467}, {985.3f, 467}, {962.3f, 489.5f}}), look, 0.55f);
}

}  // namespace

void paintOpenBack(Canvas& c, int damage, bool castShadow) {
    paintLid(c, damage, castShadow);
    paintInside(c);
}

void paintOpenFront(Canvas& c, int damage) {
    paintRims(c);
    paintSideFace(c, damage);
    paintFrontFace(c, damage);
}

void paintClosed(Canvas& c) {
    const int w = c.width(), h = c.height();
    // The domed lid: its profile is a half ellipse swept along the box from front to back.
    constexpr float kLidFront = 470, kDome = 17;
    auto profile = [&](float t) { return Vec2{kDepth.x * t, kDepth.y * t - kDome * std::sin(kPi * t)}; };
    std::vector<Vec2> outline;
    outline.push_back({kLeft, kTop});
    outline.push_back({kLeft, kLidFront});
    // The highest point of the profile seen from the front.
    float best = 0, bestY = 0;
    for (int i = 0; i <= 48; ++i) {
        const float t = static_cast<float>(i) / 48;
        if (profile(t).y < bestY) {
            bestY = profile(t).y;
            best = t;
        }
    }
    for (int i = 0; i <= 16; ++i) outline.push_back(Vec2{kLeft, kLidFront} + profile(best * i / 16));
    for (int i = 16; i >= 0; --i)
        outline.push_back(Vec2{kRight, kLidFront} + profile(best + (1 - best) * (16 - i) / 16));
    outline.push_back({kRight + kDepth.x, kTop + kDepth.y});
    outline.push_back({kRight, kTop});
    const Shape whole = poly(outline) |
                        poly({{kLeft, kTop}, {kRight, kTop}, {kRight, kBottom}, {kLeft, kBottom}}) |
                        poly({{kRight, kTop},
                              {kRight + kDepth.x, kTop + kDepth.y},
                              {kRight + kDepth.x, kBottom + kDepth.y},
                              {kRight, kBottom}});
    dropShadow(c, whole.rasterize(w, h), {sl(1.5f), sl(1.5f)}, sl(2.0f), hex(0x1a0d05, 0.45f));

    paintOpenFront(c, 0);
    // The lid: the curved top in wood, its right end, then the gold bands that follow the curve.
    std::vector<Vec2> lidTop;
    for (int i = 0; i <= 24; ++i) lidTop.push_back(Vec2{kLeft, kLidFront} + profile(best * i / 24));
    for (int i = 24; i >= 0; --i) lidTop.push_back(Vec2{kRight, kLidFront} + profile(best * i / 24));
    WoodLook look = kFrontWood;
    look.brightness = 1.08f;
    look.seed = 80u;
    const Shape surface =
        poly(lidTop) | poly({{kLeft, kLidFront}, {kRight, kLidFront}, {kRight, kTop}, {kLeft, kTop}});
    plank(c, surface, look, 0.55f);
    std::vector<Vec2> endCap;
    for (int i = 0; i <= 24; ++i)
        endCap.push_back(Vec2{kRight, kLidFront} + profile(static_cast<float>(i) / 24));
    endCap.push_back({kRight + kDepth.x, kTop + kDepth.y});
    endCap.push_back({kRight, kTop});
    look.grainDir = kDepth;
    look.brightness = 0.66f;
    plank(c, poly(endCap), look, 0.5f);
    // The lid's lower edge band and the two straps over the dome.
    goldPart(c, box(kLeft - 0.2f, kTop - 3.5f, kRight + 0.5f, kTop + 2.5f, 1.0f), {850, 486}, 70, 1.5f);
    for (float x : {838.0f, 942.0f}) {
        std::vector<Vec2> strap;
        for (int i = 0; i <= 16; ++i) strap.push_back(Vec2{x, kLidFront} + profile(best * i / 16));
        for (int i = 16; i >= 0; --i) strap.push_back(Vec2{x + 8, kLidFront} + profile(best * i / 16));
        strap.push_back({x + 8, kTop});
        strap.push_back({x, kTop});
        goldPart(c, poly(strap), {x + 2, 460}, 18, 1.6f);
        rivet(c, {x + 4, 478}, 1.5f);
    }
    // The hasp hangs down over the lock plate.
    goldPart(c, box(889.5f, 478, 898.5f, 491, 3.5f), {892, 480}, 8, 1.4f);
    c.paint(box(892.6f, 483, 895.4f, 488, 1.3f).rasterize(w, h), hex(0x2a1406));
}

}  // namespace gen::chest

// The award medals: one shape and emblem per family of awards, struck in bronze, silver or gold, each
// hanging from a turquoise and terracotta ribbon.
#include <string>

#include "Entries.h"
#include "awards_art.h"
#include "maingame_hud_art.h"
#include "maingame_hud_icons.h"
#include "maingame_hud_items.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Mask.h"
#include "paint/Path.h"
#include "paint/Style.h"

namespace gen::award {

Fill metalFill(const Metal& metal, Vec2 m, float r) {
    return Fill::radial(m + Vec2{-r * 0.45f, -r * 0.5f}, r * 1.7f,
                        {{0, metal.pale}, {0.3f, metal.light}, {0.65f, metal.mid}, {1, metal.deep}});
}

void metalPart(Canvas& c, const Shape& s, const Metal& metal, Vec2 m, float r, float k, bool shadow) {
    Style st;
    st.fill = metalFill(metal, m, r);
    st.outline = 1.1f * k;
    st.outlineFill = metal.outline.fade(0.95f);
    st.bevel = Bevel{2.2f * k, 0.65f, 0.5f, true};
    if (shadow) st.shadow = Shadow{Vec2{1.0f, 1.4f} * k, 1.4f * k, hex(0x1a0d05, 0.55f)};
    hud::styled(c, s, st, 4.0f * k);
}

void enamel(Canvas& c, const Shape& s, const Fill& fill, float k) {
    hud::Layer l(c, s.bounds().expanded(2 * k));
    const Field f = l.field(s);
    Canvas& lc = l.canvas();
    lc.paint(f.coverage(), l.local(fill));
    innerShadow(lc, f, 1.8f * k, 1.6f * k, hex(0x0a0302, 0.7f));
    innerGlow(lc, f, hex(0xfff2c8, 0.18f), 1.2f * k);
    lc.paint(f.band(-0.3f * k, 0.5f * k), hex(0x1a0d05, 0.75f));
    l.put(c);
}

void gem(Canvas& c, Vec2 m, float r, Color light, Color mid, Color deep, float k) {
    hud::part(c, Shape::circle(m, r),
              Fill::radial(m + Vec2{-r * 0.35f, -r * 0.4f}, r * 1.4f, {{0, light}, {0.5f, mid}, {1, deep}}),
              0.9f * k, r * 0.5f, 0.55f, 0.45f, hex(0x2a1206));
    c.paint(Shape::ellipse(m + Vec2{-r * 0.35f, -r * 0.4f}, r * 0.32f, r * 0.22f), hex(0xffffff, 0.9f),
            Blend::Screen);
}

namespace {

constexpr int kSize = 96;
constexpr float kK = 2.0f;            // painted at twice the size and halved, for clean small details
constexpr Vec2 kCentre{48, 57};       // the medal's middle; the ribbon hangs above it
inline Vec2 at(float dx, float dy) {  // a point dx, dy off the medal's middle on the big canvas
    return (kCentre + Vec2{dx, dy}) * kK;
}

// The ribbon the medal hangs from: turquoise with a terracotta stripe, gathered under a metal clasp.
void ribbon(Canvas& c, const Metal& metal) {
    const float mid = kCentre.x * kK;
    const Fill stripes([mid](float x, float y) {
        const float d = std::abs(x - mid) / kK;
        Color col = d < 3.6f ? pal::kTerracotta : d < 5.0f ? pal::kSandLight : pal::kTurquoise;
        if (d > 11.5f) col = pal::kTurquoiseDeep;
        // Shaded where it folds in behind the medal.
        return darker(col, clamp01((y / kK - 12.0f) / 40.0f) * 0.45f);
    });
    const Shape band = Shape::polygon({at(-16, -50), at(16, -50), at(10, -22), at(-10, -22)});
    hud::part(c, band, stripes, 1.0f * kK, 1.2f * kK, 0.4f, 0.35f);
    c.paint(Shape::line(at(-4, -46), at(-3, -24), 0.8f * kK), hex(0xffffff, 0.25f), Blend::Inside);
    const Shape clasp = Shape::rect(at(-19, -54).x, at(0, -54).y, 38 * kK, 6 * kK, 3 * kK);
    metalPart(c, clasp, metal, at(0, -51), 19 * kK, kK);
}

// The families' bodies and fields, all round the medal's middle.
Shape roundBody(float r) {
    return Shape::circle(at(0, 0), r * kK);
}
Shape starBody(int points, float outer, float inner) {
    return Shape::star(at(0, 0), points, outer * kK, inner * kK).grown(1.5f * kK);
}
Shape scallopBody() {
    Shape s = roundBody(29);
    for (int i = 0; i < 16; ++i) s = s | Shape::circle(polar(at(0, 0), 29 * kK, i * 22.5f), 4.2f * kK);
    return s;
}
Shape shieldBody(float inset) {
    Path p;
    p.moveTo(at(0, -31 + inset))
        .lineTo(at(-28 + inset, -33 + inset))
        .lineTo(at(-28 + inset, 0))
        .quadTo(at(-26 + inset, 22 - inset * 0.5f), at(0, 36 - inset * 1.4f))
        .mirrorX(at(0, 0).x);
    return Shape::polygon(p.points());
}
Shape compassBody() {
    return roundBody(26) | Shape::star(at(0, 0), 4, 37 * kK, 8 * kK) |
           Shape::star(at(0, 0), 4, 31 * kK, 8 * kK, 45.0f);
}

Fill enamelFill(Color light, Color deep, float r) {
    return Fill::radial(at(-r * 0.4f, -r * 0.5f), r * 1.8f * kK, {{0, light}, {1, deep}});
}
Fill lapisEnamel(float r) {
    return enamelFill(pal::kBlue, pal::kBlueNight, r);
}

// A thin engraved line following a shape's edge, inside the metal.
void engrave(Canvas& c, const Shape& s, const Metal& metal) {
    c.paint(s.outline(0.7f * kK), metal.dark.fade(0.55f), Blend::Inside);
    c.paint(s.grown(-0.8f * kK).outline(0.5f * kK), metal.pale.fade(0.5f), Blend::Inside);
}

const Metal& tierMetal(int tier) {
    return tier == 1 ? kBronze : tier == 2 ? kSilver : kGold;
}

// The six gem colours of the medal for owning every power-up.
constexpr Color kGems[6][3] = {
    {hex(0xb8fff4), hex(0x2cc3b5), hex(0x0b5a55)}, {hex(0xffb0a0), hex(0xd0301e), hex(0x5e0d08)},
    {hex(0xb9f5a8), hex(0x34a852), hex(0x0e4a22)}, {hex(0xaecbff), hex(0x3a66d0), hex(0x13235e)},
    {hex(0xfff0a8), hex(0xf0a020), hex(0x7a4006)}, {hex(0xf0c0ff), hex(0x9a4ad0), hex(0x3c1060)},
};

// Each award's family (its shape and emblem) and tier (1 bronze, 2 silver, 3 gold), by id.
struct Kind {
    int family, tier;
};
constexpr Kind kAwards[22] = {{0, 1}, {0, 2}, {0, 3}, {1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2},
                              {2, 3}, {3, 3}, {4, 3}, {5, 1}, {5, 2}, {5, 3}, {6, 1}, {6, 2},
                              {6, 3}, {7, 3}, {7, 3}, {7, 3}, {7, 3}, {7, 3}};

}  // namespace

Canvas medal(int id) {
    const auto [family, tier] = kAwards[id - 1];
    const Metal& metal = tierMetal(tier);
    Canvas big(kSize * static_cast<int>(kK), kSize * static_cast<int>(kK));
    ribbon(big, metal);
    const Vec2 m = at(0, 0);
    switch (family) {
        case 0: {  // levels won without a mistake: a wreathed disc with a flawless gem
            laurel(big, m, 29, metal, kK);
            metalPart(big, roundBody(25), metal, m, 25 * kK, kK);
            enamel(big, roundBody(19.5f), lapisEnamel(19.5f), kK);
            flawlessGem(big, m, kK);
            break;
        }
        case 1: {  // total score: a star with a heap of coins
            metalPart(big, starBody(5, 35, 20), metal, m, 35 * kK, kK);
            engrave(big, starBody(5, 31, 17.5f), metal);
            enamel(big, roundBody(16), enamelFill(pal::kTerracotta, pal::kTerracottaDeep, 16), kK);
            coinHeap(big, at(0, 1), kK);
            break;
        }
        case 2: {  // playing a level again: a scalloped disc, an arrow round a picture grid
            metalPart(big, scallopBody(), metal, m, 33 * kK, kK);
            enamel(big, roundBody(24), lapisEnamel(24), kK);
            replayGrid(big, m, metal, kK);
            break;
        }
        case 3: {  // every power-up owned: a six-pointed star set with six gems
            metalPart(big, starBody(6, 36, 22), metal, m, 36 * kK, kK);
            engrave(big, starBody(6, 32, 19.5f), metal);
            enamel(big, roundBody(15), lapisEnamel(15), kK);
            metalPart(big, Shape::star(m, 8, 11 * kK, 6 * kK), metal, m, 11 * kK, kK);
            gem(big, m, 5 * kK, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep, kK);
            for (int i = 0; i < 6; ++i)
                gem(big, polar(m, 27 * kK, -90.0f + 60.0f * i), 4.2f * kK, kGems[i][0], kGems[i][1],
                    kGems[i][2], kK);
            break;
        }
        case 4: {  // hints used: an oval with the scarab of the hint slots
            const Shape oval = Shape::ellipse(m, 28 * kK, 33 * kK);
            metalPart(big, oval, metal, m, 33 * kK, kK);
            engrave(big, Shape::ellipse(m, 25 * kK, 30 * kK), metal);
            enamel(big, Shape::ellipse(m, 22 * kK, 27 * kK),
                   enamelFill(pal::kTerracotta, pal::kTerracottaDeep, 27), kK);
            break;
        }
        case 5: {  // a level won with a nearly burst chest: a shield with a cracked chest
            metalPart(big, shieldBody(0), metal, m, 34 * kK, kK);
            enamel(big, shieldBody(5), enamelFill(pal::kTurquoise, hex(0x0a4a46), 26), kK);
            crackedChest(big, at(0, -1), kK);
            break;
        }
        case 6: {  // stages reached: a compass rose
            metalPart(big, compassBody(), metal, m, 34 * kK, kK);
            engrave(big, roundBody(23.5f), metal);
            compassRose(big, m, kK);
            break;
        }
        default: {  // one power-up: a beaded gold disc with its emblem
            metalPart(big, roundBody(33), metal, m, 33 * kK, kK);
            for (int i = 0; i < 28; ++i) {
                const Vec2 p = polar(m, 29.6f * kK, i * 360.0f / 28);
                metalPart(big, Shape::circle(p, 1.9f * kK), metal, p, 2 * kK, kK * 0.6f, false);
            }
            enamel(big, roundBody(25.5f), lapisEnamel(25.5f), kK);
            break;
        }
    }
    Canvas c = big.downsampled(static_cast<int>(kK));
    // Emblems borrowed from the game's own pictures are drawn at their size over the halved medal.
    const Vec2 mid = kCentre;
    if (family == 4) {
        const Canvas beetle = hud::resampled(items::scarab(0.0f), 37, 43);
        c.draw(beetle, static_cast<int>(mid.x) - 18, static_cast<int>(mid.y) - 22);
    } else if (family == 7) {
        using Icon = void (*)(Canvas&, Vec2);
        constexpr Icon kIcons[] = {icons::skull, icons::sword, icons::medallion, icons::eye, icons::map};
        kIcons[id - 18](c, mid);
    }
    return hud::shadowed(c, {1.0f, 1.5f}, 1.5f, 0.45f);
}

}  // namespace gen::award

namespace gen {

void genAwardArt(const Context& ctx) {
    for (int id = 1; id <= 22; ++id)
        paint::writePng(award::medal(id), ctx.out("gfx/gui/awards/award-" + std::to_string(id) + ".png"));
    paint::writeJpeg(award::hallBack(), ctx.out("gfx/gui/awardScreen/back.jpg"));
    paint::writePng(award::buttonFrame(), ctx.out("gfx/gui/awardScreen/buttonFrame.png"));
    paint::writePng(award::giveAwardPanel(), ctx.out("gfx/gui/giveAward/panel.png"));
    paint::writePng(award::showAwardPanel(), ctx.out("gfx/gui/showAward/panel.png"));
    paint::writeJpeg(award::scoresBack(), ctx.out("gfx/gui/highscores/back.jpg"));
}

}  // namespace gen

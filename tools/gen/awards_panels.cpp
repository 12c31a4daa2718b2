// The panels that hand out a new award and show an earned one: the game's framed dark panel with a lit
// round recess for the medal.
#include <cmath>

#include "awards_art.h"
#include "maingame_hud_art.h"
#include "paint/Mask.h"
#include "panels_art.h"
#include "panels_border.h"

namespace gen::award {

namespace {

// The framed panel w × h, its studs spread evenly from its middle.
Canvas framed(int w, int h) {
    return borderedPanel({w, h, 13, 13, {w / 2.0f, h / 2.0f}});
}

// The medal's place: soft rays and a glow on the panel round it, and a sunken round bed lit from within.
void medalBed(Canvas& c, Vec2 m, float r, float rays) {
    if (rays > 0) {
        Mask beams(c.width(), c.height());
        for (int i = 0; i < 16; ++i) {
            const float a = i * 22.5f + 11.25f;
            Shape::polygon({m, polar(m, rays, a - 5.0f), polar(m, rays, a + 5.0f)}).drawInto(beams);
        }
        beams.blur(4.0f);
        c.paint(beams,
                Fill::radial(m, rays,
                             {{0, hex(0xffd866, 0.3f)}, {0.6f, hex(0xffb040, 0.1f)}, {1, hex(0xffb040, 0)}}),
                Blend::Screen);
    }
    c.paint(Shape::circle(m, r * 1.9f),
            Fill::radial(m, r * 1.9f,
                         {{0, hex(0xffc060, 0.35f)}, {0.55f, hex(0xffa040, 0.12f)}, {1, hex(0xffa040, 0)}}),
            Blend::Screen);
    recess(c, Shape::circle(m, r),
           Fill::radial(
               m + Vec2{0, -r * 0.15f}, r,
               {{0, hex(0xa86a30)}, {0.35f, hex(0x6a3a1a)}, {0.75f, hex(0x34160c)}, {1, hex(0x1d0b08)}}),
           5.0f);
    // A ring of gold beads round the lip.
    for (int i = 0; i < 24; ++i) {
        const Vec2 p = polar(m, r + 9.0f, i * 15.0f);
        gem(c, p, 1.6f, pal::kGoldPale, pal::kGold, pal::kGoldDeep, 1.0f);
    }
}

}  // namespace

// "gfx/gui/giveAward/panel.png", 340 × 480, centred at (400, 384): the game writes "Congratulations!" 190 px
// above the middle, the message 150 px above and the award's name 120 px above, draws the medal in the
// middle and sets the button 176 px below it.
Canvas giveAwardPanel() {
    constexpr int kW = 340, kH = 480;
    Canvas c = framed(kW, kH);
    const Vec2 m{kW / 2.0f, kH / 2.0f};
    medalBed(c, m, 58, 128);
    headingFlourish(c, m.x, m.y + 100, 16, 70);
    hud::styled(c, Shape::star({m.x, m.y + 100}, 4, 5.0f, 2.0f), hud::goldTrim(m.y + 95, m.y + 105, 0.9f),
                4.0f);
    return c;
}

// "gfx/gui/showAward/panel.png", 360 × 500, centred at (512, 384): the medal 40 px above the middle, its name
// 120 px above, a description of up to five lines in the sunken field from 40 px below the middle, and the
// button 190 px below.
Canvas showAwardPanel() {
    constexpr int kW = 360, kH = 500;
    Canvas c = framed(kW, kH);
    const Vec2 m{kW / 2.0f, kH / 2.0f - 40};
    medalBed(c, m, 56, 96);
    recess(c, Shape::rect(42, kH / 2.0f + 30, kW - 84, 126, 10),
           Fill::vertical(kH / 2.0f + 30, kH / 2.0f + 156,
                          {{0, hex(0x120605)}, {0.7f, hex(0x1d0b08)}, {1, hex(0x2a110c)}}),
           4.0f);
    return c;
}

}  // namespace gen::award

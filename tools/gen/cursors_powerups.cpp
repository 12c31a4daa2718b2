// The power-up cursors: the eye, the skull and the treasure map, each at five sizes centred on its hot spot.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "CursorArt.h"
#include "paint/ImageIO.h"

namespace gen {

using namespace paint;
using namespace cursor;

namespace {

// One size of a power-up cursor: the file and the hot spot, which is the middle of the picture.
struct Size {
    const char* file;
    int hx, hy;
    int w() const { return 2 * hx; }
    int h() const { return 2 * hy; }
    Vec2 centre() const { return {static_cast<float>(hx), static_cast<float>(hy)}; }
};

// The eye: an almond of gold lids around a turquoise iris, in a faint turquoise glow.
void eye(const Context& ctx, const Size& s) {
    Canvas c(s.w(), s.h());
    const Vec2 m = s.centre();
    const float room = std::min<float>(s.w(), s.h() * 1.45f);
    const float ol = room >= 30 ? 1.5f : 1.0f;  // the outline around the lids
    const float ew = room - 2 * ol - 1.0f;      // almond width
    const float eh = ew * 0.6f;
    // The almond is where two circles overlap.
    const float r = (ew * ew / 4 + eh * eh / 4) / eh;
    const Shape almond =
        Shape::circle(m + Vec2{0, r - eh / 2}, r) & Shape::circle(m - Vec2{0, r - eh / 2}, r);
    Mask glow = almond.rasterize(s.w(), s.h());
    glow.blur(std::max(1.0f, ew / 12));
    c.paint(glow, pal::kTurquoiseLight.fade(0.8f));
    part(c, almond,
         Fill::vertical(m.y - eh / 2, m.y + eh / 2,
                        {{0, hex(0xd9cfc0)}, {0.4f, hex(0xfffaf0)}, {1, hex(0xe8dcc8)}}),
         ol, 0);
    // Iris, pupil and the glint, kept inside the lids.
    Canvas inner(s.w(), s.h());
    const float ir = eh * 0.46f;
    inner.paint(Shape::circle(m, ir),
                Fill::radial(m + Vec2{-ir * 0.3f, -ir * 0.3f}, ir * 1.2f,
                             {{0, pal::kTurquoiseLight}, {0.5f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}}));
    inner.paint(Shape::circle(m, ir).outline(std::max(0.8f, ir * 0.18f)), pal::kBlueDeep.fade(0.8f));
    inner.paint(Shape::circle(m, ir * 0.45f), pal::kBlueNight);
    inner.paint(Shape::circle(m + Vec2{-ir * 0.38f, -ir * 0.4f}, std::max(0.7f, ir * 0.22f)),
                hex(0xffffff, 0.95f));
    inner.clip(almond.rasterize(s.w(), s.h()));
    c.draw(inner, 0, 0);
    // The upper lid: a heavier gold line.
    const Shape upper = almond.outline(std::max(1.2f, ew / 14)) & Shape::rect(0, 0, s.w(), m.y - eh * 0.1f);
    part(c, upper, Fill::vertical(m.y - eh / 2 - 2, m.y, {{0, pal::kGoldLight}, {1, pal::kGoldDeep}}), 0.8f,
         0);
    // Two gold sparkles in the room above and below the eye, where there is room for them.
    const float spare = (s.h() - eh) / 2;
    if (spare >= 5) {
        const float outer = std::min(spare - 1.5f, ew * 0.14f);
        for (float dir : {1.0f, -1.0f}) {
            const Vec2 p = m + Vec2{dir * ew * 0.34f, -dir * (eh / 2 + spare * 0.45f)};
            part(c, Shape::star(p, 4, outer, outer * 0.32f),
                 Fill::radial(p, outer, {{0, pal::kGoldPale}, {1, pal::kGold}}), 0.8f, 0);
        }
    }
    writePng(c, ctx.out(std::string("gfx/gui/mouse/") + s.file));
}

// The skull, crossed bones behind it where the picture is wider than the skull.
void skull(const Context& ctx, const Size& s) {
    Canvas c(s.w(), s.h());
    const Vec2 m = s.centre();
    const float sh =
        std::min<float>(s.h() - (s.h() >= 20 ? 4.0f : 2.5f), s.w() / 0.86f - 3.0f);  // skull height
    const float sw = sh * 0.86f;
    const Fill bone = Fill::linear(m + Vec2{-sw / 2, -sh / 2}, m + Vec2{sw / 2, sh / 2},
                                   {{0, hex(0xfff6dc)}, {0.5f, pal::kSandLight}, {1, pal::kSandDark}});
    if (s.w() - sw >= 6 && sh >= 14) {
        const float kr = std::max(1.2f, sh * 0.07f);
        const float bx = s.w() / 2.0f - 2.2f * kr - 1.0f,
                    by = std::min(sh * 0.4f, s.h() / 2.0f - 2.2f * kr - 1.0f);
        for (float dir : {1.0f, -1.0f}) {
            const Vec2 a = m + Vec2{-bx, -by * dir}, b = m + Vec2{bx, by * dir};
            const Vec2 n = normalize(Vec2{-(b - a).y, (b - a).x}) * kr * 0.8f;
            Shape bones = Shape::line(a, b, kr * 1.3f);
            for (Vec2 e : {a, b}) bones = bones | Shape::circle(e + n, kr) | Shape::circle(e - n, kr);
            part(c, bones, bone, 1.0f, 1.2f);
        }
    }
    // Cranium and jaw melted into one head.
    const Vec2 top = m + Vec2{0, -sh * 0.1f};
    const Shape head =
        Shape::ellipse(top, sw / 2, sh * 0.4f)
            .blend(Shape::rect(m.x - sw * 0.3f, m.y + sh * 0.05f, sw * 0.6f, sh * 0.45f, sw * 0.12f),
                   sh * 0.12f);
    part(c, head, bone, 1.0f, std::max(1.0f, sh / 10));
    // Sockets, nose and teeth.
    const float er = sw * 0.15f;
    for (float dx : {-1.0f, 1.0f}) {
        const Vec2 e = m + Vec2{dx * sw * 0.2f, -sh * 0.02f};
        c.paint(Shape::ellipse(e, er, er * 1.1f), pal::kOutline);
        if (sh >= 14)
            c.paint(Shape::circle(e + Vec2{-er * 0.25f, -er * 0.25f}, er * 0.35f),
                    pal::kTerracotta.fade(0.9f));
    }
    const Vec2 nose = m + Vec2{0, sh * 0.16f};
    c.paint(Shape::polygon({nose + Vec2{0, -sh * 0.06f}, nose + Vec2{sw * 0.07f, sh * 0.05f},
                            nose + Vec2{-sw * 0.07f, sh * 0.05f}}),
            pal::kOutline);
    if (sh >= 12) {
        const float ty = m.y + sh * 0.34f;
        ink(c, {{m.x - sw * 0.2f, ty}, {m.x + sw * 0.2f, ty}}, 0.8f, pal::kOutline.fade(0.8f));
        for (float dx : {-0.1f, 0.0f, 0.1f})
            ink(c, {{m.x + dx * sw, ty - sh * 0.06f}, {m.x + dx * sw, ty + sh * 0.06f}}, 0.7f,
                pal::kOutline.fade(0.7f));
    }
    writePng(shadowed(c, 0.35f), ctx.out(std::string("gfx/gui/mouse/") + s.file));
}

// A small treasure map: parchment between two rolls, a dotted trail and a red cross on the hot spot.
void map(const Context& ctx, const Size& s) {
    Canvas c(s.w(), s.h());
    const Vec2 m = s.centre();
    const float W = s.w(), H = s.h();
    const float roll = W >= 16 ? std::round(W * 0.16f) : 2.0f;
    const float sheetH = std::min(H - 2.0f, std::round(W * 0.6f));
    const float rollH = std::min(H - 0.5f, sheetH + (W >= 16 ? 3.0f : 1.0f));
    const float left = 0.5f + roll * 0.5f, right = W - 0.5f - roll * 0.5f;
    // The sheet, its long edges dipping a little between the rolls.
    const float sag = W >= 16 ? 0.8f : 0.0f;
    const Shape sheet =
        Shape::rect(left, m.y - sheetH / 2, right - left, sheetH) -
        Shape::ellipse({m.x, m.y - sheetH / 2 - W * 0.5f + sag}, (right - left) * 0.55f, W * 0.5f) -
        Shape::ellipse({m.x, m.y + sheetH / 2 + W * 0.5f - sag}, (right - left) * 0.55f, W * 0.5f);
    part(c, sheet,
         Fill::radial(m + Vec2{-W * 0.1f, -H * 0.1f}, W * 0.55f,
                      {{0, hex(0xfdf1d4)}, {0.6f, pal::kSandLight}, {1, pal::kSand}}),
         1.0f, W >= 16 ? 1.5f : 0.0f, 0.3f, 0.35f);
    if (W >= 16) {
        // A turquoise bay in the lower corner.
        Canvas inside(s.w(), s.h());
        inside.paint(Shape::ellipse(m + Vec2{W * 0.26f, sheetH * 0.42f}, W * 0.2f, sheetH * 0.28f),
                     pal::kTurquoise.fade(0.75f));
        inside.clip(sheet.rasterize(s.w(), s.h()));
        c.draw(inside, 0, 0);
    }
    if (W >= 20) {
        // The trail: a dotted line winding from the left edge to the cross.
        const Pixel trail = premultiply(pal::kBronze);
        const Vec2 from{left + roll / 2 + 2.5f, m.y - sheetH * 0.22f}, to{m.x - 2.5f, m.y - 0.5f};
        std::pair<int, int> last{-1, -1};
        bool on = true;
        for (int i = 0; i <= 40; ++i) {
            const float t = i / 40.0f;
            const Vec2 p = lerp(from, to, t) + Vec2{0, std::sin(t * kPi) * sheetH * 0.22f};
            const std::pair<int, int> px{static_cast<int>(p.x), static_cast<int>(p.y)};
            if (px == last) continue;
            if (on) c.at(px.first, px.second) = trail;
            on = !on;
            last = px;
        }
    }
    // The cross, set pixel by pixel on the hot spot so it stays sharp at every size; the bigger crosses
    // get a darker pixel under each stroke.
    const int arm = W >= 24 ? 3 : (W >= 16 ? 2 : 1);
    const Pixel red = premultiply(hex(0xd0301e)), deep = premultiply(hex(0x6e1a10));
    std::vector<std::pair<int, int>> xs;
    for (int i = -arm; i <= arm; ++i) {
        xs.push_back({s.hx + i, s.hy + i});
        xs.push_back({s.hx + i, s.hy - i});
    }
    if (W >= 16)
        for (auto [x, y] : xs)
            if (y + 1 < s.h()) c.at(x, y + 1) = deep;
    for (auto [x, y] : xs) c.at(x, y) = red;
    // The rolls at both ends.
    for (float x : {left, right}) {
        const Shape r = Shape::rect(x - roll / 2, m.y - rollH / 2, roll, rollH, std::min(roll / 2, 1.5f));
        part(c, r,
             Fill::linear({x - roll / 2, 0}, {x + roll / 2, 0},
                          {{0, hex(0xfff4da)}, {0.45f, pal::kSand}, {1, hex(0x9c6a38)}}),
             1.0f, 0);
    }
    writePng(c, ctx.out(std::string("gfx/gui/mouse/") + s.file));
}

}  // namespace

void genPowerUpCursors(const Context& ctx) {
    for (const Size& s : {Size{"oko.png", 18, 17}, Size{"oko-1.png", 11, 11}, Size{"oko-2.png", 9, 8},
                          Size{"oko-3.png", 8, 8}, Size{"oko-4.png", 6, 7}})
        eye(ctx, s);
    for (const Size& s :
         {Size{"czaszka.png", 21, 17}, Size{"czaszka-1.png", 16, 15}, Size{"czaszka-2.png", 13, 11},
          Size{"czaszka-3.png", 9, 10}, Size{"czaszka-4.png", 8, 6}})
        skull(ctx, s);
    for (const Size& s : {Size{"mapa.png", 13, 13}, Size{"mapa-1.png", 10, 9}, Size{"mapa-2.png", 8, 8},
                          Size{"mapa-3.png", 6, 4}, Size{"mapa-4.png", 5, 4}})
        map(ctx, s);
}

}  // namespace gen

// The route maps: from the Nile's delta (100, 562) to Babylon between the two rivers (404, 298), and from
// Persia (600, 530) over the passes to a monastery among the Himalaya's peaks (870, 260); and the route's
// markers: its dots, the start ring, the red cross and an ink arrow.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "SystemFonts.h"
#include "map_art.h"
#include "paint/Effects.h"
#include "paint/Path.h"
#include "paint/Text.h"
#include "story_scenes_art.h"

namespace gen::story {

namespace {

Shape smooth(const std::vector<Vec2>& pts) {
    Path p;
    p.moveTo(pts.front()).smoothThrough({pts.begin() + 1, pts.end()});
    return Shape::polygon(p.points());
}

// Two small pyramids on the desert's edge, `k` times their usual size.
void pyramids(Canvas& c, Vec2 foot, float k) {
    for (auto [dx, h, w] : {std::tuple{0.0f, 30.0f, 24.0f}, std::tuple{30.0f, 42.0f, 34.0f}}) {
        const Vec2 b = foot + Vec2{dx * k, 0};
        h *= k;
        w *= k;
        const Shape body = Shape::polygon({b + Vec2{-w, 0}, b + Vec2{0, -h}, b + Vec2{w, 0}});
        c.paint(body.grown(1.1f), kInk.fade(0.9f));
        c.paint(body, Fill::vertical(b.y - h, b.y, {{0, hex(0x9a6a58)}, {1, hex(0x7a4a40)}}));
        c.paint(Shape::polygon({b + Vec2{-w, 0}, b + Vec2{0, -h}, b + Vec2{w * 0.15f, 0}}),
                Fill::vertical(b.y - h, b.y, {{0, hex(0xffe2a4)}, {1, hex(0xe3a860)}}));
        c.paint(Shape::regular(b + Vec2{0, -h + 4}, 3, 4), pal::kGoldLight);
    }
}

// A stepped ziggurat with a stair up its front and a shrine on top.
void ziggurat(Canvas& c, Vec2 foot, float w) {
    for (int i = 0; i < 4; ++i) {
        const float tw = w * (1 - 0.22f * i), th = w * 0.16f, y = foot.y - th * (i + 1);
        const Shape step = Shape::rect(foot.x - tw / 2, y, tw, th);
        c.paint(step.grown(1.0f), kInk.fade(0.9f));
        c.paint(step, Fill::linear({foot.x - tw / 2, y}, {foot.x + tw / 2, y + th},
                                   {{0, hex(0xf6d49a)}, {0.6f, hex(0xd8a066)}, {1, hex(0xa86a44)}}));
    }
    c.paint(Shape::polygon({foot + Vec2{-w * 0.08f, 0}, foot + Vec2{-w * 0.04f, -w * 0.5f},
                            foot + Vec2{w * 0.04f, -w * 0.5f}, foot + Vec2{w * 0.08f, 0}}),
            hex(0x8a5030, 0.7f));
    const Shape shrine = Shape::rect(foot.x - w * 0.1f, foot.y - w * 0.78f, w * 0.2f, w * 0.14f);
    c.paint(shrine.grown(1.0f), kInk.fade(0.9f));
    c.paint(shrine, pal::kTurquoise);
}

// A walled city under turquoise domes.
void domedCity(Canvas& c, Vec2 foot) {
    const Fill stone = Fill::linear(foot + Vec2{-30, -40}, foot + Vec2{30, 0},
                                    {{0, hex(0xfff4dc)}, {0.6f, hex(0xead3a8)}, {1, hex(0xc8a070)}});
    for (auto [x, hw, hh, dome] :
         {std::tuple{-14.0f, 9.0f, 16.0f, 7.0f}, std::tuple{4.0f, 12.0f, 22.0f, 10.0f},
          std::tuple{22.0f, 8.0f, 13.0f, 6.0f}}) {
        const Vec2 b = foot + Vec2{x, -8};
        const Shape house = Shape::rect(b.x - hw, b.y - hh, 2 * hw, hh);
        const Shape d = Shape::ellipse({b.x, b.y - hh}, dome, dome * 1.05f) &
                        Shape::rect(b.x - 20, b.y - hh - 20, 40, 20);
        c.paint((house | d).grown(1.0f), kInk.fade(0.9f));
        c.paint(house, stone);
        c.paint(d,
                Fill::radial({b.x - dome * 0.4f, b.y - hh - dome * 0.7f}, dome * 1.6f,
                             {{0, pal::kTurquoiseLight}, {0.5f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}}));
    }
    const Shape wall = Shape::rect(foot.x - 30, foot.y - 10, 60, 10, 1);
    c.paint(wall.grown(1.0f), kInk.fade(0.9f));
    c.paint(wall, stone);
    c.paint(Shape::rect(foot.x - 3, foot.y - 7, 6, 7, 3), hex(0x4a2a14, 0.8f));
}

// A white monastery with a red upper storey and a gilded roof, on a ledge.
void monastery(Canvas& c, Vec2 foot) {
    const Fill white = Fill::linear(foot + Vec2{-30, -40}, foot + Vec2{30, 0},
                                    {{0, hex(0xfffaf0)}, {0.6f, hex(0xeee2cc)}, {1, hex(0xc0a888)}});
    const Shape low = Shape::polygon(
        {foot + Vec2{-28, 0}, foot + Vec2{-26, -16}, foot + Vec2{26, -16}, foot + Vec2{28, 0}});
    const Shape mid = Shape::polygon(
        {foot + Vec2{-18, -15}, foot + Vec2{-16, -30}, foot + Vec2{16, -30}, foot + Vec2{18, -15}});
    const Shape red = Shape::rect(foot.x - 14, foot.y - 38, 28, 9);
    const Shape roof = Shape::polygon({foot + Vec2{-18, -37}, foot + Vec2{0, -47}, foot + Vec2{18, -37}});
    for (const Shape& s : {low, mid, red, roof}) c.paint(s.grown(1.0f), kInk.fade(0.9f));
    c.paint(low, white);
    c.paint(mid, white);
    c.paint(red, Fill::vertical(foot.y - 38, foot.y - 29, {{0, hex(0xb04a34)}, {1, hex(0x7a2a20)}}));
    c.paint(roof, Fill::vertical(foot.y - 47, foot.y - 37, {{0, pal::kGoldPale}, {1, pal::kGoldDeep}}));
    for (float x : {-8.0f, 0.0f, 8.0f})
        c.paint(Shape::rect(foot.x + x - 1.5f, foot.y - 26, 3, 5, 1), hex(0x4a2a14, 0.85f));
    for (float x : {-20.0f, -12.0f, 12.0f, 20.0f})
        c.paint(Shape::rect(foot.x + x - 1.5f, foot.y - 10, 3, 4, 1), hex(0x4a2a14, 0.8f));
}

void finishMap(Canvas& c, uint32_t seed) {
    grain(c, 0.012f, seed);
}

}  // namespace

Canvas iraqMap() {
    Canvas c(kW, kH);
    mapSheet(c, 5200);
    const Font font(requireFont(kSerifBold));
    // The Mediterranean in the top-left corner, the Red Sea's two gulfs at the bottom, the Persian Gulf.
    const Shape med = smooth({{-20, 520},
                              {40, 508},
                              {100, 516},
                              {150, 500},
                              {210, 486},
                              {248, 430},
                              {262, 350},
                              {270, 260},
                              {262, 170},
                              {284, 80},
                              {300, -20},
                              {-20, -20},
                              {-20, 520}});
    const Shape red = smooth({{220, 790},
                              {226, 700},
                              {250, 626},
                              {264, 644},
                              {274, 690},
                              {296, 668},
                              {322, 630},
                              {332, 662},
                              {350, 720},
                              {390, 790},
                              {220, 790}});
    const Shape gulf = smooth({{600, 790},
                               {610, 690},
                               {628, 628},
                               {660, 604},
                               {720, 630},
                               {800, 680},
                               {880, 720},
                               {960, 790},
                               {600, 790}});
    map::duneMarks(c, {{330, 420},
                       {300, 500},
                       {360, 560},
                       {420, 520},
                       {470, 600},
                       {440, 660},
                       {520, 640},
                       {210, 570},
                       {560, 430},
                       {340, 330},
                       {300, 250}});
    mapRiver(c, {{130, 790}, {124, 720}, {112, 650}, {106, 590}, {100, 540}, {96, 516}}, 7, 44);
    for (Vec2 end : {Vec2{70, 512}, Vec2{128, 508}})
        mapRiver(c, {{100, 548}, lerp({100, 548}, end, 0.6f), end}, 4, 0);
    mapRiver(c,
             {{330, 40}, {340, 140}, {354, 226}, {364, 300}, {394, 380}, {462, 456}, {548, 528}, {628, 616}},
             7, 30);
    mapRiver(c,
             {{478, 30}, {470, 130}, {452, 214}, {458, 300}, {494, 380}, {546, 456}, {598, 528}, {628, 616}},
             7, 30);
    for (const Shape& s : {med, red, gulf}) mapWater(c, s);
    mapWaves(c,
             {{60, 140},
              {150, 220},
              {90, 320},
              {200, 120},
              {40, 420},
              {170, 400},
              {120, 60},
              {720, 700},
              {800, 740},
              {660, 680},
              {230, 740}},
             hex(0x2a6c70, 0.6f));
    // The Levant's palms, Egypt's pyramids, the desert of Sinai.
    for (auto [x, y, lean] : {std::tuple{120.0f, 600.0f, -3.0f}, std::tuple{86.0f, 640.0f, 2.0f},
                              std::tuple{258.0f, 470.0f, -2.0f}, std::tuple{282.0f, 380.0f, 2.0f},
                              std::tuple{380.0f, 340.0f, -2.0f}, std::tuple{452.0f, 410.0f, 3.0f},
                              std::tuple{356.0f, 176.0f, 2.0f}})
        map::palm(c, {x, y}, 16, lean);
    pyramids(c, {50, 622}, 0.75f);
    // Persia's mountains in a long range from the north-west down to the gulf.
    struct Peak {
        float x, y, w, base;
    };
    std::vector<Peak> peaks{{640, 150, 36, 200}, {700, 130, 42, 190}, {780, 120, 40, 178},
                            {860, 140, 44, 196}, {660, 260, 38, 310}, {730, 230, 46, 290},
                            {820, 250, 40, 300}, {900, 240, 44, 296}, {700, 360, 40, 410},
                            {780, 340, 46, 400}, {870, 360, 42, 414}, {950, 330, 40, 390},
                            {760, 460, 38, 508}, {840, 450, 44, 506}, {930, 470, 40, 520},
                            {980, 560, 40, 610}, {880, 560, 36, 600}};
    std::sort(peaks.begin(), peaks.end(), [](const Peak& a, const Peak& b) { return a.base < b.base; });
    uint32_t seed = 5210;
    for (const Peak& p : peaks) mapMountain(c, {p.x, p.y}, p.w, p.base, p.y < 200, seed++);
    ziggurat(c, {452, 346}, 44);
    domedCity(c, {560, 214});
    mapCompass(c, font, {170, 170}, 56);
    mapLabel(c, font, "EGYPT", {184, 660}, 28);
    mapLabel(c, font, "MESOPOTAMIA", {440, 116}, 30);
    mapLabel(c, font, "PERSIA", {820, 640}, 32);
    mapLabel(c, font, "ARABIA", {360, 600}, 26);
    finishMap(c, 5201);
    return c;
}

Canvas tibetMap() {
    Canvas c(kW, kH);
    mapSheet(c, 5300);
    const Font font(requireFont(kSerifBold));
    // The Caspian at the top left, the Persian Gulf and the Arabian Sea along the bottom.
    const Shape caspian = smooth(
        {{170, -20}, {160, 60}, {200, 130}, {250, 170}, {300, 150}, {330, 90}, {340, -20}, {170, -20}});
    const Shape south = smooth({{-20, 560},
                                {60, 574},
                                {160, 620},
                                {240, 640},
                                {300, 680},
                                {400, 690},
                                {500, 676},
                                {580, 700},
                                {640, 740},
                                {680, 790},
                                {-20, 790},
                                {-20, 560}});
    map::duneMarks(c, {{200, 300},
                       {260, 360},
                       {180, 420},
                       {420, 330},
                       {360, 460},
                       {480, 420},
                       {440, 560},
                       {300, 520},
                       {560, 340}});
    mapRiver(c, {{760, 300}, {720, 380}, {680, 460}, {660, 560}, {640, 640}, {620, 712}}, 7, 34);
    mapWater(c, caspian);
    mapWater(c, south);
    mapWaves(c, {{240, 40}, {290, 100}, {60, 680}, {160, 720}, {300, 740}, {420, 730}, {520, 740}},
             hex(0x2a6c70, 0.6f));
    // The Zagros along the west, the Hindu Kush in the north and the Himalaya's snowy wall.
    struct Peak {
        float x, y, w, base;
        bool snow;
    };
    std::vector<Peak> peaks{
        {80, 300, 36, 350, false},  {120, 400, 40, 450, false}, {60, 470, 34, 520, false},
        {160, 500, 38, 550, false}, {420, 180, 40, 230, false}, {500, 200, 44, 250, false},
        {580, 170, 40, 226, true},  {640, 130, 46, 196, true},  {700, 180, 48, 250, true},
        {770, 150, 50, 226, true},  {840, 190, 46, 250, true},  {930, 170, 52, 246, true},
        {1000, 200, 46, 270, true}, {780, 270, 44, 330, true},  {960, 280, 48, 340, true},
        {880, 320, 40, 380, true},  {700, 300, 38, 350, false}, {1010, 360, 40, 410, true}};
    std::sort(peaks.begin(), peaks.end(), [](const Peak& a, const Peak& b) { return a.base < b.base; });
    uint32_t seed = 5310;
    for (const Peak& p : peaks) mapMountain(c, {p.x, p.y}, p.w, p.base, p.snow, seed++);
    for (Vec2 p :
         {Vec2{720, 360}, Vec2{736, 370}, Vec2{840, 400}, Vec2{856, 408}, Vec2{940, 400}, Vec2{660, 280}})
        mapPine(c, p, 14);
    for (auto [x, y] : {std::pair{560.0f, 600.0f}, std::pair{540.0f, 560.0f}, std::pair{640.0f, 580.0f}})
        map::palm(c, {x, y}, 15, 2);
    domedCity(c, {590, 574});
    monastery(c, {916, 262});
    mapCompass(c, font, {110, 140}, 50);
    mapLabel(c, font, "PERSIA", {300, 420}, 32);
    mapLabel(c, font, "TIBET", {880, 96}, 30);
    mapLabel(c, font, "HIMALAYA", {880, 452}, 24);
    mapLabel(c, font, "INDIA", {820, 620}, 28);
    finishMap(c, 5301);
    return c;
}

Canvas routeDot() {
    Canvas c(10, 10);
    part(c, Shape::circle({5, 5}, 3.6f), lit({5, 5}, 4, pal::kTerracotta), 0.9f, 1.2f);
    return c;
}

Canvas startMarker() {
    Canvas c(40, 40);
    const Vec2 m{20, 20};
    shadowOf(c, Shape::circle(m, 15), {1.5f, 2}, 2, 0.45f);
    part(c, Shape::circle(m, 15) - Shape::circle(m, 9.5f),
         Fill::vertical(5, 35, {{0, pal::kGoldPale}, {0.5f, pal::kGold}, {1, pal::kGoldDeep}}), 1.2f, 2.5f);
    // A four-pointed compass star in the ring, its north point in terracotta.
    part(c, Shape::star(m, 4, 9, 2.8f), Fill::vertical(11, 29, {{0, pal::kSandLight}, {1, pal::kSandDark}}),
         0.9f, 1);
    c.paint(Shape::polygon({m, m + Vec2{0, -9}, m + Vec2{-2.8f, -2.8f}}), pal::kTerracotta);
    c.paint(Shape::circle(m, 1.6f), pal::kOutline);
    return c;
}

Canvas crossMarker() {
    Canvas c(44, 44);
    // Two brush strokes of red paint, thick in the middle and dry at their ends.
    const Shape a = Shape::stroke({{8, 9}, {22, 21}, {36, 35}}, {4.0f, 7.5f, 3.5f});
    const Shape b = Shape::stroke({{35, 8}, {22, 22}, {9, 36}}, {4.5f, 7.5f, 3.0f});
    shadowOf(c, a | b, {1.5f, 2}, 1.5f, 0.35f);
    part(c, a | b,
         Fill::radial({18, 16}, 24, {{0, hex(0xe0503a)}, {0.6f, hex(0xc0281e)}, {1, hex(0x86160e)}}), 1.1f,
         1.5f);
    return c;
}

Canvas inkArrow() {
    Canvas c(70, 40);
    // A quick pen stroke bowing upwards, ending in a barbed head on the right.
    std::vector<Vec2> shaft;
    std::vector<float> widths;
    for (int i = 0; i <= 16; ++i) {
        const float t = i / 16.0f;
        shaft.push_back({6 + t * 52, 24 - 9 * std::sin(t * kPi * 0.9f) + t * 4});
        widths.push_back(1.2f + 2.4f * t);
    }
    const Vec2 tip{64, 22};
    const Shape head = Shape::polygon({tip, {50, 12}, {54, 21}, {49, 31}});
    const Shape arrow = Shape::stroke(shaft, widths) | head;
    c.paint(arrow.moved({1, 1.5f}), hex(0xfff2d2, 0.5f));
    c.paint(arrow, kInk.fade(0.92f));
    return c;
}

}  // namespace gen::story

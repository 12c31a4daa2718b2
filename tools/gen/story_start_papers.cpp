// The papers laid on the professor's desk: the journey map with its red route, his notes on the legend of
// the picture stones, and the photograph of the rival who wants the treasure too.
#include <string>

#include "Palette.h"
#include "SystemFonts.h"
#include "dialog_art.h"
#include "maingame_hud_art.h"
#include "map_art.h"
#include "paint/Effects.h"
#include "paint/Noise.h"
#include "paint/Text.h"
#include "story_start_art.h"

namespace gen::opening {

namespace {

// The professor's hand: the story font's sloping cut.
constexpr SystemFont kHand{"/usr/share/fonts/truetype/crosextra/Caladea-Italic.ttf",
                           "fonts-crosextra-caladea"};

// A sheet's corners curl a little: darker and softly shaded towards the edges.
void ageEdges(Canvas& c, float depth) {
    const float w = static_cast<float>(c.width()), h = static_cast<float>(c.height());
    Canvas edge(c.width(), c.height());
    edge.paint(Mask(c.width(), c.height(), 1.0f), Fill([=](float x, float y) {
                   const float d = std::min({x, y, w - x, h - y});
                   return hex(0x4a2408, 0.55f * (1 - smoothstep(0, depth, d)));
               }));
    c.draw(edge, 0, 0, Blend::Inside);
}

// The sheet with its drop shadow below and to the right, turned by `degrees`.
Canvas laid(const Canvas& sheet, float degrees) {
    return hud::shadowed(padded(turned(sheet, degrees), 16), {7, 9}, 8, 0.55f);
}

}  // namespace

Canvas routeMap() {
    Canvas m = hud::resampled(map::mapBack(), 440, 330);
    ageEdges(m, 14);
    m.paint(Field(Shape::rect(0, 0, 440, 330).field(440, 330)).band(-1.5f, 0), pal::kOutline.fade(0.6f),
            Blend::Inside);
    return laid(m, -3);
}

Canvas letter() {
    const int w = 290, h = 370;
    Canvas s(w, h);
    s.paint(Mask(w, h, 1.0f), map::agedParchment({0, 0, static_cast<float>(w), static_cast<float>(h)}, 3401));
    ageEdges(s, 10);
    const Font hand(requireFont(kHand)), head(requireFont(kSerifBold));
    Mask ink(w, h);
    head.render(ink, "The Picture Stones", 24, {30, 48});
    Shape::stroke({{30, 58}, {140, 61}, {258, 57}}, {1.4f}).drawInto(ink);
    const char* const lines[] = {"Each stone hides a picture",   "in its numbered squares.",
                                 "Found together, the pictures", "show the road the caravan",
                                 "kings took with their gold:",  "from the Nile, across Persia,",
                                 "to the Roof of the World."};
    float y = 92;
    for (const char* l : lines) {
        hand.render(ink, l, 19, {28, y});
        y += 28;
    }
    // A little grid sketched by the text, and his initials.
    for (int i = 0; i <= 4; ++i) {
        Shape::line({40.0f + i * 16, 300}, {40.0f + i * 16, 364 - 4}, 1.0f).drawInto(ink);
        Shape::line({40, 300.0f + i * 16}, {104, 300.0f + i * 16}, 1.0f).drawInto(ink);
    }
    hand.render(ink, "A. W.", 22, {196, 340});
    s.paint(ink, map::kInk.fade(0.9f));
    s.paint(Shape::rect(56, 316, 16, 16).rasterize(w, h), map::kInk.fade(0.6f));
    s.paint(Shape::rect(72, 300, 16, 48).rasterize(w, h), map::kInk.fade(0.6f));
    s.paint(Shape::rect(56, 348, 16, 0).rasterize(w, h), map::kInk.fade(0.6f));
    s.paint(Field(Shape::rect(0, 0, w, h).field(w, h)).band(-1.2f, 0), pal::kOutline.fade(0.5f),
            Blend::Inside);
    return laid(s, 4);
}

Canvas rivalPhoto() {
    // A cabinet card: the photograph on a cream mount, his name pencilled beneath.
    const int w = 160, h = 196;
    Canvas card(w, h);
    const Shape mount = Shape::rect(0.5f, 0.5f, w - 1, h - 1, 5);
    card.paint(mount.rasterize(w, h), Fill::vertical(0, h, {{0, hex(0xf6ead0)}, {1, hex(0xd8c49a)}}));
    card.paint(Shape::rect(8, 8, w - 16, w - 16, 3).outline(1.2f).rasterize(w, h), pal::kGoldDeep.fade(0.8f));
    Canvas photo = dialog::rival();
    // Old paper takes the colours down towards sepia, but the red scarf still shows.
    for (Pixel& p : photo.pixels()) {
        const float l = 0.3f * p.r + 0.55f * p.g + 0.15f * p.b;
        p.r = mixf(p.r, l * 1.12f, 0.45f), p.g = mixf(p.g, l * 0.96f, 0.45f),
        p.b = mixf(p.b, l * 0.78f, 0.45f);
    }
    card.draw(photo, (w - photo.width()) / 2, 14);
    const Font hand(requireFont(kHand));
    Mask ink(w, h);
    const std::string name = "Corvin";
    hand.render(ink, name, 24, {(w - hand.advance(name, 24)) / 2, 180});
    card.paint(ink, hex(0x3a2a20, 0.85f));
    card.paint(Field(mount.field(w, h)).band(-1.2f, 0), pal::kOutline.fade(0.7f), Blend::Inside);
    return hud::shadowed(padded(card, 14), {5, 7}, 6, 0.55f);
}

}  // namespace gen::opening

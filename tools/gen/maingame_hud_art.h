// Drawing helpers shared by the main game's panel pictures: small layers, gold, sandstone, sockets, strips.
#pragma once

#include <cstdint>
#include <vector>

#include "Generator.h"
#include "Palette.h"
#include "paint/Canvas.h"
#include "paint/Field.h"
#include "paint/Fill.h"
#include "paint/Mask.h"
#include "paint/Shape.h"
#include "paint/Style.h"

namespace gen {

// maingame_hud_panel*.cpp: "gfx/gui/mainGame/gui.png", the frame around the play area.
void writeHudPanel(const Context& ctx);
// maingame_hud_tools.cpp: the hand and hook icons in their three looks.
void writeHudTools(const Context& ctx);
// maingame_hud_items.cpp: hourglass, star, slot frame, bag, bag dot and the scarab shells.
void writeHudItems(const Context& ctx);
// maingame_hud_buttons.cpp: the six power-up buttons and the two caption plates, as four-frame strips.
void writeHudButtons(const Context& ctx);

}  // namespace gen

namespace gen::hud {

using namespace paint;

// The four looks of a four-frame button, in strip order.
enum class Look { Normal, Over, Pressed, Inactive };
inline constexpr Look kLooks[] = {Look::Normal, Look::Over, Look::Pressed, Look::Inactive};

inline constexpr Color kShadow = hex(0x1a0d05, 0.55f);

// A small canvas standing for the part `box` of a bigger one: shapes and fills are moved onto it with
// local(), and put() composites it back in place. Keeps effects on big pictures quick.
class Layer {
  public:
    Layer(const Canvas& on, Rect box);
    Shape local(const Shape& s) const { return s.moved(-origin_); }
    Fill local(const Fill& f) const;
    Style local(Style s) const;
    Canvas& canvas() { return c_; }
    int width() const { return c_.width(); }
    int height() const { return c_.height(); }
    Field field(const Shape& s) const { return local(s).field(c_.width(), c_.height()); }
    Mask mask(const Shape& s, float feather = 1.0f) const {
        return local(s).rasterize(c_.width(), c_.height(), feather);
    }
    void put(Canvas& dst, Blend mode = Blend::Over, float opacity = 1.0f) const;

  private:
    Vec2 origin_;
    Canvas c_;
};

// Draws a styled shape through a layer just big enough for it and `margin` pixels of shadow and glow.
void styled(Canvas& c, const Shape& s, const Style& st, float margin = 10.0f);

// Polished gold from top to bottom; pale at the top where the light falls.
Fill gold(float top, float bottom);
// A gold moulding: dark outline, gold body, rounded bevel and a short shadow.
Style goldTrim(float top, float bottom, float outline = 1.2f);
// The deep lapis of sunken plates, lighter towards the bottom where light is thrown back.
Fill lapis(float top, float bottom);

// One part of a small picture: a dark outline, its fill and a rounded bevel.
void part(Canvas& c, const Shape& s, const Fill& fill, float outline = 1.0f, float depth = 2.0f,
          float highlight = 0.45f, float shadow = 0.35f, Color outlineColor = pal::kOutline);
// A thin line painted only over what is there (seams, creases, engraving).
void ink(Canvas& c, const std::vector<Vec2>& pts, float width, Color color);

// A sunken plate: a gold rim `rim` wide around `hole`, and the hole filled with `inside` under an inner
// shadow cast from the top left.
void socket(Canvas& c, const Shape& hole, float rim, const Fill& inside, float depth = 3.0f);
// A line cut into stone: a dark groove with a lit lower-right lip.
void groove(Canvas& c, const Shape& line, float opacity = 1.0f);

// Warm mottled sandstone with faint layers, lit from the top left over the box (x0, y0)–(x1, y1).
Fill sandstone(Rect lit, uint32_t seed);
// A panel of that sandstone over the shape of `f` (w x h), lit over `lit`, strewn with `grains` dark and
// light grains and bevelled soft at its edge.
void grainedSandstone(Canvas& c, const Field& f, int w, int h, Rect lit, uint32_t seed, int grains);

// The picture resampled to w×h (area average, for shrinking a picture painted a little larger).
Canvas resampled(const Canvas& c, int w, int h);
// Frames laid side by side into one strip.
Canvas strip(const std::vector<Canvas>& frames);
// Stone-grey copy of a picture for an inactive button, `light` 0..1 brightens it.
Canvas greyed(const Canvas& c, float light = 0.0f);
// A soft shadow under the whole picture, down and to the right.
Canvas shadowed(const Canvas& c, Vec2 offset, float blur, float opacity);

}  // namespace gen::hud

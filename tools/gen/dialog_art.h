// The dialogs' pictures: the panel characters speak on, the gold ring round a speaker's portrait, and the
// painted busts of the story's characters.
#pragma once

#include <functional>
#include <vector>

#include "Palette.h"
#include "paint/Canvas.h"
#include "paint/Fill.h"
#include "paint/Geometry.h"
#include "paint/Shape.h"

namespace gen::dialog {

using namespace paint;

// A portrait is painted kScale times its size and shrunk, so outlines and small features come out clean.
inline constexpr int kPortrait = 132;
inline constexpr float kScale = 4.0f;

// dialog_frame.cpp: the panel (top-left on screen at 200, 210) and the ring over the portrait.
Canvas dialogPanel();
Canvas portraitRing();

// dialog_bust.cpp: drawing in portrait units (0..132), onto a canvas kScale times larger.
class Bust {
  public:
    explicit Bust(Fill backdrop);
    Canvas& canvas() { return c_; }
    // A part: dark outline, its fill (given in portrait units) and a soft rounded bevel.
    void part(const Shape& s, const Fill& fill, float outline = 0.9f, float depth = 3.0f);
    // A flat shape painted only onto what is there (shading, hair strands, folds), fill in portrait units.
    void shade(const Shape& s, const Fill& fill, float soften = 0.0f);
    // The same, kept inside `within` (a soft shade must not spill past the part it lies on).
    void shade(const Shape& s, const Shape& within, const Fill& fill, float soften);
    // A line in outline brown (or `color`) over what is there, `width` in portrait units.
    void ink(const std::vector<Vec2>& pts, float width, Color color = pal::kOutline);
    // The face's features and skin, the head an ellipse at `centre` with radii rx, ry.
    struct Face {
        Color skin, skinShade, eyes = hex(0x3b2414), brows = hex(0x3b2414), lips = hex(0xb0533c);
        Vec2 centre{66, 60};
        float rx = 21, ry = 26;
        bool smile = true, oldAge = false, closedEyes = false, female = false;
    };
    void neck(const Face& f);      // the neck and the shadow the chin casts on it
    void head(const Face& f);      // ears and head
    void features(const Face& f);  // eyes, brows, nose, mouth, cheeks
    // The finished portrait, 132 × 132: shrunk, cut to its circle and edged with a soft dark line.
    Canvas finish();

  private:
    Canvas c_;
};

// Units → the big canvas.
Shape big(const Shape& s);
Fill big(const Fill& f);
// Skin lit from the top left over the box around `centre` of radius r.
Fill litFill(Vec2 centre, float r, Color light, Color mid, Color deep);

// Hair or cloth of one colour, lit from the top left over a part of radius r round m.
Fill cloth(Vec2 m, float r, Color c);

// dialog_portraits*.cpp: the characters.
Canvas explorer();
Canvas professor();
Canvas guide();
Canvas merchant();
// The merchant himself (robe, face, beard and jewelled cap) painted onto a bust of any backdrop.
void merchantFigure(Bust& b);
Canvas monk();
Canvas rival();

}  // namespace gen::dialog

// The story's last cutscene: a kit of mountain skies, stone, gold and posable full figures of the cast,
// the seven slides from the monastery to the sunset ledge, and the sunny Cairo scene a week later.
#pragma once

#include <cstdint>
#include <vector>

#include "paint/Canvas.h"
#include "paint/Fill.h"
#include "paint/Geometry.h"
#include "paint/Mask.h"
#include "paint/Shape.h"

namespace gen::outro {

using namespace paint;

// Everything is painted on a whole screen; the slides keep its top 600 rows.
inline constexpr int kW = 1024, kH = 768, kSlideH = 600;

// story_outro_kit.cpp: shared painting, on canvases of any size.
Mask rast(const Canvas& c, const Shape& s, float feather = 1.1f);
// A shape filled inside a dark brown outline, lit from the top left with a soft bevel.
void part(Canvas& c, const Shape& s, const Fill& f, float outline = 1.5f, float depth = 3.0f);
// A flat coat over what is already there, kept inside `within`, softened by `soften` pixels.
void shade(Canvas& c, const Shape& s, const Shape& within, Color col, float soften);
// A soft shadow of the shape on what lies under it, down and to the right.
void castShadow(Canvas& c, const Shape& s, float blur, float strength);
// A soft glow of `col` round `centre`, added to the light of what is there.
void glow(Canvas& c, Vec2 centre, float radius, Color col, float strength);
// Fans of soft light falling from `from` towards `to`, spread `spread` pixels wide at the far end.
void rays(Canvas& c, Vec2 from, Vec2 to, float spread, int count, Color col, uint32_t seed);
// Four-pointed glints on gold and gems.
void sparkle(Canvas& c, Vec2 at, float size, float strength = 1.0f);

// Snowy peaks in one light: the lit faces, the faces turned away, the snow in sun and shade, and the veil
// of distance with its amount.
struct PeakLight {
    Color rockLit, rockShade, snowLit, snowShade, veil;
};
PeakLight dawnLight();
PeakLight sunsetLight();
// A peak with its summit at `top`, `halfWidth` wide each side at the line `base`; haze 0 near, 1 gone.
void peak(Canvas& c, Vec2 top, float halfWidth, float base, float haze, const PeakLight& l, uint32_t seed);
// A rock face or cliff in warm layered stone, lit from the top left; its outline in dark brown.
void rock(Canvas& c, const Shape& s, Color lit, Color deep, uint32_t seed);
// Dressed stone blocks `bw` × `bh` in courses over the shape, lit over `lit`, dimmed by `dark` 0..1.
void masonry(Canvas& c, const Shape& s, float bw, float bh, Color stone, Rect lit, float dark, uint32_t seed);
// A hall of dressed stone down to the floor line, with flagstones running towards the middle, lit warm round
// `light`.
void stoneHall(Canvas& c, float floorY, Vec2 light, Color stone);
// A golden roof with upturned eaves and a bell-shaped finial, its eaves at y, `half` wide each side.
void goldenRoof(Canvas& c, float cx, float y, float half);
// A white monastery wall narrowing upwards with rows of maroon-framed windows.
void monasteryWall(Canvas& c, float x0, float x1, float top, float bottom, int rows, Color body);
// Heaped gold coins over the shape, lit from the top left, with a few gems among them.
void coinHeap(Canvas& c, const Shape& heap, uint32_t seed);
// A golden guardian statue seated on a plinth, its foot line at `foot`, `h` high.
void goldStatue(Canvas& c, Vec2 foot, float h);
// A rolled scroll lying at `centre`, `len` long, turned by `turn` degrees.
void scroll(Canvas& c, Vec2 centre, float len, float turn);
// The Heart of the Caravan Kings: a great faceted turquoise in a gold setting, centred at `centre`.
void heartJewel(Canvas& c, Vec2 centre, float r);
// A carved stone tablet with a 5 × 5 picture grid, rounded at the top, centred at `centre`, turned by
// `turn` degrees. `fresh` gives the new tablet its pale stone and glowing turquoise grid.
void tablet(Canvas& c, Vec2 centre, float w, float h, float turn, bool fresh);
// Veils the whole picture with a colour (its alpha the amount) through `blend`.
void tint(Canvas& c, Color col, Blend blend);

// story_outro_figure.cpp, story_outro_cast.cpp: the cast as full standing figures.
enum class Who { Tazmira, Wren, Hamid, Corvin, Monk };
// What the hands hold.
enum class Held { Nothing, Tablet, NewTablet, Hat };
// A figure's pose in figure units: the feet on y = 0, the head's top near y = -340, x pointing the way
// the figure faces. Arm angles are degrees forward from hanging straight down; the elbow bends further.
struct Pose {
    float bow = 0;  // the upper body bends forward at the hips
    float nearArm = -6, nearElbow = 12;
    float farArm = 8, farElbow = 14;
    float stride = 10;  // the feet apart
    Held held = Held::Nothing;
    bool smile = true;
    bool angry = false;
    bool surprised = false;
};
// Paints the figure with its feet at `foot`, `height` pixels tall, facing right (+1) or left (-1), with a
// soft contact shadow under its feet. Works on a canvas of any size.
void figure(Canvas& c, Who who, const Pose& p, Vec2 foot, float height, int facing);
// How tall each character stands next to the others (Tazmira 1).
float stature(Who who);

// story_outro_slides*.cpp: the slides, each kW × kSlideH, opaque.
Canvas monasteryDawn();
Canvas lastDoor();
Canvas treasureChamber();
Canvas heartOfTheKings();
Canvas rivalBlocked();
Canvas treasureEntrusted();
Canvas sunsetLedge();

// story_outro_cairo.cpp, story_outro_car.cpp: the week-later scene, its ground line and the touring car.
inline constexpr float kCairoGround = 700;  // where the figures' feet stand on back.jpg
Canvas cairoBack();
Canvas touringCar();

}  // namespace gen::outro

// The hidden-object scenes: three painted rooms, the pieces cut from them that stand in front of the objects,
// the lamps' glows, the fish and birds that cross them, and the level files that place the objects.
#pragma once

#include <string>
#include <vector>

#include "paint/Canvas.h"
#include "paint/Fill.h"
#include "paint/Geometry.h"
#include "paint/Mask.h"
#include "paint/Shape.h"

namespace gen::ho {

using namespace paint;

inline constexpr int kW = 1024, kH = 768;

// A piece of the scene drawn again over the objects, its picture's top-left corner at (x, y).
struct Cutout {
    Canvas image;
    int x = 0, y = 0;
};

// A rectangle where falling leaves start, and how often one starts (ms).
struct LeafSpawner {
    int x, y, w, h, intervalMs;
};

// A painted scene with everything the level file says about it besides the objects.
struct Scene {
    Canvas image;
    std::vector<Cutout> masks;
    std::vector<Vec2> lamps;     // the centres of the flames the glows sit on
    int glowSize = 180;          // the glows' pictures, square
    std::vector<Canvas> movers;  // fish or birds, facing right
    bool birds = false;
    Rect band;  // the movers' horizontal range and the range of their centre's height
    std::vector<LeafSpawner> leaves;
};

// ho_scene_props.cpp: shared painting.
// The scene's pixels under the mask `m`, cut to the mask's bounding box.
Cutout cut(const Canvas& scene, const Mask& m);
// A soft warm glow `size` pixels square, for additive drawing.
Canvas glow(int size, Color core, Color rim);
// A fish about w × h facing right: body and tail colours, a stripe or spots from `seed`.
Canvas fish(int w, int h, Color back, Color belly, Color fin, uint32_t seed);
// A bird about w × h gliding to the right, wings raised.
Canvas bird(int w, int h, Color body, Color wing);
// A flame with its hot core, its foot at `foot`, `h` high.
void flame(Canvas& c, Vec2 foot, float h);
// A round-bellied jar standing on `foot`, `h` high, in a warm glaze with a band.
void jar(Canvas& c, Vec2 foot, float h, Color glaze, Color band);
// A wooden chest with gold corners and a lid, x..x+w, y..y+h (lid included).
void chest(Canvas& c, float x, float y, float w, float h, Color wood);
// A soft shadow of the shape on what lies under it, cast down and to the right.
void castShadow(Canvas& c, const Shape& s, float blur = 8, float strength = 0.4f);

// ho_scene_tomb.cpp, ho_scene_courtyard.cpp, ho_scene_temple.cpp: the scenes, each with a second file
// for its furniture and the pieces in front.
Scene tombChamber();
// ho_scene_tomb_props.cpp: the shelves' and the floor's things; returns the standing lamp's flame.
Vec2 tombProps(Canvas& c);
Scene tombForeground(Canvas& c);  // the pieces in front, painted and cut out
// ho_scene_courtyard_props.cpp: the carpet, cushions, lanterns hung at `lanterns` (x), trees, the pool and
// the pieces in front, painted over the courtyard's walls and floor.
Scene courtyardFront(Canvas& c, std::vector<float> lanterns);
// ho_scene_temple_props.cpp: the statue, altar, lamps, cabinet and drum painted over the temple's hall,
// with `frontPillar` painted last among the pieces cut out to stand in front of the objects.
Scene templeFront(Canvas& c, Shape (*frontPillar)(Canvas&));
// A papyrus column standing on `base`, cx ± w/2; returns its outline.
Shape tombColumn(Canvas& c, float cx, float w, float base);
Scene persianCourtyard();
Scene tibetanTemple();

// ho_scene_levels.cpp: the level file of scene `index` (0-based); throws if the objects' places are
// out of the play area or too close to each other.
std::string levelFile(int index, const Scene& s);

}  // namespace gen::ho

// The story's slide-show pictures: a kit of shared painting (light, skies, mountains, stone, people seen
// small, camels, hands, the carved tablet) and the five cutscenes painted with it.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "paint/Canvas.h"
#include "paint/Fill.h"
#include "paint/Geometry.h"
#include "paint/Mask.h"
#include "paint/Shape.h"

namespace gen::slides {

using namespace paint;

// Every slide fills the screen; the story frame covers about 55 pixels of each edge.
inline constexpr int kW = 1024, kH = 768;

// story_slides_kit.cpp: light, grading and finishing.
// Recolours every pixel through fn(straight colour, x, y), keeping its alpha (day into night, lamp warmth).
void grade(Canvas& c, const std::function<Color(Color, float, float)>& fn);
// A daylight colour as it looks by moonlight: dark, blue and a little grey.
Color toNight(Color k, float darkness);
// Turns a whole picture painted in daylight colours into moonlit night.
void nightGrade(Canvas& c, float darkness);
// Night, except near the fire at `fire` (within about `reach`), where the colours stay and warm up.
void firelitNight(Canvas& c, Vec2 fire, float reach, float darkness);
// A soft pool of light, brightest at the centre and fading over `radii`, added with Screen.
void lightPool(Canvas& c, Vec2 centre, Vec2 radii, Color col);
// Shafts of light fanning from `source` between two angles (degrees, 90 = straight down).
void rays(Canvas& c, Vec2 source, float fromDeg, float toDeg, int count, float length, Color col,
          uint32_t seed);
// Specks of dust hanging in the light, scattered where `where` is set.
void motes(Canvas& c, const Mask& where, int count, Color col, uint32_t seed);
// A full moon with faint seas and a wide halo.
void moon(Canvas& c, Vec2 centre, float r);
// The last touches of every slide: a darker rim that draws the eye in, softening and grain.
void finishSlide(Canvas& c, float vignette, uint32_t seed);
// The flat picture `flat` laid onto the four corners (top-left, top-right, bottom-right, bottom-left).
void warpOnto(Canvas& c, const Canvas& flat, const Vec2 (&quad)[4]);

// story_slides_land.cpp: landscape and building stone.
struct Range {
    float x0 = -40, x1 = 1064;  // the span of the range
    float base = 500;           // where it meets the land
    float top = 200;            // the highest summit
    int peaks = 5;
    Color lit, shade;        // faces towards and away from the light (top left)
    Color snow{0, 0, 0, 0};  // no snow when transparent
    float snowLine = 0.35f;  // how far down from each summit the snow reaches (0..1)
    Color haze{0, 0, 0, 0};  // the air in front of it (alpha = how much)
    uint32_t seed = 1;
};
void mountains(Canvas& c, const Range& r);
// Dressed stone blocks in courses over `area`, each block a little different, the joints cut dark.
void masonry(Canvas& c, const Shape& area, float blockW, float blockH, Color stone, uint32_t seed);
// Rows of small carved signs (suns, eyes, birds, waves, stepped pyramids, grids) cut into stone in `box`.
void reliefs(Canvas& c, Rect box, float size, float opacity, uint32_t seed);
// A path of trodden earth through `pts`, widening towards the viewer from w0 to w1.
void track(Canvas& c, const std::vector<Vec2>& pts, float w0, float w1, Color col);
// Planks of wood `plank` wide running across, with grain, knots and dark seams.
Fill woodPlanks(float plank, Color wood, uint32_t seed);
// A ragged boulder of about `size`, lit from the top left.
void boulder(Canvas& c, Vec2 foot, float size, Color rock, uint32_t seed);

// story_slides_persia.cpp: Persian building pieces.
// A bulbous dome on a drum, glazed `glaze`, ribbed and starred with gold, a gilded finial; base centre `b`.
void dome(Canvas& c, Vec2 b, float w, float h, Color glaze);
// A slim tiled minaret from `base` up to `top`, with a balcony and a gilded cap.
void minaret(Canvas& c, float x, float base, float top, float w);
// A hanging lantern of pierced brass at `at` (its top), `s` high, lit within.
void lantern(Canvas& c, Vec2 at, float s, bool glowing);
// A woven carpet hanging or lying flat in `box`: a border, a field and a central medallion.
void carpet(Canvas& c, const Shape& s, Rect box, Color field, Color border, uint32_t seed);

// story_slides_people.cpp: the story's people, camels and hands.
enum class Who { Tazmira, Wren, Hamid, Merchant };
// Standing on `feet`; sitting on the ground with the knees up; riding with the legs hanging from the seat.
enum class Pose { Standing, Sitting, Riding };
// A person seen small, `h` their standing height; `at` is the feet, or the seat when sitting or riding.
void person(Canvas& c, Who w, Vec2 at, float h, Pose pose, bool facingRight);
// A camel walking to the right with a rider (or with packs when `rider` is null); size = height at the hump.
void caravanCamel(Canvas& c, Vec2 feet, float size, const Who* rider, uint32_t seed);
// The expedition's caravan walking to the right: the guide's camel first, then the explorer's, the
// professor's and a pack camel, each `gap` further back and `shrink` times smaller, the farthest drawn first.
void caravan(Canvas& c, Vec2 lead, float size, Vec2 gap, float shrink, uint32_t seed);
// A camel lying down with its legs folded, facing right or left.
void couchedCamel(Canvas& c, Vec2 feet, float size, bool facingRight);
// A forearm reaching in from `elbow` to the hand at `wrist`: a sleeve, a cuff and a hand that points along
// the arm or curls as if holding something.
void forearm(Canvas& c, Vec2 elbow, Vec2 wrist, float width, Color sleeve, Color cuff, Color skin,
             bool pointing);

// story_slides_tablet.cpp: the carved tablet seen straight on inside `box`; `glow` 0..1 lights the
// uncovered cells gold and turquoise.
void tablet(Canvas& c, Rect box, float glow);
// The picture stone that opens the temple door: a square of sandstone with a little gold grid picture.
void pictureStone(Canvas& c, Rect box, float glow);

// The cutscenes, one function per picture.
Canvas tabletTable();  // story_slides_tablet_tent.cpp
Canvas tabletCloseUp();
Canvas campDusk();  // story_slides_camp.cpp
Canvas campNight();
Canvas roadRuins();  // story_slides_road.cpp
Canvas roadPlain();
Canvas roadPass();
Canvas roadCaravanserai();  // story_slides_road_city.cpp
Canvas roadBlueCity();
Canvas roadBazaar();     // story_slides_bazaar.cpp
Canvas roadCourtyard();  // story_slides_courtyard.cpp
Canvas roadMerchant();   // story_slides_merchant.cpp
Canvas templeFacade();   // story_slides_temple.cpp
Canvas templeRecess();
Canvas templeDoor(bool open);  // story_slides_temple_door.cpp
Canvas templeHall();           // story_slides_hall.cpp
Canvas hallWall();
Canvas hallMap();
Canvas hallFloor();

}  // namespace gen::slides

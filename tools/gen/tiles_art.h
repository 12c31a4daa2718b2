// Shared parts of the cell pictures: sizes, kinds, treasures, strips, shattering and data file text.
#pragma once

#include <cstdint>
#include <string>
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

// tiles_covers.cpp: the wooden board cover at frame 0, shared with the wood chip sheets.
paint::Canvas woodBoard(int size);
// particles_chips.cpp: "gfx/particles/tiles/wood-<size>.png".
void writeChipSheets(const Context& ctx);

}  // namespace gen

namespace gen::tiles {

using namespace paint;

// Tile sizes by size index: index 0 is the largest.
inline constexpr int kSizes[5] = {50, 36, 30, 24, 20};

// Frames of every cover strip; the rock animation plays over the last 8 of them.
inline constexpr int kCoverFrames = 12;
// Frames a treasure takes to grow in from nothing (it is drawn at scale f / 8).
inline constexpr int kTreasureFrames = 8;

// The transparent margin around a tile's body, so that neighbouring tiles show a thin seam.
inline float tileMargin(int s) {
    return s >= 30 ? 1.0f : 0.6f;
}
// The rounded body every tile and cover shares.
inline Shape tileBody(int s) {
    const float m = tileMargin(s);
    return Shape::rect(m, m, s - 2 * m, s - 2 * m, 0.09f * s + 0.5f);
}

// A picture kind: a glazed stone of one colour (ids 1..15; 0 is the empty cell, 16 the marker).
struct StoneKind {
    int id;
    const char* name;
    Color color;
};
const std::vector<StoneKind>& stoneKinds();

// tiles_kinds.cpp: the pictures of the tile kinds and the hover frame, `s` pixels square.
Canvas pictureStone(const StoneKind& k, int s);
Canvas brokenStone(const StoneKind& k, int s);
Canvas floorPiece(int s);                            // kind 0, the empty cell's sandy floor
std::vector<Canvas> floorBroken(int s, int frames);  // kind 0 broken: the floor crumbling away
Canvas markerDot(int s);                             // kind 16, drawn added onto a cell
Canvas hoverFrame(int s);

// A treasure that may lie under a picture cell (ids 1..n, drawn at random by the game).
struct TreasureKind {
    int id;
    const char* name;
    void (*draw)(Canvas& c, Vec2 centre, float size);  // the object, about `size` pixels across
};
const std::vector<TreasureKind>& treasureKinds();

// tiles_treasure_gems.cpp, tiles_treasure_relics.cpp: the treasures' objects.
void drawRuby(Canvas& c, Vec2 m, float d);
void drawEmerald(Canvas& c, Vec2 m, float d);
void drawSapphire(Canvas& c, Vec2 m, float d);
void drawAmethyst(Canvas& c, Vec2 m, float d);
void drawTopaz(Canvas& c, Vec2 m, float d);
void drawDiamond(Canvas& c, Vec2 m, float d);
void drawCoins(Canvas& c, Vec2 m, float d);
void drawScarab(Canvas& c, Vec2 m, float d);
void drawAnkh(Canvas& c, Vec2 m, float d);
void drawCatIdol(Canvas& c, Vec2 m, float d);

// An outlined part lit from the top left, with a soft shadow under it; the outline scales with `d`.
void treasurePart(Canvas& c, const Shape& s, const Fill& fill, float d, float depth = 0.0f,
                  bool shadow = true);
// Polished gold lit from the top left, for a part centred on `m` about `r` in radius.
Fill goldFill(Vec2 m, float r);
// A small four-pointed glint of light.
void glint(Canvas& c, Vec2 p, float r, float strength = 1.0f);

// tiles_covers.cpp, tiles_rocks.cpp: the cover strips with "data/tilesHide.dat", and the rocks.
void writeCovers(const Context& ctx);
void writeRocks(const Context& ctx);
// The rock of an empty cell, also the stone a mistake throws at the chest, in an s × s picture.
Canvas rock(int s);

// Frames laid side by side into one strip.
Canvas strip(const std::vector<Canvas>& frames);

// Composites `src` onto `dst` so that its point `pivot` lands on `at`, turned by `degrees` about the
// pivot and scaled by `scale`, sampled bilinearly.
void drawTransformed(Canvas& dst, const Canvas& src, Vec2 pivot, Vec2 at, float degrees, float scale,
                     float opacity = 1.0f);

// How a picture breaks apart over a strip of frames.
struct Shatter {
    int pieces = 7;            // shards, cut like stained glass around random seeds
    Vec2 impact{0.5f, 0.45f};  // where the blow lands, in fractions of the picture
    int crackFrames = 2;       // frames after the intact one that only show cracks widening
    float spread = 0.35f;      // how far shards fly outward, in picture sizes over the whole fall
    float drop = 0.55f;        // how far they fall under gravity, in picture sizes
    float spin = 50.0f;        // largest turn of a shard in degrees
    float shrink = 0.25f;      // how much a shard shrinks by the end
    float grain = 1.0f;        // above 1 the shards come out long and thin across, like split wood
    Color crack = hex(0x2e1508, 0.85f);
    uint32_t seed = 1;
};

// `frames` frames: the intact picture, cracks spreading, then the shards flying apart and fading.
std::vector<Canvas> shatter(const Canvas& intact, int frames, const Shatter& how);

// Darkens a picture along a few jagged lines from `impact`, as if struck there.
void crackLines(Canvas& c, Vec2 impact, int lines, float width, Color dark, uint32_t seed);

// Text of a data file in the game's format: named groups with tab-indented `key = value` lines.
class DataText {
  public:
    void open(const std::string& group);
    void close();
    void number(const std::string& key, int value);
    void text(const std::string& key, const std::string& value);
    void write(const std::string& path) const;

  private:
    std::string indent() const { return std::string(depth_, '\t'); }
    std::string out_;
    int depth_ = 0;
};

}  // namespace gen::tiles

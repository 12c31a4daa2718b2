// The jigsaw mini-game's pictures and levels: the board, three painted scenes, the piece cutter and the
// pieces' places on the screen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "paint/Canvas.h"
#include "paint/Fill.h"
#include "paint/Geometry.h"
#include "paint/Mask.h"
#include "paint/Shape.h"

namespace gen::jigsaw {

using namespace paint;

// The picture and the board's sunken field it is laid into, in screen pixels.
inline constexpr int kPicW = 480, kPicH = 360;
inline constexpr int kFieldX = 272, kFieldY = 204;
// The board's picture, centred on the screen.
inline constexpr int kBoardW = 580, kBoardH = 460;
// The scenes are painted at screen size and shrunk to the picture: small details come out clean.
inline constexpr int kPaintW = 1024, kPaintH = 768;

// One level: the picture's grid and the line of the text file that names it.
struct Level {
    int cols, rows;
    int title;
};
inline constexpr Level kLevels[] = {{4, 3, 7}, {5, 4, 8}, {6, 4, 9}};

// A cut piece: its grid cell and its picture, whose top-left corner lies at `origin` in picture pixels
// (the cell's corner less the margin that leaves room for the knobs).
struct Piece {
    int col = 0, row = 0;
    Vec2 origin;
    Canvas image;
};

// jigsaw_cutter.cpp: cuts the picture into cols × rows classic pieces; the knobs come from `seed`. The
// pieces' coverages add up to exactly one over the whole picture (checked; throws otherwise).
std::vector<Piece> cutPieces(const Canvas& picture, int cols, int rows, uint32_t seed);
// The margin round a cell of w × h pixels on the left and right (x) and top and bottom (y).
int marginFor(int cellSize);

// jigsaw_levels.cpp: the level file for level `index` (0-based) with its pieces' places and their scattered
// starting places around the board.
std::string levelFile(int index, const std::vector<Piece>& pieces, int cellW, int cellH);

// jigsaw_board.cpp: the board, kBoardW × kBoardH, with its picture field at (kFieldX, kFieldY) on screen.
Canvas board();

// jigsaw_art.cpp: painting on the scenes' canvas: a shape's coverage, and a shape filled inside a dark
// outline.
Mask rast(const Shape& s);
// A pointed arch of span x0..x1 springing at y `spring`, `rise` high, standing down to `bottom`.
Shape pointedArch(float x0, float x1, float spring, float rise, float bottom);
// Glazed tiles: eight-pointed white stars with gold hearts on `ground`, deep blue crosses between them.
Fill starTiles(float period, Color ground);
// A string of prayer flags sagging between two points: blue, white, red, green and yellow in turn.
void prayerFlags(Canvas& c, Vec2 a, Vec2 b, float sag, float size, uint32_t seed);
void inked(Canvas& c, const Shape& s, const Fill& f, float outline = 1.6f);

// jigsaw_egypt.cpp, jigsaw_persia.cpp, jigsaw_tibet.cpp: the scenes, kPaintW × kPaintH, opaque.
Canvas egyptScene();
Canvas persianCourtyard();
Canvas tibetTemple();

}  // namespace gen::jigsaw

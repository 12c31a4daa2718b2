// Tile kinds, covers and treasures read from the tile data files, and the per-size cell pictures.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/Engine.h"

constexpr int TILE_SIZES = 5;  // size indexes 0 (50 pixels) .. 4 (20 pixels)
extern const float tileSizes[TILE_SIZES];
extern const char* const tileSizeNames[TILE_SIZES];  // "50", "36", "30", "24", "20"

// A picture kind: kind 0 is a cell outside the picture, kind 16 the marker.
struct TTileData {
    int id = 0;
    std::array<eng::Image, TILE_SIZES> gfx;    // picture per size index, mid-handled
    std::array<eng::Image, TILE_SIZES> broke;  // broken picture per size index
    int brokeFrames = 0;
    int frames = 1;

    void draw(float x, float y, int size, float frame) const;
    // Picture kinds always show their first broken frame; kind 0 plays its broken strip.
    void drawBroke(float x, float y, int size, float frame) const;
};

// The board that hides a cell; frame 0 is intact, the later frames lift it away.
struct TTileHideGFX {
    int id = 0;
    std::array<eng::Image, TILE_SIZES> hideImg;
    float hideFrames = 1;
};

// A treasure that may lie under a picture cell.
struct TTresureData {
    int id = 0;
    std::array<eng::Image, TILE_SIZES> img;        // grows in while the cover lifts
    std::array<eng::Image, TILE_SIZES> normalImg;  // flying to and lying in the chest
    int frames = 1;

    // Drawn at scale f/8: it grows from nothing to full size as f runs from 0 to 8.
    void draw(float x, float y, int size, float f) const;
};

extern std::vector<std::shared_ptr<TTileData>> tileDataList;
extern std::vector<std::shared_ptr<TTileHideGFX>> tileHideList;
extern std::vector<std::shared_ptr<TTresureData>> tresureDataList;

extern std::array<eng::Image, TILE_SIZES> overImg;      // hover frame of a cell
extern std::array<eng::Image, TILE_SIZES> rockAnimImg;  // the rock growing under an empty cell, 8 frames
extern std::array<eng::Image, TILE_SIZES> rockImg;      // a rock lying in an empty cell; the stone sprite

// "data/tiles.dat" (kinds 0..n), "data/tilesHide.dat" (covers 1..n), "data/tresures.dat" (1..n).
// Each replaces its list; a missing file is reported and leaves the list empty.
void loadTileData();
void loadTileHide();
void loadTresures();
// The hover frames, rock strips and rock pictures.
void loadTileImages();

std::shared_ptr<TTileData> getTileDataById(int id);
std::shared_ptr<TTileHideGFX> getTileHideById(int id);
std::shared_ptr<TTresureData> getTresureDataById(int id);
// The cover given to a cell whose cover id is unknown: one frame, the first loaded cover's look.
std::shared_ptr<TTileHideGFX> defaultTileHide();

// Draws frame `frame` of an image, the index truncated and clamped to the image's strip.
void drawClampedFrame(const eng::Image& image, float x, float y, float frame);

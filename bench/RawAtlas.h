// The raw reference path's single atlas: the scene's pictures and the font's ASCII glyphs in one texture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Engine.h"

struct AtlasRect {
    float u0 = 0, v0 = 0, u1 = 0, v1 = 0;
    float w = 0, h = 0;    // pixels
    float hx = 0, hy = 0;  // the picture's handle
};

struct AtlasGlyph {
    AtlasRect rect;
    int left = 0, top = 0, advance = 0;  // top: from the line top down to the bitmap
};

struct RawAtlas {
    int size = 1024;
    std::vector<uint8_t> rgba;      // size x size
    std::vector<AtlasRect> images;  // as the scene's images
    AtlasGlyph glyphs[128];         // ASCII 32..126
};

// Packs the images' pixels (as the engine keeps them) and the font's glyphs at `fontSize` pixels.
bool buildRawAtlas(const std::vector<eng::Image>& images, const std::string& fontPath, int fontSize,
                   RawAtlas& out);

// The raw reference path's single atlas: the scene's pictures and the font's ASCII glyphs in one texture.
#include "RawAtlas.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPad = 2;  // the border repeats the edge pixels, as on the engine's pages

// Rows of blocks, left to right, top to bottom.
struct ShelfPacker {
    int size, x = 0, y = 0, rowH = 0;
    bool place(int w, int h, int& ox, int& oy) {
        if (x + w > size) {
            x = 0;
            y += rowH;
            rowH = 0;
        }
        if (w > size || y + h > size) return false;
        ox = x;
        oy = y;
        x += w;
        rowH = std::max(rowH, h);
        return true;
    }
};

bool put(RawAtlas& atlas, ShelfPacker& packer, const uint8_t* src, int w, int h, AtlasRect& rect) {
    int ox = 0, oy = 0;
    if (!packer.place(w + 2 * kPad, h + 2 * kPad, ox, oy)) return false;
    for (int y = 0; y < h + 2 * kPad; ++y) {
        const int sy = std::clamp(y - kPad, 0, h - 1);
        for (int x = 0; x < w + 2 * kPad; ++x) {
            const int sx = std::clamp(x - kPad, 0, w - 1);
            const uint8_t* s = &src[(static_cast<size_t>(sy) * w + sx) * 4];
            std::copy(s, s + 4, &atlas.rgba[(static_cast<size_t>(oy + y) * atlas.size + ox + x) * 4]);
        }
    }
    const float k = 1.0f / atlas.size;
    rect.u0 = (ox + kPad) * k;
    rect.v0 = (oy + kPad) * k;
    rect.u1 = (ox + kPad + w) * k;
    rect.v1 = (oy + kPad + h) * k;
    rect.w = static_cast<float>(w);
    rect.h = static_cast<float>(h);
    return true;
}

}  // namespace

bool buildRawAtlas(const std::vector<eng::Image>& images, const std::string& fontPath, int fontSize,
                   RawAtlas& out) {
    out.rgba.assign(static_cast<size_t>(out.size) * out.size * 4, 0);
    ShelfPacker packer{out.size};
    for (const eng::Image& img : images) {
        eng::Pixmap pm = eng::ImagePixmap(img);
        AtlasRect rect;
        if (!pm || !put(out, packer, pm->rgba.data(), pm->width, pm->height, rect)) return false;
        eng::GetImageHandle(img, rect.hx, rect.hy);
        out.images.push_back(rect);
    }
    // Glyphs rendered the way the engine's fonts render them.
    FT_Library lib = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&lib) != 0) return false;
    bool ok = FT_New_Face(lib, fontPath.c_str(), 0, &face) == 0 &&
              FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(fontSize)) == 0;
    const int ascender = ok ? static_cast<int>(std::ceil(face->size->metrics.ascender / 64.0)) : 0;
    for (int c = 32; ok && c < 127; ++c) {
        if (FT_Load_Char(face, c, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) continue;
        const FT_GlyphSlot slot = face->glyph;
        AtlasGlyph& g = out.glyphs[c];
        g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        g.left = slot->bitmap_left;
        g.top = ascender - slot->bitmap_top;
        const int w = static_cast<int>(slot->bitmap.width), h = static_cast<int>(slot->bitmap.rows);
        if (w <= 0 || h <= 0) continue;
        std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4, 255);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                rgba[(static_cast<size_t>(y) * w + x) * 4 + 3] =
                    slot->bitmap.buffer[y * slot->bitmap.pitch + x];
        ok = put(out, packer, rgba.data(), w, h, g.rect);
    }
    if (face) FT_Done_Face(face);
    FT_Done_FreeType(lib);
    return ok;
}

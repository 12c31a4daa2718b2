// Image fonts: TrueType files rendered with FreeType into glyphs that live in the atlas pages.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cmath>

#include "engine/Internal.h"

namespace eng {

std::string builtinFontBytes();

namespace {

FT_Library library() {
    static FT_Library lib = nullptr;
    if (!lib && FT_Init_FreeType(&lib) != 0) lib = nullptr;
    return lib;
}

ImageFont makeFont(std::string bytes, const std::string& path, int size) {
    FT_Library lib = library();
    if (!lib || size <= 0) return nullptr;
    auto font = std::make_shared<FontData>();
    font->fileBytes = std::move(bytes);
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(lib, reinterpret_cast<const FT_Byte*>(font->fileBytes.data()),
                           static_cast<FT_Long>(font->fileBytes.size()), 0, &face) != 0)
        return nullptr;
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size)) != 0) {
        FT_Done_Face(face);
        return nullptr;
    }
    font->face = face;
    font->path = path;
    font->size = size;
    const int asc = static_cast<int>(std::ceil(face->size->metrics.ascender / 64.0));
    const int desc = static_cast<int>(std::ceil(-face->size->metrics.descender / 64.0));
    font->ascender = asc;
    font->lineHeight = asc + desc;
    return font;
}

FontData& current() {
    ImageFont f = GetImageFont();
    if (f) return *f;
    static ImageFont builtin = makeFont(builtinFontBytes(), "<built-in>", 16);
    return *builtin;
}

}  // namespace

const Glyph& FontData::glyph(uint32_t code) {
    auto it = glyphs.find(code);
    if (it != glyphs.end()) return it->second;
    Glyph& g = glyphs[code];
    if (code < 32 || code == 127) return g;  // control characters show and measure as nothing
    FT_Face f = static_cast<FT_Face>(face);
    if (!f || FT_Load_Char(f, code, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) return g;
    FT_GlyphSlot slot = f->glyph;
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    g.width = static_cast<int>(slot->bitmap.width);
    g.height = static_cast<int>(slot->bitmap.rows);
    g.left = slot->bitmap_left;
    g.top = ascender - slot->bitmap_top;
    g.alpha.resize(static_cast<size_t>(g.width) * g.height);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            const unsigned char* row = slot->bitmap.buffer + y * slot->bitmap.pitch;
            g.alpha[static_cast<size_t>(y) * g.width + x] = slot->bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                                                ? ((row[x >> 3] >> (7 - (x & 7))) & 1) * 255
                                                                : row[x];
        }
    return g;
}

ImageFont LoadImageFont(const std::string& path, int size, int style) {
    std::string bytes;
    ImageFont font = ReadFileBytes(path, bytes) ? makeFont(std::move(bytes), path, size) : nullptr;
    if (!font) noteLoadFailure(path);
    return font;
}

int TextWidth(const std::string& text) {
    FontData& font = current();
    int w = 0;
    for (uint32_t c : DecodeUtf8(text)) w += font.glyph(c).advance;
    return w;
}

int TextHeight(const std::string& text) {
    return current().lineHeight;
}

void DrawText(const std::string& text, float x, float y) {
    if (!gfx::ready() || text.empty()) return;
    FontData& font = current();
    float sx, sy;
    GetScale(sx, sy);
    if (sx == 1 && sy == 1 && GetRotation() == 0) {  // keep unscaled text on whole pixels
        x = std::round(x);
        y = std::round(y);
    }
    int pen = 0;
    for (uint32_t c : DecodeUtf8(text)) {
        Glyph& g = const_cast<Glyph&>(font.glyph(c));
        if (g.width > 0 && g.height > 0) {
            const TexRegion& r = gfx::glyphRegion(g);
            float corners[8];
            gfx::transform(x, y, static_cast<float>(g.width), static_cast<float>(g.height),
                           -static_cast<float>(pen + g.left), -static_cast<float>(g.top), corners);
            Quad q;
            for (int i = 0; i < 4; ++i) {
                q.x[i] = corners[i * 2];
                q.y[i] = corners[i * 2 + 1];
            }
            q.u0 = r.u0;
            q.v0 = r.v0;
            q.u1 = r.u1;
            q.v1 = r.v1;
            gfx::pushQuad(r, q);
        }
        pen += g.advance;
    }
}

}  // namespace eng

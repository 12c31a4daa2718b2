// Glyph loading, kerning and anti-aliased rendering with FreeType (unhinted, subpixel pen positions).
#include "paint/Text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>
#include <stdexcept>

#include "paint/Field.h"
#include "paint/Mask.h"

namespace paint {

struct Font::Impl {
    FT_Library lib = nullptr;
    FT_Face face = nullptr;
    std::string path;
};

std::u32string decodeUtf8(const std::string& s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        if (i + extra >= s.size()) extra = 0;
        char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(cp);
        i += 1 + extra;
    }
    return out;
}

Font::Font(const std::string& path) : impl_(new Impl) {
    impl_->path = path;
    if (FT_Init_FreeType(&impl_->lib) != 0) {
        delete impl_;
        throw std::runtime_error("FreeType could not start");
    }
    if (FT_New_Face(impl_->lib, path.c_str(), 0, &impl_->face) != 0) {
        FT_Done_FreeType(impl_->lib);
        delete impl_;
        throw std::runtime_error("cannot open font " + path);
    }
}

Font::~Font() {
    FT_Done_Face(impl_->face);
    FT_Done_FreeType(impl_->lib);
    delete impl_;
}

// Calls fn(glyph slot, pen x in 1/64 px) for each glyph after loading it at the pen position.
template <typename Fn>
void Font::forGlyphs(const std::string& text, float px, float tracking, Fn fn) const {
    FT_Face face = impl_->face;
    FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(px * 64)), 72, 72);
    long pen = 0;
    FT_UInt prev = 0;
    for (char32_t cp : decodeUtf8(text)) {
        const FT_UInt index = FT_Get_Char_Index(face, cp);
        if (prev && index && FT_HAS_KERNING(face)) {
            FT_Vector k;
            FT_Get_Kerning(face, prev, index, FT_KERNING_UNFITTED, &k);
            pen += k.x;
        }
        if (FT_Load_Glyph(face, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) continue;
        fn(face->glyph, pen);
        pen += face->glyph->advance.x + static_cast<long>(std::lround(tracking * 64));
        prev = index;
    }
    fn(nullptr, pen);
}

float Font::advance(const std::string& text, float px, float tracking) const {
    float width = 0;
    forGlyphs(text, px, tracking, [&](FT_GlyphSlot g, long pen) {
        if (!g) width = static_cast<float>(pen) / 64.0f - tracking;
    });
    return width;
}

Rect Font::inkBounds(const std::string& text, float px, float tracking) const {
    Rect box{1e9f, 1e9f, -1e9f, -1e9f};
    forGlyphs(text, px, tracking, [&](FT_GlyphSlot g, long pen) {
        if (!g || g->format != FT_GLYPH_FORMAT_OUTLINE || g->outline.n_points == 0) return;
        FT_BBox b;
        FT_Outline_Get_CBox(&g->outline, &b);
        box.x0 = std::min(box.x0, static_cast<float>(pen + b.xMin) / 64.0f);
        box.x1 = std::max(box.x1, static_cast<float>(pen + b.xMax) / 64.0f);
        box.y0 = std::min(box.y0, -static_cast<float>(b.yMax) / 64.0f);
        box.y1 = std::max(box.y1, -static_cast<float>(b.yMin) / 64.0f);
    });
    return box;
}

void Font::render(Mask& into, const std::string& text, float px, Vec2 pen, float tracking) const {
    const long originX = std::lround(pen.x * 64);
    const long originY = std::lround(pen.y * 64);
    forGlyphs(text, px, tracking, [&](FT_GlyphSlot g, long penX) {
        if (!g || g->format != FT_GLYPH_FORMAT_OUTLINE) return;
        // Shift by the fractional part so the bitmap lands on whole pixels with exact subpixel placement.
        const long x26 = originX + penX, y26 = originY;
        const long fracX = x26 & 63, fracY = y26 & 63;
        FT_Outline_Translate(&g->outline, fracX, -fracY);
        if (FT_Render_Glyph(g, FT_RENDER_MODE_NORMAL) != 0) return;
        const FT_Bitmap& bm = g->bitmap;
        const int left = static_cast<int>((x26 - fracX) / 64) + g->bitmap_left;
        const int top = static_cast<int>((y26 - fracY) / 64) - g->bitmap_top;
        for (unsigned row = 0; row < bm.rows; ++row)
            for (unsigned col = 0; col < bm.width; ++col) {
                const int x = left + static_cast<int>(col), y = top + static_cast<int>(row);
                if (x < 0 || y < 0 || x >= into.width() || y >= into.height()) continue;
                const float v = bm.buffer[row * bm.pitch + col] / 255.0f;
                into.at(x, y) = std::max(into.at(x, y), v);
            }
    });
}

Field Font::field(int w, int h, const std::string& text, float px, Vec2 pen, float tracking) const {
    constexpr int kFactor = 4;
    Mask big(w * kFactor, h * kFactor);
    render(big, text, px * kFactor, pen * kFactor, tracking * kFactor);
    return Field::fromMask(big, kFactor);
}

}  // namespace paint

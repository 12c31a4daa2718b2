// Text from TrueType/OpenType fonts through FreeType, rendered as coverage for styling.
#pragma once

#include <string>

#include "paint/Geometry.h"

namespace paint {

class Field;
class Mask;

class Font {
  public:
    // Throws std::runtime_error naming the file when it is missing or unreadable.
    explicit Font(const std::string& path);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Width of the pen advance of `text` at `px` pixels, with `tracking` extra pixels between letters.
    float advance(const std::string& text, float px, float tracking = 0.0f) const;
    // The inked box of the text relative to a pen at (0, 0) on the baseline.
    Rect inkBounds(const std::string& text, float px, float tracking = 0.0f) const;
    // Adds the text's coverage to `into` (maximum), pen starting at `pen` on the baseline.
    void render(Mask& into, const std::string& text, float px, Vec2 pen, float tracking = 0.0f) const;
    // The distance field of the text on a w×h grid, drawn 4× supersampled for clean outlines.
    Field field(int w, int h, const std::string& text, float px, Vec2 pen, float tracking = 0.0f) const;

  private:
    template <typename Fn>
    void forGlyphs(const std::string& text, float px, float tracking, Fn fn) const;
    struct Impl;
    Impl* impl_;
};

// Decodes UTF-8 into code points (invalid bytes pass through as themselves).
std::u32string decodeUtf8(const std::string& s);

}  // namespace paint

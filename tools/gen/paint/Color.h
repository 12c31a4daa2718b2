// Straight-alpha colours in 0..1, built from hex values and mixed plainly or perceptually.
#pragma once

#include <cstdint>

namespace paint {

struct Color {
    float r = 0, g = 0, b = 0, a = 1;
    Color withAlpha(float alpha) const { return {r, g, b, alpha}; }
    Color fade(float f) const { return {r, g, b, a * f}; }
};

// 0xRRGGBB.
constexpr Color hex(uint32_t rgb, float a = 1.0f) {
    return {static_cast<float>((rgb >> 16) & 255) / 255.0f, static_cast<float>((rgb >> 8) & 255) / 255.0f,
            static_cast<float>(rgb & 255) / 255.0f, a};
}

inline constexpr Color kTransparent{0, 0, 0, 0};
inline constexpr Color kWhite{1, 1, 1, 1};
inline constexpr Color kBlack{0, 0, 0, 1};

// Plain component-wise mix in sRGB.
Color mix(Color a, Color b, float t);
// Mix in the Oklab space: hue transitions without grey or muddy midpoints.
Color mixOklab(Color a, Color b, float t);
// Towards white / towards black by t, keeping alpha.
Color lighter(Color c, float t);
Color darker(Color c, float t);

}  // namespace paint

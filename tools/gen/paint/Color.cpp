// Colour mixing, including the perceptual Oklab mix used by gradients.
#include "paint/Color.h"

#include <cmath>

namespace paint {

namespace {

struct Lab {
    float l, a, b;
};

float toLinear(float c) {
    return c <= 0.04045f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f);
}
float toSrgb(float c) {
    if (c <= 0.0f) return 0.0f;
    return c <= 0.0031308f ? c * 12.92f : 1.055f * std::pow(c, 1.0f / 2.4f) - 0.055f;
}

Lab toOklab(Color c) {
    const float r = toLinear(c.r), g = toLinear(c.g), b = toLinear(c.b);
    const float l = std::cbrt(0.4122214708f * r + 0.5363325363f * g + 0.0514459929f * b);
    const float m = std::cbrt(0.2119034982f * r + 0.6806995451f * g + 0.1073969566f * b);
    const float s = std::cbrt(0.0883024619f * r + 0.2817188376f * g + 0.6299787005f * b);
    return {0.2104542553f * l + 0.7936177850f * m - 0.0040720468f * s,
            1.9779984951f * l - 2.4285922050f * m + 0.4505937099f * s,
            0.0259040371f * l + 0.7827717662f * m - 0.8086757660f * s};
}

Color fromOklab(Lab c, float alpha) {
    const float l = c.l + 0.3963377774f * c.a + 0.2158037573f * c.b;
    const float m = c.l - 0.1055613458f * c.a - 0.0638541728f * c.b;
    const float s = c.l - 0.0894841775f * c.a - 1.2914855480f * c.b;
    const float l3 = l * l * l, m3 = m * m * m, s3 = s * s * s;
    auto out = [](float v) { return std::fmin(1.0f, std::fmax(0.0f, toSrgb(v))); };
    return {out(4.0767416621f * l3 - 3.3077115913f * m3 + 0.2309699292f * s3),
            out(-1.2684380046f * l3 + 2.6097574011f * m3 - 0.3413193965f * s3),
            out(-0.0041960863f * l3 - 0.7034186147f * m3 + 1.7076147010f * s3), alpha};
}

}  // namespace

Color mix(Color a, Color b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Color mixOklab(Color a, Color b, float t) {
    const Lab la = toOklab(a), lb = toOklab(b);
    return fromOklab({la.l + (lb.l - la.l) * t, la.a + (lb.a - la.a) * t, la.b + (lb.b - la.b) * t},
                     a.a + (b.a - a.a) * t);
}

Color lighter(Color c, float t) {
    return mix(c, kWhite.withAlpha(c.a), t);
}
Color darker(Color c, float t) {
    return mix(c, kBlack.withAlpha(c.a), t);
}

}  // namespace paint

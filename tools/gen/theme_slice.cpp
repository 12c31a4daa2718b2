// Nine-piece cutting of a painted frame, with a check that corners and edges meet without a seam.
#include "theme_slice.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace gen {

using namespace paint;

namespace {

constexpr float kTolerance = 2.0f / 255.0f;  // what a seam may differ by, in any channel

// Where along one axis a piece takes its pixels: the near end, the stretched middle or the far end.
enum class Span { Near, Middle, Far };

struct Axis {
    int src;  // the painting's pixel
    float t;  // 0..1 across the panel
};

Axis along(Span s, int i, int corner, int length, int size) {
    switch (s) {
        case Span::Near:
            return {i, 0.0f};
        case Span::Far:
            return {size - corner + i, 1.0f};
        case Span::Middle:
            break;
    }
    return {size / 2, length > 1 ? static_cast<float>(i) / (length - 1) : 0.5f};
}

float pixelGap(const Pixel& a, const Pixel& b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b), std::abs(a.a - b.a)});
}

// Every column (row) where a corner ends must match the middle one the edges are made of.
void checkSeams(const FrameArt& art, int corner) {
    const Canvas& d = art.deco;
    const int w = d.width(), h = d.height();
    float worst = 0;
    int wx = 0, wy = 0;
    auto compare = [&](int x, int y, int mx, int my) {
        const float gap =
            std::max(pixelGap(d.at(x, y), d.at(mx, my)), std::abs(art.panel.at(x, y) - art.panel.at(mx, my)));
        if (gap <= worst) return;
        worst = gap;
        wx = x;
        wy = y;
    };
    for (int y = 0; y < h; ++y)
        for (int x : {corner - 1, w - corner}) compare(x, y, w / 2, y);
    for (int x = 0; x < w; ++x)
        for (int y : {corner - 1, h - corner}) compare(x, y, x, h / 2);
    if (worst > kTolerance)
        throw std::runtime_error("a corner does not meet its edge at (" + std::to_string(wx) + ", " +
                                 std::to_string(wy) + "): off by " + std::to_string(worst * 255) + "/255");
}

}  // namespace

void checkStripEnds(const Canvas& strip, int end) {
    const int w = strip.width();
    float worst = 0;
    for (int y = 0; y < strip.height(); ++y)
        for (int x : {end - 1, w - end})
            worst = std::max(worst, pixelGap(strip.at(x, y), strip.at(w / 2, y)));
    if (worst > kTolerance)
        throw std::runtime_error("a strip's end does not meet its middle: off by " +
                                 std::to_string(worst * 255) + "/255");
}

std::array<Canvas, 9> sliceFrame(const FrameArt& art, int corner, int length) {
    checkSeams(art, corner);
    static constexpr Span kSpans[9][2] = {
        {Span::Near, Span::Near},  {Span::Middle, Span::Near}, {Span::Far, Span::Near},
        {Span::Far, Span::Middle}, {Span::Far, Span::Far},     {Span::Middle, Span::Far},
        {Span::Near, Span::Far},   {Span::Near, Span::Middle}, {Span::Middle, Span::Middle},
    };
    const int w = art.deco.width(), h = art.deco.height();
    std::array<Canvas, 9> pieces;
    for (int k = 0; k < 9; ++k) {
        const Span sx = kSpans[k][0], sy = kSpans[k][1];
        const int pw = sx == Span::Middle ? length : corner, ph = sy == Span::Middle ? length : corner;
        Canvas piece(pw, ph);
        for (int y = 0; y < ph; ++y)
            for (int x = 0; x < pw; ++x) {
                const Axis ax = along(sx, x, corner, length, w), ay = along(sy, y, corner, length, h);
                Color fill = art.fill(ax.t, ay.t);
                fill.a *= art.panel.at(ax.src, ay.src);
                Pixel p = premultiply(fill);
                blendPixel(p, art.deco.at(ax.src, ay.src), Blend::Over);
                piece.at(x, y) = p;
            }
        pieces[k] = std::move(piece);
    }
    return pieces;
}

}  // namespace gen

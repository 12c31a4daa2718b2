// An RGBA float image with premultiplied alpha, painted through masks and composited with blend modes.
#pragma once

#include <cstddef>
#include <vector>

#include "paint/Color.h"

namespace paint {

class Fill;
class Mask;
class Shape;

// Premultiplied: colour channels already scaled by alpha.
struct Pixel {
    float r = 0, g = 0, b = 0, a = 0;
};

enum class Blend {
    Over,      // normal painting
    Multiply,  // darkens: shading, tinting
    Add,       // brightens: glows, light
    Screen,    // softer brightening that never exceeds white
    Inside,    // paints only where the canvas already has alpha, keeping that alpha (clipped painting)
};

void blendPixel(Pixel& dst, const Pixel& src, Blend mode);
Pixel premultiply(Color c);

class Canvas {
  public:
    Canvas() = default;
    Canvas(int w, int h, Color fill = kTransparent);

    int width() const { return w_; }
    int height() const { return h_; }
    Pixel& at(int x, int y) { return px_[static_cast<size_t>(y) * w_ + x]; }
    const Pixel& at(int x, int y) const { return px_[static_cast<size_t>(y) * w_ + x]; }
    std::vector<Pixel>& pixels() { return px_; }
    const std::vector<Pixel>& pixels() const { return px_; }

    void clear(Color c);
    // Paints `fill` through the coverage of `m` (same size as the canvas).
    void paint(const Mask& m, const Fill& fill, Blend mode = Blend::Over, float opacity = 1.0f);
    void paint(const Shape& s, const Fill& fill, Blend mode = Blend::Over, float opacity = 1.0f);
    // Composites another canvas with its top-left corner at (dx, dy).
    void draw(const Canvas& src, int dx, int dy, Blend mode = Blend::Over, float opacity = 1.0f);
    // Keeps only what lies inside m (every pixel scaled by its coverage).
    void clip(const Mask& m);
    Mask alpha() const;
    void blur(float sigma);
    // Cut-out of the given rectangle (parts outside the canvas stay transparent).
    Canvas cropped(int x, int y, int w, int h) const;
    // Box-averages factor×factor blocks: pictures painted large come out with clean small details.
    Canvas downsampled(int factor) const;

  private:
    int w_ = 0, h_ = 0;
    std::vector<Pixel> px_;
};

}  // namespace paint

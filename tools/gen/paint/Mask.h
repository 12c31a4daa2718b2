// A single-channel coverage image (0 = nothing, 1 = fully covered) and the operations that combine them.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "paint/Geometry.h"

namespace paint {

class Mask {
  public:
    Mask() = default;
    Mask(int w, int h, float value = 0.0f);

    int width() const { return w_; }
    int height() const { return h_; }
    float& at(int x, int y) { return v_[static_cast<size_t>(y) * w_ + x]; }
    float at(int x, int y) const { return v_[static_cast<size_t>(y) * w_ + x]; }
    // Zero outside the mask.
    float get(int x, int y) const { return x < 0 || y < 0 || x >= w_ || y >= h_ ? 0.0f : at(x, y); }
    // Bilinear sample at a point in pixel coordinates (pixel centres at +0.5).
    float sample(float x, float y) const;
    std::vector<float>& values() { return v_; }
    const std::vector<float>& values() const { return v_; }

    Mask& multiply(const Mask& o);  // intersection
    Mask& unite(const Mask& o);     // union (maximum)
    Mask& subtract(const Mask& o);  // this × (1 − o)
    Mask& invert();                 // 1 − this
    Mask& scale(float f);           // every value × f, clamped to 0..1
    Mask& blur(float sigma);
    // Shaped coverage: values through a smooth ramp from lo to hi.
    Mask& levels(float lo, float hi);

    Mask shifted(int dx, int dy) const;
    // Bends the mask: each output pixel centre p takes the value at source(p) (arcs, waves, flags).
    Mask warped(const std::function<Vec2(Vec2)>& source) const;
    Mask blurred(float sigma) const;
    // Box-averages factor×factor blocks (for supersampled drawing).
    Mask downsampled(int factor) const;

  private:
    int w_ = 0, h_ = 0;
    std::vector<float> v_;
};

}  // namespace paint

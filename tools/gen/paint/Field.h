// A grid of signed distances to an edge (negative inside, in pixels): the source of outlines, bevels and
// glows.
#pragma once

#include <cstddef>
#include <vector>

#include "paint/Geometry.h"

namespace paint {

class Mask;

class Field {
  public:
    Field() = default;
    Field(int w, int h, float value = 0.0f);
    // The distance field of a supersampled coverage mask (factor× the wanted size), e.g. rendered text.
    static Field fromMask(const Mask& hires, int factor);

    int width() const { return w_; }
    int height() const { return h_; }
    float& at(int x, int y) { return v_[static_cast<size_t>(y) * w_ + x]; }
    float at(int x, int y) const { return v_[static_cast<size_t>(y) * w_ + x]; }
    // Clamped to the border.
    float get(int x, int y) const;
    // Unit vector pointing away from the shape (the outward normal near the edge).
    Vec2 normal(int x, int y) const;

    // Coverage of the shape grown by `grow` pixels; feather widens the edge.
    Mask coverage(float grow = 0.0f, float feather = 1.0f) const;
    // Coverage of a band from `inner` to `outer` pixels off the edge (e.g. 0..4 = a 4 px outer outline).
    Mask band(float inner, float outer, float feather = 1.0f) const;
    Field& offset(float d);  // grows the shape by d (all distances − d)

  private:
    int w_ = 0, h_ = 0;
    std::vector<float> v_;
};

}  // namespace paint

// Builds outlines from lines and Bézier curves, flattened to point lists for polygon and stroke shapes.
#pragma once

#include <vector>

#include "paint/Geometry.h"

namespace paint {

class Path {
  public:
    Path& moveTo(Vec2 p);
    Path& lineTo(Vec2 p);
    Path& quadTo(Vec2 control, Vec2 end);
    Path& cubicTo(Vec2 c1, Vec2 c2, Vec2 end);
    // A smooth curve through every given point (Catmull-Rom), starting from the current point.
    Path& smoothThrough(const std::vector<Vec2>& points);
    // Adds the same points mirrored across the vertical line x = axis, in reverse order, so a path
    // drawn for the left half of a symmetric figure closes into the whole figure.
    Path& mirrorX(float axis);

    const std::vector<Vec2>& points() const { return pts_; }
    Vec2 current() const { return pts_.empty() ? Vec2{} : pts_.back(); }

  private:
    static int stepsFor(float approxLength);
    std::vector<Vec2> pts_;
};

}  // namespace paint

// Shapes as signed distance functions (negative inside, in pixels), combinable and transformable.
#pragma once

#include <memory>
#include <vector>

#include "paint/Geometry.h"

namespace paint {

class Mask;
class Field;

class Shape {
  public:
    // Every shape node answers a distance and a conservative bounding box.
    struct Node {
        virtual ~Node() = default;
        virtual float distance(Vec2 p) const = 0;
        virtual Rect bounds() const = 0;
    };

    explicit Shape(std::shared_ptr<const Node> node) : node_(std::move(node)) {}

    static Shape circle(Vec2 centre, float radius);
    static Shape ellipse(Vec2 centre, float rx, float ry);
    static Shape rect(float x, float y, float w, float h, float radius = 0.0f);
    // A closed polygon (even-odd rule); curves come flattened from Path.
    static Shape polygon(std::vector<Vec2> points);
    // A straight line of the given width with round caps.
    static Shape line(Vec2 a, Vec2 b, float width);
    // An open polyline with round joins; `widths` (one per point, or one for all) may taper it.
    static Shape stroke(std::vector<Vec2> points, std::vector<float> widths);
    // A star of `points` tips between the two radii; rotation 0 puts the first tip straight up.
    static Shape star(Vec2 centre, int points, float outer, float inner, float rotationDeg = 0.0f);
    // A regular polygon with `sides` corners, the first straight up.
    static Shape regular(Vec2 centre, int sides, float radius, float rotationDeg = 0.0f);

    Shape operator|(const Shape& o) const;  // union
    Shape operator&(const Shape& o) const;  // intersection
    Shape operator-(const Shape& o) const;  // this without o
    // Union that melts the two shapes together over about k pixels.
    Shape blend(const Shape& o, float k) const;
    Shape grown(float r) const;        // outwards by r (negative r shrinks)
    Shape outline(float width) const;  // a band of `width` centred on the edge
    Shape moved(Vec2 d) const;
    Shape rotated(float degrees, Vec2 pivot) const;
    Shape scaled(float s, Vec2 pivot) const;

    float distance(Vec2 p) const { return node_->distance(p); }
    Rect bounds() const { return node_->bounds(); }

    // Coverage on a w×h grid; feather widens the anti-aliased edge (1 = one pixel, crisp).
    Mask rasterize(int w, int h, float feather = 1.0f) const;
    // Adds the coverage to an existing mask (maximum), so many small shapes gather cheaply.
    void drawInto(Mask& m, float feather = 1.0f) const;
    // Signed distances on a w×h grid; far from the edge (beyond `band`) values are only approximate.
    Field field(int w, int h, float band = 16.0f) const;

  private:
    std::shared_ptr<const Node> node_;
};

}  // namespace paint

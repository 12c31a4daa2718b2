// Colour sources for painting: solid colours, linear and radial gradients, and per-pixel functions.
#pragma once

#include <functional>
#include <initializer_list>
#include <vector>

#include "paint/Color.h"
#include "paint/Geometry.h"

namespace paint {

struct Stop {
    float pos;
    Color color;
};

// Colour stops from 0 to 1, mixed perceptually (Oklab) and looked up from a fine table.
class Gradient {
  public:
    Gradient(std::initializer_list<Stop> stops);
    explicit Gradient(const std::vector<Stop>& stops);
    Color at(float t) const;

  private:
    std::vector<Color> table_;
};

class Fill {
  public:
    using Fn = std::function<Color(float x, float y)>;

    Fill(Color c);  // NOLINT: a colour is a fill
    explicit Fill(Fn fn) : fn_(std::move(fn)) {}

    // Along the line from p0 (t = 0) to p1 (t = 1), constant across it.
    static Fill linear(Vec2 p0, Vec2 p1, Gradient g);
    // Vertical shortcut: top y0 → bottom y1.
    static Fill vertical(float y0, float y1, Gradient g);
    static Fill radial(Vec2 centre, float radius, Gradient g);
    static Fill radial(Vec2 centre, Vec2 radii, Gradient g);  // elliptical

    Color at(float x, float y) const { return fn_(x, y); }
    bool solid() const { return solid_; }

  private:
    Fn fn_;
    bool solid_ = false;
};

}  // namespace paint

// Drawing a standing figure in figure units: the rig that places, mirrors and bends the parts, and the
// body parts every character shares (legs, arms, hands, head and face).
#pragma once

#include <vector>

#include "story_outro_art.h"

namespace gen::outro {

// Figure units: feet on y = 0, head's top near y = -340, x pointing the way the figure faces. Points
// above the hips may follow the bow of the upper body.
class Rig {
  public:
    Rig(Canvas& c, Vec2 foot, float scale, int facing, float bow);
    Canvas& canvas() { return c_; }
    float k() const { return k_; }
    int facing() const { return f_; }
    // Where a point lands on the canvas; `upper` points bend with the upper body.
    Vec2 at(Vec2 u, bool upper = true) const;

    Shape ellipse(Vec2 c, float rx, float ry, float turn = 0, bool upper = true) const;
    Shape circle(Vec2 c, float r, bool upper = true) const { return ellipse(c, r, r, 0, upper); }
    Shape poly(const std::vector<Vec2>& pts, bool upper = true) const;
    // A closed outline through the points, rounded (Catmull-Rom).
    Shape smooth(const std::vector<Vec2>& pts, bool upper = true) const;
    Shape limb(const std::vector<Vec2>& pts, const std::vector<float>& widths, bool upper = true) const;
    // Cloth or skin of one colour lit from the top left over a part of radius r round m.
    Fill cloth(Vec2 m, float r, Color col, bool upper = true) const;

    // An outlined, bevelled part (outline and depth in figure units).
    void part(const Shape& s, const Fill& f, float outline = 1.1f, float depth = 3.0f);
    // A coat over what is there, kept inside `within`, softened by `soften` figure units.
    void shade(const Shape& s, const Shape& within, Color col, float soften = 0);
    // A line over what is there (folds, seams, strands).
    void ink(const std::vector<Vec2>& pts, float width, Color col, bool upper = true);

  private:
    Canvas& c_;
    Vec2 foot_;
    float k_;
    int f_;
    float bow_;
};

// The hip the upper body bends at, the shoulders and the head's centre.
inline constexpr Vec2 kHip{0, -172};
inline constexpr Vec2 kNearShoulder{-22, -262}, kFarShoulder{20, -264};

// An arm from `shoulder`: swung forward by `angle` degrees from hanging, the elbow bent by `elbow` more.
struct Arm {
    Vec2 shoulder, elbow, wrist, hand;
};
Arm armFrom(Vec2 shoulder, float angle, float elbowBend, float length = 1.0f);
// The sleeve (upper and lower, colours may differ: a rolled-up sleeve shows skin) of one arm.
void paintArm(Rig& r, const Arm& a, Color upperSleeve, Color lowerSleeve, float width);
// A hand at the arm's end, its fingers curled round what it holds.
void paintHand(Rig& r, const Arm& a, Color skin);

// Trousered legs with boots or shoes; the feet `stride` apart.
void paintLegs(Rig& r, float stride, Color trousers, Color boots, float bootTop);

struct Face {
    Vec2 centre{5, -304};
    float rx = 17, ry = 21;
    Color skin, skinShade;
    Color eyes = hex(0x3b2414), brows = hex(0x3b2414), lips = hex(0xb0533c);
    bool smile = true, angry = false, surprised = false, female = false, oldAge = false, closedEyes = false;
    bool ear = true;
};
// The neck, ear and head of skin.
void paintHead(Rig& r, const Face& f);
// Eyes, brows, nose, mouth and cheeks, turned three quarters towards the way the figure faces.
void paintFeatures(Rig& r, const Face& f);

// story_outro_cast.cpp: the characters, each drawn through the rig in its pose.
void paintTazmira(Rig& r, const Pose& p);
void paintWren(Rig& r, const Pose& p);
void paintHamid(Rig& r, const Pose& p);
void paintCorvin(Rig& r, const Pose& p);
void paintMonk(Rig& r, const Pose& p);
// What a figure holds, drawn between its hands (after the sleeves, before the hands).
void paintHeld(Rig& r, const Pose& p, const Arm& nearArm, const Arm& farArm);

}  // namespace gen::outro

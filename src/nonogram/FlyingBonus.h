// A power-up icon flying back to its slot: a tool put away leaves the pointer and lands on its button,
// which stays inactive until the icon has arrived.
#pragma once

#include <array>
#include <memory>

#include "effects/EffectList.h"
#include "engine/Engine.h"

class TGui;
class TFlyingBonus;
using TFlyingBonusList = TEffectList<TFlyingBonus>;

class TFlyingBonus {
  public:
    int n = 0;  // icon kind: 2 the map, 3 the eye, 4 the skull; it flies to the button "bonus" + (n + 1)
    float x = 0, y = 0;
    float x1 = 0, y1 = 0;
    float x2 = 0, y2 = 0;
    float mx = 0, my = 0;
    float per = 0;
    float rot = 0;
    TFlyingBonusList* list = nullptr;
    TGui* gui = nullptr;  // whose button it lands on

    void draw() const;
    void update();
    // Landed: the slot's button takes clicks again and the icon leaves its list.
    void destroy();
};

// The icon pictures by kind (kinds 0 and 1 never fly); loaded once with the cursors.
extern std::array<eng::Image, 5> flyingBonusImages;
void loadFlyingBonusImages();

// The held tool's icon from (x, y) back to the button "bonus" + (kind + 1) of `gui`.
std::shared_ptr<TFlyingBonus> startFlyingBonus(int kind, float x, float y, TGui& gui, TFlyingBonusList& list);

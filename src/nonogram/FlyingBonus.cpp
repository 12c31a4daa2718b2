// A power-up icon flying back to its slot.
#include "nonogram/FlyingBonus.h"

#include <algorithm>
#include <cmath>

#include "core/Curve.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "gui/Gui.h"

using namespace eng;

std::array<Image, 5> flyingBonusImages;

void loadFlyingBonusImages() {
    const std::string dir = programPrefix + "gfx/gui/mouse/";
    const char* names[5] = {"oko.png", "oko.png", "mapa.png", "oko.png", "czaszka.png"};
    for (int k = 0; k < 5; ++k) {
        flyingBonusImages[k] = loadImageOrWarn(dir + names[k], FILTEREDIMAGE | MIPMAPPEDIMAGE);
        if (flyingBonusImages[k]) MidHandleImage(flyingBonusImages[k]);
    }
}

std::shared_ptr<TFlyingBonus> startFlyingBonus(int kind, float x, float y, TGui& gui,
                                               TFlyingBonusList& list) {
    auto b = std::make_shared<TFlyingBonus>();
    b->n = kind;
    b->gui = &gui;
    b->x = b->x1 = x;
    b->y = b->y1 = y;
    if (auto button = gui.getItem("bonus" + std::to_string(kind + 1))) {
        b->x2 = button->dim->x;
        b->y2 = button->dim->y;
    }
    if (Rand(0, 1) == 1) {
        b->mx = b->x1;
        b->my = b->y2;
    } else {
        b->mx = b->x2;
        b->my = b->y1;
    }
    list.add(b);
    return b;
}

void TFlyingBonus::update() {
    const bool arrived = per >= 1;
    per = std::min(per + 0.025f * frameDelta, 1.0f);
    if (arrived) {
        destroy();
        return;
    }
    const float e = static_cast<float>(Sin(90 * per));
    x = bezier(x1, mx, x2, e);
    y = bezier(y1, my, y2, e);
}

void TFlyingBonus::destroy() {
    if (gui)
        if (auto button = gui->getItem("bonus" + std::to_string(n + 1))) button->setState(1, 1);
    if (list) list->remove(this);
}

void TFlyingBonus::draw() const {
    if (n < 0 || n >= static_cast<int>(flyingBonusImages.size()) || !flyingBonusImages[n]) return;
    resetDrawState();
    DrawImage(flyingBonusImages[n], x, y);
}

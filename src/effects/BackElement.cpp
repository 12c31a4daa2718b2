// Fish and birds crossing their band: a side, a speed and a height at random for each crossing.
#include "effects/BackElement.h"

#include "core/DrawState.h"
#include "core/Globals.h"

using namespace eng;

void TBackElement::reset() {
    typ = Upper(typ);
    if (typ == "FISH") reset_fish();
}

void TBackElement::reset_fish() {
    if (Rand(0, 1) == 1) {
        x = x1;
        ax = static_cast<float>(Rnd(1, 1.5));
    } else {
        x = x2;
        ax = -1.5f;
    }
    ay = 0;
    y = static_cast<float>(Rand(static_cast<int>(y1), static_cast<int>(y2)));
}

void TBackElement::update() {
    x += ax * frameDelta;
    if ((ax > 0 && x > x2) || (ax <= 0 && x < x1)) reset();
}

void TBackElement::draw() const {
    if (!img || ax == 0) return;
    SetColor(255, 255, 255);
    SetBlend(ALPHABLEND);
    SetRotation(r);
    SetAlpha(a);
    // Going left, the picture is mirrored.
    SetScale(ax > 0 ? s : -s, s);
    DrawImage(img, x, y);
}

void updateBackElements(TBackElements& list) {
    for (auto& e : list) e->update();
}

void drawBackElements(const TBackElements& list) {
    for (const auto& e : list) e->draw();
    resetDrawState();
}

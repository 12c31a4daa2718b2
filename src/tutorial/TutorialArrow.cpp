// The tutorial arrow's pulse and its drawing.
#include "tutorial/TutorialArrow.h"

#include "core/DeltaTime.h"
#include "core/DrawState.h"

using namespace eng;

void TArrow::update() {
    approach(a, dA, 0.05f);
    approach(p, dP, 0.05f);
    if (p == dP) dP = dP >= 1 ? 0 : 1;
}

void TArrow::draw(const Image& image) const {
    if (!image || a <= 0) return;
    const float b = static_cast<float>(Sin(90 * p));
    resetDrawState();
    SetAlpha(static_cast<float>(Sin(90 * a)));
    SetScale(0.9f + 0.1f * b, 0.7f + 0.3f * b);
    SetRotation(rot);
    DrawImage(image, x + b * static_cast<float>(Cos(rot + 90)) * 25,
              y + b * static_cast<float>(Sin(rot + 90)) * 25);
    resetDrawState();
}

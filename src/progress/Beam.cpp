// The title screen's light beams.
#include "progress/Beam.h"

#include "core/DeltaTime.h"

using namespace eng;

TBeam::TBeam(Image image) : img(std::move(image)) {
    a = static_cast<float>(Rand(0, 1));
    da = a == 0 ? 1.0f : 0.0f;
    speed = static_cast<float>(Rnd(0.01, 0.02));
}

void TBeam::update() {
    approach(a, da, speed);
    if (a == da) da = 1 - da;
}

void TBeam::draw(float strength) const {
    SetBlend(LIGHTBLEND);
    SetAlpha((0.3f + 0.7f * a) * strength);
    DrawImage(img, static_cast<float>(x), static_cast<float>(y));
    SetBlend(ALPHABLEND);
}

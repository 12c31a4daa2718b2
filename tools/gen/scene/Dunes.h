// Layers of sand dunes: a crest line per layer, shaded by the slope towards the sun, hazed with distance.
#pragma once

#include <cstdint>
#include <vector>

#include "paint/Canvas.h"

namespace gen::scene {

// Height of the crest of one dune layer, one value per pixel column (screen y, down is larger).
class Ridge {
  public:
    struct Spec {
        float base = 500;        // mean crest height
        float amplitude = 30;    // height of the dunes
        float wavelength = 400;  // distance between crests
        float phase = 0;         // 0..1 shift of the crests
        float skew = 0.35f;      // gentle windward side, steeper lee side
        float wobble = 8;        // slow irregularity
        uint32_t seed = 1;
    };
    Ridge(int width, const Spec& s);
    // Pulls the crest towards height towardY inside x0..x1, with soft ends `soft` pixels wide.
    void flatten(float x0, float x1, float soft, float towardY);

    float at(float x) const;
    float slope(float x) const;

  private:
    std::vector<float> y_;
};

struct DuneLook {
    paint::Color lit;               // slopes facing the sun
    paint::Color shade;             // slopes turned away
    paint::Color deep;              // the body far below the crest
    float depth = 120;              // pixels over which the crest colours give way to `deep`
    paint::Color haze{0, 0, 0, 0};  // distance haze (its alpha is the amount)
    float rim = 0.5f;               // bright edge on the lit crests
    float skew = 1.1f;              // how far the shadow line leans right per pixel down
    float ripples = 0.0f;           // wind ripples on the sand
    uint32_t seed = 7;
};

void paintDunes(paint::Canvas& c, const Ridge& r, const DuneLook& look);

}  // namespace gen::scene

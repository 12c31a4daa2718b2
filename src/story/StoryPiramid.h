// The pyramid cutscene: the ground shakes, dust rises and a hidden pyramid climbs out of the sand.
#pragma once

#include <array>

#include "effects/Particle.h"
#include "story/Cutscene.h"

class TStoryPiramid : public TCutscene {
  public:
    eng::Image back, piramid, first, first2;
    std::array<eng::Image, 3> dust;
    std::array<float, 3> dustAlpha{}, dDustAlpha{};
    int state = 0;
    float pirPer = 0;   // how far the pyramid has risen, 0..1
    bool told = false;  // the last dialog has run
    // The tremor.
    float shakePower = 0, trSpeed = 0, trzas = 0, dTrzas = 0, trzasPer = 0, dPosA = 0;
    int64_t trzasStartTime = 0, nextTremor = 0, nextDust = 0;
    int eCount = 0, shakeDir = 0;
    TParticleList particles;

    TStoryPiramid();
    void start() override;
    void _updateBack() override;
    void _drawBack() override;
    void Finish() override;
    // A tremor of `power` pixels swinging at `speed` per frame step, starting after `delay` ms.
    void zatrzas(float power, float speed, int delay);
    float getShakeX() const;
    float GetShakeY() const { return 0; }
    void _updateZatrzas();
    // Five dust puffs every half second.
    void _updateDust();

  private:
    void _pulseDust();
    void _updateScript();
};

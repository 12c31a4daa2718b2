// The end of a journey: congratulations when the flow was played to its end, or a word that it could not be.
#pragma once

#include "screen/Ekran.h"

class TEndingScreen : public TEkran {
  public:
    eng::Image back;
    eng::ImageFont bigFont, font;
    bool journeyDone = false;  // the flow was played through its last entry

    TEndingScreen() { id = "END-OF-LEVELS"; }
    void setup() override;
    void prepare() override;
    void update() override;
    void draw() override;
    void afterFrame() override;
    bool finished() const override { return fade == 1 && dFade == 1; }
    void finish() override;
};

extern TEndingScreen* endingScreen;

// Holds the framed panel picture that the story screens share.
#pragma once

#include "screen/Ekran.h"

class TIntroScreen : public TEkran {
  public:
    eng::Image panele;

    TIntroScreen() { id = "Intro"; }
    void setup() override;
};

extern TIntroScreen* introScreen;

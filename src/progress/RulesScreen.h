// The rules: two paragraphs and two pictures that explain the game, over the options screen.
#pragma once

#include <string>
#include <vector>

#include "screen/Ekran.h"

class TRulesScreen : public TEkran {
  public:
    eng::Image back, pomoc1, pomoc2;
    std::vector<std::string> txtRules;
    eng::ImageFont txtFont1, txtFont2;

    TRulesScreen() { id = "Rules"; }
    void setup() override;
    int mainloop(TEkran* screen);
    void update() override;
    void draw() override;
    void afterFrame() override;

  private:
    std::string line(int n) const;
};

extern TRulesScreen* rulesScreen;

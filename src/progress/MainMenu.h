// The title screen: fades in over the loading background with the game's title.
#pragma once

#include <string>

#include "screen/Ekran.h"

class TMainMenu : public TEkran {
  public:
    eng::ImageFont titleFont, subtitleFont;
    eng::Image back, bars;  // the loading screen's backdrop, handed over at start-up

    TMainMenu() { id = "MAIN-MENU"; }
    void setup() override;
    void prepare() override;
    void afterFrame() override;  // Escape ends the game
    void update() override;
    void draw() override;
};

extern TMainMenu* mainMenu;

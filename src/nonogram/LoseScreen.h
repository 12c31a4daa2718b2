// The lose screen over the burst chest: a panel drops in with the message and three answers: play the
// level again, go to the map, go to the title.
#pragma once

#include <string>

#include "engine/Engine.h"
#include "screen/Ekran.h"

class TLoseScreen : public TEkran {
  public:
    eng::Image panel;
    std::string txtInfo, txtInfo1, txtInfo2;
    eng::ImageFont font;

    TLoseScreen() { id = "LOSE-SCREEN"; }
    void setup() override;
    // "RESTART", "MAPA" or "MAIN-MENU"; the main game's stones and debris keep moving behind.
    std::string mainLoop(TEkran& behind);
    void prepare(TEkran& behind);
    void update() override;
    void draw() override;
    void afterFrame() override;
    void goRestart() { _answer("RESTART"); }
    void goMap() { _answer("MAPA"); }
    void goMainMenu() { _answer("MAIN-MENU"); }

  private:
    void _answer(const std::string& result);
    void _updateGUI();
    void _drawPanel() const;
};

extern TLoseScreen* loseScreen;

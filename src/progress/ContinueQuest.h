// The resume question of the title: go on with the journey, start a new one, or not now.
#pragma once

#include <string>

#include "screen/Ekran.h"

class TContinueQuest : public TEkran {
  public:
    TContinueQuest() { id = "ContinueQuest"; }
    void setup() override;
    // Runs over `menu`; "CONTINUE", "NEW" (after `areYouSure` was answered yes) or "".
    std::string mainLoop(TEkran* menu, const std::string& areYouSure);
    void update() override;
    void draw() override;
    void afterFrame() override;

  private:
    TEkran* behind = nullptr;
    std::string question;
    void _answer(const std::string& answer);
};

extern TContinueQuest* continueQuest;

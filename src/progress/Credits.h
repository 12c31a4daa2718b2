// The credits: lines of the credits file scrolling up over their picture.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "screen/Ekran.h"

struct TCreditData {
    std::string txt;
    int font = 0;  // 0 normal, 1 large ("#"), 2 largest ("$")
};

class TCredits : public TEkran {
  public:
    eng::Image img;
    std::vector<TCreditData> lista;
    float y = 768;
    std::array<eng::ImageFont, 3> fonts;  // sizes 26, 42 and 60
    // Where the next credits run by the switcher leads (the ending screen after the outro); then the title.
    std::string leadsTo = "MAIN-MENU";

    TCredits() { id = "CREDITS"; }
    void setup() override;
    // Reached after the story's end ("NONE" behind: the title) or over the options screen ("" behind).
    std::string mainLoop() override;
    std::string mainLoop(TEkran* behind);
    // A credits line: a leading "#" makes it large, a "$" (after it or alone) larger; markers are not shown.
    static TCreditData parseLine(const std::string& line);
    void update() override;
    void draw() override;
    void afterFrame() override;

  private:
    TEkran* behind_ = nullptr;
};

extern TCredits* credits;

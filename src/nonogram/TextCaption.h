// The popup of points won: a plus sign and gold digits that rise and fade.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "engine/Engine.h"
#include "nonogram/Caption.h"

class TTextCaption : public TCaption {
  public:
    int time = 0;
    int w = 0, h = 0;
    int v = 0;  // the value shown
    int imageNumber = 0;
    int start = 0;
    std::vector<eng::Image> valueList;  // the digit pictures of v, left to right
    float ss = 1;                       // drawing scale

    // Loads the digit and plus-sign pictures.
    static void setup();
    // The digits of v; keeps the popup between x 50 and 950.
    void countValue();
    void update() override;
    void draw() const override;
};

extern std::array<eng::Image, 10> captionDigits;
extern eng::Image captionPlus;

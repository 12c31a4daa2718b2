// The tip balloon of the tutorial cells: a cell that waits for the other tool says so in a balloon in its
// quarter of the screen, which closes after four seconds or at the next left click.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/Engine.h"

class TTile;

class TSpecialTip {
  public:
    float x = 0, y = 0;    // balloon centre
    float tx = 0, ty = 0;  // top-left corner of the text
    int textN = 0;         // 0: uncover this cell, 1: break this cell
    float alpha = 0, dAlpha = 1;
    int64_t time = 0;  // closes by itself then

    // The balloon picture, its two texts and its font; once, with the main game's set-up.
    static void setup();
    void draw() const;
    // False once it has faded out.
    bool update();
    void countTextPosition();
    void countPosition(const TTile& tile);

    static inline eng::Image tipBack;
    static inline std::array<std::string, 2> tipTexts;
    static inline eng::ImageFont tipFont;
};

// A new balloon for the cell (0: uncover it, 1: break it).
std::shared_ptr<TSpecialTip> openSpecialTip(const TTile& tile, int textN);

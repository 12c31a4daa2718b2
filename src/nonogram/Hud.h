// The main game's head-up display: the panel with the level's size and number, the time, the score, the hand
// and hook icons, the power-up slots' frames and the mistakes counter.
#pragma once

#include <array>
#include <string>

#include "engine/Engine.h"

class TMainGame;

class THud {
  public:
    eng::Image panel, klepsydra, gwiazda, pwrUpBack;
    std::array<eng::Image, 3> rekaImg, hakImg;  // 0 over, 1 chosen, 2 normal
    int hakOver = 0, handOver = 0;              // the mouse is over the hook / hand icon
    eng::ImageFont timeFont, dimFont, scoreFont, hintFont, mistFont, levelFont, mnoznikFont, debugFont;
    std::string txtDim, txtX, txtLevel, txtHints, txtMist;
    float mistakeSpecA = 0, dMistakeSpecA = 1;  // the mistakes counter blinks while one more bursts the chest

    explicit THud(TMainGame& game) : game_(game) {}
    THud(const THud&) = delete;
    THud& operator=(const THud&) = delete;

    void setupTexts();
    void setupImages();
    void setupFonts();
    // The hand and hook icons choose the tool; Space swaps the two.
    void _updateHandPick();
    void _updateBlink();

    void drawPanel() const;
    void drawScore() const;
    void drawTime() const;
    void drawMistakes() const;
    // The label above the hint slots.
    void drawHintsLabel() const;

  private:
    void _drawTextShadowed(const std::string& text, float cx, float cy, const eng::ImageFont& font,
                           int shadow) const;
    TMainGame& game_;
};

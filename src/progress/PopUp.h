// The modal message box: a question with "yes" and "no", or a message with one button.
#pragma once

#include <string>

#include "screen/Ekran.h"

class TGui;

class TPopUp : public TEkran {
  public:
    std::string txt;
    eng::ImageFont _font;
    int answer = 0;

    TPopUp() { id = "PopUp"; }
    void setup() override;
    // Shows `text` over `screen` (may be null); 1 for "yes" or Enter, 0 for "no" or Escape. With `flag` 0 the
    // "no" button is hidden.
    int mainLoop(const std::string& text, TEkran* screen, int flag);
    void update() override;
    void draw() override;
    void afterFrame() override;

  private:
    TEkran* behind = nullptr;
    float yesX = 0;  // where the file puts "yes"
    void _answer(int value);
};

extern TPopUp* popUp;

// Two buttons side by side: `first` stands at `firstX` (its place in the file) while `second` is shown,
// and alone in the middle between the two places while it is hidden.
void placeButtonPair(TGui& gui, const std::string& first, const std::string& second, float firstX);

// A question: 1 for yes.
int askYesNo(const std::string& text, TEkran* screen);
// A message with one button.
int showMessage(const std::string& text, TEkran* screen);

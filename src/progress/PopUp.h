// The modal message box: a question with "yes" and "no", or a message with one button.
#pragma once

#include <string>

#include "screen/Ekran.h"

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
    void _answer(int value);
};

extern TPopUp* popUp;

// A question: 1 for yes.
int askYesNo(const std::string& text, TEkran* screen);
// A message with one button.
int showMessage(const std::string& text, TEkran* screen);

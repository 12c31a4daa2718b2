// The name dialog: a player types a new name or changes theirs.
#pragma once

#include <cstdint>
#include <string>

#include "screen/Ekran.h"

class TEnterName : public TEkran {
  public:
    std::string title;
    eng::ImageFont font, font1;
    eng::Image panel;
    std::string wpis;  // the text being typed
    int nowy = 1;      // 1: a new player is named; 0: a name is changed
    int caretOn = 1;   // the caret blinks every half second
    int64_t time = 0;
    int _cancel = 0;
    std::string myEditNode;  // the old name when a name is changed, upper case

    static constexpr int kMaxLength = 20;

    TEnterName() { id = "EnterName"; }
    void setup() override;
    // Runs the dialog over `screen`; answers the name, or "" when cancelled.
    std::string mainLoop(TEkran* screen, const std::string& prompt, int isNew, const std::string& name);
    static bool charOk(uint32_t code);
    // Another player has the typed name (a new name); another player than the one renamed has it (renaming).
    bool takiProfilIstnieje() const;
    bool takiProfilIstnieje2() const;
    // Takes one typed character: Enter, Escape, Backspace or a letter or digit.
    void type(uint32_t code);
    void goOk();
    void goCancel();

    void update() override;
    void draw() override;
    void afterFrame() override;

  private:
    TEkran* behind = nullptr;
    float okX = 0;  // where the file puts "ok"
};

extern TEnterName* enterName;

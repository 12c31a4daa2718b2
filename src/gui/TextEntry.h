// One-line text entry fields with a blinking cursor.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "gui/GuiObject.h"
#include "gui/GuiParse.h"

class TGui;

class TTextEntry : public TGuiObject {
  public:
    std::string _txt;
    eng::ImageFont _font;
    int _maxZnakow = 10;  // the most characters accepted
    float _curWidth = 0, _curHeight = 0;
    int64_t _czas = 0;  // time of the next cursor blink
    int _trigger = 0;   // the cursor is in its visible phase
    int _interwal = 300;

    TTextEntry() { _class = kTextEntry; }
    void updateMe(int ox, int oy) override;
    void draw(float ox, float oy) override;
    void setInterwal(int ms) { _interwal = ms; }
    std::string getTxt() const { return _txt; }
    void setTxt(const std::string& text) { _txt = text; }
    // Takes one typed character: Backspace, Enter or a printable character.
    void takeChar(int code);
    static bool accepts(int code);
    static std::shared_ptr<TTextEntry> createFromList(const std::string& id,
                                                      const std::vector<TSimpleEntry>& entries, TGui* gui);
};

// GUI texts: word-wrapped, aligned, optionally shadowed text blocks.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "gui/GuiObject.h"
#include "gui/GuiParse.h"

class TGui;

class TText : public TGuiObject {
  public:
    int _align = 1;  // 1 left, 0 right, 2 centred, 3 justified
    std::string _txt;
    float _adW = 0;  // extra pixels between lines
    eng::ImageFont _font;
    int _shadow = 0;
    std::shared_ptr<TRGB> shRGB;

    TText() { _class = kText; }
    void setAlign(const std::string& name);
    std::string alignName() const;
    // Draws the text once and returns the height of its block.
    float countH();
    void updateMe(int ox, int oy) override {}
    void draw(float ox, float oy) override;
    static std::shared_ptr<TText> createFromList(const std::string& id,
                                                 const std::vector<TSimpleEntry>& entries, TGui* gui,
                                                 int offsetX, int offsetY);
    static std::string odczytajTekst(const std::string& reference) { return guiText(reference); }

  private:
    float box(float x, float y);
};

// Draws ".." and the longest tail of `text` that fits in `maxWidth`; returns what was drawn.
std::string drawTextTail(const std::string& text, int x, int y, int maxWidth);

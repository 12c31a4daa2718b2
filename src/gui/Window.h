// Item containers and framed windows drawn from a theme's nine pieces.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/GuiObject.h"
#include "gui/GuiParse.h"

class TGui;
class TTheme;

class TControl : public TGuiObject {
  public:
    std::vector<std::shared_ptr<TGuiObject>> listaObiektow;
    std::shared_ptr<TTheme> theme;

    TControl() { _class = kControl; }
    void rysujObiekty(float ox, float oy);
    void updateObiekty(int ox, int oy);
    void dodajObiekt(const std::shared_ptr<TGuiObject>& item) { listaObiektow.push_back(item); }
    void draw(float ox, float oy) override { rysujObiekty(ox, oy); }
    void updateMe(int ox, int oy) override { updateObiekty(ox, oy); }
};

class TWindow : public TControl {
  public:
    std::string title;
    float skala[4] = {0, 0, 0, 0};  // top/bottom edges, side edges, centre across and down
    float incX = 0, decX = 0, incY = 0, decY = 0;

    TWindow() { _class = kWindow; }
    void obliczSkale();
    void draw(float ox, float oy) override;
    void updateMe(int ox, int oy) override { updateObiekty(ox, oy); }
    static std::shared_ptr<TWindow> CreateFromList(const std::string& id,
                                                   const std::vector<TSimpleEntry>& entries, TGui* gui);
};

// Menu entries (commands) and menus of a menu bar, with their drop-down boxes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Dim.h"
#include "engine/Engine.h"

class TBelka;
class TMenu;

class TBarTitle {
  public:
    TMenu* _parent = nullptr;  // the menu holding the entry; null for a top-level menu
    TBelka* _belka = nullptr;
    int checked = 0;
    std::string title;
    std::string id;
    TDim dim;   // text position relative to the bar; w, h the text size
    TDim rect;  // the mouse rectangle
    float _alpha = 0, _dAlpha = 0;
    int _over = 0, _clicked = 0;
    eng::ImageFont _font;
    int _active = 1;

    virtual ~TBarTitle() = default;
    virtual bool isMenu() const { return false; }
    void _createRect();
    virtual void draw();
    void update();
    // The text shown: a checked entry shows "* " in place of its first two characters.
    std::string shownText() const;
};

class TMenu : public TBarTitle {
  public:
    TDim _comRect;  // the box, relative to the bar
    float _boxA = 0, _dBoxA = 0;
    int _width = 0;
    int _first = 0;  // 1 for a top-level menu
    std::vector<std::shared_ptr<TBarTitle>> _barTitles;
    int _rozwiniety = 0;  // one of its sub-menus is open

    bool isMenu() const override { return true; }
    int _getMaxWidth();
    void _setRect(float dx);
    void _rozwin();
    void _zwin();
    void _zwinBezwzglednie();
    void updateMe();
    void _drawBox();
    void drawMe();
    void draw() override;
    std::shared_ptr<TBarTitle> getBarTitle(const std::vector<std::string>& path, size_t from);
    void getReady(float dx);
    // The mouse lies in this menu's open box or in an open box of one of its sub-menus.
    bool inOpenBoxes(float mx, float my) const;
};

// Menu bars: a themed strip of menu titles with drop-down menus whose commands report their ids.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/BarTitle.h"
#include "gui/GuiParse.h"
#include "gui/GuiSelector.h"

class TGui;
class TTheme;

class TBelka : public TGuiSelector {
  public:
    int _width = 0;
    float _widthScale = 0;  // width of the stretched middle of the bar
    std::shared_ptr<TTheme> theme;
    std::vector<std::shared_ptr<TMenu>> _menusList;
    eng::ImageFont _font;
    TMenu* _actualMenu = nullptr;  // the open top-level menu
    int _activated = 0;

    TBelka() { _class = kBelka; }
    // Finds an entry by "menu:entry:..." (the menu ignoring letter case, the rest exactly).
    std::shared_ptr<TBarTitle> getBarTitle(const std::string& path);
    void updateMe(int ox, int oy) override;
    void draw(float ox, float oy) override;
    void _zwinMenusy();
    void __CLICK(const std::string& id);
    void __OVER(const std::string& id) { _overOp = id; }
    void _drawMenus();
    void _updateMenus();
    void getReady();
    void _poukladajMenu();
    static std::shared_ptr<TBelka> createFromList(const std::string& id,
                                                  const std::vector<TSimpleEntry>& entries,
                                                  const TSmallObject& nested, TGui* gui);
    void createMenus(const TSmallObject& nested, TGui* gui);
    std::shared_ptr<TMenu> getMenu(const TSmallObject& tokens, const std::string& id, int first, TGui* gui);
};

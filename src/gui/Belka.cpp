// Menu bars: reading the declaration, laying out the menus, updating and drawing the bar.
#include "gui/Belka.h"

#include <strings.h>

#include <cmath>
#include <cstdlib>

#include "files/SplitText.h"
#include "gui/Gui.h"
#include "gui/RGMFont.h"
#include "gui/Theme.h"

using namespace eng;

std::shared_ptr<TBarTitle> TBelka::getBarTitle(const std::string& path) {
    std::vector<std::string> parts = splitText(path, ":");
    if (parts.empty()) return nullptr;
    for (const auto& menu : _menusList) {
        if (strcasecmp(menu->id.c_str(), parts[0].c_str()) != 0) continue;
        if (parts.size() == 1) return menu;
        return menu->getBarTitle(parts, 1);
    }
    guiError("Nie znaleziono " + parts[0] + " w belce :" + _id);
    return nullptr;
}

void TBelka::updateMe(int, int) {
    _clean();
    _updateMenus();
}

void TBelka::_updateMenus() {
    for (auto& menu : _menusList) menu->update();
}

void TBelka::draw(float, float) {
    SetAlpha(_alpha);
    SetScale(_scale, _scale);
    SetColor(255, 255, 255);
    if (theme) {
        const Image& left = theme->bar[0];
        const Image& middle = theme->bar[1];
        const Image& right = theme->bar[2];
        const float x = dim->x, y = dim->y;
        DrawImage(left, x, y);
        const float lw = static_cast<float>(ImageWidth(left)) * _scale;
        if (middle && ImageWidth(middle) > 0) {
            SetScale(_widthScale * _scale / ImageWidth(middle), _scale);
            DrawImage(middle, x + lw, y);
            SetScale(_scale, _scale);
        }
        DrawImage(right, x + lw + _widthScale * _scale, y);
    }
    SetScale(1, 1);
    _drawMenus();
}

void TBelka::_drawMenus() {
    for (auto& menu : _menusList) menu->draw();
}

void TBelka::_zwinMenusy() {
    for (auto& menu : _menusList) menu->_zwin();
}

void TBelka::__CLICK(const std::string& id) {
    _zwinMenusy();
    _clickedOp = id;
    _overOp = id;
}

void TBelka::getReady() {
    _widthScale = dim->w;
    if (theme) _widthScale -= ImageWidth(theme->bar[0]) + ImageWidth(theme->bar[2]);
    if (_widthScale < 0) _widthScale = 0;
}

void TBelka::_poukladajMenu() {
    SetImageFont(_font);
    const float y = std::trunc(dim->h / 2 - TextHeight("A") / 2.0f);
    float x = 10;
    for (auto& menu : _menusList) {
        SetImageFont(_font);
        menu->dim.x = x;
        menu->dim.y = y;
        menu->dim.w = static_cast<float>(TextWidth(menu->title));
        menu->dim.h = static_cast<float>(TextHeight(menu->title));
        menu->_alpha = menu->_dAlpha = 1;
        menu->_active = 1;
        menu->_setRect(0);
        menu->getReady(0);
        x += menu->dim.w + 30;
    }
}

std::shared_ptr<TMenu> TBelka::getMenu(const TSmallObject& tokens, const std::string& id, int first,
                                       TGui* gui) {
    auto menu = std::make_shared<TMenu>();
    menu->id = id;
    menu->_first = first;
    menu->_belka = this;
    menu->_font = _font;
    for (const auto& token : tokens._tokeny) {
        if (token.object) {
            auto sub = getMenu(*token.object, token.object->_name, 0, gui);
            sub->_parent = menu.get();
            menu->_barTitles.push_back(sub);
            continue;
        }
        const std::string key = Upper(token.entry->_typ);
        if (key == "TITLE") {
            menu->title = token.entry->_value;
        } else if (key == "COMMAND") {
            // id|text or id|text|font; a command without "|" shows its id.
            std::vector<std::string> parts = splitText(token.entry->_value, "|");
            auto command = std::make_shared<TBarTitle>();
            command->_belka = this;
            command->_parent = menu.get();
            command->id = parts.empty() ? "" : parts[0];
            command->title = "  " + (parts.size() > 1 ? parts[1] : command->id);
            command->_font = parts.size() > 2 ? guiFont(parts[2], gui) : _font;
            menu->_barTitles.push_back(command);
        }
    }
    return menu;
}

void TBelka::createMenus(const TSmallObject& nested, TGui* gui) {
    for (const auto& token : nested._tokeny)
        if (token.object) _menusList.push_back(getMenu(*token.object, token.object->_name, 1, gui));
}

std::shared_ptr<TBelka> TBelka::createFromList(const std::string& id,
                                               const std::vector<TSimpleEntry>& entries,
                                               const TSmallObject& nested, TGui* gui) {
    auto bar = std::make_shared<TBelka>();
    bar->_id = id;
    std::vector<int> pos;
    int width = 0;
    for (const TSimpleEntry& e : entries) {
        const std::string key = Upper(e._typ);
        if (key == "POSITION") pos = guiNumbers(e._value);
        if (key == "TEMAT") bar->theme = findTheme(e._value, gui);
        if (key == "WIDTH") width = std::atoi(e._value.c_str());
        if (key == "FONT") bar->_font = guiFont(e._value, gui);
    }
    if (!bar->theme) bar->theme = currentTheme;
    if (!bar->theme) guiError("No theme asigned for bar object!");
    pos.resize(2, 0);
    bar->dim->x = static_cast<float>(pos[0]);
    bar->dim->y = static_cast<float>(pos[1]);
    bar->dim->w = static_cast<float>(width);
    bar->dim->h = bar->theme ? static_cast<float>(bar->theme->barHeight) : 0;
    bar->getReady();
    bar->createMenus(nested, gui);
    bar->_poukladajMenu();
    return bar;
}

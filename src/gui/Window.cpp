// Windows: stretching the theme's pieces over the window's size, and drawing them.
#include "gui/Window.h"

#include <algorithm>

#include "engine/Engine.h"
#include "gui/Theme.h"

using namespace eng;

void TControl::rysujObiekty(float ox, float oy) {
    for (const auto& child : listaObiektow)
        if (child->_v) child->draw(dim->x + ox, dim->y + oy);
}

void TControl::updateObiekty(int ox, int oy) {
    for (const auto& child : listaObiektow)
        child->update(static_cast<int>(dim->x) + ox, static_cast<int>(dim->y) + oy);
}

void TWindow::obliczSkale() {
    std::fill(std::begin(skala), std::end(skala), 0.0f);
    incX = incY = decX = decY = 0;
    if (!theme) return;
    const Image* p = theme->oknoImg;
    const float a = static_cast<float>(ImageWidth(p[0]) + ImageWidth(p[2]));
    const float b = static_cast<float>(ImageHeight(p[1]) + ImageHeight(p[5]));
    // Only pieces that exist are stretched, and never by a negative amount.
    auto stretch = [](float room, int size) { return size > 0 ? std::max(0.0f, room / size) : 0.0f; };
    skala[0] = stretch(dim->w - a, ImageWidth(p[1]));
    skala[1] = stretch(dim->h - b, ImageHeight(p[3]));
    skala[2] = stretch(dim->w - a, ImageWidth(p[8]));
    skala[3] = stretch(dim->h - b, ImageHeight(p[8]));
    incX = static_cast<float>(ImageWidth(p[0]));
    incY = static_cast<float>(ImageHeight(p[0]));
    decX = static_cast<float>(ImageWidth(p[2]));
    decY = static_cast<float>(ImageHeight(p[2]));
}

void TWindow::draw(float ox, float oy) {
    if (!theme) return;
    const float X = dim->x + ox, Y = dim->y + oy, W = dim->w, H = dim->h;
    const Image* p = theme->oknoImg;
    SetColor(std::max(0, rgb.r), std::max(0, rgb.g), std::max(0, rgb.b));
    SetAlpha(_alpha);
    SetScale(1, 1);
    DrawImage(p[0], X, Y);
    DrawImage(p[2], X + W, Y);
    DrawImage(p[4], X + W, Y + H);
    DrawImage(p[6], X, Y + H);
    SetScale(skala[0], 1);
    DrawImage(p[1], X + incX, Y);
    SetScale(1, skala[1]);
    DrawImage(p[3], X + W, Y + incY);
    SetScale(skala[0], 1);
    DrawImage(p[5], X + incX, Y + H);
    SetScale(1, skala[1]);
    DrawImage(p[7], X, Y + incY);
    SetScale(skala[2], skala[3]);
    DrawImage(p[8], X + incX, Y + incY);
    SetScale(1, 1);
    rysujObiekty(0, 0);
}

std::shared_ptr<TWindow> TWindow::CreateFromList(const std::string& id,
                                                 const std::vector<TSimpleEntry>& entries, TGui* gui) {
    auto w = std::make_shared<TWindow>();
    w->_id = id;
    std::vector<int> pos;
    for (const TSimpleEntry& e : entries) {
        const std::string key = Upper(e._typ);
        if (key == "POSITION") pos = guiNumbers(e._value);
        if (key == "THEME") w->theme = findTheme(e._value, gui);
        if (key == "VISIBLE") w->_v = guiBool(e._value);
        if (key == "ACTIVE") w->_a = guiBool(e._value);
    }
    if (!w->theme) w->theme = currentTheme;
    if (!w->theme) guiError("No theme for window object!");
    pos.resize(4, 0);
    w->dim = createDim(pos[0], pos[1], pos[2], pos[3]);
    w->obliczSkale();
    return w;
}

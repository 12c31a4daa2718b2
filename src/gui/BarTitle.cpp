// Menu entries and menus: their update (hover, clicks, opening and closing) and drawing.
#include "gui/BarTitle.h"

#include <algorithm>
#include <cmath>

#include "core/DeltaTime.h"
#include "gui/Belka.h"
#include "gui/Mouse.h"
#include "gui/Theme.h"

using namespace eng;

namespace {
constexpr float kFadeSpeed = 0.06f;
bool inside(const TDim& r, float x, float y) {
    return r.x <= x && x <= r.x + r.w && r.y <= y && y <= r.y + r.h;
}
}  // namespace

std::string TBarTitle::shownText() const {
    if (!checked) return title;
    std::vector<uint32_t> codes = DecodeUtf8(title);
    codes.erase(codes.begin(), codes.begin() + std::min<size_t>(2, codes.size()));
    return "* " + EncodeUtf8(codes);
}

void TBarTitle::_createRect() {
    rect.x = _belka->dim->x + dim.x - 5;
    rect.y = _belka->dim->y + dim.y;
    rect.w = dim.w + 10;
    rect.h = dim.h;
    rect.update();
}

void TBarTitle::update() {
    _clicked = 0;
    ImageFont before = GetImageFont();
    SetImageFont(_font);
    if (dim.w == 0) dim.w = static_cast<float>(TextWidth(title));
    if (dim.h == 0) dim.h = static_cast<float>(TextHeight(title));
    SetImageFont(before);
    _createRect();
    if (_alpha != 0 && mouse) {
        _over = mouse->inRect(rect.x, rect.y, rect.w, rect.h);
        if (_over && mouse->leftPressed) {
            _clicked = 1;
            mouse->leftPressed = 0;  // the entry takes the click
        }
        if (isMenu()) static_cast<TMenu*>(this)->updateMe();
    } else {
        _over = 0;
        _clicked = 0;
    }
    approach(_alpha, _dAlpha, kFadeSpeed);
    if (!isMenu()) {
        if (_clicked) _belka->__CLICK(id);
        if (_over) _belka->__OVER(id);
    }
}

void TBarTitle::draw() {
    if (_alpha == 0) return;
    const TTheme* theme = _belka->theme.get();
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetImageFont(_font);
    if (_over && _active && theme) {
        SetColor(theme->backRGB.r, theme->backRGB.g, theme->backRGB.b);
        SetAlpha(_alpha * 0.3f);
        DrawRect(rect.x, rect.y, rect.w, rect.h);
    }
    SetAlpha(_active ? _alpha : _alpha * 0.5f);
    if (theme)
        SetColor(theme->textRGB.r, theme->textRGB.g, theme->textRGB.b);
    else
        SetColor(255, 255, 255);
    DrawText(shownText(), _belka->dim->x + dim.x, _belka->dim->y + dim.y);
    SetColor(255, 255, 255);
}

int TMenu::_getMaxWidth() {
    int widest = 0;
    for (const auto& e : _barTitles) {
        SetImageFont(e->_font);
        widest = std::max(widest, TextWidth("* " + e->title));
    }
    return widest;
}

void TMenu::_setRect(float dx) {
    SetImageFont(_font);
    const float th = static_cast<float>(TextHeight("A"));
    if (_first) {
        _comRect.x = dim.x;
        _comRect.y = dim.y + 1.5f * th;
    } else {  // beside its own title, level with it
        _comRect.x = dim.x + dx;
        _comRect.y = dim.y;
    }
    _comRect.w = static_cast<float>(_getMaxWidth() + 40);
    float h = th / 2;
    for (const auto& e : _barTitles) {
        SetImageFont(e->_font);
        h += TextHeight("A") + 1;
    }
    _comRect.h = h;
    _comRect.update();
}

void TMenu::getReady(float dx) {
    const int widest = _getMaxWidth();
    float y = _comRect.y + 4;
    for (const auto& e : _barTitles) {
        SetImageFont(e->_font);
        const float th = static_cast<float>(TextHeight("A"));
        e->dim.x = _comRect.x + 10;
        e->dim.y = y;
        e->dim.w = static_cast<float>(widest);
        e->dim.h = th;
        y += th + 1;
        if (e->isMenu()) {
            auto* sub = static_cast<TMenu*>(e.get());
            sub->_setRect(_comRect.w - 10);
            sub->getReady(0);
        }
    }
}

void TMenu::_rozwin() {
    for (auto& e : _barTitles) e->_dAlpha = 1;
    _dBoxA = 1;
}

void TMenu::_zwin() {
    for (auto& e : _barTitles) {
        e->_dAlpha = 0;
        if (e->isMenu()) static_cast<TMenu*>(e.get())->_zwin();
    }
    _dBoxA = 0;
}

void TMenu::_zwinBezwzglednie() {
    _belka->_activated = 0;
    if (_belka->_actualMenu == this) _belka->_actualMenu = nullptr;
    if (!_first) _dAlpha = 0;
    _dBoxA = 0;
    for (auto& e : _barTitles) {
        e->_dAlpha = 0;
        if (e->isMenu()) static_cast<TMenu*>(e.get())->_zwin();
    }
}

bool TMenu::inOpenBoxes(float mx, float my) const {
    TDim box = _comRect;
    box.x += _belka->dim->x;
    box.y += _belka->dim->y;
    if (_dBoxA > 0 && inside(box, mx, my)) return true;
    for (const auto& e : _barTitles)
        if (e->isMenu() && static_cast<const TMenu*>(e.get())->inOpenBoxes(mx, my)) return true;
    return false;
}

void TMenu::updateMe() {
    const float mx = static_cast<float>(mouse->x), my = static_cast<float>(mouse->y);
    if (_first && _clicked) _belka->_actualMenu = this;
    if (_first) {
        // A click anywhere else (not taken by an entry) closes the menu.
        if (mouse->leftPressed && !inOpenBoxes(mx, my) && !_over) _zwinBezwzglednie();
    } else if (!inOpenBoxes(mx, my) && !_over && !_rozwiniety) {
        _dBoxA = 0;
        for (auto& e : _barTitles) e->_dAlpha = 0;
    }
    if (!_first && (_over || _clicked)) _rozwin();
    if (_first && _clicked) _rozwin();
    if (_first && _over && _belka->_actualMenu && _belka->_actualMenu != this) {
        _belka->_actualMenu->_zwin();
        _rozwin();
        _belka->_actualMenu = this;
    }
    approach(_boxA, _dBoxA, kFadeSpeed);
    _rozwiniety = 0;
    for (auto& e : _barTitles) {
        e->update();
        if (e->isMenu() && static_cast<TMenu*>(e.get())->_dBoxA == 1) _rozwiniety = 1;
    }
}

void TMenu::_drawBox() {
    const TTheme* theme = _belka->theme.get();
    const float x = _belka->dim->x + _comRect.x - 5, y = _belka->dim->y + _comRect.y - 5;
    const float w = _comRect.w + 10, h = _comRect.h + 10;
    SetAlpha(_boxA);
    SetColor(255, 255, 255);
    if (!theme) {
        SetColor(30, 40, 70);
        DrawRect(x, y, w, h);
        SetColor(255, 255, 255);
        return;
    }
    // The nine box pieces, laid out like a window frame around the box.
    const Image* p = theme->rect;
    const float cl = static_cast<float>(ImageWidth(p[0])), ct = static_cast<float>(ImageHeight(p[0]));
    const float cr = static_cast<float>(ImageWidth(p[2])), cb = static_cast<float>(ImageHeight(p[6]));
    const float innerW = std::max(0.0f, w - cl - cr), innerH = std::max(0.0f, h - ct - cb);
    auto stretched = [&](const Image& img, float px, float py, float sw, float sh) {
        if (!img) return;
        SetScale(ImageWidth(img) ? sw / ImageWidth(img) : 0, ImageHeight(img) ? sh / ImageHeight(img) : 0);
        float hx, hy;
        GetImageHandle(img, hx, hy);
        DrawImage(img, px + hx * (ImageWidth(img) ? sw / ImageWidth(img) : 0),
                  py + hy * (ImageHeight(img) ? sh / ImageHeight(img) : 0));
    };
    stretched(p[8], x + cl, y + ct, innerW, innerH);
    stretched(p[1], x + cl, y, innerW, static_cast<float>(ImageHeight(p[1])));
    stretched(p[5], x + cl, y + h - ImageHeight(p[5]), innerW, static_cast<float>(ImageHeight(p[5])));
    stretched(p[7], x, y + ct, static_cast<float>(ImageWidth(p[7])), innerH);
    stretched(p[3], x + w - ImageWidth(p[3]), y + ct, static_cast<float>(ImageWidth(p[3])), innerH);
    stretched(p[0], x, y, cl, ct);
    stretched(p[2], x + w - cr, y, cr, static_cast<float>(ImageHeight(p[2])));
    stretched(p[6], x, y + h - cb, static_cast<float>(ImageWidth(p[6])), cb);
    stretched(p[4], x + w - ImageWidth(p[4]), y + h - ImageHeight(p[4]), static_cast<float>(ImageWidth(p[4])),
              static_cast<float>(ImageHeight(p[4])));
    SetScale(1, 1);
}

void TMenu::drawMe() {
    if (_boxA > 0) _drawBox();
    for (const auto& e : _barTitles) e->draw();
}

void TMenu::draw() {
    TBarTitle::draw();
    drawMe();
}

std::shared_ptr<TBarTitle> TMenu::getBarTitle(const std::vector<std::string>& path, size_t from) {
    if (from >= path.size()) return nullptr;
    for (const auto& e : _barTitles) {
        if (e->id != path[from]) continue;
        if (from + 1 == path.size()) return e;
        if (e->isMenu()) return static_cast<TMenu*>(e.get())->getBarTitle(path, from + 1);
    }
    return nullptr;
}

// The GUI item base: the per-frame mouse test and the approach of alpha and scale.
#include "gui/GuiObject.h"

#include <cmath>

#include "core/DeltaTime.h"
#include "engine/Engine.h"
#include "gui/Mouse.h"

using namespace eng;

TGuiObject::TGuiObject() {
    dim = std::make_shared<TDim>();
    clear();
}

void TGuiObject::move(float dx, float dy) {
    dim->x += dx;
    dim->x1 += dx;
    dim->x2 += dx;
    dim->y += dy;
    dim->y1 += dy;
    dim->y2 += dy;
}

void TGuiObject::setPosition(float x, float y) {
    move(std::trunc(x - dim->x), std::trunc(y - dim->y));
}

void TGuiObject::clear() {
    _v = 1;
    _a = 1;
    _over = 0;
    _clicked = 0;
}

bool TGuiObject::hasBox() const {
    return dim && (dim->x1 != dim->x2 || dim->y1 != dim->y2);
}

void TGuiObject::update(int ox, int oy) {
    if (_v != 0 && _a != 0 && mouse && hasBox()) {
        const float mx = static_cast<float>(mouse->x), my = static_cast<float>(mouse->y);
        if (dim->x1 + ox <= mx && mx <= dim->x2 + ox && dim->y1 + oy <= my && my <= dim->y2 + oy) {
            _over = 1;
            _clicked = mouse->leftPressed ? 1 : 0;
            _holded = mouse->leftHolded ? 1 : 0;
        } else {
            _over = 0;
            _clicked = 0;
        }
    } else {
        _over = 0;
        _clicked = 0;
    }
    if (_a != 0 && _key != 0 && KeyHit(_key)) {
        _clicked = 1;
        _over = 1;
    }
    updateClass(ox, oy);
    updateParams();
}

void TGuiObject::updateClass(int ox, int oy) {
    switch (_class) {
        case kButton:
        case kWindow:
        case kText:
        case kAnimation:
        case kTextEntry:
        case kBelka:
        case kControl:
            updateMe(ox, oy);
            break;
        default:
            break;
    }
}

void TGuiObject::updateParams() {
    approach(_scale, _dScale, wzr);
    approach(_alpha, _dAlpha, wzr);
}

void TGuiObject::_drawFrame() {
    SetColor(255, 0, 0);
    SetAlpha(1);
    SetScale(1, 1);
    DrawLine(dim->x1, dim->y1, dim->x2, dim->y1);
    DrawLine(dim->x2, dim->y1, dim->x2, dim->y2);
    DrawLine(dim->x2, dim->y2, dim->x1, dim->y2);
    DrawLine(dim->x1, dim->y2, dim->x1, dim->y1);
    SetColor(255, 255, 255);
}

void TGuiObject::applyColor() const {
    if (rgb.r < 0)
        SetColor(0, 0, 0);
    else
        SetColor(rgb.r, rgb.g, rgb.b);
}

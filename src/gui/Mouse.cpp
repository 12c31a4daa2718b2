// Sampling the mouse each frame, drawing the current cursor, and the registry of named cursors.
#include "gui/Mouse.h"

#include <cstdlib>

#include "core/Globals.h"
#include "core/ImageLoad.h"

using namespace eng;

TMouse* mouse = nullptr;

namespace {

// A press that lasts longer than this is holding rather than a click (special sampling).
constexpr int kHoldMs = 200;

// Cursors that follow the pointer even while the system pointer is shown: the power-up cursors.
bool isPowerUpCursor(const std::string& id) {
    static const char* const kNames[] = {"OKO-1",     "OKO-2",     "OKO-3",     "OKO-4",     "CZASZKA-0",
                                         "CZASZKA-1", "CZASZKA-2", "CZASZKA-3", "CZASZKA-4", "MAPA-0",
                                         "MAPA-1",    "MAPA-2",    "MAPA-3",    "MAPA-4"};
    for (const char* n : kNames)
        if (id == n) return true;
    return false;
}

}  // namespace

TMouse::TMouse() {
    mouse = this;
}

TMouse::~TMouse() {
    if (mouse == this) mouse = nullptr;
}

int TMouse::getHoldedTime() const {
    return static_cast<int>(std::llabs(_leftHoldedTime - MilliSecs()));
}

void TMouse::_readButtons() {
    leftPressed = MouseHit(1) > 0 ? 1 : 0;
    rightPressed = MouseHit(2) > 0 ? 1 : 0;
    leftHolded = MouseDown(1) ? 1 : 0;
    rightHolded = MouseDown(2) ? 1 : 0;
}

void TMouse::_readPosition(int logical, bool wheel) {
    px = x;
    py = y;
    pz = z;
    x = MouseX();
    y = MouseY();
    if (logical == 1 && wheel) z = static_cast<float>(MouseZ());
    // In full screen the side bars are not part of the game: keep the pointer on the logical screen.
    if (logical == 1 && keepOnScreen) {
        const int cx = x < 0 ? 0 : (x >= 1024 ? 1023 : x);
        const int cy = y < 0 ? 0 : (y >= 768 ? 767 : y);
        if (cx != x || cy != y) {
            x = cx;
            y = cy;
            MoveMouse(x, y);
        }
    }
    vx = px - x;
    vy = py - y;
    vz = pz - z;
}

void TMouse::update(int logical) {
    _readButtons();
    // A click that came and went between two frames still counts as held for this one.
    if (leftPressed) leftHolded = 1;
    if (rightPressed) rightHolded = 1;
    _readPosition(logical, true);
    if (cur) cur->update();
}

void TMouse::updateSpec() {
    _readButtons();
    if (leftHolded) {
        leftPressed = 0;
        if (!_leftHolded) {
            _leftHolded = 1;
            _leftHoldedTime = MilliSecs();
            _leftHoldReported = 0;
        }
        leftHolded = MilliSecs() - _leftHoldedTime > kHoldMs ? 1 : 0;
        if (leftHolded) _leftHoldReported = 1;
    } else if (_leftHolded) {
        // Released: a press never reported as held is a click, however late the release frame came.
        _leftHolded = 0;
        if (!_leftHoldReported) leftPressed = 1;
    }
    _readPosition(1, false);
    if (cur) cur->update();
}

void TMouse::draw() {
    SetRotation(0);
    SetBlend(ALPHABLEND);
    if (_v) {
        HideMouse();
    } else {
        ShowMouse();
    }
    if (cur && (_v || isPowerUpCursor(cur->_id))) cur->draw(static_cast<float>(x), static_cast<float>(y));
}

int TMouse::inRect(float rx, float ry, float rw, float rh) const {
    const float mx = static_cast<float>(x), my = static_cast<float>(y);
    return rx <= mx && mx <= rx + rw && ry <= my && my <= ry + rh ? 1 : 0;
}

int TMouse::inDim(const TDim& dim) const {
    return inRect(dim.x, dim.y, dim.w, dim.h);
}

void TMouse::_register(const std::string& id, const Image& img, int hx, int hy, int maxFrames, int delay) {
    auto c = std::make_shared<TCursor>();
    c->_id = id;
    c->_img = img;
    c->_maxFrames = maxFrames;
    c->_timeDelta = delay;
    c->_frame = 0;
    c->_hx = hx;
    c->_hy = hy;
    SetImageHandle(img, static_cast<float>(hx), static_cast<float>(hy));
    listaKursorow.push_back(c);
    cur = c;
}

void TMouse::loadCursor(const std::string& id, const std::string& source, int hx, int hy, int frames,
                        int delay) {
    Image img = loadImageOrWarn(source);
    if (img && frames >= 2) {
        Image strip = LoadAnimImage(source, ImageWidth(img) / frames, ImageHeight(img), 0, frames);
        if (strip) {
            _register(id, strip, hx, hy, frames - 1, delay);
            return;
        }
    }
    _register(id, img, hx, hy, 0, 0);
}

void TMouse::loadCursor(const std::string& id, const Image& source, int hx, int hy, int frames, int delay) {
    _register(id, source, hx, hy, 0, 0);
}

void TMouse::setCursor(const std::string& id) {
    const std::string wanted = Lower(id);
    for (auto it = listaKursorow.rbegin(); it != listaKursorow.rend(); ++it) {
        if (Lower((*it)->_id) == wanted) {
            cur = *it;
            return;
        }
    }
}

void TMouse::clear() {
    FlushMouse();
    leftPressed = leftHolded = rightPressed = rightHolded = 0;
}

void loadCursors() {
    struct Entry {
        const char* id;
        const char* path;
        int hx, hy;
    };
    static const Entry kCursors[] = {
        {"HOOK", "gfx/gui/mouse/hook.png", 3, 24},
        {"HAND", "gfx/gui/mouse/hand.png", 2, 2},
        {"OKO-0", "gfx/gui/mouse/oko.png", 18, 17},
        {"OKO-1", "gfx/gui/mouse/oko-1.png", 11, 11},
        {"OKO-2", "gfx/gui/mouse/oko-2.png", 9, 8},
        {"OKO-3", "gfx/gui/mouse/oko-3.png", 8, 8},
        {"OKO-4", "gfx/gui/mouse/oko-4.png", 6, 7},
        {"CZASZKA-0", "gfx/gui/mouse/czaszka.png", 21, 17},
        {"CZASZKA-1", "gfx/gui/mouse/czaszka-1.png", 16, 15},
        {"CZASZKA-2", "gfx/gui/mouse/czaszka-2.png", 13, 11},
        {"CZASZKA-3", "gfx/gui/mouse/czaszka-3.png", 9, 10},
        {"CZASZKA-4", "gfx/gui/mouse/czaszka-4.png", 8, 6},
        {"MAPA-0", "gfx/gui/mouse/mapa.png", 13, 13},
        {"MAPA-1", "gfx/gui/mouse/mapa-1.png", 10, 9},
        {"MAPA-2", "gfx/gui/mouse/mapa-2.png", 8, 8},
        {"MAPA-3", "gfx/gui/mouse/mapa-3.png", 6, 4},
        {"MAPA-4", "gfx/gui/mouse/mapa-4.png", 5, 4},
    };
    if (!mouse) return;
    for (const Entry& e : kCursors) mouse->loadCursor(e.id, programPrefix + e.path, e.hx, e.hy);
    mouse->setCursor("HAND");
}

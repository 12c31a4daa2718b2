// Keyboard and mouse state: hit counters consumed by the read, held keys, the character queue.
#include <algorithm>
#include <cmath>
#include <deque>

#include "engine/Internal.h"

namespace eng {

namespace {

struct InputState {
    int keyHits[256] = {};
    bool keyDown[256] = {};
    std::deque<uint32_t> chars;
    int mouseHits[4] = {};
    bool mouseDown[4] = {};
    float vx = 0, vy = 0;  // virtual units
    int z = 0;
    float offX = 0, offY = 0;
};

InputState I;

bool validKey(int key) {
    return key > 0 && key < 256;
}
bool validButton(int b) {
    return b >= 1 && b <= 3;
}

}  // namespace

namespace input {

void keyEvent(int vk, bool down, bool repeat) {
    if (!validKey(vk)) return;
    if (down && !repeat) I.keyHits[vk]++;
    I.keyDown[vk] = down;
    // The generic Shift, Control and Alt numbers follow their left and right keys.
    auto generic = [&](int left, int right, int code) {
        if (vk == left || vk == right) I.keyDown[code] = I.keyDown[left] || I.keyDown[right];
    };
    generic(160, 161, 16);
    generic(162, 163, 17);
    generic(164, 165, 18);
    // Editing keys also reach the character queue, as text entries expect.
    if (down && (vk == 8 || vk == 9 || vk == 13 || vk == 27)) I.chars.push_back(static_cast<uint32_t>(vk));
}

void charEvent(uint32_t code) {
    I.chars.push_back(code);
}

void mouseMoveVirtual(float vx, float vy) {
    I.vx = vx;
    I.vy = vy;
}

void mouseButtonEvent(int button, bool down) {
    if (!validButton(button)) return;
    if (down) I.mouseHits[button]++;
    I.mouseDown[button] = down;
}

void mouseWheelEvent(int notches) {
    I.z += notches;
}

void logicalToVirtual(float lx, float ly, float& vx, float& vy) {
    vx = lx + I.offX;
    vy = ly + I.offY;
}

}  // namespace input

int KeyHit(int key) {
    if (!validKey(key)) return 0;
    int n = I.keyHits[key];
    I.keyHits[key] = 0;
    return n;
}

bool KeyDown(int key) {
    return validKey(key) && I.keyDown[key];
}

int GetChar() {
    if (I.chars.empty()) return 0;
    uint32_t c = I.chars.front();
    I.chars.pop_front();
    return static_cast<int>(c);
}

void FlushKeys() {
    std::fill(std::begin(I.keyHits), std::end(I.keyHits), 0);
    I.chars.clear();
}

int MouseHit(int button) {
    if (!validButton(button)) return 0;
    int n = I.mouseHits[button];
    I.mouseHits[button] = 0;
    return n;
}

bool MouseDown(int button) {
    return validButton(button) && I.mouseDown[button];
}
int MouseX() {
    return static_cast<int>(std::floor(I.vx - I.offX));
}
int MouseY() {
    return static_cast<int>(std::floor(I.vy - I.offY));
}
int MouseZ() {
    return I.z;
}
void FlushMouse() {
    std::fill(std::begin(I.mouseHits), std::end(I.mouseHits), 0);
}

void SetLogicalOffset(float x, float y) {
    I.offX = x;
    I.offY = y;
}

void InjectMouseMove(float x, float y) {
    input::mouseMoveVirtual(x + I.offX, y + I.offY);
}
void InjectMouseButton(int button, bool down) {
    input::mouseButtonEvent(button, down);
}
void InjectMouseWheel(int notches) {
    input::mouseWheelEvent(notches);
}
void InjectKey(int key, bool down) {
    input::keyEvent(key, down, false);
}
void InjectText(const std::string& utf8) {
    for (uint32_t c : DecodeUtf8(utf8)) input::charEvent(c);
}

}  // namespace eng

// The pick-up, drag, click and drop timing of carried pieces.
#include "minigames/CarryInput.h"

#include "engine/Engine.h"
#include "gui/Mouse.h"

using namespace eng;

void TCarryInput::reset() {
    holdTime = clickTime = 0;
    holded = mouseClick = doubleClick = 0;
    waitRelease = false;
}

TCarryInput::Action TCarryInput::step(bool carrying, bool over, bool ctrl, bool secondCancelsDrop) {
    if (!mouse) return NONE;
    const int64_t now = MilliSecs();
    if (!carrying) {
        if (!mouse->leftHolded) waitRelease = false;
        if (over && mouse->leftHolded && !waitRelease) {
            holdTime = now;
            return PICK_UP;
        }
        return NONE;
    }
    if (mouse->leftHolded && now - holdTime > 250) holded = 1;
    if (mouse->leftPressed) {
        if (ctrl) mouseClick = 1;
        mouse->leftHolded = 0;
        mouse->leftPressed = 0;
        holdTime = now;
        if (mouseClick) {
            if (secondCancelsDrop) mouseClick = 0;
            holded = 0;
            return SECOND_PRESS;
        }
        holded = 0;
        mouseClick = 1;
        clickTime = now;
    }
    if ((holded && !mouse->leftHolded) || (mouseClick && now - clickTime > 100)) {
        holded = 0;
        clickTime = now;
        doubleClick = 0;
        mouseClick = 0;
        waitRelease = true;
        return DROP;
    }
    return NONE;
}

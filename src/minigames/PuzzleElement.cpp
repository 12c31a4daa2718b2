// A jigsaw piece: following the mouse, the pixel test, snapping, the skip flight and drawing.
#include "minigames/PuzzleElement.h"

#include <algorithm>
#include <cmath>

#include "core/Curve.h"
#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "gui/Mouse.h"
#include "minigames/MiniGame.h"

using namespace eng;

void TPuzzleElement::drawMeShodowed() const {
    if (!img) return;
    SetColor(0, 0, 0);
    SetAlpha(0.35f);
    DrawImage(img, static_cast<float>(dx), static_cast<float>(dy));
}

void TPuzzleElement::draw() const {
    if (!img) return;
    if (ha != 0) {
        SetColor(0, 0, 0);
        SetAlpha(0.5f * ha);
        DrawImage(img, x + 4 * ha, y + 4 * ha);
    }
    SetColor(255, 255, 255);
    SetAlpha(1);
    DrawImage(img, static_cast<float>(x), static_cast<float>(y));
}

void TPuzzleElement::Moving() {
    mp = std::min(mp + 0.01f * frameDelta, 1.0f);
    const float s = fsin(90 * mp);
    x = static_cast<int>(bezier(x1, mx, x2, s));
    y = static_cast<int>(bezier(y1, my, y2, s));
    if (mp == 1) {
        x = dx;
        y = dy;
        isMoving = 0;
    }
}

int TPuzzleElement::isOver() {
    if (isMoving) {
        Moving();
        return 0;
    }
    if (holded && mouse) {
        x = mouse->x + vx;
        y = mouse->y + vy;
        dha = 1;
    } else {
        dha = 0;
    }
    approach(ha, dha, 0.05f);
    if (putOk || !img || !pointImage || !mouse) return 0;
    // Only this piece on the layer: an earlier piece's pixels must not answer for it.
    ResetCollisions(1);
    CollideImage(img, static_cast<float>(x), static_cast<float>(y), 0, 0, 1, this);
    return CollideImage(pointImage, static_cast<float>(mouse->x), static_cast<float>(mouse->y), 0, 1, 0)
                   .empty()
               ? 0
               : 1;
}

void TPuzzleElement::click(int down, int mouseX, int mouseY) {
    holded = down;
    if (down) {
        vx = x - mouseX;
        vy = y - mouseY;
        return;
    }
    if (std::hypot(static_cast<float>(x - dx), static_cast<float>(y - dy)) < kSnap) {
        putOk = 1;
        x = dx;
        y = dy;
    }
}

void TPuzzleElement::MoveToPosition(bool bendFirst) {
    if (isMoving) return;
    holded = 0;
    x1 = static_cast<float>(x);
    y1 = static_cast<float>(y);
    x2 = static_cast<float>(dx);
    y2 = static_cast<float>(dy);
    mx = bendFirst ? x1 : x2;
    my = bendFirst ? y2 : y1;
    mp = 0;
    isMoving = 1;
}

// The scroll panel: nine pieces, the middle rows shown as far as it is unrolled.
#include "progress/Papirus.h"

#include <array>
#include <cmath>

#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "engine/Engine.h"

using namespace eng;

namespace {

// Top left, top middle, top right, middle left, middle, middle right, bottom left, bottom middle, bottom
// right.
std::array<Image, 9> piece;

float W(int i) {
    return static_cast<float>(ImageWidth(piece[i]));
}
float H(int i) {
    return static_cast<float>(ImageHeight(piece[i]));
}

// One row: its left piece at `left`, `count` middle pieces, then the right piece.
void row(int first, float left, float top, int count, float middleTop) {
    DrawImage(piece[first], left, top);
    float px = left + W(first);
    for (int i = 0; i < count; ++i, px += W(first + 1)) DrawImage(piece[first + 1], px, middleTop);
    DrawImage(piece[first + 2], px, top);
}

}  // namespace

void TPapirus::loadPieces() {
    if (piece[0]) return;
    const char* names[9] = {"gora-lewo",    "gora-srodek", "gora-prawo", "srodek-lewo", "srodek-srodek",
                            "srodek-prawo", "dol-lewo",    "dol-srodek", "dol-prawo"};
    for (int i = 0; i < 9; ++i)
        piece[i] = loadImageOrWarn(programPrefix + "gfx/gui/papirus/" + names[i] + ".png");
}

int TPapirus::start(float px, float py, int w, int h) {
    loadPieces();
    x = px;
    y = py;
    width = w;
    height = h;
    per = dPer = a = da = 0;
    state = "START";
    return 1;
}

int TPapirus::hide() {
    state = "HIDE";
    return 1;
}

int TPapirus::update() {
    approach(per, dPer, 0.08f);
    approach(a, da, 0.07f);
    if (state == "START") {
        da = 1;
        if (a == 1) dPer = 1;
    } else if (state == "HIDE") {
        dPer = 0;
        if (per == 0) da = 0;
    }
    return 1;
}

int TPapirus::draw() const {
    if (!piece[4]) return 0;
    SetAlpha(static_cast<float>(Sin(90 * a)));
    if (a >= 1) {
        const int rows = static_cast<int>(static_cast<float>(Sin(90 * per)) * height);
        for (int i = 0; i <= rows; ++i) {
            const float ry = y + 52 + i * H(4);
            row(3, x + 31, ry, width + 1, ry);
        }
    }
    row(0, x, y, width + 1, y + 2);
    const float b = height * H(4) * static_cast<float>(Sin(90 * per)) - 10;
    const float by = y + H(6) + b;
    row(6, x, by, width + 1, by + 2);
    return 1;
}

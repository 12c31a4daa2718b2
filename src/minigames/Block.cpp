// A chest puzzle block: cell positions about its pivot, the hover test, turning and drawing.
#include "minigames/Block.h"

#include <cmath>

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "gui/Mouse.h"
#include "minigames/MiniGame.h"

using namespace eng;

namespace {
constexpr uint32_t kLayer = 1;  // the collision layer the tiles are written into for the hover test
}  // namespace

void TBlock::cellPosAt(int r, int c, float d, float& px, float& py) const {
    const float kat = bd->katTab[r][c] + d, odl = bd->odlTab[r][c];
    px = x + bd->xo + fcos(kat) * odl;
    py = y + bd->yo + fsin(kat) * odl;
}

void TBlock::cellPos(int r, int c, float& px, float& py) const {
    cellPosAt(r, c, dir, px, py);
}

void TBlock::getDim(int r, int c, int& px, int& py) const {
    float fx, fy;
    cellPos(r, c, fx, fy);
    px = static_cast<int>(fx);
    py = static_cast<int>(fy);
}

bool TBlock::update() {
    if (dClickedA != 0) dOverA = dClickedA;
    approach(overA, dOverA, 0.1f);
    approach(clickedA, dClickedA, 0.05f);
    if (dir != dDir) {
        approach(dir, dDir, 5);
        if (dir == dDir) {
            // Both angles stay within a turn.
            if (dDir < 0) dDir += 360;
            if (dDir > 360) dDir -= 360;
            dir = dDir;
        }
    }
    if (!mouse) return false;
    if (dClickedA != 0) {
        x = static_cast<float>(mouse->x) - adX;
        y = static_cast<float>(mouse->y) - ady;
    }
    return isUnder(static_cast<float>(mouse->x), static_cast<float>(mouse->y));
}

bool TBlock::isUnder(float mx, float my) const {
    if (!bd) return false;
    const bool pixels = pointImage != nullptr;
    // Only this block's tiles are on the layer: what an earlier test wrote there must not count.
    if (pixels) ResetCollisions(kLayer);
    SetRotation(dir);
    bool hit = false;
    for (int r = 0; r < bd->rows && !hit; ++r)
        for (int c = 0; c < bd->cols && !hit; ++c) {
            const TPETileData* t = bd->tab[r][c];
            if (!t) continue;
            float px, py;
            cellPos(r, c, px, py);
            if (pixels && t->img) {
                CollideImage(t->img, px, py, 0, 0, kLayer, this);
            } else {
                // Without pictures: the cell's square, turned with the block.
                const float dx = mx - px, dy = my - py, a = -dir;
                const float lx = dx * fcos(a) - dy * fsin(a), ly = dx * fsin(a) + dy * fcos(a);
                hit = std::fabs(lx) < peData.W / 2.0f && std::fabs(ly) < peData.H / 2.0f;
            }
        }
    SetRotation(0);
    if (!hit && pixels) hit = !CollideImage(pointImage, mx, my, 0, kLayer, 0).empty();
    return hit;
}

void TBlock::click(int down, float mx, float my) {
    dClickedA = static_cast<float>(down);
    if (down) {
        adX = mx - x;
        ady = my - y;
    } else {
        adX = ady = 0;
    }
}

void TBlock::drawTiles() const {
    SetRotation(dir);
    for (int r = 0; r < bd->rows; ++r)
        for (int c = 0; c < bd->cols; ++c) {
            const TPETileData* t = bd->tab[r][c];
            if (!t || !t->img) continue;
            float px, py;
            cellPos(r, c, px, py);
            DrawImage(t->img, px, py);
        }
    SetRotation(0);
}

void TBlock::draw(float alpha) const {
    if (!bd) return;
    if (clickedA != 0) {
        const float g = fsin(90 * clickedA);
        SetColor(0, 0, 0);
        SetAlpha(0.3f * g * alpha);
        TBlock shadow = *this;
        shadow.x += 5 * g;
        shadow.y += 5 * g;
        shadow.drawTiles();
    }
    const int grey = onPlace ? 255 : 200;
    SetColor(grey, grey, grey);
    SetAlpha(alpha);
    drawTiles();
    if (overA != 0) {
        SetColor(255, 255, 255);
        SetBlend(LIGHTBLEND);
        SetAlpha(0.3f * alpha * fsin(90 * overA));
        drawTiles();
    }
    resetDrawState();
}

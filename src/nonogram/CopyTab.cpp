// The copy of the finished picture on the win screen.
#include "nonogram/CopyTab.h"

#include <algorithm>
#include <cmath>

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "nonogram/Level.h"

using namespace eng;

namespace {

float distance(float dx, float dy) {
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

void TTileCopy::checkRot() {
    for (float* v : {&kat, &stRot, &dRot}) {
        if (*v > 360) *v -= 360;
        if (*v < 0) *v += 360;
    }
}

// The angle goes straight from its start to its target, so a cell may turn the long way round.
void TTileCopy::update() {
    approach(a, da, 0.05f);
    per = std::min(per + 0.02f * frameDelta, 1.0f);
    kat = stRot + (dRot - stRot) * per;
    odl = stOdl + (dOdl - stOdl) * per;
}

void TCopyTab::update() {
    approach(gs, dgs, 0.01f);
    for (auto& row : tile)
        for (auto& c : row) {
            c->dim.x = xo + static_cast<float>(Cos(c->kat)) * c->odl * gs;
            c->dim.y = yo + static_cast<float>(Sin(c->kat)) * c->odl * gs;
            c->update();
        }
}

void TCopyTab::draw(float a) const {
    resetDrawState();
    SetScale(gs, gs);
    SetRotation(rot);
    for (const auto& row : tile)
        for (const auto& c : row) {
            if (!c->img) continue;
            SetAlpha(static_cast<float>(Sin(90 * alpha * c->a)) * a);
            DrawImage(c->img, c->dim.x, c->dim.y, c->frame);
        }
    resetDrawState();
}

float properScaleForTab(float width, float height) {
    if (width > 280 || height > 280) return width > height ? 280 / width : 280 / height;
    return 1;
}

std::shared_ptr<TCopyTab> copyLevelPicture(const TLevel& level) {
    auto tab = std::make_shared<TCopyTab>();
    tab->rows = level.rows;
    tab->cols = level.cols;
    if (level.tile.empty() || level.tile[0].empty()) return tab;
    const TDim& first = level.tile[0][0]->dim;
    tab->xd = first.x;
    tab->yd = first.y;
    float minX = 2000, minY = 2000, maxX = 0, maxY = 0;
    tab->tile.resize(level.rows);
    for (int r = 0; r < level.rows; ++r)
        for (int c = 0; c < level.cols; ++c) {
            const TTile& cell = *level.tile[r][c];
            auto copy = std::make_shared<TTileCopy>();
            copy->dim.x = static_cast<float>(static_cast<int>(cell.dim.x));
            copy->dim.y = static_cast<float>(static_cast<int>(cell.dim.y));
            copy->img = cell.getImg();
            copy->frame = static_cast<int>(cell.getFrame());
            copy->td = cell.td;
            copy->da = cell.isPicture() ? 1.0f : 0.0f;
            minX = std::min(minX, copy->dim.x);
            minY = std::min(minY, copy->dim.y);
            maxX = std::max(maxX, copy->dim.x);
            maxY = std::max(maxY, copy->dim.y);
            tab->tile[r].push_back(copy);
        }
    tab->width = maxX - minX;
    tab->height = maxY - minY;
    tab->xo = tab->width / 2 + first.x;
    tab->yo = tab->height / 2 + first.y;
    // The closed-up layout: the cells touch, without the grid's gaps.
    const auto& td0 = level.tile[0][0]->td;
    const int s = std::clamp(level.size, 0, TILE_SIZES - 1);
    float w = tileSizes[s], h = tileSizes[s];
    if (td0 && td0->gfx[s]) {
        w = static_cast<float>(ImageWidth(td0->gfx[s]));
        h = static_cast<float>(ImageHeight(td0->gfx[s]));
    }
    for (int r = 0; r < level.rows; ++r)
        for (int c = 0; c < level.cols; ++c) {
            TTileCopy& copy = *tab->tile[r][c];
            copy.dcx = tab->xo - w * (level.cols - 1) / 2 + w * c;
            copy.dcy = tab->yo - h * (level.rows - 1) / 2 + h * r;
            copy.stOdl = copy.odl = distance(copy.dim.x - tab->xo, copy.dim.y - tab->yo);
            copy.kat = copy.stRot = static_cast<float>(ATan2(copy.dim.y - tab->yo, copy.dim.x - tab->xo));
            copy.dOdl = distance(copy.dcx - tab->xo, copy.dcy - tab->yo);
            copy.dRot = static_cast<float>(ATan2(copy.dcy - tab->yo, copy.dcx - tab->xo));
            copy.checkRot();
        }
    return tab;
}

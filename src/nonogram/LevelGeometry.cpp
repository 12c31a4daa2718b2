// Where a level lies on the screen: the grid in blocks of five, its clue-number areas, panels and centre.
#include <algorithm>
#include <cmath>

#include "nonogram/Level.h"
#include "nonogram/Number.h"

using namespace eng;

void TLevel::countWidthAndHeight() {
    const int s = std::clamp(size, 0, TILE_SIZES - 1);
    const auto first = tileAt(0, 0);
    const Image img = (first && first->td) ? first->td->gfx[s] : nullptr;
    singleW = img ? ImageWidth(img) : static_cast<int>(tileSizes[s]);
    singleH = img ? ImageHeight(img) : static_cast<int>(tileSizes[s]);
    width = static_cast<float>(singleW * cols + cols);
    height = static_cast<float>(singleH * rows + rows);
}

void TLevel::countWidthAndHeightWithNumbers() {
    const float minX = std::min(1000.0f, GetLowestNumbersX());
    const float minY = std::min(1000.0f, GetLowestNumbersY());
    moveW = std::fabs(minX - stx);
    moveH = std::fabs(minY - sty);
    width += moveW;
    height += moveH;
    lx = stx - moveW;
    ly = sty - moveH;
}

void TLevel::setPosition(float x, float y) {
    pointX = x;
    pointY = y;
    stx = x - width / 2;
    sty = y - height / 2;
    for (int r = 0; r < rows; ++r) {
        const int gy = 4 * (r / 5 + 1);
        for (int c = 0; c < cols; ++c) {
            const int gx = 4 * (c / 5 + 1);
            TDim& d = tile[r][c]->dim;
            d.x = static_cast<float>(static_cast<int>(stx + c * singleW + gx - 4));
            d.y = static_cast<float>(static_cast<int>(sty + r * singleH + gy - 4));
        }
    }
}

void TLevel::setProperPosition() {
    auto measure = [this] {
        countWidthAndHeight();
        countNumbersDims();
        countWidthAndHeightWithNumbers();
    };
    measure();
    setPosition(390 + moveW, 394 + moveH);
    measure();
}

void TLevel::InitNumberBack() {
    const Image frame = overImg[std::clamp(size, 0, TILE_SIZES - 1)];
    const int ow = frame ? ImageWidth(frame) : singleW;
    const int oh = frame ? ImageHeight(frame) : singleH;
    const int mw = static_cast<int>(stx - lx);
    const int mh = static_cast<int>(sty - ly);
    // The panels reach past the outermost clues by half a digit picture, the frame's 4 pixels and a gap,
    // so no digit touches the gold frame.
    const int s = std::clamp(size, 0, TILE_SIZES - 1);
    const int marginX = static_cast<int>(std::ceil(TNumber::halfW(s))) + 4;
    const int marginY = static_cast<int>(std::ceil(TNumber::numHeight("0", s) / 2)) + 4;
    leftX = static_cast<int>(lx) - marginX;
    leftY = static_cast<int>(sty - oh / 2);
    leftW = mw - ow / 2 + marginX;
    leftH = static_cast<int>(height - mh);
    upX = static_cast<int>(stx - ow / 2);
    upY = static_cast<int>(ly) - marginY;
    upW = static_cast<int>(width - mw);
    upH = mh - oh / 2 + marginY;
}

TDim TLevel::getCentralDim() const {
    TDim d;
    const auto first = tileAt(0, 0);
    if (!first) return d;
    const int w = singleW, h = singleH;
    d.x = static_cast<float>(static_cast<int>(first->dim.x + (w * cols - w / 2 + 4 * (cols / 5)) / 2.0f));
    d.y = static_cast<float>(static_cast<int>(first->dim.y + (h * rows - h / 2 + 4 * (rows / 5)) / 2.0f));
    return d;
}

int TLevel::getGridXCenter() const {
    return static_cast<int>(getCentralDim().x);
}

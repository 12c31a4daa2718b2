// The pop-up frame: four corners, repeated edges and a flat interior.
#include "progress/PopUpFrame.h"

#include <array>

#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "engine/Engine.h"

using namespace eng;

namespace {

// Corners: upper left, upper right, bottom left, bottom right; edges: top, bottom, left, right.
std::array<Image, 4> corner;
std::array<Image, 4> edge;

float w(const Image& i) {
    return static_cast<float>(ImageWidth(i));
}
float h(const Image& i) {
    return static_cast<float>(ImageHeight(i));
}

}  // namespace

void loadPopUpFrame() {
    if (corner[0]) return;
    const std::string dir = programPrefix + "gfx/gui/popup/popup-";
    const char* corners[4] = {"corner-u-left", "corner-u-right", "corner-b-left", "corner-b-right"};
    const char* edges[4] = {"horizontal", "horizontal-2", "vertical", "vertical-2"};
    for (int i = 0; i < 4; ++i) {
        corner[i] = loadImageOrWarn(dir + corners[i] + ".png");
        edge[i] = loadImageOrWarn(dir + edges[i] + ".png");
    }
}

void popUpFrameSize(int cols, int rows, float& fw, float& fh) {
    fw = w(corner[0]) + cols * w(edge[0]) + w(corner[1]);
    fh = h(corner[0]) + rows * h(edge[2]) + h(corner[2]);
}

void drawPopUpFrame(float x, float y, int cols, int rows, float scale) {
    auto sw = [scale](const Image& i) { return scale * ImageWidth(i); };
    auto sh = [scale](const Image& i) { return scale * ImageHeight(i); };
    const float ix = x + sw(corner[0]), iy = y + sh(corner[0]);  // the interior's top-left corner
    const float iw = cols * sw(edge[0]), ih = rows * sh(edge[2]);
    int r, g, b;
    GetColor(r, g, b);
    SetColor(47, 17, 15);
    DrawRect(ix, iy, iw, ih);
    SetColor(r, g, b);
    SetScale(scale, scale);
    for (int i = 0; i < cols; ++i) {
        DrawImage(edge[0], ix + i * sw(edge[0]), y);
        DrawImage(edge[1], ix + i * sw(edge[1]), iy + ih);
    }
    for (int i = 0; i < rows; ++i) {
        DrawImage(edge[2], x, iy + i * sh(edge[2]));
        DrawImage(edge[3], ix + iw, iy + i * sh(edge[3]));
    }
    DrawImage(corner[0], x, y);
    DrawImage(corner[1], ix + iw, y);
    DrawImage(corner[2], x, iy + ih);
    DrawImage(corner[3], ix + iw, iy + ih);
    SetScale(1, 1);
}

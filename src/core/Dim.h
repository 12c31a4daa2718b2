// Small shared records: the float rectangle TDim and the colour TRGB.
#pragma once

#include <memory>

struct TDim {
    float x = 0, y = 0;                    // top-left corner
    float h = 0, w = 0;                    // height before width, as declared
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // corners derived by update()

    // Must follow every change of x, y, w or h; hit tests read the corners.
    void update() {
        x1 = x;
        y1 = y;
        x2 = x + w;
        y2 = y + h;
    }
};

struct TRGB {
    int r = 255, g = 255, b = 255;
};

std::shared_ptr<TDim> createDim(int x, int y, int w, int h);
std::shared_ptr<TDim> createPoint(int x, int y);  // corners stay 0 until update()
std::shared_ptr<TRGB> createRGB(int r, int g, int b);

// Pictures made in code for tests: plain rectangles of one colour.
#pragma once

#include <memory>

#include "engine/Engine.h"

// A w x h picture of one colour; `alpha` false makes it a picture without an alpha channel.
inline eng::Pixmap solidPixmap(int w, int h, uint8_t r, uint8_t g, uint8_t b, bool alpha = true) {
    auto pm = std::make_shared<eng::PixmapData>();
    pm->width = w;
    pm->height = h;
    pm->hasAlpha = alpha;
    pm->rgba.resize(static_cast<size_t>(w) * h * 4);
    for (size_t i = 0; i < pm->rgba.size(); i += 4) {
        pm->rgba[i] = r;
        pm->rgba[i + 1] = g;
        pm->rgba[i + 2] = b;
        pm->rgba[i + 3] = 255;
    }
    return pm;
}

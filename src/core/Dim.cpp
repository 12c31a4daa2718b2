// Constructors of the shared rectangle and colour records.
#include "core/Dim.h"

std::shared_ptr<TDim> createDim(int x, int y, int w, int h) {
    auto d = std::make_shared<TDim>();
    d->x = static_cast<float>(x);
    d->y = static_cast<float>(y);
    d->w = static_cast<float>(w);
    d->h = static_cast<float>(h);
    d->update();
    return d;
}

std::shared_ptr<TDim> createPoint(int x, int y) {
    auto d = std::make_shared<TDim>();
    d->x = static_cast<float>(x);
    d->y = static_cast<float>(y);
    return d;
}

std::shared_ptr<TRGB> createRGB(int r, int g, int b) {
    auto c = std::make_shared<TRGB>();
    c->r = r;
    c->g = g;
    c->b = b;
    return c;
}

// The popup of points won: a plus sign and gold digits that rise and fade.
#include "nonogram/TextCaption.h"

#include <algorithm>
#include <string>

#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "nonogram/TileData.h"

using namespace eng;

std::array<Image, 10> captionDigits;
Image captionPlus;

void TTextCaption::setup() {
    for (int d = 0; d < 10; ++d)
        captionDigits[d] = loadImageOrWarn(programPrefix + "gfx/captions/cyfry/" + std::to_string(d) + ".png",
                                           FILTEREDIMAGE | MIPMAPPEDIMAGE);
    captionPlus =
        loadImageOrWarn(programPrefix + "gfx/captions/txt/plus.png", FILTEREDIMAGE | MIPMAPPEDIMAGE);
    if (captionPlus) SetImageHandle(captionPlus, -2, 0);
}

void TTextCaption::countValue() {
    valueList.clear();
    for (char ch : std::to_string(v))
        if (ch >= '0' && ch <= '9') valueList.push_back(captionDigits[ch - '0']);
    float width = 10;
    if (!valueList.empty()) width += ImageWidth(captionPlus) * ss;
    for (const Image& d : valueList) width += ImageWidth(d) * ss;
    if (x < 50) x = 50;
    if (x + width > 950) x = 950 - width;
}

void TTextCaption::update() {
    _updateAll();
}

void TTextCaption::draw() const {
    SetColor(rgb.r, rgb.g, rgb.b);
    SetAlpha(a);
    SetBlend(ALPHABLEND);
    SetScale(ss, ss);
    SetRotation(0);
    float px = x;
    if (!valueList.empty()) {
        DrawImage(captionPlus, px, y);
        px += ImageWidth(captionPlus) * ss;
    }
    for (const Image& d : valueList) {
        DrawImage(d, px, y);
        px += ImageWidth(d) * ss;
    }
    SetScale(1, 1);
}

std::shared_ptr<TTextCaption> startScorePopup(int imageNumber, int value, float x, float y, int delay,
                                              int size, TCaptionList& list) {
    auto c = std::make_shared<TTextCaption>();
    c->imageNumber = imageNumber;
    c->shrinkAndFade(x, y, 0.15f);
    c->v = value;
    c->countValue();
    // Smaller cells, smaller digits: the popup scales with the picture of tile kind 1.
    c->ss = 1;
    const auto kind = getTileDataById(1);
    if (kind) {
        const int full = ImageWidth(kind->gfx[0]);
        const int here = ImageWidth(kind->gfx[static_cast<size_t>(std::clamp(size, 0, TILE_SIZES - 1))]);
        if (full > 0 && here > 0) c->ss = std::min(1.0f, static_cast<float>(here) / full + 0.1f);
    }
    c->rgb = TRGB{};
    list.add(c);
    return c;
}

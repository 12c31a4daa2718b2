// The square wooden chips a cell's board breaks into: they jump up, drift sideways, spin, fall and fade.
#include "nonogram/Plate.h"

#include <algorithm>
#include <string>

#include "core/Globals.h"
#include "core/ImageLoad.h"

using namespace eng;

std::array<TChipSheet, TILE_SIZES> chipSheets = {{
    {"gfx/particles/tiles/wood-50.png", 10, 10, 25, 5, 5, nullptr},
    {"gfx/particles/tiles/wood-36.png", 6, 6, 36, 6, 6, nullptr},
    {"gfx/particles/tiles/wood-30.png", 5, 5, 36, 6, 6, nullptr},
    {"gfx/particles/tiles/wood-24.png", 6, 6, 16, 4, 4, nullptr},
    {"gfx/particles/tiles/wood-20.png", 5, 5, 16, 4, 4, nullptr},
}};

namespace {

const TChipSheet& sheetOf(int size) {
    return chipSheets[static_cast<size_t>(std::clamp(size, 0, TILE_SIZES - 1))];
}

}  // namespace

void loadChipSheets() {
    for (TChipSheet& sheet : chipSheets) {
        const std::string path = programPrefix + sheet.path;
        sheet.img = LoadAnimImage(path, sheet.chipW, sheet.chipH, 0, sheet.chips);
        if (!sheet.img) {
            Notify("Couldn't load image file: " + path, false);
            continue;
        }
        MidHandleImage(sheet.img);
    }
}

void TPlate::draw() const {
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetAlpha(a);
    SetColor(255, 255, 255);
    SetRotation(r);
    DrawImage(sheetOf(imgN).img, x, y, frameN);
}

void TPlate::update() {
    if (firstTime) {
        firstTime = 0;
        return;
    }
    x += ax * frameDelta;
    y += ay * frameDelta;
    a -= aSpeed * frameDelta;
    r += rSpeed * frameDelta;
    if (a < 0) destroy();
    ay += 0.4f * frameDelta;
}

void TPlate::destroy() {
    if (list) list->remove(this);
}

void breakIntoChips(int size, float x, float y, TPlateList& list) {
    const TChipSheet& sheet = sheetOf(size);
    int i = 0;
    for (int j = 0; j < sheet.rows; ++j)
        for (int k = 0; k < sheet.cols; ++k, ++i) {
            const int d = Rand(0, 1) == 1 ? Rand(0, 1) : Rand(-1, 0);
            startChip(size, i, x + static_cast<float>(k * sheet.chipW),
                      y + static_cast<float>(j * sheet.chipH), d, list);
        }
}

std::shared_ptr<TPlate> startChip(int size, int frame, float x, float y, int d, TPlateList& list) {
    const TChipSheet& sheet = sheetOf(size);
    auto p = std::make_shared<TPlate>();
    p->imgN = std::clamp(size, 0, TILE_SIZES - 1);
    p->frameN = frame;
    // The chip spins about its centre, so it is placed by its centre: together the chips cover the board.
    p->x = x + sheet.chipW / 2.0f;
    p->y = y + sheet.chipH / 2.0f;
    p->ax = 1.5f * static_cast<float>(d);
    p->ay = static_cast<float>(Rnd(-4, -3));
    p->aSpeed = static_cast<float>(Rnd(0.02, 0.03));
    return list.add(p);
}

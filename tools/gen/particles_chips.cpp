// The wood chip sheets: a breaking board flies apart in square chips, one sheet per tile size.
#include <string>

#include "paint/ImageIO.h"
#include "tiles_art.h"

namespace gen {

using namespace paint;

namespace {

// Breaking boards fly apart in square chips cut from the wooden board: chips of `chip` pixels, `grid`
// to a side, each chip faintly bevelled so it reads on its own.
void writeChips(const Context& ctx, int size, int chip, int grid) {
    Canvas sheet = woodBoard(size).cropped(0, 0, chip * grid, chip * grid);
    const int n = chip * grid;
    Mask light(n, n), dark(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            if (x % chip == 0 || y % chip == 0) light.at(x, y) = 1.0f;
            if (x % chip == chip - 1 || y % chip == chip - 1) dark.at(x, y) = 1.0f;
        }
    sheet.paint(light, hex(0xffe8c4, 0.3f), Blend::Inside);
    sheet.paint(dark, hex(0x2e1508, 0.35f), Blend::Inside);
    writePng(sheet, ctx.out("gfx/particles/tiles/wood-" + std::to_string(size) + ".png"));
}

}  // namespace

void writeChipSheets(const Context& ctx) {
    writeChips(ctx, 50, 10, 5);
    writeChips(ctx, 36, 6, 6);
    writeChips(ctx, 30, 5, 6);
    writeChips(ctx, 24, 6, 4);
    writeChips(ctx, 20, 5, 4);
}

}  // namespace gen

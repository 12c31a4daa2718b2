// The pop-up frame: a gold-rimmed lapis border around the dark panel, cut into four corners and four edges.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "Entries.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/ImageIO.h"
#include "panels_art.h"
#include "panels_border.h"

namespace gen {

using namespace paint;

namespace {

// Piece sizes: the code that draws the frame places its pop-ups by them.
constexpr int kCornerW = 106, kCornerH = 109;  // every corner
constexpr int kTileW = 104;                    // the top and bottom edges, kCornerH tall
constexpr int kTileH = 82;                     // the left and right edges, kCornerW wide
// The frame is painted with two tiles along each edge and then cut.
constexpr int kW = 2 * kCornerW + 2 * kTileW, kH = 2 * kCornerH + 2 * kTileH;

// The first tile along an edge must look like the second, or a frame of any size shows seams.
void checkTiles(const Canvas& art) {
    const Canvas top0 = art.cropped(kCornerW, 0, kTileW, kH),
                 top1 = art.cropped(kCornerW + kTileW, 0, kTileW, kH);
    const Canvas side0 = art.cropped(0, kCornerH, kW, kTileH),
                 side1 = art.cropped(0, kCornerH + kTileH, kW, kTileH);
    if (!sameImage(top0, top1) || !sameImage(side0, side1))
        throw std::runtime_error("the pop-up frame's edges do not repeat seamlessly");
}

}  // namespace

void genPopUpFrame(const Context& ctx) {
    // The beads sit where tiles start; four studs and beads to a top tile, three to a side tile.
    const Canvas art = borderedPanel({kW, kH, kTileW / 8.0f, kTileH / 6.0f, {kCornerW, kCornerH}});
    checkTiles(art);
    const int right = kW - kCornerW, bottom = kH - kCornerH;
    const std::string dir = "gfx/gui/popup/popup-";
    auto put = [&](const char* name, int x, int y, int w, int h) {
        const Canvas piece = art.cropped(x, y, w, h);
        writePng(piece, ctx.out(dir + name + ".png"));
    };
    put("corner-u-left", 0, 0, kCornerW, kCornerH);
    put("corner-u-right", right, 0, kCornerW, kCornerH);
    put("corner-b-left", 0, bottom, kCornerW, kCornerH);
    put("corner-b-right", right, bottom, kCornerW, kCornerH);
    put("horizontal", kCornerW, 0, kTileW, kCornerH);
    put("horizontal-2", kCornerW, bottom, kTileW, kCornerH);
    put("vertical", 0, kCornerH, kCornerW, kTileH);
    put("vertical-2", right, kCornerH, kCornerW, kTileH);
    // The pieces' inner edges must meet the flat fill exactly.
    const Pixel& inner = art.at(kCornerW, kCornerH);
    if (!samePixel(inner, premultiply(kPopUpPanel)))
        throw std::runtime_error("the pop-up frame's panel does not match its flat fill");
}

}  // namespace gen

// The cells' pictures: every tile kind at the five sizes with "data/tiles.dat", hover frames, covers, rocks.
#include <functional>
#include <string>

#include "Entries.h"
#include "paint/ImageIO.h"
#include "tiles_art.h"

namespace gen {

using namespace paint;
using namespace tiles;

namespace {

constexpr int kMarker = 16;
constexpr int kFloorFrames = 8;

// Writes one kind's pictures and its group in the table; a kind of several frames is stored as strips.
void writeKind(const Context& ctx, DataText& data, int id, const std::string& name, int frames,
               const std::function<Canvas(int)>& picture, const std::function<Canvas(int)>& broken) {
    data.open("tile" + std::to_string(id));
    data.number("id", id);
    data.number("frames", frames);
    data.number("framesBroken", frames);
    std::vector<std::string> img, imgB;
    for (int s : kSizes) {
        const std::string base = "gfx/tiles/kinds/" + std::to_string(id) + "-" + name;
        img.push_back(base + "-" + std::to_string(s) + ".png");
        imgB.push_back(base + "-broken-" + std::to_string(s) + ".png");
        writePng(picture(s), ctx.out(img.back()));
        writePng(broken(s), ctx.out(imgB.back()));
    }
    for (int j = 0; j < 5; ++j) data.text("img" + std::to_string(j), img[j]);
    for (int j = 0; j < 5; ++j) data.text("imgB" + std::to_string(j), imgB[j]);
    data.close();
}

}  // namespace

void genTiles(const Context& ctx) {
    DataText data;
    data.open("tiles");
    data.number("i", kMarker);
    // Kind 0 never shows for long: the floor glimpsed while a board is lifted, and its crumbling.
    writeKind(
        ctx, data, 0, "floor", kFloorFrames,
        [](int s) { return strip(std::vector<Canvas>(kFloorFrames, floorPiece(s))); },
        [](int s) { return strip(floorBroken(s, kFloorFrames)); });
    for (const StoneKind& k : stoneKinds())
        writeKind(
            ctx, data, k.id, k.name, 1, [&](int s) { return pictureStone(k, s); },
            [&](int s) { return brokenStone(k, s); });
    writeKind(ctx, data, kMarker, "marker", 1, markerDot, markerDot);
    data.close();
    data.write(ctx.out("data/tiles.dat"));

    for (int s : kSizes)
        writePng(hoverFrame(s), ctx.out("gfx/tiles/over-size-" + std::to_string(s) + ".png"));
    writeCovers(ctx);
    writeRocks(ctx);
}

}  // namespace gen

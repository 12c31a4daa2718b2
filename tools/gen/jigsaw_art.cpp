// The jigsaw mini-game's files: the board, the three pictures, their pieces and the level files.
#include "jigsaw_art.h"

#include <fstream>
#include <stdexcept>
#include <string>

#include "Entries.h"
#include "Palette.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/ImageIO.h"

namespace gen {

namespace jigsaw {

Mask rast(const Shape& s) {
    return s.rasterize(kPaintW, kPaintH, 1.1f);
}

void inked(Canvas& c, const Shape& s, const Fill& f, float outline) {
    c.paint(rast(s.grown(outline)), pal::kOutline.fade(0.9f));
    c.paint(rast(s), f);
}

}  // namespace jigsaw

void genJigsawArt(const Context& ctx) {
    using namespace jigsaw;
    const std::string dir = "gfx/miniGames/Puzzle/";
    writePng(board(), ctx.out(dir + "podklad.png"));
    using Scene = Canvas (*)();
    const Scene scenes[] = {egyptScene, persianCourtyard, tibetTemple};
    for (int i = 0; i < 3; ++i) {
        const std::string k = std::to_string(i + 1);
        Canvas picture = hud::resampled(scenes[i](), kPicW, kPicH);
        grain(picture, 0.01f, 4200u + static_cast<uint32_t>(i));
        writeJpeg(picture, ctx.out(dir + "picture" + k + ".jpg"), 92);

        const Level& level = kLevels[i];
        const std::vector<Piece> pieces =
            cutPieces(picture, level.cols, level.rows, 4300u + static_cast<uint32_t>(i));
        for (size_t p = 0; p < pieces.size(); ++p)
            writePng(pieces[p].image,
                     ctx.out(dir + "puzzle" + k + "/piece" + std::to_string(p + 1) + ".png"));

        std::ofstream out(ctx.out("data/puzzles/puzzle" + k + ".dat"), std::ios::binary);
        out << levelFile(i, pieces, kPicW / level.cols, kPicH / level.rows);
        if (!out) throw std::runtime_error("cannot write the jigsaw level " + k);
    }
}

}  // namespace gen

// The treasure chest of the main game: back and front strips at six stages of damage, the niche's sill
// drawn over it, the closed chest, and the pieces it bursts into.
#include <vector>

#include "Entries.h"
#include "maingame_chest_art.h"
#include "paint/ImageIO.h"
#include "tiles_art.h"

namespace gen {

using namespace paint;

void genMainGameChest(const Context& ctx) {
    using namespace chest;
    std::vector<Canvas> backs, fronts;
    Canvas burst;
    for (int k = 0; k < kFrames; ++k) {
        Canvas back(kCanvasW, kCanvasH), front(kCanvasW, kCanvasH);
        paintOpenBack(back, k);
        paintOpenFront(front, k);
        backs.push_back(back.downsampled(2).cropped(kBackX - kOriginX, kBackY - kOriginY, kBackW, kBackH));
        fronts.push_back(
            front.downsampled(2).cropped(kFrontX - kOriginX, kFrontY - kOriginY, kFrontW, kFrontH));
        if (k == kFrames - 1) {
            burst = Canvas(kCanvasW, kCanvasH);
            paintOpenBack(burst, k, false);
            burst.draw(front, 0, 0);
        }
    }
    writePng(tiles::strip(backs), ctx.out("gfx/gui/mainGame/chest-back.png"));
    writePng(tiles::strip(fronts), ctx.out("gfx/gui/mainGame/chest-front.png"));
    writePng(nicheCover(), ctx.out("gfx/gui/mainGame/chest-cover.png"));

    Canvas closed(kCanvasW, kCanvasH);
    paintClosed(closed);
    // The game reads this picture under its own name; the data is PNG.
    writePng(closed.downsampled(2).cropped(kBackX - kOriginX, kBackY - kOriginY, kBackW, kBackH),
             ctx.out("gfx/gui/mainGame/chest.pnt"));
    writePieces(ctx, burst);
}

}  // namespace gen

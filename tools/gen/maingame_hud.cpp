// The main game's head-up display pictures in "gfx/gui/mainGame/": the panel, the tool icons, the small
// pictures of the panel, and the power-up and caption buttons.
#include "Entries.h"
#include "maingame_hud_art.h"

namespace gen {

void genMainGameHud(const Context& ctx) {
    writeHudPanel(ctx);
    writeHudTools(ctx);
    writeHudItems(ctx);
    writeHudButtons(ctx);
}

}  // namespace gen

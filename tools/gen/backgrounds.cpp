// The level backgrounds gfx/backgrounds/background-1.jpg … background-6.jpg: calm painted desert scenes
// that sit behind the grid.
#include <string>

#include "Entries.h"
#include "backgrounds_art.h"
#include "paint/ImageIO.h"

namespace gen {

void genBackgrounds(const Context& ctx) {
    using Scene = paint::Canvas (*)();
    const Scene scenes[] = {bg::noonDunes,     bg::oasisPool,    bg::templeHall,
                            bg::sunsetPlateau, bg::riverMorning, bg::starryNight};
    for (int i = 0; i < 6; ++i) {
        paint::Canvas c = scenes[i]();
        bg::finish(c, 900u + static_cast<uint32_t>(i));
        paint::writeJpeg(c, ctx.out("gfx/backgrounds/background-" + std::to_string(i + 1) + ".jpg"), 90);
    }
}

}  // namespace gen

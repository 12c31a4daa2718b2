// The hidden-object mini-game's files: the three scenes, their cut-out foreground pieces, lamp glows,
// fish and birds, and the level files in data/hiddenObjects/.
#include <fstream>
#include <stdexcept>
#include <string>

#include "Entries.h"
#include "ho_scene_art.h"
#include "paint/Effects.h"
#include "paint/ImageIO.h"

namespace gen {

void genHiddenObjectScenes(const Context& ctx) {
    using namespace ho;
    using Painter = Scene (*)();
    const Painter painters[] = {tombChamber, persianCourtyard, tibetanTemple};
    for (int i = 0; i < 3; ++i) {
        Scene s = painters[i]();
        const std::string k = std::to_string(i + 1);
        const std::string dir = "gfx/miniGames/hiddenObjects/scene" + k + "/";
        grain(s.image, 0.01f, 5100u + static_cast<uint32_t>(i));
        writeJpeg(s.image, ctx.out("gfx/miniGames/hiddenObjects/scene" + k + ".jpg"), 92);
        for (size_t m = 0; m < s.masks.size(); ++m)
            writePng(s.masks[m].image, ctx.out(dir + "mask" + std::to_string(m + 1) + ".png"));
        // Each lamp's glow a little different, so that they do not pulse as one.
        for (size_t l = 0; l < s.lamps.size(); ++l) {
            const float warm = 0.08f * static_cast<float>(l % 3);
            writePng(glow(s.glowSize, hex(0xffc870).fade(0.95f - warm), hex(0xff7a20)),
                     ctx.out(dir + "light" + std::to_string(l + 1) + ".png"));
        }
        const std::string kind = s.birds ? "bird" : "fish";
        for (size_t m = 0; m < s.movers.size(); ++m)
            writePng(s.movers[m], ctx.out(dir + kind + std::to_string(m + 1) + ".png"));

        std::ofstream out(ctx.out("data/hiddenObjects/ho" + k + ".hol"), std::ios::binary);
        out << levelFile(i, s);
        if (!out) throw std::runtime_error("cannot write the hidden-object level " + k);
    }
}

}  // namespace gen

// The story's cutscene pictures: the letter in the tomb, the rising pyramid, the two route maps, the
// bulldozer at the ziggurat and the waterfall before the hidden gate.
#include <string>

#include "Entries.h"
#include "paint/Effects.h"
#include "paint/ImageIO.h"
#include "story_scenes_art.h"

namespace gen {

void genStoryScenes(const Context& ctx) {
    using namespace story;
    writeJpeg(tombByLamplight(), ctx.out("gfx/backgrounds/ho-5.jpg"), 92);
    writePng(letter(), ctx.out("gfx/story/Letter/letter.png"));

    const std::string pyramid = "gfx/story/Piramid/";
    writeJpeg(pyramidBack(), ctx.out(pyramid + "back.jpg"), 92);
    writePng(risingPyramid(), ctx.out(pyramid + "piramid.png"));
    writePng(dustBand(), ctx.out(pyramid + "dust.png"));
    writePng(dustCloud(), ctx.out(pyramid + "dust1.png"));
    writePng(dustHaze(), ctx.out(pyramid + "dust2.png"));
    writePng(pyramidForeground(), ctx.out(pyramid + "first-plan.png"));
    writePng(pyramidForegroundRight(), ctx.out(pyramid + "first-plan-2.png"));

    // The two route maps share the first one's markers.
    const std::string irak = "gfx/story/goToIrak/";
    writeJpeg(iraqMap(), ctx.out(irak + "map.jpg"), 92);
    writeJpeg(tibetMap(), ctx.out("gfx/story/goToTibet/back.jpg"), 92);
    writePng(routeDot(), ctx.out(irak + "point.png"));
    writePng(startMarker(), ctx.out(irak + "start.png"));
    writePng(crossMarker(), ctx.out(irak + "x.png"));
    writePng(inkArrow(), ctx.out(irak + "arrow.png"));

    // The ziggurat before and after the bulldozer: one camera, so that one picture fades into the other.
    writeJpeg(zigguratCalm(), ctx.out("gfx/backgrounds/background-15.jpg"), 92);
    writeJpeg(zigguratDug(), ctx.out("gfx/backgrounds/background-16.jpg"), 92);

    writeJpeg(gorge(), ctx.out("gfx/story/Waterfall/back.jpg"), 92);
    writePng(waterfall(), ctx.out("gfx/story/Waterfall/waterfall.png"));
}

}  // namespace gen

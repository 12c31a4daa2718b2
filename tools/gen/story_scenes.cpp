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
}

}  // namespace gen

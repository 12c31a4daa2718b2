// The story's slide-show cutscenes: twenty painted pictures in five folders of gfx/story/.
#include <string>

#include "Entries.h"
#include "paint/ImageIO.h"
#include "story_slides_art.h"

namespace gen {

void genStorySlides(const Context& ctx) {
    using namespace slides;
    auto put = [&](const Canvas& c, const std::string& path) {
        writeJpeg(c, ctx.out("gfx/story/" + path), 90);
    };
    put(tabletTable(), "tablet/image-1.jpg");
    put(tabletCloseUp(), "tablet/image-2.jpg");
    put(campDusk(), "camp/image-1.jpg");
    put(campNight(), "camp/image-2.jpg");
    put(roadRuins(), "GoToIran/image0.jpg");
    put(roadPlain(), "GoToIran/image1.jpg");
    put(roadPass(), "GoToIran/image2.jpg");
    put(roadCaravanserai(), "GoToIran/image3.jpg");
    put(roadBlueCity(), "GoToIran/image4.jpg");
    put(roadBazaar(), "GoToIran/image5.jpg");
    put(roadCourtyard(), "GoToIran/image6.jpg");
    put(roadMerchant(), "GoToIran/image7.jpg");
    put(templeFacade(), "TempleOpen/image0.jpg");
    put(templeRecess(), "TempleOpen/image1.jpg");
    put(templeDoor(false), "TempleOpen/image2.jpg");
    put(templeDoor(true), "TempleOpen/image3.jpg");
    put(templeHall(), "TempleOpen/image4.jpg");
    put(hallWall(), "TempleCheck/image0.jpg");
    put(hallMap(), "TempleCheck/image1.jpg");
    put(hallFloor(), "TempleCheck/image2.jpg");
}

}  // namespace gen

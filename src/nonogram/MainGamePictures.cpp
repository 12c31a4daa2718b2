// Loading the main game's pictures.
#include "nonogram/MainGamePictures.h"

#include "core/Globals.h"
#include "core/ImageLoad.h"

using namespace eng;

namespace {
const std::string kDir = "gfx/gui/mainGame/";
}

Image mainGamePicture(const std::string& name, bool midHandle, int flags) {
    Image img = loadImageOrWarn(programPrefix + kDir + name, flags);
    if (img && midHandle) MidHandleImage(img);
    return img;
}

Image mainGameStrip(const std::string& name, int w, int h, int frames) {
    Pixmap pix = LoadPixmap(programPrefix + kDir + name);
    if (!pix) {
        Notify("Couldn't load image file: " + programPrefix + kDir + name, false);
        return nullptr;
    }
    return LoadAnimImage(pix, w, h, 0, frames);
}

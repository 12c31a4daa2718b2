// The reporting image loader.
#include "core/ImageLoad.h"

eng::Image loadImageOrWarn(const std::string& path, int flags) {
    eng::Image img = eng::LoadImage(path, flags);
    if (!img) eng::Notify("Couldn't load image file: " + path + " - program will probably crash!", false);
    return img;
}

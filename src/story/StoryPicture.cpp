// The story's picture loader, which reports each missing picture once.
#include "story/StoryPicture.h"

#include <set>

#include "core/Globals.h"

using namespace eng;

Image storyPicture(const std::string& path, bool midHandle) {
    static std::set<std::string> reported;
    if (path.empty()) return {};  // a pause in the story's chain has no picture
    Image img = LoadImage(programPrefix + path);
    if (!img) {
        if (reported.insert(path).second)
            Warn("The story's picture \"" + path + "\" cannot be loaded; it is left out.");
        return img;
    }
    if (midHandle) MidHandleImage(img);
    return img;
}

void drawStoryPicture(const Image& img, float x, float y) {
    if (img) DrawImage(img, x, y);
}

// Loading the story's pictures: a picture that is missing draws nothing and is reported only once.
#pragma once

#include <string>

#include "engine/Engine.h"

// Loads programPrefix + `path`; a failure is reported the first time that path fails, later tries stay
// silent. `midHandle` puts the handle in the picture's middle.
eng::Image storyPicture(const std::string& path, bool midHandle = false);
// Draws `img` when it loaded; a missing picture draws nothing.
void drawStoryPicture(const eng::Image& img, float x, float y);

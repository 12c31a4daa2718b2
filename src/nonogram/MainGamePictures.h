// Loading the main game's pictures from "gfx/gui/mainGame/": a picture that cannot be loaded is reported.
#pragma once

#include <string>

#include "engine/Engine.h"

eng::Image mainGamePicture(const std::string& name, bool midHandle = false, int flags = -1);
// A strip of `frames` pictures of w x h side by side.
eng::Image mainGameStrip(const std::string& name, int w, int h, int frames);

// The reporting image loader: a picture that cannot be loaded is reported and the game goes on.
#pragma once

#include <string>

#include "engine/Engine.h"

eng::Image loadImageOrWarn(const std::string& path, int flags = -1);

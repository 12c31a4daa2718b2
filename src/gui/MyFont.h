// The font cache: every TrueType file at a given pixel size is rendered once for the whole run.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/Engine.h"

struct TMyFont {
    std::string url;  // the path passed to the cache
    int size = 0;
    eng::ImageFont font;  // null when the file does not render
};

extern std::vector<std::shared_ptr<TMyFont>> fontCache;

// The font at `path` (the caller adds programPrefix) rendered at `size`; the path matches
// without regard to letter case.
eng::ImageFont getFont(const std::string& path, int size);

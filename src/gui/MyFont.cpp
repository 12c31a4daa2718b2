// The font cache.
#include "gui/MyFont.h"

#include <strings.h>

std::vector<std::shared_ptr<TMyFont>> fontCache;

eng::ImageFont getFont(const std::string& path, int size) {
    for (const auto& entry : fontCache)
        if (entry->size == size && strcasecmp(entry->url.c_str(), path.c_str()) == 0) return entry->font;
    auto entry = std::make_shared<TMyFont>();
    entry->url = path;
    entry->size = size;
    entry->font = eng::LoadImageFont(path, size, 4);
    fontCache.push_back(entry);
    return entry->font;
}

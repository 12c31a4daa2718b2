// Fonts declared in GUI files and looked up by id.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "gui/GuiParse.h"

class TGui;

class TRGMFont {
  public:
    eng::ImageFont _font;
    std::string _id;

    // The "FONT" declaration: URL and SIZE (default 12), rendered through the font cache.
    static std::shared_ptr<TRGMFont> createFromList(const std::string& id,
                                                    const std::vector<TSimpleEntry>& entries, TGui* gui);
    // The first font with this id in the container (or in the module list without one), else null.
    static std::shared_ptr<TRGMFont> getByID(const std::string& id, const TGui* gui);
};

// Fonts declared without a container.
extern std::vector<std::shared_ptr<TRGMFont>> fontList;

// The font of a "FONT" key: a font id of the same file; reports an id that names no font.
eng::ImageFont guiFont(const std::string& id, const TGui* gui);

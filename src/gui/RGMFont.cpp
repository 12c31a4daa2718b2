// GUI file fonts.
#include "gui/RGMFont.h"

#include <strings.h>

#include <cstdlib>

#include "core/Globals.h"
#include "gui/Gui.h"
#include "gui/MyFont.h"

using namespace eng;

std::vector<std::shared_ptr<TRGMFont>> fontList;

std::shared_ptr<TRGMFont> TRGMFont::createFromList(const std::string& id,
                                                   const std::vector<TSimpleEntry>& entries, TGui* gui) {
    std::string url;
    int size = 12;
    for (const TSimpleEntry& e : entries) {
        const std::string key = Upper(e._typ);
        if (key == "URL") {
            url = programPrefix + e._value;
            if (!getFont(url, 12))
                guiError("Nie moge znalezc czcionki : " + url +
                         "   fileType : " + std::to_string(FileType(url)) + "   realpath : " + RealPath(url));
        } else if (key == "SIZE") {
            size = std::atoi(e._value.c_str());
        }
    }
    if (url.empty()) {
        guiError("Nie podano scierzki do czcionki.");
        return nullptr;
    }
    auto font = std::make_shared<TRGMFont>();
    font->_id = id;
    font->_font = getFont(url, size);
    if (gui)
        gui->_fonts.push_back(font);
    else
        fontList.push_back(font);
    return font;
}

std::shared_ptr<TRGMFont> TRGMFont::getByID(const std::string& id, const TGui* gui) {
    const auto& list = gui ? gui->_fonts : fontList;
    for (const auto& f : list)
        if (strcasecmp(f->_id.c_str(), id.c_str()) == 0) return f;
    return nullptr;
}

ImageFont guiFont(const std::string& id, const TGui* gui) {
    auto f = TRGMFont::getByID(id, gui);
    if (!f) {
        guiError("Nie znaleziono czcionki : " + id);
        return nullptr;
    }
    return f->_font;
}

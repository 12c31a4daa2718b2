// Loading themes from their description files, and finding them by name.
#include "gui/Theme.h"

#include "core/Globals.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "gui/Gui.h"

using namespace eng;

std::vector<std::shared_ptr<TTheme>> themeList;
std::shared_ptr<TTheme> windowTheme;
std::shared_ptr<TTheme> currentTheme;

namespace {
const char* kWindowKeys[9] = {"leftUp", "Up",       "rightUp", "right", "rightdown",
                              "down",   "leftdown", "left",    "srodek"};
const char* kBoxKeys[9] = {"LU", "U", "RU", "R", "RD", "D", "LD", "L", "Middle"};

Image piece(const TRCMFile& file, const std::string& path) {
    const std::string rel = file.getString(path);
    if (rel.empty()) return nullptr;
    return LoadImage(programPrefix + rel, -1);
}

TRGB colour(const TRCMFile& file, const std::string& path) {
    return TRGB{readInt(file, path, 0), readInt(file, path, 1), readInt(file, path, 2)};
}
}  // namespace

void TTheme::loadTheme(const std::string& path) {
    auto file = loadDataFile(path);
    loadWindowGFX(*file);
    loadBelkaGFX(*file);
}

void TTheme::loadWindowGFX(const TRCMFile& file) {
    for (int i = 0; i < 9; ++i) oknoImg[i] = piece(file, std::string("TEMAT::OKNO::") + kWindowKeys[i]);
    // Right-hand and bottom pieces hang from their right or bottom edge.
    SetImageHandle(oknoImg[2], static_cast<float>(ImageWidth(oknoImg[2])), 0);
    SetImageHandle(oknoImg[3], static_cast<float>(ImageWidth(oknoImg[3])), 0);
    SetImageHandle(oknoImg[4], static_cast<float>(ImageWidth(oknoImg[4])),
                   static_cast<float>(ImageHeight(oknoImg[4])));
    SetImageHandle(oknoImg[5], 0, static_cast<float>(ImageHeight(oknoImg[5])));
    SetImageHandle(oknoImg[6], 0, static_cast<float>(ImageHeight(oknoImg[6])));
}

void TTheme::loadBelkaGFX(const TRCMFile& file) {
    bar[0] = piece(file, "TEMAT::BELKA::lewo");
    bar[1] = piece(file, "TEMAT::BELKA::srodek");
    bar[2] = piece(file, "TEMAT::BELKA::prawo");
    for (int i = 0; i < 9; ++i) rect[i] = piece(file, std::string("TEMAT::BELKA::") + kBoxKeys[i]);
    if (bar[1]) barHeight = ImageHeight(bar[1]);
    textRGB = colour(file, "TEMAT::BELKA::textRGB");
    outLineRGB = colour(file, "TEMAT::BELKA::outLineRGB");
    backRGB = colour(file, "TEMAT::BELKA::backRGB");
}

std::shared_ptr<TTheme> TTheme::createFromList(const std::string& id,
                                               const std::vector<TSimpleEntry>& entries, TGui* gui) {
    for (const TSimpleEntry& e : entries)
        if (Upper(e._typ) == "URL") return loadThemeFile(id, programPrefix + e._value, gui);
    guiError("No path for theme file!");
    return nullptr;
}

std::shared_ptr<TTheme> loadThemeFile(const std::string& id, const std::string& path, TGui* gui) {
    auto theme = std::make_shared<TTheme>();
    theme->loadTheme(path);
    theme->id = Upper(id);
    if (gui) gui->_themes.push_back(theme);
    themeList.push_back(theme);
    currentTheme = theme;
    return theme;
}

std::shared_ptr<TTheme> findTheme(const std::string& id, const TGui* gui) {
    const std::string want = Upper(id);
    if (gui)
        for (const auto& t : gui->_themes)
            if (t->id == want) return t;
    for (const auto& t : themeList)
        if (t->id == want) return t;
    return nullptr;
}

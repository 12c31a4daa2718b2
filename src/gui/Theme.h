// Themes: the pictures and colours windows and menu bars draw their frames with.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Dim.h"
#include "engine/Engine.h"
#include "gui/GuiParse.h"

class TGui;

class TTheme {
  public:
    std::string id;
    // top-left, top, top-right, right, bottom-right, bottom, bottom-left, left, centre
    eng::Image oknoImg[9];
    eng::Image suwak[6];
    std::string suwakUrl[2];
    eng::Image _suwakImg[2];
    eng::Image bar[3];   // menu bar: left end, middle, right end
    eng::Image rect[9];  // drop-down box pieces, in the window order
    int barHeight = 0;
    TRGB backRGB, textRGB, outLineRGB;
    std::string remPath;

    void loadTheme(const std::string& path);
    void loadWindowGFX(const class TRCMFile& file);
    void loadBelkaGFX(const class TRCMFile& file);
    void loadSuwakGFX(const class TRCMFile& file) {}  // sliders draw their own pictures
    static std::shared_ptr<TTheme> createFromList(const std::string& id,
                                                  const std::vector<TSimpleEntry>& entries, TGui* gui);
};

extern std::vector<std::shared_ptr<TTheme>> themeList;
extern std::shared_ptr<TTheme> currentTheme;
extern std::shared_ptr<TTheme> windowTheme;  // the window theme "temat1", loaded at start-up

std::shared_ptr<TTheme> loadThemeFile(const std::string& id, const std::string& path, TGui* gui);
std::shared_ptr<TTheme> findTheme(const std::string& id, const TGui* gui);

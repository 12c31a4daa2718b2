// The GUI container: a screen's items read from a GUI description file, updated and drawn in order.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/GuiObject.h"
#include "gui/GuiParse.h"

class TRGMFont;
class TTheme;

// Menus nest at most this deep in a GUI file; deeper ones are left out instead of running out of stack.
constexpr int kMaxGuiDepth = 64;

class TGui {
  public:
    std::vector<std::shared_ptr<TRGMFont>> _fonts;
    std::vector<std::shared_ptr<TTheme>> _themes;
    std::vector<std::shared_ptr<TGuiObject>> _listaObiektow;
    std::string _clicked;  // id of the item clicked in the last update
    std::string _over;     // id of the item under the mouse in the last update
    std::shared_ptr<TTheme> _theme;
    int soundsOff = 0;
    std::string _url, _myPath, remPath;
    int _offsetX = 0, _offsetY = 0;  // the offsets the file was loaded with, kept for reload

    void clear();
    void clearClicked();
    void setGuiAlpha(float a);
    std::shared_ptr<TGuiObject> getItem(const std::string& id) const;
    void addItem(const std::shared_ptr<TGuiObject>& item);
    int clickedItem(const std::string& id) const;
    void update();
    void draw();
    void reload();
    void Load(const std::string& path, int offsetX, int offsetY);

    // Reads `KEY id { ... }` starting at words[i] (the key); returns the index after its closing brace.
    // `depth` counts the declarations around it; one nested deeper than kMaxGuiDepth is left out with
    // everything in it, and reported.
    size_t _odbierzDeklaracje(const std::vector<std::string>& words, size_t i, TSmallObject& out,
                              int depth = 1);
    // Reads the key = value cycle of words[from..to) into `out`; nested declarations only for menu bars.
    // `depth` is the nesting of `out` (a file's declaration is 0).
    void readEntries(const std::vector<std::string>& words, size_t from, size_t to, bool nested,
                     TSmallObject& out, int depth = 0);
    void dodajObiekt(const std::string& type, const std::string& id, const TSmallObject& declaration,
                     int offsetX, int offsetY);
};

// The sound every GUI makes when an item is clicked and when the mouse comes over a new item; the
// start-up points them at the sound manager (empty: silent).
struct TGuiSounds {
    std::function<void()> click, over;
};
extern TGuiSounds guiSounds;

// The container for the GUI file at `path`, read from the language folder beside it.
std::shared_ptr<TGui> loadGui(const std::string& path, int offsetX = 0, int offsetY = 0);
std::shared_ptr<TGui> newGui();

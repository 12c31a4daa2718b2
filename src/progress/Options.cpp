// Reading and writing the settings file and applying the screen mode and cursor settings.
#include "progress/Options.h"

#include <algorithm>
#include <type_traits>
#include <vector>

#include "audio/GlobalSnd.h"
#include "core/Globals.h"
#include "core/LogicalScreen.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "gui/Mouse.h"

using namespace eng;

TOptions* options = nullptr;

std::string TOptions::settingsPath() const {
    return userFolder + "/Data/settings.dat";
}

void TOptions::setupMouse() {
    if (customCursor != 0) {
        if (mouse) mouse->_v = 1;
        HideMouse();
    } else {
        if (mouse) mouse->_v = 0;
        ShowMouse();
    }
}

void TOptions::saveOptions() {
    auto file = newDataFile();
    file->setFloat("settings::fullScreen", static_cast<float>(fullScreen));
    file->setFloat("settings::wideScreen", static_cast<float>(wideScreen));
    file->setFloat("settings::customCursor", static_cast<float>(customCursor));
    file->setFloat("settings::musicVolume", musicVol);
    file->setFloat("settings::soundVolume", soundVol);
    file->save(settingsPath());
}

void TOptions::loadOptions() {
    const std::string path = settingsPath();
    if (FileType(path) == 0) saveOptions();
    TRCMFile file;
    if (!file.Load(path)) {
        // A damaged or unreadable file gives the settings of a first run, never silence: the values in
        // hand are the start values, and the next save writes them over the damaged file.
        Warn("The settings file \"" + path +
             "\" cannot be read; the game starts with the default settings (full screen, sound and music at "
             "half volume) and saves them there.");
    } else {
        // A readable file with a key missing or not a number keeps that setting as it is, and says so.
        std::vector<std::string> missing;
        auto number = [&](const char* key, auto& value) {
            const std::string full = std::string("settings::") + key;
            const std::string text = Trim(file.getString(full));
            if (text.empty() || ((text[0] < '0' || text[0] > '9') && text[0] != '-')) {
                missing.push_back(key);
                return;
            }
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, int>)
                value = readInt(file, full) != 0 ? 1 : 0;
            else
                value = std::clamp(file.getFloat(full), 0.0f, 1.0f);
        };
        number("fullScreen", fullScreen);
        number("wideScreen", wideScreen);
        number("customCursor", customCursor);
        number("soundVolume", soundVol);
        number("musicVolume", musicVol);
        if (!missing.empty()) {
            std::string keys;
            for (const std::string& k : missing) keys += (keys.empty() ? "" : ", ") + k;
            Warn("The settings file \"" + path + "\" lacks a readable " + keys +
                 "; the game keeps its own value for it and saves it there.");
        }
    }
    if (soundVol < 0.05f) soundVol = 0;
    if (musicVol < 0.05f) musicVol = 0;
    if (globalSnd) {
        globalSnd->setMusicVol(musicVol);
        globalSnd->setSoundVol(soundVol);
    }
}

bool TOptions::openScreen() {
    if (mouse) mouse->keepOnScreen = fullScreen;
    return openGraphics(1024, 768, fullScreen, wideScreen);
}

void TOptions::switchScreen() {
    fullScreen = fullScreen ? 0 : 1;
    openScreen();
    // Alt+Enter is a choice like the options screen's: kept even if the game is closed right after.
    saveOptions();
}

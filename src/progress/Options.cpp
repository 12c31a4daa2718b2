// Reading and writing the settings file and applying the screen mode and cursor settings.
#include "progress/Options.h"

#include "audio/GlobalSnd.h"
#include "core/Globals.h"
#include "core/LogicalScreen.h"
#include "files/DataFile.h"
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
    if (FileType(settingsPath()) != 1) saveOptions();
    auto file = loadDataFile(settingsPath());
    fullScreen = static_cast<int>(file->getFloat("settings::fullScreen"));
    wideScreen = static_cast<int>(file->getFloat("settings::wideScreen"));
    customCursor = static_cast<int>(file->getFloat("settings::customCursor"));
    soundVol = file->getFloat("settings::soundVolume");
    musicVol = file->getFloat("settings::musicVolume");
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
}

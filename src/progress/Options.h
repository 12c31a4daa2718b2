// The player's settings of the installation (screen mode, cursor, volumes) and their settings file.
#pragma once

#include <string>

#include "screen/Ekran.h"

class TOptions : public TEkran {
  public:
    int fullScreen = 1;
    int wideScreen = 1;
    int customCursor = 0;
    float soundVol = 0.5f;
    float musicVol = 0.5f;
    int vx = -72, vy = 0;
    int holdedMusic = 0, holdedSound = 0;

    TOptions() { id = "Options"; }

    std::string settingsPath() const;
    void setupMouse();
    void saveOptions();
    void loadOptions();
    bool openScreen();
    void switchScreen();
};

extern TOptions* options;

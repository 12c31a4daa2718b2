// The player's settings of the installation (screen mode, cursor, volumes) and their settings file.
#pragma once

#include <functional>
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
    eng::Image kosc, pasek, bar;  // the slider's knob, fill and frame
    // The in-game menu offers the way back to the map only once the game has a map.
    bool mapAvailable = false;

    TOptions() { id = "Options"; }

    std::string settingsPath() const;
    void setupMouse();
    void saveOptions();
    void loadOptions();
    bool openScreen();
    void switchScreen();

    // The options screen over `screen`: "" when closed, else "MAPA", "RESTART" or "MAIN-MENU".
    std::string mainLoop(TEkran* screen);
    void prepare(TEkran* screen);
    void setup() override;
    void update() override;
    void draw() override;
    void afterFrame() override;
    // Keeps both volumes within 0..1 and hands them to the sound manager.
    void checkSoundStuff();
    void _updateGUIOperations();
    void _drawPasek(float x, float y, float per);
    void goRULES();
    void goCREDITS();
    void goBackToMap();
    void goRESTART();
    void goMAINMENU();
    // Opens the rules and the credits; set by the screens that show them.
    static inline std::function<void(TEkran&)> rulesScreen, creditsScreen;
};

extern TOptions* options;

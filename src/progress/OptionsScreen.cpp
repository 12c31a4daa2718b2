// The options screen: check-boxes, two volume sliders with plus and minus, and the ways out of a level.
#include <algorithm>
#include <cmath>

#include "audio/GlobalSnd.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "progress/Options.h"
#include "progress/PopUpFrame.h"
#include "progress/ProfileManager.h"
#include "screen/FrameServices.h"

using namespace eng;

namespace {

bool isGameScreen(const TEkran* screen) {
    if (!screen) return false;
    for (const char* id :
         {"MAIN-GAME", "PUZZLE-EXPRESS", "PUZZLE", "HIDDEN-OBJECT", "FINDROUTE-PUZZLE", "FIND-ROUTE"})
        if (screen->id == id) return true;
    return false;
}

void show(TGui& gui, const char* id, bool on) {
    if (auto item = gui.getItem(id)) item->setState(on ? 1 : 0, on ? 1 : 0);
}

}  // namespace

void TOptions::setup() {
    Gui = loadGui(programPrefix + "gfx/gui/options/options.gui", vx, vy);
    const std::string dir = programPrefix + "gfx/gui/options/";
    kosc = loadImageOrWarn(dir + "suwak.png");
    pasek = loadImageOrWarn(dir + "pasek.png");
    bar = loadImageOrWarn(dir + "bar.png");
    MidHandleImage(kosc);
}

void TOptions::prepare(TEkran* screen) {
    ekran = screen;
    alpha = 0;
    dAlpha = 1;
    fade = 0;
    dFade = 0.5f;
    wynik.clear();
    holdedMusic = holdedSound = 0;
    if (!Gui) return;
    const bool inGame = isGameScreen(screen);
    show(*Gui, "rules", screen && screen->id == "MAIN-GAME");
    show(*Gui, "restart", inGame);
    show(*Gui, "mainMenu", inGame);
    show(*Gui, "backToMap", inGame && mapAvailable);
    show(*Gui, "credits", !inGame);
    Gui->clearClicked();
}

std::string TOptions::mainLoop(TEkran* screen) {
    prepare(screen);
    FlushKeys();
    FlushMouse();
    runLoop();
    saveOptions();
    if (mouse) mouse->clear();
    FlushMouse();
    ekran = nullptr;
    return wynik;
}

void TOptions::afterFrame() {
    if (alpha != 1 || !Gui) return;
    if (KeyHit(27) || Gui->clickedItem("ok")) {
        dAlpha = 0;
        dFade = 0;
    }
    if (Gui->clickedItem("on") || Gui->clickedItem("off")) switchScreen();
    if (Gui->clickedItem("onW") || Gui->clickedItem("offW")) {
        wideScreen = wideScreen ? 0 : 1;
        if (fullScreen == 1) openScreen();
    }
    if (Gui->clickedItem("onC") || Gui->clickedItem("offC")) {
        customCursor = customCursor ? 0 : 1;
        setupMouse();
    }
    // The tutorial's tips are the player's own choice, kept in their profile.
    if (TProfile* p = activeProfile(); p && (Gui->clickedItem("onT") || Gui->clickedItem("offT")))
        p->tutorialOn = p->tutorialOn ? 0 : 1;
    const struct {
        const char* id;
        float* volume;
        float step;
    } steps[] = {{"plus1", &musicVol, 0.05f},
                 {"plus2", &soundVol, 0.05f},
                 {"minus1", &musicVol, -0.05f},
                 {"minus2", &soundVol, -0.05f}};
    for (const auto& s : steps)
        if (Gui->clickedItem(s.id)) {
            *s.volume += s.step;
            checkSoundStuff();
        }
    if (Gui->clickedItem("credits")) goCREDITS();
    if (Gui->clickedItem("restart")) goRESTART();
    if (Gui->clickedItem("MAINMENU")) goMAINMENU();
    if (Gui->clickedItem("backToMap")) goBackToMap();
    if (Gui->clickedItem("rules")) goRULES();
}

void TOptions::checkSoundStuff() {
    // Steps of 0.05 land a hair off the ends: what is within a rounding of 0 or 1 is 0 or 1.
    musicVol = std::clamp(std::round(musicVol * 1000) / 1000, 0.0f, 1.0f);
    soundVol = std::clamp(std::round(soundVol * 1000) / 1000, 0.0f, 1.0f);
    if (globalSnd) {
        globalSnd->setMusicVol(musicVol);
        globalSnd->setSoundVol(soundVol);
    }
}

void TOptions::goRULES() {
    if (rulesScreen) rulesScreen(*this);
}
void TOptions::goCREDITS() {
    if (creditsScreen) creditsScreen(*this);
}
void TOptions::goBackToMap() {
    wynik = "MAPA";
    dAlpha = 0;
    dFade = 0;
}
void TOptions::goRESTART() {
    wynik = "RESTART";
    dAlpha = 0;
    dFade = 0;
}
void TOptions::goMAINMENU() {
    wynik = "MAIN-MENU";
    dAlpha = 0;
    dFade = 0;
}

void TOptions::update() {
    updateSystem(this, 0);
    _updateGUIOperations();
    _updateAlpha();
    _updateFade();
    _updateGui();
}

void TOptions::_updateGUIOperations() {
    const struct {
        const char *on, *off;
        int value;
    } boxes[] = {{"on", "off", fullScreen},
                 {"onW", "offW", wideScreen},
                 {"onC", "offC", customCursor},
                 {"onT", "offT", activeProfile() ? activeProfile()->tutorialOn : -1}};
    for (const auto& b : boxes) {
        if (!Gui) break;
        // Without a player there are no tips to switch (-1): neither box shows.
        show(*Gui, b.on, b.value == 1);
        show(*Gui, b.off, b.value == 0);
    }
    if (Gui) show(*Gui, "tipsLabel", activeProfile() != nullptr);
    if (!mouse || alpha != 1) return;
    const bool held = mouse->leftHolded != 0;
    // A drag keeps its slider while the button stays down, wherever the pointer goes; one at a time.
    auto drag = [&](float y, int& holded, int other, float& volume, bool music) {
        if (!held || other) return;
        if (!holded && !mouse->inRect(static_cast<float>(vx + 390), static_cast<float>(vy) + y, 395, 30))
            return;
        const float x = std::clamp(static_cast<float>(mouse->x), static_cast<float>(vx + 390),
                                   static_cast<float>(vx + 785));
        volume = std::clamp((x - (vx + 390)) / 395, 0.0f, 1.0f);
        if (globalSnd) music ? globalSnd->setMusicVol(volume) : globalSnd->setSoundVol(volume);
        holded = 1;
    };
    drag(211, holdedMusic, holdedSound, musicVol, true);
    drag(290, holdedSound, holdedMusic, soundVol, false);
    if (!held) holdedMusic = holdedSound = 0;
}

void TOptions::_drawPasek(float x, float y, float per) {
    if (!pasek) return;
    const float w = per * ImageWidth(pasek), h = static_cast<float>(ImageHeight(pasek));
    if (w > 0) DrawSubImageRect(pasek, x, y, w, h, 0, 0, w, h);
}

void TOptions::draw() {
    if (ekran) ekran->draw();
    resetDrawState();
    SetAlpha(alpha);
    _drawFade();
    resetDrawState();
    SetAlpha(alpha);
    drawPopUpFrame(static_cast<float>(vx + 270), static_cast<float>(vy + 70), 4, 5);
    _drawGui();
    resetDrawState();
    SetAlpha(alpha);
    _drawPasek(static_cast<float>(vx + 390), static_cast<float>(vy + 215), musicVol);
    _drawPasek(static_cast<float>(vx + 390), static_cast<float>(vy + 295), soundVol);
    DrawImage(bar, static_cast<float>(vx + 380), static_cast<float>(vy + 210));
    DrawImage(bar, static_cast<float>(vx + 380), static_cast<float>(vy + 290));
    DrawImage(kosc, vx + 390 + 395 * musicVol, static_cast<float>(vy + 224));
    DrawImage(kosc, vx + 390 + 395 * soundVol, static_cast<float>(vy + 305));
    resetDrawState();
    _drawMouse();
}

// The screen base: animated alpha, fade and progress values, the per-screen protocol and the frame loop.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/Engine.h"

class TGui;  // a screen's buttons and texts

class TEkran {
  public:
    std::string id = "Screen Object";
    std::string wynik;  // the name of the next screen, answered by the screen's loop
    int _exit = 0;
    float alpha = 1.0f, dAlpha = 1.0f;  // opacity of the screen's content and its target
    float fade = 0.0f, dFade = 0.0f;    // opacity of the black layer over the screen and its target
    float p = 0.0f, dp = 0.0f;          // a free animated value and its target
    float aSpeed = 0.05f, fSpeed = 0.05f, pSpeed = 0.005f;
    std::shared_ptr<TGui> Gui;
    TEkran* ekran = nullptr;

    virtual ~TEkran() = default;

    virtual void setup() {}
    // One visit: prepare(), the frame loop, finish(); answers the name of the next screen.
    virtual std::string mainLoop();
    virtual void prepare() {}
    virtual void finish() {}
    // The frame loop of every screen: clear, update(), draw(), endFrame, then afterFrame() (the input that
    // leaves the screen), until finished(); answers `wynik`.
    std::string runLoop();
    // The same over another screen (pop-ups, the in-game menu, dialogs): every frame draws `below` first,
    // without updating it; `ekran` points at it meanwhile.
    std::string runOverlay(TEkran& below);
    // A nested screen over `below` (alone when null), such as a panel or a table opened from a button: the
    // input of the click that opened it is dropped before it runs, and its own after it ends.
    std::string runModal(TEkran* below);
    // The loop ends once the screen has faded out: alpha and its target are both 0.
    virtual bool finished() const { return alpha == 0 && dAlpha == 0; }
    virtual void afterFrame() {}
    // The story's dialog bound to this event ("BEGIN", "END") of the profile's level, run over this screen;
    // its number, or 0 when none is due.
    int checkDialogs(const std::string& event, int mode = 0) {
        return dialogRunner ? dialogRunner(*this, event, mode) : 0;
    }
    // Set by the start-up once the dialogs are loaded.
    static inline std::function<int(TEkran&, const std::string& event, int mode)> dialogRunner;
    // The tutorial's tips on this screen: one update a frame, either of every pending tip or only of the
    // general ones, their drawing, and hiding the tip when the screen's loop ends. The start-up connects
    // the tutorial.
    struct TutorialHooks {
        std::function<void(TEkran&, bool generalOnly)> update;
        std::function<void(TEkran&)> draw;
        std::function<void()> hide;
    };
    static inline TutorialHooks tutorialHooks;
    void tutorialUpdate() {
        if (tutorialHooks.update) tutorialHooks.update(*this, false);
    }
    void tutorialUpdateGeneral() {
        if (tutorialHooks.update) tutorialHooks.update(*this, true);
    }
    void tutorialDraw() {
        if (tutorialHooks.draw) tutorialHooks.draw(*this);
    }
    static void hideTutorial() {
        if (tutorialHooks.hide) tutorialHooks.hide();
    }
    virtual void PauseMyGame() {}
    virtual void ResumeMyGame() {}
    virtual void _drawGui();
    virtual void _drawFade();
    virtual void _drawMouse();
    virtual void draw() {}
    virtual void _updatePer();
    virtual void _updateFade();
    virtual void _updateAlpha();
    // The GUI fades with the screen, then updates.
    virtual void _updateGui();
    virtual void update() {}
    // Clears the screen, draws this screen and grabs the picture (to freeze it behind overlays).
    virtual eng::Pixmap _getMyScreen();
    virtual void STANDARD_DATA();
    // After a long pause: makes the next frame's delta small instead of the whole pause.
    virtual void _prepareDelta();
};

// The hidden-object scene: find the objects pictured in sepia in the bottom panel by clicking them in the
// scene; each found object flies to its picture, which turns to colour and gets a tick. A hint every 20
// seconds circles one hidden object with sparkles.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "effects/Particle.h"
#include "effects/Pogoda.h"
#include "minigames/HOHint.h"
#include "minigames/HOLevel.h"
#include "screen/Ekran.h"

class THiddenObject : public TEkran {
  public:
    std::shared_ptr<THOLevel> level;
    std::string state;  // BEGIN, NORMAL, WIN
    eng::Image panel, panelGui, pasek, nakrycie, pick;
    eng::ImageFont font, font2;
    int maxHintTime = 20000;
    int64_t hintTime = 0;  // MilliSecs when the next hint is ready
    float ha = 0, dha = 0;
    std::optional<THOHint> hoHint;
    THObject* over = nullptr;
    std::string txtCounter[2];
    int addPomCounter = -50, addPomCounterY = -15;
    TParticleList particles;
    TWeatherList weather;
    bool editor = false;
    THObject* editSelected = nullptr;  // the layout editor's object
    int64_t nextSecond = 0;

    THiddenObject() { id = "HIDDEN-OBJECT"; }
    void setup() override;
    void setLevel(const std::shared_ptr<THOLevel>& l) { level = l; }
    // "GET-NEXT-LEVEL", "RESTART-LEVEL", "MAIN-MENU" or "MAPA".
    std::string mainLoop() override;
    void prepare() override;
    bool finished() const override { return fade == 1 && dFade == 1; }
    void update() override;
    void draw() override;
    void afterFrame() override;

    // How full the hint gauge is, 0..1.
    float hintCharge() const;
    // Circles one of the objects still hidden (none left: the gauge is spent all the same).
    void useHint();
    void WIN();

  private:
    void _updateState();
    void _updatePlay();
    void _updateHint();
    void _updateLights();
    void _updateEditor();
    void _drawScene() const;
    void _drawPanel();
    void _drawInfo() const;
};

extern THiddenObject* hiddenObject;

// The flow's "HIDDEN-OBJECT" entries: a fresh scene from its file, a saved one, a resumed one.
void registerHiddenObjectKind();

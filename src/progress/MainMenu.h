// The title screen: the picture with its clouds, beams and sparkles, the bouncing logo, the buttons that
// slide in, and the player's name plate.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "effects/Particle.h"
#include "progress/Beam.h"
#include "screen/Ekran.h"

class TMainMenu : public TEkran {
  public:
    static constexpr int kSlides = 7;

    eng::Image logo, back;
    std::array<eng::Image, 2> cloud;
    std::array<eng::Image, 3> podklad;  // the name plate: left, middle, right
    std::vector<TBeam> beamsList;
    TParticleList sparks;
    int64_t sparkTime = 0;
    std::string txtHello, txtHello1, txtHello2, txtManager, txtAreYouSure1, txtAreYouSure2;
    float light = 0, dLight = 0;
    int manX = 300, manY = 740;
    eng::ImageFont font;
    float per = 1, dPer = 1;
    float skyA = 0, dSkyA = 1;
    float jump = 1000, jumpH = 0, jSpeed = 0.04f, jumpPer = 1, dJumpPer = 0;
    int64_t logoStart = 0;
    std::array<float, kSlides> guiPer{}, dGuiPer{};
    int isFirstStart = 1;
    float barsShowA = 0, beemAlpha = 0;
    // Opens the award screen over the title; empty while the game has none (its button is then hidden).
    static inline std::function<void(TEkran&)> awardScreen;

    TMainMenu() { id = "MAIN-MENU"; }
    void setup() override;
    void prepare() override;
    void update() override;
    void draw() override;
    void afterFrame() override;
    bool finished() const override { return fade == 1 && dFade == 1; }
    void finish() override;

    int _prepareManagerButton();
    void _prepareLogoJump();
    void cutJump();
    void _updateLogo();
    void _updateSlides();

  private:
    std::vector<float> rowY;  // the rows of the GUI file's items, top to bottom
    bool _overPlate() const;
    void _play();
    void _drawPlate();
};

extern TMainMenu* mainMenu;

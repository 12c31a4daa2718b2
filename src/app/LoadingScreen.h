// The loading screen: sets up every screen and shared table step by step under a progress bar.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "screen/Ekran.h"

class TLoadingScreen : public TEkran {
  public:
    eng::Image back, img, logo, bars;
    eng::Image dot[2];
    int p = 0;  // progress steps done
    int maxProgress = 53;
    float la = 1.0f;  // alpha of the logo and the bar

    // One set-up step; an empty `run` is a step whose part of the game is not built yet.
    struct Step {
        std::string name;
        std::function<void()> run;
    };

    TLoadingScreen();
    void PART1();
    void PART2();
    void PART3();
    void PART4();
    void PART5();
    void progress();
    void drawNormal();
    void draw() override;
    void _drawBack();
    void _drawProgress();
    void EndMe();

    // Every step of PART1 ... PART5, in order.
    std::vector<Step> steps(int part);
    int stepsRun = 0;

  private:
    void runSteps(int part);
};

extern TLoadingScreen* loadingScreen;

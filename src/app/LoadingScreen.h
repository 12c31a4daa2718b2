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

    // One set-up step. Without `run` it is a screen's set-up, found in the screen registry by its name; a
    // step that no screen claims belongs to a part of the game not built yet.
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
    static std::vector<Step> steps(int part);
    static void runStep(const Step& step);
    int stepsRun = 0;

  private:
    void runSteps(int part);
};

extern TLoadingScreen* loadingScreen;

// Runs the loading step `name` alone (tests and tools that set up one screen); false for an unknown name.
bool runLoadingStep(const std::string& name);

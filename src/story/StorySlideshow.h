// The slide-show cutscenes: full-screen pictures cross-fading one over another on a fixed script of steps,
// with numbered dialogs between them.
#pragma once

#include <string>
#include <vector>

#include "story/Cutscene.h"

// One step of a slide show, done once the time of the step before it has come.
struct TSlideStep {
    int dialog = 0;           // run first (0: none)
    std::vector<int> show;    // pictures that start fading in over those before them
    std::vector<int> remove;  // pictures taken away at once
    int wait = 0;             // ms until the next step, counted once this one is done
    bool end = false;         // the scene fades to black
};

class TStorySlideshow : public TCutscene {
  public:
    std::vector<eng::Image> back;
    std::vector<float> imageA, dImageA;
    int state = 0;  // the next step

    void start() override;
    void _updateBack() override;
    void _drawBack() override;
    void Finish() override;

  protected:
    std::vector<std::string> files;  // one per picture index; a file named twice is loaded once
    std::vector<float> rate;         // each picture's fade-in per frame step
    int firstWait = 1000;
    std::vector<TSlideStep> steps;
};

class TStoryTablet : public TStorySlideshow {
  public:
    TStoryTablet();
};
class TStoryCamp : public TStorySlideshow {
  public:
    TStoryCamp();
};
class TStoryGoToIran : public TStorySlideshow {
  public:
    TStoryGoToIran();
};
class TStoryTempleOpen : public TStorySlideshow {
  public:
    TStoryTempleOpen();
};
class TStoryTempleCheck : public TStorySlideshow {
  public:
    TStoryTempleCheck();
};

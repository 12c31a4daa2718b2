// The zooming cutscenes: one motion from the start to the end of the scene, the picture growing slowly.
#pragma once

#include "story/Cutscene.h"

class TStoryZoom : public TCutscene {
  public:
    eng::Image back;
    float backS = 1;
    float q = 1;  // the share of the motion still to run, 1 → 0

    void start() override;
    void _updateBack() override;
    void Finish() override;

  protected:
    int motionMs = 15000;
    // The scene's own values for this frame (q and backS are set); by default the fade 1.5 s before the end.
    virtual void _updateScene();
    virtual void _loadPictures() = 0;
};

// A letter found in the scribe's tomb slides down into the reader's hands.
class TStoryLetter : public TStoryZoom {
  public:
    eng::Image tablet;  // the letter
    float tabS = 1.2f;
    float pos = 0;

    TStoryLetter();
    void _drawBack() override;

  protected:
    void _updateScene() override;
    void _loadPictures() override;
};

// The old ruin fades to show the rival's bulldozer digging into it.
class TStoryBuldozer : public TStoryZoom {
  public:
    eng::Image cover;
    float backA = 1;

    TStoryBuldozer();
    void _drawBack() override;

  protected:
    void _updateScene() override;
    void _loadPictures() override;
};

// A waterfall thins away and shows the gate behind it.
class TStoryWaterfall : public TStoryZoom {
  public:
    eng::Image wrota;
    float wx = 443, wy = 0;
    float wrotaA = 1;
    float ax = 0, ay = 0;

    TStoryWaterfall();
    void _drawBack() override;

  protected:
    void _updateScene() override;
    void _loadPictures() override;
};

// What every cutscene between levels shares: the skip button, the story frame drawn over the picture, the
// cutscene music, the numbered dialogs run over it, and the fade to black that ends it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "screen/Ekran.h"

class TCutscene : public TEkran {
  public:
    eng::Image panele;     // the frame over the picture (the intro screen's)
    int64_t backTime = 0;  // the next step's time, or the end of the scene's motion
    int panelCopies = 3;   // 3: also over the side bars of a wide window; 1: once at (0, 0)

    void setup() override;
    // Runs the scene to its end; the flow then goes on with its next entry.
    std::string mainLoop() override;
    void prepare() override;
    void update() override;
    void draw() override;
    void afterFrame() override;
    bool finished() const override { return fade >= 1 && dFade >= 1; }
    // Drops the scene's pictures.
    virtual void Finish() {}
    // The screen that follows the scene: the flow's next entry.
    virtual std::string next() { return "GET-NEXT-LEVEL"; }
    // The scene's pictures, its start values and its first step's time.
    virtual void start() = 0;
    virtual void _updateBack() = 0;
    virtual void _drawBack() = 0;
    // Runs dialog n over the frozen scene; nothing once the scene is ending (after "skip").
    void RunDialog(int n);
    // Runs a numbered dialog over a scene; by default the dialog box (tests listen here).
    static inline std::function<void(TEkran&, int)> dialogs;
    // The share of a motion of `ms` milliseconds that ends at backTime still to run: 1 → 0.
    float motionLeft(int ms) const;
    void drawPanele() const;
    // Draws `img` (if it loaded) at (x, y) with the scale and alpha given, in white.
    static void drawScaled(const eng::Image& img, float x, float y, float scale, float alpha = 1);
};

// One object hidden in a scene: hidden, then picked (it swells with sparkles), flying down to its picture
// in the panel while spinning and fading, and found.
#pragma once

#include <cstdint>
#include <string>

#include "core/Dim.h"
#include "effects/Particle.h"
#include "engine/Engine.h"

class THObject {
  public:
    int id = 0;
    eng::Image imgUkryty, imgDoZebrania, imgSepia, imgZebrany, imgZebranySpec;
    std::string imgUkrytyUrl, imgDoZebraniaUrl, imgSepiaUrl, imgZebranyUrl, imgZebranySpecUrl;
    TDim ukrytyDim;                // in the scene
    TDim doZebraniaDim;            // its picture in the panel
    TDim zebranyDim;               // the flying picture now
    TDim ZebranykopiaDim;          // where the flight starts
    float punktX = 0, punktY = 0;  // the tick mark's offset from the panel picture
    float startRot = 0, startScale = 1;
    int moveAHalf = 0;
    std::string state;  // "" hidden, "PICK", "PICK-2", "PICK-3", "DONE"
    float per = 0;
    float ua = 1, us = 1;
    float zA = 1, zS = 1, zRot = 0;
    float da = 1;  // the sepia picture over the coloured one
    int partColor = 0;
    int64_t partTime = 0;
    float myX = 0, myY = 0;

    bool hidden() const { return state.empty(); }
    bool done() const { return state.rfind("DONE", 0) == 0; }
    bool collecting() const { return !hidden() && !done(); }
    // Clicked: it starts to swell.
    void pick();
    // One frame of its collecting, with its sparkles; for a hidden object, whether the point (mx, my) lies
    // on one of its opaque pixels.
    bool update(float mx, float my, TParticleList& sparkles);
    // A state read from a file: a found object shows its panel picture in colour.
    void interpretujState();
    // The picture that flies: its own, or the scene picture.
    const eng::Image& flying() const { return imgZebranySpec ? imgZebranySpec : imgUkryty; }
    void drawHidden() const;
    void drawFlying() const;

  private:
    bool isUnder(float mx, float my) const;
};

// The sepia picture's path beside a panel picture: "items/key.png" gives "items/key-sepia.png".
std::string sepiaPath(const std::string& panelPath);

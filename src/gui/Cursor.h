// A named mouse cursor: one picture or an animated strip, drawn with its hot spot on the pointer.
#pragma once

#include <cstdint>
#include <string>

#include "engine/Engine.h"

class TCursor {
  public:
    std::string _id;       // the name screens switch to
    eng::Image _img;       // a single picture or a strip of frames; null when its file is missing
    int64_t _time = 0;     // MilliSecs of the next frame change
    int _timeDelta = 0;    // milliseconds per frame; 0: no animation
    int _frame = 0;        // current frame
    int _maxFrames = 0;    // index of the last frame; 0 for a single picture
    int _hx = 0, _hy = 0;  // the hot spot, which is also the image handle

    // Draws the current frame in white at full opacity with its hot spot at (x, y).
    void draw(float x, float y) const;
    // Steps an animated cursor to its next frame when the frame's time is up.
    void update();
};

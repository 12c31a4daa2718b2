// One caption of an opening-story part: white lines on the black band that fade in at their time and fade
// out over their last half second.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Engine.h"

class TStoryTxt {
  public:
    eng::ImageFont font;
    std::vector<std::string> txt;  // one or two lines are shown
    int myNumber = 0;
    int time = 0;           // how long it stays once first drawn (ms)
    int cond = 0;           // read from the file, not used
    int64_t startTime = 0;  // relative to the part's start until the part starts, then absolute
    int64_t endTime = 0;    // when it is gone; 0 until first drawn
    float alpha = 0, dAlpha = 0;

    // Also moves the fades on: the caption's timing lives in its drawing.
    void draw();
};

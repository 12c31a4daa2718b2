// One picture of an opening-story part: it waits for its moment in the part's chain, then zooms, slides
// or drops into place and stays there until the part ends.
#pragma once

#include <cstdint>

#include "engine/Engine.h"

class TStoryPart;

class TStoryImage {
  public:
    TStoryPart* myPart = nullptr;
    eng::Image img;
    int64_t time = 0;   // the earliest moment the picture may start (absolute ms); 0 = no wait
    int timeFrame = 0;  // how long its motion lasts (ms); 0 = done at once
    float x = 0, y = 0;
    float vx = 0, vy = 0;  // the slide's entry vector in picture widths and heights
    int typ = 0;           // 1 zoom, 2 slide in, 3 pause (never drawn), 4 drop in
    int hx = 0, hy = 0;
    float scale1 = 1, scale2 = 1;
    float rot = 0;
    int onTop = 0;
    int n = 0;
    float alpha = 0, scale = 1;
    float drawX = 0, drawY = 0;
    float scaleX = 1, scaleY = 1;
    int moveAlong = 0;
    int txtToRelease = 0;
    int64_t started = 0;  // when its motion started; 0 = not yet
    float per = 0;

    void draw() const;
    void _update_Typ_1();
    void _update_Typ_2();
    void _update_Typ_4();
    // Moves the picture on by the clock; 1 once its motion is complete.
    int update();
    void Reset();
    // The part's fade to black over the last 300 ms of this picture's motion (1 once it is over).
    float isAtEnd() const;
    // The part's fade from black over the first 300 ms of this picture's motion (1 before it starts).
    float isAtBegin() const;
    // Starts the picture now (a click brought it forward), showing the caption it releases.
    void Go();
    // Completes the motion on the next update.
    void Finish();
};

// Praise and level-completed captions: the picture wobbles in, holds, and fades away.
#pragma once

#include <memory>
#include <string>

#include "nonogram/Caption.h"

class TSpecCaption : public TCaption {
  public:
    float per = 0;                // wobble progress
    std::string state = "START";  // "START": fading in and wobbling; "NEXT": holding, then fading out
    int li = 2;
    float sSpeed = 0.05f;
    float perSpeed = 0;
    float ds = 1;   // target of s
    float sc = 1;   // wobble scale factor
    float sts = 1;  // base scale
    float adPer = 0;

    TSpecCaption();

    void _updateStandardData();
    void _updateStart();
    void _updateNext();
    void update() override;
};

// One tutorial tip: the screen it belongs to, what must hold for it to start, the script of actions it runs
// (show itself, wait, point arrows, light up cells, play a row example) and what ends it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Dim.h"
#include "engine/Engine.h"
#include "tutorial/RowExample.h"
#include "tutorial/TutorialArrow.h"

using TWords = std::vector<std::string>;  // a condition or an action, split into words

class TTutorialTip {
  public:
    std::vector<TWords> allActions;
    std::vector<std::string> txts;  // the text's lines
    std::string id;                 // upper case
    TDim dim;                       // only y is used: the text band's top
    int skipAble = 0;               // suppressed while the player has turned the tips off
    std::vector<TWords> conditions;
    std::vector<TWords> actions;  // still to run in this showing
    std::vector<TWords> eraseConds;
    std::vector<TArrow> arrows;
    std::string screen;  // the id of the screen it belongs to
    std::unique_ptr<TPosibility> actPosibility;
    std::string title, txt;
    eng::Image img;
    int tryb = 0;
    int rememberMe = 0;
    eng::ImageFont font;
    int numerLevelu = 0;  // 0: a general tip
    int normalWidth = 0;  // 1: a full-width band
    float a = 0, dA = 0;
    int64_t time = 0;  // the end of the current wait
    int erase = 0;
    TWords actAction;

    // A fresh showing: faded out, every action to run again, no arrows.
    void reset();
};

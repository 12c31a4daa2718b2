// The mini-games' skip gauge in the top right corner: it fills while the level is played and, once full,
// glows under the mouse; a click then counts as solving the level.
#pragma once

#include <cstdint>

#include "engine/Engine.h"

class TSkipGauge {
  public:
    eng::Image pasek, nakrycie, skip;  // the bar, its frame, and the picture whose size is the mouse area
    float maxTimeSkip = 90000;         // ms to fill
    int64_t skipTime = 0;              // MilliSecs when the level started
    float skipA = 0, dSkipA = 0;       // the glow and its target

    void setup();
    // Starts filling now.
    void start();
    // How full the gauge is, 0..1.
    float charge() const;
    // The glow follows the mouse over the full gauge while `armed` (in play). When `sinks` the mouse area
    // comes down from above the screen as the gauge fills; else it stands at the top.
    void update(bool armed, bool sinks);
    // Full, in play and under the mouse: a click skips the level.
    bool ready() const { return dSkipA != 0; }
    void draw() const;
};

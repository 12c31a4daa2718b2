// The frame timer: turns the millisecond clock into the per-frame delta every animation is scaled by.
#pragma once

#include <cstdint>

class TDeltaTime {
  public:
    int64_t OldTime = 0;      // time stamp of the previous update
    int64_t ElapsedTime = 0;  // milliseconds between the last two updates, at least 1
    float dFps = 0;           // the frame rate the game is written for
    float dDelta = 0;         // milliseconds per frame at that rate
    int CurrFps = 0;          // frames counted during the last whole second
    int FPSCounter = 0;       // frames counted so far in the current second
    int64_t CurrTime = 0;     // time stamp of the last update
    int64_t CheckTime = 0;    // time stamp at which the current second ends

    TDeltaTime();
    ~TDeltaTime();
    TDeltaTime(const TDeltaTime&) = delete;
    TDeltaTime& operator=(const TDeltaTime&) = delete;

    static TDeltaTime* Create(float fps);
    void SetFPS(float fps);
    void Update();               // reads the clock
    void UpdateAt(int64_t now);  // the same with a given clock reading
    float CurrDelta() const;
    int FPS() const { return CurrFps; }
    void Destroy();
};

extern TDeltaTime* deltaTimer;

// Once per frame: the timer, frameDelta, then the pending system events.
void updateTiming();
// Moves `value` toward `target` by `speed` x frameDelta, never passing the target.
void approach(float& value, float target, float speed);

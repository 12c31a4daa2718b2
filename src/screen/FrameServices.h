// The services every screen loop calls once per frame: the common update and the frame end.
#pragma once

#include <functional>

class TEkran;

// What the frame services drive above the screens' own layer; the start-up sets them once. Empty ones do
// nothing, so a test can run a screen without a sound manager or settings.
struct TFrameHooks {
    std::function<void()> sound;             // the sound manager's per-frame update
    std::function<void()> suspendSound;      // the music pauses while the window is inactive ...
    std::function<void()> resumeSound;       // ... and goes on when it is active again
    std::function<void()> switchScreenMode;  // Alt+Enter: full screen or window
    std::function<void()> saveAll;           // the save-everything step before quitGame(0) ends the game
};
extern TFrameHooks frameHooks;

// Timing, input sampling, the sound manager, and the window shortcuts (Alt+F4, Alt+Enter, close).
void updateSystem(TEkran* screen, int specialMouse);
// Covers the side bars, presents the frame and clears the next one; pauses while the window is inactive.
void endFrame(int allowPause, TEkran* screen);
// The screen that drew the latest frame (the innermost pop-up or dialog while one runs); null before the
// first.
TEkran* screenOnTop();
// Freezes the game on a dimmed picture with the pause text until the window is active again.
void pauseWhileSuspended(TEkran* screen);
// Ends the program; mode 0 saves everything first, mode 1 (the window closed, Alt+F4) does not.
[[noreturn]] void quitGame(int mode);

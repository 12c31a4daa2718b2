// The services every screen loop calls once per frame: the common update and the frame end.
#pragma once

class TEkran;

// Timing, input sampling, the sound manager, and the window shortcuts (Alt+F4, Alt+Enter, close).
void updateSystem(TEkran* screen, int specialMouse);
// Covers the side bars, presents the frame and clears the next one; pauses while the window is inactive.
void endFrame(int allowPause, TEkran* screen);
// Freezes the game on a dimmed picture with the pause text until the window is active again.
void pauseWhileSuspended(TEkran* screen);

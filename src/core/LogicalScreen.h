// The graphics mode with its fall-backs and the mapping of the logical 1024 x 768 screen onto it.
#pragma once

#include <functional>

// How the logical w x h screen sits on a real one.
struct ScreenMapping {
    float scale = 1;
    float offX = 0, offY = 0;  // logical (0, 0) inside the virtual screen
    float virtW = 0, virtH = 0;
};

ScreenMapping computeMapping(int realW, int realH, int w, int h, int mode);

// Opens a mode: (width, height, depth) -> opened. Depth 0 is a window, 32 full screen.
using ModeOpener = std::function<bool(int, int, int)>;

// Tries the modes in the game's order; returns false when no mode at all could be opened.
bool openGraphics(int width, int height, int fullScreen, int wideScreen);
bool openGraphicsWith(int width, int height, int fullScreen, int wideScreen, const ModeOpener& open,
                      int deskW, int deskH);

void setVirtualResolution(int w, int h, int mode);
void setBorderColor(int r, int g, int b);
void clearFrame();
const ScreenMapping& currentMapping();

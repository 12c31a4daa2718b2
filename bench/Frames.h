// The measured frames: the graphics mode with the game's logical screen, and one frame of either path.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "RawPath.h"
#include "Scene.h"

struct Bench {
    std::vector<eng::Image> images;
    eng::ImageFont font;
    std::map<int, Scene> scenes;  // by sprite count
    RawPath raw;
    float virtW = 0, virtH = 0, offX = 0, offY = 0;  // the logical screen on the current mode
};

extern Bench bench;

// Opens (or resizes to) a w x h window and maps the logical 1024 x 768 screen onto it as the game does.
bool setMode(int w, int h);
// Clears the frame: the border bars, then the logical screen.
void clearFrame();
// Draws `scene` through the facade or the raw path; returns the game thread's CPU milliseconds from
// the first draw until everything is sent to GL. Does not flip.
double submitFrame(const Scene& scene, bool raw);
// Draw calls of the frame just flipped.
int frameDrawCalls(bool raw);

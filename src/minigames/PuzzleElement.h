// One piece of the jigsaw: carried by the mouse, snapped into its place when dropped near it, or flown
// there along a curve when the level is skipped.
#pragma once

#include <string>

#include "engine/Engine.h"

class TPuzzleLevel;

class TPuzzleElement {
  public:
    static constexpr int kSnap = 15;  // a piece dropped nearer than this to its place snaps in

    int id = 0;
    eng::Image img;  // handle at the top-left corner
    std::string url;
    TPuzzleLevel* level = nullptr;
    int x = 0, y = 0;                                      // where it lies now
    int dx = 0, dy = 0;                                    // its place
    int holded = 0;                                        // on the mouse
    int vx = 0, vy = 0;                                    // from the mouse to the corner, taken at pick-up
    float ha = 0, dha = 0;                                 // lift (the shadow) and its target
    int putOk = 0;                                         // snapped into its place for good
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0, mx = 0, my = 0;  // the skip flight's start, end and bend
    int isMoving = 0;
    float mp = 0;  // progress of the flight

    // Its outline at its place, in black.
    void drawMeShodowed() const;
    // Its shadow while lifted, then the piece.
    void draw() const;
    void Moving();
    // One frame: follows the mouse while held, flies while skipped; 1 when the mouse is over one of its
    // pixels (never for a placed or flying piece).
    int isOver();
    bool InPosition() const { return x == dx && y == dy; }
    // Picked up (1) or dropped (0) with the mouse at (mouseX, mouseY); a drop near its place snaps it in.
    void click(int down, int mouseX, int mouseY);
    // Starts the flight to its place; `bendFirst` picks the curve's bend.
    void MoveToPosition(bool bendFirst);
    // Row-major order of the top-left corners.
    int CountZ() const { return y * 1024 + x; }
};

// The one mouse object: per-frame sampling of buttons, position and wheel, and the game's own cursors.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Dim.h"
#include "engine/Engine.h"
#include "gui/Cursor.h"

class TMouse {
  public:
    std::vector<std::shared_ptr<TCursor>> listaKursorow;  // the registered cursors
    int x = 0, y = 0;                                     // position this frame, logical units
    int px = 0, py = 0;                                   // position the frame before
    int vx = 0, vy = 0;                                   // px - x, py - y
    int leftPressed = 0, rightPressed = 0;                // clicked this frame
    int leftHolded = 0, rightHolded = 0;                  // held down
    int _v = 1;  // the game draws its own cursor (the custom-cursor setting) instead of the system pointer
    std::shared_ptr<TCursor> cur;  // the current cursor
    int _leftHolded = 0;           // special sampling: the left button is down and its press time is kept
    int64_t _leftHoldedTime = 0;   // special sampling: MilliSecs when the left button went down
    float z = 0, pz = 0, vz = 0;   // wheel position, its value the frame before, pz - z
    int _leftHoldReported = 0;     // special sampling: this press has already been reported as held
    int keepOnScreen = 0;  // full screen: the side bars are not the game's, the pointer stays off them

    // Becomes the module's `mouse`.
    TMouse();
    ~TMouse();
    TMouse(const TMouse&) = delete;
    TMouse& operator=(const TMouse&) = delete;

    // Special sampling: how long the left button has been down, in milliseconds.
    int getHoldedTime() const;
    // Special sampling: a short press is a click reported at its release, a longer one is holding.
    void updateSpec();
    // Normal sampling; `logical` 1 reads logical coordinates and the wheel (the game always passes 1).
    void update(int logical = 1);
    // Draws the current cursor at the pointer; call it last in a screen's drawing.
    void draw();
    void show() { _v = 1; }
    void hide() { _v = 0; }
    // 1 when the pointer lies in the rectangle, edges included.
    int inRect(float rx, float ry, float rw, float rh) const;
    int inDim(const TDim& dim) const;
    // Registers a cursor and makes it current. A path is loaded (and reported when it cannot be); with
    // `frames` of 2 or more it is a strip of that many frames side by side, changing every `delay` ms.
    void loadCursor(const std::string& id, const std::string& source, int hx, int hy, int frames = 0,
                    int delay = 0);
    void loadCursor(const std::string& id, const eng::Image& source, int hx, int hy, int frames = 0,
                    int delay = 0);
    // The last registered cursor named `id`, ignoring letter case, becomes current; unknown names change
    // nothing.
    void setCursor(const std::string& id);
    // Forgets pending clicks and the buttons' state.
    void clear();

  private:
    void _readButtons();
    void _readPosition(int logical, bool wheel);
    void _register(const std::string& id, const eng::Image& img, int hx, int hy, int maxFrames, int delay);
};

extern TMouse* mouse;

// Loads the game's cursors from "gfx/gui/mouse/" into `mouse` and makes "HAND" current. A missing
// picture is reported; its cursor stays registered and draws nothing.
void loadCursors();

// Picking up, carrying and dropping with the left button, shared by the mini-games whose pieces move:
// a press on a piece picks it up; held longer than 250 ms it is a drag that drops on release; a shorter
// press leaves the piece on the mouse and the next press drops it 100 ms later, unless a second press
// follows within those 100 ms.
#pragma once

#include <cstdint>

class TCarryInput {
  public:
    enum Action { NONE, PICK_UP, DROP, SECOND_PRESS };

    int64_t holdTime = 0, clickTime = 0;
    int holded = 0;      // the carried piece is being dragged
    int mouseClick = 0;  // a press is waiting its 100 ms to drop the piece
    int doubleClick = 0;
    bool waitRelease = false;  // the press that dropped a piece is still down: it picks nothing up

    void reset();
    // One frame of input. `carrying`: a piece is on the mouse; `over`: a free piece is under it; `ctrl`: a
    // press counts as a second press at once. A second press answers SECOND_PRESS; when
    // `secondCancelsDrop` it also calls the pending drop off. After DROP the caller lets the piece go and
    // flushes the input.
    Action step(bool carrying, bool over, bool ctrl, bool secondCancelsDrop);
};

// One part of the opening story: a chain of pictures, each starting when the one before it would have
// finished, with its captions; a click brings the next picture forward.
#pragma once

#include <memory>
#include <vector>

#include "story/StoryImage.h"
#include "story/StoryTxt.h"

class TStoryPart {
  public:
    int numer = 0;
    std::vector<std::unique_ptr<TStoryImage>> images;  // the timeline's order
    std::vector<std::unique_ptr<TStoryTxt>> texts;

    // The cross-fade the part asks of its screen this frame.
    struct Fade {
        float value = 0;       // the black layer's opacity
        bool fromEnd = false;  // the part's end fading out: the target follows (both 1 once it is over)
    };

    void draw() const;
    // Moves every picture on; answers the fade over the show.
    Fade update();
    // Shows caption n now: earlier ones vanish, and 3, 4 follow 2 (6, 7 follow 5) by the same amount.
    void StartText(int n);
    // Starts the part now: the pictures' chain of start times, the captions' absolute times.
    void Reset();
    // A click: completes the running picture and starts the one waiting behind it; 0 when none was waiting
    // (the part is over).
    int GetNext();
};

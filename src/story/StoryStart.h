// The opening story: a slide show of parts read from "data/Story-start.dat", each a chain of pictures
// moving into place with captions on a black band; a click hurries it along picture by picture.
#pragma once

#include <functional>
#include <list>
#include <memory>
#include <string>

#include "screen/Ekran.h"
#include "story/StoryPart.h"

class TStoryStart : public TEkran {
  public:
    std::list<std::unique_ptr<TStoryPart>> storyParts;  // the parts not yet shown
    std::unique_ptr<TStoryPart> actPart;
    float storyFade = 0;   // the black layer over the show: the cross-fade between parts
    float dStoryFade = 0;  // 1 with storyFade once a part's last picture has run out: the next part

    TStoryStart() { id = "STORY-START"; }
    void setup() override;
    void draw() override;
    void update() override;
    // Reads the script and its captions afresh, so every run starts from the first part.
    void loadStory(const std::string& path = "data/Story-start.dat");
    void _drawStory();
    void _drawStoryFade();
    void _updateStory();
    // A click or the end of a part: the next picture of the part, else the next part, else the end.
    void GetNextPart();
    void _prepareStory();
    void _prepareSelf();
    void prepare() override;
    // Shows the story from its beginning; answers the screen that follows it.
    std::string mainLoop() override;
    void afterFrame() override;
    bool finished() const override { return fade >= 1 && dFade >= 1; }
    // Whether the switcher can run a name (the start-up sets it); an unknown "atEnd" goes on with the flow.
    static inline std::function<bool(const std::string&)> knownScreen;
};

extern TStoryStart* storyStart;

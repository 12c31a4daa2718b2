// The driver's --story: a casual player standing at a story entry of the journey, which the game then
// plays like any other entry of the flow.
#pragma once

#include <string>

#include "screen/Ekran.h"

// Stands in for the title screen. The first time it puts a new casual player on the flow entry that plays
// the story screen `name` ("STORY-CAMP", "STORY-OUTRO"...) and answers that name; the flow goes on from
// there. When the game comes back to the title, the run ends.
class TStoryStarter : public TEkran {
  public:
    explicit TStoryStarter(std::string name) : name_(std::move(name)) { id = "STORY-STARTER"; }
    std::string mainLoop() override;

  private:
    std::string name_;
    bool started_ = false;
};

// The driver's story starter: a casual profile placed on the story's entry of the flow.
#include "StoryStarter.h"

#include <cstdio>

#include "progress/LevelManager.h"
#include "progress/ProfileManager.h"

std::string TStoryStarter::mainLoop() {
    if (started_) return "END";
    started_ = true;
    if (!profileManager) return "END";
    auto p = std::make_shared<TProfile>();
    p->name = "DRIVER";
    p->flowType = "CASUAL";
    profileManager->profile = p;
    for (const auto& entry : levelManager.casualLevels)
        if (entry->gameType == eng::Upper(name_)) {
            std::printf("story: flow entry %d, stage %d\n", entry->nr, entry->stageN);
            return p->setLevel(*entry);
        }
    std::printf("story: %s is no entry of the casual journey\n", name_.c_str());
    return "END";
}

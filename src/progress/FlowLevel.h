// A level in play kept by the profile, and what the level flow does with each kind of entry.
#pragma once

#include <functional>
#include <memory>
#include <string>

class TLevelData;

// The level object of the flow entry in progress (a nonogram or a mini-game level).
class TFlowLevel {
  public:
    std::string url;  // the level file as the flow names it

    virtual ~TFlowLevel() = default;
    // Writes the level with its play state; false when the file cannot be written.
    virtual bool saveProgress(const std::string& path) const = 0;
    // Non-zero for a level played under the tutorial's control: it is always replayed from its start.
    virtual int isTutorialLevel() const { return 0; }
};

// The screen that plays a kind of entry tells the flow how to start, reload and resume its levels.
struct TLevelKind {
    // Loads the entry's level fresh from its file and hands it to the screen; null when it cannot be read.
    std::function<std::shared_ptr<TFlowLevel>(const TLevelData&)> start;
    // Reads the level saved in progress at `path`; null when it is missing or damaged.
    std::function<std::shared_ptr<TFlowLevel>(const std::string& path)> load;
    // Hands a level in progress to the screen again.
    std::function<void(const std::shared_ptr<TFlowLevel>&)> resume;
};

// The kind registered for `gameType` (upper case), or null while no screen plays it.
const TLevelKind* levelKind(const std::string& gameType);
void registerLevelKind(const std::string& gameType, TLevelKind kind);
void unregisterLevelKinds();

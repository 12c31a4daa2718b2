// A hidden-object scene: its pictures, the objects to find, an object family with a counter, lights,
// foreground masks, leaf spawners and swimming scenery, read from and written to its level file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Dim.h"
#include "effects/BackElement.h"
#include "minigames/HObject.h"
#include "progress/FlowLevel.h"

class THOGroup {
  public:
    std::vector<THObject*> objects;  // one family, such as three coins
    int x = 0, y = 0;                // where its counter is written

    bool isObject(int id) const;
    int getFound() const;
};

class TLevelLight {
  public:
    std::string url;
    eng::Image img;
    int x = 0, y = 0;
    float a = 0, da = 0;
    int64_t time = 0;  // MilliSecs of the next switch
};

class TMaskImg {
  public:
    eng::Image img;
    std::string url;
    float x = 0, y = 0;
    int spec = 0;  // drawn right after object 8 rather than after all objects
};

class THOLevel : public TFlowLevel {
  public:
    // What a scene file may list, far above the shipped scenes (about a dozen objects, a few lights, masks
    // and pieces of scenery): more is a damaged file.
    static constexpr int kMaxObjects = 200;
    static constexpr int kMaxScenery = 100;

    eng::Image background, drugiPlan;
    std::string backGroundUrl, drugiPlanUrl;
    int titleN = 0;
    std::string title;
    std::string guiUrl;
    std::vector<std::unique_ptr<THObject>> objects;  // file order
    std::vector<TMaskImg> masks;
    std::vector<TLevelLight> lights;
    std::vector<TDim> leaves;  // spawn rectangles; x1 = interval in ms, x2 = MilliSecs of the next leaf
    THOGroup group;
    TBackElements obiektyTla;
    int time = 0;  // seconds played
    int banki = 0;
    int counter = 0;  // 0: ticks in the panel; 1 or 2: a counter of the objects still to find

    THOLevel() = default;
    THOLevel(const THOLevel&) = delete;  // the group points at the objects
    THOLevel& operator=(const THOLevel&) = delete;

    bool saveProgress(const std::string& path) const override;
    THObject* getObjectById(int id) const;
    int CountZebrane() const;
    bool completed() const;
};

// Reads a scene. An object whose scene picture does not load is left out with a message, so the rest can
// still be found. Null, with a message, for a file that cannot be played: missing, not a scene, lists beyond
// the caps, or no object left to find.
std::shared_ptr<THOLevel> loadHOLevel(const std::string& path);
// Writes the scene as it stands: objects still flying are saved found, with the tick offsets and the
// swimming scenery.
bool saveHOLevel(const THOLevel& level, const std::string& path);

// A jigsaw level: the picture, its pieces with their places and where they lie, read from and written to
// its data file.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "minigames/PuzzleElement.h"
#include "progress/FlowLevel.h"

class TPuzzleLevel : public TFlowLevel {
  public:
    int time = 0;
    std::vector<std::unique_ptr<TPuzzleElement>> puzzles;  // drawing order: later on top
    eng::Image image;
    std::string imageUrl;
    int pointX = 0, pointY = 0;
    std::string title;
    int titleN = 0;

    bool saveProgress(const std::string& path) const override;
    // Every piece lies at its place.
    bool allInPosition() const;
};

// Reads a level; null when its picture does not load (nothing more is read). A piece whose picture does not
// load is left out with a message, so the rest can still be finished.
std::shared_ptr<TPuzzleLevel> loadPuzzleLevel(const std::string& path);
bool savePuzzleLevel(const TPuzzleLevel& level, const std::string& path);

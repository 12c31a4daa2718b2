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
    // What a level file may hold, far above the shipped jigsaws (a few dozen pieces): more is a damaged file.
    static constexpr int kMaxPieces = 400;

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

// Reads a level. A piece whose picture does not load is left out with a message, so the rest can still be
// finished. Null, with a message, for a file that cannot be played: missing, not a jigsaw, more pieces than
// the cap, a picture that does not load (nothing more is read), or no piece left.
std::shared_ptr<TPuzzleLevel> loadPuzzleLevel(const std::string& path);
bool savePuzzleLevel(const TPuzzleLevel& level, const std::string& path);

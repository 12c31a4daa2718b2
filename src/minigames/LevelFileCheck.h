// What every mini-game level reader checks before it builds a level: that the file is one of its kind, and
// that the lists it holds stay within what a screen can play; and reading the level saved in progress.
#pragma once

#include <memory>
#include <string>

#include "engine/Engine.h"
#include "progress/FlowLevel.h"

class TRCMFile;

// The length of the numbered list `base` 1, 2, ... whose count the file states at `countKey`, read as far
// as its items exist (countItems); -1 when it holds more than `cap` items.
int cappedList(const TRCMFile& file, const std::string& countKey, const std::string& base, int cap);

// Reports that the level file at `path` cannot be played as `what` ("a chest puzzle"), and `why`.
void refuseLevel(const std::string& path, const std::string& what, const std::string& why);

// The level saved in progress at `path` as `load` reads it; null when the file cannot be read or used: the
// profile then says so and the flow starts its entry again from the entry's own file.
template <class Loader>
std::shared_ptr<TFlowLevel> loadSavedLevel(const std::string& path, Loader load) {
    std::string text;
    return eng::TryLoadText(path, text) ? load(path) : nullptr;
}

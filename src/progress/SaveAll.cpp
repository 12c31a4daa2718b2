// The save-everything step.
#include "progress/SaveAll.h"

#include <vector>

#include "engine/Engine.h"
#include "progress/Options.h"
#include "progress/ProfileManager.h"

namespace {
std::vector<std::function<void()>>& steps() {
    static std::vector<std::function<void()>> list;
    return list;
}
}  // namespace

void onSaveAll(std::function<void()> step) {
    steps().push_back(std::move(step));
}

void saveAll() {
    for (const auto& step : steps()) step();
    eng::ShowMouse();
    if (profileManager && profileManager->profile) profileManager->save();
    if (options) options->saveOptions();
}

// The GUI items of the screen on top, as the driver finds and clicks them by id.
#pragma once

#include <string>
#include <vector>

struct ItemInfo {
    std::string id, type;
    float x = 0, y = 0, w = 0, h = 0;  // the item's box in logical units
    bool active = false;
    float alpha = 0;
};

// The visible items of the screen that drew the last frame, in the order of its GUI.
std::vector<ItemInfo> visibleItems();
// The id of the screen on top, or "none".
std::string topScreenId();
// True when the screen on top has reached its alpha and fade targets (it is not fading in or out).
bool topScreenSettled();
// The box of a visible, active, fully shown item with this id (letter case ignored) on the screen on top.
bool findItem(const std::string& id, ItemInfo& out);
// True when the screen on top's GUI saw a click on `id` in its last update.
bool itemWasClicked(const std::string& id);

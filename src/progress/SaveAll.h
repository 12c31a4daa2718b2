// The save-everything step: what the player would lose if the game ended now is written to disk.
#pragma once

#include <functional>

// Writes every profile (when a player is active) and the settings; shows the system pointer.
void saveAll();
// Runs `step` at the start of every save-everything step (a screen keeps its state with the profile).
void onSaveAll(std::function<void()> step);

// How the level flow starts, reloads and resumes nonogram levels on the main game screen.
#pragma once

// Registers the "MAIN-GAME" kind of flow entry and keeps the main game's counters with the active profile.
void registerMainGameKind();

// The save-everything step: what the player would lose if the game ended now is written to disk.
#pragma once

// Writes the settings (and the profiles and highscores once they exist); shows the system pointer.
void saveAll();

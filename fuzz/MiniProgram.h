// A small program folder for the mini-game levels: the chest puzzle's shapes from the game's content, and
// one picture "p.png" that the seeds' hidden objects and jigsaw pieces use (a level without its pictures
// drops them and has little left to read).
#pragma once

#include <string>

// Makes the folder once, points the program folder at it and reads the chest puzzle's shapes; answers it.
const std::string& miniProgramFolder();

// Start-up, the per-user folder, and the end of the program.
#pragma once

#include <string>

// Where the per-user folders go: the machine's shared application-data folder ({common}).
// Empty means the platform's own; the headless driver sets a temporary one.
extern std::string commonFolderOverride;

// The whole program: globals, start-up, loading screen, the screen switcher, the end.
[[noreturn]] void runProgram();
void initGlobals();
void startGame();
[[noreturn]] void runGame();
void prepareUserFolder();

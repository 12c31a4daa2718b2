// Module globals of the application that every part of the game may read.
#pragma once

#include <string>

#include "engine/Engine.h"

extern std::string programPrefix;  // "" : resources are read relative to the program folder
extern std::string languageCode;   // the language folder below "txt/", from "txt/lang.txt"
extern std::string productName;    // the name of the per-user data folder
extern std::string userFolder;     // the per-user data folder, "/" as separator
extern int desktopWidth;
extern int desktopHeight;
extern int cheatsOn;              // 1 when "cheats.txt" exists in the program folder
extern float frameDelta;          // the current frame's delta (1.0 at 60 frames per second)
extern eng::Image pointImage;     // "gfx/point.png", for pixel-accurate mouse tests
extern eng::ImageFont mainFont;   // "gfx/fonts/font.ttf" at 72
extern eng::ImageFont storyFont;  // "gfx/fonts/storyFont.ttf" at 36
extern std::string pauseText;     // shown while the window is inactive

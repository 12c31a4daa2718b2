// Definitions of the application's module globals.
#include "core/Globals.h"

std::string programPrefix;
std::string languageCode;
std::string productName = "Tazmira-Zerav-2";
std::string userFolder;
int desktopWidth = 0;
int desktopHeight = 0;
int cheatsOn = 0;
float frameDelta = 1.0f;
eng::Image pointImage;
eng::ImageFont mainFont;
eng::ImageFont storyFont;
std::string pauseText;

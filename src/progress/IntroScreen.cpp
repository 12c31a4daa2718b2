// The story screens' shared panel picture.
#include "progress/IntroScreen.h"

#include "core/Globals.h"
#include "core/ImageLoad.h"

TIntroScreen* introScreen = nullptr;

void TIntroScreen::setup() {
    panele = loadImageOrWarn(programPrefix + "gfx/story/panele.png");
}

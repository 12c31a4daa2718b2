// A tutorial tip's fresh start.
#include "tutorial/TutorialTip.h"

void TTutorialTip::reset() {
    a = dA = 0;
    erase = 0;
    actions = allActions;
    arrows.clear();
}

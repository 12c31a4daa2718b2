// The save-everything step.
#include "progress/SaveAll.h"

#include "engine/Engine.h"
#include "progress/Options.h"

void saveAll() {
    eng::ShowMouse();
    if (options) options->saveOptions();
}

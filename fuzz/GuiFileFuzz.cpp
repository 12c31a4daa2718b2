// Fuzz target: the GUI-file reader, from the text to the items it makes, headless.
#include "FuzzInput.h"
#include "gui/Gui.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzCheck(fuzzHeadlessScreen(), "no headless renderer");
    FuzzFile input("screen.gui", data, size);
    TGui gui;
    gui.Load(input.path(), 0, 0);
    gui.update();
    gui.draw();
    return 0;
}

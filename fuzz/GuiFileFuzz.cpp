// Fuzz target: the GUI-file reader, from the text to the items it makes, headless.
#include "FuzzInput.h"
#include "engine/Engine.h"
#include "gui/Gui.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        eng::SetHeadless(eng::HeadlessConfig{});
        return eng::Graphics(320, 240, 0, 60, 0);
    }();
    fuzzCheck(ready, "no headless renderer");
    FuzzFile input("screen.gui", data, size);
    TGui gui;
    gui.Load(input.path(), 0, 0);
    gui.update();
    gui.draw();
    return 0;
}

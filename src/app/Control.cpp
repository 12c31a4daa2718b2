// The screen switcher and its table of screen names.
#include "app/Control.h"

#include "app/ScreenRegistry.h"
#include "core/Globals.h"
#include "screen/Ekran.h"

using namespace eng;

TScreenSwitcher control;

TScreenSwitcher::TScreenSwitcher() {
    buildTable();
}

void TScreenSwitcher::buildTable() {
    // Every other name is a screen of the registry. Without a profile no level can be given out yet, so
    // the level flow's names lead back to the title.
    auto noProfile = [] { return std::string("MAIN-MENU"); };
    table = {
        {"START-NEW-GAME", noProfile},
        {"GET-NEXT-LEVEL", noProfile},
        {"RESTART-LEVEL", noProfile},
        {"END-OF-LEVELS", nullptr},
    };
}

void TScreenSwitcher::setWhere(const std::string& name) {
    FlushMouse();
    FlushKeys();
    where = Upper(name);
}

bool TScreenSwitcher::step() {
    if (TEkran* screen = screens.find(where)) {
        if (onSwitch) onSwitch(where);
        setWhere(screen->mainLoop());
        return true;
    }
    for (const Row& row : table) {
        if (row.name != where) continue;
        if (!row.run) break;
        if (onSwitch) onSwitch(where);
        setWhere(row.run());
        return true;
    }
    if (where == "MAIN-MENU") {
        // Without a title screen there is nowhere left to go.
        Print("The title screen cannot be shown; the game ends.");
        setWhere("END");
        return false;
    }
    Print("No screen can be shown for the name \"" + where + "\"; going back to the title screen.");
    setWhere("MAIN-MENU");
    return false;
}

void TScreenSwitcher::mainloop() {
    where = "MAIN-MENU";
    do {
        FlushKeys();
        step();
        HideMouse();
    } while (where != "END" && !where.empty());
    if (where.empty()) Notify(" Wyjscie z glownej petli z powodu pustego ciagu kierunkowego! ", false);
}

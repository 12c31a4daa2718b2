// The screen switcher and its table of screen names.
#include "app/Control.h"

#include "core/Globals.h"
#include "nonogram/MainGame.h"
#include "progress/MainMenu.h"

using namespace eng;

TScreenSwitcher control;

TScreenSwitcher::TScreenSwitcher() {
    buildTable();
}

void TScreenSwitcher::buildTable() {
    // Screens without an object yet have no action; a run of one of them returns to the title.
    auto noProfile = [] { return std::string("MAIN-MENU"); };  // no profile can be active yet
    table = {
        {"MAIN-MENU", [] { return mainMenu ? mainMenu->mainLoop() : std::string("END"); }},
        {"START-NEW-GAME", noProfile},
        {"PICK-FLOW", nullptr},
        {"GET-NEXT-LEVEL", noProfile},
        {"RESTART-LEVEL", noProfile},
        {"STORY-START", nullptr},
        {"STORY-OUTRO", nullptr},
        {"MORE", nullptr},
        {"STORY-TABLET-READ", nullptr},
        {"STORY-CAMP", nullptr},
        {"STORY-READING-LETTER", nullptr},
        {"STORY-PIRAMID", nullptr},
        {"STORY-GO-TO-IRAK", nullptr},
        {"STORY-BULDOZER", nullptr},
        {"STORY-GO-TO-IRAN", nullptr},
        {"STORY-TEMPLE-OPEN", nullptr},
        {"STORY-TEMPLE-CHECK", nullptr},
        {"STORY-GO-TO-TIBET", nullptr},
        {"STORY-WATERFALL", nullptr},
        {"MAPA", nullptr},
        {"MAIN-GAME",
         [] { return (mainGame && mainGame->level) ? mainGame->mainLoop() : std::string("MAIN-MENU"); }},
        {"FINDROUTE-PUZZLE", nullptr},
        {"PUZZLE-EXPRESS", nullptr},
        {"HIDDEN-OBJECT", nullptr},
        {"PUZZLE", nullptr},
        {"CREDITS", nullptr},
        {"END-OF-LEVELS", nullptr},
    };
}

void TScreenSwitcher::setWhere(const std::string& name) {
    FlushMouse();
    FlushKeys();
    where = Upper(name);
}

bool TScreenSwitcher::step() {
    for (const Row& row : table) {
        if (row.name != where) continue;
        if (!row.run) break;
        if (onSwitch) onSwitch(where);
        setWhere(row.run());
        return true;
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

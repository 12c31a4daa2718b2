// The screen switcher and its table of screen names.
#include "app/Control.h"

#include <memory>

#include "app/ScreenRegistry.h"
#include "core/Globals.h"
#include "progress/LevelManager.h"
#include "progress/ProfileManager.h"
#include "screen/Ekran.h"

using namespace eng;

TScreenSwitcher control;

namespace {

// A story entry that no screen plays (a name the game does not know): the flow passes over it.
bool notYetPlayable(const std::string& name) {
    return name.rfind("STORY", 0) == 0 && !control.knows(name);
}

// After a story: back to the map when the player was seeing it again from the stage screen, else `next`.
std::string afterStory(const std::string& story, const std::string& next) {
    TProfile* p = activeProfile();
    return p && p->endStoryReplay(story) ? "MAPA" : next;
}

bool isGameScreen(const std::string& name) {
    return name == "MAIN-GAME" || name == "PUZZLE-EXPRESS" || name == "HIDDEN-OBJECT" ||
           name == "FINDROUTE-PUZZLE" || name == "PUZZLE";
}

}  // namespace

TScreenSwitcher::TScreenSwitcher() {
    buildTable();
}

std::string TScreenSwitcher::passOverMissing(std::string next) {
    TProfile* p = activeProfile();
    while (p) {
        const std::string name = Upper(next);
        const std::string entry = "The flow entry " + std::to_string(p->flowSequence) + " (" + next;
        if (notYetPlayable(name)) {
            Warn(entry + ") has no screen in this version of the game; going on to the next entry.");
        } else if (isGameScreen(name) && Upper(p->gameType) == name && !p->actLevel) {
            // The flow gave out this entry but its level file is missing, of another kind or holds nothing to
            // play (its reader said why).
            const auto data = levelManager.getProfileLevelData(*p);
            Warn(entry + ", " + (data ? data->url : std::string("no file")) +
                 ") cannot be played; going on to the next entry.");
        } else {
            break;
        }
        next = p->getNextLevel();
    }
    return next;
}

void TScreenSwitcher::buildTable() {
    // Without a profile no level can be given out, so the level flow's names lead back to the title.
    auto flow = [this](std::string (TProfile::*op)()) {
        return [this, op] {
            TProfile* p = activeProfile();
            return p ? passOverMissing((p->*op)()) : std::string("MAIN-MENU");
        };
    };
    table = {
        {"START-NEW-GAME", flow(&TProfile::startNewGame)},
        {"GET-NEXT-LEVEL", flow(&TProfile::getNextLevel)},
        {"RESTART-LEVEL", flow(&TProfile::restartLevel)},
    };
}

void TScreenSwitcher::setWhere(const std::string& name) {
    FlushMouse();
    FlushKeys();
    where = Upper(name);
}

bool TScreenSwitcher::knows(const std::string& name) const {
    const std::string n = Upper(name);
    if (screens.find(n) || screens.cutscene(n)) return true;
    for (const Row& row : table)
        if (row.name == n && row.run) return true;
    return false;
}

bool TScreenSwitcher::step() {
    if (const TScreenEntry* scene = screens.cutscene(where)) {
        // A cutscene is a new object for each visit; whatever it shows, the flow goes on after it, or the map
        // comes back when the player was only seeing it again.
        if (onSwitch) onSwitch(where);
        std::unique_ptr<TEkran> cutscene(scene->make());
        cutscene->mainLoop();
        setWhere(afterStory(where, "GET-NEXT-LEVEL"));
        return true;
    }
    if (TEkran* screen = screens.find(where)) {
        if (onSwitch) onSwitch(where);
        // Every game screen starts from a saved profile.
        if (isGameScreen(where) && profileManager && profileManager->profile) profileManager->save();
        // The title's "resume" and the map's choices answer an entry, which may be of a kind still to come.
        std::string next = screen->mainLoop();
        if (where.rfind("STORY", 0) == 0) next = afterStory(where, next);
        setWhere(where == "MAIN-MENU" || where == "MAPA" ? passOverMissing(next) : next);
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
    if (where.empty()) Notify("The game was sent to a screen without a name and ends.", false);
}

// The screen switcher: runs the current screen's loop and switches by the name it answers.
#pragma once

#include <functional>
#include <string>
#include <vector>

class TScreenSwitcher {
  public:
    // One flow operation run by a name that is not a screen's (the level flow's steps); an empty `run` is
    // one not built yet.
    struct Row {
        std::string name;
        std::function<std::string()> run;
    };

    std::string where;
    std::vector<Row> table;
    // Told every screen name the switcher is about to run (the driver prints them).
    std::function<void(const std::string&)> onSwitch;

    TScreenSwitcher();
    void buildTable();
    // An answer naming a flow entry whose screen does not exist yet, or a game entry whose level could not be
    // made from its file, moves on to the next entry (said once per entry, with its file, through Warn); any
    // other answer is returned as it is.
    std::string passOverMissing(std::string next);
    void mainloop();
    // Whether `name` (any letter case) is a screen, a cutscene or a flow operation the switcher can run.
    bool knows(const std::string& name) const;
    void setWhere(const std::string& name);
    // Runs the screen (from the screen registry) or the flow operation named `where` once; returns false when
    // none can run it (then `where` is "MAIN-MENU").
    bool step();
};

extern TScreenSwitcher control;

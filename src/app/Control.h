// The screen switcher: runs the current screen's loop and switches by the name it answers.
#pragma once

#include <functional>
#include <string>
#include <vector>

class TScreenSwitcher {
  public:
    // One row of the screen table; an empty `run` is a screen not built yet.
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
    void mainloop();
    void setWhere(const std::string& name);
    // Runs the row for `where` once; returns false when no row can run it (then `where` is "MAIN-MENU").
    bool step();
};

extern TScreenSwitcher control;

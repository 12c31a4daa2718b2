// The one table of the game's screen objects: how each is made, its set-up step and its switcher name.
#pragma once

#include <functional>
#include <string>
#include <vector>

class TEkran;

// One screen (or manager built on the screen base) of the game.
struct TScreenEntry {
    std::string name;                // the name the switcher runs it by; empty: only other screens open it
    std::string setupStep;           // its step on the loading screen ("mainGame.setup"); empty: none
    std::vector<std::string> needs;  // loading steps its set-up and its frames rely on (shared tables)
    std::function<TEkran*()> make;   // creates it and points its module global at it
    TEkran* screen = nullptr;        // the object once made; it lives for the whole run
    bool perVisit = false;           // a cutscene: a fresh object each time its name comes up, dropped after
};

class TScreenRegistry {
  public:
    std::vector<TScreenEntry> entries;  // in the order start-up creates them

    TScreenRegistry();
    // Makes every screen not made yet, in order.
    void createAll();
    // The screen the switcher runs for `name` (already upper case), or null.
    TEkran* find(const std::string& name) const;
    // The cutscene entry named `name` (made afresh for each visit), or null.
    const TScreenEntry* cutscene(const std::string& name) const;
    // The entry whose set-up is the loading step `step`, or null.
    TScreenEntry* bySetupStep(const std::string& step);
    // Before start-up: `name` is made by `make` instead (the driver's scenes stand in for the title).
    void replace(const std::string& name, std::function<TEkran*()> make);
    // Makes the screen `name` and sets it up alone, as the loading screen would: the steps it needs, then its
    // own set-up. For tests and tools that run one screen; answers null for an unknown name.
    TEkran* setUpAlone(const std::string& name);

  private:
    TScreenEntry* _entry(const std::string& name);
};

extern TScreenRegistry screens;

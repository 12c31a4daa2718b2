// The tutorial: tips read from "data/tutorial.dat", started on the screen they belong to when their
// conditions hold, run by their actions and ended by their erase conditions; a tip that has ended leaves
// the player's pending tips and is not shown again.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tutorial/TutorialTip.h"

class TEkran;
class TLevel;
class TProfile;

class TTutorial {
  public:
    std::array<eng::ImageFont, 5> font;
    TEkran* ekr = nullptr;  // the screen driving the tutorial this frame
    std::shared_ptr<TTutorialTip> actTip;
    std::vector<std::shared_ptr<TTutorialTip>> levelTips, generalTips;
    std::array<eng::Image, 2> arrowImages;
    // The player whose pending tips count, and the nonogram grid the tips act on (the start-up connects
    // them; tests give their own).
    std::function<TProfile*()> profile;
    std::function<TLevel*()> grid;

    // Loads the arrows and fonts and reads every tip (`path` below the program folder).
    void setup(const std::string& path = "data/tutorial.dat");
    std::shared_ptr<TTutorialTip> _loadExactTip(int i, const class TRCMFile& file) const;
    // A fresh copy of the tip `id` from the file; null when there is none.
    std::shared_ptr<TTutorialTip> _loadExactTip2(const std::string& id) const;
    std::shared_ptr<TTutorialTip> getTipById(const std::string& id) const;
    // 0 while the tip `id` is pending, else 1.
    int bylTutorial(const std::string& id) const;
    void startTutorial(const std::shared_ptr<TTutorialTip>& tip);
    void startTutorial(const std::string& id) { startTutorial(getTipById(id)); }
    // Once a frame for the screen in `ekr`: every pending tip (update) or only the general ones (update2).
    void update() { _update(false); }
    void update2() { _update(true); }
    void draw();
    void hideTutorial() { actTip = nullptr; }

    // The rules, public for their tests.
    bool conditionHolds(const TTutorialTip& tip, const TWords& c) const;
    bool eraseHolds(const TWords& c) const;
    // Runs `actAction`; true when it is done, false while it blocks.
    bool runAction(TTutorialTip& tip);

  private:
    std::string _path;
    std::shared_ptr<class TTxtFile> _texts;  // the tips' texts, read once per read of the tips
    uint64_t _lastUpdateFrame = 0;           // a screen runs one tutorial update per frame
    void _update(bool generalOnly);
    void _updateTip(TTutorialTip& tip);
    bool _runActions(TTutorialTip& tip);
    void _eraseMe(TTutorialTip& tip);
};

extern TTutorial* tutorial;

// The module functions the game screens call (through their hooks): the tips of `screen` this frame.
void tutorialUpdate(TEkran& screen);
void tutorialUpdateGeneral(TEkran& screen);
void tutorialDraw(TEkran& screen);

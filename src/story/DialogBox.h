// The dialog box: a conversation over a frozen screen, one line at a time, while black bars close in; a
// click shows the next line and after the last the box fades away. Dialogs come from "data/dialogs.dat",
// bound to an event ("BEGIN", "END") of a stage's level, or run by number from the cutscenes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "screen/Ekran.h"
#include "story/DialogText.h"

class TDialogBox : public TEkran {
  public:
    std::vector<std::shared_ptr<TDialogText>> dialogTexts;  // file order
    std::shared_ptr<TDialogText> dialog;                    // the one running
    eng::Image panel, kolko;
    eng::ImageFont fontex, dialogFont;
    float x = 282, y = 234, w = 450, h = 300;
    std::string txtClickToContinue;
    std::string state;  // START, EXIT
    int withupdate = 0;
    int special = 0;  // a special dialog that the calling screen's "skip" button cuts short

    TDialogBox() { id = "DIALOG-BOX"; }
    void setup() override;
    // Reads the dialogs of a file (pictures too when `pictures`) as far as they exist, whatever counts the
    // file states, at most 1000 dialogs of 100 lines; a line whose speaker has no portrait, or a portrait
    // beyond the sixth, is reported.
    void loadDialogs(const std::string& path, bool pictures = true);
    std::shared_ptr<TDialogText> getDialogText(int number) const;
    // The first dialog bound to this event (letter case counts) of this stage and level; 0 for none.
    int findDialog(int stage, int level, const std::string& event) const;
    // Runs dialog `number` over `screen`; a number without a dialog, or a dialog without lines, returns at
    // once.
    int mainLoop(TEkran* screen, int number, int mode);
    // Sets the run up; false when there is nothing to show.
    bool prepare(TEkran* screen, int number, int mode);
    bool finished() const override;
    void update() override;
    void draw() override;
    void afterFrame() override;
    // A click: the next line, or the end after the last.
    void control();
};

extern TDialogBox* dialogBox;

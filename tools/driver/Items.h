// The GUI items of the screen on top, as the driver lists them and clicks them by id.
#pragma once

#include <memory>
#include <string>

class TEkran;
class TGuiObject;

// Prints "item: ID X Y W H KIND" for every visible item of the screen on top, " inactive" after the ones
// that do not take the mouse.
void printItems();
// The id of the screen that drew the latest frame, or "none" before the first.
std::string topScreenId();

// One `item` command, driven frame by frame from the frame hook. It waits until the screen on top shows
// the item visible, active, with a box, and done fading (the item and the screen at their alpha and
// fade targets), then presses the left button at the item's centre and releases it on the next frame.
// The press counts once the item reported it as a click on the frame that saw it go down or up (screens
// that tell a click from a hold read it on the release). If it did not (a button still recharging, a
// screen that did not run its items that frame) while the item stays on the same screen on top, it
// presses again 10 frames later. The command is done once the press counted, the item is no longer shown
// or active, or another screen is on top.
class ItemClick {
  public:
    enum class Step {
        wait,      // nothing to do this frame
        press,     // move the pointer to (x(), y()) and press the left button
        release,   // let the left button go
        done,      // the click has been taken and the frame after it has run
        timedOut,  // the cap ran out: message() says why
    };

    ItemClick(std::string id, int cap) : id_(std::move(id)), cap_(cap) {}
    // Called once per frame while the command runs.
    Step frame();
    float x() const { return x_; }
    float y() const { return y_; }
    // What went wrong when the cap ran out: "item: ID not found within N frames (screen on top: S)".
    std::string message() const;

  private:
    enum class Phase { looking, pressed, released };
    std::string id_;
    int cap_;
    int frames_ = 0;   // frames this command has run
    int retryAt_ = 0;  // no press before this frame
    bool pressedOnce_ = false;
    bool taken_ = false;
    Phase phase_ = Phase::looking;
    float x_ = 0, y_ = 0;
    const TEkran* screen_ = nullptr;  // the screen on top at the press
    std::weak_ptr<TGuiObject> item_;  // the item pressed
};

// Listing the items of the screen on top and clicking one of them by id.
#include "Items.h"

#include <cstdio>

#include "engine/Engine.h"
#include "gui/Gui.h"
#include "screen/Ekran.h"
#include "screen/FrameServices.h"

namespace {

constexpr int kRetryFrames = 10;

const char* kindName(int kind) {
    switch (kind) {
        case TGuiObject::kButton:
            return "button";
        case TGuiObject::kWindow:
            return "window";
        case TGuiObject::kText:
            return "text";
        case TGuiObject::kAnimation:
            return "animation";
        case TGuiObject::kTextEntry:
            return "textentry";
        case TGuiObject::kBelka:
            return "menubar";
        case TGuiObject::kControl:
            return "control";
        default:
            return "item";
    }
}

bool shownAndActive(const TGuiObject& item) {
    return item._v != 0 && item._a != 0 && item.hasBox();
}

// The first visible, active item with a box and this id (letter case aside) on the screen on top.
std::shared_ptr<TGuiObject> findShown(const std::string& id) {
    const TEkran* top = screenOnTop();
    if (!top || !top->Gui) return nullptr;
    const std::string wanted = eng::Upper(id);
    for (const auto& item : top->Gui->_listaObiektow)
        if (item && shownAndActive(*item) && eng::Upper(item->_id) == wanted) return item;
    return nullptr;
}

// Neither the screen nor the item is fading, and the item holds no click from an earlier frame.
bool settled(const TEkran& screen, const TGuiObject& item) {
    return screen.alpha == screen.dAlpha && screen.fade == screen.dFade && item._alpha == item._dAlpha &&
           item._alpha > 0 && item._clicked == 0;
}

}  // namespace

void printItems() {
    const TEkran* top = screenOnTop();
    if (!top || !top->Gui) return;
    for (const auto& item : top->Gui->_listaObiektow) {
        if (!item || item->_v == 0) continue;
        const TDim& d = *item->dim;
        std::printf("item: %s %d %d %d %d %s%s\n", item->_id.c_str(), static_cast<int>(d.x1),
                    static_cast<int>(d.y1), static_cast<int>(d.x2 - d.x1), static_cast<int>(d.y2 - d.y1),
                    kindName(item->_class), item->_a != 0 ? "" : " inactive");
    }
}

std::string topScreenId() {
    const TEkran* top = screenOnTop();
    return top ? top->id : "none";
}

ItemClick::Step ItemClick::frame() {
    ++frames_;
    const TEkran* top = screenOnTop();
    if (phase_ == Phase::pressed) {
        // This frame's update has seen the button go down.
        const auto item = item_.lock();
        taken_ = item && item->_clicked != 0;
        phase_ = Phase::released;
        return Step::release;
    }
    if (phase_ == Phase::released) {
        // The frame with the button up has run; a screen that reads its clicks on the release saw it now.
        const auto item = item_.lock();
        taken_ = taken_ || (item && item->_clicked != 0);
        const auto shown = findShown(id_);
        if (taken_ || top != screen_ || !shown || shown != item) return Step::done;
        phase_ = Phase::looking;
        retryAt_ = frames_ + kRetryFrames;
    }
    if (frames_ > cap_) return Step::timedOut;
    if (frames_ < retryAt_ || !top) return Step::wait;
    const auto item = findShown(id_);
    if (!item || !settled(*top, *item)) return Step::wait;
    const TDim& d = *item->dim;
    x_ = (d.x1 + d.x2) / 2;
    y_ = (d.y1 + d.y2) / 2;
    screen_ = top;
    item_ = item;
    pressedOnce_ = true;
    phase_ = Phase::pressed;
    return Step::press;
}

std::string ItemClick::message() const {
    return "item: " + id_ + (pressedOnce_ ? " did not take a click" : " not found") + " within " +
           std::to_string(cap_) + " frames (screen on top: " + topScreenId() + ")";
}

// Finding the items of the screen on top.
#include "Items.h"

#include "engine/Engine.h"
#include "gui/Gui.h"
#include "screen/Ekran.h"
#include "screen/FrameServices.h"

namespace {

std::string kindName(int kind) {
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
            return "bar";
        case TGuiObject::kControl:
            return "control";
    }
    return "item";
}

ItemInfo infoOf(const TGuiObject& item) {
    ItemInfo i;
    i.id = item._id;
    i.type = kindName(item._class);
    if (item.dim) {
        i.x = item.dim->x1;
        i.y = item.dim->y1;
        i.w = item.dim->x2 - item.dim->x1;
        i.h = item.dim->y2 - item.dim->y1;
    }
    i.active = item._a != 0;
    i.alpha = item._alpha;
    return i;
}

}  // namespace

std::vector<ItemInfo> visibleItems() {
    std::vector<ItemInfo> out;
    const TEkran* top = screenOnTop();
    if (!top || !top->Gui) return out;
    for (const auto& item : top->Gui->_listaObiektow)
        if (item && item->_v) out.push_back(infoOf(*item));
    return out;
}

std::string topScreenId() {
    const TEkran* top = screenOnTop();
    return top ? top->id : "none";
}

bool topScreenSettled() {
    const TEkran* top = screenOnTop();
    return top && top->alpha == top->dAlpha && top->fade == top->dFade;
}

bool findItem(const std::string& id, ItemInfo& out) {
    for (const ItemInfo& i : visibleItems())
        if (eng::Upper(i.id) == eng::Upper(id) && i.active && i.alpha >= 0.99f && i.w > 0 && i.h > 0) {
            out = i;
            return true;
        }
    return false;
}

bool itemWasClicked(const std::string& id) {
    const TEkran* top = screenOnTop();
    return top && top->Gui && eng::Upper(top->Gui->_clicked) == eng::Upper(id);
}

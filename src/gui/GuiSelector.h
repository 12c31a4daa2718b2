// GUI items that report ids of their own (menu commands) instead of their item id.
#pragma once

#include <string>

#include "gui/GuiObject.h"

class TGuiSelector : public TGuiObject {
  public:
    std::string _clickedOp;  // the id chosen this frame
    std::string _overOp;     // the id under the mouse this frame
    void _clean() {
        _clickedOp.clear();
        _overOp.clear();
    }
};

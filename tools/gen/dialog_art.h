// The dialogs' pictures: the panel characters speak on, the gold ring round a speaker's portrait, and the
// painted busts of the story's characters.
#pragma once

#include "paint/Canvas.h"

namespace gen::dialog {

using namespace paint;

// dialog_frame.cpp: the panel (top-left on screen at 200, 210) and the ring over the portrait.
Canvas dialogPanel();
Canvas portraitRing();

}  // namespace gen::dialog

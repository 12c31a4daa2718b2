// A profile's place in its journey checked against the flows when it is read.
#pragma once

#include <string>

#include "progress/Profile.h"

// A journey or entry kind the game does not know is reported (as read from `path`) and mended from the
// flows: a journey named in another letter case is that journey; an unknown one becomes the one the
// player's records were made on, or none; a place before the start is the start; and the kind of the
// current entry is the kind the flow gives that entry, so a level in progress is read by its own reader
// or not at all.
void checkPlaceInFlow(TProfile& p, const std::string& path);

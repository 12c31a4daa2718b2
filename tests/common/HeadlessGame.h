// The headless game for the tests of one screen or system: a virtual clock, the real renderer on a
// 1024 x 768 window, the program folder of the build, English texts and the one mouse.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/Globals.h"
#include "engine/Engine.h"
#include "gui/Mouse.h"

inline void startHeadlessGame() {
    eng::SetHeadless(eng::HeadlessConfig{});
    ASSERT_TRUE(eng::Graphics(1024, 768, 0, 60, 0));
    programPrefix = std::string(GAME_DIR) + "/";
    languageCode = "en";
    if (!mouse) new TMouse();
}

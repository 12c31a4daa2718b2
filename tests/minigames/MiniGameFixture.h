// A headless window with the shipped content for the mini-game screens, played frame by frame under the
// virtual clock with injected mouse and keys.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/Globals.h"
#include "engine/Engine.h"
#include "gui/Mouse.h"
#include "screen/Ekran.h"

class MiniGameTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        eng::SetHeadless(eng::HeadlessConfig{});
        ASSERT_TRUE(eng::Graphics(1024, 768, 0, 60, 0));
        programPrefix = std::string(GAME_DIR) + "/";
        languageCode = "en";
        if (!mouse) new TMouse();
        // The pixel-exact mouse tests need the pointer's picture.
        if (!pointImage) pointImage = eng::LoadImage(programPrefix + "gfx/point.png");
    }
    void TearDown() override { release(); }

    static void frames(TEkran& screen, int n = 1) {
        for (int i = 0; i < n; ++i) {
            eng::Delay(17);
            screen.update();
            screen.afterFrame();
        }
    }
    static void moveTo(float x, float y) { eng::InjectMouseMove(x, y); }
    static void button(TEkran& screen, int b, bool down) {
        eng::InjectMouseButton(b, down);
        frames(screen);
    }
    static void release() {
        eng::InjectMouseButton(1, false);
        eng::InjectMouseButton(2, false);
        eng::FlushMouse();
        eng::FlushKeys();
        if (mouse) mouse->clear();
    }
};

// A headless engine with the built program folder, for running the menus' screens frame by frame with
// injected mouse and keys.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "core/LogicalScreen.h"
#include "engine/Engine.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "screen/Ekran.h"
#include "screen/FrameServices.h"

namespace fixture {

constexpr int kEnter = 13, kEscape = 27;

// The headless engine, started once per test program, and the program folder as the game reads it (other
// tests of the program point the game at folders of their own).
inline void headlessGame() {
    static bool started = false;
    if (!started) {
        started = true;
        eng::SetHeadless(eng::HeadlessConfig{});
        ASSERT_TRUE(openGraphics(1024, 768, 0, 0));
    }
    programPrefix = std::string(GAME_DIR) + "/";
    languageCode = "en";
    if (!mouse) new TMouse();
}

// Forgets the input of the previous case.
inline void releaseInput() {
    eng::InjectMouseButton(1, false);
    eng::FlushMouse();
    eng::FlushKeys();
    if (mouse) mouse->clear();
}

// One frame of a screen's loop, as runLoop runs it.
inline void frame(TEkran& screen, int n = 1) {
    for (int i = 0; i < n; ++i) {
        eng::Cls();
        screen.update();
        screen.draw();
        endFrame(1, &screen);
        screen.afterFrame();
    }
}

// Puts the pointer on the centre of the GUI item `id` of `screen`.
inline void moveToItem(const TEkran& screen, const std::string& id) {
    ASSERT_TRUE(screen.Gui);
    auto item = screen.Gui->getItem(id);
    ASSERT_TRUE(item) << id;
    eng::InjectMouseMove(item->dim->x + item->dim->w / 2, item->dim->y + item->dim->h / 2);
}

// A press and release of the left button, or of a key, between two frames.
inline void tapMouse() {
    eng::InjectMouseButton(1, true);
    eng::InjectMouseButton(1, false);
}
inline void tapKey(int code) {
    eng::InjectKey(code, true);
    eng::InjectKey(code, false);
}

// Moves onto the item of a screen driven by `frame` and clicks it, a frame each.
inline void click(TEkran& screen, const std::string& id) {
    moveToItem(screen, id);
    frame(screen);
    tapMouse();
    frame(screen);
}

// What the player does at a frame of a modal screen's loop.
struct Step {
    int atFrame;
    std::function<void()> act;
};

// Runs `loop` (a modal screen's whole visit, with its own frame loop) while `steps` play the player's part.
// A screen still open long after the last step is reported and closed with Escape.
template <class Loop>
auto playing(const std::vector<Step>& steps, Loop loop) {
    int frames = 0;
    const int limit = (steps.empty() ? 0 : steps.back().atFrame) + 600;
    eng::SetFrameHook([&] {
        ++frames;
        for (const Step& s : steps)
            if (s.atFrame == frames) s.act();
        if (frames == limit) ADD_FAILURE() << "the screen did not close";
        if (frames >= limit) tapKey(kEscape);
    });
    auto answer = loop();
    eng::SetFrameHook(nullptr);
    releaseInput();
    return answer;
}

// Clicks the item `id` of `screen` from within a modal loop.
inline std::function<void()> clickOn(const TEkran& screen, const std::string& id) {
    return [&screen, id] {
        moveToItem(screen, id);
        tapMouse();
    };
}

// A screen that only stands behind an overlay under a switcher name.
struct Caller : TEkran {
    explicit Caller(const std::string& name) { id = name; }
};

}  // namespace fixture

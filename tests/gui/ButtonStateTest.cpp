// Buttons under the mouse frame by frame: hover scale, lights, frames, clicks, recharging, the letter wave.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/Globals.h"
#include "engine/Engine.h"
#include "gui/Button.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"

namespace fs = std::filesystem;

namespace {

// A white strip of four 40 x 40 frames, with a 40 x 40 single picture cut from it; the file goes when the
// tests end.
struct StripFile {
    const fs::path path = fs::temp_directory_path() / ("button-state-" + std::to_string(::getpid()) + ".png");
    StripFile() {
        auto pm = std::make_shared<eng::PixmapData>();
        pm->width = 160;
        pm->height = 40;
        pm->rgba.assign(static_cast<size_t>(pm->width) * pm->height * 4, 255);
        eng::SavePixmapPNG(pm, path.string());
    }
    ~StripFile() {
        std::error_code ec;
        fs::remove(path, ec);
    }
};

std::string strip() {
    static const StripFile file;
    return file.path.string();
}

std::shared_ptr<TButton> button(const std::string& id, const std::string& typ) {
    return TButton::createFromList(
        id, {{"TYP", typ}, {"POSITION", "100 100"}, {"GFX", strip()}, {"TXT", "Play"}}, nullptr, 0, 0);
}

// A fresh virtual clock, released buttons and the pointer far from every button.
void freshInput() {
    eng::SetHeadless(eng::HeadlessConfig{});
    eng::InjectMouseButton(1, false);
    eng::FlushMouse();
    eng::SetLogicalOffset(0, 0);
    eng::InjectMouseMove(500, 500);
    frameDelta = 1;
}

// One frame of input: o over, p press over it, . nothing (a held button stays held), r release,
// l leave, i inactive, a active again.
void input(char c, TButton& b) {
    if (c == 'o' || c == 'p') eng::InjectMouseMove(100, 100);
    if (c == 'p') eng::InjectMouseButton(1, true);
    if (c == 'r') eng::InjectMouseButton(1, false);
    if (c == 'l') eng::InjectMouseMove(500, 500);
    if (c == 'i') b.setState(1, 0);
    if (c == 'a') b.setState(1, 1);
}

}  // namespace

TEST(ButtonState, MouseSequencesFrameByFrame) {
    enum Probe { kScale, kLight, kLightTarget, kFrame, kNewAlpha, kOldFrame };
    struct Case {
        const char* typ;
        Probe probe;
        const char* input;
        std::vector<float> values;  // the probed value after each frame's update
        const char* clicked;        // per frame: 1 when the container reports the click
    } cases[] = {
        {"SIMPLE_BUTTON", kScale, "o.p.rl.", {1.05f, 1.1f, 1.05f, 1.1f, 1.1f, 1.05f, 1}, "0010000"},
        {"TEXT_SPEC_BUTTON3", kScale, "o...p", {1.05f, 1.1f, 1.15f, 1.2f, 1.05f}, "00001"},
        {"TEXT_BUTTON", kScale, "o.p..rl", {1.05f, 1.1f, 1.05f, 1.05f, 1.05f, 1.1f, 1.05f}, "0010000"},
        {"TEXT_SPEC_BUTTON6", kScale, "o.....", {1.05f, 1.1f, 1.15f, 1.2f, 1.25f, 1.3f}, "000000"},
        {"TEXT_SPEC_BUTTON4", kScale, "op.r", {1.05f, 1.05f, 1.05f, 1.1f}, "0100"},
        {"TEXT_SPEC_BUTTON2", kLight, "o.p.r.l", {0.05f, 0.1f, 0.65f, 0.65f, 0.6f, 0.55f, 0.5f}, "0010000"},
        {"TEXT_LIGHT_BUTTON", kLightTarget, "o.pl", {0.4f, 0.4f, 0.4f, 0}, "0010"},
        {"BLEND_BUTTON", kLight, "o.l", {0.08f, 0.16f, 0.08f}, "000"},
        {"FSTEP_BUTTON", kFrame, "op.rlioap", {1, 2, 2, 1, 0, 3, 3, 1, 2}, "010000001"},
        {"FSTEP_BLEND_BUTTON", kFrame, "op.rl", {1, 2, 2, 1, 0}, "01000"},
        {"FSTEP_BLEND_BUTTON", kOldFrame, "op.rl", {0, 1, 1, 2, 1}, "01000"},
        {"FSTEP_BLEND_BUTTON", kNewAlpha, "o..p.", {0.05f, 0.1f, 0.15f, 0.05f, 0.1f}, "00010"},
    };
    for (const auto& c : cases) {
        freshInput();
        TMouse mouse;
        TGui gui;
        auto b = button("Btn", c.typ);
        gui.addItem(b);
        for (int i = 0; i < 30; ++i) {  // lights and scales settle away from the button
            mouse.update(1);
            gui.update();
        }
        for (size_t i = 0; c.input[i]; ++i) {
            input(c.input[i], *b);
            mouse.update(1);
            gui.update();
            const float value = c.probe == kScale         ? b->_buttonScale
                                : c.probe == kLight       ? b->_buttonAlpha
                                : c.probe == kLightTarget ? b->_dButtonAlpha
                                : c.probe == kFrame       ? static_cast<float>(b->currentFrame())
                                : c.probe == kNewAlpha    ? b->_newAlpha
                                                          : b->_old4StepB;
            EXPECT_NEAR(value, c.values[i], 1e-5) << c.typ << " " << c.input << ", frame " << i;
            EXPECT_EQ(gui.clickedItem("btn"), c.clicked[i] - '0')
                << c.typ << " " << c.input << ", frame " << i;
        }
    }
}

TEST(ButtonState, RechargingButtonIgnoresTheMouseUntilFull) {
    struct Case {
        float stan;
        int over, clicked, frame;
    } cases[] = {{0, 0, 0, 0}, {0.25f, 0, 0, 0}, {0.99f, 0, 0, 0}, {1, 1, 1, 2}};
    for (const auto& c : cases) {
        freshInput();
        TMouse mouse;
        TGui gui;
        auto b = button("power", "FSTEP_BUTTON_PICROS");
        b->stan = c.stan;
        gui.addItem(b);
        input('p', *b);
        mouse.update(1);
        gui.update();
        EXPECT_EQ(gui._over == "power", c.over == 1) << c.stan;
        EXPECT_EQ(gui.clickedItem("power"), c.clicked) << c.stan;
        EXPECT_EQ(b->currentFrame(), c.frame) << c.stan;
    }
}

TEST(ButtonState, LetterWave) {
    struct Case {
        const char* caption;
        float chrN, delta;
        int over;
        float after;
        std::vector<float> scales;
    } cases[] = {
        {"A B", 0, 1, 1, 0.08f, {1.16f, 1, 1}},      // rising: 1 + f x 2
        {"A B", 0.4f, 1, 1, 0.48f, {1.96f, 1, 1}},   // still rising
        {"A B", 0.5f, 0, 1, 0.5f, {2.5f, 1, 1}},     // exactly half way
        {"A B", 0.9f, 1, 1, 0.98f, {0.54f, 1, 1}},   // falling: 1.5 - (f - 0.5) x 2
        {"A B", 0.95f, 1, 1, 2.03f, {1, 1, 1.06f}},  // the blank is skipped
        {"A B", 2.95f, 1, 1, 0, {1, 1, 1}},          // past the end: again from the first letter
        {"AB ", 1.95f, 1, 1, 3.03f, {1, 1, 1}},      // a final blank leads past the last letter
        {"Zaż", 2.2f, 1, 1, 2.28f, {1, 1, 1.56f}},   // letters, not bytes
        {"A B", 1.5f, 1, 0, 0, {1, 1, 1}},           // not over: the wave stops
    };
    for (const auto& c : cases) {
        auto b =
            TButton::createFromList("w", {{"TYP", "TEXT_SPEC_BUTTON1"}, {"TXT", c.caption}}, nullptr, 0, 0);
        b->_chrN = c.chrN;
        b->_over = c.over;
        frameDelta = c.delta;
        b->updateMe(0, 0);
        EXPECT_NEAR(b->_chrN, c.after, 1e-5) << c.caption << " from " << c.chrN;
        ASSERT_EQ(b->_textScale.size(), c.scales.size()) << c.caption;
        for (size_t i = 0; i < c.scales.size(); ++i)
            EXPECT_NEAR(b->_textScale[i], c.scales[i], 1e-4)
                << c.caption << " from " << c.chrN << ", letter " << i;
    }
    frameDelta = 1;
}

// Under a display: the recharging button is faint above its fill line, and hot areas and "bonus6" draw
// nothing.
TEST(ButtonState, Drawing) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (the test command runs it under Xvfb)";
    ASSERT_TRUE(eng::Graphics(320, 240, 0, 60, 0));
    eng::SetVirtualResolution(320, 240);
    eng::SetViewport(0, 0, 320, 240);
    eng::SetOrigin(0, 0);
    eng::SetClsColor(0, 0, 0);
    struct Case {
        const char* id;
        const char* typ;
        float stan;
        int top, bottom;  // grey level at the top and at the bottom of the button
    } cases[] = {
        {"power", "FSTEP_BUTTON_PICROS", 0.25f, 51, 255},
        {"power", "FSTEP_BUTTON_PICROS", 1, 255, 255},
        {"plate", "FSTEP_BUTTON", 1, 255, 255},
        {"hot", "TEXT_SPEC_BUTTON4", 1, 0, 0},
        {"hot", "TEXT_SPEC_BUTTON7", 1, 0, 0},
        {"BONUS6", "SIMPLE_BUTTON", 1, 0, 0},
    };
    for (const auto& c : cases) {
        eng::Cls();
        auto b = button(c.id, c.typ);
        b->stan = c.stan;
        TGui gui;
        gui.addItem(b);
        gui.draw();
        EXPECT_NEAR(eng::GrabPixmap(100, 85, 1, 1)->rgba[0], c.top, 3) << c.typ << " " << c.stan;
        EXPECT_NEAR(eng::GrabPixmap(100, 115, 1, 1)->rgba[0], c.bottom, 3) << c.typ << " " << c.stan;
    }
}

// Animated buttons: reading schemas, frames that stay inside the strip, and the animation state machine.
#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "gui/Button.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"

namespace {

struct Made {
    std::shared_ptr<TButton> button;
    std::string messages;
};

// An animated button without a picture: its frames come from the schema alone.
Made animated(const std::string& schema) {
    testing::internal::CaptureStdout();
    Made m;
    m.button = TButton::createFromList(
        "anim", {TSimpleEntry{"TYP", "ANIM_BUTTON"}, TSimpleEntry{"SCHEMAT", schema}}, nullptr, 0, 0);
    m.messages = testing::internal::GetCapturedStdout();
    return m;
}

// "NAME(ms):frame,frame NAME(ms):..." of every animation, in slot order.
std::string summary(const TAnimData& d) {
    std::string out;
    for (int a = 0; a < d.anims; ++a) {
        out += (a ? " " : "") + d.animName[a] + "(" + std::to_string(d.delta(a)) + "):";
        for (int i = 0; i < d.frames(a); ++i) out += (i ? "," : "") + std::to_string(d.frameAt(a, i));
    }
    return out;
}

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += what.size()) ++n;
    return n;
}

}  // namespace

TEST(ButtonSchema, NamesFramesAndTimes) {
    const std::string noNormal = "Blad! Nie okreslono znacznika animacji [NORMAL] w schemacie:";
    const std::string badName = "BLAD! Nieprawidlowa definicja znacznika wewnatrz zmiennej _str$ :";
    struct Case {
        const char* schema;
        const char* animations;
        int frames;
        int normal, active, over, unactive;  // indexes; -1 for a flag that is not set
        std::vector<std::string> messages;
    } cases[] = {
        {"NORMAL(120) 1 2 3 2 OVER 4 ACTIVE(60) 5 6 7 UNACTIVE 8",
         "NORMAL(120):1,2,3,2 OVER(500):4 ACTIVE(60):5,6,7 UNACTIVE(500):8",
         8,
         0,
         2,
         1,
         3,
         {}},
        {"NORMAL 1 2 normal(50) 3", "NORMAL(50):1,2,3", 3, 0, -1, -1, -1, {}},
        {"7 Over(0) 2 [MY ANIM](40) 1 Normal", "OVER(0):2 MY ANIM(40):1 NORMAL(500):", 2, 2, -1, 0, -1, {}},
        {"  OVER   1 2 ",
         "OVER(500):1,2",
         2,
         0,
         -1,
         0,
         -1,
         {noNormal + "  OVER   1 2 ",
          "Podanej nazwy animacji nie ma na liscie animacji obiektu! Nazwa :NORMAL"}},
        {"NORMAL((5)) 1", "NORMAL((5))(500):1", 1, 0, -1, -1, -1, {badName + "NORMAL((5))", noNormal}},
        {"NORMAL 1 UNACTIVE) 2", "NORMAL(500):1 UNACTIVE)(500):2", 2, 0, -1, -1, -1, {badName + "UNACTIVE)"}},
        {"NORMAL 1 A 2 B 3 C 4 D 5 E 6 F 7 G 8 H 9 I 10 J 11",
         "NORMAL(500):1,11 A(500):2 B(500):3 C(500):4 D(500):5 E(500):6 F(500):7 G(500):8 H(500):9 I(500):10",
         11,
         0,
         -1,
         -1,
         -1,
         {"Nie mozna dodac wiecej niz 10 animacji!"}},
        {"", "", 0, 0, -1, -1, -1, {noNormal, "Nazwa :NORMAL"}},
    };
    for (const auto& c : cases) {
        Made m = animated(c.schema);
        ASSERT_TRUE(m.button) << c.schema;
        const TButton& b = *m.button;
        EXPECT_EQ(summary(b._animData), c.animations) << c.schema;
        EXPECT_EQ(b.frames, c.frames) << c.schema;
        EXPECT_EQ(b._animNormal, std::max(0, c.normal)) << c.schema;
        EXPECT_EQ(b._activeFlag ? b._animActive : -1, c.active) << c.schema;
        EXPECT_EQ(b._overFlag ? b._animOver : -1, c.over) << c.schema;
        EXPECT_EQ(b._unactiveFlag ? b._animUnActive : -1, c.unactive) << c.schema;
        EXPECT_EQ(b.aktAnim, b._animNormal) << c.schema;  // NORMAL plays from the start
        for (const auto& text : c.messages)
            EXPECT_EQ(count(m.messages, text), 1) << c.schema << " should report " << text << "\n"
                                                  << m.messages;
        if (c.messages.empty()) {
            EXPECT_EQ(m.messages, "") << c.schema;
        }
    }
}

// Frame numbers count from 1; a 0, an empty animation or no animation at all shows the strip's first
// frame, and an unknown name is reported once and plays the first animation from its start.
TEST(ButtonSchema, FramesStayInsideTheStrip) {
    eng::SetHeadless(eng::HeadlessConfig{});
    struct Case {
        const char* schema;
        std::vector<int> shown;  // the frame shown on each frame, 40 ms apart
    } cases[] = {
        // NORMAL at index 0 with no ACTIVE restarts when its cycle is complete: 0 3, 0, 0 3, ...
        {"NORMAL(30) 0 3", {0, 2, 0, 0, 2}},
        {"NORMAL(30) OVER 2", {0, 0, 0, 0, 0}},
        {"", {0, 0, 0, 0, 0}},
        {"5 6", {0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        auto button = animated(c.schema).button;
        TButton& b = *button;
        for (size_t i = 0; i < c.shown.size(); ++i) {
            EXPECT_EQ(b.currentFrame(), c.shown[i]) << c.schema << ", step " << i;
            eng::Delay(40);
            b.update(0, 0);
        }
    }
    auto button = animated("NORMAL(30) 1 2 OVER 3").button;
    TButton& b = *button;
    b.update(0, 0);
    eng::Delay(40);
    b.update(0, 0);
    testing::internal::CaptureStdout();
    b.playAnim("JUMP");
    EXPECT_EQ(b.aktAnim, 0);
    EXPECT_EQ(b.aktFrame, 0);
    b.playAnim("jump");
    b.playAnim("OVER");
    b.playAnim("SPIN");
    const std::string messages = testing::internal::GetCapturedStdout();
    EXPECT_EQ(count(messages, "Nazwa :JUMP"), 1) << messages;
    EXPECT_EQ(count(messages, "Nazwa :SPIN"), 1) << messages;
    EXPECT_EQ(count(messages, "[message]"), 2) << messages;
}

// The animation played frame by frame while the mouse moves over the button, presses, holds and leaves.
TEST(ButtonAnimation, StateMachineFollowsTheMouse) {
    struct Case {
        const char* what;
        const char* schema;
        const char* input;   // per frame: o over, p press, P over and press, r release, l leave, i inactive,
                             // a active, . nothing
        const char* played;  // per frame: the first letter of the animation playing after the update
    } cases[] = {
        {"hover, press, the press plays through and returns to OVER, leave",
         "NORMAL(40) 1 2 OVER(40) 3 ACTIVE(40) 4 5 UNACTIVE 6", "..oo.pr.......l.", "NNOOOAAAAAAAOONN"},
        {"a press straight from NORMAL is replaced by OVER", "NORMAL(40) 1 2 OVER(40) 3 ACTIVE(40) 4 5",
         "P.r", "OOO"},
        {"ACTIVE plays through after leaving, then NORMAL", "NORMAL(40) 1 2 OVER(40) 3 ACTIVE(40) 4 5",
         "op.l......", "OAAAAAAANN"},
        {"inactive plays UNACTIVE until active again", "NORMAL(40) 1 OVER(40) 2 ACTIVE(40) 4 UNACTIVE(40) 3",
         "oi..a..", "OUUUUNO"},
        {"without ACTIVE, NORMAL at index 0 waits for its cycle before OVER", "NORMAL(90) 1 2 OVER 3",
         "ooooooooooooooo", "NNNNNNNNNNNNNOO"},
    };
    for (const auto& c : cases) {
        eng::SetHeadless(eng::HeadlessConfig{});
        eng::InjectMouseButton(1, false);
        eng::FlushMouse();
        eng::SetLogicalOffset(0, 0);
        eng::InjectMouseMove(0, 0);
        TMouse mouse;
        TGui gui;
        auto b = animated(c.schema).button;
        b->dim = createDim(100, 100, 40, 40);
        gui.addItem(b);
        std::string played;
        for (const char* in = c.input; *in; ++in) {
            if (*in == 'o' || *in == 'P') eng::InjectMouseMove(120, 120);
            if (*in == 'l') eng::InjectMouseMove(10, 10);
            if (*in == 'p' || *in == 'P') eng::InjectMouseButton(1, true);
            if (*in == 'r') eng::InjectMouseButton(1, false);
            if (*in == 'i') b->setState(1, 0);
            if (*in == 'a') b->setState(1, 1);
            mouse.update(1);
            gui.update();
            played += b->_animData.animName[b->aktAnim][0];
            eng::Flip(-1);
        }
        EXPECT_EQ(played, c.played) << c.what;
    }
}

// GUI files on the driver's viewer screen: typing into an entry, a malformed file, buttons and menus.
#include <gtest/gtest.h>

#include "DriverRun.h"
#include "Grabs.h"
#include "engine/Engine.h"

namespace {
size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += what.size()) ++n;
    return n;
}
}  // namespace

// Each test shows one fixture file on the viewer screen with its own data and grab folders.
class GuiViewer : public testing::Test {
  protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (the test command runs it under Xvfb)";
    }
    static std::string fixture(const std::string& name) {
        return std::string(SOURCE_DIR) + "/tests/gui/fixtures/" + name;
    }
    TempDir user{"gui-user"}, out{"gui-out", true};
};

TEST_F(GuiViewer, TextEntryTakesTypingAndEnterReportsOneClick) {
    const std::string script =
        "waitscreen MAIN-MENU\nwait 5\ngrab empty\ntype abc\nwait 5\ngrab abc\nkey backspace\nwait 3\n"
        "grab typed\nkey enter\nwait 5\nkey escape\nwait 40\n";
    DriverRun run = runDriver(script, user, out, fixture("widgets.gui"));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(count(run.output, "clicked: name"), 1u) << run.output;
    EXPECT_EQ(count(run.output, "[message]"), 0u) << run.output;  // the fixture loads without complaint
    EXPECT_TRUE(run.has("end: game")) << run.output;

    auto empty = loadGrab(out, "empty"), abc = loadGrab(out, "abc"), typed = loadGrab(out, "typed");
    ASSERT_TRUE(empty && abc && typed);
    // Where the entry's text starts: "ab", then the "c". The caret blinks right after the text, so it may
    // stand where the "c" was but never over the "ab".
    const Rect ab{312, 300, 48, 40}, c{364, 300, 18, 40};
    EXPECT_GT(meanBrightness(abc, c), meanBrightness(empty, c) + 20);  // the third letter shows
    EXPECT_LT(meanDifference(abc, typed, ab), 1.0);                    // Backspace keeps the first two
    EXPECT_GT(meanDifference(abc, typed, c), 20);                      // and takes the third away
}

TEST_F(GuiViewer, MalformedFileGivesOneMessageAndTheScreenRuns) {
    DriverRun run = runDriver("waitscreen MAIN-MENU\nwait 30\ngrab malformed\nkey escape\nwait 40\n", user,
                              out, fixture("malformed.gui"));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(count(run.output, "[message]"), 1u) << run.output;
    // Five problems (the unquoted position gives two), all in the one message.
    EXPECT_EQ(count(run.output, " >> BLAD! << : "), 5u) << run.output;
    EXPECT_TRUE(run.has("end: game")) << run.output;
    // The good text before the bad ones is on the screen: its line is lit, the line below it is not.
    auto shown = loadGrab(out, "malformed");
    ASSERT_TRUE(shown);
    EXPECT_GT(meanBrightness(shown, {100, 100, 170, 20}), meanBrightness(shown, {100, 130, 170, 20}) + 25);
}

TEST_F(GuiViewer, ButtonsReactToTheMouseAndReportOneClick) {
    DriverRun run = runDriver(
        "waitscreen MAIN-MENU\nwait 10\nmove 900 700\nwait 5\ngrab idle\nmove 190 70\nwait 30\ngrab grown\n"
        "move 520 150\nwait 10\ngrab over\npress\nwait 3\ngrab pressed\nrelease\nwait 5\nkey escape\nwait "
        "40\n",
        user, out, fixture("buttons.gui"));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(count(run.output, "clicked: fourStep"), 1u) << run.output;
    EXPECT_EQ(count(run.output, "clicked:"), 1u) << run.output;
    auto idle = loadGrab(out, "idle"), grown = loadGrab(out, "grown");
    auto over = loadGrab(out, "over"), pressed = loadGrab(out, "pressed");
    ASSERT_TRUE(idle && grown && over && pressed);
    // A strip just left of the growing button's resting edge, and the face of the four-frame button.
    const Rect pastEdge{44, 50, 12, 36}, fourStep{395, 128, 250, 40};
    // The growing button reaches past its resting edge under the pointer and is back once it has gone.
    EXPECT_GT(meanDifference(idle, grown, pastEdge), 30);
    EXPECT_LT(meanDifference(idle, over, pastEdge), 1.0);
    // The four-frame button stays as it was while the pointer is elsewhere, lights up under it, then
    // darkens while pressed.
    EXPECT_LT(meanDifference(idle, grown, fourStep), 1.0);
    EXPECT_GT(meanBrightness(over, fourStep), meanBrightness(idle, fourStep) + 15);
    EXPECT_LT(meanBrightness(pressed, fourStep), meanBrightness(idle, fourStep) - 15);
}

TEST_F(GuiViewer, MenuCommandIsReportedThroughTheContainer) {
    DriverRun run = runDriver(
        "waitscreen MAIN-MENU\nwait 10\ngrab closed\nclick 40 32\nwait 20\nmove 70 113\nwait 20\n"
        "move 150 113\nwait 2\nmove 240 117\nwait 20\ngrab submenu\nclick 240 117\nwait 10\nkey escape\n"
        "wait 40\n",
        user, out, fixture("menus.gui"));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(count(run.output, "clicked: sound"), 1u) << run.output;
    EXPECT_EQ(count(run.output, "clicked:"), 1u) << run.output;
    auto closed = loadGrab(out, "closed"), submenu = loadGrab(out, "submenu");
    ASSERT_TRUE(closed && submenu);
    // The options menu has opened beside its entry, with the entry under the pointer lit.
    const Rect optionsMenu{186, 100, 126, 60}, sound{193, 108, 92, 20}, music{193, 130, 92, 20};
    EXPECT_GT(meanDifference(closed, submenu, optionsMenu), 20);
    EXPECT_GT(meanBrightness(submenu, sound), meanBrightness(submenu, music) + 20);
}

// GUI files on the viewer screen of the driver: typing into an entry and clicks reported once.
#include <gtest/gtest.h>

#include "DriverRun.h"
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
    TempDir user{"gui-user"}, out{"gui-out", true};
};

TEST_F(GuiViewer, TextEntryTakesTypingAndEnterReportsOneClick) {
    const std::string script =
        "waitscreen MAIN-MENU\nwait 5\ntype abc\nwait 5\nkey backspace\nwait 3\ngrab typed\nkey enter\nwait "
        "5\n"
        "key escape\nwait 40\n";
    DriverRun run = runDriver(script, user, out, std::string(SOURCE_DIR) + "/tests/gui/fixtures/widgets.gui");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(count(run.output, "clicked: name"), 1u) << run.output;
    EXPECT_EQ(count(run.output, "[message]"), 0u) << run.output;  // the fixture loads without complaint
    EXPECT_TRUE(run.has("end: game")) << run.output;
}

TEST_F(GuiViewer, MalformedFileGivesOneMessageAndTheScreenRuns) {
    DriverRun run = runDriver("waitscreen MAIN-MENU\nwait 30\ngrab malformed\nkey escape\nwait 40\n", user,
                              out, std::string(SOURCE_DIR) + "/tests/gui/fixtures/malformed.gui");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(count(run.output, "[message]"), 1u) << run.output;
    // Five problems (the unquoted position gives two), all in the one message.
    EXPECT_EQ(count(run.output, " >> BLAD! << : "), 5u) << run.output;
    EXPECT_TRUE(run.has("end: game")) << run.output;
}

TEST_F(GuiViewer, ButtonsReactToTheMouseAndReportOneClick) {
    DriverRun run = runDriver(
        "waitscreen MAIN-MENU\nwait 10\nmove 900 700\nwait 5\ngrab idle\nmove 190 70\nwait 30\ngrab grown\n"
        "move 520 150\nwait 10\ngrab over\npress\nwait 3\ngrab pressed\nrelease\nwait 5\nkey escape\nwait "
        "40\n",
        user, out, std::string(SOURCE_DIR) + "/tests/gui/fixtures/buttons.gui");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(count(run.output, "clicked: fourStep"), 1u) << run.output;
    EXPECT_EQ(count(run.output, "clicked:"), 1u) << run.output;
    auto idle = eng::LoadPixmap(out / "idle.png"), grown = eng::LoadPixmap(out / "grown.png");
    auto over = eng::LoadPixmap(out / "over.png"), pressed = eng::LoadPixmap(out / "pressed.png");
    ASSERT_TRUE(idle && grown && over && pressed);
    auto at = [](const eng::Pixmap& p, int x, int y) {
        const uint8_t* c = &p->rgba[(static_cast<size_t>(y) * p->width + x) * 4];
        return c[0] + c[1] + c[2];
    };
    // The growing button reaches past its resting edge; the four-frame button lights up, then darkens.
    EXPECT_NE(at(idle, 190 - 145, 70), at(grown, 190 - 145, 70));
    EXPECT_GT(at(over, 520, 150), at(idle, 520, 150));
    EXPECT_LT(at(pressed, 520, 150), at(idle, 520, 150));
}

TEST_F(GuiViewer, MenuCommandIsReportedThroughTheContainer) {
    DriverRun run = runDriver(
        "waitscreen MAIN-MENU\nwait 10\nclick 40 32\nwait 20\nmove 70 113\nwait 20\nmove 150 113\nwait 2\n"
        "move 240 117\nwait 20\ngrab submenu\nclick 240 117\nwait 10\nkey escape\nwait 40\n",
        user, out, std::string(SOURCE_DIR) + "/tests/gui/fixtures/menus.gui");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(count(run.output, "clicked: sound"), 1u) << run.output;
    EXPECT_EQ(count(run.output, "clicked:"), 1u) << run.output;
}

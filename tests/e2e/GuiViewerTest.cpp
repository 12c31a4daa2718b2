// GUI files on the viewer screen of the driver: typing into an entry and clicks reported once.
#include <gtest/gtest.h>

#include "DriverRun.h"

namespace {
size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += what.size()) ++n;
    return n;
}
}  // namespace

TEST(GuiViewer, TextEntryTakesTypingAndEnterReportsOneClick) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (the test command runs it under Xvfb)";
    const std::string user = makeTempDir("gui-user"), out = makeTempDir("gui-out");
    const std::string script =
        "waitscreen MAIN-MENU\nwait 5\ntype abc\nwait 5\nkey backspace\nwait 3\ngrab typed\nkey enter\nwait "
        "5\n"
        "key escape\nwait 40\n";
    DriverRun run = runDriver(script, user, out, std::string(SOURCE_DIR) + "/tests/gui/fixtures/widgets.gui");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(count(run.output, "clicked: name"), 1u) << run.output;
    EXPECT_EQ(count(run.output, "[message]"), 0u) << run.output;  // the fixture loads without complaint
    EXPECT_TRUE(run.has("end: game")) << run.output;
    std::filesystem::remove_all(user);
    std::filesystem::remove_all(out);
}

TEST(GuiViewer, MalformedFileGivesOneMessageAndTheScreenRuns) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (the test command runs it under Xvfb)";
    const std::string user = makeTempDir("gui-user"), out = makeTempDir("gui-out");
    DriverRun run = runDriver("waitscreen MAIN-MENU\nwait 30\ngrab malformed\nkey escape\nwait 40\n", user,
                              out, std::string(SOURCE_DIR) + "/tests/gui/fixtures/malformed.gui");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(count(run.output, "[message]"), 1u) << run.output;
    // Five problems (the unquoted position gives two), all in the one message.
    EXPECT_EQ(count(run.output, " >> BLAD! << : "), 5u) << run.output;
    EXPECT_TRUE(run.has("end: game")) << run.output;
    std::filesystem::remove_all(user);
    std::filesystem::remove_all(out);
}

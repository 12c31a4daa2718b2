// The driver's commands for scripts that outlive a layout: GUI items found and clicked by id, the level
// line a bot aims by, and the dialogue over standard input.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <utility>
#include <vector>

#include "DialogueRun.h"
#include "DriverRun.h"
#include "Grabs.h"

namespace {

size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += what.size()) ++n;
    return n;
}

// One line of `items`.
struct Listed {
    int x = 0, y = 0, w = 0, h = 0;
    std::string kind;
    bool inactive = false;
};

bool findListed(const std::string& output, const std::string& id, Listed& item) {
    std::smatch m;
    if (!std::regex_search(output, m,
                           std::regex("item: " + id + R"( (\d+) (\d+) (\d+) (\d+) (\w+)( inactive)?\n)")))
        return false;
    item = {std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4]), m[5], m[6].matched};
    return true;
}

class DriverItems : public testing::Test {
  protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (the test command runs it under Xvfb)";
    }
    static std::string buttonsFixture() {
        return std::string(SOURCE_DIR) + "/tests/gui/fixtures/buttons.gui";
    }
    TempDir user{"items-user"}, out{"items-out", true};
};

TEST_F(DriverItems, ItemsAreListedWithTheirBoxesAndClickedByIdUntilOneNeverComes) {
    // The clicks come before the title stands: each waits for its item. The inactive button is never
    // clicked, so the run fails there and the Escape after it is never pressed.
    DriverRun run =
        runDriver("item FOURSTEP\nitem caption\nitems\nitem fourStepOff 30\nkey escape\nwait 40\n", user, out,
                  buttonsFixture());
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_EQ(count(run.output, "clicked: fourStep\n"), 1u) << run.output;
    EXPECT_EQ(count(run.output, "clicked: caption\n"), 1u) << run.output;
    EXPECT_EQ(count(run.output, "clicked:"), 2u) << run.output;
    EXPECT_LT(run.output.find("clicked: fourStep"), run.output.find("clicked: caption"));
    EXPECT_TRUE(run.has("item: fourStepOff not found within 30 frames (screen on top: GUI-VIEWER)\n"))
        << run.output;
    EXPECT_FALSE(run.has("end: game")) << run.output;

    // Buttons are placed by their centres in the file; a picture button is as large as one of its frames
    // (280 x 64), a caption as its text.
    struct Case {
        const char* id;
        int centreX, centreY;
        const char* kind;
        bool inactive;
    };
    for (const Case& c :
         {Case{"fourStep", 520, 150, "button", false}, Case{"checkOn", 670, 310, "button", false},
          Case{"caption", 850, 70, "button", false}, Case{"fourStepOff", 520, 390, "button", true}}) {
        Listed item;
        ASSERT_TRUE(findListed(run.output, c.id, item)) << c.id << "\n" << run.output;
        EXPECT_NEAR(item.x + item.w / 2.0, c.centreX, 1) << c.id;
        EXPECT_NEAR(item.y + item.h / 2.0, c.centreY, 1) << c.id;
        EXPECT_EQ(item.kind, c.kind) << c.id;
        EXPECT_EQ(item.inactive, c.inactive) << c.id;
    }
    Listed fourStep;
    ASSERT_TRUE(findListed(run.output, "fourStep", fourStep));
    EXPECT_EQ(fourStep.w, 280);
    EXPECT_EQ(fourStep.h, 64);
}

TEST_F(DriverItems, ItemsOfOtherKindsAreNamed) {
    // Texts and entries are points without a box; windows have theirs.
    for (const auto& [fixture, lines] : std::vector<std::pair<std::string, std::vector<std::string>>>{
             {"widgets.gui", {"item: title 0 0 0 0 text\n", "item: name 0 0 0 0 textentry\n"}},
             {"menus.gui", {"item: small 40 140 200 100 window\n", "item: main 0 0 0 0 menubar\n"}}}) {
        DriverRun run = runDriver("waitscreen MAIN-MENU\nitems\nquit\n", user, out,
                                  std::string(SOURCE_DIR) + "/tests/gui/fixtures/" + fixture);
        EXPECT_EQ(run.exitCode, 0) << run.output;
        for (const std::string& line : lines) EXPECT_TRUE(run.has(line)) << line << run.output;
    }
}

// A level wider than it is high: the level line gives its file and grid, and a bot that aims by it
// uncovers every cell of the picture, across the gaps between the blocks of five, and so finishes it.
TEST_F(DriverItems, TheLevelLineAimsABotThatFinishesTheLevel) {
    const auto picture = levelPicture("boat");
    ASSERT_EQ(picture.size(), 10u);
    ASSERT_EQ(picture[0].size(), 15u);
    const std::string options = " --level data/levels/boat.lvl";
    DriverRun look = runDriverWith("waitscreen MAIN-GAME\nquit\n", user, out, options);
    EXPECT_TRUE(look.has("level: data/levels/boat.lvl; dims 10 x 15; cell 0,0 at ")) << look.output;
    CellGrid g;
    ASSERT_TRUE(findCellGrid(look.output, g)) << look.output;

    std::ostringstream s;
    s << "waitscreen MAIN-GAME\nwait 230\n";
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 15; ++c)
            if (picture[r][c] != '.') s << "click " << g.x(c) << " " << g.y(r) << "\n";
    s << "item play 1200\nwaitscreen GET-NEXT-LEVEL 1200\n";
    DriverRun play = runDriverWith(s.str(), user, out, options);
    EXPECT_EQ(play.exitCode, 0) << play.output;
    EXPECT_EQ(count(play.output, "level: data/levels/boat.lvl; dims 10 x 15;"), 1u) << play.output;
    EXPECT_FALSE(play.has("screen: RESTART-LEVEL")) << play.output;
}

// Commands sent one at a time: each is answered with "ready" once carried out, a wait that runs out with
// "timeout:" and the dialogue goes on; the end of the input ends the run.
TEST_F(DriverItems, ADialogueAnswersEachCommandAndGoesOnAfterATimeout) {
    DialogueRun d(user, out, {"--gui", buttonsFixture()});
    bool ready = false;
    std::string said = d.answer(ready);  // the first frame has run and the first command is asked for
    ASSERT_TRUE(ready) << said;
    EXPECT_TRUE(said.find("first frame") != std::string::npos) << said;

    struct Exchange {
        const char* command;
        const char* expected;  // a line the answer holds; empty: nothing at all
    };
    const Exchange exchanges[] = {
        {"waitscreen MAIN-MENU", "screen: MAIN-MENU\n"},
        {"item nosuch 20", "timeout: item: nosuch not found within 20 frames (screen on top: GUI-VIEWER)\n"},
        {"# a comment", ""},
        {"bogus 1", "script line 4: unknown command: bogus 1\n"},
        {"items", "item: fourStep 380 118 280 64 button\n"},
        {"item fourStep", "clicked: fourStep\n"},
        {"waitscreen NOWHERE 5", "timeout: screen NOWHERE not reached within 5 frames (now MAIN-MENU)\n"},
        {"item caption", "clicked: caption\n"},
        {"wait 99999999999", "a number is expected: wait 99999999999\n"},  // more than an int holds
        {"wait 2", ""},
    };
    for (const Exchange& e : exchanges) {
        d.send(e.command);
        said = d.answer(ready);
        EXPECT_TRUE(ready) << e.command << ": " << said;
        if (*e.expected)
            EXPECT_NE(said.find(e.expected), std::string::npos) << e.command << ": " << said;
        else
            EXPECT_EQ(said, "") << e.command;
    }
    std::string rest;
    EXPECT_EQ(d.finish(rest), 0) << rest;
    EXPECT_NE(rest.find("end: script\n"), std::string::npos) << rest;
}

}  // namespace

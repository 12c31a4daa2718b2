// The dialog box: which dialog an event of a level finds, a run line by line to its fade-out, the dialogs
// that cannot run (unknown numbers, no lines, speakers without a portrait), and a file whose counts say a
// billion.
#include <gtest/gtest.h>

#include <fstream>

#include "common/HeadlessGame.h"
#include "core/Globals.h"
#include "engine/Engine.h"
#include "gui/Gui.h"
#include "gui/GuiObject.h"
#include "gui/Mouse.h"
#include "story/DialogBox.h"

namespace {

class Dialogs : public testing::Test {
  protected:
    static void SetUpTestSuite() { startHeadlessGame(); }

    // Dialogs 1 and 2 both belong to the start of stage 1, level 2; 3 has one line; 4 none; 5 a speaker
    // without a portrait.
    std::string file() {
        const std::string path = testing::TempDir() + "dialogs.dat";
        std::ofstream f(path);
        auto dialog = [&](int n, int id, const char* event, int stage, int level, int lines, int who) {
            f << " text" << n << " {\n  special = " << (id == 16) << "\n  id = " << id
              << "\n  atBeginOrEnd = \"" << event << "\"\n  stageN = " << stage << "\n  levelN = " << level
              << "\n  imgI = 1\n  img1 = \"gfx/gui/story/portraits/explorer.png\"\n  i = " << lines << "\n";
            for (int j = 1; j <= lines; ++j)
                f << "  txt" << j << " = \"" << j << " 0 " << who << " 255 255 255\"\n";
            f << " }\n";
        };
        f << "dialogs {\n i = 6\n";
        dialog(1, 11, "BEGIN", 1, 2, 3, 0);
        dialog(2, 12, "BEGIN", 1, 2, 1, 0);
        dialog(3, 13, "END", 1, 2, 1, 0);
        dialog(4, 14, "END", 2, 1, 0, 0);
        dialog(5, 15, "BEGIN", 3, 1, 2, 4);
        dialog(6, 16, "BEGIN", 4, 1, 3, 0);
        f << "}\n";
        return path;
    }

    static void frame(TDialogBox& box) {
        eng::Delay(17);
        box.update();
        box.afterFrame();
    }
    static void click(TDialogBox& box) {
        eng::InjectMouseButton(1, true);
        frame(box);
        eng::InjectMouseButton(1, false);
        frame(box);
    }
};

TEST_F(Dialogs, AnEventOfALevelFindsTheFirstDialogBoundToItWithItsLetterCase) {
    TDialogBox box;
    box.loadDialogs(file(), false);
    const struct {
        int stage, level;
        const char* event;
        int id;
    } cases[] = {
        {1, 2, "BEGIN", 11}, {1, 2, "END", 13}, {1, 2, "begin", 0}, {1, 3, "BEGIN", 0}, {2, 1, "END", 14}};
    for (const auto& c : cases) EXPECT_EQ(box.findDialog(c.stage, c.level, c.event), c.id) << c.event;
}

TEST_F(Dialogs, EachClickShowsTheNextLineAndTheBoxFadesAwayAfterTheLast) {
    TDialogBox box;
    box.setup();
    box.loadDialogs(file());
    TEkran below;
    ASSERT_TRUE(box.prepare(&below, 11, 0));
    EXPECT_EQ(box.dialog->line()->txt,
              "Professor, the tablet speaks of a treasure hidden along the old caravan road!");
    // A click while the box still fades in moves on already.
    frame(box);
    click(box);
    EXPECT_EQ(box.dialog->actLine, 1);
    for (int i = 0; i < 60; ++i) frame(box);
    EXPECT_EQ(box.alpha, 1);
    click(box);
    EXPECT_EQ(box.dialog->actLine, 2);
    EXPECT_EQ(box.state, "START");
    click(box);
    EXPECT_EQ(box.state, "EXIT");
    int n = 0;
    while (!box.finished() && n < 200) frame(box), ++n;
    EXPECT_TRUE(box.finished()) << "the fade-out ends";
    EXPECT_EQ(box.alpha, 0);
    EXPECT_LE(box.fade, 0);
}

TEST_F(Dialogs, WhatCannotRunReturnsAtOnce) {
    TDialogBox box;
    box.setup();
    box.loadDialogs(file());
    TEkran below;
    EXPECT_FALSE(box.prepare(&below, 99, 0)) << "no such dialog";
    EXPECT_FALSE(box.prepare(&below, 14, 0)) << "a dialog without lines";
    EXPECT_EQ(box.mainLoop(&below, 99, 0), 0);
    // A speaker without a portrait: the line shows without one.
    ASSERT_TRUE(box.prepare(&below, 15, 0));
    EXPECT_EQ(box.dialog->portrait(), nullptr);
    for (int i = 0; i < 40; ++i) frame(box);
    box.draw();
    // A one-line dialog ends at the first click.
    ASSERT_TRUE(box.prepare(&below, 12, 0));
    click(box);
    EXPECT_EQ(box.state, "EXIT");
}

TEST_F(Dialogs, ASpecialDialogIsCutShortByTheCallingScreensSkipButtonOnly) {
    TDialogBox box;
    box.setup();
    box.loadDialogs(file());
    TEkran plain, withSkip;
    withSkip.Gui = std::make_shared<TGui>();
    auto skip = std::make_shared<TGuiObject>();
    skip->_id = "skip";
    skip->dim = createDim(900, 700, 100, 50);
    withSkip.Gui->addItem(skip);
    eng::InjectMouseMove(950, 720);
    // Without a skip button a click there is just the next line.
    ASSERT_TRUE(box.prepare(&plain, 16, 0));
    EXPECT_EQ(box.special, 0);
    for (int i = 0; i < 40; ++i) frame(box);
    click(box);
    EXPECT_EQ(box.dialog->actLine, 1);
    EXPECT_EQ(box.state, "START");
    // With one, "skip" ends the dialog and the calling screen fades to black.
    ASSERT_TRUE(box.prepare(&withSkip, 16, 0));
    EXPECT_EQ(box.special, 1);
    for (int i = 0; i < 40; ++i) frame(box);
    click(box);
    EXPECT_EQ(box.state, "EXIT");
    EXPECT_EQ(withSkip.dFade, 1);
    int n = 0;
    while (!box.finished() && n < 200) frame(box), ++n;
    EXPECT_TRUE(box.finished());
}

TEST_F(Dialogs, CountsOfABillionReadOnlyTheDialogsAndLinesTheFileHolds) {
    const std::string path = testing::TempDir() + "dialogs-huge.dat";
    std::ofstream(path)
        << "dialogs {\n i = 1000000000\n text1 {\n  id = 7\n  imgI = 1000000000\n  i = -4\n"
           "  txt1 = \"1 0 0 255 255 255\"\n  txt2 = \"99999999999 1e30 0 255 255 255\"\n }\n}\n";
    TDialogBox box;
    testing::internal::CaptureStderr();
    box.loadDialogs(path, false);
    const std::string said = testing::internal::GetCapturedStderr();
    ASSERT_EQ(box.dialogTexts.size(), 1u) << said;
    ASSERT_EQ(box.dialogTexts[0]->lines.size(), 2u) << said;
    EXPECT_EQ(box.dialogTexts[0]->lines[1].time, 1000000000);
    for (const char* part :
         {"1000000000 items of \"dialogs::text\"", "-4 items of \"dialogs::text1::txt\"",
          "more than six portraits", "dialogs::text1::txt2: 1.000000015e+30 is out of range"})
        EXPECT_NE(said.find(part), std::string::npos) << part << "\n" << said;
}

TEST_F(Dialogs, EveryShippedDialogHasItsTextsAndPortraits) {
    TDialogBox box;
    box.setup();
    ASSERT_GE(box.dialogTexts.size(), 5u);
    for (const auto& d : box.dialogTexts) {
        EXPECT_FALSE(d->lines.empty()) << d->id;
        for (size_t i = 0; i < d->lines.size(); ++i) {
            d->actLine = static_cast<int>(i);
            EXPECT_FALSE(d->lines[i].txt.empty()) << d->id;
            EXPECT_TRUE(d->portrait()) << d->id << " line " << i + 1;
        }
    }
}

}  // namespace

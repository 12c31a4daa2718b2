// Menu bars: opening, switching along the bar, sub-menus, commands reported once, closing.
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "gui/Belka.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/Theme.h"

namespace {

class MenuBar : public testing::Test {
  protected:
    void SetUp() override {
        eng::ChangeDir(GAME_DIR);
        languageCode = "en";
        frameDelta = 1;
        loadThemeFile("temat1", "gfx/gui/window/temat.txt", nullptr);
        testing::internal::CaptureStdout();
        gui = loadGui(SOURCE_DIR "/tests/gui/fixtures/menus.gui");
        const std::string out = testing::internal::GetCapturedStdout();
        ASSERT_EQ(out.find("[message]"), std::string::npos) << out;
        bar = std::dynamic_pointer_cast<TBelka>(gui->getItem("main"));
        ASSERT_TRUE(bar);
    }
    // One frame with the pointer at the centre of `r` (or at x, y).
    void frameAt(float x, float y, bool click) {
        mouse.x = static_cast<int>(x);
        mouse.y = static_cast<int>(y);
        mouse.leftPressed = click;
        mouse.leftHolded = click;
        gui->update();
    }
    void frameOn(const std::string& path, bool click) {
        auto t = bar->getBarTitle(path);
        ASSERT_TRUE(t) << path;
        t->_createRect();
        frameAt(t->rect.x + t->rect.w / 2, t->rect.y + t->rect.h / 2, click);
    }
    TMenu* menu(const std::string& path) { return static_cast<TMenu*>(bar->getBarTitle(path).get()); }
    TMouse mouse;
    std::shared_ptr<TGui> gui;
    std::shared_ptr<TBelka> bar;
};

}  // namespace

TEST_F(MenuBar, CommandsAreReportedOnceAndCloseTheMenus) {
    frameOn("game", true);
    EXPECT_EQ(bar->_actualMenu, menu("game"));
    EXPECT_EQ(menu("game")->_dBoxA, 1);
    EXPECT_EQ(gui->_clicked, "");  // opening a menu reports nothing, and never the bar's own id
    frameOn("game:options", false);
    EXPECT_EQ(menu("game:options")->_dBoxA, 1);  // a sub-menu opens on hover
    frameOn("game:options:sound", true);
    EXPECT_EQ(gui->clickedItem("SOUND"), 1);
    EXPECT_EQ(menu("game")->_dBoxA, 0);
    EXPECT_EQ(menu("game:options")->_dBoxA, 0);
    frameAt(600, 600, false);
    EXPECT_EQ(gui->clickedItem("sound"), 0);
    // After a command, moving over another title opens it without a click.
    frameOn("help", false);
    EXPECT_EQ(menu("help")->_dBoxA, 1);
}

TEST_F(MenuBar, MovingAlongTheBarSwitchesMenusAndAClickOutsideClosesThem) {
    frameOn("game", true);
    frameOn("help", false);
    EXPECT_EQ(menu("game")->_dBoxA, 0);
    EXPECT_EQ(menu("help")->_dBoxA, 1);
    EXPECT_EQ(bar->_actualMenu, menu("help"));
    frameAt(600, 600, true);
    EXPECT_EQ(menu("help")->_dBoxA, 0);
    EXPECT_EQ(bar->_actualMenu, nullptr);
    EXPECT_EQ(gui->_clicked, "large");  // the click outside still reaches the window below
    frameOn("game", false);
    EXPECT_EQ(menu("game")->_dBoxA, 0);  // after a click outside, a click is needed again
}

TEST_F(MenuBar, EntriesAreFoundByPathAndShowTheirState) {
    auto sound = bar->getBarTitle("GAME:options:sound");
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->shownText(), "  Sound");
    sound->checked = 1;
    EXPECT_EQ(sound->shownText(), "* Sound");
    EXPECT_EQ(bar->getBarTitle("help:about")->shownText(), "  about");  // a command without a text
    EXPECT_FALSE(bar->getBarTitle("game:nothing"));
    testing::internal::CaptureStdout();
    EXPECT_FALSE(bar->getBarTitle("nope:x"));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Nie znaleziono nope w belce :main"),
              std::string::npos);
    TBarTitle tiny;
    tiny.title = "x";
    tiny.checked = 1;
    EXPECT_EQ(tiny.shownText(), "* ");  // a title shorter than two characters
}

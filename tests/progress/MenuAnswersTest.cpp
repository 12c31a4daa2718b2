// What the title's modal screens answer: the message box to its buttons, Enter and Escape, and the resume
// question to its buttons, to Escape and to the "new game" check.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ScreenFixture.h"
#include "progress/ContinueQuest.h"
#include "progress/PopUp.h"

namespace {

using fixture::clickOn;
using fixture::kEnter;
using fixture::kEscape;
using fixture::playing;

std::function<void()> key(int code) {
    return [code] { fixture::tapKey(code); };
}

TEST(MenuAnswers, TheMessageBoxAnswersItsButtonsAndEnterAndEscapeWhereverTheMouseIs) {
    fixture::headlessGame();
    TPopUp box;
    box.setup();
    ASSERT_TRUE(box.Gui);
    const struct {
        const char* name;
        int flag;  // 1: a question with "no", 0: a message
        std::function<void()> input;
        int answer;
    } cases[] = {
        {"Enter to a question", 1, key(kEnter), 1},
        {"Enter to a message", 0, key(kEnter), 1},
        {"Escape to a question", 1, key(kEscape), 0},
        {"Escape to a message", 0, key(kEscape), 0},
        {"yes", 1, clickOn(box, "yes"), 1},
        {"no", 1, clickOn(box, "no"), 0},
        {"the message's button", 0, clickOn(box, "yes"), 1},
    };
    for (const auto& c : cases) {
        eng::InjectMouseMove(5, 5);
        // The input comes once the box is fully shown.
        const int answer = playing({{40, c.input}}, [&] { return box.mainLoop("Sure?", nullptr, c.flag); });
        EXPECT_EQ(answer, c.answer) << c.name;
    }
}

TEST(MenuAnswers, TheMessageBoxCentresItsOnlyButtonAndPutsItBackBesideNo) {
    fixture::headlessGame();
    TPopUp box;
    box.setup();
    ASSERT_TRUE(box.Gui);
    auto yes = box.Gui->getItem("yes"), no = box.Gui->getItem("no");
    ASSERT_TRUE(yes && no);
    const float besideNo = yes->dim->x;
    for (int flag : {0, 0, 1, 0, 1}) {
        playing({{5, key(kEnter)}}, [&] { return box.mainLoop("Note", nullptr, flag); });
        EXPECT_EQ(no->_v, flag);
        EXPECT_FLOAT_EQ(yes->dim->x, flag ? besideNo : (besideNo + no->dim->x) / 2) << "flag " << flag;
    }
}

TEST(MenuAnswers, TheResumeQuestionAnswersItsButtonsAndANewGameOnlyOnceConfirmed) {
    fixture::headlessGame();
    TPopUp box;
    box.setup();
    popUp = &box;
    TContinueQuest quest;
    quest.setup();
    ASSERT_TRUE(quest.Gui);
    fixture::Caller title{"MAIN-MENU"};
    const struct {
        const char* name;
        std::vector<fixture::Step> steps;  // the question is fully shown by frame 40, the check by 80
        std::string answer;
        bool titleStaysDimmed;
    } cases[] = {
        {"resume", {{40, clickOn(quest, "resume")}}, "CONTINUE", true},
        {"back", {{40, clickOn(quest, "exit")}}, "", false},
        {"Escape", {{40, key(kEscape)}}, "", false},
        {"new game, confirmed", {{40, clickOn(quest, "new")}, {80, key(kEnter)}}, "NEW", true},
        {"new game, refused, then back",
         {{40, clickOn(quest, "new")}, {80, key(kEscape)}, {160, clickOn(quest, "exit")}},
         "",
         false},
    };
    for (const auto& c : cases) {
        title.fade = title.dFade = 0;
        const std::string answer = playing(c.steps, [&] { return quest.mainLoop(&title, "Start afresh?"); });
        EXPECT_EQ(answer, c.answer) << c.name;
        EXPECT_EQ(title.dFade, c.titleStaysDimmed ? 0.5f : 0.0f) << c.name;
    }
    popUp = nullptr;
}

}  // namespace

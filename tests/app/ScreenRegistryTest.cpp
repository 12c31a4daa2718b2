// The screen registry: every screen's set-up step has its place in the loading sequence, names are unique,
// and a stand-in put in before start-up is what the switcher runs.
#include <gtest/gtest.h>

#include <set>

#include "app/Control.h"
#include "app/LoadingScreen.h"
#include "app/ScreenRegistry.h"
#include "screen/Ekran.h"

namespace {

bool isLoadingStep(const std::string& name) {
    for (int part = 1; part <= 5; ++part)
        for (const auto& step : TLoadingScreen::steps(part))
            if (step.name == name) return true;
    return false;
}

// A screen that only counts its visits and answers a fixed name.
struct StandIn : TEkran {
    int visits = 0;
    std::string mainLoop() override {
        ++visits;
        return "END";
    }
};

}  // namespace

TEST(ScreenRegistry, EverySetUpAndEveryNeedIsAStepOfTheLoadingSequence) {
    // A set-up step the loading sequence does not run would leave its screen without pictures.
    for (const TScreenEntry& e : TScreenRegistry().entries) {
        if (!e.setupStep.empty()) {
            EXPECT_TRUE(isLoadingStep(e.setupStep)) << e.setupStep;
        }
        for (const std::string& need : e.needs)
            EXPECT_TRUE(isLoadingStep(need)) << e.name << " needs " << need;
    }
    EXPECT_TRUE(isLoadingStep("mainGame.setup"));
    EXPECT_FALSE(isLoadingStep("no such step"));
}

TEST(ScreenRegistry, NamesAndSetUpStepsAreUniqueAndNoScreenHidesAFlowOperation) {
    std::set<std::string> names, steps;
    for (const TScreenEntry& e : TScreenRegistry().entries) {
        if (!e.name.empty()) {
            EXPECT_TRUE(names.insert(e.name).second) << "two screens named " << e.name;
            EXPECT_EQ(e.name, eng::Upper(e.name));  // the switcher upper-cases every name it is given
        }
        if (!e.setupStep.empty()) {
            EXPECT_TRUE(steps.insert(e.setupStep).second) << e.setupStep;
        }
    }
    for (const auto& row : TScreenSwitcher().table) EXPECT_EQ(names.count(row.name), 0u) << row.name;
    EXPECT_EQ(names.count("MAIN-MENU"), 1u);
    EXPECT_EQ(names.count("MAIN-GAME"), 1u);
}

TEST(ScreenRegistry, AStandInPutInBeforeStartUpIsWhatTheSwitcherRuns) {
    const auto saved = screens.entries;
    StandIn* made = nullptr;
    screens.entries = {{"MAIN-MENU", "", {}, [] { return static_cast<TEkran*>(nullptr); }}};
    screens.replace("MAIN-MENU", [&made] { return made = new StandIn(); });
    screens.replace("NO-SUCH-SCREEN", [] { return static_cast<TEkran*>(nullptr); });  // changes nothing
    screens.createAll();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(screens.find("MAIN-MENU"), made);
    EXPECT_EQ(screens.find("NO-SUCH-SCREEN"), nullptr);
    EXPECT_EQ(screens.setUpAlone("NO-SUCH-SCREEN"), nullptr);

    TScreenSwitcher c;
    std::vector<std::string> told;
    c.onSwitch = [&told](const std::string& name) { told.push_back(name); };
    c.setWhere("main-menu");
    EXPECT_TRUE(c.step());
    EXPECT_EQ(c.where, "END");
    EXPECT_EQ(made->visits, 1);
    EXPECT_EQ(told, std::vector<std::string>{"MAIN-MENU"});
    delete made;
    screens.entries = saved;
}

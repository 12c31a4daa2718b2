// The win screen's bookkeeping of a won level and the lose screen's three answers.
#include "MainGameFixture.h"
#include "gui/Gui.h"
#include "nonogram/LoseScreen.h"
#include "nonogram/WinScreen.h"
#include "progress/Options.h"
#include "progress/Profile.h"

TEST_F(MainGameTest, TheWinScreenEntersTheLevelIntoTheProfile) {
    TWinScreen win;
    win.setup();
    auto l = level({"#####", "#...#", "#...#", "#...#", "#####"});
    start(l);
    l->score = 300;
    TProfile& p = profile();
    p.score = 5000;
    p.mistakes = 0;
    p.kamienieWWorku = 2;
    p.tempUseOfSword = 2;
    p.useOfSword = 3;
    win._prepareScores(p);
    win._prepareSelf(p);
    EXPECT_EQ(p.lastScore, 5000);
    EXPECT_EQ(p.score, 5300);
    EXPECT_EQ(win.totalScore, 5300);
    EXPECT_EQ(win.mistakes, 2) << "stones in the bag count as mistakes on the screen";
    EXPECT_EQ(p.noMistakesOnLevel, 1) << "stones in the bag do not spoil a level without mistakes";
    EXPECT_EQ(p.useOfSword, 5);
    EXPECT_EQ(win.maxTresures, 1) << "no treasure: the full score at once";

    // Another player wins next: the total before the level is that player's own.
    profileManager->profile = std::make_shared<TProfile>();
    TProfile& other = profile();
    other.score = 40;
    other.mistakes = 1;
    win._prepareScores(other);
    EXPECT_EQ(other.lastScore, 40);
    EXPECT_EQ(other.score, 340);
    EXPECT_EQ(other.noMistakesOnLevel, 0);
}

namespace {

// Runs the lose screen over the main game and clicks `id` once its panel is in place.
std::string answerLoseScreen(TLoseScreen& lose, const std::string& id) {
    int pressed = 0;
    eng::SetFrameHook([&] {
        auto item = lose.Gui ? lose.Gui->getItem(id) : nullptr;
        if (!item || lose.alpha < 1 || pressed > 2) return;
        eng::InjectMouseMove(item->dim->x, item->dim->y);
        eng::InjectMouseButton(1, pressed++ == 0);
    });
    const std::string answer = lose.mainLoop(*mainGame);
    eng::SetFrameHook(nullptr);
    return answer;
}

}  // namespace

TEST_F(MainGameTest, TheLoseScreenAnswersAndRestartsTheLevelWhenLeft) {
    TLoseScreen lose;
    lose.setup();
    const bool hadOptions = options != nullptr;
    if (!hadOptions) options = new TOptions();
    const struct {
        const char* button;
        bool map;
        const char* answer;
        bool restarted;
    } cases[] = {
        {"restart", false, "RESTART", false},
        {"mainMenu", false, "MAIN-MENU", true},
        {"mapa", true, "MAPA", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        profileManager->profile = std::make_shared<TProfile>();
        profile().flowType = "CASUAL";
        options->mapAvailable = c.map;
        start(level({"#...."}));
        EXPECT_EQ(answerLoseScreen(lose, c.button), c.answer);
        EXPECT_EQ(profile().getProfLevelData(profile().numerLevelu) != nullptr, c.restarted);
        EXPECT_TRUE(game->fx.stones.empty());
        release();
    }
    options->mapAvailable = false;
    lose.prepare(*game);
    EXPECT_EQ(lose.Gui->getItem("mapa")->_v, 0) << "no map yet: no way to it";
    if (!hadOptions) {
        delete options;
        options = nullptr;
    }
}

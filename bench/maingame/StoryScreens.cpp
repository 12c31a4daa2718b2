// The story's screens and a tutorial tip under the benchmark: the opening story mid-part, each cutscene at
// its busiest moment (pictures cross-fading, the route half drawn, the pyramid rising in its dust, the
// outro's car driving).
#include <cstdio>
#include <functional>
#include <memory>

#include "Screens.h"
#include "engine/Engine.h"
#include "story/StoryOutro.h"
#include "story/StoryPiramid.h"
#include "story/StoryRoute.h"
#include "story/StorySlideshow.h"
#include "story/StoryStart.h"
#include "story/StoryZoom.h"
#include "tutorial/Tutorial.h"

namespace {

// Lets a scene run for `ms` of its clock, as the game's loop would.
void runFor(TEkran& s, int ms) {
    for (int t = 0; t < ms; t += 17) {
        eng::Delay(17);
        s.update();
        s.afterFrame();
    }
}

}  // namespace

void measureStory(const Measure& measure) {
    // The dialogs over the scenes are measured on their own; here they must not wait for a click.
    TCutscene::dialogs = [](TEkran&, int) {};
    if (storyStart) {
        storyStart->prepare();
        runFor(*storyStart, 2500);
        measure("opening story", *storyStart, nullptr);
    }
    const struct {
        const char* name;
        std::function<TCutscene*()> make;
        int at;  // ms after the start: its busiest moment
    } scenes[] = {
        {"cutscene: the tablet (cross-fade)", [] { return new TStoryTablet(); }, 1200},
        {"cutscene: the road to Iran", [] { return new TStoryGoToIran(); }, 6500},
        {"cutscene: the letter", [] { return new TStoryLetter(); }, 500},
        {"cutscene: the bulldozer (cross-fade)", [] { return new TStoryBuldozer(); }, 6000},
        {"cutscene: the waterfall", [] { return new TStoryWaterfall(); }, 2000},
        {"cutscene: the road to Iraq", [] { return new TStoryGoIrak(); }, 8000},
        {"cutscene: the pyramid rising", [] { return new TStoryPiramid(); }, 12000},
    };
    for (const auto& s : scenes) {
        std::unique_ptr<TCutscene> scene(s.make());
        scene->prepare();
        runFor(*scene, s.at);
        scene->dFade = scene->fade = 0;  // kept on screen for the whole measurement
        measure(s.name, *scene, nullptr);
        scene->Finish();
    }
    if (storyOutro) {
        TStoryOutro& o = *storyOutro;
        o.prepare();
        o.fade = 0;
        measure("outro: the slide show", o, nullptr);
        // Cairo, a week later: everyone on the steps and the car on its way.
        o.stage = 202;
        o.scene2A = o.TazmiraPer = o.ProfesorPer = o.friendsAlpha = 1;
        o.profAlpha = 0.5f;
        o.nextStage2 = eng::MilliSecs();
        measure("outro: Cairo", o, nullptr);
        o.Finish();
    }
    TCutscene::dialogs = nullptr;
}

void measureTutorialTip(const Measure& measure, TEkran& game) {
    if (!tutorial) return;
    // A two-line tip with three arrows and a row example running over the 25 x 25 grid.
    auto tip = std::make_shared<TTutorialTip>();
    tip->id = "BENCH";
    tip->screen = "MAIN-GAME";
    tip->font = tutorial->font[0];
    tip->txt =
        "A tip of two lines over the grid, with three arrows#ENTER#and a row example on its first row.";
    tip->txts = {"A tip of two lines over the grid, with three arrows",
                 "and a row example on its first row."};
    tip->dim.y = 70;
    tip->allActions = {
        {"SHOW-ME"},
        {"ARROW", "200", "300", "-90"},
        {"ARROW", "400", "150", "0"},
        {"ARROW", "770", "470", "-90"},
        {"SHOW-ROW-POSIBILITY", "0", "2_AND_1_ROW", "100000", "X", "1111111111111000001111111"}};
    tutorial->startTutorial(tip);
    measure("main game with a tutorial tip", game, nullptr);
    tutorial->hideTutorial();
}

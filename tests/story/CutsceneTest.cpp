// The cutscenes: each one's dialogs in order and its end by itself, the slide shows' pictures, the routes'
// dots, and the skip button that ends a scene before its dialogs.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "common/HeadlessGame.h"
#include "core/Globals.h"
#include "engine/Engine.h"
#include "gui/Gui.h"
#include "gui/GuiObject.h"
#include "gui/Mouse.h"
#include "story/StoryOutro.h"
#include "story/StoryPiramid.h"
#include "story/StoryRoute.h"
#include "story/StorySlideshow.h"
#include "story/StoryZoom.h"

namespace {

class Cutscenes : public testing::Test {
  protected:
    static void SetUpTestSuite() { startHeadlessGame(); }
    void SetUp() override {
        said.clear();
        TCutscene::dialogs = [this](TEkran&, int n) { said.push_back(n); };
    }
    void TearDown() override { TCutscene::dialogs = nullptr; }

    // One frame of a scene as its loop runs it; answers the seconds since `start`.
    static void frame(TCutscene& s) {
        eng::Delay(17);
        s.update();
        s.afterFrame();
    }
    // Runs the scene to its end (at most `cap` frames); answers the seconds it took.
    static double play(TCutscene& s, int cap = 4000) {
        const int64_t start = eng::MilliSecs();
        s.prepare();
        for (int i = 0; i < cap && !s.finished(); ++i) frame(s);
        return (eng::MilliSecs() - start) / 1000.0;
    }
    std::vector<int> said;
};

TEST_F(Cutscenes, EachSceneSaysItsDialogsInOrderAndEndsByItself) {
    const struct {
        std::function<TCutscene*()> make;
        std::vector<int> dialogs;
        double minSeconds, maxSeconds;
    } cases[] = {
        {[] { return new TStoryTablet(); }, {25, 26}, 3, 5},
        {[] { return new TStoryCamp(); }, {27, 28}, 3, 5},
        {[] { return new TStoryLetter(); }, {29}, 3.5, 4.2},
        {[] { return new TStoryPiramid(); }, {30, 31}, 38, 45},
        {[] { return new TStoryGoIrak(); }, {}, 18.5, 19.5},
        {[] { return new TStoryBuldozer(); }, {}, 13.5, 14.5},
        {[] { return new TStoryGoToIran(); }, {32, 33, 34}, 18, 20},
        {[] { return new TStoryTempleOpen(); }, {35, 36, 37}, 11, 13},
        {[] { return new TStoryTempleCheck(); }, {38, 39}, 9, 11},
        {[] { return new TStoryGoToTibet(); }, {}, 13.5, 14.5},
        {[] { return new TStoryWaterfall(); }, {}, 13.5, 14.5},
        {[] { return new TStoryOutro(); }, {40, 41, 42, 43, 44, 45, 46}, 35, 60},
    };
    for (const auto& c : cases) {
        std::unique_ptr<TCutscene> scene(c.make());
        said.clear();
        const double seconds = play(*scene);
        EXPECT_TRUE(scene->finished()) << scene->id;
        EXPECT_EQ(said, c.dialogs) << scene->id;
        EXPECT_GE(seconds, c.minSeconds) << scene->id;
        EXPECT_LE(seconds, c.maxSeconds) << scene->id;
    }
}

TEST_F(Cutscenes, TheRoadToIranCrossFadesItsPicturesAndShowsTheCourtyardTwice) {
    TStoryGoToIran s;
    s.prepare();
    ASSERT_EQ(s.back.size(), 9u);
    EXPECT_EQ(s.back[8], s.back[6]) << "the same picture, loaded once";
    EXPECT_EQ(s.imageA[0], 1);
    std::vector<int> shownOrder;
    for (int i = 0; i < 1300 && !s.finished(); ++i) {
        frame(s);
        for (int k = 1; k < 9; ++k)
            if (s.dImageA[k] == 1 && std::find(shownOrder.begin(), shownOrder.end(), k) == shownOrder.end())
                shownOrder.push_back(k);
        // A picture comes in over the one before it, which goes only once the next step comes.
        for (int k = 1; k < 9; ++k) EXPECT_LE(s.imageA[k], s.dImageA[k]);
    }
    EXPECT_EQ(shownOrder, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(s.imageA[8], 1);
    EXPECT_EQ(s.imageA[6], 0) << "the seventh picture went when the ninth came";
}

TEST_F(Cutscenes, TheRouteIsLaidOutDotByDotAndTheArrowComesLast) {
    const auto irak = routeDots(100, 562, 404, 298, 130, 318, 0.05f, 0.03f, 0.82f);
    ASSERT_EQ(irak.size(), 25u);
    EXPECT_NEAR(irak.front().per, 0.08f, 1e-5f);
    EXPECT_NEAR(irak.back().per, 0.80f, 1e-5f);
    // On the curve: at h = 0.5 of the start, control and end points.
    const auto mid = routeDots(0, 0, 100, 0, 50, 100, 0.4f, 0.1f, 0.5f);
    ASSERT_EQ(mid.size(), 1u);
    EXPECT_EQ(mid[0].x, 50);
    EXPECT_EQ(mid[0].y, 50);
    EXPECT_EQ(routeDots(600, 530, 870, 260, 510, 120, 0.05f, 0.05f, 0.94f).size(), 17u);
    EXPECT_TRUE(routeDots(0, 0, 1, 1, 0, 0, 0, 0, 1).empty()) << "no step, no dots (and no endless loop)";

    TStoryGoIrak s;
    s.prepare();
    double allDots = 0, arrow = 0;
    const int64_t start = eng::MilliSecs();
    for (int i = 0; i < 1300 && !s.finished(); ++i) {
        frame(s);
        const double t = (eng::MilliSecs() - start) / 1000.0;
        if (!allDots && s.routePer >= 25) allDots = t;
        if (!arrow && s.routePer >= 26) arrow = t;
    }
    EXPECT_NEAR(allDots, 13.3, 0.1) << "two thirds of the 20 s";
    EXPECT_NEAR(arrow, 13.9, 0.1);
}

TEST_F(Cutscenes, TheSkipButtonEndsASceneAndNoLaterDialogRuns) {
    TStoryTablet s;
    s.prepare();
    while (said.empty()) frame(s);
    ASSERT_TRUE(s.Gui && s.Gui->getItem("skip"));
    const auto& box = s.Gui->getItem("skip")->dim;
    eng::InjectMouseMove(box->x + box->w / 2, box->y + box->h / 2);
    frame(s);
    eng::InjectMouseButton(1, true);
    frame(s);
    eng::InjectMouseButton(1, false);
    frame(s);
    EXPECT_EQ(s.dFade, 1);
    int frames = 0;
    while (!s.finished() && frames < 200) frame(s), ++frames;
    EXPECT_TRUE(s.finished());
    EXPECT_LE(frames, 25) << "a fade to black at the base speed";
    EXPECT_EQ(said, std::vector<int>{25}) << "dialog 26 is not shown";
}

}  // namespace

// Hidden-object scenes: which object the pointer takes, an object's way from the scene to the panel, the
// hint gauge, the family counter, damaged files, the sepia paths, and a scene saved in play.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "MiniGameFixture.h"
#include "minigames/HiddenObject.h"

namespace {

const std::string kTile = "gfx/miniGames/puzzleExpress/tiles/tile";        // opaque 48 x 48 squares
const std::string kMask = "gfx/miniGames/puzzleExpress/objects/mask.png";  // transparent corners

class HiddenObjects : public MiniGameTest {
  protected:
    // A scene: objects 1 and 2 overlap (2 later in the file), 3 has transparent corners, 4..6 are a family
    // of coins; object 7's picture is missing.
    std::string sceneFile() {
        const std::string path = testing::TempDir() + "scene.hol";
        std::ofstream f(path);
        f << "level {\n background = \"gfx/backgrounds/background-1.jpg\"\n title = 10\n counter = 0\n"
          << " objects {\n  i = 7\n";
        const struct {
            std::string img;
            int x, y, slot;
        } obs[] = {{kTile + "1.png", 300, 300, 0},
                   {kTile + "2.png", 320, 300, 1},
                   {kMask, 600, 300, 2},
                   {kTile + "3.png", 150, 500, 3},
                   {kTile + "3.png", 450, 520, 3},
                   {kTile + "3.png", 800, 500, 3},
                   {"gfx/nothing-here.png", 700, 200, 4}};
        int i = 1;
        for (const auto& o : obs) {
            f << "  ob" << i << " {\n   id = " << i << "\n   imgUkryty = \"" << o.img
              << "\"\n   imgDoZebrania = \"" << o.img << "\"\n   imgZebrany = \"" << o.img
              << "\"\n   addPoint = 22, 18\n   ukrytyDim = " << o.x << ", " << o.y
              << "\n   doZebraniaDim = " << 92 + 84 * o.slot << ", 712\n  }\n";
            ++i;
        }
        f << " }\n group {\n  i = 4\n  obj1 = 4\n  obj2 = 5\n  obj3 = 6\n  obj4 = 7\n  textXY = 344, 742\n "
             "}\n"
          << " obiektyTla {\n  i = 1\n  obj1 {\n   img = \"" << kTile
          << "4.png\"\n   typ = \"fish\"\n   dims = 80, 560, 900, 620\n   handle = 24, 24\n  }\n }\n}\n";
        return path;
    }

    void play(THiddenObject& s, const std::shared_ptr<THOLevel>& l) {
        s.setLevel(l);
        s.prepare();
        for (int i = 0; i < 200 && s.state == "BEGIN"; ++i) frames(s);
        ASSERT_EQ(s.state, "NORMAL");
    }
    void clickAt(THiddenObject& s, float x, float y) {
        moveTo(x, y);
        frames(s);
        button(s, 1, true);
        button(s, 1, false);
    }
};

TEST_F(HiddenObjects, ThePointerTakesTheLaterOfTwoOverlappingObjectsAndNeverATransparentPixel) {
    THiddenObject s;
    s.setup();
    auto l = loadHOLevel(sceneFile());
    ASSERT_EQ(l->objects.size(), 6u) << "the object without a picture is left out";
    play(s, l);
    THObject &first = *l->objects[0], &second = *l->objects[1], &mask = *l->objects[2];
    clickAt(s, 290, 300);  // on the first only
    EXPECT_EQ(first.state, "PICK");
    clickAt(s, 310, 300);  // where both lie: the later in the file
    EXPECT_EQ(second.state, "PICK");
    clickAt(s, 600 - 105, 300 - 105);  // the mask's transparent corner
    EXPECT_TRUE(mask.hidden());
    clickAt(s, 600, 300);
    EXPECT_EQ(mask.state, "PICK");
}

TEST_F(HiddenObjects, AFoundObjectSwellsFliesToThePanelAndTurnsItToColourAtAnyFrameRate) {
    auto l = loadHOLevel(sceneFile());
    TParticleList sparkles;
    for (float delta : {1.0f, 0.7f, 2.3f}) {
        THObject& o = *l->objects[0];
        o.state.clear();
        o.da = 1;
        frameDelta = delta;
        o.pick();
        int swell = 0, flight = 0;
        while (o.state == "PICK" && swell < 1000) o.update(0, 0, sparkles), ++swell;
        while (o.state == "PICK-2" && flight < 1000) {
            o.update(0, 0, sparkles);
            ++flight;
            // The panel picture turns to colour only over the last part of the flight (t = sin(90 per) >
            // 0.7).
            if (o.state == "PICK-2" && flight * delta < 45) {
                EXPECT_EQ(o.da, 1) << "still sepia early in the flight";
            }
        }
        EXPECT_EQ(o.state, "DONE") << "at " << delta;
        EXPECT_NEAR(swell * delta, 40, 3) << delta;
        EXPECT_NEAR(flight * delta, 100, 3) << delta;
        EXPECT_EQ(o.da, 0);
        EXPECT_FLOAT_EQ(o.zebranyDim.x, o.doZebraniaDim.x) << "it ends on its picture";
    }
    frameDelta = 1;
}

TEST_F(HiddenObjects, TheFirstHintIsReadyAtOnceTheNextTwentySecondsLater) {
    THiddenObject s;
    s.setup();
    auto l = loadHOLevel(sceneFile());
    play(s, l);
    EXPECT_EQ(s.hintCharge(), 1);
    s.useHint();
    ASSERT_TRUE(s.hoHint);
    bool onAHiddenObject = false;
    for (const auto& o : l->objects)
        onAHiddenObject |= o->ukrytyDim.x == s.hoHint->cx && o->ukrytyDim.y == s.hoHint->cy;
    EXPECT_TRUE(onAHiddenObject);
    EXPECT_NEAR(s.hintCharge(), 0, 0.01);
    s.hintTime -= 10000;
    EXPECT_NEAR(s.hintCharge(), 0.5, 0.01);
    s.hintTime -= 10001;
    EXPECT_EQ(s.hintCharge(), 1);
    // The circle ends four seconds after it began.
    s.hoHint->startTime -= 4001;
    frames(s);
    EXPECT_FALSE(s.hoHint);
    // With nothing left hidden the gauge is spent all the same.
    for (auto& o : l->objects) o->state = "PICK-2";
    s.useHint();
    EXPECT_FALSE(s.hoHint);
    EXPECT_LT(s.hintCharge(), 0.01);
}

TEST_F(HiddenObjects, TheFamilyCountsAMemberOnceItsFlightHasEndedAndTheSceneIsWonWithTheLast) {
    THiddenObject s;
    s.setup();
    auto l = loadHOLevel(sceneFile());
    ASSERT_EQ(l->group.objects.size(), 3u) << "the member without a picture is not in the family";
    play(s, l);
    THObject& coin = *l->objects[3];
    clickAt(s, coin.ukrytyDim.x, coin.ukrytyDim.y);
    ASSERT_EQ(coin.state, "PICK");
    EXPECT_EQ(l->group.getFound(), 0);
    for (int i = 0; i < 200 && !coin.done(); ++i) frames(s);
    EXPECT_EQ(l->group.getFound(), 1);
    for (auto& o : l->objects)
        if (o->hidden()) o->pick();
    for (int i = 0; i < 200 && s.state == "NORMAL"; ++i) frames(s);
    EXPECT_EQ(s.state, "WIN");
    for (int i = 0; i < 100 && !s.finished(); ++i) frames(s);
    EXPECT_EQ(s.wynik, "GET-NEXT-LEVEL");
}

TEST_F(HiddenObjects, ASceneInPlayComesBackWithItsFoundObjectsTicksAndScenery) {
    auto l = loadHOLevel(sceneFile());
    l->objects[0]->state = "DONE";
    l->objects[1]->pick();  // on its way: kept as found
    l->objects[2]->punktX = 31;
    l->time = 17;
    const std::string path = testing::TempDir() + "scene-saved.hol";
    ASSERT_TRUE(l->saveProgress(path));
    auto back = loadHOLevel(path);
    ASSERT_EQ(back->objects.size(), l->objects.size());
    EXPECT_EQ(back->time, 17);
    EXPECT_EQ(back->objects[0]->state, "DONE");
    EXPECT_EQ(back->objects[0]->da, 0);
    EXPECT_EQ(back->objects[1]->state, "DONE");
    EXPECT_TRUE(back->objects[2]->hidden());
    EXPECT_EQ(back->objects[2]->punktX, 31);
    EXPECT_EQ(back->objects[2]->punktY, 18);
    for (size_t i = 0; i < l->objects.size(); ++i) {
        EXPECT_EQ(back->objects[i]->ukrytyDim.x, l->objects[i]->ukrytyDim.x);
        EXPECT_EQ(back->objects[i]->doZebraniaDim.x, l->objects[i]->doZebraniaDim.x);
    }
    EXPECT_EQ(back->group.objects.size(), 3u);
    ASSERT_EQ(back->obiektyTla.size(), 1u);
    EXPECT_EQ(back->obiektyTla[0]->typ, "FISH");
    EXPECT_EQ(back->obiektyTla[0]->x2, 900);
    EXPECT_EQ(back->obiektyTla[0]->hy, 24);
}

TEST_F(HiddenObjects, TheSepiaPictureLiesBesideThePanelPicture) {
    const struct {
        const char* panel;
        const char* sepia;
    } cases[] = {{"items/key.png", "items/key-sepia.png"},
                 {"key.png", "key-sepia.png"},
                 {"gfx/a.b/key", "gfx/a.b/key-sepia.png"},
                 {"gfx/hidden/panel/ring.PNG", "gfx/hidden/panel/ring-sepia.png"}};
    for (const auto& c : cases) EXPECT_EQ(sepiaPath(c.panel), c.sepia);
}

TEST_F(HiddenObjects, TheLayoutEditorSavesIntoThePlayersFolder) {
    const std::filesystem::path folder = testing::TempDir() + "ho-user";
    std::filesystem::create_directories(folder);
    userFolder = folder.string();
    THiddenObject s;
    s.setup();
    play(s, loadHOLevel(sceneFile()));
    s.editor = true;
    eng::InjectKey('S', true);
    frames(s);
    eng::InjectKey('S', false);
    EXPECT_TRUE(std::filesystem::exists(folder / "level-8.hol"));
    EXPECT_FALSE(std::filesystem::exists(programPrefix + "level-8.hol"));
}

}  // namespace

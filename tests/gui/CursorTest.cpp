// The cursor registry: loading and switching by name, animated strips, the game's cursor set, drawing.
#include <gtest/gtest.h>

#include <cstdlib>

#include "../files/TempDir.h"
#include "common/TestPixmaps.h"
#include "core/Globals.h"
#include "engine/Engine.h"
#include "gui/Mouse.h"

namespace {

// Two frames side by side: red, then green.
eng::Pixmap redGreenStrip(int frame) {
    auto pm = solidPixmap(2 * frame, frame, 255, 0, 0);
    for (int y = 0; y < frame; ++y)
        for (int x = frame; x < 2 * frame; ++x) {
            uint8_t* p = &pm->rgba[(static_cast<size_t>(y) * pm->width + x) * 4];
            p[0] = 0;
            p[1] = 255;
        }
    return pm;
}

std::pair<float, float> handle(const eng::Image& img) {
    float x, y;
    eng::GetImageHandle(img, x, y);
    return {x, y};
}

// The game's cursors, their files below the program folder and hot spots, in loading order.
struct Expected {
    const char* id;
    const char* file;
    int hx, hy;
} const kGameCursors[] = {
    {"HOOK", "hook.png", 3, 24},
    {"HAND", "hand.png", 2, 2},
    {"OKO-0", "oko.png", 18, 17},
    {"OKO-1", "oko-1.png", 11, 11},
    {"OKO-2", "oko-2.png", 9, 8},
    {"OKO-3", "oko-3.png", 8, 8},
    {"OKO-4", "oko-4.png", 6, 7},
    {"CZASZKA-0", "czaszka.png", 21, 17},
    {"CZASZKA-1", "czaszka-1.png", 16, 15},
    {"CZASZKA-2", "czaszka-2.png", 13, 11},
    {"CZASZKA-3", "czaszka-3.png", 9, 10},
    {"CZASZKA-4", "czaszka-4.png", 8, 6},
    {"MAPA-0", "mapa.png", 13, 13},
    {"MAPA-1", "mapa-1.png", 10, 9},
    {"MAPA-2", "mapa-2.png", 8, 8},
    {"MAPA-3", "mapa-3.png", 6, 4},
    {"MAPA-4", "mapa-4.png", 5, 4},
};

}  // namespace

TEST(Cursors, RegisteredByNameAndSwitchedIgnoringCase) {
    eng::SetHeadless(eng::HeadlessConfig{});
    TMouse m;
    EXPECT_EQ(m.cur, nullptr);
    auto hand = eng::LoadImage(solidPixmap(4, 4, 255, 0, 0));
    auto hook = eng::LoadImage(solidPixmap(4, 4, 0, 255, 0));
    auto other = eng::LoadImage(solidPixmap(4, 4, 0, 0, 255));
    m.loadCursor("HAND", hand, 2, 3, 3, 100);  // a picture given directly is never animated
    ASSERT_TRUE(m.cur);
    EXPECT_EQ(m.cur->_id, "HAND");
    EXPECT_EQ(m.cur->_maxFrames, 0);
    EXPECT_EQ(m.cur->_timeDelta, 0);
    EXPECT_EQ(handle(hand), std::make_pair(2.0f, 3.0f));
    m.loadCursor("HOOK", hook, 3, 24);
    EXPECT_EQ(m.cur->_img, hook);  // loading makes it current

    struct Case {
        const char* name;
        eng::Image expected;
    } cases[] = {{"hand", hand}, {"Hook", hook},  {"nothing", hook},
                 {"", hook},     {"HAND ", hook}, {"HAND", hand}};
    for (const auto& c : cases) {
        m.setCursor(c.name);
        EXPECT_EQ(m.cur->_img, c.expected) << "'" << c.name << "'";
    }
    // Of two cursors with the same name the later one wins.
    m.loadCursor("hand", other, 0, 0);
    m.setCursor("HOOK");
    m.setCursor("HAND");
    EXPECT_EQ(m.cur->_img, other);
    ASSERT_EQ(m.listaKursorow.size(), 3u);
    EXPECT_EQ(m.listaKursorow[0]->_img, hand);
}

TEST(Cursors, StripsAnimateAndSinglePicturesStay) {
    eng::SetHeadless(eng::HeadlessConfig{});
    TempDir dir;
    ASSERT_TRUE(eng::SavePixmapPNG(solidPixmap(30, 10, 9, 9, 9), dir.file("spin.png")));
    TMouse m;
    m.loadCursor("ONE", dir.file("spin.png"), 1, 1, 1, 100);
    EXPECT_EQ(m.cur->_maxFrames, 0);
    EXPECT_EQ(eng::ImageWidth(m.cur->_img), 30);
    m.loadCursor("SPIN", dir.file("spin.png"), 5, 6, 3, 100);
    const auto spin = m.cur;
    EXPECT_EQ(spin->_maxFrames, 2);
    EXPECT_EQ(spin->_timeDelta, 100);
    EXPECT_EQ(eng::ImageFrames(spin->_img), 3);
    EXPECT_EQ(eng::ImageWidth(spin->_img), 10);
    EXPECT_EQ(handle(spin->_img), std::make_pair(5.0f, 6.0f));
    EXPECT_EQ(spin->_frame, 0);

    // The first sampling starts the animation; then one frame every 100 ms, round and round.
    const int64_t start = eng::MilliSecs();
    struct Step {
        int t, frame;
    } steps[] = {{0, 1}, {50, 1}, {99, 1}, {100, 2}, {199, 2}, {200, 0}, {300, 1}};
    for (const auto& s : steps) {
        const int64_t now = eng::MilliSecs();
        if (start + s.t > now) eng::Delay(static_cast<int>(start + s.t - now));
        m.update(1);
        EXPECT_EQ(spin->_frame, s.frame) << s.t << " ms";
    }
    m.setCursor("ONE");
    m.update(1);
    EXPECT_EQ(m.cur->_frame, 0);
}

TEST(Cursors, MissingPicturesAreReportedAndTheGameGoesOn) {
    eng::SetHeadless(eng::HeadlessConfig{});
    TempDir empty;
    const std::string prefix = programPrefix;
    programPrefix = empty.path.string() + "/";
    TMouse m;
    testing::internal::CaptureStdout();
    loadCursors();
    m.loadCursor("GONE", empty.file("gone.png"), 1, 1, 3, 100);
    const std::string out = testing::internal::GetCapturedStdout();
    programPrefix = prefix;
    EXPECT_NE(out.find("Couldn't load image file: " + empty.path.string() + "/gfx/gui/mouse/hand.png"),
              std::string::npos)
        << out;
    ASSERT_EQ(m.listaKursorow.size(), 18u);
    EXPECT_FALSE(m.cur->_img);
    EXPECT_EQ(m.cur->_maxFrames, 0);
    m.setCursor("HAND");
    EXPECT_EQ(m.cur->_id, "HAND");
    m.update(1);
    m.draw();  // nothing to draw, and no harm done
}

// The cursor pictures of the built program folder, loaded as the loading screen does.
TEST(Cursors, GameCursorsLoadWithTheirHotSpotsOnThePicture) {
    eng::SetHeadless(eng::HeadlessConfig{});
    const std::string prefix = programPrefix;
    programPrefix = std::string(GAME_DIR) + "/";
    TMouse m;
    loadCursors();
    programPrefix = prefix;
    ASSERT_EQ(m.listaKursorow.size(), std::size(kGameCursors));
    ASSERT_TRUE(m.cur);
    EXPECT_EQ(m.cur->_id, "HAND");
    for (size_t i = 0; i < std::size(kGameCursors); ++i) {
        const Expected& e = kGameCursors[i];
        const auto& c = m.listaKursorow[i];
        EXPECT_EQ(c->_id, e.id);
        ASSERT_TRUE(c->_img) << "missing gfx/gui/mouse/" << e.file;
        EXPECT_EQ(handle(c->_img), std::make_pair(static_cast<float>(e.hx), static_cast<float>(e.hy)))
            << e.id;
        auto pm = eng::LoadPixmap(std::string(GAME_DIR) + "/gfx/gui/mouse/" + e.file);
        ASSERT_TRUE(pm) << e.file;
        EXPECT_LT(e.hx, pm->width) << e.id;
        EXPECT_LT(e.hy, pm->height) << e.id;
        // The picture shows something right at its hot spot (the fingertip, the hook's point, the centre).
        int near = 0;
        for (int y = e.hy - 1; y <= e.hy + 1; ++y)
            for (int x = e.hx - 1; x <= e.hx + 1; ++x)
                if (x >= 0 && y >= 0 && x < pm->width && y < pm->height)
                    near = std::max<int>(near, pm->rgba[(static_cast<size_t>(y) * pm->width + x) * 4 + 3]);
        EXPECT_GT(near, 128) << e.id << " is transparent at its hot spot";
    }
}

// Which cursors are drawn with the system pointer shown, where the hot spot lands, and which frame shows.
TEST(Cursors, DrawnAtTheHotSpot) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (the test command runs it under Xvfb)";
    ASSERT_TRUE(eng::Graphics(320, 240, 0, 60, 0));
    eng::SetVirtualResolution(320, 240);
    eng::SetViewport(0, 0, 320, 240);
    eng::SetOrigin(0, 0);
    eng::SetLogicalOffset(0, 0);
    eng::SetClsColor(0, 0, 0);
    TMouse m;
    for (const char* id : {"HAND", "HOOK", "OKO-0", "OKO-1", "MAPA-2", "CZASZKA-0"})
        m.loadCursor(id, eng::LoadImage(solidPixmap(8, 8, 255, 0, 0)), 4, 4);
    eng::InjectMouseMove(100, 100);
    m.update(1);

    struct Case {
        int v;
        const char* id;
        bool drawn;
    } cases[] = {{0, "HAND", false},  {0, "HOOK", false},     {0, "OKO-0", false}, {0, "OKO-1", true},
                 {0, "MAPA-2", true}, {0, "CZASZKA-0", true}, {1, "HAND", true},   {1, "OKO-0", true}};
    auto red = [](int x, int y) { return eng::GrabPixmap(x, y, 1, 1)->rgba[0] > 200; };
    for (const auto& c : cases) {
        eng::Cls();
        m._v = c.v;
        m.setCursor(c.id);
        m.draw();
        EXPECT_EQ(red(96, 96), c.drawn) << c.id << " with _v " << c.v;
        EXPECT_EQ(red(103, 103), c.drawn) << c.id << " with _v " << c.v;
        EXPECT_FALSE(red(95, 95)) << c.id;
        EXPECT_FALSE(red(104, 104)) << c.id;
    }

    // A strip shows its current frame.
    m.loadCursor("STRIP", eng::LoadAnimImage(redGreenStrip(8), 8, 8, 0, 2), 4, 4);
    m.cur->_maxFrames = 1;
    for (int frame : {0, 1}) {
        eng::Cls();
        m.cur->_frame = frame;
        m.draw();
        auto px = eng::GrabPixmap(100, 100, 1, 1);
        EXPECT_EQ(px->rgba[1] > 200, frame == 1) << "frame " << frame;
    }
}

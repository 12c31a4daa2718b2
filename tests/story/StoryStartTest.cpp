// The opening story: its script read into parts, the chain of pictures on the millisecond clock, the
// captions' fades, clicks that hurry it, and where it leads when it ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/Globals.h"
#include "engine/Engine.h"
#include "gui/Mouse.h"
#include "story/StoryStart.h"

namespace fs = std::filesystem;

namespace {

class Story : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        eng::SetHeadless(eng::HeadlessConfig{});
        ASSERT_TRUE(eng::Graphics(1024, 768, 0, 60, 0));
        languageCode = "en";
        if (!mouse) new TMouse();
    }
    void SetUp() override {
        dir = fs::path(testing::TempDir()) / ("story-" + std::to_string(++runs));
        fs::remove_all(dir);
        fs::create_directories(dir / "data");
        fs::create_directories(dir / "txt/en");
        fs::create_directories(dir / "gfx/fonts");
        fs::copy_file(fs::path(GAME_DIR) / "gfx/point.png", dir / "gfx/pic.png");
        fs::copy_file(fs::path(GAME_DIR) / "gfx/fonts/storyFont.ttf", dir / "gfx/fonts/story.ttf");
        std::ofstream(dir / "txt/en/story-start.txt")
            << "  One line  \nFirst#ENTER#Second\nA#ENTER#B#ENTER#C\n";
        programPrefix = dir.string() + "/";
    }
    void TearDown() override { programPrefix = std::string(GAME_DIR) + "/"; }
    void write(const std::string& text) { std::ofstream(dir / "data/Story-start.dat") << text; }

    // A picture block: its file, duration and kind, then any further lines.
    static std::string image(int j, const std::string& img, int time, int typ, const std::string& more = "") {
        return "  image" + std::to_string(j) + " {\n   img = \"" + img + "\"\n   position = 512, 300\n" +
               "   handle = 2, 3\n   time = " + std::to_string(time) + "\n   typ = " + std::to_string(typ) +
               "\n" + more + "  }\n";
    }
    static std::string text(int t, int line, int start, int life) {
        return "  text" + std::to_string(t) +
               " {\n   font = \"gfx/fonts/story.ttf|30\"\n   txt = " + std::to_string(line) +
               "\n   startTime = " + std::to_string(start) + "\n   lifeTime = " + std::to_string(life) +
               "\n  }\n";
    }
    static void wait(int ms) { eng::Delay(ms); }

    fs::path dir;
    static inline int runs = 0;
};

TEST_F(Story, TheScriptIsReadIntoPartsPicturesAndCaptions) {
    write("story {\n atEnd = \"MAPA\"\n i = 2\n part1 {\n  i = 3\n" +
          image(1, "gfx/pic.png", 1000, 1, "   scale = 1, 1.5\n   vector = 9, 9\n") +
          image(2, "gfx/missing.png", 500, 2, "   scale = 7, 7\n   vector = -0.5, 0.25\n   release = 2\n") +
          image(3, "gfx/missing.png", -40, 4, "   vector = 1, 0\n   moveAlong = 1\n   onTop = 1\n") +
          "  texts = 3\n" + text(1, 1, 0, 1000) + text(2, 2, 100, 1000) + text(3, 3, 200, 1000) +
          " }\n part2 {\n  i = 1\n" + image(1, "gfx/pic.png", 100, 3) + " }\n}\n");
    TStoryStart s;
    testing::internal::CaptureStderr();
    s.loadStory();
    s.loadStory();  // every run reads the script afresh
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(s.wynik, "MAPA");
    ASSERT_EQ(s.storyParts.size(), 2u);
    const TStoryPart& p = *s.storyParts.front();
    ASSERT_EQ(p.images.size(), 3u);
    const TStoryImage &zoom = *p.images[0], &slide = *p.images[1], &drop = *p.images[2];
    EXPECT_TRUE(zoom.img);
    EXPECT_EQ(zoom.hx, 2);
    EXPECT_EQ(zoom.y, 300);
    EXPECT_FLOAT_EQ(zoom.scale2, 1.5f);
    EXPECT_EQ(zoom.vx, 0) << "a zoom has no entry vector";
    EXPECT_EQ(slide.scale1, 1) << "a slide has no zoom";
    EXPECT_FLOAT_EQ(slide.vx, -0.5f);
    EXPECT_EQ(slide.txtToRelease, 2);
    EXPECT_EQ(drop.timeFrame, 0) << "a negative duration means done at once";
    EXPECT_EQ(drop.moveAlong, 1);
    EXPECT_EQ(drop.myPart, &p);
    EXPECT_EQ(drop.n, 3);
    ASSERT_EQ(p.texts.size(), 3u);
    EXPECT_EQ(p.texts[0]->txt, std::vector<std::string>{"One line"});
    EXPECT_EQ(p.texts[1]->txt, (std::vector<std::string>{"First", "Second"}));
    EXPECT_TRUE(p.texts[0]->font);
    // The missing picture is reported once, however often the story names and reads it.
    size_t reports = 0;
    for (size_t at = 0; (at = err.find("gfx/missing.png", at)) != std::string::npos; ++at) ++reports;
    EXPECT_EQ(reports, 1u) << err;
    EXPECT_NE(err.find("more than two lines"), std::string::npos);
}

TEST_F(Story, PicturesRunOneAfterAnotherByTheMillisecondClock) {
    TStoryPart part;
    for (int ms : {1000, 0, 600}) {
        part.images.push_back(std::make_unique<TStoryImage>());
        part.images.back()->typ = 2;
        part.images.back()->timeFrame = ms;
        part.images.back()->myPart = &part;
    }
    TStoryImage &a = *part.images[0], &b = *part.images[1], &c = *part.images[2];
    part.Reset();
    EXPECT_EQ(b.time - a.time, 1000);
    EXPECT_EQ(c.time - a.time, 1000) << "a picture without a duration takes no time in the chain";
    auto f = part.update();
    EXPECT_FLOAT_EQ(f.value, 1) << "the part starts black";
    wait(150);
    f = part.update();
    EXPECT_NEAR(a.per, 0.15f, 0.001f);
    EXPECT_NEAR(f.value, 0.5f, 0.001f) << "and fades in over 300 ms";
    EXPECT_EQ(b.started, 0);
    wait(400);
    EXPECT_EQ(part.update().value, 0);
    wait(500);
    f = part.update();
    EXPECT_EQ(a.per, 1);
    EXPECT_EQ(b.per, 1) << "zero duration: done at once";
    EXPECT_EQ(c.per, 0);
    wait(400);
    f = part.update();
    EXPECT_NEAR(f.value, 1 - 200.0f / 300, 0.01f) << "the last picture's end fades to black";
    EXPECT_TRUE(f.fromEnd);
    wait(250);
    f = part.update();
    EXPECT_EQ(f.value, 1);
    EXPECT_EQ(c.per, 1);
    EXPECT_EQ(c.alpha, 1);
}

TEST_F(Story, ACaptionFadesInByFramesAndOutOverItsLastHalfSecond) {
    TStoryTxt t;
    t.txt = {"Hello"};
    t.time = 2000;
    t.startTime = eng::MilliSecs() + 100;
    frameDelta = 1;
    t.draw();
    EXPECT_EQ(t.endTime, 0) << "not yet due";
    wait(100);
    t.draw();
    EXPECT_EQ(t.endTime, eng::MilliSecs() + 2000);
    EXPECT_FLOAT_EQ(t.alpha, 0.05f);
    for (int i = 0; i < 30; ++i) t.draw();
    EXPECT_EQ(t.alpha, 1) << "about 20 frames, and never beyond 1";
    wait(1750);
    t.draw();
    EXPECT_NEAR(t.alpha, 0.5f, 0.001f);
    wait(300);
    t.draw();
    EXPECT_EQ(t.alpha, 0) << "gone, and never below 0";
}

TEST_F(Story, AClickCompletesTheRunningPictureAndStartsTheNext) {
    TStoryPart part;
    for (int i = 0; i < 4; ++i) {
        part.images.push_back(std::make_unique<TStoryImage>());
        part.images.back()->typ = 1;
        part.images.back()->timeFrame = 2000;
        part.images.back()->myPart = &part;
        part.texts.push_back(std::make_unique<TStoryTxt>());
        part.texts.back()->myNumber = i + 1;
        part.texts.back()->startTime = 3000 * (i + 1);
    }
    part.images[1]->txtToRelease = 2;
    part.images[2]->moveAlong = part.images[3]->moveAlong = 1;
    part.Reset();
    part.update();
    ASSERT_EQ(part.GetNext(), 1);
    const int64_t now = eng::MilliSecs();
    EXPECT_EQ(part.images[0]->started, now - 2000) << "the first picture completes";
    EXPECT_EQ(part.images[1]->started, now);
    // Caption 2 shows now, 3 and 4 come forward with it, 1 vanishes.
    EXPECT_EQ(part.texts[1]->startTime, now - 10);
    EXPECT_EQ(part.texts[2]->startTime - now, 9000 - 6000);
    EXPECT_EQ(part.texts[3]->startTime - now, 12000 - 6000);
    EXPECT_EQ(part.texts[0]->endTime, now - 500);
    // The third picture carries the fourth along, and that chain runs past the end: the part is over.
    EXPECT_EQ(part.GetNext(), 0);
    EXPECT_NE(part.images[3]->started, 0);
}

TEST_F(Story, TheShowEndsAfterItsLastPartAndLeadsOnlyToAScreenTheGameKnows) {
    const std::string oneQuickPart =
        " i = 1\n part1 {\n  i = 1\n" + image(1, "gfx/pic.png", 0, 1) + " }\n}\n";
    TStoryStart::knownScreen = [](const std::string& n) { return n == "MAPA" || n == "GET-NEXT-LEVEL"; };
    TStoryStart s;
    const struct {
        std::string atEnd, expected;
    } cases[] = {{"MAPA", "MAPA"}, {"NO-SUCH-SCREEN", "GET-NEXT-LEVEL"}, {"", "GET-NEXT-LEVEL"}};
    for (const auto& c : cases) {
        write("story {\n atEnd = \"" + c.atEnd + "\"\n" + oneQuickPart);
        const uint64_t before = eng::FrameCount();
        EXPECT_EQ(s.mainLoop(), c.expected) << c.atEnd;
        EXPECT_LT(eng::FrameCount() - before, 10u) << "a part of no length is over at once";
    }
    // Without a script there is nothing to show: the journey goes on at once.
    fs::remove(dir / "data/Story-start.dat");
    const uint64_t before = eng::FrameCount();
    EXPECT_EQ(s.mainLoop(), "GET-NEXT-LEVEL");
    EXPECT_EQ(eng::FrameCount(), before);
    TStoryStart::knownScreen = nullptr;
}

}  // namespace

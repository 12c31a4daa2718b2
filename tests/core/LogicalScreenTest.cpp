// The logical screen's mapping onto real displays and the order of the graphics-mode fall-backs.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/LogicalScreen.h"

TEST(LogicalScreen, MappingCentresTheLogicalScreen) {
    struct Case {
        int realW, realH, mode;
        float scale, offX, offY;
    } cases[] = {
        {1024, 768, 3, 1.0f, 0.0f, 0.0f},
        {1920, 1080, 3, 1.40625f, (1920 / 1.40625f - 1024) / 2, 0.0f},
        {819, 614, 3, 614.0f / 768, (819 / (614.0f / 768) - 1024) / 2, 0.0f},
        {640, 480, 3, 0.625f, 0.0f, 0.0f},
        {1280, 1024, 3, 1.25f, 0.0f, (1024 / 1.25f - 768) / 2},
        {1920, 1080, 7, 1.0f, 448.0f, 156.0f},  // whole-number scale
        {800, 600, 7, 1.0f, -112.0f, -84.0f},   // never below 1
    };
    for (const auto& c : cases) {
        ScreenMapping m = computeMapping(c.realW, c.realH, 1024, 768, c.mode);
        EXPECT_NEAR(m.scale, c.scale, 1e-4) << c.realW << "x" << c.realH;
        EXPECT_NEAR(m.offX, c.offX, 1e-3) << c.realW << "x" << c.realH;
        EXPECT_NEAR(m.offY, c.offY, 1e-3) << c.realW << "x" << c.realH;
        EXPECT_NEAR(m.virtW, c.realW / c.scale, 1e-2);
        EXPECT_NEAR(m.virtH, c.realH / c.scale, 1e-2);
    }
    EXPECT_NEAR(computeMapping(1920, 1080, 1024, 768, 3).offX, 170.67f, 0.01f);
    ScreenMapping direct = computeMapping(1920, 1080, 1024, 768, 0);
    EXPECT_EQ(direct.virtW, 1024);
    EXPECT_EQ(direct.offX, 0);
}

TEST(LogicalScreen, GraphicsModeFallBackOrder) {
    using Try = std::tuple<int, int, int>;
    struct Case {
        const char* what;
        int full, wide, deskW, deskH;
        std::vector<Try> accepted;  // modes the fake display accepts
        std::vector<Try> expectedTries;
        bool opened;
    } cases[] = {
        {"wide full screen", 1, 1, 1920, 1080, {{1920, 1080, 32}}, {{1920, 1080, 32}}, true},
        {"wide full screen retried",
         1,
         1,
         1920,
         1080,
         {},
         {{1920, 1080, 32}, {1920, 1080, 32}, {1024, 768, 0}, {819, 614, 0}},
         false},
        {"full screen 1024", 1, 0, 1920, 1080, {{1024, 768, 32}}, {{1024, 768, 32}}, true},
        {"full screen 800", 1, 0, 1920, 1080, {{800, 600, 32}}, {{1024, 768, 32}, {800, 600, 32}}, true},
        {"no full screen: a window",
         1,
         0,
         1920,
         1080,
         {{1024, 768, 0}},
         {{1024, 768, 32}, {800, 600, 32}, {1024, 768, 0}},
         true},
        {"window on a tall desktop", 0, 1, 1920, 1080, {{1024, 768, 0}}, {{1024, 768, 0}}, true},
        {"window refused on a tall desktop",
         0,
         1,
         1920,
         1080,
         {{819, 614, 0}},
         {{1024, 768, 0}, {819, 614, 0}},
         true},
        {"window on a 768 desktop", 0, 0, 1366, 768, {{819, 614, 0}}, {{819, 614, 0}}, true},
        {"window on a 600 desktop", 0, 0, 800, 600, {{640, 480, 0}}, {{640, 480, 0}}, true},
    };
    for (const auto& c : cases) {
        std::vector<Try> tries;
        bool opened = openGraphicsWith(
            1024, 768, c.full, c.wide,
            [&](int w, int h, int d) {
                tries.emplace_back(w, h, d);
                for (const auto& a : c.accepted)
                    if (a == Try{w, h, d}) return true;
                return false;
            },
            c.deskW, c.deskH);
        EXPECT_EQ(opened, c.opened) << c.what;
        EXPECT_EQ(tries, c.expectedTries) << c.what;
    }
}

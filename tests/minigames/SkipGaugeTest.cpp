// The mini-games' skip gauges: how long each takes to fill, and that only a full gauge under the mouse in
// play is ready to skip.
#include <gtest/gtest.h>

#include "MiniGameFixture.h"
#include "minigames/FindRoutePuzzle.h"
#include "minigames/Puzzle.h"
#include "minigames/PuzzleExpress.h"

namespace {

using SkipGauges = MiniGameTest;

TEST_F(SkipGauges, RouteAndChestFillInNinetySecondsTheJigsawInSixty) {
    TFindRoutePuzzle route;
    TPuzzleExpress chest;
    TPuzzle jigsaw;
    const int64_t now = eng::MilliSecs();
    const struct {
        const char* name;
        TSkipGauge& gauge;
        int64_t ago;
        float charge;
    } cases[] = {
        {"route", route.gauge, 45000, 0.5f},   {"route", route.gauge, 90000, 1},
        {"chest", chest.gauge, 0, 0},          {"chest", chest.gauge, 60000, 2 / 3.0f},
        {"chest", chest.gauge, 200000, 1},     {"chest", chest.gauge, -5000, 0},
        {"jigsaw", jigsaw.gauge, 30000, 0.5f}, {"jigsaw", jigsaw.gauge, 60000, 1},
    };
    for (const auto& c : cases) {
        c.gauge.skipTime = now - c.ago;
        EXPECT_NEAR(c.gauge.charge(), c.charge, 0.001f) << c.name << " after " << c.ago;
    }
}

TEST_F(SkipGauges, OnlyAFullGaugeUnderTheMouseInPlayIsReady) {
    TSkipGauge gauge;
    gauge.setup();
    const struct {
        int64_t ago;
        bool armed, sinks;
        int mx, my;
        bool ready;
    } cases[] = {
        {90000, true, false, 975, 24, true},  {90000, false, false, 975, 24, false},
        {89000, true, false, 975, 24, false}, {90000, true, false, 900, 24, false},
        {90000, true, true, 975, 24, true},   {90000, true, false, 975, 200, false},
    };
    for (const auto& c : cases) {
        gauge.skipTime = eng::MilliSecs() - c.ago;
        mouse->x = c.mx;
        mouse->y = c.my;
        gauge.update(c.armed, c.sinks);
        EXPECT_EQ(gauge.ready(), c.ready) << c.ago << " " << c.armed << " at " << c.mx << "," << c.my;
    }
}

}  // namespace

// The find-route puzzle: click blocks to turn them until their lines lead from the power source on the
// left to the receiver on the right; then a lightning bolt runs along the route and both lights come on.
// A gauge lets the player skip the level after 90 seconds.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Dim.h"
#include "effects/LightningBolt.h"
#include "minigames/FRLevel.h"
#include "minigames/SkipGauge.h"
#include "screen/Ekran.h"

class TFindRoutePuzzle : public TEkran {
  public:
    eng::Image leftPan, rightPan, leftPower, rightPower, background, panelGui;
    std::vector<TDim> winPoints;  // the route to light up, from the source to the receiver
    TSkipGauge gauge;             // fills in 90 seconds
    eng::ImageFont font, font2;
    std::array<float, 2> powerAlpha{}, dPowerAlpha{};  // the source's and the receiver's lights
    std::shared_ptr<TFRLevel> level;
    std::string state;  // BEGIN, NORMAL, END, END-TWO
    int boltN = 0;      // finished segments of the route
    float boltA = 0;    // progress in the current one
    std::vector<TLightningBolt> bolts;
    int64_t nextBoltTime = 0;
    TFRBlock* overBlock = nullptr;
    int check = 0;
    int64_t waitTime = 0;

    TFindRoutePuzzle() { id = "FIND-ROUTE"; }
    void setup() override;
    void SetLevel(const std::shared_ptr<TFRLevel>& l) { level = l; }
    // "GET-NEXT-LEVEL" (solved or skipped), "RESTART-LEVEL", "MAIN-MENU" or "MAPA".
    std::string mainLoop() override;
    void prepare() override;
    bool finished() const override { return fade == 1 && dFade == 1; }
    void update() override;
    void draw() override;
    void afterFrame() override;

    // Every block at rest.
    bool nothingIsHappening() const;
    // Tests the route once the blocks are at rest; a route found ends the level.
    void _updateCheckWin();
    void CreateBolts();
    void Win();
    void SkipWin() { Win(); }

  private:
    void _updateState();
    void _updateBlocks();
    void _drawGame();
    void _finishLevel();
};

extern TFindRoutePuzzle* findRoutePuzzle;

// The flow's "FINDROUTE-PUZZLE" entries: a fresh level from its file, a saved one, a resumed one.
void registerFindRouteKind();

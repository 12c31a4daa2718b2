// The chest, the bag and the stones of the main game: a wrong move throws a stone into the bag while it has
// room, else against the chest, which cracks with every hit and bursts one hit after the level's tolerance.
#pragma once

#include <array>
#include <cstdint>

#include "core/Dim.h"
#include "effects/Particle.h"
#include "engine/Engine.h"
#include "nonogram/ChestPieces.h"

class TMainGame;
class TTile;

class TChest {
  public:
    std::array<eng::Image, 2> chest;  // back and front: strips of 6 frames, more cracked to the right
    eng::Image chestNormal, chestCover, worek, worekPoint;
    std::array<eng::Image, kChestPieceCount> chestFallImg;  // the pieces it bursts into
    std::array<TDim, kChestPieceCount> chestDim;            // their centres: where stones hit the chest
    int maxKamieni = 3;                                     // the bag's room
    float worekAdY = 0, dWorekAdY = 0;                      // the bag rising to catch a stone
    int64_t efektTime = 0;                                  // the next sparkle of the treasures in the chest
    TParticleList particleSkarbu;                           // those sparkles

    explicit TChest(TMainGame& game) : game_(game) {}
    TChest(const TChest&) = delete;
    TChest& operator=(const TChest&) = delete;

    // The pictures and the pieces' centres.
    void setup();
    // A new level: the bag hangs in its place again, shown when the profile owns it.
    void restartWorek();

    // A stone from the cell: into the bag while stones in it and on their way leave room, else at a random
    // piece of the chest.
    void wyslijKamien(TTile& tile);
    int kamieniWWorkuNieDosc() const;
    // A stone reached the bag; a full bag flies away and later stones go to the chest.
    void stoneInBag();
    void checkWorek();
    // A stone hit the chest: one more mistake; one more than the level tolerates bursts it. Once the level
    // is won, stones still in the air change nothing.
    void uszkodzSkrzynie();
    // The burst: every piece falls away from its place.
    void burst();

    // Once per frame: the bag follows the stones flying to it; every 500 ms a treasure may sparkle.
    void _updateWorek();
    void _updateEfekty();

    // More damage with more hits; a burst chest stays at its last frame.
    float getChestFrame() const;
    float bagX() const;
    float getWorekY() const;

    void drawBack() const;
    void drawFront() const;
    void drawWorek() const;
    void drawCover() const;

  private:
    TMainGame& game_;
};

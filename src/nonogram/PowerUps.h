// The six power-up slots of the main game: their charge from the profile's recharge clocks and their
// buttons; the sword and the medallion, which act at once; the eye, the map and the skull, which are held
// as tools until a cell takes them; and the cells each of them clears.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Dim.h"
#include "nonogram/FlyingBonus.h"
#include "nonogram/LevelHost.h"
#include "nonogram/Sword.h"

class TButton;
class TMainGame;
class TLevel;
class TTile;

// The recharge times of the slots and the places in the flow where they open, from the table at `path`
// (a missing or damaged table is reported; the slots then never charge).
void loadPowerUpTable(const std::string& path);

class TPowerUps {
  public:
    std::shared_ptr<TMiecz> miecz;  // the sword on its way, or null
    TFlyingBonusList flying;        // tools put back, flying to their slots

    explicit TPowerUps(TMainGame& game) : game_(game) {}
    TPowerUps(const TPowerUps&) = delete;
    TPowerUps& operator=(const TPowerUps&) = delete;

    // The recharge times and the places in the flow where the slots open, from "data/powerUps.dat"; the
    // pictures of the sword and the flying icons.
    void setup();

    // The slots' charge: the time since each recharge started against its full time.
    void _preparePowerUpStan();
    void _updatePowerUpStan();
    // Which buttons take clicks: unlocked and not waiting for their icon; a held tool's slot is empty.
    void _updateButtons();

    // A power-up button was clicked (2 sword, 3 medallion, 5 map, 4 eye, 6 skull).
    void useBonus(int kind);
    // A held tool flies back to its slot from the pointer.
    void resetBonus();
    void useMiecz();
    void useMedalion();
    void useOko(const TTile& tile);
    void useMapa(const TTile& tile);
    void useCzaha(const TTile& tile);
    // While the eye, the map or the skull is held: a right click puts it back, a click on its own slot
    // puts it away, a click on a cell uses it.
    void _updateHeldTool();

    int isBonusAvailable(int i) const;
    int isBonusFlying(int i) const;

    void _updateMiecz();
    void _drawMiecz() const;
    // The level is left: the sword and the flying icons go with it.
    void clear();

  private:
    TMainGame& game_;
    std::array<std::shared_ptr<TButton>, 6> slots_;  // "bonus1" .. "bonus6"
    std::shared_ptr<TButton> slot_(int k) const;
    float _charge(int k, int64_t now) const;
    void _putAway();  // back to the hand or hook, the click used up
};

// A button's rectangle (centred on its position) grown by 5 pixels on every side.
TDim biggerDim(const TDim& dim);
// The charge 0..1 of a slot whose recharge started at `start`, `now`, with full time `full` ms. A start in
// the future counts as just started; a slot without a positive time never charges.
float powerUpCharge(int64_t start, int64_t now, int full);

// Untouched picture cells / untouched empty cells of the level, row by row.
std::vector<std::shared_ptr<TTile>> getTilesList(const TLevel& level);
std::vector<std::shared_ptr<TTile>> getXList(const TLevel& level);
// Up to n distinct cells drawn at random from `cells`, in the order drawn.
std::vector<std::shared_ptr<TTile>> getRandomTilesList(std::vector<std::shared_ptr<TTile>> cells, int n);
// The cells the eye (a column), the skull (a row) and the map (3 x 3 inside the grid) reveal at (r, c).
std::vector<std::shared_ptr<TTile>> toolCells(const TLevel& level, TTool tool, int r, int c);

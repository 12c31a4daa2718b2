// The four scarab hint slots of the main game: a full slot clears two cells the right way when clicked; a
// spent one is filled again, a twentieth at a time, by the treasures the player uncovers.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "core/Dim.h"
#include "engine/Engine.h"
#include "nonogram/FlyingHint.h"

class TMainGame;
class TLevel;
class TTile;

class THints {
  public:
    static constexpr int kSlots = 4;
    static constexpr int kChargesPerSlot = 20;

    std::array<TDim, kSlots> animDim;             // slot centres
    std::array<int, kSlots> hintUsed{};           // 1 while the slot is spent
    std::array<float, kSlots> hintT{}, dhintT{};  // shown fill and its target
    std::array<int, kSlots> charges{};            // charges landed in a spent slot
    std::array<int, kSlots> pending{};            // charges on their way to it
    int overHint = 0;                             // the usable slot under the mouse, from 1; 0 for none
    eng::Image normalScarab, shellOver;
    TFlyingHintList flying;

    explicit THints(TMainGame& game);
    THints(const THints&) = delete;
    THints& operator=(const THints&) = delete;

    void setupImages();
    // A level starts: its spent slots stay spent, every slot is drawn empty and the usable ones fill up.
    void _prepareHints(const TLevel& level);
    void _updateHints();
    void _drawHints() const;
    void useHint(int slot);
    int canBeHint() const;
    // Some spent slot still waits for charges (counting those on their way).
    int isHintUnloaded() const;
    // The first such slot (0 when there is none) and its centre.
    int getFreeHintDimNumber() const;
    TDim getFreeHintDim() const;
    // A treasure came out of `tile`: a charge flies from it to the first slot that waits for one.
    void chargeFrom(const TTile& tile);
    // A charge arrived: twenty of them make the slot usable again.
    void loadUpHint(int slot);
    // The level is left: no flight outlives it.
    void clear();

  private:
    TMainGame& game_;
};

// The cells a hint may clear: not cleared yet and not the target of a hint already on its way; picture cells
// and empty ones apart, row by row.
void hintCandidates(const TLevel& level, const TFlyingHintList& flying,
                    std::vector<std::shared_ptr<TTile>>& pictures,
                    std::vector<std::shared_ptr<TTile>>& empties);
// Two cells when there are: one or two picture cells (an even chance), empty cells for the rest, picture
// cells again when no empty one is left. The chosen ones leave the candidate lists.
std::vector<std::shared_ptr<TTile>> chooseHintCells(std::vector<std::shared_ptr<TTile>>& pictures,
                                                    std::vector<std::shared_ptr<TTile>>& empties);
// Moves a random element of `src` to the end of `dest`; nothing when `src` is empty.
void addRandomTile(std::vector<std::shared_ptr<TTile>>& dest, std::vector<std::shared_ptr<TTile>>& src);

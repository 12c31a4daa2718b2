// The scarab hint slots: their fill, a click on a full one, the charges from treasures and their drawing.
#include "nonogram/Hints.h"

#include <algorithm>

#include "audio/GlobalSnd.h"
#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "gui/Mouse.h"
#include "nonogram/Level.h"
#include "nonogram/MainGame.h"
#include "nonogram/MainGamePictures.h"
#include "progress/Profile.h"

using namespace eng;

namespace {

constexpr float kSlotW = 50, kSlotH = 58;  // the hover area of a slot

}  // namespace

void addRandomTile(std::vector<std::shared_ptr<TTile>>& dest, std::vector<std::shared_ptr<TTile>>& src) {
    if (src.empty()) return;
    const int k = Rand(1, static_cast<int>(src.size())) - 1;
    dest.push_back(src[k]);
    src.erase(src.begin() + k);
}

void hintCandidates(const TLevel& level, const TFlyingHintList& flying,
                    std::vector<std::shared_ptr<TTile>>& pictures,
                    std::vector<std::shared_ptr<TTile>>& empties) {
    pictures.clear();
    empties.clear();
    auto targeted = [&flying](const TTile* t) {
        for (const auto& h : flying)
            if (!h->reverse && h->tile.get() == t) return true;
        return false;
    };
    for (const auto& row : level.tile)
        for (const auto& t : row) {
            if (!t || t->isCleared() || targeted(t.get())) continue;
            (t->isPicture() ? pictures : empties).push_back(t);
        }
}

std::vector<std::shared_ptr<TTile>> chooseHintCells(std::vector<std::shared_ptr<TTile>>& pictures,
                                                    std::vector<std::shared_ptr<TTile>>& empties) {
    std::vector<std::shared_ptr<TTile>> chosen;
    const int n = Rand(1, 2);
    for (int i = 0; i < n; ++i) addRandomTile(chosen, pictures);
    for (int i = 0; i < 2; ++i)
        if (chosen.size() < 2) addRandomTile(chosen, empties);
    if (chosen.size() < 2) addRandomTile(chosen, pictures);
    return chosen;
}

THints::THints(TMainGame& game) : game_(game) {
    const float at[kSlots][2] = {{840, 630}, {945, 630}, {840, 690}, {945, 690}};
    for (int i = 0; i < kSlots; ++i) {
        animDim[i].x = at[i][0];
        animDim[i].y = at[i][1];
    }
}

void THints::setupImages() {
    shellOver = mainGamePicture("shell-over.png");
    if (shellOver) SetImageHandle(shellOver, ImageWidth(shellOver) / 2 + 2, ImageHeight(shellOver) / 2 + 2);
    normalScarab = mainGamePicture("scarabNormal.png", true);
}

void THints::_prepareHints(const TLevel& level) {
    for (int i = 0; i < kSlots; ++i) {
        hintUsed[i] = level.hintUsed[i] ? 1 : 0;
        hintT[i] = dhintT[i] = 0;
        charges[i] = pending[i] = 0;
    }
    overHint = 0;
}

int THints::canBeHint() const {
    return game_.level && !game_.level->levelCompleted ? 1 : 0;
}

void THints::_updateHints() {
    const int a = canBeHint();
    overHint = 0;
    for (int i = 0; i < kSlots; ++i) {
        if (a) {
            const bool over =
                mouse && mouse->inRect(static_cast<float>(static_cast<int>(animDim[i].x - kSlotW / 2)),
                                       static_cast<float>(static_cast<int>(animDim[i].y - kSlotH / 2)),
                                       kSlotW, kSlotH);
            if (over && hintUsed[i] == 0) {
                overHint = i + 1;
                if (mouse->leftPressed) {
                    useHint(i);
                    dhintT[i] = 0;
                }
            } else if (hintUsed[i] == 0) {
                dhintT[i] = 1;
            }
        }
        approach(hintT[i], dhintT[i], 0.05f);
    }
}

void THints::useHint(int slot) {
    if (slot < 0 || slot >= kSlots || !game_.level) return;
    TLevel& level = *game_.level;
    if (globalSnd) globalSnd->playMySound("hint");
    std::vector<std::shared_ptr<TTile>> pictures, empties;
    hintCandidates(level, flying, pictures, empties);
    hintUsed[slot] = 1;
    charges[slot] = 0;
    level.hintUsed[slot] = 1;
    TProfile& p = game_.profile();
    p.hintsUsedOnLevel += 1;
    p.hintsUsed += 1;
    const float sx = static_cast<float>(static_cast<int>(animDim[slot].x));
    const float sy = static_cast<float>(static_cast<int>(animDim[slot].y));
    for (const auto& cell : chooseHintCells(pictures, empties))
        startHintFlight(cell, sx, sy, static_cast<float>(static_cast<int>(cell->dim.x)),
                        static_cast<float>(static_cast<int>(cell->dim.y)), flying, game_.fx.particles);
    game_.useHintsN += 1;
}

int THints::isHintUnloaded() const {
    for (int i = 0; i < kSlots; ++i)
        if (hintUsed[i] && charges[i] + pending[i] < kChargesPerSlot) return 1;
    return 0;
}

int THints::getFreeHintDimNumber() const {
    for (int i = 0; i < kSlots; ++i)
        if (hintUsed[i] && charges[i] + pending[i] < kChargesPerSlot) return i;
    return 0;
}

TDim THints::getFreeHintDim() const {
    return animDim[getFreeHintDimNumber()];
}

void THints::chargeFrom(const TTile& tile) {
    if (!isHintUnloaded()) return;
    const int slot = getFreeHintDimNumber();
    const TDim to = animDim[slot];
    pending[slot] += 1;
    startHintCharge(static_cast<float>(static_cast<int>(tile.dim.x)),
                    static_cast<float>(static_cast<int>(tile.dim.y)),
                    static_cast<float>(static_cast<int>(to.x)), static_cast<float>(static_cast<int>(to.y)),
                    slot, *this, flying, game_.fx.particles);
}

// Charges are counted whole, so twenty of them always refill the slot.
void THints::loadUpHint(int slot) {
    if (slot < 0 || slot >= kSlots) return;
    pending[slot] = std::max(0, pending[slot] - 1);
    if (!hintUsed[slot]) return;
    charges[slot] += 1;
    dhintT[slot] = static_cast<float>(charges[slot]) / kChargesPerSlot;
    if (charges[slot] >= kChargesPerSlot) {
        dhintT[slot] = 1;
        hintUsed[slot] = 0;
        charges[slot] = 0;
        // The level in progress keeps the slot usable too, should it be saved and resumed.
        if (game_.level) game_.level->hintUsed[slot] = 0;
    }
}

void THints::clear() {
    flying.clear();
    for (int i = 0; i < kSlots; ++i) pending[i] = 0;
}

void THints::_drawHints() const {
    resetDrawState();
    for (int i = 0; i < kSlots; ++i) {
        const float x = animDim[i].x, y = animDim[i].y;
        if (overHint == i + 1 && dhintT[i] != 0) {
            if (shellOver) DrawImage(shellOver, x + 1, y + 1);
            continue;
        }
        if (!normalScarab) continue;
        SetAlpha(0.35f);
        DrawImage(normalScarab, x, y);
        SetAlpha(1);
        const float w = static_cast<float>(ImageWidth(normalScarab)),
                    h = static_cast<float>(ImageHeight(normalScarab));
        const float t = std::clamp(hintT[i], 0.0f, 1.0f);
        if (t > 0)
            DrawSubImageRect(normalScarab, x, y + h * (1 - t), w, h * t, 0, h * (1 - t), w, h * t, w / 2,
                             h / 2, 0);
    }
    resetDrawState();
    game_.hud.drawHintsLabel();
}

// The power-up slots: recharge, buttons, the six power-ups and the cells they clear.
#include "nonogram/PowerUps.h"

#include <algorithm>

#include "audio/GlobalSnd.h"
#include "core/Globals.h"
#include "effects/ParticleEffects.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "gui/Button.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "nonogram/Level.h"
#include "nonogram/MainGame.h"
#include "nonogram/RevealEmitter.h"
#include "progress/Profile.h"

using namespace eng;

namespace {

void playSound(const char* id) {
    if (globalSnd) globalSnd->playMySound(id);
}

// The held tool's icon kind and its own slot: the icon flies back to that slot, and a click on it puts
// the tool away.
struct THeld {
    int icon = 0, slot = 0;
};
THeld heldOf(TTool tool) {
    switch (tool) {
        case TTool::EYE:
            return {3, 4};
        case TTool::MAP:
            return {2, 3};
        case TTool::SKULL:
            return {4, 5};
        default:
            return {};
    }
}

bool isPowerUpTool(TTool t) {
    return t == TTool::EYE || t == TTool::MAP || t == TTool::SKULL;
}

}  // namespace

// ---------------------------------------------------------------- cells

std::vector<std::shared_ptr<TTile>> getTilesList(const TLevel& level) {
    std::vector<std::shared_ptr<TTile>> out;
    for (const auto& row : level.tile)
        for (const auto& t : row)
            if (t && t->isPicture() && t->state == TTileState::NONE && !t->isCleared()) out.push_back(t);
    return out;
}

std::vector<std::shared_ptr<TTile>> getXList(const TLevel& level) {
    std::vector<std::shared_ptr<TTile>> out;
    for (const auto& row : level.tile)
        for (const auto& t : row)
            if (t && t->td && !t->isPicture() && t->state == TTileState::NONE && !t->isCleared())
                out.push_back(t);
    return out;
}

std::vector<std::shared_ptr<TTile>> getRandomTilesList(std::vector<std::shared_ptr<TTile>> cells, int n) {
    std::vector<std::shared_ptr<TTile>> out;
    while (static_cast<int>(out.size()) < n && !cells.empty()) {
        const int k = Rand(1, static_cast<int>(cells.size())) - 1;
        out.push_back(cells[k]);
        cells.erase(cells.begin() + k);
    }
    return out;
}

std::vector<std::shared_ptr<TTile>> toolCells(const TLevel& level, TTool tool, int r, int c) {
    std::vector<std::shared_ptr<TTile>> out;
    auto add = [&](int i, int j) {
        if (auto t = level.tileAt(i, j)) out.push_back(t);
    };
    if (tool == TTool::EYE)
        for (int i = 0; i < level.rows; ++i) add(i, c);
    if (tool == TTool::SKULL)
        for (int j = 0; j < level.cols; ++j) add(r, j);
    if (tool == TTool::MAP)
        for (int i = r - 1; i <= r + 1; ++i)
            for (int j = c - 1; j <= c + 1; ++j) add(i, j);
    return out;
}

TDim biggerDim(const TDim& dim) {
    TDim d = *createDim(static_cast<int>(dim.x - dim.w / 2 - 5), static_cast<int>(dim.y - dim.h / 2 - 5),
                        static_cast<int>(dim.w + 10), static_cast<int>(dim.h + 10));
    d.update();
    return d;
}

float powerUpCharge(int64_t start, int64_t now, int full) {
    if (full <= 0) return 0;
    const int64_t d = std::clamp<int64_t>(now - start, 0, full);
    return std::clamp(static_cast<float>(d) / static_cast<float>(full), 0.0f, 1.0f);
}

// ---------------------------------------------------------------- set-up and charge

void loadPowerUpTable(const std::string& path) {
    TRCMFile file;
    if (!file.Load(path)) Warn("cannot read " + path + ": the power-ups never charge");
    for (int k = 1; k <= 6; ++k) {
        const std::string key = "powerUps::powerUp" + std::to_string(k);
        TProfile::maxCzasPowerUpow[k - 1] = readInt(file, key + "::time");
        if (TProfile::maxCzasPowerUpow[k - 1] <= 0 && k < 6)
            Warn(path + ": power-up " + std::to_string(k) + " has no positive time and never charges");
        if (hasKey(file, key + "::stage"))
            TProfile::unlockAt[k - 1] = {readInt(file, key + "::stage"), readInt(file, key + "::level")};
    }
}

void TPowerUps::setup() {
    loadPowerUpTable(programPrefix + "data/powerUps.dat");
    loadSwordImage();
    loadFlyingBonusImages();
    // The slots' buttons, looked up once: their charge and states change every frame.
    for (int k = 1; k <= 6; ++k)
        slots_[k - 1] =
            game_.Gui ? std::dynamic_pointer_cast<TButton>(game_.Gui->getItem("bonus" + std::to_string(k)))
                      : nullptr;
}

std::shared_ptr<TButton> TPowerUps::slot_(int k) const {
    return k >= 1 && k <= 6 ? slots_[k - 1] : nullptr;
}

// A start in the future (a clock set back, an edited file) counts as just started; the bag is always full.
float TPowerUps::_charge(int k, int64_t now) const {
    TProfile& p = game_.profile();
    if (p.czas[k - 1] > now) p.czas[k - 1] = now;
    return k == 6 ? 1.0f : powerUpCharge(p.czas[k - 1], now, TProfile::maxCzasPowerUpow[k - 1]);
}

void TPowerUps::_preparePowerUpStan() {
    const int64_t now = MilliSecs();
    for (int k = 1; k <= 6; ++k)
        if (auto b = slot_(k)) b->stan = _charge(k, now);
}

void TPowerUps::_updatePowerUpStan() {
    const TProfile& p = game_.profile();
    const int64_t now = MilliSecs();
    for (int k = 1; k <= 6; ++k) {
        auto b = slot_(k);
        if (!b) continue;
        const float old = b->stan;
        b->stan = _charge(k, now);
        if (k < 6 && p.unlocked[k - 1] && b->stan >= 1 && old < 1) {
            for (int i = 0; i < 25; ++i) blueBurst(b->dim->x, b->dim->y, game_.fx.particles);
            playSound("bonus_loadup");
        }
    }
}

void TPowerUps::_updateButtons() {
    if (isPowerUpTool(game_.hand)) {
        if (auto b = slot_(heldOf(game_.hand).slot)) b->setState(0, 0);
        return;
    }
    for (int k = 1; k <= 5; ++k) {
        auto b = slot_(k);
        if (!b) continue;
        const bool on = isBonusAvailable(k - 1) && !isBonusFlying(k - 1);
        // Clicks count only while the level is played; the button looks ready all the same.
        b->setState(1, on && game_.state == TGameState::NORMAL ? 1 : 0);
        b->_alpha = b->_dAlpha = on ? 1.0f : 0.3f;
    }
}

int TPowerUps::isBonusAvailable(int i) const {
    return i >= 0 && i < 6 && game_.profile().unlocked[i] ? 1 : 0;
}

int TPowerUps::isBonusFlying(int i) const {
    for (const auto& f : flying)
        if (f->n + 1 == i + 1) return 1;
    return 0;
}

// ---------------------------------------------------------------- use

void TPowerUps::useBonus(int kind) {
    if (game_.state != TGameState::NORMAL) return;
    if (isPowerUpTool(game_.hand)) resetBonus();
    if (kind == 3) useMedalion();
    if (kind == 2) useMiecz();
    if (kind == 4 || kind == 5 || kind == 6) game_.setHand(static_cast<TTool>(kind));
}

void TPowerUps::resetBonus() {
    const THeld held = heldOf(game_.hand);
    if (held.slot && game_.Gui && mouse)
        startFlyingBonus(held.icon, static_cast<float>(mouse->x), static_cast<float>(mouse->y), *game_.Gui,
                         flying);
    _putAway();
}

void TPowerUps::_putAway() {
    game_.setProperHand();
    if (mouse) mouse->clear();
    // The button that used or put away the tool is still down: it must come up before the hand or the
    // hook can start a move.
    game_.drag.cancel();
}

void TPowerUps::useMiecz() {
    if (!game_.level) return;
    playSound("bonus_sword");
    auto cells = getRandomTilesList(getXList(*game_.level), 6);
    float sx = 0, sy = 0;
    if (auto b = slot_(1)) {
        sx = b->dim->x;
        sy = b->dim->y;
    }
    miecz = startSword(std::move(cells), sx, sy, game_.level, game_.fx);
    game_.useMieczN += 1;
    game_.profile().tempUseOfSword += 1;
    game_.profile().usePowerUp(1);
}

void TPowerUps::useMedalion() {
    if (!game_.level) return;
    playSound("bonus_medalion");
    float px = 0, py = 0;
    if (auto b = slot_(2)) {
        px = b->dim->x;
        py = b->dim->y;
    }
    int k = 0;
    for (const auto& cell : getRandomTilesList(getTilesList(*game_.level), 6))
        medallionTrail(px, py, cell->dim.x, cell->dim.y, 300 * k++, game_.level, *cell, game_.fx.emitters,
                       game_.fx.particles);
    game_.useMedalionN += 1;
    game_.profile().tempUseOfMedalion += 1;
    game_.profile().usePowerUp(2);
}

void TPowerUps::useOko(const TTile& tile) {
    playSound("bonus_eye");
    for (const auto& t : toolCells(*game_.level, TTool::EYE, tile.r, tile.c)) t->reveal();
    game_.useOkoN += 1;
    game_.profile().tempUseOfEye += 1;
    game_.profile().usePowerUp(4);
}

void TPowerUps::useCzaha(const TTile& tile) {
    playSound("bonus_skull");
    for (const auto& t : toolCells(*game_.level, TTool::SKULL, tile.r, tile.c)) t->reveal();
    game_.useCzaszkaN += 1;
    game_.profile().tempUseOfSkull += 1;
    game_.profile().usePowerUp(5);
}

void TPowerUps::useMapa(const TTile& tile) {
    playSound("bonus_map");
    for (const auto& t : toolCells(*game_.level, TTool::MAP, tile.r, tile.c)) t->reveal();
    game_.useMapaN += 1;
    game_.profile().tempUseOfMap += 1;
    game_.profile().usePowerUp(3);
}

void TPowerUps::_updateHeldTool() {
    const TTool tool = game_.hand;
    const THeld held = heldOf(tool);
    if (!held.slot || !mouse || !game_.level) return;
    if (mouse->rightPressed) {
        if (game_.Gui)
            startFlyingBonus(held.icon, static_cast<float>(mouse->x), static_cast<float>(mouse->y),
                             *game_.Gui, flying);
        _putAway();
        return;
    }
    const std::shared_ptr<TTile> over = game_.overTile;
    if (mouse->leftPressed && !over) {
        auto b = slot_(held.slot);
        if (b && mouse->inDim(biggerDim(*b->dim))) _putAway();
        return;
    }
    if (over && mouse->leftPressed) {
        if (tool == TTool::EYE) useOko(*over);
        if (tool == TTool::MAP) useMapa(*over);
        if (tool == TTool::SKULL) useCzaha(*over);
        _putAway();
    }
}

// ---------------------------------------------------------------- the sword and leaving

void TPowerUps::_updateMiecz() {
    if (!miecz) return;
    const auto keep = miecz;
    keep->update();
    if (keep->gone() && miecz == keep) miecz = nullptr;
}

void TPowerUps::_drawMiecz() const {
    if (miecz) miecz->draw();
}

void TPowerUps::clear() {
    miecz = nullptr;
    flying.clear();
}

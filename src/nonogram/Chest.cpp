// The chest, the bag and the stones: throwing, catching, hitting, bursting, and their pictures.
#include "nonogram/Chest.h"

#include <algorithm>
#include <string>

#include "audio/GlobalSnd.h"
#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "effects/ParticleEffects.h"
#include "gui/Gui.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/MainGame.h"
#include "nonogram/MainGamePictures.h"
#include "progress/Profile.h"

using namespace eng;

namespace {

void playSound(const std::string& id) {
    if (globalSnd) globalSnd->playMySound(id);
}

}  // namespace

void TChest::setup() {
    chest[0] = mainGameStrip("chest-back.png", 167, 144, 6);
    chest[1] = mainGameStrip("chest-front.png", 166, 90, 6);
    chestNormal = mainGamePicture("chest.pnt");
    chestCover = mainGamePicture("chest-cover.png");
    worek = mainGamePicture("worek.png", true, FILTEREDIMAGE | MIPMAPPEDIMAGE);
    worekPoint = mainGamePicture("punkt.png", true);
    for (int i = 0; i < kChestPieceCount; ++i) {
        chestFallImg[i] =
            loadImageOrWarn(programPrefix + "gfx/particles/chest/part-" + std::to_string(i + 1) + ".png");
        if (chestFallImg[i]) MidHandleImage(chestFallImg[i]);
    }
    for (int i = 0; i < kChestPieceCount; ++i) {
        const Image& img = chestFallImg[i];
        chestDim[i].x = kChestPieceCorners[i][0] + (img ? ImageWidth(img) / 2 : 0);
        chestDim[i].y = kChestPieceCorners[i][1] + (img ? ImageHeight(img) / 2 : 0);
    }
}

void TChest::restartWorek() {
    worekAdY = dWorekAdY = 0;
    if (game_.Gui)
        if (auto bag = game_.Gui->getItem("bonus6")) bag->setState(game_.bagOwned() ? 1 : 0, 0);
}

void TChest::wyslijKamien(TTile& tile) {
    if (!game_.level) return;
    const int size = game_.level->size;
    if (game_.bagOwned() && kamieniWWorkuNieDosc()) {
        auto s = startStone(game_, 0, tile.dim.x, tile.dim.y, bagX(), getWorekY(), size);
        s->gotoworek = 1;
        return;
    }
    const TDim& target = chestDim[Rand(0, kChestPieceCount - 1)];
    startStone(game_, 0, tile.dim.x, tile.dim.y, target.x, target.y, size);
}

int TChest::kamieniWWorkuNieDosc() const {
    return (game_.profile().kamienieWWorku + stonesFlyingToBag(game_.fx.stones) < maxKamieni) ? 1 : 0;
}

void TChest::uszkodzSkrzynie() {
    if (game_.won()) return;
    TProfile& p = game_.profile();
    ++p.mistakes;
    if (game_.lost()) return;
    playSound("chest_hit_" + std::to_string(Rand(1, 3)));
    if (game_.level && p.mistakes > game_.level->maxMistakes) {
        game_.LOSE();
        playSound("chest_blow");
    }
}

void TChest::stoneInBag() {
    if (game_.won()) return;
    ++game_.profile().kamienieWWorku;
    checkWorek();
    playSound("bonus_bag");
}

void TChest::checkWorek() {
    auto bag = game_.Gui ? game_.Gui->getItem("bonus6") : nullptr;
    if (game_.profile().kamienieWWorku != maxKamieni || !bag || !bag->_v) return;
    const float x = bag->dim->x, y = bag->dim->y;
    startDebris(worek, x, getWorekY(), x + 100, y + 100, x + 50, y + 50, 0, game_.fx.debris);
    bag->setState(0, 0);
}

void TChest::burst() {
    for (int i = 0; i < kChestPieceCount; ++i) {
        const float x = chestDim[i].x, y = chestDim[i].y;
        const bool low = Rand(0, 1) == 1;
        startChestPiece(chestFallImg[i], x, y, x - 200, y + 700, low ? x : x - 200, low ? y + 700 : y, 0,
                        game_.fx.debris);
    }
}

void TChest::_updateWorek() {
    if (!game_.bagOwned()) return;
    dWorekAdY = stonesFlyingToBag(game_.fx.stones) > 0 ? 1.0f : 0.0f;
    approach(worekAdY, dWorekAdY, 0.03f);
}

void TChest::_updateEfekty() {
    const int64_t now = MilliSecs();
    if (!game_.level || now < efektTime) return;
    efektTime = now + 500;
    for (const auto& t : game_.level->flyingTresures)
        if (t->myEnd && Rand(1, 10) == 1)
            treasureSparkle(t->x + Rand(-10, 10), t->y + Rand(-10, 10), particleSkarbu);
}

float TChest::getChestFrame() const {
    const int tolerance = game_.level ? std::max(game_.level->maxMistakes, 1) : 1;
    return std::min(5.0f * game_.profile().mistakes / tolerance, 5.0f);
}

float TChest::bagX() const {
    auto bag = game_.Gui ? game_.Gui->getItem("bonus6") : nullptr;
    return bag ? bag->dim->x : 664;
}

float TChest::getWorekY() const {
    auto bag = game_.Gui ? game_.Gui->getItem("bonus6") : nullptr;
    const float y = bag ? bag->dim->y : 722;
    return y - 50 * static_cast<float>(Sin(90 * worekAdY));
}

void TChest::drawBack() const {
    if (game_.lost()) return;
    resetDrawState();
    drawClampedFrame(chest[0], 822, 413, getChestFrame());
}

void TChest::drawFront() const {
    if (game_.lost()) return;
    drawClampedFrame(chest[1], 822, 467, getChestFrame());
}

void TChest::drawWorek() const {
    auto bag = game_.Gui ? game_.Gui->getItem("bonus6") : nullptr;
    const int stones = game_.profile().kamienieWWorku;
    if (!game_.bagOwned() || stones > 3 || !bag || !bag->_v) return;
    const float x = bagX(), y = getWorekY();
    if (worek) DrawImage(worek, x, y);
    for (int i = 1; i <= maxKamieni - stones; ++i)
        if (worekPoint) DrawImage(worekPoint, x - 23 + i * 12, y + 30);
}

void TChest::drawCover() const {
    resetDrawState();
    if (chestCover) DrawImage(chestCover, 816, 467);
}

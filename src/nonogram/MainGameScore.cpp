// Scoring, the time tick, mistakes, the chest and the bag of the main game.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "audio/GlobalSnd.h"
#include "core/DeltaTime.h"
#include "gui/Gui.h"
#include "nonogram/Caption.h"
#include "nonogram/Debris.h"
#include "nonogram/MainGame.h"
#include "nonogram/Stone.h"
#include "nonogram/TextCaption.h"
#include "progress/Profile.h"

using namespace eng;

namespace {

void playSound(const std::string& id) {
    if (globalSnd) globalSnd->playMySound(id);
}

bool won(const std::string& state) {
    return state == "WIN-1" || state == "WIN";
}

}  // namespace

void TMainGame::addScore(float points, float x, float y) {
    if (state == "WIN" || !level) return;
    const float award = points * mnoznik;
    startScorePopup(0, static_cast<int>(award), x, y, 0, level->size, nullptr);
    level->score = static_cast<int>(level->score + award);
}

void TMainGame::_updateTime() {
    const int64_t now = MilliSecs();
    if (now > gameTime) {
        gameTime = now + 1000;
        if (level) ++level->czas;
    }
    // The mistakes counter blinks while the next mistake would burst the chest.
    if (mistakeSpecA >= 1) dMistakeSpecA = 0;
    if (mistakeSpecA <= 0) dMistakeSpecA = 1;
    approach(mistakeSpecA, dMistakeSpecA, 0.05f);
}

void TMainGame::wyslijKamien(TTile& tile) {
    if (!level) return;
    const int size = level->size;
    if (_bagOwned() && kamieniWWorkuNieDosc()) {
        auto s = startStone(0, tile.dim.x, tile.dim.y, bagX(), getWorekY(), size);
        s->gotoworek = 1;
        return;
    }
    const TDim& target = chestDim[Rand(0, 18)];
    startStone(0, tile.dim.x, tile.dim.y, target.x, target.y, size);
}

int TMainGame::kamieniWWorkuNieDosc() const {
    return (profile().kamienieWWorku + stonesFlyingToBag() < maxKamieni) ? 1 : 0;
}

// A stone hit the chest. Once the level is won, stones still in the air change nothing.
void TMainGame::uszkodzSkrzynie() {
    if (won(state)) return;
    TProfile& p = profile();
    ++p.mistakes;
    if (state == "LOSE" || state == "LOSE-END") return;
    playSound("chest_hit_" + std::to_string(Rand(1, 3)));
    if (level && p.mistakes > level->maxMistakes) {
        LOSE();
        playSound("chest_blow");
    }
}

void TMainGame::stoneInBag() {
    if (won(state)) return;
    ++profile().kamienieWWorku;
    checkWorek();
    playSound("bonus_bag");
}

// A full bag flies away; later stones go to the chest.
void TMainGame::checkWorek() {
    auto bag = Gui ? Gui->getItem("bonus6") : nullptr;
    if (profile().kamienieWWorku != maxKamieni || !bag || !bag->_v) return;
    const float x = bag->dim->x, y = bag->dim->y;
    startDebris(worek, x, getWorekY(), x + 100, y + 100, x + 50, y + 50, 0);
    bag->setState(0, 0);
}

void TMainGame::restartWorek() {
    worekAdY = dWorekAdY = 0;
    if (Gui)
        if (auto bag = Gui->getItem("bonus6")) bag->setState(_bagOwned() ? 1 : 0, 0);
}

void TMainGame::_updateWorek() {
    if (!_bagOwned()) return;
    dWorekAdY = stonesFlyingToBag() > 0 ? 1.0f : 0.0f;
    approach(worekAdY, dWorekAdY, 0.03f);
}

// More damage with more hits; the burst chest stays at its last frame.
float TMainGame::getChestFrame() const {
    const int tolerance = level ? std::max(level->maxMistakes, 1) : 1;
    return std::min(5.0f * profile().mistakes / tolerance, 5.0f);
}

float TMainGame::bagX() const {
    auto bag = Gui ? Gui->getItem("bonus6") : nullptr;
    return bag ? bag->dim->x : 664;
}

float TMainGame::getWorekY() const {
    auto bag = Gui ? Gui->getItem("bonus6") : nullptr;
    const float y = bag ? bag->dim->y : 722;
    return y - 50 * static_cast<float>(Sin(90 * worekAdY));
}

std::string TMainGame::getScoreString() const {
    std::string s = std::to_string(level ? level->score : 0);
    if (s.size() < 8) s.insert(0, 8 - s.size(), '0');
    return s;
}

std::string TMainGame::getTimeString(int seconds) {
    seconds = std::max(seconds, 0);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60, seconds % 60);
    return text;
}

std::string TMainGame::getMnoznikString() const {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", static_cast<double>(mnoznik));
    std::string s = text;
    const size_t dot = s.find('.');
    return dot == std::string::npos ? s : s.substr(0, dot + 2);
}

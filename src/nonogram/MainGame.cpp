// The main game screen's play state as the cells and clue numbers see it: the cell under the mouse, the
// drag, the last move and the score.
#include "nonogram/MainGame.h"

#include "nonogram/TextCaption.h"

using namespace eng;

std::shared_ptr<TMainGame> mainGame;

TMainGame::TMainGame() {
    id = "MAIN-GAME";
}

void TMainGame::setState(const std::string& name) {
    state = Upper(name);
}

int TMainGame::getOverUp() const {
    return overTile ? overTile->c : -1;
}

int TMainGame::getOverLeft() const {
    return overTile ? overTile->r : -1;
}

int TMainGame::isHoldedPionowo() const {
    return (firstHoldedTile && lastHoldedTile && firstHoldedTile->r != lastHoldedTile->r) ? 1 : 0;
}

int TMainGame::getOverUp2() const {
    if (tilesyHolded.size() > 1 && firstHoldedTile) {
        if (isHoldedPionowo()) return firstHoldedTile->c;
        return -1;
    }
    return getOverUp();
}

int TMainGame::getOverLeft2() const {
    if (tilesyHolded.size() > 1 && firstHoldedTile) {
        if (!isHoldedPionowo()) return firstHoldedTile->r;
        return -1;
    }
    return getOverLeft();
}

void TMainGame::addScore(float points, float x, float y) {
    if (state == "WIN" || !level) return;
    const float award = points * mnoznik;
    startScorePopup(0, static_cast<int>(award), x, y, 0, level->size, nullptr);
    level->score = static_cast<int>(level->score + award);
}

// A wrong move's stone flies once the chest and the bag are on screen.
void TMainGame::wyslijKamien(TTile&) {}
// The tutorial's tool tips appear with the tutorial.
void TMainGame::showTipToBroke(TTile&) {}
void TMainGame::showTipToUncover(TTile&) {}
// Hint slots arrive with the power-ups; until then no slot waits to be loaded.
int TMainGame::isHintUnloaded() const {
    return 0;
}
bool TMainGame::getFreeHintDim(TDim&) const {
    return false;
}
void TMainGame::startFlyingHint(TTile&, const TDim&) {}

// Scoring and the time of the main game.
#include <algorithm>
#include <cstdio>

#include "nonogram/MainGame.h"
#include "nonogram/TextCaption.h"

using namespace eng;

void TMainGame::addScore(float points, float x, float y) {
    if (state == TGameState::WIN || !level) return;
    const float award = points * mnoznik;
    // The cells of a dragged line pay 50 ms apart: their points gather in one popup showing the running
    // total, which stays where the line began, instead of a chain of overlapping "+25"s.
    const int64_t now = MilliSecs();
    auto running = runningPopup.lock();
    // The caption list owns its popups: one that has left it has expired.
    if (running && now - runningPopupTime <= 300) {
        running->v += static_cast<int>(award);
        running->countValue();
        running->a = 1;
    } else {
        runningPopup = startScorePopup(0, static_cast<int>(award), x, y, 0, level->size, fx.captions);
    }
    runningPopupTime = now;
    level->score = static_cast<int>(level->score + award);
}

void TMainGame::_updateTime() {
    const int64_t now = MilliSecs();
    if (now > gameTime) {
        gameTime = now + 1000;
        if (level) ++level->czas;
    }
    hud._updateBlink();
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

// The tutorial's start conditions, erase conditions and actions.
#include <cstdlib>

#include "core/Globals.h"
#include "gui/Mouse.h"
#include "nonogram/Level.h"
#include "progress/Profile.h"
#include "screen/Ekran.h"
#include "tutorial/Tutorial.h"

using namespace eng;

namespace {

// Word `i` as a whole number; a missing word reads as 0.
int num(const TWords& w, size_t i) {
    return i < w.size() ? std::atoi(w[i].c_str()) : 0;
}
std::string word(const TWords& w, size_t i) {
    return i < w.size() ? Upper(w[i]) : std::string();
}

}  // namespace

bool TTutorial::conditionHolds(const TTutorialTip& tip, const TWords& c) const {
    if (c.empty()) return true;
    const TProfile* p = profile ? profile() : nullptr;
    // A tip of a level starts only on that level, whatever its conditions say.
    if (tip.numerLevelu != 0 && (!p || p->numerLevelu != tip.numerLevelu)) return false;
    const std::string key = word(c, 0);
    if (key == "FADE")
        return ekr && ekr->fade == static_cast<float>(std::atof(c.size() > 1 ? c[1].c_str() : "0"));
    if (key == "TIP-EXECUTED") return !p || p->IDontHaveTip(word(c, 1));
    if (key == "LEVEL") return p && p->numerLevelu == num(c, 1);
    if (key == "POWER-UP-UNLOCKED") {
        const int k = num(c, 1);
        return p && k >= 0 && k <= 5 && p->unlocked[k] != 0;
    }
    return false;
}

bool TTutorial::eraseHolds(const TWords& c) const {
    const std::string key = word(c, 0);
    if (key == "MOUSE") {
        if (!mouse) return false;
        const std::string which = word(c, 1);
        const bool clicked = which == "LEFT"    ? mouse->leftPressed != 0
                             : which == "RIGHT" ? mouse->rightPressed != 0
                                                : (mouse->leftPressed || mouse->rightPressed);
        // The click ends the tip and does nothing else.
        if (clicked) {
            mouse->clear();
            FlushMouse();
        }
        return clicked;
    }
    TLevel* level = grid ? grid() : nullptr;
    if (!level) return false;
    if (key == "ROW-CLEAR") return num(c, 1) >= 0 && num(c, 1) < level->rows && level->rowClear(num(c, 1));
    if (key == "COL-CLEAR") return num(c, 1) >= 0 && num(c, 1) < level->cols && level->colClear(num(c, 1));
    if (key == "CLEARED") {
        const auto t = level->tileAt(num(c, 1), num(c, 2));
        return t && t->isCleared();
    }
    return false;
}

bool TTutorial::runAction(TTutorialTip& tip) {
    const TWords& w = tip.actAction;
    const std::string key = word(w, 0);
    TLevel* level = grid ? grid() : nullptr;
    // A cell named by words 1 and 2; null outside the grid (or without one).
    auto cell = [&] { return level ? level->tileAt(num(w, 1), num(w, 2)) : nullptr; };
    if (key == "WAIT") return MilliSecs() > tip.time;
    if (key == "SHOW-ME") tip.dA = 1;
    if (key == "HIDE-ME") tip.dA = 0;
    if (key == "ARROW" || key == "DOUBLE-ARROW") {
        TArrow arrow;
        arrow.x = static_cast<float>(num(w, 1));
        arrow.y = static_cast<float>(num(w, 2));
        arrow.rot = static_cast<float>(num(w, 3));
        tip.arrows.push_back(arrow);
    }
    if (key == "LIGHT-UP")
        if (const auto t = cell()) t->lightMeUp();
    if (key == "SET-ZADANIE")
        if (const auto t = cell()) t->setZadanie(word(w, 3), word(w, 4));
    if (key == "TURN-OFF" || key == "TURN-ON" || key == "TURN-ON-WITH-LIGHT") {
        const bool on = key != "TURN-OFF";
        if (word(w, 1) == "ALL") {
            if (level) on ? level->turnOnAll() : level->turnOffAll();
        } else if (const auto t = cell()) {
            t->turnoff = on ? 0 : 1;
            if (key == "TURN-ON-WITH-LIGHT") t->lightMeUp();
        }
    }
    if (key == "SHOW-ROW-POSIBILITY") {
        if (tip.actPosibility) return false;  // one example at a time: it ends before the next begins
        std::vector<std::string> patterns(w.size() > 5 ? w.begin() + 5 : w.end(), w.end());
        // The example keeps to the grid: patterns are cut to its columns, a row outside it shows nothing.
        if (!level || num(w, 1) < 0 || num(w, 1) >= level->rows) return true;
        for (std::string& p : patterns)
            if (static_cast<int>(p.size()) > level->cols) p.resize(level->cols);
        tip.actPosibility = std::make_unique<TPosibility>(num(w, 1), word(w, 2), num(w, 3), patterns);
        return false;
    }
    return true;
}

bool TTutorial::_runActions(TTutorialTip& tip) {
    for (int guard = 0; guard < 1000; ++guard) {
        if (tip.actAction.empty()) {
            if (tip.actions.empty()) return true;
            tip.actAction = tip.actions.front();
            tip.actions.erase(tip.actions.begin());
            if (word(tip.actAction, 0) == "WAIT") tip.time = MilliSecs() + num(tip.actAction, 1);
            if (tip.actAction.empty()) continue;  // an empty action line does nothing
        }
        if (!runAction(tip)) return false;
        tip.actAction.clear();
    }
    return false;
}

// The tutorial's choice of a tip, the run of the active tip and its drawing.
#include "tutorial/Tutorial.h"

#include <cmath>

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "gui/Mouse.h"
#include "nonogram/Level.h"
#include "progress/Profile.h"
#include "screen/Ekran.h"

using namespace eng;

TTutorial* tutorial = nullptr;

std::shared_ptr<TTutorialTip> TTutorial::getTipById(const std::string& id) const {
    const std::string key = Upper(id);
    for (const auto* list : {&levelTips, &generalTips})
        for (const auto& t : *list)
            if (t->id == key) return t;
    return nullptr;
}

int TTutorial::bylTutorial(const std::string& id) const {
    const TProfile* p = profile ? profile() : nullptr;
    return p && !p->IDontHaveTip(id) ? 0 : 1;
}

void TTutorial::startTutorial(const std::shared_ptr<TTutorialTip>& tip) {
    const TProfile* p = profile ? profile() : nullptr;
    if (!tip || (tip->skipAble && p && p->tutorialOn == 0)) return;
    FlushMouse();
    actTip = tip;
    tip->reset();
}

void TTutorial::_update(bool generalOnly) {
    TProfile* p = profile ? profile() : nullptr;
    if (!p || !ekr) return;
    // A screen that asks twice in a frame (the win screen over a level) gets one update.
    if (FrameCount() == _lastUpdateFrame && _lastUpdateFrame != 0) return;
    _lastUpdateFrame = FrameCount();
    if (actTip) {
        _updateTip(*actTip);
        return;
    }
    for (const std::string& id : p->lekcjeTutoriala) {
        const auto tip = getTipById(id);
        if (!tip || tip->screen != ekr->id || (generalOnly && tip->numerLevelu != 0)) continue;
        bool all = true;
        for (const TWords& c : tip->conditions) all = all && conditionHolds(*tip, c);
        if (!all) continue;
        startTutorial(tip);
        return;
    }
}

void TTutorial::_updateTip(TTutorialTip& tip) {
    if (tip.erase) tip.dA = 0;
    approach(tip.a, tip.dA, 0.05f);
    if (tip.a <= 0 && tip.dA <= 0 && tip.erase) {
        actTip = nullptr;
        return;
    }
    _runActions(tip);
    if (!tip.erase && !(!tip.actAction.empty() && tip.actAction[0] == "WAIT")) {
        bool all = true;
        for (const TWords& c : tip.eraseConds) all = eraseHolds(c) && all;
        const bool done = tip.eraseConds.empty() ? tip.actAction.empty() && tip.actions.empty() : all;
        if (done) _eraseMe(tip);
    }
    for (TArrow& arrow : tip.arrows) arrow.update();
    if (tip.actPosibility && tip.actPosibility->update()) {
        tip.actPosibility = nullptr;
        tip.actAction.clear();
        _runActions(tip);
    }
}

void TTutorial::_eraseMe(TTutorialTip& tip) {
    tip.erase = 1;
    for (TArrow& arrow : tip.arrows) arrow.dA = 0;
    if (TProfile* p = profile ? profile() : nullptr)
        std::erase_if(p->lekcjeTutoriala, [&](const std::string& id) { return Upper(id) == tip.id; });
}

void TTutorial::draw() {
    if (!actTip || actTip->a <= 0) return;
    const TTutorialTip& tip = *actTip;
    const float f = static_cast<float>(Sin(90 * tip.a));
    resetDrawState();
    SetImageFont(tip.font);
    const float lineH = static_cast<float>(TextHeight("A") + 2);
    const float w = tip.normalWidth ? 1024 : 840, cx = tip.normalWidth ? 512 : 420;
    SetColor(0, 0, 0);
    SetAlpha(0.65f * f);
    DrawRect(0, tip.dim.y - 10, w, tip.txts.size() * lineH + 20);
    SetColor(247, 222, 113);
    SetAlpha(f);
    for (size_t k = 0; k < tip.txts.size(); ++k)
        DrawText(tip.txts[k], std::floor(cx - TextWidth(tip.txts[k]) / 2.0f), tip.dim.y + k * lineH);
    resetDrawState();
    if (tip.actPosibility)
        if (TLevel* level = grid ? grid() : nullptr) tip.actPosibility->draw(*level);
    for (const TArrow& arrow : tip.arrows) arrow.draw(arrowImages[arrow.n == 1 ? 1 : 0]);
}

void tutorialUpdate(TEkran& screen) {
    if (!tutorial) return;
    tutorial->ekr = &screen;
    tutorial->update();
}

void tutorialUpdateGeneral(TEkran& screen) {
    if (!tutorial) return;
    tutorial->ekr = &screen;
    tutorial->update2();
}

void tutorialDraw(TEkran& screen) {
    if (!tutorial) return;
    tutorial->ekr = &screen;
    tutorial->draw();
}
